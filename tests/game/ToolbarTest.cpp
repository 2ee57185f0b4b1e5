// The toolbar's image buttons, the suggestion switch and the click
// forwarding of the table's pictures and labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Localisation.h"
#include "PlayState.h"
#include "TestTable.h"

namespace {

constexpr int kProbeStatus = 99;  // any call of the state machine shows a box

struct Toolbar : ::testing::Test {
    TestTable t;
    int closeRequests = 0;
    std::vector<Kort> cards;
    Main& m() { return t.m(); }
    void SetUp() override {
        m().myGameStatus = 0;
        m().Run();
        m().form.OnCloseRequest = [this] { ++closeRequests; };
        cards.reserve(8);
    }
    void click(const forms::Control& c) {
        m().form.ClickAt(c.PixelLeft() + c.PixelWidth() / 2, c.PixelTop() + c.PixelHeight() / 2);
    }
    void giveHumanCards(int count) {
        for (int i = 0; i < count; ++i) {
            Kort k;
            k.Nr = static_cast<std::int16_t>(4 * i + 3);  // spades
            k.farg = farg::Spader;
            cards.push_back(k);
            Kort* p = &cards.back();
            m().Hand[0].AddACardOSort(p, false);
        }
    }
    bool anyRaised() {
        for (const Kort* k : m().Hand[0].colHand)
            if (k->Kop) return true;
        return false;
    }
};

TEST_F(Toolbar, ExitWithoutAGameClosesWithoutAsking) {
    m().GamePlaying = false;
    click(m().ImgExitUp);
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(m().ImgExitUp.Visible);
    EXPECT_FALSE(m().ImgExitDn.Visible);
}

TEST_F(Toolbar, ExitDuringAGameAsksAndNoLeavesTheTableAsItWas) {
    m().Form_Load();
    t.advance(3000);
    const int status = m().myGameStatus;
    const std::string tag1 = m().Timer1.Tag, tag2 = m().Timer2.Tag;
    const std::int64_t now = m().scheduler.Now();
    t.dialogs.msgBoxAnswers.push_back(forms::mb::No);
    m().ImgExitUp.MouseDown(1, 0, 0, 0);
    EXPECT_FALSE(m().ImgExitUp.Visible);
    EXPECT_TRUE(m().ImgExitDn.Visible);
    m().ImgExitUp.MouseUp(1, 0, 0, 0);
    ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 1);
    const auto& asked = t.dialogs.shown.back();
    EXPECT_EQ(asked.prompt, "Do you really want to quit?");
    EXPECT_EQ(asked.style, forms::mb::YesNo | forms::mb::Critical);
    EXPECT_EQ(asked.title, "Lumra");
    EXPECT_FALSE(m().scheduler.Paused());
    EXPECT_EQ(closeRequests, 0);
    EXPECT_EQ(m().myGameStatus, status);
    EXPECT_EQ(m().Timer1.Tag, tag1);
    EXPECT_EQ(m().Timer2.Tag, tag2);
    EXPECT_EQ(m().scheduler.Now(), now);
    t.dialogs.msgBoxAnswers.push_back(forms::mb::Yes);
    click(m().ImgExitUp);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(Toolbar, ThePressedButtonActsWhereverTheMouseIsReleased) {
    m().GamePlaying = false;
    m().form.PressMouse(m().ImgExitUp.PixelLeft() + 5, m().ImgExitUp.PixelTop() + 5, 1);
    EXPECT_TRUE(m().ImgExitDn.Visible);
    m().form.ReleaseMouse(10, 700, 1);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(Toolbar, AboutShowsTheBoxWithTheGameStopped) {
    bool paused = false;
    t.dialogs.onShowModal = [&](forms::Form&) { paused = m().scheduler.Paused(); };
    click(m().ImgAboutUp);
    EXPECT_EQ(t.dialogs.CountOf("ShowModal"), 1);
    EXPECT_TRUE(paused);
    EXPECT_FALSE(m().scheduler.Paused());
    EXPECT_TRUE(m().ImgAboutUp.Visible);
    EXPECT_FALSE(m().ImgAboutDn.Visible);
}

TEST_F(Toolbar, ReloadOnlySaysItIsUnderConstruction) {
    m().ImgReloadUp.Visible = true;
    m().myGameStatus = kProbeStatus;
    click(m().ImgReloadUp);
    ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 1);
    EXPECT_EQ(t.dialogs.shown.back().prompt, "Under Construction....");
    EXPECT_TRUE(m().ImgReloadUp.Visible);
    EXPECT_FALSE(m().ImgReloadDn.Visible);
}

TEST_F(Toolbar, ContinueStopsAReplayedDealsAnimationAndDealsAnew) {
    m().Form_Load();
    m().bReplay = true;
    m().Timer3.Tag = "ANIMATE";
    m().Timer1.Tag = "STOP_RUNDA";
    m().myGameStatus = 1;
    m().ImgContUp.Visible = true;
    m().form.PressMouse(m().ImgContUp.PixelLeft() + 5, m().ImgContUp.PixelTop() + 5, 1);
    EXPECT_TRUE(m().ImgContDn.Visible);
    m().form.ReleaseMouse(m().ImgContUp.PixelLeft() + 5, m().ImgContUp.PixelTop() + 5, 1);
    EXPECT_EQ(m().Timer3.Tag, "");
    EXPECT_FALSE(m().bReplay);
    EXPECT_FALSE(m().ImgContUp.Visible);
    EXPECT_FALSE(m().ImgContDn.Visible);
    EXPECT_EQ(m().myGameStatus, 2);
    EXPECT_EQ(m().Timer2.Tag, "DELUT");
}

TEST_F(Toolbar, SuggestionSwitchOutsideTheHumansTurnsOnlySwitches) {
    giveHumanCards(3);
    struct Case {
        int status, seat, activity;
    };
    // Discard, buying, a computer seat to play, the human's pause in play.
    const Case cases[] = {{5, 0, 0}, {6, 0, 0}, {7, 2, 0}, {7, 0, 0}};
    for (const Case& c : cases) {
        m().myGameStatus = c.status;
        CurrentSeat = c.seat;
        m().Hand[0].SetHandAktivitat(c.activity);
        m().attBjuda = 1;
        m().LblSuggest.Caption = "old text";
        m().ImgSuggestUp.MouseDown(1, 0, 1, 1);
        EXPECT_TRUE(m().bSuggest);
        EXPECT_FALSE(m().ImgSuggestUp.Visible);
        EXPECT_TRUE(m().ImgSuggestDn.Visible);
        EXPECT_TRUE(m().LblSuggest.Visible);
        EXPECT_EQ(m().LblSuggest.Caption, "old text");
        EXPECT_FALSE(anyRaised()) << "status " << c.status << " seat " << c.seat;
        m().ImgSuggestDn.MouseDown(1, 0, 1, 1);
        EXPECT_FALSE(m().bSuggest);
        EXPECT_TRUE(m().ImgSuggestUp.Visible);
        EXPECT_FALSE(m().ImgSuggestDn.Visible);
        EXPECT_FALSE(m().LblSuggest.Visible);
    }
}

TEST_F(Toolbar, SwitchingOffDuringTheBidTurnRepaintsTheSuggestedButtonPlainly) {
    giveHumanCards(3);
    m().myGameStatus = 2;
    m().attBjuda = 0;
    for (forms::PictureBox& b : m().PBBid) b.Visible = true;
    forms::PictureBox& suggested = m().PBBid[3];
    suggested.Tag = "Suggest";
    suggested.PaintPicture(m().PBButtonsBackground, 0, 0, 37, 37, 148, 0, forms::RasterOp::Copy);
    m().Hand[0].StickOutAllCardsOfFarg(farg::Spader);
    m().bSuggest = true;
    m().ImgSuggestUp.Visible = false;
    m().ImgSuggestDn.Visible = true;
    m().ImgSuggestDn.MouseDown(1, 0, 1, 1);

    forms::PictureBox plain;
    plain.Move(0, 0, 555, 555);
    plain.PaintPicture(m().PBButtonsBackground, 0, 0, 37, 37, 0, 0, forms::RasterOp::Copy);
    plain.PaintPicture(m().PBNumbersBlue, 0, 0, 37, 37, 37 * 3, 0, forms::RasterOp::And);
    EXPECT_EQ(suggested.Surface, plain.Surface);
    EXPECT_TRUE(suggested.Visible);
    EXPECT_EQ(suggested.Tag, "Suggest") << "switching on again marks the same button";
    EXPECT_FALSE(anyRaised());

    // Without a tagged button only the cards go down.
    suggested.Tag.clear();
    const QImage before = suggested.Surface;
    m().Hand[0].StickOutAllCardsOfFarg(farg::Spader);
    m().ImgSuggestUp.MouseDown(1, 0, 1, 1);
    m().ImgSuggestDn.MouseDown(1, 0, 1, 1);
    EXPECT_FALSE(anyRaised());
    EXPECT_EQ(suggested.Surface, before);
}

TEST_F(Toolbar, TraceListButtons) {
    m().ImgTraceUp.Visible = true;
    click(m().ImgTraceUp);
    EXPECT_FALSE(m().ImgTraceUp.Visible);
    EXPECT_TRUE(m().ImgTraceDn.Visible);
    EXPECT_TRUE(m().LBTrace.Visible);
    click(m().ImgTraceDn);
    EXPECT_TRUE(m().ImgTraceUp.Visible);
    EXPECT_FALSE(m().ImgTraceDn.Visible);
    EXPECT_FALSE(m().LBTrace.Visible);
}

TEST_F(Toolbar, PicturesAndLabelsOfTheTableForwardAClickToGoOn) {
    m().LblGameOver.Visible = true;
    m().LblScore.Visible = true;
    m().ImgKlChosen.Visible = true;
    m().PBBudet[0].Visible = true;
    m().LblSuggest.Visible = true;
    m().LblNotInPlay.Visible = true;
    m().Label[2].Caption = "Bob";
    const std::vector<const forms::Control*> surfaces = {
        &m().Image1, &m().Image2,      &m().ImgPlayer[1], &m().Label[2],     &m().LabelBud[3], &m().LabelVi[0],
        &m().LabelDe[5], &m().LblGameOver, &m().LblScore, &m().ImgKlChosen, &m().PBBudet[0], &m().LblSuggest,
        &m().LblStatisticDe, &m().LblNotInPlay};
    for (const forms::Control* c : surfaces) {
        m().myGameStatus = kProbeStatus;
        m().Timer1.Tag = "WAIT_KOR";
        const int px = c->PixelLeft() + 3, py = c->PixelTop() + 3;
        ASSERT_EQ(m().form.HitTest(px, py), c) << c->Name << c->Index;
        m().form.ClickAt(px, py);
        EXPECT_EQ(m().Timer1.Tag, "") << c->Name << c->Index;
    }
    // The table itself goes on as well.
    m().Timer1.Tag = "WAIT_KOR";
    m().form.ClickAt(600, 200);
    EXPECT_EQ(m().Timer1.Tag, "");
    // A click while nothing waits changes nothing.
    m().Timer1.Tag = "Play";
    click(m().Image1);
    EXPECT_EQ(m().Timer1.Tag, "Play");
}

}  // namespace
