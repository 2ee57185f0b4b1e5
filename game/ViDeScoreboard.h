#pragma once
// The score sheet on the right of the table: one row per deal of the running
// game, eleven rows, the oldest scrolling away.

struct ScoreboardRecord {
    short ViTotal = 0;
    short DeTotal = 0;
    short Bid = 0;     // negated when the bidding side failed
    short Bidder = 0;  // seat of the highest bidder
    bool ViWon = false;
    bool DeWon = false;
};

// Filled by the deal scoring before each new row.
extern ScoreboardRecord ScoreboardEntry;

void ClearScoreboard();
void AddScoreboardRow();
