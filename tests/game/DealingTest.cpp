#include <gtest/gtest.h>

#include <algorithm>

#include "TestTable.h"
#include "VbText.h"

namespace {

// A table whose pack is dealt in a given order (as a reloaded log does).
struct DealTable : TestTable {
    std::vector<std::string> log;
    DealTable() {
        main->AddLogListener([this](const std::string& l) { log.push_back(l); });
    }
    // order: the card numbers from the top of the pack; the rest follow in
    // number order.
    void stack(std::vector<int> order) {
        for (int nr = 0; nr < 52; ++nr)
            if (std::find(order.begin(), order.end(), nr) == order.end()) order.push_back(nr);
        for (int i = 0; i < 52; ++i) main->Packe.TweakPacke(i + 1, StrNum(order[static_cast<std::size_t>(i)]));
        ASSERT_TRUE(main->Packe.SakaRestore());
        main->bReplay = true;
    }
    std::vector<int> cardsOf(int seat) const {
        std::vector<int> out;
        for (const Kort* k : main->Hand[static_cast<std::size_t>(seat)].colHand) out.push_back(k->Nr);
        return out;
    }
    std::vector<int> raisedOf(int seat) const {
        std::vector<int> out;
        for (const Kort* k : main->Hand[static_cast<std::size_t>(seat)].colHand)
            if (k->Kop) out.push_back(k->Nr);
        return out;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) main->DealStep();
    }
};

TEST(Dealing, ThreeCardsATickFromTheSeatAfterTheDealer) {
    DealTable t;
    t.stack({});  // cards 0, 1, 2, ... in order
    t.m().attSaka = 0;
    t.m().StartDeal();
    EXPECT_EQ(t.m().Timer2.Tag, "DELUT");
    t.ticks(4);
    EXPECT_EQ(t.cardsOf(1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t.cardsOf(0), (std::vector<int>{9, 10, 11}));
    EXPECT_TRUE(t.raisedOf(1).empty()) << "the first pass is never raised";
    t.ticks(1);
    EXPECT_EQ(t.raisedOf(1), (std::vector<int>{12, 13, 14}));
    t.ticks(4);  // seat 1's third pass lowers its second
    EXPECT_EQ(t.raisedOf(1), (std::vector<int>{24, 25, 26}));
    t.ticks(3);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(t.cardsOf(s).size(), 9u);
    EXPECT_EQ(t.raisedOf(0), (std::vector<int>{33, 34, 35}));
    EXPECT_EQ(t.m().Packe.KortIPacken(), 16);
}

TEST(Dealing, QuietTicksLowerTheCardsSortTheHumanAndStartTheBidding) {
    DealTable t;
    t.stack({});
    t.m().attSaka = 2;
    t.m().StartDeal();
    t.ticks(12);
    t.ticks(2);  // counter 3 and 4
    EXPECT_FALSE(t.raisedOf(2).empty());
    t.ticks(1);  // counter 5
    for (int s = 0; s < 4; ++s) EXPECT_TRUE(t.raisedOf(s).empty()) << s;
    const std::vector<int> dealt0 = t.cardsOf(0);
    const std::vector<int> dealt1 = t.cardsOf(1);
    t.ticks(7);  // counter 12: the human's hand is sorted, the others keep the dealt order
    EXPECT_NE(t.cardsOf(0), dealt0);
    EXPECT_EQ(t.cardsOf(1), dealt1);
    t.ticks(2);
    EXPECT_EQ(t.m().Timer2.Tag, "DELUT");
    EXPECT_TRUE(t.m().Timer1.Tag.empty());
    t.ticks(1);  // the 25th tick hands over to the bidding
    EXPECT_TRUE(t.m().Timer2.Tag.empty());
    EXPECT_EQ(t.m().Timer1.Tag, "Bjudnext");
    EXPECT_GE(t.m().Timer1.Interval(), 1200);
    EXPECT_LT(t.m().Timer1.Interval(), 1500);
}

TEST(Dealing, DealLinesNameSeatSuitAndTheFivesColour) {
    DealTable t;
    // Seat 2's first pass (dealer 0): the five of hearts, the ace of clubs, the ten of spades.
    t.stack({0, 1, 2, 18, 4, 39});
    t.m().attSaka = 0;
    t.m().StartDeal();
    ASSERT_GE(t.log.size(), 2u);
    const auto start = std::find(t.log.begin(), t.log.end(), "DELAR UT KORT - (6)=Röd Lumra, (9)=Svart Lumra");
    ASSERT_NE(start, t.log.end());
    ASSERT_NE(start + 1, t.log.end());
    EXPECT_EQ(*(start + 1), "");
    t.log.clear();
    t.ticks(2);
    ASSERT_EQ(t.log.size(), 4u);
    EXPECT_EQ(t.log[0], "VAST   Kl A  Ru A  Hj A  ");
    EXPECT_EQ(t.log[1], "");
    EXPECT_EQ(t.log[2], "NORD    ( 6) 5  Kl 2  Sp 10  ");
}

TEST(Dealing, ANewDealClearsTheLastOne) {
    DealTable t;
    Main& m = t.m();
    m.attSaka = 3;
    for (forms::PictureBox& pb : m.PBBid) pb.Visible = true;
    m.PBBid[4].Tag = "Suggest";
    m.ImgHjChosen.Visible = true;
    m.ImgKlUp.Visible = true;
    m.LabelBud[1].Caption = " 9";
    m.Label[2].ForeColor = forms::RGB(255, 255, 0);
    m.Hand[1].PutBud(9);
    m.StartDeal();
    for (const forms::PictureBox& pb : m.PBBid) {
        EXPECT_FALSE(pb.Visible);
        EXPECT_TRUE(pb.Tag.empty());
    }
    EXPECT_FALSE(m.ImgHjChosen.Visible);
    EXPECT_FALSE(m.ImgKlUp.Visible);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(m.Hand[static_cast<std::size_t>(s)].GeBud(), -1);
        EXPECT_TRUE(m.LabelBud[static_cast<std::size_t>(s)].Caption.empty());
        EXPECT_EQ(m.Label[static_cast<std::size_t>(s)].ForeColor, forms::RGB(0, 0, 0));
    }
    EXPECT_TRUE(m.PakkoImageXP[3].Visible);
    EXPECT_EQ(m.Packe.KortIPacken(), 52);  // shuffled afresh
}

