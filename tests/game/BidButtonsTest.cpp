#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <set>

#include "TableDriver.h"
#include "TestTable.h"
#include "VbText.h"

namespace {

struct ButtonTable : TestTable {
    std::vector<std::string> log;
    ButtonTable() { main->AddLogListener([this](const std::string& l) { log.push_back(l); }); }

    // What a button shows: its painting compared with the plain and the
    // suggested look.
    QImage look(const forms::PictureBox& bg, int bgX, const forms::PictureBox& glyphs, int k) {
        forms::PictureBox ref;
        ref.Move(0, 0, 555, 555);
        ref.EnsureSurface();
        ref.PaintPicture(bg, 0, 0, 37, 37, bgX, 0, forms::RasterOp::Copy);
        ref.PaintPicture(glyphs, 0, 0, 37, 37, 37 * k, 0, forms::RasterOp::And);
        return ref.Surface;
    }
    bool plain(int k) { return main->PBBid[static_cast<std::size_t>(k)].Surface == look(main->PBButtonsBackground, 0, main->PBNumbersBlue, k); }
    bool suggestedLook(int k) {
        return main->PBBid[static_cast<std::size_t>(k)].Surface == look(main->PBButtonsBackground, 148, main->PBNumbersBlack, k);
    }
    bool allowed(int k) {
        main->PBBid_MouseDown(k);
        const bool pressed = main->PBBidDN[static_cast<std::size_t>(k)].Visible;
        main->PBBid[static_cast<std::size_t>(k)].Visible = true;
        main->PBBidDN[static_cast<std::size_t>(k)].Visible = false;
        return pressed;
    }
    void turn(short highest, bool deals, short suggestion, bool suggestOn) {
        main->attBjuda = 0;
        main->attSaka = deals ? 0 : 3;
        main->gbHogstaBudet = highest;
        main->bSuggest = suggestOn;
        main->myGameStatus = 2;
        main->LoadBjudform(suggestion);
    }
};

struct FormCase {
    const char* what;
    short highest;
    bool deals;
    short suggestion;
    bool suggestOn;
    std::set<int> shown, struck;
    std::set<int> allowed;  // by the handlers; hidden buttons get no mouse at all
    int tagged;
};
std::ostream& operator<<(std::ostream& o, const FormCase& c) { return o << c.what; }

class BidForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(BidForm, ShowsStrikesAndMarksTheButtons) {
    const FormCase& c = GetParam();
    ButtonTable t;
    t.turn(c.highest, c.deals, c.suggestion, c.suggestOn);
    for (int k = 0; k < 10; ++k) {
        const forms::PictureBox& pb = t.m().PBBid[static_cast<std::size_t>(k)];
        EXPECT_EQ(pb.Visible, c.shown.count(k) == 1) << "button " << k;
        EXPECT_EQ(pb.Tag == "Suggest", k == c.tagged) << "button " << k;
        if (!pb.Visible) continue;
        if (k == c.tagged && c.suggestOn)
            EXPECT_TRUE(t.suggestedLook(k)) << "button " << k;
        else if (c.struck.count(k))
            EXPECT_FALSE(t.plain(k)) << "button " << k << " should be struck";
        else
            EXPECT_TRUE(t.plain(k)) << "button " << k;
    }
    for (int k = 0; k < 10; ++k) EXPECT_EQ(t.allowed(k), c.allowed.count(k) == 1) << "button " << k;
}

const std::set<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

INSTANTIATE_TEST_SUITE_P(
    Turns, BidForm,
    ::testing::Values(FormCase{"nobody has bid", 0, false, 8, false, all, {}, all, 3},
                      FormCase{"over 9", 9, false, 0, false, all, {1, 2, 3, 4}, {0, 5, 6, 7, 8, 9}, 0},
                      FormCase{"the dealer over 9", 9, true, 10, false, {0, 1, 2, 3, 4, 5}, {1, 2, 3, 4}, {0, 5, 6, 7, 8, 9}, 5},
                      FormCase{"over 14", 14, false, 0, false, all, {1, 2, 3, 4, 5, 6, 7, 8}, {0, 9}, 0},
                      FormCase{"the dealer over 14", 14, true, 14, true, all, {1, 2, 3, 4, 5, 6, 7, 8}, {0, 9}, 9},
                      FormCase{"the suggestion shown", 7, false, 11, true, all, {1, 2}, {0, 3, 4, 5, 6, 7, 8, 9}, 6},
                      FormCase{"a suggestion with no button marks pass", 0, false, 15, true, all, {}, all, 0}));

TEST(BidButtons, AReleaseEntersTheBidAndHandsTheGameOn) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(7, false, 9, true);
    m.Hand[0].StickOutAllCardsOfFarg(1);
    m.LblSuggest.Visible = true;
    m.Label[0].ForeColor = forms::RGB(255, 255, 0);
    m.PBBid_MouseDown(4);
    EXPECT_TRUE(m.PBBidDN[4].Visible);
    EXPECT_FALSE(m.PBBid[4].Visible);
    m.PBBid_MouseUp(4);
    EXPECT_EQ(m.Hand[0].GeBud(), 9);
    EXPECT_EQ(m.gbHogstaBudet, 9);
    EXPECT_EQ(m.LabelBud[0].Caption, " 9");
    EXPECT_EQ(t.log.front(), "HUMAN Bids: 9");
    for (int k = 0; k < 10; ++k) {
        EXPECT_FALSE(m.PBBid[static_cast<std::size_t>(k)].Visible);
        EXPECT_FALSE(m.PBBidDN[static_cast<std::size_t>(k)].Visible);
        EXPECT_TRUE(m.PBBid[static_cast<std::size_t>(k)].Tag.empty());
    }
    EXPECT_FALSE(m.LblSuggest.Visible);
    EXPECT_EQ(m.Label[0].ForeColor, forms::RGB(0, 0, 0));
    EXPECT_EQ(m.myGameStatus, 2);
    EXPECT_EQ(m.Timer1.Tag, "Bjudnext") << "the next seat is asked";
}

