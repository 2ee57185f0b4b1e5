#include "Main.h"

// Dealing and the bidding turns are not built yet.
void Main::StartDeal() {}
void Main::DealStep() {}
void Main::BjudNext() {}
void Main::ResolveHighestBid() {}
