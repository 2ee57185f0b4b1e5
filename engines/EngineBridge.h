#pragma once
// How the play engine reaches the hands and the table.

#include <string>

// 1-based index in the human's hand of the suggested card; -1 none.
extern short SuggestedCardIndex;

void DefaultPlayHook(int seat, int trick);
short ProbabilityHook(const std::string& name);
std::string PlayRuleFilePath(int seat);
void PlayCardOfRank(short rank);
short TrumpCountInHand();
short TrumpRankAt(int seat, int n);
void MoveTrumpToPosition(short position, short rank);
short HighestBid();
std::string BidRole();
