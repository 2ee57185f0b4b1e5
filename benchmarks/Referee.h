#pragma once
// A referee of the trick play that sees every hand: it finds the points each
// side takes when both play perfectly, and so scores a card decision by what
// it gives away against the best card.
//
// After buying only trumps are in play, ranked 1 (the 2) to 14 (the ace).
// In each trick every seat that still holds a trump plays one, in seat order
// from the trick's leader; a seat without trumps is passed over, also when
// it is the leader (the winner of the last trick who played its last card).
// The highest rank wins the trick and its seat leads the next one; the deal
// ends when nobody can play. The ace, ten and jack carry 1 point each and
// the two fives (ranks 5 and 4) 5 each, won with the trick; the 2 is worth
// 1 point to the side that plays it, whoever wins the trick.

#include <array>
#include <cstdint>
#include <unordered_map>

namespace referee {

// Bit r set: the seat holds the trump of rank r (1..14).
using RankSet = std::uint16_t;

constexpr RankSet RankBit(int rank) { return static_cast<RankSet>(1u << rank); }
inline int SideOf(int seat) { return seat & 1; }
// Points a card carries to the trick's winner (the 2's own point is not
// among them).
int TrickPoints(int rank);

struct Position {
    std::array<RankSet, 4> hands{};
    int leader = 0;       // seat that leads the current trick
    int toPlay = -1;      // seat whose card is next; -1 once nobody can play
    int winner = -1;      // seat holding the trick so far; -1 before its first card
    int winnerRank = 0;
    int trickPoints = 0;  // points in the trick so far, for its winner
};

// A fresh trick led by the seat: the first seat from it that holds a trump
// is to play.
Position StartOfTrick(const std::array<RankSet, 4>& hands, int leader);
inline bool DealOver(const Position& p) { return p.toPlay < 0; }
// Every point still to be taken from the position: the cards in the hands
// and the points already in the trick.
int PointsLeft(const Position& p);

struct Step {
    Position next;
    std::array<int, 2> points{};  // taken by each side with this card
};
// The seat to play plays the rank, which it must hold.
Step Play(const Position& p, int rank);

// Alpha-beta search with a table of the bounds found per position; keep one
// solver for the positions of one deal, its table serves every decision.
class Solver {
public:
    // Points side 0 takes from the position on, both sides playing perfectly.
    int Value(const Position& p);
    // Points the side to play takes from here on with that card, then
    // perfect play by both sides.
    int ValueOfCard(const Position& p, int rank);
    // The best the side to play can take from here on.
    int BestValue(const Position& p);
    // Points the side to play gives away with that card against its best card.
    int Loss(const Position& p, int rank);
    void Clear() { table_.clear(); }
    std::size_t Positions() const { return table_.size(); }

private:
    struct Bounds {
        std::int8_t low;
        std::int8_t high;
    };
    int search(const Position& p, int alpha, int beta);
    std::unordered_map<std::uint64_t, Bounds> table_;
};

// The same value by plain minimax, without pruning or memory: the check of
// the solver.
int PlainMinimax(const Position& p);

}  // namespace referee
