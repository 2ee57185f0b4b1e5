#include "ScoreAnimation.h"

#include <string>

#include "Main.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "VbText.h"

short AnimationTrick = 0;
std::int32_t AnimationState = 0;
short AnimatedPointsVi = 0;
short AnimatedPointsDe = 0;

namespace {

constexpr int TricksShown = 6;

bool isShownTrick(int t) { return t >= 1 && t <= TricksShown; }

// Raises rank r on the pile of every seat that played it in trick t.
void raiseRankOfTrick(Main& m, int t, int rank) {
    for (int seat = 0; seat < 4; ++seat)
        if (TrickRangHistory[seat][t] == rank) m.Bord[seat].StickOutAllCardsOfRang(rank);
}

bool trickHoldsPoint(int t) {
    if (!isShownTrick(t)) return false;
    for (int seat = 0; seat < 4; ++seat)
        if (IsPointRank(TrickRangHistory[seat][t])) return true;
    return false;
}

void showScore(Main& m, short vi, short de) {
    m.LlbAnimate.Caption = PlainNum(vi) + " : " + PlainNum(de);
    m.LlbAnimate.Visible = true;
}

void showTrick(Main& m) {
    const int t = AnimationTrick;
    if (isShownTrick(t)) {
        const int winner = RankValueOf(TrickHighestCard[t]);
        if (winner > 0) raiseRankOfTrick(m, t, winner);
        for (int h = 1; h <= 14; ++h)
            if (IsPointRank(h)) raiseRankOfTrick(m, t, h);
        AnimatedPointsVi = ClampToInt16(AnimatedPointsVi + TrickPointsVi[t]);
        AnimatedPointsDe = ClampToInt16(AnimatedPointsDe + TrickPointsDe[t]);
    }
    showScore(m, AnimatedPointsVi, AnimatedPointsDe);
    AnimationState = animation::FindNextTrick;
}

// Moves on to the next trick holding a point, wrapping to the totals after
// the sixth. One pass over the six tricks at most: a deal whose points all
// stayed out of the tricks goes straight to the totals.
void findNextTrick() {
    ResetTablePiles();
    AnimationState = animation::ShowTrick;
    for (int looked = 0; looked < TricksShown; ++looked) {
        AnimationTrick = static_cast<short>(AnimationTrick + 1);
        if (AnimationTrick > TricksShown) {
            AnimationState = animation::ShowTotals;
            AnimationTrick = 1;
        }
        if (trickHoldsPoint(AnimationTrick)) return;
    }
    AnimationState = animation::ShowTotals;
    AnimationTrick = 1;
}

void resetAnimation(Main& m) {
    ResetTablePiles();
    m.LlbAnimate.Visible = false;
    AnimatedPointsVi = 0;
    AnimatedPointsDe = 0;
    AnimationState = animation::ShowTrick;
}

}  // namespace

bool IsPointRank(int rank) {
    return rank == 14 || rank == 11 || rank == 10 || rank == 5 || rank == 4 || rank == 1;
}

void AnimateScore() {
    Main* m = Main::instance();
    if (!m) return;
    switch (AnimationState) {
    case animation::ShowTrick:
        showTrick(*m);
        break;
    case animation::FindNextTrick:
        findNextTrick();
        break;
    case animation::ShowTotals:
        showScore(*m, DealPointsVi, DealPointsDe);
        AnimationState = animation::Reset;
        break;
    case animation::Reset:
        resetAnimation(*m);
        break;
    default:
        m->MsgBox("ERROR - in Animation - No status defined", forms::mb::OKOnly);
        break;
    }
}

void ResetTablePiles() {
    Main* m = Main::instance();
    if (!m) return;
    for (KortHand& pile : m->Bord) {
        pile.SattInKortIHanden();
        pile.refresh();
    }
}
