#pragma once
// The play-rule engine: chooses a card for a seat by interpreting the
// play-rule file against the play state. The file is read afresh from its
// first field at every decision; the first rule whose card the seat holds
// decides, and without one the seat's first trump is played.

#include <string>

extern std::string RuleTrace;
extern std::string RuleProbabilityText;
extern std::string SuggestText;

// The engine entry for the seat to play (CurrentSeat).
void ChoosePlayCard(int seat);
// Interprets the file once; the rank name of the chosen card, "" for none.
std::string RunPlayRules(const std::string& path);
// Empties the card lists of the file.
void ClearInterpretations();
void PlayChosenCard(short rank);

// Rank names: "" for 0, then "2", "3", "4", "v", "V", "6".."10", "J", "Q",
// "K", "A". Anything else shows "Unknown card ..." and gives 0 or "".
short RankValueOf(const std::string& name);
std::string RankNameOf(int value);
// True for the fourteen rank names (no message for anything else).
bool IsRankName(const std::string& name);

// The card sets of a rule. A name that is no card (empty or unknown) is
// never a candidate, never claimed and never held.
bool TakeFromCandidates(const std::string& name);
bool ClaimUnplayedCard(const std::string& name);
bool NotInCandidates(const std::string& name);
bool HoldsCard(const std::string& name);
// The row of the named card list of the file; -1 when there is none.
int FindInterpretationRow(const std::string& name);
