#include <gtest/gtest.h>

#include <deque>

#include "BidFixture.h"
#include "Rng.h"

namespace {

// The bidding situation a rule file is evaluated in.
struct Situation {
    short highest = 0;
    int seat = 1;
    int dealer = 0;
    short bids[4] = {-1, -1, -1, -1};
    short vi = 0, de = 0;
};

struct RuleCase {
    const char* what;
    const char* rules;
    Situation at;
    std::vector<float> draws;  // what Rnd() returns, in order
    const char* result;
    float level;
    short value;
    const char* fired;
    int messages = 0;
};

std::ostream& operator<<(std::ostream& o, const RuleCase& c) { return o << c.what; }

struct RuleEvaluation : BidFixture {
    std::deque<float> draws;
    int drawsTaken = 0;

    std::string evaluate(const std::string& rules, const Situation& at, const std::vector<float>& scripted) {
        write("R.txt", rules);
        main->gbHogstaBudet = at.highest;
        main->attBjuda = at.seat;
        main->harPacko = at.dealer;
        main->attSaka = at.dealer;
        main->gbVi = at.vi;
        main->gbDe = at.de;
        for (int s = 0; s < 4; ++s) main->Hand[static_cast<std::size_t>(s)].PutBud(at.bids[s]);
        draws.assign(scripted.begin(), scripted.end());
        SetRandomSource([this] {
            ++drawsTaken;
            if (draws.empty()) return 0.0f;
            const float v = draws.front();
            draws.pop_front();
            return v;
        });
        std::string r = EvaluateBidRules(main->gbInstallPath + "R.txt");
        SetRandomSource({});
        return r;
    }
};

class BidRuleCase : public ::testing::TestWithParam<RuleCase> {};

TEST_P(BidRuleCase, Decides) {
    const RuleCase& c = GetParam();
    RuleEvaluation t;
    for (int col = 0; col < 4; ++col)
        for (int l = 0; l < 11; ++l) EATable[col][l] = static_cast<float>(col + 1 - l);  // best colour spades
    const std::string r = t.evaluate(c.rules, c.at, c.draws);
    EXPECT_EQ(r, c.result);
    EXPECT_FLOAT_EQ(BidEAPLevel, c.level);
    EXPECT_EQ(BidRuleValue, c.value);
    EXPECT_EQ(FiredRuleName, c.fired);
    EXPECT_EQ(static_cast<int>(t.messages().size()), c.messages);
    EXPECT_TRUE(t.draws.empty()) << "draws left over";
}

Situation highest(short h) {
    Situation s;
    s.highest = h;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Statements, BidRuleCase,
    ::testing::Values(
        RuleCase{"an empty file passes", "", {}, {}, "PASS", 1.0f, 0, ""},
        RuleCase{"STOP ends before any rule", "STOP\nRULE\nEXECUTES\n100, EA, 3\nEND\n", {}, {}, "PASS", 1.0f, 0,
                 ""},
        RuleCase{"a rule that holds but draws no alternative ends with a pass",
                 "RULE\nName, A\nEXECUTES\n50, EA, 3\nEND\nRULE\nName, B\nEXECUTES\n100, EA, 4\nEND\n",
                 {},
                 {0.9f},
                 "PASS",
                 1.0f,
                 0,
                 ""},
        RuleCase{"a weight is a percentage drawn afresh",
                 "RULE\nName, A\nEXECUTES\n50, EA, 3\n50, EA, 5\nEND\n", {}, {0.9f, 0.2f}, "EA", 5.0f, 0, "[A]"},
        RuleCase{"a BID not above the highest bid moves on to the next rule",
                 "RULE\nName, X\nEXECUTES\n100, BID, 9\nEND\nRULE\nName, Y\nEXECUTES\n100, BID, 10\nEND\n",
                 highest(9), {}, "BID", 1.0f, 10, "[Y]"},
        RuleCase{"14 over 14 is accepted", "RULE\nName, X\nEXECUTES\n100, BID, 14\nEND\n", highest(14), {}, "BID",
                 1.0f, 14, "[X]"},
        RuleCase{"a rejected BID that nothing overrides stays", "RULE\nName, X\nEXECUTES\n100, BID, 15\nEND\n", {},
                 {}, "BID", 1.0f, 15, "[X]"},
        RuleCase{"BID PASS in any case", "RULE\nName, X\nEXECUTES\n100, bid, pass\nEND\n", {}, {}, "PASS", 1.0f, 0,
                 "[X]"},
        RuleCase{"a register is named by its last character",
                 "RULE\nd2, :=, 7\nd3, :=, 7\nd3, =, d12\nEXECUTES\n100, EA, d3\nEND\n", {}, {}, "EA", 7.0f, 0, ""},
        RuleCase{"a comparison that fails skips the rule",
                 "RULE\nName, A\nd2, :=, 7\nd3, =, d2\nEXECUTES\n100, EA, 3\nEND\nRULE\nName, B\nEXECUTES\n100, EA, "
                 "4\nEND\n",
                 {}, {}, "EA", 4.0f, 0, "[B]"},
        RuleCase{":= 0 fails",
                 "RULE\nName, A\nd0, :=, 0\nEXECUTES\n100, EA, 3\nEND\nRULE\nName, B\nEXECUTES\n100, EA, 4\nEND\n",
                 {}, {}, "EA", 4.0f, 0, "[B]"},
        RuleCase{":= -5 loads minus d5", "RULE\nd5, :=, 3\nd0, :=, -5\nEXECUTES\n100, EA, d0\nEND\n", {}, {}, "EA",
                 -3.0f, 0, ""},
        RuleCase{":= BidNext loads the variable", "RULE\nd0, :=, BidNext\nEXECUTES\n100, BID, d0\nEND\n",
                 highest(8), {}, "BID", 1.0f, 9, ""},
        RuleCase{":= of the role (a text) fails",
                 "RULE\nName, A\nd0, :=, RoleInRound\nEXECUTES\n100, EA, 3\nEND\nRULE\nName, B\nEXECUTES\n100, EA, "
                 "4\nEND\n",
                 {}, {}, "EA", 4.0f, 0, "[B]"},
        RuleCase{"two Sets of one name: := takes the first, a weight the last",
                 "Set, W, 7\nSet, W, 100\nRULE\nName, A\nd0, :=, W\nEXECUTES\nW, EA, d0\nEND\n", {}, {}, "EA", 7.0f, 0,
                 "[A]"},
        RuleCase{"a Set of a predefined name does not change what := sees",
                 "Set, BidNext, 3\nRULE\nd0, :=, BidNext\nEXECUTES\n100, BID, d0\nEND\n", highest(10), {}, "BID",
                 1.0f, 11, ""},
        RuleCase{"an undefined weight is never taken", "RULE\nName, A\nEXECUTES\nNobody, EA, 3\nEND\n", {}, {0.0f},
                 "PASS", 1.0f, 0, ""},
        RuleCase{"an unknown action word skips nothing", "RULE\nName, A\nEXECUTES\n100, FOO, 100, EA, 2\nEND\n", {},
                 {}, "EA", 2.0f, 0, "[A]"},
        RuleCase{"RANDOM draws the level", "RULE\nEXECUTES\n100, RANDOM, 1, 3\nEND\n", {}, {0.25f}, "EA", 1.5f, 0,
                 ""},
        RuleCase{"Random fills a register", "RULE\nd1, Random, 2, 4\nEXECUTES\n100, EA, d1\nEND\n", {}, {0.5f}, "EA",
                 3.0f, 0, ""},
        RuleCase{":- adds and subtracts a number", "RULE\nd1, :=, 5\nd2, :-, d1, -, 1.5\nEXECUTES\n100, EA, d2\nEND\n",
                 {}, {}, "EA", 3.5f, 0, ""},
        RuleCase{":- with another operator shows a message and copies the source",
                 "RULE\nd1, :=, 5\nd2, :-, d1, *, 2\nEXECUTES\n100, EA, d2\nEND\n", {}, {}, "EA", 5.0f, 0, "", 1},
        RuleCase{"Probability below the draw fails",
                 "RULE\nName, A\nProbability, 30\nEXECUTES\n100, EA, 3\nEND\nRULE\nName, B\nEXECUTES\n100, EA, "
                 "4\nEND\n",
                 {}, {0.5f}, "EA", 4.0f, 0, "[B]"},
        RuleCase{"Probability from a variable, at the draw holds",
                 "Set, P, 51\nRULE\nName, A\nProbability, P\nEXECUTES\n100, EA, 3\nEND\n", {}, {0.5f}, "EA", 3.0f, 0,
                 "[A]"},
        RuleCase{"Probability 100 holds without a draw", "RULE\nName, A\nProbability, 100\nEXECUTES\n100, EA, 3\nEND\n",
                 {}, {}, "EA", 3.0f, 0, "[A]"},
        RuleCase{"a rule without a Name reports the last one named",
                 "RULE\nName, A\nd0, =, 1\nEXECUTES\n100, EA, 3\nEND\nRULE\nEXECUTES\n100, EA, 4\nEND\n", {}, {}, "EA",
                 4.0f, 0, "[A]"},
        RuleCase{"RULE in any case; Suggest and DebugColor are passed over",
                 "rule\nSuggest, x\nDebugColor, y\nEXECUTES\n100, EA, 2\nEND\n", {}, {}, "EA", 2.0f, 0, ""},
        RuleCase{"EABestColor raises a level below 6 to 6", "RULE\nd0, EABestColor, 4\nEXECUTES\n100, EA, d0\nEND\n",
                 {}, {}, "EA", 3.0f, 0, ""},
        RuleCase{"EABestColor past the tables has no value",
                 "RULE\nd0, EABestColor, 16\nEXECUTES\n100, EA, d0\nEND\n", {}, {}, "EA", -28.0f, 0, ""},
        RuleCase{"PLevel outside 5..15 is 0", "RULE\nd0, :=, 3\nd0, PLevel, 0\nEXECUTES\n100, EA, d0\nEND\n", {}, {},
                 "EA", 0.0f, 0, ""},
        RuleCase{"a file that ends inside an action list", "RULE\nName, A\nEXECUTES\n100, BID", {}, {}, "BID", 1.0f,
                 0, "[A]"},
        RuleCase{"a file that ends inside the conditions", "RULE\nName, A\nd0, =", {}, {}, "PASS", 1.0f, 0, ""}));

TEST(BidRuleLimits, AFourteenthSetIsIgnoredAfterOneMessage) {
    RuleEvaluation t;
    std::string rules;
    for (int i = 0; i < 13; ++i) rules += "Set, V" + std::to_string(i) + ", " + std::to_string(i + 1) + "\n";
    rules += "Set, Extra, 100\nRULE\nd0, :=, V12\nEXECUTES\n100, EA, d0\nEND\nRULE\nEXECUTES\nExtra, EA, 9\nEND\n";
    EXPECT_EQ(t.evaluate(rules, {}, {}), "EA");
    EXPECT_FLOAT_EQ(BidEAPLevel, 13.0f);
    EXPECT_EQ(t.evaluate(rules, {}, {}), "EA");
    ASSERT_EQ(t.messages().size(), 1u);
    EXPECT_NE(t.messages()[0].find("Extra"), std::string::npos);
}

TEST(BidRuleLimits, AMissingFilePassesWithOneMessagePerRun) {
    RuleEvaluation t;
    EXPECT_EQ(EvaluateBidRules(t.main->gbInstallPath + "None.txt"), "PASS");
    EXPECT_EQ(EvaluateBidRules(t.main->gbInstallPath + "None.txt"), "PASS");
    EXPECT_EQ(t.messages().size(), 1u);
}

// The seat's place in the bidding order, for every bidder and dealer.
TEST(BidRuleRole, RoleInRoundFollowsTheDealer) {
    RuleEvaluation t;
    const char* const roles[4] = {"B_BLOCK", "LEAD", "A_BLOCK", "RESPONSE"};  // by (seat - dealer) & 3
    const std::string rules = "RULE\nRoleInRound, LEAD, A_BLOCK, !\nEXECUTES\n100, EA, 5\nEND\n";
    for (int dealer = 0; dealer < 4; ++dealer)
        for (int seat = 0; seat < 4; ++seat) {
            Situation at;
            at.seat = seat;
            at.dealer = dealer;
            const std::string role = roles[(seat - dealer) & 3];
            t.main->attBjuda = seat;
            t.main->harPacko = dealer;
            EXPECT_EQ(GetRoleInRound(), role);
            const bool early = role == "LEAD" || role == "A_BLOCK";
            EXPECT_EQ(t.evaluate(rules, at, {}), early ? "EA" : "PASS") << seat << " " << dealer;
        }
}

TEST(BidRuleSides, ScoreVariablesAreTheBiddersSide) {
    RuleEvaluation t;
    Situation at;
    at.vi = 50;
    at.de = 20;
    const std::string rules = "RULE\nd0, :=, Ledning\nd1, :=, DE\nEXECUTES\n100, EA, d0\n"
                              "END\n";
    at.seat = 2;
    EXPECT_EQ(t.evaluate(rules, at, {}), "EA");
    EXPECT_FLOAT_EQ(BidEAPLevel, 30.0f);
    at.seat = 3;
    t.evaluate(rules, at, {});
    EXPECT_FLOAT_EQ(BidEAPLevel, -30.0f);
}

TEST(BidRuleHelpers, WorstColorEAuHLooksAtTheHolderOfTheHighestBid) {
    RuleEvaluation t;
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k) EaUHTable[c][k] = static_cast<float>(10 * k + c);
    Main& m = t.m();
    m.attBjuda = 2;
    m.harPacko = 1;
    // Nobody has bid 6 or more: the partner's column.
    m.gbHogstaBudet = 0;
    EXPECT_FLOAT_EQ(WorstColorEAuH(), 20.0f);
    // Seats 3 and 0 both bid 14 with seat 1 dealing: 0 bid later and holds it.
    for (int s = 0; s < 4; ++s) m.Hand[static_cast<std::size_t>(s)].PutBud(0);
    m.Hand[3].PutBud(14);
    m.Hand[0].PutBud(14);
    m.gbHogstaBudet = 14;
    EXPECT_FLOAT_EQ(WorstColorEAuH(), 20.0f);  // seat 0 is two places on from seat 2
    m.attBjuda = 1;
    EXPECT_FLOAT_EQ(WorstColorEAuH(), 30.0f);
}

TEST(BidRuleHelpers, BestColorPNeverBelowZero) {
    RuleEvaluation t;
    for (int c = 0; c < 4; ++c)
        for (int l = 0; l < 11; ++l) PxTable[c][l] = -1.0f;
    EXPECT_FLOAT_EQ(BestColorP(8), 0.0f);
    PxTable[2][3] = 0.4f;
    EXPECT_FLOAT_EQ(BestColorP(8), 0.4f);
    EXPECT_FLOAT_EQ(BestColorP(16), 0.0f);
}

}  // namespace
