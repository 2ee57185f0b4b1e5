#include "Referee.h"

#include <algorithm>

namespace referee {

namespace {

constexpr int kNoSeat = -1;

int nextSeat(int seat) { return (seat + 1) & 3; }

// The first seat from the given one, itself included, that holds a trump;
// -1 when none does.
int firstHolderFrom(const std::array<RankSet, 4>& hands, int seat) {
    for (int i = 0; i < 4; ++i) {
        const int s = (seat + i) & 3;
        if (hands[static_cast<std::size_t>(s)] != 0) return s;
    }
    return kNoSeat;
}

// Who holds each rank (3 bits: seat, or 4 for gone) and the trick so far:
// all that decides the rest of the deal.
std::uint64_t keyOf(const Position& p) {
    std::uint64_t key = 0;
    for (int rank = 14; rank >= 1; --rank) {
        std::uint64_t owner = 4;
        for (int s = 0; s < 4; ++s)
            if (p.hands[static_cast<std::size_t>(s)] & RankBit(rank)) owner = static_cast<std::uint64_t>(s);
        key = key << 3 | owner;
    }
    key = key << 2 | static_cast<std::uint64_t>(p.toPlay & 3);
    key = key << 2 | static_cast<std::uint64_t>(p.leader & 3);
    key = key << 2 | static_cast<std::uint64_t>(p.winner < 0 ? 0 : p.winner & 3);
    key = key << 4 | static_cast<std::uint64_t>(p.winnerRank & 15);
    key = key << 4 | static_cast<std::uint64_t>(p.trickPoints & 15);
    return key;
}

// The side to play's share of what side 0 takes, out of all points left.
int forSideToPlay(const Position& p, int side0Points) {
    return SideOf(p.toPlay) == 0 ? side0Points : PointsLeft(p) - side0Points;
}

}  // namespace

int TrickPoints(int rank) {
    switch (rank) {
    case 14:
    case 11:
    case 10: return 1;
    case 5:
    case 4: return 5;
    default: return 0;
    }
}

Position StartOfTrick(const std::array<RankSet, 4>& hands, int leader) {
    Position p;
    p.hands = hands;
    p.leader = leader & 3;
    p.toPlay = firstHolderFrom(hands, p.leader);
    return p;
}

int PointsLeft(const Position& p) {
    int points = p.trickPoints;
    for (RankSet h : p.hands)
        for (int rank = 1; rank <= 14; ++rank)
            if (h & RankBit(rank)) points += rank == 1 ? 1 : TrickPoints(rank);
    return points;
}

Step Play(const Position& p, int rank) {
    Step step;
    Position& n = step.next;
    n = p;
    const int seat = p.toPlay;
    n.hands[static_cast<std::size_t>(seat)] = static_cast<RankSet>(n.hands[static_cast<std::size_t>(seat)] & ~RankBit(rank));
    if (rank == 1) step.points[static_cast<std::size_t>(SideOf(seat))] += 1;
    n.trickPoints += TrickPoints(rank);
    if (rank > n.winnerRank) {
        n.winnerRank = rank;
        n.winner = seat;
    }
    // Seats between this one and the leader that hold no trump are passed
    // over; a seat loses trumps only by playing, so they had none when the
    // trick began.
    int next = nextSeat(seat);
    while (next != p.leader && n.hands[static_cast<std::size_t>(next)] == 0) next = nextSeat(next);
    if (next != p.leader) {
        n.toPlay = next;
        return step;
    }
    step.points[static_cast<std::size_t>(SideOf(n.winner))] += n.trickPoints;
    n = StartOfTrick(n.hands, n.winner);
    return step;
}

int Solver::search(const Position& p, int alpha, int beta) {
    if (DealOver(p)) return 0;
    const std::uint64_t key = keyOf(p);
    int low = 0, high = PointsLeft(p);
    if (auto it = table_.find(key); it != table_.end()) {
        low = it->second.low;
        high = it->second.high;
    }
    if (low >= beta) return low;
    if (high <= alpha) return high;
    if (low == high) return low;
    alpha = std::max(alpha, low);
    beta = std::min(beta, high);

    const bool side0 = SideOf(p.toPlay) == 0;
    int best = side0 ? -1 : 1000;
    int a = alpha, b = beta;
    const RankSet hand = p.hands[static_cast<std::size_t>(p.toPlay)];
    // High cards first: they decide tricks and cut the search soonest.
    for (int rank = 14; rank >= 1; --rank) {
        if (!(hand & RankBit(rank))) continue;
        const Step step = Play(p, rank);
        const int gain = step.points[0];
        const int v = gain + search(step.next, a - gain, b - gain);
        if (side0) {
            best = std::max(best, v);
            a = std::max(a, best);
        } else {
            best = std::min(best, v);
            b = std::min(b, best);
        }
        if (a >= b) break;
    }
    // A value at or beyond the window's edge is only a bound.
    if (best <= alpha) high = best;
    else if (best >= beta) low = best;
    else low = high = best;
    table_[key] = Bounds{static_cast<std::int8_t>(low), static_cast<std::int8_t>(high)};
    return best;
}

int Solver::Value(const Position& p) { return search(p, -1, PointsLeft(p) + 1); }

int Solver::ValueOfCard(const Position& p, int rank) {
    const Step step = Play(p, rank);
    return forSideToPlay(p, step.points[0] + Value(step.next));
}

int Solver::BestValue(const Position& p) { return forSideToPlay(p, Value(p)); }

int Solver::Loss(const Position& p, int rank) { return BestValue(p) - ValueOfCard(p, rank); }

int PlainMinimax(const Position& p) {
    if (DealOver(p)) return 0;
    const bool side0 = SideOf(p.toPlay) == 0;
    int best = side0 ? -1 : 1000;
    const RankSet hand = p.hands[static_cast<std::size_t>(p.toPlay)];
    for (int rank = 1; rank <= 14; ++rank) {
        if (!(hand & RankBit(rank))) continue;
        const Step step = Play(p, rank);
        const int v = step.points[0] + PlainMinimax(step.next);
        best = side0 ? std::max(best, v) : std::min(best, v);
    }
    return best;
}

}  // namespace referee
