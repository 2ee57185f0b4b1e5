#include "BidRules.h"

float BidEAPLevel = 1.0f;
short BidRuleValue = 0;
std::string FiredRuleName;

// The bid-rule engine is not built yet.
std::string EvaluateBidRules(const std::string&) { return "PASS"; }
