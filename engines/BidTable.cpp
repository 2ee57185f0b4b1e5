#include "BidTable.h"

float EATable[4][11];
float PxTable[4][11];
float EaUHTable[4][4];

// The bid-table loader is not built yet.
void LoadHandEATables(int, const std::string&) {}
