#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "ScoreAnimation.h"
#include "TestTable.h"

namespace {

// One card on a table pile: seat and trump rank, as "s0:13".
using Raised = std::set<std::string>;

// A table after a deal: each seat's pile holds the cards it played, and the
// play state remembers who played which rank in which trick.
class ScoreAnimationTable : public ::testing::Test {
protected:
    std::deque<Kort> cards;  // stable addresses for the piles' pointers
    TestTable t;
    Main& m = t.m();

    void SetUp() override {
        ResetPlayState();
        AnimationTrick = 1;
        AnimationState = animation::ShowTrick;
        AnimatedPointsVi = 0;
        AnimatedPointsDe = 0;
    }

    // ranks[seat], 0 when the seat played nothing in the trick.
    void trick(int number, std::array<int, 4> ranks, const std::string& winner, short vi, short de) {
        for (int seat = 0; seat < 4; ++seat) {
            TrickRangHistory[seat][number] = static_cast<short>(ranks[seat]);
            if (ranks[seat] == 0) continue;
            Kort& k = cards.emplace_back();
            k.Rang = static_cast<std::uint8_t>(ranks[seat]);
            k.Nr = static_cast<std::int16_t>(cards.size());
            k.Sortering = static_cast<std::int16_t>(ranks[seat]);
            Kort* p = &k;
            m.Bord[seat].AddACard(p, false);
        }
        TrickHighestCard[number] = winner;
        TrickPointsVi[number] = vi;
        TrickPointsDe[number] = de;
    }

    Raised raised() const {
        Raised out;
        for (int seat = 0; seat < 4; ++seat)
            for (const Kort* k : m.Bord[seat].colHand)
                if (k->Kop) out.insert("s" + std::to_string(seat) + ":" + std::to_string(k->Rang));
        return out;
    }

    // What the table shows after a step: the label (empty when hidden) and the raised cards.
    struct Step {
        std::string label;
        Raised up;
    };
    Step step() {
        AnimateScore();
        return {m.LlbAnimate.Visible ? m.LlbAnimate.Caption : "", raised()};
    }

    void expectSteps(const std::vector<Step>& expected) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i + 1));
            const Step got = step();
            EXPECT_EQ(got.label, expected[i].label);
            EXPECT_EQ(got.up, expected[i].up);
        }
    }
};

// Points fell in tricks 2 and 5 only; De bid 6 and took 1, so the deal's
// totals after the set-back differ from the running sums.
class PointsInTricksTwoAndFive : public ScoreAnimationTable {
protected:
    void SetUp() override {
        ScoreAnimationTable::SetUp();
        trick(1, {13, 12, 9, 8}, "K", 0, 0);
        trick(2, {14, 7, 5, 6}, "A", 6, 0);
        trick(3, {3, 0, 0, 0}, "4", 0, 0);
        trick(4, {0, 2, 0, 0}, "3", 0, 0);
        trick(5, {11, 10, 4, 1}, "J", 7, 1);
        DealPointsVi = 13;
        DealPointsDe = -6;
    }
};

TEST_F(PointsInTricksTwoAndFive, RunsTrickOneThenOnlyThePointTricksOverTwoCycles) {
    const Raised none;
    const Raised trick1{"s0:13"};  // no point: only the king that won it
    const Raised trick2{"s0:14", "s2:5"};
    const Raised trick5{"s0:11", "s1:10", "s2:4", "s3:1"};
    expectSteps({
        {"0 : 0", trick1},   // right after the deal trick 1 is shown anyway
        {"0 : 0", none},     // lowered; looking on
        {"6 : 0", trick2},   // trick 2: the ace that won it and the five
        {"6 : 0", none},
        {"13 : 1", trick5},  // trick 5
        {"13 : 1", none},    // past trick 6: the totals come next
        {"13 : -6", none},   // the deal's totals after the set-back
        {"", none},          // reset: label hidden, sums zeroed
        {"6 : 0", trick2},   // the second cycle skips trick 1
        {"6 : 0", none},
        {"13 : 1", trick5},
        {"13 : 1", none},
        {"13 : -6", none},
        {"", none},
        {"6 : 0", trick2},
    });
}

TEST_F(PointsInTricksTwoAndFive, StepsMoveThroughTheStatesInOrder) {
    struct Expect {
        std::int32_t state;
        short trick;
    };
    const Expect after[] = {
        {animation::FindNextTrick, 1}, {animation::ShowTrick, 2},  {animation::FindNextTrick, 2},
        {animation::ShowTrick, 5},     {animation::FindNextTrick, 5}, {animation::ShowTotals, 2},
        {animation::Reset, 2},         {animation::ShowTrick, 2},
    };
    for (std::size_t i = 0; i < std::size(after); ++i) {
        AnimateScore();
        EXPECT_EQ(AnimationState, after[i].state) << "step " << i + 1;
        EXPECT_EQ(AnimationTrick, after[i].trick) << "step " << i + 1;
    }
    EXPECT_EQ(AnimatedPointsVi, 0);
    EXPECT_EQ(AnimatedPointsDe, 0);
}

