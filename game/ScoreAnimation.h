#pragma once
// The end-of-deal score animation on the table piles, and the procedure that
// lowers every table card, which other parts use too.

extern short AnimationTrick;
extern short AnimationState;
extern short AnimationPointsVi;
extern short AnimationPointsDe;

// One step; run by Timer3 while its tag is "ANIMATE".
void AnimateScore();
// Lowers and repaints every card of the four table piles.
void ResetTablePiles();
