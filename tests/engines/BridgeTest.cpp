// The engine bridge: the hand seen as trumps in hand order, the reordering
// of a computer hand, the play or suggestion of a rank, the bid role.
#include "RuleTestFixture.h"

namespace {

using Bridge = PlayRuleFixture;

TEST_F(Bridge, TrumpsAreCountedAndReadInHandOrder) {
    give(2, {"-", "K", "-", "v", "3"});
    CurrentSeat = 2;
    EXPECT_EQ(TrumpCountInHand(), 3);
    EXPECT_EQ(TrumpRankAt(2, 1), 13);
    EXPECT_EQ(TrumpRankAt(2, 2), 4);
    EXPECT_EQ(TrumpRankAt(2, 3), 2);
    EXPECT_EQ(TrumpRankAt(2, 4), 0);
    EXPECT_EQ(TrumpRankAt(2, 0), 0);
    EXPECT_EQ(PlayRuleFilePath(2), t.m().gbInstallPath + "Rules.TXT");
}

TEST_F(Bridge, MoveTrumpToPositionReordersOnlyAComputerHand) {
    struct Case {
        int seat;
        short position;
        std::string rank;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {1, 1, "3", {"3", "K", "v", "A"}},
        {1, 2, "A", {"K", "A", "v", "3"}},
        {1, 9, "K", {"v", "3", "A", "K"}},  // beyond the other trumps: to the end
        {1, 1, "Q", {"K", "v", "3", "A"}},  // not held: nothing moves
        {0, 1, "3", {"K", "v", "3", "A"}},  // the human's hand is left as it is
    };
    for (const auto& c : cases) {
        give(c.seat, {"-", "K", "-", "v", "3", "A"});
        CurrentSeat = c.seat;
        MoveTrumpToPosition(c.position, RankValueOf(c.rank));
        EXPECT_EQ(trumpsOf(c.seat), c.after) << c.rank << " to " << c.position;
        EXPECT_EQ(t.m().Hand[c.seat].colHand.Count(), 6);
    }
}

TEST_F(Bridge, PlayCardOfRankSuggestsForTheHumanAndPlaysForAComputer) {
    give(0, {"-", "K", "7"});
    CurrentSeat = 0;
    PlayCardOfRank(7);
    EXPECT_EQ(SuggestedCardIndex, 3);  // the index counts the non-trump too
    PlayCardOfRank(14);
    EXPECT_EQ(SuggestedCardIndex, -1);

    for (int s = 1; s <= 3; ++s) give(s, {"-", "K", "7"});
    t.m().myGameStatus = 7;
    CurrentSeat = TrickLeader = 1;
    PlayCardOfRank(7);
    EXPECT_EQ(trumpsOf(1), std::vector<std::string>({"K"}));
    // A rank the computer seat does not hold: it plays its first trump.
    CurrentSeat = 2;
    PlayCardOfRank(14);
    EXPECT_EQ(trumpsOf(2), std::vector<std::string>({"7"}));
    EXPECT_EQ(RuleTrace, "[DEFAULT]");
}

TEST_F(Bridge, BidRoleFromTheSeatToAct) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "BIDDER"}, {1, "B_DEFENCE"}, {2, "BIDRESPONSE"}, {3, "A_DEFENCE"}, {7, "BIDDER"}};
    CurrentSeat = 0;
    for (const auto& [bidder, role] : cases) {
        t.m().gbBjuditHogst = bidder;
        EXPECT_EQ(BidRole(), role) << bidder;
    }
    CurrentSeat = 3;
    t.m().gbBjuditHogst = 1;
    EXPECT_EQ(BidRole(), "BIDRESPONSE");
    EXPECT_EQ(HighestBid(), 8);
    EXPECT_EQ(ProbabilityHook("anything"), -1);
}

}  // namespace
