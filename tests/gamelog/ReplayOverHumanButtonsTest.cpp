// A replay or reload of a log file started while the human's bid buttons or
// colour buttons show: the new deal must not keep the old buttons, Continue
// must not hide the diamonds button, and the human's clicks must work on.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DealDriver.h"
#include "LoadLogfile.h"
#include "LogFixtureFiles.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {

bool colourButtonsShown(const Main& m) {
    for (const forms::Image* img : {&m.ImgKlUp, &m.ImgRuUp, &m.ImgHjUp, &m.ImgSpUp, &m.ImgKlDn, &m.ImgRuDn,
                                    &m.ImgHjDn, &m.ImgSpDn})
        if (img->Visible) return true;
    return false;
}

struct ButtonsFixture : ::testing::Test {
    TestTable t{7};
    Main& m = t.m();
    TableDriver driver{m};
    LogFixtureFiles files;
    std::string recorded;  // a whole recorded deal

    ButtonsFixture() {
        LogFilePath.clear();
        LogRecorder rec(m);
        m.Form_Load();
        EXPECT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
        recorded = files.write("Lumralog.txt", rec.text());
        m.AdvanceMe();  // on to the next deal
    }
    ~ButtonsFixture() override { LogFilePath.clear(); }

    // Bids the highest the buttons allow, so that the human takes the bid.
    bool bidHighUntil(const std::function<bool()>& done) {
        for (int step = 0; step < 20000; ++step) {
            if (done()) return true;
            if (driver.bidButtonsShown()) {
                for (int k = 9; k >= 0; --k)
                    if (m.PBBid[static_cast<std::size_t>(k)].Visible) {
                        driver.clickOn(m.PBBid[static_cast<std::size_t>(k)]);
                        break;
                    }
                continue;
            }
            if (m.ImgKlUp.Visible) return false;  // a colour choice not asked for
            if (!AnswerHumanTurn(m)) m.scheduler.AdvanceToNextTick();
        }
        return done();
    }
    bool toColourButtons() { return bidHighUntil([&] { return m.ImgKlUp.Visible; }); }
    bool toBidButtons() { return PlayUntil(t, [&] { return driver.bidButtonsShown(); }); }

    void replay() {
        t.dialogs.fileAnswers.push_back(recorded);
        m.BtnPlaylog_Click();
    }
    void reload() {
        t.dialogs.fileAnswers.push_back(recorded);
        m.BtnLoadlog_Click();
    }
    // The human plays the rest of the deal through the table's controls.
    bool playsToTheEnd() {
        return driver.runUntil([&] { return DealFinished(m); }, 30 * 60 * 1000);
    }
};

}  // namespace

// A reload shows both Continue faces on the diamonds button's place; the
// colour buttons put both away and bring them back after the choice.
TEST_F(ButtonsFixture, DiamondsTakeTheClickDuringAReload) {
    reload();
    ASSERT_TRUE(m.ImgContUp.Visible && m.ImgContDn.Visible);
    ASSERT_TRUE(toColourButtons());
    EXPECT_FALSE(m.ImgContUp.Visible);
    EXPECT_FALSE(m.ImgContDn.Visible);
    driver.clickOn(m.ImgRuUp);
    EXPECT_EQ(m.gbFarg, farg::Ruter);
    EXPECT_GE(m.myGameStatus, 5);
    EXPECT_FALSE(colourButtonsShown(m));
    EXPECT_TRUE(m.ImgContUp.Visible);
    EXPECT_TRUE(m.ImgContDn.Visible);
    EXPECT_TRUE(playsToTheEnd());
}

TEST_F(ButtonsFixture, AReloadOverTheColourButtonsDealsAfresh) {
    // First over a running game's buttons, then over those of the reloaded
    // deal, where Continue had made way for them.
    for (const char* when : {"in a running game", "during a reload"}) {
        SCOPED_TRACE(when);
        ASSERT_TRUE(toColourButtons());
        m.ImgRuUp_MouseDown();  // a press held while the reload starts
        reload();
        EXPECT_FALSE(colourButtonsShown(m)) << "the old deal's colour choice is gone";
        EXPECT_TRUE(m.ImgContUp.Visible);
        EXPECT_TRUE(m.ImgContDn.Visible);
        EXPECT_TRUE(m.bReplay);
        // The new deal asks again when the human takes its bid.
        ASSERT_TRUE(toColourButtons());
        EXPECT_FALSE(m.ImgContUp.Visible);
        EXPECT_FALSE(m.ImgContDn.Visible);
    }
    driver.clickOn(m.ImgRuUp);
    EXPECT_EQ(m.gbFarg, farg::Ruter);
    EXPECT_TRUE(m.ImgContUp.Visible);
    EXPECT_TRUE(m.ImgContDn.Visible);
    EXPECT_TRUE(playsToTheEnd());
}

TEST_F(ButtonsFixture, AReloadOverTheBidButtonsDealsAfresh) {
    ASSERT_TRUE(toBidButtons());
    m.PBBid_MouseDown(0);  // a press held while the reload starts
    reload();
    EXPECT_TRUE(m.bReplay);
    for (std::size_t k = 0; k < m.PBBid.size(); ++k) EXPECT_FALSE(m.PBBidDN[k].Visible) << k;
    // Whatever shows now belongs to the new deal: the human is asked only
    // when the bidding reaches the seat.
    if (driver.bidButtonsShown()) {
        EXPECT_EQ(m.attBjuda, 0);
    }
    EXPECT_TRUE(playsToTheEnd());
}

TEST_F(ButtonsFixture, AReplayOverTheHumansButtonsGoesStraightToTrickPlay) {
    for (const bool colours : {false, true}) {
        SCOPED_TRACE(colours ? "colour buttons" : "bid buttons");
        ASSERT_TRUE(colours ? toColourButtons() : toBidButtons());
        replay();
        EXPECT_EQ(m.myGameStatus, 7);
        EXPECT_FALSE(driver.bidButtonsShown());
        EXPECT_FALSE(colourButtonsShown(m));
        EXPECT_TRUE(m.ImgContUp.Visible);
        EXPECT_TRUE(m.ImgContDn.Visible);
        EXPECT_TRUE(playsToTheEnd());
        m.AdvanceMe();  // the next deal of the running game
    }
}
