#include <gtest/gtest.h>

#include "StrengthTally.h"

namespace {

DealOutcome deal(int points0, int points1, int bidder, int bid) {
    DealOutcome d;
    d.points = {points0, points1};
    d.bidder = bidder;
    d.bid = bid;
    return d;
}

}  // namespace

TEST(StrengthTally, ABiddingSideShortOfItsBidScoresMinusItsBid) {
    EXPECT_EQ(deal(7, 7, 0, 8).score(0), -8);
    EXPECT_EQ(deal(7, 7, 0, 8).score(1), 7);
    EXPECT_EQ(deal(6, 8, 1, 8).score(1), 8);  // exactly the bid is made
    EXPECT_TRUE(deal(6, 8, 1, 8).contractMade());
}

TEST(StrengthTally, GamesGoToSixtyTwoAndTheBidderWinsWhenBothPass) {
    struct Case {
        const char* what;
        std::vector<DealOutcome> deals;
        std::array<long, 2> won;
    };
    const std::vector<Case> cases = {
        {"61 does not end a game", {deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(5, 9, 1, 6)},
         {0, 0}},
        {"62 does", {deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(14, 0, 0, 6), deal(6, 8, 1, 6)}, {1, 0}},
        // 55 : 60, then Vi bids 7 and both take 7: Vi wins with fewer.
        {"both pass", {deal(55, 60, 1, 6), deal(7, 7, 2, 7)}, {1, 0}},
        {"both pass, De bids", {deal(60, 55, 1, 6), deal(7, 7, 3, 7)}, {0, 1}},
        // A set-back can keep a side under the line; the next game starts at 0.
        {"set-back and a new game", {deal(60, 0, 0, 6), deal(3, 11, 0, 8), deal(70, 0, 0, 6), deal(0, 62, 1, 6)}, {1, 1}},
    };
    for (const Case& c : cases) {
        const GameCount g = PlayGames(c.deals);
        EXPECT_EQ(g.won, c.won) << c.what;
    }
}
