#pragma once
// Int(Rnd * 300) + 1200: the computer's thinking pause in milliseconds
// before a bid or the discard.

#include "Rng.h"

inline int ThinkingPause() { return static_cast<int>(Rnd() * 300.0f) + 1200; }
