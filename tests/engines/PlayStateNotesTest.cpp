// The trick summary and the note of a seat that kept back no five.
#include "RuleTestFixture.h"

namespace {

using Notes = PlayRuleFixture;

TEST_F(Notes, TheTrickSummaryKeepsItsHighestCardAndTheTopThatWasLeft) {
    TrickCount = 2;
    TopRankLeft = 13;
    RoundDataRang = {8, 12, 0, 4};
    RecordTrickSummary();
    EXPECT_EQ(TrickHighestCard[2], "Q");
    EXPECT_EQ(TrickTopUnplayed[2], "K");
    RoundDataRang.fill(0);
    TrickCount = 3;
    RecordTrickSummary();
    EXPECT_EQ(TrickHighestCard[3], "");
    TrickCount = 7;
    RecordTrickSummary();  // no seventh trick: nothing written, nothing out of bounds
    EXPECT_EQ(TrickHighestCard[6], "");
}

TEST_F(Notes, ASeatThatPlaysAnotherCardWhereAFiveWouldGoHasNone) {
    struct Case {
        std::array<short, 4> trick;  // seat 0 decides; LEFT 1, PARTNER 2, RIGHT 3
        int leader;
        short played;
        bool fiveOut;
        bool flagged;
    };
    const std::vector<Case> cases = {
        {{0, 0, 14, 0}, 2, 7, true, true},   // partner played the top card
        {{0, 3, 13, 6}, 1, 7, true, true},   // last, partner winning
        {{0, 2, 8, 3}, 1, 7, true, true},    // last, both opponents below the fives
        {{0, 9, 8, 3}, 1, 7, true, false},   // last, an opponent winning high
        {{0, 0, 14, 0}, 2, 5, true, false},  // the seat played a five itself
        {{0, 0, 14, 0}, 2, 7, false, false}, // no five is out
    };
    for (const auto& c : cases) {
        give(0, {"7", "2"});
        writeRules("");
        prepareHandPicture();
        WithoutLumraFlags.fill(0);
        PlayCardFlags.fill(0);
        if (!c.fiveOut) PlayCardFlags[4] = PlayCardFlags[5] = -1;
        CurrentSeat = 0;
        TrickLeader = c.leader;
        TopRankLeft = 14;
        RoundDataRang = c.trick;
        NoteWithheldFive(c.played);
        EXPECT_EQ(WithoutLumraFlags[0] == -1, c.flagged) << c.trick[1] << c.trick[2] << c.trick[3];
    }
}

}  // namespace
