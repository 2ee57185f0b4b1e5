#pragma once
// What must hold after a seat's bid, whatever the bid files say: the bid is a
// pass or a bid from 6 to 14 above the highest bid (14 may be matched), and
// a bid names a colour.

#include <cmath>

#include "BidTable.h"
#include "FuzzTable.h"

// Puts the human's seat to bid in a bidding situation drawn from pick, with
// a hand of 1 to 9 cards; returns the highest bid so far.
inline short SetUpHumanBid(Main& m, std::uint64_t pick, int cards) {
    SeedRandom(pick);
    for (KortHand& h : m.Hand) h.ClearHand();
    while (m.Packe.KortIPacken() > 0) m.Packe.GeKort();
    m.Packe.Saka();
    for (int i = 0; i < cards; ++i) {
        Kort* k = m.Packe.GeKort();
        m.Hand[0].AddACardOSort(k, false);
    }
    static const short highest[] = {0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    short biggest = highest[(pick >> 8) % 11];
    const int dealer = biggest == 5 ? 0 : static_cast<int>((pick >> 16) % 4);
    // The dealer bids last: with nothing bid before, everybody passed.
    if (dealer == 0 && biggest == 0) biggest = 5;
    m.attBjuda = 0;
    m.attSaka = m.harPacko = dealer;
    m.gbHogstaBudet = biggest;
    for (int s = 0; s < 4; ++s) m.Hand[static_cast<std::size_t>(s)].PutBud(s == 0 ? 0 : -1);
    if (biggest >= 6) m.Hand[1 + (pick >> 24) % 3].PutBud(biggest);
    m.gbVi = static_cast<short>((pick >> 32) % 70);
    m.gbDe = static_cast<short>((pick >> 40) % 70);
    m.Hand[0].myBjudAI = "LumraBidBase.txt";
    m.Hand[0].myBjudAIFile = "LumraBidRulesAI.txt";
    m.Hand[0].mySpelarTyp = 1;  // the bid ends at the bid buttons; nothing runs on
    m.bSuggest = true;
    return biggest;
}

inline void CheckHumanBid(Main& m, short biggest) {
    const KortHand& h = m.Hand[0];
    const short bid = h.GeBud();
    FUZZ_CHECK(bid == 0 || (bid >= 6 && bid <= 14));
    if (bid > 0) {
        FUZZ_CHECK(bid > biggest || bid == 14);
        FUZZ_CHECK(h.MinFarg == 1 || h.MinFarg == 2 || h.MinFarg == 4 || h.MinFarg == 8);
    }
    for (int c = 0; c < 4; ++c) {
        FUZZ_CHECK(EATable[c][10] == kNoEA);
        FUZZ_CHECK(PxTable[c][0] == 0.0f && PxTable[c][10] == 0.0f);
        for (int l = 0; l < 11; ++l) FUZZ_CHECK(!std::isnan(EATable[c][l]) && !std::isnan(PxTable[c][l]));
        for (int k = 0; k < 4; ++k) FUZZ_CHECK(!std::isnan(EaUHTable[c][k]));
    }
}
