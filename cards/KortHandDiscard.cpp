// Putting a hand's surplus trumps out of play, lowest first.
#include <string>

#include "KortHand.h"
#include "Localisation.h"
#include "Main.h"
#include "PlayState.h"

namespace {
// The card of exactly the trump suit with the highest discard priority,
// the first of equals in hand order; null when no card may go.
Kort* nextSurplusTrump(const KeyedList<Kort*>& cards, std::int32_t farg) {
    Kort* candidate = nullptr;
    int best = 0;
    for (Kort* k : cards)
        if (k->farg == farg && k->SlangOrder > best) {
            candidate = k;
            best = k->SlangOrder;
        }
    return candidate;
}
}  // namespace

void KortHand::TaBortMeraKortAn6(std::int32_t farg) {
    Main* m = Main::instance();
    if (!m) return;
    const int n = colHand.Count();
    if (n < 7) return;
    for (int pass = 0; pass < n - 6; ++pass) {
        Kort* k = nextSurplusTrump(colHand, farg);
        if (!k) continue;
        if (k->Rang <= 14) PlayCardFlags[k->Rang] = -1;
        TakeACard(CardKey(*k));
        m->KortKilled.AddACardOSort(k, true);
    }
    m->LblKilledCards.Caption += HandNamn + " " + TooManyCardsText + "\n";
    m->LblKilledCards.Visible = true;
    m->LblNotInPlay.Caption = CardsNotInPlayText;
    m->LblNotInPlay.Visible = true;
    refresh();
    if (bordHand_) bordHand_->refresh();
}
