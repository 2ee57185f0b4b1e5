#include "PlayRules.h"

std::string RuleTrace;
std::string RuleProbabilityText;
std::string SuggestText;

// The play-rule engine is not built yet.
void ChoosePlayCard(int) {}
short RankValueOf(const std::string&) { return 0; }
std::string RankNameOf(int) { return ""; }