TEST(BidButtons, PassLeavesTheHighestBidAndFourteenOverFourteenKeepsIt) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(11, false, 0, false);
    m.PBBid_MouseUp(0);
    EXPECT_EQ(m.Hand[0].GeBud(), 0);
    EXPECT_EQ(m.gbHogstaBudet, 11);
    EXPECT_EQ(m.LabelBud[0].Caption, "Pass");
    EXPECT_EQ(t.log.front(), "HUMAN Bids: PASS");

    t.turn(14, false, 14, false);
    m.PBBid_MouseUp(9);
    EXPECT_EQ(m.Hand[0].GeBud(), 14);
    EXPECT_EQ(m.gbHogstaBudet, 14);
}

TEST(BidButtons, AStruckBidDoesNothing) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(9, false, 0, false);
    m.PBBid_MouseUp(3);  // 8 over 9
    EXPECT_EQ(m.Hand[0].GeBud(), 0);
    EXPECT_TRUE(m.PBBid[3].Visible);
    EXPECT_TRUE(t.log.empty());
}

// The dealer may go only one above: the higher buttons are hidden, so a
// click there reaches no button.
TEST(BidButtons, TheDealerCannotReachTheHiddenBids) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(9, true, 10, false);
    const forms::PictureBox& b = m.PBBid[7];  // 12
    m.form.ClickAt(b.PixelLeft() + 10, b.PixelTop() + 10);
    EXPECT_EQ(m.Hand[0].GeBud(), 0);
    EXPECT_EQ(m.gbHogstaBudet, 9);
    EXPECT_TRUE(m.PBBid[5].Visible);
}

// The mouse goes to the button it went down on, even when the press hid it
// and the release is elsewhere.
TEST(BidButtons, TheButtonPressedTakesTheRelease) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(0, false, 0, false);
    const forms::PictureBox& b = m.PBBid[2];  // 7
    m.form.PressMouse(b.PixelLeft() + 10, b.PixelTop() + 10, 1);
    m.form.ReleaseMouse(5, 5, 1);
    EXPECT_EQ(m.Hand[0].GeBud(), 7);
}

TEST(BidButtons, SwitchingTheSuggestionOnRepaintsTheMarkedButton) {
    ButtonTable t;
    Main& m = t.m();
    t.turn(0, false, 12, false);
    EXPECT_TRUE(t.plain(7));
    m.bSuggest = true;
    m.ShowBjudSuggestButton();
    EXPECT_TRUE(t.suggestedLook(7));
    m.PBBid_MouseDown(7);
    EXPECT_EQ(m.PBBidDN[7].Surface, t.look(m.PBButtonsBackgroundDN, 148, m.PBNumbersBlackDN, 7));
    m.PBBid_MouseDown(8);
    EXPECT_EQ(m.PBBidDN[8].Surface, t.look(m.PBButtonsBackgroundDN, 0, m.PBNumbersGoldDN, 8));
}

