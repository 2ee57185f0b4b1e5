// The condition statements of a play rule, each in a one-rule file with a
// fixed hand and play state.
#include <cmath>
#include <functional>

#include "Rng.h"
#include "RuleTestFixture.h"

namespace {

using Conditions = PlayRuleFixture;

struct Case {
    std::string conditions;
    bool holds;
    std::string x1 = "*";  // "*": not checked
    std::vector<std::string> messages = {};
    float d1 = -99;  // -99: not checked
};

const char* kLists =
    "Interpretation,Asc,2,3,4,v,V,6,7,8,9,10,J,Q,K,A,!\n"
    "Interpretation,Low,4,3,2,!\n"
    "Set,Half,50\n";

class ConditionTable : public Conditions {
protected:
    // The hand is A, Q, 8, V, 2; the rule plays the 2 when its conditions hold.
    void check(const std::vector<Case>& cases, const std::function<void()>& state = [] {}) {
        for (const auto& c : cases) {
            give(0, {"A", "Q", "8", "V", "2"});
            state();
            t.dialogs.shown.clear();
            const std::string rules = std::string(kLists) + "RULE,Name,T\n" + c.conditions + "\nEXECUTES,100,Play,2,END\n";
            EXPECT_EQ(run(rules) == "2", c.holds) << c.conditions;
            if (c.x1 != "*") {
                EXPECT_EQ(CardVars[1], c.x1) << c.conditions;
            }
            if (c.d1 != -99) {
                EXPECT_EQ(NumVars[1], c.d1) << c.conditions;
            }
            EXPECT_EQ(messages(), c.messages) << c.conditions;
        }
    }
};

TEST_F(ConditionTable, CardVariableComparisonsAndBindings) {
    check({
        {"x1,:=,A,x1,=,A", true},
        {"x1,:=,A,x1,>,K", true},
        {"x1,:=,K,x1,>,K", false},
        {"x1,<,2", true},  // an empty variable is lower than every card
        {"x1,>,2", false},
        {"x1,:=,V,x1,not,v", true},
        {"x1,:=,V,x1,NOT,V", false},
        {"x1,of,A,K,Q,!,x2,of,A,K,Q,!,x2,=,Q", true, "A"},
        {"x1,of,A,K,Q,!,x2,of,A,K,Q,!,x3,of,A,K,Q,!", false},
        {"x1,OF,K,J,!,8", false},
        {"d2,:=,15,x1,<-,d2", true, ""},
        {"x1,<-,0", true, ""},
        {"d2,:=,11,x1,<-,d2", true, "J"},
        {"x1,<-,10.5", true, "10"},  // halves go to the even neighbour
        {"x2,:=,A,x1,:-,x2,+,1", true, ""},
        {"x2,:=,4,x1,:-,x2,+,1", true, "v"},
        {"x2,:=,6,x1,:-,x2,-,2", true, "v"},  // rank values: 6 - 2 is the other five
        {"x2,:=,6,x1,:-,x2,-,3", true, "4"},
        {"x2,:=,A,x1,:-,x2,*,1", true, "A", {"This operator: * is not supported by :-"}},
        {"x1,:=,x5", true, ""},
        {"x1,:=,Low", true, "2"},  // the first card of the list that is held
        {"x1,:=,Bid", true, "8"},  // a rule value: the bid
        {"x1,:=,CardHighestMy", true, "A"},
        {"x1,:=,0", false},
        {"x1,:>>,Q,Asc", true, "A"},
        {"x1,:<<,8,Asc", true, "2"},
        {"x1,:>>,A,Asc", false},
        {"x1,in,Asc,x1,in,Asc", true, "V", {"Assigning again to x1"}},
        {"x1,in,Missing", false},
        {"x1,inunplayed,Asc", true, "3"},
        {"x1,ofunplayed,A,K,!", true, "K"},
        {"x1,:=,Q,x1,or,K,Q,!,4", false},  // the list is passed over; then 4 is no candidate
        {"x1,:=,Q,x1,or,K,J,!", false},
        {"x1,==,A", true},  // an unknown operator takes only itself; A is then a take
        {"x10,:=,A,x0,=,A", true},
        {"X1", false},
        {"x1,:=,A,X1,X1", false},
        {"x1,:=,A,X1", true},
        {"A,A", false},
        {"x1,:=,5", false, "", {}},
        {"x1,=,5", true, "*", {"Unknown card 5"}},  // no card on either side: both count 0
        // Both sides are no card: the messages come left side first.
        {"x1,:=,PositionInRound,x1,=,Foo", true, "FIRST", {"Unknown card FIRST", "Unknown card Foo"}},
        {"d2,:=,3,x1,<-,D2", true, ""},  // only a lowercase d names a variable here
        {"x1,<-,10.50000001", true, "J"},  // the number is rounded as read, not as a single
    });
}

TEST_F(ConditionTable, NumberVariables) {
    check({
        {"d1,:=,0", false},
        {"d1,:=,3,d1,=,3", true, "*", {}, 3},
        {"d1,:=,CardsLoose", true, "*", {}, 9},  // 14 - the five held - nothing seen elsewhere
        {"d3,:=,4,d1,:=,-3", true, "*", {}, -4},  // a leading minus names a variable
        {"d2,:=,2.5,d1,:=,d2,d1,>,2,d1,<,3", true, "*", {}, 2.5f},
        {"d1,:=,2,d1,not,d2", true},
        {"d1,<-,V", true, "*", {}, 5},
        {"x2,:=,Q,d1,<-,x2", true, "*", {}, 12},
        {"x2,:=,A,x3,:=,8,d1,<..>,x2,x3", true, "*", {}, 4},  // 9, 10, J, K
        {"x2,:=,8,d1,<..>,x2,x2", true, "*", {}, 0},
        {"d2,:=,3,d1,:-,d2,+,4", true, "*", {}, 7},
        {"d2,:=,3,d4,:=,1,d1,:-,d2,-,D4", true, "*", {}, 2},
        {"d2,:=,3,d1,:-,d2,/,4", true, "*", {"This operator: / is not supported by :-"}, 3},
        {"d1,?,5", true},
        {"d2,:=,5,d1,<,D2", false},  // D2 is no variable in a comparison: the number 0
        {"d1,:=,2,d2,:=,2,d1,=,D2", false},
        // Summed in double precision, then stored as a single.
        {"d2,:=,1,d1,:-,d2,+,0.0000000596046456636", true, "*", {}, std::nextafter(1.0f, 2.0f)},
    });
}

TEST_F(ConditionTable, TakesListsAndRecords) {
    check({
        {"NOT,K,J,!", true},
        {"NOT,A,K,!", false},
        {"NOT,!", false},
        {"NOT,K,A,!,8", false},
        {"Name,Extra", true},
        {"Suggest,44", true},
        {"Track,3,TRACK,4,DebugColor,Red", true},
        {"Misspelled,8", true},
    });
    run(std::string(kLists) + "RULE,Name,One,Name,Two,Suggest,44,DebugColor,Red,EXECUTES,100,Play,2,END\n");
    EXPECT_EQ(RuleTrace, "[One]\n[Two]\n*Play 2");
    EXPECT_EQ(PlayRuleName, "Two");
    EXPECT_EQ(SuggestText, "44");
    EXPECT_EQ(DebugColorText, "Red");
}

TEST_F(ConditionTable, FactsAndTheirAnswers) {
    check(
        {
            {"PositionInRound,SECOND,FIRST,!", true},
            {"PositionInRound,SECOND,!", false},
            {"RoleBid,BIDDER,!", true},
            {"RoleInRound,B_BLOCK,LEAD,!", true},
            {"Last,YES", false},
            {"Last,NO", true},
            {"Last,MAYBE", false},
            {"UnplayedLumra,YES", true},  // v is out
            {"UnplayedTenJ,NO", false},
            {"UnplayedLow,YES", true},
            {"LumraOut,NO,TenOut,NO,JOut,NO,TenJOut,NO", true},
            {"Cold,LEFT,RIGHT,!", true},
            {"Cold,PARTNER,!", false},
            {"NotCold,LEFT,PARTNER,!", true},
            {"NotCold,LEFT,!", false},
            {"WithoutLumra,RIGHT,NO", true},
            {"EvenDistribution,YES", true},
            {"x1,:=,A,x2,:=,Q,EqualInRank,x1,x2,YES", true},  // the K is played
            {"x1,:=,A,x2,:=,8,EqualInRank,x1,x2,YES", false},
            {"Bid,>,7,Bid,<,9,Bid,=,8,Bid,not,7", true},
            {"PointsLeft,=,12", true},
            {"Round,=,1", true},
            {"CardsUnknown,>,d1", true},  // a value is a number: d1 reads as 0
            {"CompareValues,Round,=,Round", true},
            {"CompareValues,CardHighestMy,=,CardHighestAbsolute", true},
            {"CompareValues,Bid,>,Round", true},
            {"CompareValues,Missing,=,Round", false},
            {"CompareValues,Bid,~,Round", false},
            {"NotSafeFifthTurn,YES", true},
            {"SafeSixthTurn,NO", true},
            {"NotColdFourthTurnThem,NO,NotColdFifthTurnThemExpected,YES", true},
        },
        [] {
            PlayCardFlags[13] = -1;  // the K
            SeatOutFlags[1] = -1;    // LEFT is out of play
        });
}

TEST_F(ConditionTable, ProbabilityDrawsOnlyBelowAHundred) {
    int drawn = 0;
    SetRandomSource([&] {
        ++drawn;
        return 0.495f;  // a draw of 50
    });
    check({
        {"Probability,100", true},
        {"Probability,250", true},
        {"Probability,50", true},
        {"Probability,49", false},
        {"Probability,0", false},
        {"Probability,Half", true},
        {"Probability,Missing", false},
    });
    EXPECT_EQ(drawn, 5);
    EXPECT_EQ(RuleProbabilityText, " 0");
    SetRandomSource({});
}

TEST_F(ConditionTable, OrKeepsTheRestOfTheLineAsTheAlternative) {
    check({
        {"x1,:=,A\nor,x1,=,A,4", true},     // A holds: the 4 on its line is thrown away
        {"x1,:=,Q\nor,x1,=,A,8", true},     // A fails and is forgiven: 8 decides
        {"x1,:=,Q\nor,x1,=,A,4", false},
        {"x1,:=,Q\nOR,x1,=,A\n8", true},   // the failure is forgiven; the next line goes on
    });
}

}  // namespace
