#pragma once
// How the play engine reaches the hands and the table: the trumps of the
// seat to act, its rule file, the bid and the seat's role towards the
// bidder; playing (computer seat) or suggesting (human seat) the chosen
// card; and reordering a computer hand's trumps.

#include <string>

// 1-based index in the human's hand of the suggested card; -1 none.
extern short SuggestedCardIndex;

// Called when no rule chose a card; a place for other default play.
void DefaultPlayHook(int seat, int trick);
// A probability of its own for a rule value; -1 leaves the rule's value.
short ProbabilityHook(const std::string& name);
std::string PlayRuleFilePath(int seat);
// Plays (computer seat) or suggests (human seat) the trump of that rank of
// CurrentSeat. A computer seat that does not hold the rank plays its first
// trump, so the game always moves on.
void PlayCardOfRank(short rank);
short TrumpCountInHand();
// The rank of the n-th trump of the seat's hand in hand order; 0 when it
// holds fewer.
short TrumpRankAt(int seat, int n);
// Makes the trump of that rank the position-th trump of a computer hand;
// a human hand, or a rank that is not held, is left as it is.
void MoveTrumpToPosition(short position, short rank);
short HighestBid();
// "BIDDER", "B_DEFENCE" (bidder on the left), "BIDRESPONSE" (the partner),
// "A_DEFENCE" (bidder on the right), seen from CurrentSeat.
std::string BidRole();
