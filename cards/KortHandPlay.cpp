// A seat's play in a trick and the play suggestion for the human.
#include <cstdint>
#include <string>

#include "BuildLanguage.h"
#include "EngineBridge.h"
#include "KortHand.h"
#include "LogLines.h"
#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleDriver.h"
#include "SuggestionTexts.h"

namespace {
constexpr std::uint32_t kBlack = forms::RGB(0, 0, 0);

// The seat words of the play lines carry one trailing blank.
std::string seatWord(int seat) { return SeatWord(seat) + " "; }

std::int32_t seatToPlay() { return CurrentSeat & 3; }

bool isTrickIndex(int t) { return t >= 0 && t < 7; }
}  // namespace

void KortHand::Play() {
    Main* m = Main::instance();
    if (!m) return;
    const std::int32_t seat = seatToPlay();
    if (mySpelarTyp == 1) {
        ChoosePlayCard(seat);
        activity_ = 1;
        m->Timer1.Tag = "Suggest";
        return;
    }
    // The engine plays the card it chose; where it names no card this seat
    // holds, the bridge plays the seat's first trump.
    ChoosePlayCard(seat);
}

void KortHand::PlayIt(int idx) {
    Main* m = Main::instance();
    if (!m) return;
    const std::int32_t seat = seatToPlay();
    // Only the hand whose turn it is may play; a stale click on another
    // hand must not put a card down for the seat to play.
    if (&m->Hand[seat] != this) return;
    if (idx > colHand.Count() || idx < 1) {
        m->MsgBox("ERROR - Wrong index");
        return;
    }
    // Checked before anything moves, so a refused card stays in the hand.
    if (!IsTrump(*colHand.Item(idx), m->gbFarg)) {
        m->MsgBox("ERROR - Card chosen not right color");
        return;
    }
    ++CardsPlayedCount;
    Kort* k = TakeACard(idx);

    m->gbTmpPoang = k->Poang;
    m->gbTmpRang = k->Rang;
    m->gbTmpTyp = k->Typ;
    k->Kop = false;

    short rang = k->Rang;
    if (rang >= 0 && rang <= 14) {
        PlayCardFlags[rang] = -1;
        RankPlayedInTrick[rang] = TrickCount;
    }
    ++SeatCardsPlayed[seat];
    if (isTrickIndex(TrickCount)) TrickRangHistory[seat][TrickCount] = rang;

    NoteWithheldFive(rang);
    m->PlayCardIDX(rang);

    // Trace and log are written now: the next seat's turn, run from
    // PlayNext below, may run the engine again and replace its texts.
    const std::string word = seatWord(seat);
    m->LBTrace.AddItem(word + "\t" + RuleProbabilityText + "   " + RuleTrace);
    m->Log(word + "plays: " + k->Typ);
    if (mySpelarTyp == 1) m->Log("Suggestion:");
    m->Log(RulesVersion);
    m->Log(RuleProbabilityText + "   " + RuleTrace);
    for (int i = 0; i < 5; ++i) m->Log("");

    if (bordHand_) bordHand_->AddACardOSort(k, true);
    refresh();

    activity_ = 0;
    if (mySpelarTyp == 1) SuggestedCardIndex = 0;  // the suggestion was for this card
    m->Label[seat].ForeColor = kBlack;
    m->PlayNext();
}

short KortHand::FindCardIDXofRang(int rang) const {
    const Main* m = Main::instance();
    const std::int32_t trump = m ? m->gbFarg : 0;
    short found = -1;
    short i = 0;
    for (const Kort* k : colHand) {
        ++i;
        if (IsTrump(*k, trump) && k->Rang == rang) found = i;
    }
    return found;
}

void KortHand::SuggestSYD() {
    Main* m = Main::instance();
    if (!m || !m->bSuggest) return;
    KortHand& h = m->Hand[seatToPlay()];
    // Only while the human's hand waits for its card; otherwise the index
    // and text belong to a turn that is over.
    if (h.HandAktivitat() != 1) return;
    if (SuggestedCardIndex > 0) h.StickOut(SuggestedCardIndex);
    m->LblSuggest.Caption = LookupSuggestionText(m->gbInstallPath + mySuggestionAI, "<INPLAY>", SuggestText,
                                                 std::string("<") + BuildLanguage + ">");
    if (m->bLogging) m->LblSuggest.Visible = true;
}
