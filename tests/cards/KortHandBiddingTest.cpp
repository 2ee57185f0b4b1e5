#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "../engines/BidFixture.h"

namespace {
using namespace cardnr;
using EARow = std::array<float, 10>;  // EA for bids 5..14

// EA of atTop at bid `top`, more below it and far less above it.
EARow reaching(int top, float atTop = 2.0f) {
    EARow r{};
    for (int b = 5; b <= 14; ++b)
        r[static_cast<std::size_t>(b - 5)] = b <= top ? atTop + static_cast<float>(top - b) : -10.0f - static_cast<float>(b);
    return r;
}
EARow flat(float v) {
    EARow r{};
    r.fill(v);
    return r;
}

// One bidding seat whose four colours (keys [_A_], [_K_], [_Q_], [_J_])
// have the EA rows given, deciding by a one-rule file.
struct SeatBid : BidFixture {
    std::vector<std::string> log;
    int seat = 1;

    SeatBid() {
        main->AddLogListener([this](const std::string& l) { log.push_back(l); });
        for (KortHand& h : main->Hand) {
            h.myBjudAI = "T.txt";
            h.myBjudAIFile = "R.txt";
        }
    }
    void table(const std::array<EARow, 4>& rows) {
        const char* keys[4] = {"[_A_]", "[_K_]", "[_Q_]", "[_J_]"};
        std::string t = "Bugala\n<1>\n";
        for (int c = 0; c < 4; ++c) {
            t += keys[c];
            for (float v : rows[static_cast<std::size_t>(c)]) t += ", " + CStrSingle(v);
            t += ", 0, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0, 0, 0, 0, 0\n";
        }
        write("T.txt", t);
    }
    void rule(const std::string& action) { write("R.txt", "RULE\nName, Test\nEXECUTES\n" + action + "\nEND\n"); }
    void bid(int bidder, int dealer, short highest) {
        seat = bidder;
        give(bidder, {AceClubs, KingDiamonds, QueenHearts, JackSpades});
        main->attBjuda = bidder;
        main->attSaka = dealer;
        main->harPacko = dealer;
        main->gbHogstaBudet = highest;
        main->myGameStatus = 2;
        main->Hand[static_cast<std::size_t>(bidder)].bjud(highest);
    }
    KortHand& hand() { return main->Hand[static_cast<std::size_t>(seat)]; }
    bool logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
};

struct BidCase {
    const char* what;
    std::array<EARow, 4> rows;
    const char* action;
    int bidder, dealer;
    short highest;
    short expectBid;
    std::int32_t expectColour;
    const char* expectLine;  // a log line the decision writes ("" none)
};
std::ostream& operator<<(std::ostream& o, const BidCase& c) { return o << c.what; }

class ComputerBid : public ::testing::TestWithParam<BidCase> {};

TEST_P(ComputerBid, BidsAndNamesAColour) {
    const BidCase& c = GetParam();
    SeatBid t;
    t.table(c.rows);
    t.rule(c.action);
    t.bid(c.bidder, c.dealer, c.highest);
    EXPECT_EQ(t.hand().GeBud(), c.expectBid);
    EXPECT_EQ(t.hand().MinFarg, c.expectColour);
    if (*c.expectLine) {
        EXPECT_TRUE(t.logged(c.expectLine)) << c.expectLine;
    }
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(t.main->LabelBud[static_cast<std::size_t>(c.bidder)].Caption,
              c.expectBid > 0 ? StrNum(c.expectBid) : "Pass");
    EXPECT_EQ(t.main->gbHogstaBudet, std::max(c.expectBid, c.highest));
}

INSTANTIATE_TEST_SUITE_P(
    Decisions, ComputerBid,
    ::testing::Values(
        BidCase{"EA: equal highest bids go to the earlier colour, whatever the EA",
                {reaching(7), reaching(9, 1.5f), reaching(9, 6.0f), reaching(8)}, "100, EA, 1", 1, 0, 0, 9, 2,
                "Color 1 Bid: 9 with EA 1.5"},
        BidCase{"EA: the dealer goes one above the highest bid, keeping the colour found higher",
                {reaching(8), reaching(12), reaching(11), reaching(6)}, "100, EA, 1", 1, 1, 10, 11, 2,
                "Jag ar sist och reviderar mitt ursprungliga bud: 12"},
        BidCase{"EA: over 14 only a colour that reaches 14 bids", {reaching(13), reaching(12), flat(-5), reaching(14)},
                "100, EA, 1", 2, 0, 14, 14, 8, ""},
        BidCase{"EA: over 14 a hand that does not reach 14 passes", {reaching(13), reaching(12), flat(-5), reaching(9)},
                "100, EA, 1", 2, 0, 14, 0, -1, "Budet: 0 med EA: 0"},
        BidCase{"EA: single precision, 3.1 reaches 3.1", {reaching(8, 3.1f), flat(-5), flat(-5), flat(-5)},
                "100, EA, 3.1", 1, 0, 0, 8, 1, "Color 0 Bid: 8 with EA 3.1"},
        BidCase{"BID: 14 over 14 by the dealer is cut back to 14", {reaching(14), flat(-5), flat(-5), flat(-5)},
                "100, BID, 14", 3, 3, 14, 14, 1, "Jag ar sist och reviderar mitt ursprungliga bud: 15"},
        BidCase{"BID: the colour is the best at the bid", {flat(1), flat(4), flat(4), flat(2)}, "100, BID, 8", 1, 0, 7,
                8, 2, "Bid in valid range"},
        BidCase{"BID: a bid below 6 is a pass", {flat(1), flat(4), flat(4), flat(2)}, "100, BID, 5", 1, 0, 0, 0, -1,
                "Bid out of range, taken as a pass: 5"},
        BidCase{"BID: a bid above 14 is a pass", {flat(1), flat(4), flat(4), flat(2)}, "100, BID, 15", 1, 0, 0, 0, -1,
                "Bid out of range, taken as a pass: 15"},
        BidCase{"BID: a dealer given a value above 14 goes one above the highest bid",
                {flat(1), flat(4), flat(4), flat(2)}, "100, BID, 15", 3, 3, 9, 10, 2,
                "Jag ar sist och reviderar mitt ursprungliga bud: 10"},
        BidCase{"BID: a dealer given a value above 14 over 14 bids 14", {flat(1), flat(2), flat(4), flat(2)},
                "100, BID, 20", 2, 2, 14, 14, 4, "Jag ar sist och reviderar mitt ursprungliga bud: 15"},
        BidCase{"BID: a bid of 2 is a pass, not a table read below its start", {flat(1), flat(4), flat(4), flat(2)},
                "100, BID, 2", 1, 0, 0, 0, -1, ""},
        BidCase{"BID: with no value above -200 the bidder still names a colour",
                {flat(-300), flat(-250), flat(-250), flat(-300)}, "100, BID, 8", 1, 0, 0, 8, 2, ""},
        BidCase{"PASS: a computer seat passes and keeps no colour", {flat(5), flat(5), flat(5), flat(5)},
                "100, BID, PASS", 1, 0, 7, 0, -1, "BidMode - PASS"},
        BidCase{"forced dealer: 6 in the best colour at 6, whatever the rule says",
                {flat(1), flat(3), flat(3), flat(2)}, "100, BID, PASS", 0, 0, 5, 6, 2, "Pakkobud"},
        BidCase{"forced dealer in EA mode: 6 even when nothing reaches the level",
                {flat(-5), flat(-5), flat(-4), flat(-5)}, "100, EA, 3", 0, 0, 5, 6, 4, ""},
        BidCase{"forced dealer: all at the floor still gives a colour", {flat(-300), flat(-300), flat(-300), flat(-300)},
                "100, BID, PASS", 0, 0, 5, 6, 1, "Budet: 6 med EA: 0"}));

TEST(ComputerBidLog, BannerModeRuleAndReportLines) {
    SeatBid t;
    t.table({reaching(9), flat(-5), flat(-5), flat(-5)});
    t.rule("100, EA, 2");
    t.bid(2, 0, 0);
    const std::vector<std::string> head(t.log.begin(), t.log.begin() + 3);
    EXPECT_EQ(head, (std::vector<std::string>{"****************", "NORD BJUDER", "****************"}));
    EXPECT_TRUE(t.logged("BidMode - EA: 2"));
    EXPECT_TRUE(t.logged("Rule: [Test]"));
    EXPECT_TRUE(t.logged("Looking for cEA >= 2"));
    EXPECT_TRUE(t.logged("Budet: 9 med EA: 2"));
    EXPECT_TRUE(t.logged("Farg: Klöver"));
    for (const std::string& l : t.log) EXPECT_EQ(l.find('\r'), std::string::npos) << l;
    const auto& trace = t.main->LBTrace.Items;
    ASSERT_GE(trace.size(), 3u);
    EXPECT_EQ(trace[trace.size() - 3], "NORD ");
    EXPECT_EQ(trace[trace.size() - 2], "[Test]");
    EXPECT_EQ(trace[trace.size() - 1], "BidMode - EA: 2");
    EXPECT_EQ(t.main->Label[2].ForeColor, forms::RGB(0, 0, 0));
}

TEST(HumanBid, SuggestionMarksTheButtonAndRaisesTheColour) {
    SeatBid t;
    t.main->Hand[0].mySpelarTyp = 1;
    t.main->bSuggest = true;
    t.table({flat(-5), reaching(10), flat(-5), flat(-5)});
    t.rule("100, EA, 2");
    t.bid(0, 3, 7);
    EXPECT_EQ(t.main->PBBid[5].Tag, "Suggest");  // bid 10
    EXPECT_TRUE(t.main->PBBid[5].Visible);
    EXPECT_EQ(t.main->myGameStatus, 2);
    for (const Kort* k : t.main->Hand[0].colHand) EXPECT_EQ(k->Kop, (k->farg & 2) != 0) << k->Nr;
}

// A bid-rule BID for the human's seat is only a suggestion: the button of
// the bid the seat would make carries the mark (the pass button when it
// would pass), its colour is raised while suggestions are on, and nothing
// is entered until the human answers.
TEST(HumanBid, ABidRuleSuggestsTheBidTheSeatWouldMake) {
    struct Case {
        const char* what;
        const char* action;
        int dealer;
        short highest;
        bool suggestions;
        short suggested;       // 0: the pass button
        std::int32_t raised;   // colour whose cards stand out; 0 none
    };
    const Case cases[] = {
        {"a bid above the highest", "100, BID, 9", 3, 7, true, 9, 2},
        {"a bid not above the highest is a pass", "100, BID, 7", 3, 7, true, 0, 0},
        {"the dealer goes one above the highest", "100, BID, 12", 0, 9, true, 10, 2},
        {"fourteen over fourteen", "100, BID, 14", 3, 14, true, 14, 2},
        {"a bid above 14 is a pass", "100, BID, 15", 3, 7, true, 0, 0},
        {"a rule's pass", "100, BID, PASS", 3, 7, true, 0, 0},
        {"suggestions off: the mark, no raised cards", "100, BID, 9", 3, 7, false, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeatBid t;
        t.main->Hand[0].mySpelarTyp = 1;
        t.main->bSuggest = c.suggestions;
        t.table({flat(1), flat(4), flat(4), flat(2)});
        t.rule(c.action);
        t.bid(0, c.dealer, c.highest);
        const int marked = c.suggested == 0 ? 0 : c.suggested - 5;
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(t.main->PBBid[static_cast<std::size_t>(k)].Tag, k == marked ? "Suggest" : "") << "button " << k;
        EXPECT_TRUE(t.main->PBBid[static_cast<std::size_t>(marked)].Visible);
        for (const Kort* k : t.main->Hand[0].colHand) EXPECT_EQ(k->Kop, (k->farg & c.raised) != 0) << k->Nr;
        // The human has not answered: the table waits.
        EXPECT_EQ(t.main->gbHogstaBudet, c.highest);
        EXPECT_EQ(t.main->myGameStatus, 2);
        EXPECT_EQ(t.main->LabelBud[0].Caption, "");
        EXPECT_TRUE(t.messages().empty());
    }
}

TEST(HumanBid, ForcedDealerBidsSixWithoutAsking) {
    SeatBid t;
    t.main->Hand[0].mySpelarTyp = 1;
    t.main->bSuggest = true;
    t.table({flat(-5), reaching(10), flat(-5), flat(-5)});
    t.rule("100, EA, 2");
    t.bid(0, 0, 5);
    EXPECT_EQ(t.main->Hand[0].GeBud(), 6);
    EXPECT_EQ(t.main->gbHogstaBudet, 6);
    EXPECT_EQ(t.main->LabelBud[0].Caption, " 6");
    EXPECT_TRUE(t.logged("HUMAN Bids: 6"));
    for (const forms::PictureBox& pb : t.main->PBBid) EXPECT_FALSE(pb.Visible);
    for (const Kort* k : t.main->Hand[0].colHand) EXPECT_FALSE(k->Kop);
}

TEST(ColourChoice, ComputerNamesItsColourAndLogsIt) {
    const std::pair<std::int32_t, const char*> cases[] = {{1, "KLOVER"}, {2, "RUTER"}, {4, "HJARTER"}, {8, "SPADER"}};
    for (const auto& [colour, word] : cases) {
        SeatBid t;
        KortHand& h = t.main->Hand[3];
        h.MinFarg = colour;
        t.main->myGameStatus = 4;
        h.ValdFarg();
        EXPECT_EQ(t.main->gbFarg, colour);
        ASSERT_GE(t.log.size(), 3u);
        EXPECT_EQ(t.log[0], "<FARG>");
        EXPECT_EQ(t.log[1], word);
        EXPECT_EQ(t.log[2], std::string(60, '*'));
        EXPECT_EQ(t.main->ImgKlChosen.Visible, colour == 1);
        EXPECT_EQ(t.main->ImgRuChosen.Visible, colour == 2);
        EXPECT_EQ(t.main->ImgHjChosen.Visible, colour == 4);
        EXPECT_EQ(t.main->ImgSpChosen.Visible, colour == 8);
    }
}

TEST(ColourChoice, AComputerBidderNeverNamesNoColour) {
    SeatBid t;
    t.give(3, {KingDiamonds, FiveDiamonds, QueenHearts});  // diamonds: K and both red fives
    KortHand& h = t.main->Hand[3];
    h.MinFarg = -1;
    h.ValdFarg();
    EXPECT_EQ(t.main->gbFarg, 2);
    EXPECT_TRUE(t.logged("RUTER"));
}

TEST(ColourChoice, TheHumanGetsTheColourButtons) {
    SeatBid t;
    t.main->Hand[0].mySpelarTyp = 1;
    t.main->Hand[0].ValdFarg();
    for (forms::Image* img : {&t.main->ImgKlUp, &t.main->ImgRuUp, &t.main->ImgHjUp, &t.main->ImgSpUp})
        EXPECT_TRUE(img->Visible);
    EXPECT_TRUE(t.log.empty());
}

TEST(PutBud, LabelsAndLogsTheBiddingSeat) {
    SeatBid t;
    t.main->attBjuda = 2;
    t.main->Hand[2].PutBud(9);
    EXPECT_EQ(t.main->LabelBud[2].Caption, " 9");
    t.main->Hand[2].PutBud(0);
    EXPECT_EQ(t.main->LabelBud[2].Caption, "Pass");
    t.main->Hand[2].PutBud(-1);
    EXPECT_EQ(t.main->LabelBud[2].Caption, "Pass");
    EXPECT_EQ(t.main->Hand[2].GeBud(), -1);
    EXPECT_EQ(t.log, (std::vector<std::string>{"HUMAN Bids: 9", "HUMAN Bids: PASS"}));
}

}  // namespace
