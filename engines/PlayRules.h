#pragma once
// The play-rule engine: chooses a card for a seat by interpreting the
// play-rule file against the play state.

#include <string>

extern std::string RuleTrace;
extern std::string RuleProbabilityText;
extern std::string SuggestText;

// The engine entry for the seat to play (CurrentSeat).
void ChoosePlayCard(int seat);
short RankValueOf(const std::string& name);
std::string RankNameOf(int value);
