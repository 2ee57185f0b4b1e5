#pragma once
// The bid-rule engine: turns the bid tables and the bidding so far into a
// pass, a bid or an expectation level.

#include <set>
#include <string>

extern float BidEAPLevel;
extern short BidRuleValue;
extern std::string FiredRuleName;

// Returns "PASS", "EA" or "BID".
std::string EvaluateBidRules(const std::string& path);

// The bidding seat's place in the bidding order: "LEAD", "A_BLOCK",
// "RESPONSE" or "B_BLOCK" (the dealer, who bids last).
std::string GetRoleInRound();
// The largest EA over the colours at a bid level (below 6 counts as 6;
// above 15 has no value), -28 when no colour has one above -200.
float BestColorEA(int level);
// The smallest EaUH over the colours in the column of the seat holding the
// highest bid (the partner's column while nobody has bid 6 or more).
float WorstColorEAuH();
// The largest P(x) over the colours at a bid level, never below 0; a level
// outside 5..15 gives 0.
float BestColorP(int level);

// Rule-file problems already shown in a message this run, so a faulty file
// asks for one click, not one at every bid.
extern std::set<std::string> BidRulesReported;
