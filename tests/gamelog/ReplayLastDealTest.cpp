#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "DealDriver.h"
#include "PlayState.h"
#include "TestTable.h"
#include "ViDeScoreboard.h"

namespace {

std::set<int> cardsOf(const KortHand& h) {
    std::set<int> out;
    for (const Kort* k : h.colHand) out.insert(k->Nr);
    return out;
}

struct LastDealFixture : ::testing::Test {
    TestTable t{7};
    Main& m = t.m();
    std::vector<std::set<int>> piles;  // what each seat put on the table

    void playOneDeal() {
        m.Form_Load();
        ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
        piles.clear();
        for (const KortHand& b : m.Bord) piles.push_back(cardsOf(b));
    }
    void clickReplay() {
        m.ImgReplayUp_MouseDown(1, 0, 1, 1);
        EXPECT_FALSE(m.ImgReplayUp.Visible);
        EXPECT_TRUE(m.ImgReplayDn.Visible);
        m.ImgReplayUp_Mouseup(1, 0, 1, 1);
    }
};

}  // namespace

TEST_F(LastDealFixture, EverySeatGetsBackWhatItPlayed) {
    playOneDeal();
    const std::int32_t dealer = m.harPacko;
    const std::set<int> killed = cardsOf(m.KortKilled);
    LogRecorder rec(m);
    clickReplay();

    for (std::size_t s = 0; s < 4; ++s) {
        EXPECT_EQ(cardsOf(m.Hand[s]), piles[s]) << s;
        EXPECT_EQ(m.Bord[s].colHand.Count(), 0) << s;
        EXPECT_EQ(m.Hand[s].VisaHanden, 0) << s;
    }
    EXPECT_EQ(cardsOf(m.KortKilled), killed);
    // Only what went out of play as surplus counts as known.
    std::array<short, 15> flags{};
    for (const Kort* k : m.KortKilled.colHand) flags[k->Rang] = -1;
    EXPECT_EQ(PlayCardFlags, flags);
    EXPECT_EQ(RankPlayedInTrick, (std::array<short, 15>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));

    EXPECT_TRUE(m.bReplay);
    EXPECT_EQ(m.myGameStatus, 7);
    EXPECT_EQ(m.harPacko, dealer);
    EXPECT_EQ(m.attSaka, (dealer + 1) & 3);  // moved on again by the start of trick play
    EXPECT_TRUE(m.ImgReplayUp.Visible);
    EXPECT_FALSE(m.ImgReplayDn.Visible);
    EXPECT_TRUE(m.ImgContUp.Visible);
    EXPECT_FALSE(m.ImgReloadUp.Visible);
    EXPECT_TRUE(m.LblReplay.Visible);
    EXPECT_TRUE(m.LlbDisabled.Visible);
    EXPECT_FALSE(m.LblScore.Visible);
    EXPECT_EQ(m.Timer3.Tag, "");
    const std::vector<std::string> banner = {std::string(30, '*'), "START REPLAY", std::string(30, '*')};
    EXPECT_TRUE(std::equal(banner.begin(), banner.end(), rec.lines.begin()));
}

TEST_F(LastDealFixture, TheReplayedDealLeavesTotalsAndSheetAlone) {
    playOneDeal();
    const short vi = m.gbVi, de = m.gbDe;
    const short rows = ScoreboardRowCount;
    const auto sheetVi = ScoreboardVi;
    clickReplay();
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    EXPECT_EQ(m.gbVi, vi);
    EXPECT_EQ(m.gbDe, de);
    EXPECT_EQ(ScoreboardRowCount, rows);
    EXPECT_EQ(ScoreboardVi, sheetVi);
    EXPECT_TRUE(m.LblScore.Visible);  // the replayed result is shown
    m.AdvanceMe();
    EXPECT_FALSE(m.bReplay);
}

TEST_F(LastDealFixture, ASecondClickMidReplayGathersTheCardsAgain) {
    playOneDeal();
    clickReplay();
    ASSERT_TRUE(PlayUntil(t, [&] { return CardsPlayedCount >= 3; }));
    clickReplay();
    for (std::size_t s = 0; s < 4; ++s) EXPECT_EQ(cardsOf(m.Hand[s]), piles[s]) << s;
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
}

TEST_F(LastDealFixture, TheHumansCardWaitDoesNotSurviveTheRestart) {
    playOneDeal();
    clickReplay();
    // Restart while the human waits for its card, in a deal a computer seat
    // leads: nothing may then accept the human's click.
    ASSERT_TRUE(PlayUntil(t, [&] { return m.myGameStatus == 7 && m.Hand[0].HandAktivitat() == 1; }));
    ASSERT_NE(m.gbBjuditHogst, 0) << "the seed must give a deal a computer seat leads";
    m.ImgReplayUp_MouseDown(1, 0, 1, 1);
    m.ImgReplayUp_Mouseup(1, 0, 1, 1);
    EXPECT_EQ(m.Hand[0].HandAktivitat(), 0);
    EXPECT_EQ(m.Timer1.Tag, "Play");
    ASSERT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    for (std::size_t s = 0; s < 4; ++s) EXPECT_EQ(cardsOf(m.Bord[s]), piles[s]) << s;
}

TEST_F(LastDealFixture, AClickOnTheReplayButtonStartsTheReplay) {
    playOneDeal();
    const forms::Image& up = m.ImgReplayUp;
    m.form.ClickAt(up.PixelLeft() + up.PixelWidth() / 2, up.PixelTop() + up.PixelHeight() / 2);
    EXPECT_TRUE(m.bReplay);
    EXPECT_EQ(m.myGameStatus, 7);
    EXPECT_TRUE(m.ImgReplayUp.Visible);
    EXPECT_FALSE(m.ImgReplayDn.Visible);
    for (std::size_t s = 0; s < 4; ++s) EXPECT_EQ(cardsOf(m.Hand[s]), piles[s]) << s;
}
