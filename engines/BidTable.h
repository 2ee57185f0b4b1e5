#pragma once
// The bid tables of one bid: for the bidding seat's hand, per trump colour
// c (0..3) and level l = bid - 5, the expected result looked up in the bid
// table file.

#include <set>
#include <string>

extern float EATable[4][11];
extern float PxTable[4][11];
extern float EaUHTable[4][4];

void LoadHandEATables(int seat, const std::string& fileName);

// The value that stands for "no value" in EATable.
inline constexpr float kNoEA = -28.0f;
// What the player has been told about the bid table file: each report is
// shown once until the file changes, so a bad or incomplete file does not
// ask for a click at every bid. The reports stand for the file in one state
// (its name, and its size and time or that it is missing); the file in
// another state starts them afresh.
struct BidTableReports {
    std::string fileState;
    // The file could not be opened, or was empty or damaged (no section in
    // it); false again once the file reads as a table.
    bool fileReported = false;
    // The keys reported missing, each with its section's marker: the same
    // key text in two sections stands for different hands.
    std::set<std::string> missingKeys;
    void clear() { *this = BidTableReports{}; }
};
extern BidTableReports BidTableReportedState;
