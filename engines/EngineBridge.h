#pragma once
// How the engines reach the hands and the table: the trumps of the seat to
// act, its rule file, the bid and the seat's role towards the bidder;
// playing (computer seat) or suggesting (human seat) the chosen card;
// reordering a computer hand's trumps; and the bidding's view of the table,
// the engines' messages and log lines. Only this bridge knows the window;
// without one the reads give 0 or "" and the messages go nowhere.

#include <cstdint>
#include <string>
#include <vector>

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

// ---- the table as the bid engine sees it ----
bool HasTable();
// The installation folder, ending with "/".
std::string GameInstallPath();
short GameScoreVi();
short GameScoreDe();
// The seat to bid and the dealer, 0..3.
int BiddingSeat();
int DealerSeat();
// The bid a seat holds as its hand shows it (GeBud); 0 for no seat.
short SeatBid(int seat);
// The ranks of the seat's cards that are trumps when the colour is trump,
// in hand order. Names the colour to the pack first, as a bid's look at a
// colour always did, so the fives count with the colour they join.
std::vector<int> SeatTrumpRanksFor(int seat, std::int32_t colour);

// ---- what the engines tell the player and the log ----
// A message box with the program's title.
void ShowEngineMessage(const std::string& text);
void LogEngineLine(const std::string& line);
