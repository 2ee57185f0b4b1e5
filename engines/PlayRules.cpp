#include "PlayRules.h"

#include <array>

#include "PlayState.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "VbText.h"

std::string RuleTrace;
std::string SuggestText;

namespace {
const std::array<const char*, 15> kRankNames = {"",  "2", "3",  "4", "v", "V", "6", "7",
                                                "8", "9", "10", "J", "Q", "K", "A"};

// Every name is one character but "10"; the rules ask this of nearly every
// field they read.
short valueOrZero(const std::string& name) {
    if (name.size() == 2) return name == "10" ? 10 : 0;
    if (name.size() != 1) return 0;
    switch (name[0]) {
        case '2': return 1;
        case '3': return 2;
        case '4': return 3;
        case 'v': return 4;
        case 'V': return 5;
        case '6': return 6;
        case '7': return 7;
        case '8': return 8;
        case '9': return 9;
        case 'J': return 11;
        case 'Q': return 12;
        case 'K': return 13;
        case 'A': return 14;
        default: return 0;
    }
}
}  // namespace

bool IsRankName(const std::string& name) { return valueOrZero(name) != 0; }

short RankValueOf(const std::string& name) {
    if (name.empty()) return 0;
    const short v = valueOrZero(name);
    if (v == 0) ShowRuleMessage("Unknown card " + name);
    return v;
}

std::string RankNameOf(int value) {
    if (value < 0 || value > 14) {
        ShowRuleMessage("Unknown card " + PlainNum(value));
        return "";
    }
    return kRankNames[value];
}

bool TakeFromCandidates(const std::string& name) {
    const short v = RankValueOf(name);
    if (v == 0) return false;
    for (int i = 1; i <= 6; ++i) {
        if (WorkHand[i] == v) {
            WorkHand[i] = 0;
            return true;
        }
    }
    return false;
}

bool ClaimUnplayedCard(const std::string& name) {
    const short v = RankValueOf(name);
    if (v == 0 || ClaimedRanks[v] != 0 || InMyHand(v)) return false;
    ClaimedRanks[v] = -1;
    return true;
}

bool NotInCandidates(const std::string& name) {
    const short v = RankValueOf(name);
    if (v == 0) return true;
    for (int i = 1; i <= 6; ++i)
        if (WorkHand[i] == v) return false;
    return true;
}

bool HoldsCard(const std::string& name) {
    const short v = RankValueOf(name);
    if (v == 0) return false;
    for (int i = 1; i <= 6; ++i)
        if (HandRanks[i] == v) return true;
    return false;
}

int FindInterpretationRow(const std::string& name) {
    for (int row = 0; row < InterpretationRows; ++row)
        if (!InterpretationTable[row][0].empty() && InterpretationTable[row][0] == name) return row;
    return -1;
}
