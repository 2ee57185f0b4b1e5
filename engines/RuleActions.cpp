#include "RuleActions.h"

#include <algorithm>

#include "PlayRules.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"
#include "Rng.h"
#include "VbText.h"

namespace {

bool isVariableOperand(const std::string& op) { return op.size() == 2 && op[0] == 'x' && op[1] >= '0' && op[1] <= '9'; }

// Every item of an action goes through CurrentToken, so after the actions it
// holds END, IF, or the last item of the action that ended them.
std::string readItem() { return ReadToken(); }

void skipItemsPastBang() {
    while (!RuleFile.Eof())
        if (readItem() == "!") return;
}

bool fires(const std::string& chanceField) {
    const double v = Val(chanceField);
    const short p = v > 0 ? ClampToInt16(RoundHalfEven(v)) : ProbabilityOf(chanceField);
    if (p >= 100) return true;
    return p >= RndPercent();
}

// Passes over the operands of an action that did not fire.
void skipOperands(const std::string& word) {
    if (IsKw(word, Kw::Play) || IsKw(word, Kw::Sort) || IsKw(word, Kw::SortByOrder)) {
        readItem();
    } else if (IsKw(word, Kw::SortSpecificOrder)) {
        skipItemsPastBang();
        readItem();
    }
}

struct PlayOutcome {
    bool ends = false;
    std::string card;
};

PlayOutcome play(const std::string& operand) {
    if (IsRankName(operand)) {
        RuleTrace += "*Play " + operand;
        return {true, operand};
    }
    if (isVariableOperand(operand)) {
        const std::string& card = CardVars[VariableIndex(operand)];
        if (card.empty()) return {};
        RuleTrace += "*Play x" + operand.substr(1) + " " + card;
        return {true, card};
    }
    if (IsKw(operand, Kw::Default)) {
        RuleTrace += "*PlayDefault";
        return {true, RankNameOf(HandRanks[1])};
    }
    if (IsKw(operand, Kw::Random)) {
        const int i = static_cast<int>(Rnd() * static_cast<float>(HandCount) + 1.0f);
        RuleTrace += "*PlayRandom";
        return {true, RankNameOf(HandRanks[std::clamp(i, 1, 6)])};
    }
    if (operand == "Nothing") {
        NothingTrace = RuleTrace;
        return {true, ""};
    }
    const int row = FindInterpretationRow(operand);
    if (row < 0) return {};
    for (int w = 1; w < InterpretationColumns; ++w) {
        const std::string& word = InterpretationTable[row][w];
        if (!word.empty() && HoldsCard(word)) {
            RuleTrace += "*PlayList:" + operand + " Card " + word;
            return {true, word};
        }
    }
    return {};
}

// Runs one action that fired; true when it ended the actions.
bool runAction(const std::string& word, std::string& result) {
    if (IsKw(word, Kw::Play)) {
        const PlayOutcome outcome = play(readItem());
        if (outcome.ends) result = outcome.card;
        return outcome.ends;
    }
    if (IsKw(word, Kw::Sort)) {
        const std::string list = readItem();
        RuleTrace += "*Sort:" + list;
        SortByList(list);
    } else if (IsKw(word, Kw::SortLumraLast)) {
        RuleTrace += "*SortLumraLast";
        SortLumraLast();
    } else if (IsKw(word, Kw::SortByOrder)) {
        const std::string list = readItem();
        RuleTrace += "*SortByOrder:" + list;
        SortByOrder(list);
    } else if (IsKw(word, Kw::SortSpecificOrder)) {
        RuleTrace += "*SortSpecificOrder:";
        SortSpecificOrder();
    }
    return false;
}

}  // namespace

std::string ExecuteActions() {
    std::string result;
    bool ended = false;
    ReadToken();
    while (!RuleFile.Eof() && !ended && !IsKw(CurrentToken, Kw::END) && CurrentToken != "IF") {
        const bool fired = fires(CurrentToken);
        const std::string word = ReadToken();
        if (fired) ended = runAction(word, result);
        else skipOperands(word);
        if (!ended) ReadToken();
    }
    return result;
}
