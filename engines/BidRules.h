#pragma once
// The bid-rule engine: turns the bid tables and the bidding so far into a
// pass, a bid or an expectation level.

#include <string>

extern float BidEAPLevel;
extern short BidRuleValue;
extern std::string FiredRuleName;

// Returns "PASS", "EA" or "BID".
std::string EvaluateBidRules(const std::string& path);
