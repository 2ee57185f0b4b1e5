#pragma once
// The score sheet on the right of the table: one row per deal of the running
// game, eleven rows, the oldest scrolling away.

#include <array>
#include <string>

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

inline constexpr int ScoreboardRows = 11;

// The sheet: rows 0 .. ScoreboardRowCount - 1 are filled.
extern short ScoreboardRowCount;
extern std::array<short, ScoreboardRows> ScoreboardVi;
extern std::array<short, ScoreboardRows> ScoreboardDe;
extern std::array<short, ScoreboardRows> ScoreboardBid;
extern std::array<std::string, ScoreboardRows> ScoreboardBidder;  // seat number as text

// Empties the sheet and turns both columns yellow again.
void ClearScoreboard();
// Appends ScoreboardEntry as the newest row and repaints the sheet.
void AddScoreboardRow();
// Drops the oldest row.
void ScrollScoreboard();

// Where a row's bid cell takes its face and its number from, in the glyph
// strips (x of the 37-pixel cell); glyphX is -1 when the bid has no number
// cell (outside 6..14), so only the face is painted.
struct BidCellSource {
    int faceX;
    int glyphX;
};
BidCellSource BidCellFor(short bid);
