#include "ScoreAnimation.h"

short AnimationTrick = 0;
short AnimationState = 0;
short AnimationPointsVi = 0;
short AnimationPointsDe = 0;

// The score animation is not built yet.
void AnimateScore() {}
void ResetTablePiles() {}
