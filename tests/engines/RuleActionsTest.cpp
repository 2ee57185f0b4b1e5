// The actions of a play rule: chances, plays and the sorts, on the hand
// picture and on the real computer hand.
#include "Rng.h"
#include "RuleTestFixture.h"

namespace {

using Actions = PlayRuleFixture;

const char* kLists =
    "Interpretation,Safe,2,3,4,6,7,8,9,Q,K,10,J,A,v,V,!\n"
    "Interpretation,Gaps,8,V,3,2,!\n"
    "Interpretation,Short,A,Q,!\n"
    "Interpretation,Twice,8,8,A,Q,V,3,!\n"
    "Set,Often,100\n";

std::string rule(const std::string& actions) {
    return std::string(kLists) + "RULE,Name,T,EXECUTES\n" + actions + "\nEND\nRULE,Name,Last,EXECUTES,100,Play,Nothing,END\n";
}

std::vector<std::string> handPicture() {
    std::vector<std::string> out;
    for (int i = 1; i <= 6; ++i)
        if (HandRanks[i] != 0) out.push_back(RankNameOf(HandRanks[i]));
    return out;
}

TEST_F(Actions, PlaysEndTheActionsOrGoOn) {
    struct Case {
        std::string actions;
        std::string card;
        std::string trace;
    };
    const std::vector<Case> cases = {
        {"100,Play,Q", "Q", "[T]\n*Play Q"},
        {"Often,Play,Q", "Q", "[T]\n*Play Q"},
        // A literal that is not held ends the actions all the same.
        {"100,Play,K,100,Play,Q", "", ""},
        // An empty variable does not: the next action is tried.
        {"100,Play,x1,100,Play,8", "8", "[T]\n*Play 8"},
        {"100,Play,Default", "A", "[T]\n*PlayDefault"},
        {"100,Play,Short", "A", "[T]\n*PlayList:Short Card A"},
        {"100,Play,Missing,100,Play,3", "3", "[T]\n*Play 3"},
        // An action that does not fire skips exactly its operands.
        {"0,Sort,Safe,100,Play,Q", "Q", "[T]\n*Play Q"},
        {"0,SortByOrder,Safe,100,Play,Q", "Q", "[T]\n*Play Q"},
        {"0,SortSpecificOrder,A,Q,!,Safe,100,Play,8", "8", "[T]\n*Play 8"},
        {"0,SortLumraLast,100,Play,V", "V", "[T]\n*Play V"},
        {"0,Play,A,100,Play,3", "3", "[T]\n*Play 3"},
        {"100,Unknown,100,Play,3", "3", "[T]\n*Play 3"},
    };
    for (const auto& c : cases) {
        give(0, {"A", "Q", "8", "V", "3"});
        EXPECT_EQ(run(rule(c.actions)), c.card) << c.actions;
        if (!c.card.empty()) {
            EXPECT_EQ(RuleTrace, c.trace) << c.actions;
        }
    }
}

TEST_F(Actions, ChanceFiresWhenTheDrawIsNotAbove) {
    int drawn = 0;
    SetRandomSource([&] {
        ++drawn;
        return 0.495f;  // a draw of 50
    });
    give(0, {"A", "Q"});
    EXPECT_EQ(run(rule("50,Play,Q")), "Q");
    EXPECT_EQ(run(rule("49,Play,Q,100,Play,A")), "A");
    EXPECT_EQ(drawn, 2);
    SetRandomSource({});
}

TEST_F(Actions, PlayNothingHoldsTheTraceAndPlayRandomTakesAHeldCard) {
    give(0, {"A", "Q", "8"});
    EXPECT_EQ(run(rule("100,Play,Nothing")), "");
    EXPECT_EQ(NothingTrace, "[T]\n");
    for (float draw : {0.0f, 0.4f, 0.99f}) {
        SetRandomSource([draw] { return draw; });
        const std::string card = run(rule("100,Play,Random"));
        EXPECT_TRUE(card == "A" || card == "Q" || card == "8") << draw;
    }
    SetRandomSource([] { return 0.99f; });
    EXPECT_EQ(run(rule("100,Play,Random")), "8");
    SetRandomSource({});
}

TEST_F(Actions, SortsOrderTheHandPictureAndTheComputerHand) {
    struct Case {
        std::vector<std::string> hand;
        std::string actions;
        std::vector<std::string> order;
        bool failed;
    };
    const std::vector<Case> cases = {
        {{"A", "Q", "8", "V", "3"}, "100,SortByOrder,Gaps", {"A", "8", "Q", "V", "3"}, false},
        {{"V", "K", "v", "2"}, "100,SortLumraLast", {"K", "2", "V", "v"}, false},
        {{"A", "Q", "8", "V", "3"}, "100,Sort,Safe", {"3", "8", "Q", "A", "V"}, false},
        // A list that does not place every card fails; the cards it did not
        // place follow in their old order, so the picture keeps the whole hand.
        {{"A", "Q", "8", "V", "3"}, "100,Sort,Short", {"A", "Q", "8", "V", "3"}, true},
        {{"8", "3", "Q", "A"}, "100,Sort,Short", {"A", "Q", "8", "3"}, true},
        {{"8", "3", "Q", "A"}, "100,Sort,Missing", {"8", "3", "Q", "A"}, true},
        {{"A", "Q", "8", "V", "3"}, "100,Sort,Twice", {"8", "A", "Q", "V", "3"}, false},
        {{"A", "Q", "8", "V", "3"}, "100,SortSpecificOrder,3,V,!,Safe", {"3", "V", "8", "Q", "A"}, false},
        {{"A", "Q", "8", "V", "3"}, "100,SortSpecificOrder,x1,!,Safe", {"3", "8", "Q", "A", "V"}, false},
        {{"A", "Q", "8", "V", "3"}, "100,SortByOrder,Missing", {"A", "Q", "8", "V", "3"}, true},
    };
    for (const auto& c : cases) {
        for (int seat : {0, 1}) {
            CurrentSeat = seat;
            KortHand& h = t.m().Hand[seat];
            h.ClearHand();
            for (const auto& r : c.hand) {
                Kort* k = trump(r);
                h.AddACardOSort(k, false);
            }
            Kort* other = plain(6);
            h.AddACardOSort(other, false);
            writeRules(rule(c.actions + ",100,Play,Nothing"));  // keeps the trace
            prepareHandPicture();
            RunPlayRules(rulesPath());
            EXPECT_EQ(handPicture(), c.order) << c.actions;
            const bool computer = seat == 1;
            std::vector<std::string> hand;
            for (const auto& r : c.hand) hand.push_back(r);
            EXPECT_EQ(trumpsOf(seat), computer ? c.order : hand) << c.actions << " seat " << seat;
            EXPECT_EQ(h.colHand.Count(), static_cast<int>(c.hand.size()) + 1);
            EXPECT_EQ(NothingTrace.find("Sort FAILED!") != std::string::npos, c.failed) << c.actions;
        }
    }
}

TEST_F(Actions, SortSpecificOrderUsesSixCardsAndSaysSoOnce) {
    give(0, {"A", "Q", "8", "V", "3"});
    run(rule("100,SortSpecificOrder,3,V,8,Q,A,K,J,10,!,Safe"));
    EXPECT_EQ(handPicture(), (std::vector<std::string>{"3", "V", "8", "Q", "A"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"ERROR: SortSpecificOrder - too many cards before ,!,"});
}

TEST_F(Actions, TheDefaultAfterASortIsTheFirstSortedCard) {
    give(0, {"A", "Q", "8", "V", "3"});
    EXPECT_EQ(decide(std::string(kLists) + "RULE,EXECUTES,100,Sort,Safe,END\n"), "3");
    EXPECT_EQ(RuleTrace, "[DEFAULT]");
}

}  // namespace
