#pragma once
// The play rules' texts and card names: the trace and explanation of the
// last decision, the rank names, and the card sets a rule works on. The
// engine that runs the rules is in RuleDriver.h.

#include <string>

extern std::string RuleTrace;
extern std::string RuleProbabilityText;
extern std::string SuggestText;

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
