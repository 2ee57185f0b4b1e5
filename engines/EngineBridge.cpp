#include "EngineBridge.h"

short SuggestedCardIndex = -1;

// The engine bridge is not built yet.
void DefaultPlayHook(int, int) {}
short ProbabilityHook(const std::string&) { return -1; }
std::string PlayRuleFilePath(int) { return ""; }
void PlayCardOfRank(short) {}
short TrumpCountInHand() { return 0; }
short TrumpRankAt(int, int) { return 0; }
void MoveTrumpToPosition(short, short) {}
short HighestBid() { return 0; }
std::string BidRole() { return ""; }
