#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Referee.h"

using referee::Position;
using referee::RankBit;
using referee::RankSet;

namespace {

constexpr int A = 14, K = 13, Q = 12, J = 11, V = 5, v = 4, Two = 1, Three = 2;

RankSet ranks(std::initializer_list<int> rs) {
    RankSet s = 0;
    for (int r : rs) s = static_cast<RankSet>(s | RankBit(r));
    return s;
}

Position deal(std::initializer_list<int> s0, std::initializer_list<int> s1, std::initializer_list<int> s2,
              std::initializer_list<int> s3, int leader) {
    return referee::StartOfTrick({ranks(s0), ranks(s1), ranks(s2), ranks(s3)}, leader);
}

// The loss of every card by plain minimax, for comparison.
int plainLoss(const Position& p, int rank) {
    auto forSide = [&](int side0) { return referee::SideOf(p.toPlay) == 0 ? side0 : referee::PointsLeft(p) - side0; };
    int best = -1;
    for (int r = 1; r <= 14; ++r)
        if (p.hands[static_cast<std::size_t>(p.toPlay)] & RankBit(r)) {
            const referee::Step s = referee::Play(p, r);
            best = std::max(best, forSide(s.points[0] + referee::PlainMinimax(s.next)));
        }
    const referee::Step s = referee::Play(p, rank);
    return best - forSide(s.points[0] + referee::PlainMinimax(s.next));
}

}  // namespace

TEST(RefereeTrick, PointsGoToTheWinnerAndTheTwoToItsPlayer) {
    // The ace of seat 1 wins over the five of seat 3 and the 2 of seat 2.
    Position p = deal({}, {A}, {Two}, {V}, 1);
    std::array<int, 2> points{};
    for (int rank : {A, Two, V}) {
        ASSERT_FALSE(referee::DealOver(p));
        const referee::Step s = referee::Play(p, rank);
        points[0] += s.points[0];
        points[1] += s.points[1];
        p = s.next;
    }
    EXPECT_TRUE(referee::DealOver(p));
    EXPECT_EQ(points[1], 6);
    EXPECT_EQ(points[0], 1);
}

TEST(RefereeTrick, PlayGoesRoundFromTheLeaderPassingSeatsWithoutTrumps) {
    Position p = deal({Q}, {}, {K}, {J}, 2);
    EXPECT_EQ(p.toPlay, 2);
    p = referee::Play(p, K).next;
    EXPECT_EQ(p.toPlay, 3);
    p = referee::Play(p, J).next;
    EXPECT_EQ(p.toPlay, 0);
    const referee::Step last = referee::Play(p, Q);
    EXPECT_EQ(last.points[0], 1);  // the king of seat 2 takes the jack
    EXPECT_TRUE(referee::DealOver(last.next));
}

TEST(RefereeTrick, AWinnerWithoutTrumpsLeavesTheLeadToTheNextHolder) {
    // Seat 0 wins with its only card; seat 1 then plays alone.
    Position p = deal({A}, {Three, V}, {}, {}, 0);
    p = referee::Play(p, A).next;
    const referee::Step s = referee::Play(p, Three);
    EXPECT_EQ(s.points[0], 1);
    EXPECT_EQ(s.next.leader, 0);
    EXPECT_EQ(s.next.toPlay, 1);
    EXPECT_EQ(referee::Play(s.next, V).points[1], 5);
}

struct WorkedCase {
    const char* what;
    Position position;
    int side0Value;
    std::vector<std::pair<int, int>> losses;  // card, loss for the side to play
};

TEST(RefereeSolver, HandWorkedPositions) {
    const std::vector<WorkedCase> cases = {
        // Under the ace seat 1 keeps its five for the trick it then plays alone.
        {"keep the five", referee::Play(deal({A}, {Three, V}, {}, {}, 0), A).next, 1, {{Three, 0}, {V, 5}}},
        // The partner's five lies under the king: the ace takes it now; the
        // six would lose it and leave the ace a lone trick of its own.
        {"take over", referee::Play(referee::Play(referee::Play(deal({A, 6}, {K}, {V}, {Q}, 1), K).next, V).next, Q).next,
         6, {{A, 0}, {6, 5}}},
        // Either lead lets the five escape the ace; the 2 keeps its point.
        {"either lead", deal({A, Two}, {V, 6}, {}, {}, 0), 2, {{A, 0}, {Two, 0}}},
        // Whatever seat 1 leads, one five of its partner goes on the ace and
        // the other falls to the king or the queen of seat 0.
        {"fives", deal({K, Q}, {A, Three}, {}, {V, v}, 1), 5, {{A, 0}, {Three, 0}}},
    };
    for (const WorkedCase& c : cases) {
        referee::Solver solver;
        EXPECT_EQ(solver.Value(c.position), c.side0Value) << c.what;
        EXPECT_EQ(referee::PlainMinimax(c.position), c.side0Value) << c.what;
        for (auto [card, loss] : c.losses) EXPECT_EQ(solver.Loss(c.position, card), loss) << c.what << " card " << card;
    }
}

TEST(RefereeSolver, AgreesWithPlainMinimaxOnRandomPositions) {
    std::mt19937 g(7);
    referee::Solver shared;  // one table over many deals: the key must tell every position apart
    for (int n = 0; n < 600; ++n) {
        std::vector<int> pack(14);
        for (int r = 0; r < 14; ++r) pack[static_cast<std::size_t>(r)] = r + 1;
        std::shuffle(pack.begin(), pack.end(), g);
        const int cards = 2 + static_cast<int>(g() % (n < 560 ? 8 : 11));
        std::array<RankSet, 4> hands{};
        std::array<int, 4> held{};
        for (int i = 0; i < cards; ++i) {
            int seat = static_cast<int>(g() % 4);
            while (held[static_cast<std::size_t>(seat)] == 6) seat = (seat + 1) & 3;
            ++held[static_cast<std::size_t>(seat)];
            hands[static_cast<std::size_t>(seat)] |= RankBit(pack[static_cast<std::size_t>(i)]);
        }
        Position p = referee::StartOfTrick(hands, static_cast<int>(g() % 4));
        // Some random cards first, so positions inside a trick are met too.
        for (int k = static_cast<int>(g() % 4); k > 0 && !referee::DealOver(p); --k) {
            std::vector<int> mine;
            for (int r = 1; r <= 14; ++r)
                if (p.hands[static_cast<std::size_t>(p.toPlay)] & RankBit(r)) mine.push_back(r);
            p = referee::Play(p, mine[g() % mine.size()]).next;
        }
        if (referee::DealOver(p)) continue;
        referee::Solver fresh;
        const int expected = referee::PlainMinimax(p);
        ASSERT_EQ(fresh.Value(p), expected) << "position " << n;
        ASSERT_EQ(shared.Value(p), expected) << "position " << n;
        int zeroLoss = 0;
        for (int r = 1; r <= 14; ++r) {
            if (!(p.hands[static_cast<std::size_t>(p.toPlay)] & RankBit(r))) continue;
            const int loss = shared.Loss(p, r);
            ASSERT_EQ(loss, plainLoss(p, r)) << "position " << n << " card " << r;
            ASSERT_GE(loss, 0);
            zeroLoss += loss == 0;
        }
        EXPECT_GE(zeroLoss, 1);
    }
}
