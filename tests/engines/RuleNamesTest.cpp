// The names a play rule is written with: the statement words of the rule
// language and the names of the built-in value rows, each checked against
// the language's own list. A word the engine does not know is passed over
// without effect, so each case pairs a statement that must hold with one
// that must fail: a word the engine lost would let both hold.
#include <string>
#include <vector>

#include "RuleKeywords.h"
#include "RuleTestFixture.h"
#include "RuleValueTable.h"

namespace {

using Kind = RuleValue::Kind;

struct Row {
    int row;
    const char* name;
    Kind kind;
    bool fixed;  // the name stays plain in the scrambled variant
};

// The built-in rows of a decision, in order.
const Row kRows[] = {
    {0, "Round", Kind::Integer, false},
    {1, "CardsRemaining", Kind::Integer, false},
    {2, "CardsLeftInMyHand", Kind::Integer, false},
    {3, "PointsLeft", Kind::Integer, false},
    {4, "PositionInRound", Kind::Text, false},
    {5, "Bid", Kind::Integer, false},
    {6, "RoleBid", Kind::Text, false},
    {7, "CardHighestMy", Kind::Text, false},
    {8, "CardHighestAbsolute", Kind::Text, false},
    {9, "CardHighestRound", Kind::Text, false},
    {10, "CardLeft", Kind::Text, false},
    {11, "CardRight", Kind::Text, false},
    {12, "CardPartner", Kind::Text, false},
    {13, "CardsInitiallyInMyHand", Kind::Integer, false},
    {14, "RoleInRound", Kind::Text, false},
    {15, "CardsBeforeBuyingPartner", Kind::Integer, true},
    {16, "CardsBeforeBuyingLeft", Kind::Integer, true},
    {17, "CardsBeforeBuyingRight", Kind::Integer, true},
    {18, "CardsExpectedPartner", Kind::Single, false},
    {19, "CardsExpectedLeft", Kind::Single, false},
    {20, "CardsExpectedRight", Kind::Single, false},
    {21, "CardsExpectedUs", Kind::Single, false},
    {22, "CardsExpectedThem", Kind::Single, false},
    {23, "CardsLoose", Kind::Integer, false},
    {24, "CardsUnknown", Kind::Integer, true},
    {25, "PreviousCardPartner", Kind::Text, false},
    {26, "PreviousCardLeft", Kind::Text, false},
    {27, "PreviousCardRight", Kind::Text, false},
    {28, "PreviousCardMe", Kind::Text, false},
    {29, "PreviousCardHighestRound", Kind::Text, false},
    {30, "PreviousCardHighestAbsolute", Kind::Text, false},
    {31, "TakeablePoints", Kind::Integer, true},
    {32, "TakeablePointsInRound", Kind::Integer, false},
    {33, "PointsTakenUs", Kind::Integer, true},
    {34, "PointsTakenThem", Kind::Integer, true},
    {35, "CardsExpectedThemMax", Kind::Single, false},
    {36, "CardsBeforeBuyingThemMax", Kind::Integer, true},
    {37, "CardsRemainingOther", Kind::Integer, false},
    {38, "PointsToKill", Kind::Integer, true},
};

// The built-in names a condition compares with a number.
const char* kNumericNames[] = {
    "Round", "CardsRemaining", "CardsRemainingOther", "CardsLeftInMyHand", "PointsLeft", "Bid",
    "CardsInitiallyInMyHand", "CardsLoose", "CardsUnknown", "CardsBeforeBuyingPartner", "CardsBeforeBuyingLeft",
    "CardsBeforeBuyingRight", "CardsBeforeBuyingThemMax", "TakeablePoints", "TakeablePointsInRound",
    "PointsTakenUs", "PointsTakenThem", "CardsExpectedPartner", "CardsExpectedLeft", "CardsExpectedRight",
    "CardsExpectedThemMax", "CardsExpectedUs", "CardsExpectedThem", "PointsToKill"};

// The facts a condition asks with a YES or NO answer.
const char* kAnsweredFacts[] = {
    "Last", "LumraOut", "TenOut", "JOut", "UnplayedLumra", "TenJOut", "UnplayedTenJ", "UnplayedLow",
    "EvenDistribution", "NotSafeFifthTurn", "SafeFifthTurn", "NotSafeSixthTurn", "SafeSixthTurn",
    "NotColdFourthTurnThem", "NotColdFifthTurnThem", "NotColdSixthTurnThem", "NotColdFifthTurnThemExpected",
    "NotColdSixthTurnThemExpected"};

class RuleNames : public PlayRuleFixture {
protected:
    // The hand is A, Q, 8, V, 2 in the second trick, the seat playing
    // second; the rule plays the 2 when its conditions hold.
    void SetUp() override {
        PlayRuleFixture::SetUp();
        TrickCount = 2;
        TrickLeader = 3;
        PlayCardFlags[14] = PlayCardFlags[13] = -1;
        RoundDataRang[3] = 10;
    }
    bool holds(const std::string& conditions) {
        give(0, {"A", "Q", "8", "V", "2"});
        return run("RULE,Name,T\n" + conditions + "\nEXECUTES,100,Play,2,END\n") == "2";
    }
    std::string valueOf(int row) {
        holds("");
        return RuleVariableTable[static_cast<std::size_t>(row)].value.AsText();
    }
    int rowOf(const std::string& name) {
        for (const Row& r : kRows)
            if (name == r.name) return r.row;
        return -1;
    }
    void expectOneOf(const std::string& holding, const std::string& failing) {
        EXPECT_TRUE(holds(holding)) << holding;
        EXPECT_FALSE(holds(failing)) << failing;
    }
};

TEST_F(RuleNames, TheBuiltInRowsHaveTheirNamesAndKinds) {
    holds("");
    for (const Row& r : kRows) {
        const RuleVariableRow& row = RuleVariableTable[static_cast<std::size_t>(r.row)];
        EXPECT_EQ(row.name, r.name) << "row " << r.row;
        EXPECT_EQ(row.value.kind, r.kind) << r.name;
    }
}

TEST_F(RuleNames, InTheScrambledVariantOnlyTheFixedRowsKeepTheirPlainNames) {
    holds("");
    ScrambledRulesFlag = true;
    InitRuleKeywords();
    FillBuiltinVariables();
    for (const Row& r : kRows) {
        const std::string& name = RuleVariableTable[static_cast<std::size_t>(r.row)].name;
        if (r.fixed) {
            EXPECT_EQ(name, r.name) << "row " << r.row;
            continue;
        }
        std::string scrambled;
        for (std::size_t k = 0; k < RuleKeywordCount; ++k)
            if (PlainKeyword(static_cast<Kw>(k)) == r.name) scrambled = ScrambledKeyword(static_cast<Kw>(k));
        ASSERT_FALSE(scrambled.empty()) << r.name << " is no keyword";
        EXPECT_EQ(name, scrambled) << "row " << r.row;
    }
    ScrambledRulesFlag = false;
    InitRuleKeywords();
}

TEST_F(RuleNames, EveryNumericBuiltInIsComparedWithItsRowsValue) {
    for (const char* name : kNumericNames) {
        const int row = rowOf(name);
        ASSERT_GE(row, 0) << name;
        holds("");
        const std::string below = std::to_string(RuleVariableTable[static_cast<std::size_t>(row)].value.AsNumber() - 0.5);
        expectOneOf(std::string(name) + ",>," + below, std::string(name) + ",<," + below);
    }
}

TEST_F(RuleNames, EveryAnsweredFactTakesYesOrNo) {
    for (const char* fact : kAnsweredFacts) {
        const std::string yes = std::string(fact) + ",YES";
        const std::string no = std::string(fact) + ",NO";
        EXPECT_NE(holds(yes), holds(no)) << fact;
        EXPECT_FALSE(holds(std::string(fact) + ",MAYBE")) << fact;
    }
    EXPECT_NE(holds("WithoutLumra,LEFT,YES"), holds("WithoutLumra,LEFT,NO"));
    EXPECT_NE(holds("x1,:=,A,x2,:=,Q,EqualInRank,x1,x2,YES"), holds("x1,:=,A,x2,:=,Q,EqualInRank,x1,x2,NO"));
}

TEST_F(RuleNames, EveryOtherStatementWordIsKnown) {
    const std::string position = valueOf(4), role = valueOf(6), roleInRound = valueOf(14);
    struct Pair {
        std::string holding, failing;
    };
    const Pair pairs[] = {
        {"CompareValues,Round,=,Round", "CompareValues,Round,not,Round"},
        {"PositionInRound," + position + ",!", "PositionInRound,!"},
        {"RoleBid," + role + ",!", "RoleBid,!"},
        {"RoleInRound," + roleInRound + ",!", "RoleInRound,!"},
        {"Probability,100", "Probability,0"},
        {"x1,:=,A,X1", "x1,:=,J,X1"},
        {"NOT,J,!", "NOT,A,!"},
        // A record's operand would be a take of the jack, which is not held.
        {"Track,J", "J"},
        {"TRACK,J", "J"},
        {"Name,J", "J"},
        {"Suggest,J", "J"},
        {"DebugColor,J", "J"},
    };
    for (const Pair& p : pairs) expectOneOf(p.holding, p.failing);
    // With no seat listed, neither cold test holds.
    EXPECT_FALSE(holds("Cold,!"));
    EXPECT_FALSE(holds("NotCold,!"));

    holds("Suggest,S7,DebugColor,Red,Name,Mine");
    EXPECT_EQ(SuggestText, "S7");
    EXPECT_EQ(DebugColorText, "Red");
    EXPECT_EQ(PlayRuleName, "Mine");
}

}  // namespace
