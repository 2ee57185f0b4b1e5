#pragma once
// What both replays do to the table before a deal is played again.

class Main;

// The replay labels shown, the deal's prompt and score labels hidden.
void ShowReplayLabels(Main& m);
// Whatever the table waited for before (the human's card, a pending timer
// step) may not act in the replayed deal.
void ForgetPendingTurn(Main& m);
