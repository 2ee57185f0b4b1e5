#pragma once
// The colours the table uses in more than one file: yellow marks the seat
// to act in its name label and the card that stands out in a hand.

#include "Controls.h"

inline constexpr forms::Rgb kYellow = forms::RGB(255, 255, 0);
