#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Localisation.h"
#include "PlayState.h"
#include "TestTable.h"

namespace {
// Card number of a face ("A", "2".."10", "J", "Q", "K") in a suit ('c', 'd', 'h', 's').
int nr(const std::string& face, char suit) {
    static const std::vector<std::string> faces = {"A", "2", "3", "4", "5", "6", "7",
                                                   "8", "9", "10", "J", "Q", "K"};
    int f = 0;
    while (faces[static_cast<std::size_t>(f)] != face) ++f;
    const int s = suit == 'c' ? 0 : suit == 'd' ? 1 : suit == 'h' ? 2 : 3;
    return f * 4 + s;
}
// "3c" -> the three of clubs.
int nr(const std::string& card) { return nr(card.substr(0, card.size() - 1), card.back()); }

std::vector<std::string> names(const KortHand& h) {
    static const char suits[] = {'c', 'd', 'h', 's'};
    std::vector<std::string> v;
    for (const Kort* k : h.colHand) v.push_back(k->Typ + suits[k->Nr % 4]);
    return v;
}

struct SurplusFixture : ::testing::Test {
    TestTable t;
    Main& m = t.m();
    SurplusFixture() {
        m.SetUpGame();
        m.gbFarg = farg::Klover;
        m.Packe.ValjFarg(farg::Klover);
    }
    void give(int seat, const std::vector<std::string>& cards) {
        for (const std::string& c : cards) {
            Kort* k = m.Packe.CardByNr(nr(c));
            m.Hand[seat].AddACardOSort(k, false);
        }
    }
};

struct SurplusCase {
    const char* what;
    std::vector<std::string> hand;
    std::vector<std::string> killed;  // in the order they went out
    bool announced;
};

const SurplusCase kSurplusCases[] = {
    {"exactly six keeps all and says nothing", {"3c", "4c", "6c", "7c", "8c", "9c"}, {}, false},
    {"seven: the three goes", {"3c", "6c", "9c", "Kc", "Ac", "10c", "Jc"}, {"3c"}, true},
    {"nine with both fives: lowest three go", {"Ac", "5c", "5s", "2c", "3c", "4c", "6c", "10c", "Jc"},
     {"3c", "4c", "6c"}, true},
    {"queen goes before king", {"Ac", "Kc", "Qc", "10c", "Jc", "2c", "5c"}, {"Qc"}, true},
    {"order 7, 8, 9 after 6", {"9c", "8c", "7c", "Ac", "10c", "Jc", "2c", "5c", "5s"}, {"7c", "8c", "9c"}, true},
    {"non-trumps are never taken: hand stays above six",
     {"3c", "Ac", "10c", "Jc", "2c", "5c", "Kh", "3h"}, {"3c"}, true},
};

void PrintTo(const SurplusCase& c, std::ostream* os) { *os << c.what; }

class SurplusTable : public SurplusFixture, public ::testing::WithParamInterface<SurplusCase> {};
}  // namespace

TEST_P(SurplusTable, PutsOutLowestTrumpsOnly) {
    const SurplusCase& c = GetParam();
    give(0, c.hand);
    const int before = static_cast<int>(c.hand.size());
    m.Hand[0].TaBortMeraKortAn6(farg::Klover);

    EXPECT_EQ(names(m.KortKilled), c.killed) << c.what;
    EXPECT_EQ(m.Hand[0].AntalKort(), before - static_cast<int>(c.killed.size())) << c.what;
    for (const std::string& gone : c.killed) {
        const Kort* k = m.Packe.CardByNr(nr(gone));
        EXPECT_EQ(PlayCardFlags[k->Rang], -1) << gone;
        EXPECT_FALSE(m.Hand[0].colHand.Contains(CardKey(*k))) << gone;
    }
    int marked = 0;
    for (short f : PlayCardFlags) marked += f == -1;
    EXPECT_EQ(marked, static_cast<int>(c.killed.size())) << c.what;
    EXPECT_EQ(m.LblKilledCards.Visible, c.announced) << c.what;
    EXPECT_EQ(m.LblNotInPlay.Visible, c.announced) << c.what;
    EXPECT_EQ(m.LblKilledCards.Caption, c.announced ? m.Hand[0].HandNamn + " " + TooManyCardsText + "\n" : "");
    if (c.announced) {
        EXPECT_EQ(m.LblNotInPlay.Caption, CardsNotInPlayText);
    }
}

INSTANTIATE_TEST_SUITE_P(Hands, SurplusTable, ::testing::ValuesIn(kSurplusCases));

TEST_F(SurplusFixture, TwoSeatsInOneDealGiveTwoLinesInCallOrder) {
    give(2, {"3c", "4c", "Ac", "10c", "Jc", "2c", "5c"});
    give(1, {"6c", "7c", "Kc", "Qc", "5s", "8c", "9c"});
    m.Hand[2].TaBortMeraKortAn6(farg::Klover);
    m.Hand[1].TaBortMeraKortAn6(farg::Klover);
    EXPECT_EQ(m.LblKilledCards.Caption, m.Hand[2].HandNamn + " " + TooManyCardsText + "\n" + m.Hand[1].HandNamn +
                                            " " + TooManyCardsText + "\n");
    EXPECT_EQ(names(m.KortKilled), (std::vector<std::string>{"3c", "6c"}));
    EXPECT_EQ(m.Hand[1].AntalKort(), 6);
    EXPECT_EQ(m.Hand[2].AntalKort(), 6);
}

TEST_F(SurplusFixture, CardsWithoutDiscardPriorityNeverGoEvenAboveSix) {
    // Ace, ten, jack, 2 and both fives of the trump colour, plus a non-trump.
    m.gbFarg = farg::Spader;
    m.Packe.ValjFarg(farg::Spader);
    give(0, {"As", "10s", "Js", "2s", "5s", "5c", "Ah"});
    m.Hand[0].TaBortMeraKortAn6(farg::Spader);
    EXPECT_EQ(m.Hand[0].AntalKort(), 7);
    EXPECT_EQ(m.KortKilled.AntalKort(), 0);
    for (short f : PlayCardFlags) EXPECT_EQ(f, 0);
}
