#pragma once
// The bid tables of one bid: for the bidding seat's hand, per trump colour
// c (0..3) and level l = bid - 5, the expected result looked up in the bid
// table file.

#include <string>

extern float EATable[4][11];
extern float PxTable[4][11];
extern float EaUHTable[4][4];

void LoadHandEATables(int seat, const std::string& fileName);

// The value that stands for "no value" in EATable.
inline constexpr float kNoEA = -28.0f;
// The bid table file that could not be opened, or was empty or damaged
// (no section in it), with its state when that was reported: the report is
// shown once until the file changes, so a bad file does not ask for a click
// at every bid. Empty while the file reads as a table.
extern std::string BidTableReportedState;
