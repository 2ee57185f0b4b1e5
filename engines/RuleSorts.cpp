#include <algorithm>
#include <vector>

#include "EngineBridge.h"
#include "PlayRules.h"
#include "RuleActions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"

namespace {

int handSize() { return std::clamp<int>(HandCount, 0, 6); }

bool placedAlready(const std::vector<short>& order, short rank) {
    return std::find(order.begin(), order.end(), rank) != order.end();
}

// Puts the hand picture (and a computer hand through the bridge) into the
// new order. The placed cards come first; after a failed sort the trumps it
// did not place follow in their old order, so the picture always lists the
// whole hand and only held ranks reach the bridge.
void apply(std::vector<short> order, bool failed) {
    for (int i = 1; i <= 6; ++i)
        if (HandRanks[i] != 0 && !placedAlready(order, HandRanks[i])) order.push_back(HandRanks[i]);
    if (order.size() > 6) order.resize(6);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const short position = static_cast<short>(i + 1);
        HandRanks[position] = order[i];
        MoveTrumpToPosition(position, order[i]);
    }
    for (std::size_t i = order.size() + 1; i <= 6; ++i) HandRanks[i] = 0;
    if (failed) RuleTrace += "\nSort FAILED!";
}

// The next word of the list, from word w on, that is still a candidate (it
// is struck out); w moves past every word looked at.
short nextFromList(int row, int& w) {
    while (w < InterpretationColumns) {
        const std::string& word = InterpretationTable[row][w++];
        if (!word.empty() && TakeFromCandidates(word)) return RankValueOf(word);
    }
    return 0;
}

// Fills the positions by the wanted cards in turn; where a wanted card is no
// candidate, the next candidate of the list takes the position.
void sortByWanted(const std::vector<std::string>& wanted, const std::string& list) {
    for (int i = 1; i <= 6; ++i) WorkHand[i] = HandRanks[i];
    std::vector<short> order;
    const int row = FindInterpretationRow(list);
    if (row < 0) {
        apply(order, true);
        return;
    }
    int remaining = handSize();
    int w = 1;
    for (const std::string& card : wanted) {
        if (remaining <= 0) break;
        short rank = 0;
        if (TakeFromCandidates(card)) rank = RankValueOf(card);
        else rank = nextFromList(row, w);
        if (rank != 0) {
            order.push_back(rank);
            --remaining;
        }
    }
    apply(order, remaining != 0);
}

}  // namespace

void SortByList(const std::string& list) {
    std::vector<short> order;
    const int row = FindInterpretationRow(list);
    if (row >= 0) {
        for (int w = 1; w < InterpretationColumns && static_cast<int>(order.size()) < handSize(); ++w) {
            const std::string& word = InterpretationTable[row][w];
            if (word.empty() || !HoldsCard(word)) continue;
            const short rank = RankValueOf(word);
            if (!placedAlready(order, rank)) order.push_back(rank);
        }
    }
    apply(order, row < 0 || static_cast<int>(order.size()) != handSize());
}

void SortByOrder(const std::string& list) {
    sortByWanted({"A", "K", "Q", "J", "10", "9"}, list);
}

void SortSpecificOrder() {
    std::vector<std::string> wanted;
    bool warned = false;
    while (!RuleFile.Eof()) {
        const std::string item = ReadToken();
        if (item == "!") break;
        if (wanted.size() < 6) {
            wanted.push_back(item);
        } else if (!warned) {
            ShowRuleMessage("ERROR: SortSpecificOrder - too many cards before ,!,");
            warned = true;
        }
    }
    const std::string list = ReadToken();
    for (std::string& item : wanted)
        if (!item.empty() && item[0] == 'x') item = CardVars[VariableIndex(item)];
    wanted.resize(6);  // fewer than six: the list fills the rest
    sortByWanted(wanted, list);
}

void SortLumraLast() {
    std::vector<short> others, fives;
    for (int i = 1; i <= 6; ++i) {
        const short r = HandRanks[i];
        if (r == 0) continue;
        (r == 4 || r == 5 ? fives : others).push_back(r);
    }
    others.insert(others.end(), fives.begin(), fives.end());
    apply(others, false);
}
