#pragma once
// Plays a recorded deal out again with a rule file per seat: the play engine
// names each seat's card, and the referee scores every decision against
// perfect play with all hands seen.

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "Referee.h"
#include "TrickPlayStart.h"

class Main;

struct CardDecision {
    bool forced() const { return held < 2; }

    int seat = 0;
    int rank = 0;              // the card played
    int held = 0;              // trumps the seat held: with one there was nothing to decide
    int loss = 0;              // points the seat's side gave away with the card
    std::string rule;          // suggestion code and name of the rule that chose the card
    bool takeOverSpot = false; // partner holds a trick with points, an opponent still to play, seat holds the top trump, above the partner's
    bool tookTrick = false;
};

struct DealOutcome {
    std::array<int, 2> points{};  // points taken by each side (side 0: seats 0 and 2)
    int bidder = 0;
    int bid = 0;
    int perfectPoints0 = 0;  // what side 0 takes from the deal with perfect play on both sides
    std::vector<CardDecision> decisions;  // every card played, forced or not

    bool contractMade() const { return points[static_cast<std::size_t>(bidder & 1)] >= bid; }
    // The deal's score: a bidding side short of its bid scores minus its bid.
    int score(int side) const {
        if (side == (bidder & 1) && !contractMade()) return -bid;
        return points[static_cast<std::size_t>(side)];
    }
    // Each card moves the perfect-play value by its loss, so the points side
    // 0 took follow from the start value and the losses: a deal where they do
    // not means the referee and the table play by different rules.
    bool agreesWithReferee() const {
        int expected = perfectPoints0;
        for (const CardDecision& c : decisions) expected += (c.seat & 1) == 0 ? -c.loss : c.loss;
        return expected == points[0];
    }
};

// The rule file of each seat names a file in the table's install folder.
// The rule engine's random draws start from the seed. With a decision log,
// every card decision is written there as one line: what the rules saw
// (the built-in values and the cold seats), every hand, and the loss of
// each card the seat could have played, for studying where rules lose.
DealOutcome ReplayDeal(Main& m, const TrickPlayStart& deal, const std::array<std::string, 4>& ruleFiles,
                       referee::Solver& solver, std::uint64_t seed, std::ostream* decisionLog = nullptr);

// The referee's view of the table: every seat's trumps and the trick so far.
referee::Position PositionAtTable(const Main& m);
