// Deals recorded from the game log, written to a file, then replayed and
// reloaded from it: the replay must give every seat the trumps it had when
// trick play began, the reload must deal the very same pack, and both must
// play to their end without costing the running game its totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LoadLogfile.h"
#include "LogFixtureFiles.h"
#include "RecordedDeal.h"

namespace {

std::vector<std::string> deckOf(const std::vector<std::string>& lines) {
    const auto first = std::find(lines.begin(), lines.end(), "<PACKE_KOMPLETT>");
    if (lines.end() - first < 53) return {};
    return std::vector<std::string>(first, first + 53);
}

bool isRed(std::int32_t colour) { return colour == farg::Ruter || colour == farg::Hjarter; }

struct RoundTrip : ::testing::Test {
    LogFixtureFiles files;
    RoundTrip() { LogFilePath.clear(); }
    ~RoundTrip() override { LogFilePath.clear(); }
};

}  // namespace

TEST_F(RoundTrip, RecordedDealsReplayAndReloadAsTheyWerePlayed) {
    // Two deals with red trumps and two with black, so that both colours of
    // fives go through the trump lines.
    int red = 0, black = 0;
    for (std::uint64_t seed = 1; seed <= 40 && (red < 2 || black < 2); ++seed) {
        TestTable t(seed);
        Main& m = t.m();
        const RecordedDeal live = PlayAndRecordDeal(t);
        ASSERT_TRUE(live.finished) << "seed " << seed;
        ASSERT_EQ(live.cardsPlayedAtFirstLook, 0) << "seed " << seed;
        int& ofColour = isRed(live.colour) ? red : black;
        if (ofColour == 2) continue;
        ++ofColour;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", trumps " + std::to_string(live.colour));
        const std::string path = files.write("deal" + std::to_string(seed) + ".txt", live.text());
        TableDriver driver(m);
        LogRecorder rec(m);

        t.dialogs.fileAnswers.push_back(path);
        m.BtnPlaylog_Click();
        ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 0);
        EXPECT_EQ(m.myGameStatus, 7);
        EXPECT_EQ(m.gbFarg, live.colour);
        EXPECT_EQ(m.gbBjuditHogst, live.bidder);
        EXPECT_EQ(m.gbHogstaBudet, live.bid);
        EXPECT_EQ(m.harPacko, live.dealer);
        for (std::size_t s = 0; s < 4; ++s) {
            EXPECT_EQ(CardNumbersOf(m.Hand[s]), live.trumpsAtFirstTrick[s]) << "seat " << s;
            EXPECT_EQ(m.Hand[s].VisaHanden, 0) << "seat " << s;
            if (static_cast<std::int32_t>(s) == live.dealer) {
                EXPECT_EQ(TrumpsBeforeBuying[s], -1);
            } else {
                EXPECT_EQ(TrumpsBeforeBuying[s], live.trumpsBeforeBuying[s]) << "seat " << s;
            }
        }
        EXPECT_EQ(CardNumbersOf(m.KortKilled), live.outOfPlay);
        ASSERT_TRUE(driver.runUntil([&] { return DealFinished(m); }, 30 * 60 * 1000));
        // The replayed deal plays with the file's totals and leaves them alone.
        EXPECT_EQ(m.gbVi, 0);
        EXPECT_EQ(m.gbDe, 0);

        rec.lines.clear();
        t.dialogs.fileAnswers.push_back(path);
        m.BtnLoadlog_Click();
        ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 0);
        EXPECT_TRUE(m.bReplay);
        ASSERT_TRUE(driver.runUntil([&] { return DealFinished(m); }, 30 * 60 * 1000));
        const auto recordedDeck = deckOf(live.lines);
        ASSERT_FALSE(recordedDeck.empty());
        EXPECT_EQ(deckOf(rec.lines), recordedDeck);
        // The recorded dealer deals the reloaded deal.
        EXPECT_EQ(m.harPacko, live.dealer);

        // Going on gives the running game its own totals back.
        m.AdvanceMe();
        EXPECT_FALSE(m.bReplay);
        EXPECT_EQ(m.gbVi, live.vi);
        EXPECT_EQ(m.gbDe, live.de);
    }
    EXPECT_EQ(red, 2);
    EXPECT_EQ(black, 2);
}
