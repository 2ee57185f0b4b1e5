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
// The bid table file that could not be opened and was reported (once per
// run, so a missing file does not ask for a click at every bid); empty when
// none was.
extern std::string BidTableReportedMissing;
