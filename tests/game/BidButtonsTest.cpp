#include <gtest/gtest.h>

#include <set>

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

}  // namespace
