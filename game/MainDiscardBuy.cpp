// Colour choice, discard and buying: between the highest bid and the first
// trick the hands are cut down to trumps and filled up again to six cards.
#include <string>
#include <vector>

#include "LogLines.h"
#include "Main.h"
#include "PlayState.h"
#include "TableColours.h"

namespace {
// Before buying, what the seat itself and the others reckon it holds is
// what it kept from the discard.
void startSeatTrumpCounts(std::int32_t seat, short n) {
    TrumpsBeforeBuying[seat] = n;
    TrumpsSeenBySelf[seat] = n;
    TrumpsSeenByOthers[seat] = n;
}
}  // namespace

void Main::AskTrumpColour() {
    const std::int32_t bidder = gbBjuditHogst & 3;
    Label[bidder].ForeColor = kYellow;
    Hand[bidder].ValdFarg();
}

void Main::DiscardRound() {
    std::int32_t seat = attSaka & 3;
    for (int i = 0; i < 3; ++i) {
        seat = NextSeat(seat);
        startSeatTrumpCounts(seat, Hand[seat].AntalKortIFarg(gbFarg));
        DiscardAndDraw(seat, 0);
    }
    RefreshTable();
}

void Main::DiscardAndDraw(std::int32_t seat, short count) {
    seat &= 3;
    KortHand& hand = Hand[seat];
    KortHand& pile = Bord[seat];
    std::vector<Kort*> trumps;
    const int n = hand.AntalKort();
    for (int i = 0; i < n; ++i) {
        Kort* k = hand.TakeACard(1);
        if (IsTrump(*k, gbFarg))
            trumps.push_back(k);
        else
            pile.AddACard(k, false);
    }
    for (Kort* k : trumps) hand.AddACard(k, false);
    if (count < 1) return;

    const short m = hand.AntalKort();
    if (m >= 7) {
        TrumpsSeenByOthers[seat] = m;
        TrumpsSeenBySelf[seat] = m;
        hand.TaBortMeraKortAn6(gbFarg);
    }
    // Refilled from the cards this seat has just thrown away, never from the pack.
    for (int i = 0; i < count - m && pile.AntalKort() > 0; ++i) {
        Kort* k = pile.TakeACard(1);
        hand.AddACard(k, false);
    }
}

void Main::FillHandToSix(std::int32_t seat) {
    seat &= 3;
    KortHand& hand = Hand[seat];
    const short n = hand.AntalKort();
    if (n >= 7) {
        TrumpsSeenByOthers[seat] = n;
        TrumpsSeenBySelf[seat] = n;
        hand.TaBortMeraKortAn6(gbFarg);
    }
    if (n == 6) return;
    Log(BoughtTag(seat));
    // An empty pack ends the purchase: the seat stays short of six.
    for (int i = 0; i < 6 - n && Packe.KortIPacken() > 0; ++i) {
        Kort* k = Packe.GeKort();
        if (IsTrump(*k, gbFarg)) Log(TrumpLine(*k, gbFarg));
        k->Kop = true;
        if (hand.HandSpelarTyp() == 1)
            hand.AddACard(k, false);
        else
            hand.AddACardOSort(k, false);
    }
    Log(TagEnd);
    Log("");
}

void Main::PackBuyRound() {
    const std::int32_t dealer = attSaka & 3;
    std::int32_t seat = dealer;
    for (int i = 0; i < 3; ++i) {
        seat = NextSeat(seat);
        FillHandToSix(seat);
    }

    KortHand& hand = Hand[dealer];
    const short k = Packe.KortIPacken();
    if (k >= 1) {
        Log(BoughtTag(dealer));
        for (int i = 0; i < k; ++i) {
            Kort* card = Packe.GeKort();
            if (IsTrump(*card, gbFarg)) Log(TrumpLine(*card, gbFarg));
            if (hand.HandSpelarTyp() == 1) {
                card->Kop = true;
                hand.AddACard(card, false);
            } else {
                hand.AddACardOSort(card, false);
            }
        }
        Log(TagEnd);
        Log("");
    }

    const short t = hand.AntalKortIFarg(gbFarg);
    if (t > 6) {
        startSeatTrumpCounts(dealer, t);
    } else {
        TrumpsBeforeBuying[dealer] = -1;
        TrumpsSeenByOthers[dealer] = 0;
    }
    DiscardAndDraw(dealer, 6);
    RefreshTable();
    PakkoLiten();
}

void Main::RefreshTable() {
    for (int s = 0; s < 4; ++s) {
        Hand[s].refresh();
        Bord[s].refresh();
    }
}
