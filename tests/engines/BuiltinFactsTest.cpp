// The built-in game facts over fixed play states.
#include "BuiltinFacts.h"
#include "RuleTestFixture.h"

namespace {

using Facts = PlayRuleFixture;

// The deciding seat 0 holds A, Q, 8, V, 2 and the picture is taken.
class FactState : public Facts {
protected:
    void SetUp() override {
        Facts::SetUp();
        give(0, {"A", "Q", "8", "V", "2"});
        writeRules("");
        prepareHandPicture();
    }
};

TEST_F(FactState, TrumpCountsAndExpectations) {
    struct Case {
        std::array<float, 4> seenByOthers;
        std::array<short, 4> out;
        short loose, unknown;
        float left, partner, right;
    };
    const std::vector<Case> cases = {
        // Nothing known of the others: nine loose trumps over eighteen places.
        {{0, 0, 0, 0}, {0, 0, 0, 0}, 9, 18, 3.0f, 3.0f, 3.0f},
        {{0, 3, 2, 4}, {0, 0, 0, 0}, 0, 9, 3.0f, 2.0f, 4.0f},
        // More known than there are: the loose count goes below 0.
        {{0, 4, 4, 4}, {0, 0, 0, 0}, -3, 6, 3.0f, 3.0f, 3.0f},
        // A seat out of play is cold: no open places, its known count.
        {{0, 1, 0, 0}, {0, -1, 0, 0}, 8, 12, 1.0f, 4.0f, 4.0f},
    };
    for (const auto& c : cases) {
        TrumpsSeenBySelf[0] = 5;
        TrumpsSeenByOthers = c.seenByOthers;
        SeatOutFlags = c.out;
        EXPECT_EQ(CardsLoose(), c.loose);
        EXPECT_EQ(CardsUnknown(), c.unknown);
        EXPECT_FLOAT_EQ(CardsExpectedLeft(), c.left);
        EXPECT_FLOAT_EQ(CardsExpectedPartner(), c.partner);
        EXPECT_FLOAT_EQ(CardsExpectedRight(), c.right);
        EXPECT_FLOAT_EQ(CardsExpectedUs(), 5 + c.partner);
        EXPECT_FLOAT_EQ(CardsExpectedThem(), c.left + c.right);
    }
}

TEST_F(FactState, ColdSeatsAndTheOpponentsLength) {
    TrumpsSeenBySelf[0] = 5;
    TrumpsSeenByOthers = {0, 3, 2, 4};  // all fourteen known: nothing loose
    TrickCount = 4;
    RoundDataRang[3] = 7;
    EXPECT_TRUE(Cold("LEFT"));       // three known, trick four, no card in it
    EXPECT_FALSE(Cold("RIGHT"));     // four known
    EXPECT_TRUE(Cold("PARTNER"));
    EXPECT_TRUE(Cold("SELF"));       // any other word is the seat itself, as the others know it
    TrumpsSeenByOthers[3] = 3;
    EXPECT_FALSE(Cold("RIGHT"));     // it has a card in the trick
    TrumpsBeforeBuying = {0, 4, 0, 5};
    EXPECT_TRUE(NotColdFourthTurnThem());
    EXPECT_TRUE(NotColdFifthTurnThem());
    EXPECT_FALSE(NotColdSixthTurnThem());
    EXPECT_EQ(CardsBeforeBuyingThemMax(), 5);
}

TEST_F(FactState, ExpectedLengthTestsAreAboveFourAndFive) {
    TrumpsSeenBySelf[0] = 5;
    // Nothing loose: RIGHT is expected to hold the 4.5 it is known to hold.
    TrumpsSeenByOthers = {0, 4.5f, 0, 4.5f};
    EXPECT_FLOAT_EQ(CardsExpectedRight(), 4.5f);
    EXPECT_FALSE(NotColdSixthTurnThemExpected());
    EXPECT_TRUE(NotColdFifthTurnThemExpected());
}

TEST_F(FactState, PositionAndRoleInTheTrick) {
    struct Case {
        int seat, leader;
        std::array<short, 4> out;
        const char* position;
        const char* role;
    };
    const std::vector<Case> cases = {
        {0, 0, {0, 0, 0, 0}, "FIRST", "LEAD"},
        {0, 3, {0, 0, 0, 0}, "SECOND", "A_BLOCK"},
        {0, 2, {0, 0, 0, 0}, "THIRD", "RESPONSE"},
        {0, 1, {0, 0, 0, 0}, "FOURTH", "B_BLOCK"},
        {0, 3, {0, 0, 0, -1}, "SECOND", "LEAD"},   // the leader is out: seat 0 opens
        {1, 3, {-1, 0, 0, -1}, "THIRD", "LEAD"},   // the leader and the seat after it are out
        {3, 3, {0, 0, 0, 0}, "FIRST", "LEAD"},
    };
    for (const auto& c : cases) {
        CurrentSeat = c.seat;
        TrickLeader = c.leader;
        SeatOutFlags = c.out;
        EXPECT_EQ(PositionInRound(), c.position) << c.seat << " " << c.leader;
        EXPECT_EQ(RoleInRound(), c.role) << c.seat << " " << c.leader;
    }
    // Last: fourth, or third with LEFT out of play.
    CurrentSeat = 0;
    TrickLeader = 2;
    SeatOutFlags = {0, -1, 0, 0};
    EXPECT_TRUE(Last());
}

TEST_F(FactState, CardsAndPointsStillOut) {
    EXPECT_EQ(CardsRemaining(), 14);
    EXPECT_EQ(CardsRemainingOther(), 9);
    EXPECT_EQ(TakeablePoints(), 12 - 5);
    EXPECT_TRUE(UnplayedLumra());
    PlayCardFlags[4] = -1;  // the other five is played; ours is in hand
    EXPECT_FALSE(UnplayedLumra());
    PlayCardFlags[4] = 0;
    PlayCardFlags[5] = -1;  // one five played and one out: still out
    EXPECT_TRUE(UnplayedLumra());
    EXPECT_TRUE(UnplayedTenJ());
    PlayCardFlags[2] = PlayCardFlags[3] = -1;
    EXPECT_FALSE(UnplayedLow());
    EXPECT_EQ(CardsRemaining(), 11);
    RoundDataRang = {0, 11, 4, 14};
    EXPECT_EQ(TakeablePointsInRound(), 6);
    EXPECT_TRUE(JOut());
    EXPECT_FALSE(TenOut());
    EXPECT_TRUE(TenJOut());
    EXPECT_TRUE(LumraOut());
    EXPECT_EQ(CardHighestRound(), "A");
    EXPECT_EQ(CardLeft(), "J");
    EXPECT_EQ(CardPartner(), "v");
    EXPECT_EQ(CardRight(), "A");
}

TEST_F(FactState, ThePreviousTrickIsEmptyInTheFirst) {
    TrickRangHistory[1][1] = 9;
    TrickHighestCard[1] = "K";
    TrickTopUnplayed[1] = "A";
    EXPECT_EQ(PreviousCardLeft(), "");
    EXPECT_EQ(PreviousCardHighestRound(), "");
    TrickCount = 2;
    EXPECT_EQ(PreviousCardLeft(), "9");
    EXPECT_EQ(PreviousCardMe(), "");
    EXPECT_EQ(PreviousCardHighestRound(), "K");
    EXPECT_EQ(PreviousCardHighestAbsolute(), "A");
}

TEST_F(FactState, PointsToKillOnBothSides) {
    struct Case {
        int bidder;
        std::array<short, 4> trick;  // by seat
        short top;
        short vi, de;
        short expected;
    };
    // Seat 0 decides and holds A, Q, 8, V, 2; the bid is 8.
    const std::vector<Case> cases = {
        // Contract side: 14 - 8 - their 2 points - LEFT's 2 = 3.
        {0, {0, 1, 0, 0}, 14, 0, 2, 3},
        // LEFT holds the top card: the trick's point cards count (10 and v).
        {2, {0, 13, 4, 10}, 13, 0, 0, 14 - 8 - 6},
        // Defending: 14 - 8 - our 1 - ace and 2 in hand.
        {1, {0, 0, 0, 0}, 14, 1, 0, 3},
        // Partner plays the top card with points in the trick.
        {1, {0, 11, 14, 0}, 14, 0, 0, 14 - 8 - 1 - 1 - 2},
    };
    for (const auto& c : cases) {
        t.m().gbBjuditHogst = c.bidder;
        RoundDataRang = c.trick;
        TopRankLeft = c.top;
        DealPointsVi = c.vi;
        DealPointsDe = c.de;
        EXPECT_EQ(PointsToKill(), c.expected) << c.bidder;
    }
}

TEST_F(FactState, WithoutLumraReadsTheSeatFlag) {
    WithoutLumraFlags[3] = -1;
    EXPECT_TRUE(WithoutLumra("RIGHT"));
    EXPECT_FALSE(WithoutLumra("LEFT"));
}

}  // namespace