struct ResolveCase {
    const char* what;
    int dealer;
    short bids[4];   // by seat
    short highest;   // as the bidding left it
    int holder;
    short bid;
};
std::ostream& operator<<(std::ostream& o, const ResolveCase& c) { return o << c.what; }

class HighestBid : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(HighestBid, GoesToTheLaterOfEqualBids) {
    const ResolveCase& c = GetParam();
    DealTable t;
    Main& m = t.m();
    m.attSaka = m.harPacko = m.attBjuda = c.dealer;
    for (int s = 0; s < 4; ++s) m.Hand[static_cast<std::size_t>(s)].PutBud(c.bids[s]);
    for (int s = 0; s < 4; ++s)
        m.LabelBud[static_cast<std::size_t>(s)].Caption = c.bids[s] > 0 ? StrNum(c.bids[s]) : "Pass";
    m.gbHogstaBudet = c.highest;
    t.log.clear();
    m.ResolveHighestBid();
    EXPECT_EQ(m.gbBjuditHogst, c.holder);
    EXPECT_EQ(m.gbHogstaBudet, c.bid);
    const char* words[4] = {"SYD", "VAST", "NORD", "OST"};
    const std::vector<std::string> tail(t.log.end() - 7, t.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{std::string(60, '*'), "<BJUDIT_HOGST>", words[c.holder], "<BUD>",
                                              PlainNum(c.bid), "<PACKE>", words[c.dealer]}));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(m.LabelBud[static_cast<std::size_t>(s)].Caption.empty(), s != c.holder) << s;
    EXPECT_EQ(m.LabelBud[static_cast<std::size_t>(c.holder)].Caption, StrNum(c.bid));
}

INSTANTIATE_TEST_SUITE_P(
    Bids, HighestBid,
    ::testing::Values(ResolveCase{"seat 1 bids 8 while seat 0 deals", 0, {0, 8, 0, 0}, 8, 1, 8},
                      ResolveCase{"two 14s: the later bidder holds it", 1, {14, 0, 0, 14}, 14, 0, 14},
                      ResolveCase{"two 14s, the dealer last", 2, {0, 0, 14, 14}, 14, 2, 14},
                      ResolveCase{"the first bidder passes", 3, {9, 0, 10, 0}, 10, 2, 10},
                      ResolveCase{"the dealer's one above", 0, {10, 0, 0, 9}, 10, 0, 10},
                      ResolveCase{"everybody passed: the dealer holds 6", 2, {0, 0, 0, 0}, 5, 2, 6}));

TEST(BiddingTurns, ArmThenBidAndForceTheDealerAfterThreePasses) {
    DealTable t;
    Main& m = t.m();
    t.stack({});
    m.attSaka = m.harPacko = 2;
    m.attBjuda = 1;
    for (KortHand& h : m.Hand) {
        h.myBjudAI = "LumraBidBase.txt";
        h.myBjudAIFile = "LumraBidRulesAI.txt";
        h.PutBud(0);
    }
    m.StartDeal();
    t.ticks(12);
    for (KortHand& h : m.Hand) h.PutBud(0);
    m.gbHogstaBudet = 0;
    m.Timer1.Tag.clear();
    m.myGameStatus = 2;
    m.BjudNext();
    EXPECT_EQ(m.Timer1.Tag, "Bjudnext");
    EXPECT_EQ(m.attBjuda, 1) << "nobody bids on the arming call";
    m.BjudNext();  // the tick: the dealer bids, forced to 6, and the game goes on to resolve
    EXPECT_EQ(m.attBjuda, 2);
    EXPECT_EQ(m.Hand[2].GeBud(), 6);
    EXPECT_EQ(m.gbHogstaBudet, 6);
    EXPECT_EQ(m.myGameStatus, 3);
    EXPECT_EQ(m.Timer1.Tag, "HITTAHOGBUD");
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

}  // namespace
