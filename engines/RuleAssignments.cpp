#include <algorithm>

#include "PlayRules.h"
#include "RuleActions.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "RuleValueTable.h"
#include "VbText.h"

namespace {

// The first word 1..15 of the named list that passes the test; "" when the
// list is missing or no word passes.
template <typename Test>
std::string firstWordOf(const std::string& list, Test test) {
    const int row = FindInterpretationRow(list);
    if (row < 0) return "";
    for (int w = 1; w < InterpretationColumns; ++w) {
        const std::string& word = InterpretationTable[row][w];
        if (!word.empty() && test(word)) return word;
    }
    return "";
}

bool bind(int n, const std::string& card) {
    if (card.empty()) return false;
    CardVars[n] = card;
    return true;
}

}  // namespace

bool AssignFromList(int n, const std::string& list) {
    if (!CardVars[n].empty()) ShowRuleMessage("Assigning again to x" + PlainNum(n));
    return bind(n, firstWordOf(list, TakeFromCandidates));
}

bool AssignUnplayedFromList(int n, const std::string& list) {
    return bind(n, firstWordOf(list, ClaimUnplayedCard));
}

bool AssignCard(int n, const std::string& value) {
    if (IsRankName(value)) {
        CardVars[n] = value;
        return true;
    }
    if (const RuleVariableRow* row = FindRuleVariable(value)) {
        CardVars[n] = row->value.AsText();
        return true;
    }
    return bind(n, firstWordOf(value, [](const std::string& w) { return InMyHand(RankValueOf(w)); }));
}

// A value of 0 (or none) is looked up as a rule value; like every other
// lookup by name, the last row of that name counts.
bool AssignNumber(int n, const std::string& value) {
    const double v = Val(value);
    if (v != 0) {
        NumVars[n] = static_cast<float>(v);
        return true;
    }
    if (const RuleVariableRow* row = FindRuleVariable(value)) {
        NumVars[n] = static_cast<float>(row->value.AsNumber());
        return true;
    }
    return false;
}

bool AssignHigherFromList(int n, const std::string& card, const std::string& list) {
    const short limit = RankValueOf(card);
    return bind(n, firstWordOf(list, [&](const std::string& w) { return RankValueOf(w) > limit && HoldsCard(w); }));
}

bool AssignLowerFromList(int n, const std::string& card, const std::string& list) {
    const short limit = RankValueOf(card);
    return bind(n, firstWordOf(list, [&](const std::string& w) { return RankValueOf(w) < limit && HoldsCard(w); }));
}

std::string HighestCardInHand() {
    return RankNameOf(*std::max_element(HandRanks.begin() + 1, HandRanks.end()));
}
