#pragma once
// Sums of the strength benchmark: per side of a match, per rule of the
// candidate file, per bid level, and games to 62 played over a sequence of
// deals. A card decision is a card played from two trumps or more: the last
// trump of a hand is no choice, and counting it would dilute every figure.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "DealReplay.h"

struct LossTally {
    long decisions = 0;
    long lossSum = 0;
    long withoutLoss = 0;
    void add(int loss) {
        ++decisions;
        lossSum += loss;
        withoutLoss += loss == 0;
    }
    double meanLoss() const { return decisions ? static_cast<double>(lossSum) / decisions : 0.0; }
    double shareWithoutLoss() const { return decisions ? static_cast<double>(withoutLoss) / decisions : 0.0; }
};

struct SideTally {
    long deals = 0;
    long forcedPlays = 0;  // cards played with one trump left, no decision
    long points = 0;
    long score = 0;
    long contractsHeld = 0;
    long contractsMade = 0;
    long gamesWon = 0;
    LossTally loss;
};

struct TakeOverTally {
    long spots = 0;
    long taken = 0;
    long lossSum = 0;
    std::map<std::string, long> byRule;  // spots by the rule that decided them
};

struct LevelTally {
    long held = 0;
    long made = 0;
    long score = 0;
};

// Whole games over the deals in order: the totals pass 61 to win, and when
// both pass in one deal the bidding side wins. A game left unfinished at the
// end is not counted.
struct GameCount {
    std::array<long, 2> won{};
};
GameCount PlayGames(const std::vector<DealOutcome>& deals);

// Adds a seating's deals to both sides' tallies; the candidate holds
// candidateSide (-1: the candidate holds both sides, counted as one).
void AddSeating(const std::vector<DealOutcome>& deals, int candidateSide, SideTally& candidate, SideTally& baseline);

void AddRules(const std::vector<DealOutcome>& deals, std::map<std::string, LossTally>& rules, TakeOverTally& takeOver);
void AddLevels(const std::vector<DealOutcome>& deals, std::array<LevelTally, 15>& levels);
