#pragma once
// The bid tables of one bid: for the bidding seat's hand, per trump colour
// c (0..3) and level l = bid - 5, the expected result looked up in the bid
// table file.

#include <string>

extern float EATable[4][11];
extern float PxTable[4][11];
extern float EaUHTable[4][4];

void LoadHandEATables(int seat, const std::string& fileName);