// A game at the table whose computer seats all bid by one rule, with the
// shipped bid table; the human answers through the window's mouse path.
struct PlayedBidTurn : ButtonTable {
    QTemporaryDir dir;
    TableDriver driver{*main};

    PlayedBidTurn(int dealer, const std::string& action) {
        const std::string folder = dir.path().toStdString() + "/";
        QFile::copy(QString::fromStdString(DefaultInstallFolder() + "LumraBidBase.txt"),
                    QString::fromStdString(folder + "LumraBidBase.txt"));
        std::ofstream(folder + "LumraBidRulesAI.txt") << "RULE\nName, All\nEXECUTES\n" << action << "\nEND\nSTOP\n";
        main->myGameStatus = 0;
        main->Run();
        main->gbInstallPath = folder;
        main->attSaka = dealer;
        main->bSuggest = true;
        main->myGameStatus = 1;
        main->Run();
    }
    bool logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
    template <typename Done>
    bool runUntil(Done done) {
        for (int i = 0; i < 600; ++i) {
            if (done()) return true;
            advance(100);
        }
        return done();
    }
    bool coloursShown() { return main->ImgKlUp.Visible; }
};

TEST(BidButtonsInPlay, TheSuggestedBidIsMarkedAndItsColourRaisedThenAClickEntersIt) {
    PlayedBidTurn t(3, "100, BID, 9");  // seat 0 bids first
    Main& m = t.m();
    ASSERT_TRUE(t.runUntil([&] { return t.driver.bidButtonsShown(); }));
    EXPECT_EQ(m.attBjuda, 0);
    EXPECT_EQ(m.PBBid[4].Tag, "Suggest");
    EXPECT_TRUE(t.suggestedLook(4));
    EXPECT_TRUE(t.plain(3));
    const std::int32_t colour = m.Hand[0].MinFarg;
    ASSERT_TRUE(colour == 1 || colour == 2 || colour == 4 || colour == 8) << colour;
    for (const Kort* k : m.Hand[0].colHand) EXPECT_EQ(k->Kop, (k->farg & colour) != 0) << k->Nr;

    t.driver.clickOn(m.PBBid[4]);
    EXPECT_TRUE(t.logged("HUMAN Bids: 9"));
    EXPECT_FALSE(t.driver.bidButtonsShown());
    for (const Kort* k : m.Hand[0].colHand) EXPECT_FALSE(k->Kop) << k->Nr;
    // The others may not bid 9 over 9: they pass, and the human names the colour.
    ASSERT_TRUE(t.runUntil([&] { return t.coloursShown(); }));
    EXPECT_EQ(m.gbBjuditHogst, 0);
    EXPECT_EQ(m.gbHogstaBudet, 9);
    for (int s = 1; s < 4; ++s) EXPECT_EQ(m.Hand[static_cast<std::size_t>(s)].GeBud(), 0) << s;
    t.driver.clickOn(m.ImgHjUp);
    EXPECT_EQ(m.gbFarg, 4);
    EXPECT_EQ(m.Hand[0].MinFarg, 4);
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

TEST(BidButtonsInPlay, TheHumanDealerAfterThreePassesBidsSixWithoutAClick) {
    PlayedBidTurn t(0, "100, BID, PASS");
    Main& m = t.m();
    bool buttonsSeen = false;
    ASSERT_TRUE(t.runUntil([&] {
        buttonsSeen = buttonsSeen || t.driver.bidButtonsShown();
        return t.coloursShown();
    }));
    EXPECT_FALSE(buttonsSeen) << "nothing waits for a click";
    EXPECT_EQ(m.Hand[0].GeBud(), 6);
    EXPECT_EQ(m.gbHogstaBudet, 6);
    EXPECT_EQ(m.gbBjuditHogst, 0);
    EXPECT_EQ(m.LabelBud[0].Caption, " 6");
    for (const Kort* k : m.Hand[0].colHand) EXPECT_FALSE(k->Kop) << k->Nr;
    const auto at = std::find(t.log.begin(), t.log.end(), "Pakkobud");
    ASSERT_NE(at, t.log.end());
    EXPECT_NE(std::find(at, t.log.end(), "HUMAN Bids: 6"), t.log.end());
    const auto resolved = std::find(at, t.log.end(), "<BJUDIT_HOGST>");
    ASSERT_GE(t.log.end() - resolved, 4);
    EXPECT_EQ(resolved[1], "SYD");
    EXPECT_EQ(resolved[3], "6");
    EXPECT_EQ(t.dialogs.CountOf("MsgBox"), 0);
}

}  // namespace
