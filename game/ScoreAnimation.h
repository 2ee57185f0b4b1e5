#pragma once
// The end-of-deal score animation on the table piles, and the procedure that
// lowers every table card, which other parts use too.

#include <cstdint>

// The step the next tick performs.
namespace animation {
inline constexpr std::int32_t ShowTrick = 0;
inline constexpr std::int32_t FindNextTrick = 5;
inline constexpr std::int32_t ShowTotals = 6;
inline constexpr std::int32_t Reset = 7;
}  // namespace animation

extern short AnimationTrick;          // trick being shown, 1..6
extern std::int32_t AnimationState;   // one of the animation:: steps
extern short AnimatedPointsVi;        // running points shown in the label
extern short AnimatedPointsDe;

// One step; run by Timer3 while its tag is "ANIMATE".
void AnimateScore();
// Lowers and repaints every card of the four table piles.
void ResetTablePiles();
// Rank values that carry points: the ace, jack, ten, both fives and the two.
bool IsPointRank(int rank);