TEST_F(ScoreAnimationTable, WinningCardWithoutPointsIsRaisedOnce) {
    trick(1, {13, 12, 9, 0}, "K", 0, 0);
    EXPECT_EQ(step().up, (Raised{"s0:13"}));
    // A winner that is itself a point card is raised once, with the others.
    ResetTablePiles();
    trick(2, {0, 14, 5, 0}, "A", 0, 6);
    AnimationTrick = 2;
    AnimationState = animation::ShowTrick;
    EXPECT_EQ(step().up, (Raised{"s1:14", "s2:5"}));
    EXPECT_EQ(m.LlbAnimate.Caption, "0 : 6");
}

TEST_F(ScoreAnimationTable, EveryPointRankIsRaisedAndNoOther) {
    for (int rank = 1; rank <= 14; ++rank) {
        SCOPED_TRACE("rank " + std::to_string(rank));
        const bool points = rank == 14 || rank == 11 || rank == 10 || rank == 5 || rank == 4 || rank == 1;
        EXPECT_EQ(IsPointRank(rank), points);
        for (KortHand& pile : m.Bord) pile.ClearHand();
        cards.clear();
        trick(3, {0, rank, 0, 0}, "", 0, 0);  // no winner name: only the point test raises
        AnimationTrick = 3;
        AnimationState = animation::ShowTrick;
        EXPECT_EQ(step().up, points ? Raised{"s1:" + std::to_string(rank)} : Raised{});
    }
    EXPECT_FALSE(IsPointRank(0));
    EXPECT_FALSE(IsPointRank(15));
}

TEST_F(ScoreAnimationTable, ADealWithoutPointTricksShowsItsTotalsInsteadOfSearchingForEver) {
    trick(1, {13, 12, 9, 8}, "K", 0, 0);
    trick(2, {7, 6, 3, 0}, "7", 0, 0);
    trick(3, {0, 0, 2, 0}, "3", 0, 0);
    DealPointsVi = -6;  // Vi bid 6 and took nothing; all points stayed out of the tricks
    DealPointsDe = 0;
    const Raised king{"s0:13"};
    expectSteps({
        {"0 : 0", king},
        {"0 : 0", {}},   // the search ends after one pass: the totals come next
        {"-6 : 0", {}},
        {"", {}},
        {"0 : 0", king},  // trick 1 again, then the totals
        {"0 : 0", {}},
        {"-6 : 0", {}},
        {"", {}},
    });
    EXPECT_EQ(AnimationTrick, 1);
}

TEST_F(ScoreAnimationTable, TheSearchWrapsFromTheLastPointTrickToTheTotals) {
    trick(6, {14, 0, 0, 0}, "A", 1, 0);
    AnimationTrick = 6;
    AnimationState = animation::FindNextTrick;
    AnimateScore();
    EXPECT_EQ(AnimationState, animation::ShowTotals);
    EXPECT_EQ(AnimationTrick, 6);  // the only trick with points is the first of the next cycle
}

TEST_F(ScoreAnimationTable, AnOutOfRangeTrickNumberShowsNothingAndReadsNothingBeside) {
    trick(2, {14, 0, 0, 0}, "A", 1, 0);
    for (short bad : {short(0), short(7), short(-3), short(200)}) {
        SCOPED_TRACE("trick " + std::to_string(bad));
        AnimationTrick = bad;
        AnimationState = animation::ShowTrick;
        AnimatedPointsVi = 0;
        EXPECT_EQ(step().up, Raised{});
        EXPECT_EQ(m.LlbAnimate.Caption, "0 : 0");
        AnimateScore();  // the search still finds the point trick
        EXPECT_EQ(AnimationTrick, 2);
    }
}

TEST_F(ScoreAnimationTable, AnUndefinedStateOnlyReportsIt) {
    AnimationState = 3;
    AnimationTrick = 4;
    m.LlbAnimate.Caption = "2 : 1";
    AnimateScore();
    ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 1);
    EXPECT_EQ(t.dialogs.shown.back().prompt, "ERROR - in Animation - No status defined");
    EXPECT_EQ(t.dialogs.shown.back().style, forms::mb::OKOnly);
    EXPECT_EQ(AnimationState, 3);
    EXPECT_EQ(AnimationTrick, 4);
    EXPECT_EQ(m.LlbAnimate.Caption, "2 : 1");
}

TEST_F(ScoreAnimationTable, ResetTablePilesLowersEveryCardOfAllFourPiles) {
    trick(1, {13, 12, 9, 8}, "K", 0, 0);
    for (KortHand& pile : m.Bord)
        for (Kort* k : pile.colHand) k->Kop = true;
    ResetTablePiles();
    EXPECT_EQ(raised(), Raised{});
}

}  // namespace
