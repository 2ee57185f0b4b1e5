#pragma once
// The scrolling message shown when a game is over: it slides in from the
// right, rests at the left edge, then scrolls out and the label disappears.

#include <string>

// The part of the message still to be shown (UTF-8), led by blanks at start.
extern std::string TickerBuffer;

inline constexpr int TickerLeadingBlanks = 60;
inline constexpr int TickerVisibleChars = 66;

void StartTicker();
void StopTicker();
