// The play-rule file at the top level: records, the two kinds of rules, the
// default play, and what a faulty file does.
#include <iterator>

#include "RuleTestFixture.h"

namespace {

using Driver = PlayRuleFixture;

const char* kHeader = "Interpretation,Low,2,3,4,6,7,8,9,!\n";

TEST_F(Driver, TheFirstRuleWhoseCardIsHeldDecides) {
    give(0, {"Q", "8", "-", "3"});
    struct Case {
        const char* rules;
        const char* card;
        const char* trace;
    };
    const Case cases[] = {
        {"RULE,Name,First,EXECUTES,100,Play,8,END\nRULE,Name,Second,EXECUTES,100,Play,Q,END\n", "8",
         "[First]\n*Play 8"},
        // A card that is not held does not decide; the next rule does.
        {"RULE,Name,Unheld,EXECUTES,100,Play,A,END\nRULE,Name,Held,EXECUTES,100,Play,3,END\n", "3",
         "[Held]\n*Play 3"},
        // Failing conditions pass the rule over.
        {"RULE,Name,No,4,EXECUTES,100,Play,Q,END\nRULE,Name,Yes,EXECUTES,100,Play,8,END\n", "8", "[Yes]\n*Play 8"},
        // STOP ends reading: the first trump in hand order is played.
        {"STOP\nRULE,Name,Never,EXECUTES,100,Play,3,END\n", "Q", "[DEFAULT]"},
        {"", "Q", "[DEFAULT]"},
        // A list word that is no card never decides (it would match an empty slot).
        {"Interpretation,Typo,5,!\nRULE,Name,Typo,EXECUTES,100,Play,Typo,END\n", "Q", "[DEFAULT]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decide(c.rules), c.card) << c.rules;
        EXPECT_EQ(RuleTrace, c.trace) << c.rules;
    }
}

TEST_F(Driver, RankNamesAndValuesCodeEachOther) {
    const char* names[] = {"", "2", "3", "4", "v", "V", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    for (short v = 0; v <= 14; ++v) {
        EXPECT_EQ(RankNameOf(v), names[v]);
        EXPECT_EQ(RankValueOf(names[v]), v) << names[v];
        EXPECT_EQ(IsRankName(names[v]), v != 0) << names[v];
    }
    EXPECT_TRUE(messages().empty());
    // Names are exact: no case folding, no blanks, no numbers for the fives.
    // Each unknown name is reported.
    const char* others[] = {"5", "a", "j", "1", "01", "10 ", " A", "AA", "100"};
    for (const char* other : others) {
        EXPECT_EQ(RankValueOf(other), 0) << other;
        EXPECT_FALSE(IsRankName(other)) << other;
    }
    ASSERT_EQ(messages().size(), std::size(others));
    EXPECT_EQ(messages().front(), "Unknown card 5");
}

TEST_F(Driver, EveryRuleStartsWithFreshVariablesAndCandidates) {
    give(0, {"K", "7"});
    // The first rule binds x1 and strikes K, then fails; the second must see
    // x1 empty and K a candidate again.
    const std::string rules =
        "RULE,x1,of,K,!,d1,:=,5,4,EXECUTES,100,Play,K,END\n"
        "RULE,x1,=,x9,d1,=,0,K,EXECUTES,100,Play,K,END\n";
    EXPECT_EQ(decide(rules), "K");
}

TEST_F(Driver, VersionSetAndInterpretationRecordsAreReadEachDecision) {
    give(0, {"9", "2"});
    const std::string rules = std::string("Version,Test 7\n") + kHeader +
                              "Set,Chance,100\nRULE,EXECUTES,Chance,Play,Low,END\n";
    EXPECT_EQ(decide(rules), "2");
    EXPECT_EQ(RulesVersion, "Test 7");
    EXPECT_EQ(RuleVariableCount, 39);
    EXPECT_EQ(RuleVariableTable[39].name, "Chance");
    EXPECT_EQ(RuleVariableTable[39].value.AsText(), "100");
    EXPECT_EQ(InterpretationTable[0][0], "Low");
    EXPECT_EQ(InterpretationCount, 1);
}

TEST_F(Driver, ANothingRulePassesOverTheNextRuleAndLendsItsNameToTheDecidingTrace) {
    give(0, {"K", "7"});
    const std::string rules =
        "RULE,Name,Skipper,EXECUTES,100,Play,Nothing,END\n"
        "RULE,Name,Skipped,EXECUTES,100,Play,K,END\n"
        "RULE,Name,Taken,EXECUTES,100,Play,7,END\n";
    EXPECT_EQ(decide(rules), "7");
    EXPECT_EQ(RuleTrace, "[Skipper][Taken]\n*Play 7");
}

TEST_F(Driver, ANothingRuleAtTheEndOfTheFileEndsReadingWithTheDefault) {
    give(0, {"K", "7"});
    EXPECT_EQ(decide("RULE,Name,Skipper,EXECUTES,100,Play,Nothing,END\n"), "K");
    EXPECT_EQ(RuleTrace, "[DEFAULT]");
    EXPECT_TRUE(messages().empty());
}

TEST_F(Driver, BranchesRestoreCandidatesButKeepClaims) {
    give(0, {"K", "7"});
    // Branch 1 takes K and claims A (unplayed, not held), then fails;
    // branch 2 still has K but A stays claimed.
    const std::string rules =
        "RULE_CONDITIONAL,Name,Branches,EXECUTES\n"
        "IF,x1,of,K,!,x2,ofunplayed,A,!,4,THEN,100,Play,x1\n"
        "IF,x3,ofunplayed,A,!,THEN,100,Play,7\n"
        "IF,K,THEN,100,Play,K\n"
        "END\n";
    EXPECT_EQ(decide(rules), "K");
    EXPECT_EQ(RuleTrace, "[Branches]\n*Play K");
}

// Every branch starts from the variables the common conditions left: what
// a failed branch bound or changed is gone for the next one.
TEST_F(Driver, BranchesStartFromTheCommonConditionsVariables) {
    struct Case {
        const char* what;
        const char* firstBranch;  // binds or changes, then fails on the unheld ace
        const char* secondBranch;
    };
    const Case cases[] = {
        {"a card variable changed", "x1,:=,7", "x1,=,K"},
        {"a card variable bound", "x2,:=,7", "x2,=,x9"},
        {"a number variable changed", "d1,:=,9", "d1,=,3"},
        {"a number variable set", "d2,:=,9", "d2,=,0"},
    };
    for (const Case& c : cases) {
        give(0, {"K", "7"});
        const std::string rules = std::string("RULE_CONDITIONAL,Name,Branches,x1,:=,K,d1,:=,3,EXECUTES\n") +
                                  "IF," + c.firstBranch + ",A,THEN,100,Play,7\n" +
                                  "IF," + c.secondBranch + ",THEN,100,Play,K\n" +
                                  "END\nRULE,Name,Fallback,EXECUTES,100,Play,7,END\n";
        EXPECT_EQ(decide(rules), "K") << c.what;
    }
}

// A rule that ends with "Nothing" passes over its successor, and so does
// every later rule that fires without naming a card, until one names a card;
// a rule whose conditions fail is not one that fired.
TEST_F(Driver, ANothingRuleKeepsPassingOverUntilARuleNamesACard) {
    struct Case {
        const char* what;
        const char* middle;  // the rule after the passed-over one
        const char* card;
        const char* trace;
    };
    const Case cases[] = {
        {"fires without a card", "RULE,Name,Quiet,EXECUTES,100,Play,x5,END", "7", "[Skipper][Taken]\n*Play 7"},
        {"fails its conditions", "RULE,Name,Failing,4,EXECUTES,100,Play,K,END", "K", "[Skipper][Next]\n*Play K"},
        {"names an unheld card", "RULE,Name,Unheld,EXECUTES,100,Play,A,END", "K", "[Next]\n*Play K"},
    };
    for (const Case& c : cases) {
        give(0, {"K", "7"});
        const std::string rules = std::string("RULE,Name,Skipper,EXECUTES,100,Play,Nothing,END\n") +
                                  "RULE,Name,Skipped,EXECUTES,100,Play,K,END\n" + c.middle + "\n" +
                                  "RULE,Name,Next,EXECUTES,100,Play,K,END\n" +
                                  "RULE,Name,Taken,EXECUTES,100,Play,7,END\n";
        EXPECT_EQ(decide(rules), c.card) << c.what;
        EXPECT_EQ(RuleTrace, c.trace) << c.what;
    }
}

TEST_F(Driver, ABranchThatNamesAnUnheldCardDoesNotSwallowTheNextRule) {
    give(0, {"K", "7"});
    const std::string rules =
        "RULE_CONDITIONAL,Name,Branches,EXECUTES\n"
        "IF,THEN,100,Play,Nothing\n"
        "IF,THEN,100,Play,A\n"
        "END\n"
        "RULE,Name,Next,EXECUTES,100,Play,7,END\n";
    EXPECT_EQ(decide(rules), "7");
    // The branch's "Nothing" lends its name line to the next deciding rule.
    EXPECT_EQ(RuleTrace, "[Branches][Next]\n*Play 7");
}

TEST_F(Driver, ABranchRuleWithoutIfIsReportedAndReadOn) {
    give(0, {"K", "7"});
    const std::string rules =
        "RULE_CONDITIONAL,Name,Broken,EXECUTES,100,Play,K\nIF,THEN,100,Play,7\nEND\n";
    EXPECT_EQ(decide(rules), "7");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "ERROR - expected IF in rule [Broken]\n");
}

TEST_F(Driver, AFaultyFileShowsItsMessageAndPlayGoesOnWithAHeldCard) {
    give(0, {"K", "7"});
    std::string longList = "Interpretation,Long";
    for (int i = 0; i < 16; ++i) longList += ",7";
    std::string manyLists;
    for (int i = 0; i < 32; ++i) manyLists += "Interpretation,L" + std::to_string(i) + ",K,!\n";
    std::string manySets;
    for (int i = 0; i < 13; ++i) manySets += "Set,S" + std::to_string(i) + ",100\n";
    struct Case {
        std::string rules;
        std::string card;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {longList + ",!\nRULE,EXECUTES,100,Play,Long,END\n", "7", {"Problem reading Interpretation"}},
        // Fifteen words and "!" fit: no message.
        {"Interpretation,Full,2,3,4,6,7,8,9,Q,K,10,J,A,v,V,2,!\nRULE,EXECUTES,100,Play,Full,END\n", "7", {}},
        {manyLists + "RULE,EXECUTES,100,Play,L30,END\nRULE,EXECUTES,100,Play,7,END\n", "K",
         {"Problem reading Interpretation"}},
        {manyLists + "RULE,EXECUTES,100,Play,L31,END\nRULE,EXECUTES,100,Play,7,END\n", "7",
         {"Problem reading Interpretation"}},
        // Twelve "Set" records fit; the thirteenth is read and dropped.
        {manySets + "RULE,EXECUTES,S11,Play,7,END\n", "7", {"Problem reading Set"}},
        {manySets + "RULE,EXECUTES,S12,Play,7,END\n", "K", {"Problem reading Set"}},
        {"RULE,EXECUTES,100,Play,X,END\n", "K", {}},
        {"RULE,Q9,EXECUTES,100,Play,7,END\n", "7", {}},
        {"RULE,NOT,5,!,EXECUTES,100,Play,7,END\n", "7", {"Unknown card 5"}},
        // A rule cut off by the end of the file never decides.
        {"RULE,Name,Cut,EXECUTES,100,Play,7\n", "K", {}},
        {"RULE,Name,Cut,EXECUTES,100,Play,7,100", "K", {}},
        {"Interpretation,Open,7,8", "K", {}},
        {"RULE_CONDITIONAL,EXECUTES,IF,THEN,100,Play,A", "K", {}},
        {"RULE_CONDITIONAL,EXECUTES,IF,4,THEN", "K", {}},
    };
    for (const auto& c : cases) {
        t.dialogs.shown.clear();
        EXPECT_EQ(decide(c.rules), c.card) << c.rules;
        EXPECT_EQ(messages(), c.messages) << c.rules;
    }
}

TEST_F(Driver, AMissingFileGivesTheDefaultPlayAndOneMessage) {
    give(0, {"K", "7"});
    t.m().Hand[0].myPlayAI = "NoSuchRules.TXT";
    for (int i = 0; i < 3; ++i) {
        CurrentSeat = 0;
        ChoosePlayCard(0);
        EXPECT_EQ(SuggestedCardIndex, 1);
        EXPECT_EQ(RuleTrace, "[DEFAULT]");
    }
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(Driver, ListsOfAnEarlierDecisionDoNotLinger) {
    give(0, {"K", "7"});
    std::string lists;
    for (int i = 0; i < 12; ++i) lists += "Interpretation,L" + std::to_string(i) + ",A,!\n";
    EXPECT_EQ(decide(lists + "Interpretation,Pick,Q,7,!\nRULE,EXECUTES,100,Play,Pick,END\n"), "7");
    // The same row now holds a shorter list: the old 7 must be gone.
    EXPECT_EQ(decide(lists + "Interpretation,Pick,Q,!\nRULE,EXECUTES,100,Play,Pick,END\n"), "K");
}

TEST_F(Driver, TheDefaultPlayHasNoSuggestionText) {
    give(0, {"K", "7"});
    EXPECT_EQ(decide("RULE,Suggest,12,4,EXECUTES,100,Play,K,END\n"), "K");
    EXPECT_EQ(RuleTrace, "[DEFAULT]");
    EXPECT_EQ(SuggestText, "");
    EXPECT_EQ(decide("RULE,Suggest,12,EXECUTES,100,Play,K,END\n"), "K");
    EXPECT_EQ(SuggestText, "12");
}

TEST_F(Driver, SeenCountsAreRaisedBeforeTheRulesRun) {
    give(0, {"K", "7", "3"});
    TrumpsSeenBySelf[0] = 2.5f;  // rounds to 2, below the three held
    TrumpsSeenByOthers = {0.0f, 1.5f, 2.5f, 4.0f};
    SeatCardsPlayed = {0, 3, 1, 1};
    decide("RULE,CardsInitiallyInMyHand,=,3,EXECUTES,100,Play,3,END\n");
    EXPECT_EQ(RuleTrace, "*Play 3");
    EXPECT_EQ(TrumpsSeenBySelf[0], 3.0f);
    EXPECT_EQ(TrumpsSeenByOthers, (std::array<float, 4>{0.0f, 3.0f, 2.0f, 4.0f}));
}

TEST_F(Driver, AComputerSeatPlaysTheChosenCardOrItsFirstTrump) {
    for (auto& h : t.m().Hand) h.ClearHand();
    give(1, {"-", "K", "7"});
    give(2, {"A"});
    give(3, {"2"});
    give(0, {"3"});
    CurrentSeat = TrickLeader = 1;
    t.m().myGameStatus = 7;
    writeRules("RULE,EXECUTES,100,Play,7,END\n");
    ChoosePlayCard(1);
    EXPECT_EQ(trumpsOf(1), std::vector<std::string>({"K"}));
    EXPECT_EQ(PlayCardFlags[7], -1);
    EXPECT_EQ(SeatCardsPlayed[1], 1);
}

}  // namespace
