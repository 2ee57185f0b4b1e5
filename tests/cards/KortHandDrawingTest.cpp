// Sizing, card positions, the card under the mouse, painting modes and the
// mouse dispatch of the hand control.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "CardArt.h"
#include "Kort.h"
#include "KortHand.h"
#include "PlayState.h"
#include "TestTable.h"

namespace {

// A card of a given number, with the colour bit of its suit.
Kort makeCard(int nr) {
    Kort k;
    k.Nr = static_cast<std::int16_t>(nr);
    k.farg = 1 << (nr % 4);
    k.Sortering = static_cast<std::int16_t>(100 - nr);
    return k;
}

struct HandDrawing : ::testing::Test {
    TestTable t;
    // The hands hold pointers to these cards: a deque never moves them.
    std::deque<Kort> cards;
    void SetUp() override {
        t.m().myGameStatus = 0;
        t.m().Run();  // set-up gives every seat its code and layout
    }
    void fill(KortHand& h, int count, int firstNr = 0) {
        for (int i = 0; i < count; ++i) {
            cards.push_back(makeCard(firstNr + i));
            Kort* k = &cards.back();
            h.AddACardOSort(k, false);
        }
        h.refresh();
    }
};

TEST_F(HandDrawing, ControlSizeFollowsLayoutAndCardsToShow) {
    struct Case {
        int layout, n, width, height;
    };
    // W = 1065 and H = 1440 twips for a 71 x 96 card; halves round to even.
    const Case cases[] = {
        {0, 9, 5858, 1584},  // round(5857.5) = 5858
        {0, 6, 4260, 1584},
        {0, 3, 2662, 1584},  // round(2662.5) = 2662
        {1, 9, 1183, 5280},
        {1, 6, 1183, 3840},
        {1, 0, 1183, 960},   // an empty column is two thirds of a card high
        {2, 9, 1065, 1440},  // any other layout: one card
    };
    KortHand& h = t.m().Bord[2];
    for (const Case& c : cases) {
        h.SetLayoutStyle(c.layout);
        h.SetCardsToShow(c.n);
        EXPECT_EQ(h.Width, c.width) << "layout " << c.layout << " n " << c.n;
        EXPECT_EQ(h.Height, c.height) << "layout " << c.layout << " n " << c.n;
    }
}

TEST_F(HandDrawing, RowPositionsStepHalfACardRoundingHalvesToEven) {
    KortHand& south = t.m().Hand[0];
    const int expected[9] = {0, 36, 71, 106, 142, 178, 213, 248, 284};
    for (int i = 0; i < 9; ++i) {
        int x = -1, y = -1;
        south.CardPosition(i, false, x, y);
        EXPECT_EQ(x, expected[i]) << i;
        EXPECT_EQ(y, 10) << "a lowered south card sits a tenth lower";
        south.CardPosition(i, true, x, y);
        EXPECT_EQ(y, 0) << "a raised south card stands out upward";
    }
}

TEST_F(HandDrawing, RaisedOffsetsPointToTheMiddleOfTheTable) {
    struct Case {
        int seat;
        bool raised;
        int i, x, y;
    };
    const Case cases[] = {
        {2, true, 1, 36, 10},  {2, false, 1, 36, 0},   // north row: raised moves down
        {1, true, 2, 8, 64},   {1, false, 2, 0, 64},   // west column: raised moves right
        {3, true, 2, 0, 64},   {3, false, 2, 8, 64},   // east column: lowered moves right
        {1, false, 8, 0, 256},                         // columns step a third of a card
    };
    for (const Case& c : cases) {
        int x = -1, y = -1;
        t.m().Hand[c.seat].CardPosition(c.i, c.raised, x, y);
        EXPECT_EQ(x, c.x) << "seat " << c.seat << " raised " << c.raised;
        EXPECT_EQ(y, c.y) << "seat " << c.seat << " raised " << c.raised;
    }
    int x = -1, y = -1;
    t.m().Bord[0].CardPosition(3, true, x, y);
    EXPECT_EQ(y, 0) << "piles carry seat codes but only hands of those codes shift";
}

TEST_F(HandDrawing, CardUnderTheMouseInARow) {
    KortHand& south = t.m().Hand[0];
    fill(south, 5);
    // 391 px wide for 9 cards: a step of round(391 / 11) = 36 px.
    struct Case {
        float x;
        short card;
    };
    const Case cases[] = {{0, 1}, {35, 1}, {36, 2}, {150, 5}, {200, 5}, {251, 5}, {252, 0}, {390, 0}};
    for (const Case& c : cases) EXPECT_EQ(south.CardIndexAt(c.x, 20), c.card) << "x " << c.x;
    KortHand& empty = t.m().Hand[2];
    EXPECT_EQ(empty.CardIndexAt(10, 10), 0);
}

// Every pixel of a card's visible part belongs to that card: its left edge,
// its middle and its right edge, where the next card begins to cover it.
TEST_F(HandDrawing, CardUnderTheMouseIsTheCardDrawnOnTop) {
    const int left[9] = {0, 36, 71, 106, 142, 178, 213, 248, 284};  // drawn rows step round(35.5 i)
    KortHand& south = t.m().Hand[0];
    for (const int count : {1, 6, 9}) {
        south.ClearHand();
        cards.clear();
        fill(south, count);
        for (int i = 0; i < count; ++i) {
            int x = -1, y = -1;
            south.CardPosition(i, false, x, y);
            ASSERT_EQ(x, left[i]);
            const int right = i + 1 < count ? left[i + 1] - 1 : left[i] + south.CardWidth() - 1;
            for (const int px : {left[i], (left[i] + right) / 2, right})
                EXPECT_EQ(south.CardIndexAt(static_cast<float>(px), 50), i + 1) << count << " cards, x " << px;
        }
    }
}

TEST_F(HandDrawing, CardUnderTheMouseFollowsRaisedCards) {
    // South: the fourth card raised stands at y 0..95, the others at 10..105.
    KortHand& south = t.m().Hand[0];
    fill(south, 9);
    south.colHand.Item(4)->Kop = true;
    // West: the third card raised stands at x 8..78, the others at 0..70.
    KortHand& west = t.m().Hand[1];
    fill(west, 9, 20);
    west.colHand.Item(3)->Kop = true;
    struct Case {
        const KortHand* hand;
        float x, y;
        short card;
    };
    const Case cases[] = {
        {&south, 142, 5, 4},    // above the lowered fifth card the raised fourth shows
        {&south, 142, 50, 5},
        {&south, 106, 100, 3},  // below the raised fourth card the third shows
        {&south, 120, 50, 4},
        {&south, 20, 5, 1},     // the strip above a lowered card still takes it
        {&west, 4, 70, 2},      // left of the raised third card the second shows
        {&west, 40, 70, 3},
        {&west, 75, 100, 3},    // right of the fourth card the raised third shows
        {&west, 40, 100, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hand->CardIndexAt(c.x, c.y), c.card) << c.hand->Name << " " << c.x << "," << c.y;
}

TEST_F(HandDrawing, CardUnderTheMouseInAColumn) {
    // 352 px high for 9 cards, which step 32 px down: each card owns the
    // 32 px strip where it shows, the last card all of its own height.
    KortHand& west = t.m().Hand[1];
    fill(west, 9);
    KortHand& east = t.m().Hand[3];
    fill(east, 5, 20);
    struct Case {
        const KortHand* hand;
        float y;
        short card;
    };
    const Case cases[] = {
        {&west, 0, 1},   {&west, 31, 1},  {&west, 32, 2},  {&west, 150, 5},
        {&west, 255, 8}, {&west, 256, 9}, {&west, 351, 9},
        {&east, 127, 4}, {&east, 128, 5}, {&east, 223, 5}, {&east, 255, 5},  // a third below the last card still counts
        {&east, 256, 0}, {&east, 340, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.hand->CardIndexAt(20, c.y), c.card) << c.hand->Name << " y " << c.y;
}

TEST_F(HandDrawing, ComputerHandsDrawBacksAndTheOutOfPlayPileSmallFaces) {
    KortHand& west = t.m().Hand[1];
    fill(west, 2, 8);
    ASSERT_EQ(west.VisaHanden, 1);
    const QImage& back = CardBackPicture();
    // The top card of the column shows alone from y 0 to 32.
    for (const QPoint pt : {QPoint(10, 10), QPoint(35, 20), QPoint(60, 28)})
        EXPECT_EQ(west.PaintedSurface().pixelColor(pt), back.pixelColor(pt)) << pt.x() << "," << pt.y();

    KortHand& killed = t.m().KortKilled;
    killed.VisaHanden = 1;
    fill(killed, 1, 0);  // the ace of clubs
    // A small face is white at its middle, a back would be blue.
    const QColor mid = killed.PaintedSurface().pixelColor(26, 60);
    EXPECT_GT(mid.blue(), 200);
    EXPECT_GT(mid.red(), 200);
}

TEST_F(HandDrawing, OnlyCardsToShowAreDrawn) {
    KortHand& north = t.m().Bord[2];
    north.SetCardsToShow(2);
    fill(north, 3, 0);
    // The second card ends at x 107; a third would reach to x 142.
    EXPECT_EQ(north.PaintedSurface().pixelColor(120, 40), QColor(0, 128, 0));
    EXPECT_NE(north.PaintedSurface().pixelColor(40, 40), QColor(0, 128, 0));
}

TEST_F(HandDrawing, ClickOnANonTrumpLowersCardsHidesTheSuggestionAndPlaysNothing) {
    Main& m = t.m();
    KortHand& south = m.Hand[0];
    fill(south, 3, 0);        // clubs ace, diamonds ace, hearts ace
    south.colHand.Item(2)->Kop = true;
    south.SetHandAktivitat(1);
    m.gbFarg = farg::Spader;
    m.LblSuggest.Caption = "Play the ace";
    m.LblSuggest.Visible = true;
    south.UserControl_MouseDown(1, 0, 40, 30);  // the second card
    EXPECT_EQ(south.AntalKort(), 3);
    EXPECT_FALSE(south.colHand.Item(2)->Kop);
    EXPECT_FALSE(m.LblSuggest.Visible);
    EXPECT_EQ(m.LblSuggest.Caption, "");
    EXPECT_EQ(south.HandAktivitat(), 1) << "the seat keeps waiting";
}

// A fault further down the play a click starts ends the click but shows in
// the trace list and the game log; here the log itself fails once, on the
// played card's line.
TEST_F(HandDrawing, AFaultInThePlayAClickStartsShowsInTheTraceAndTheLog) {
    Main& m = t.m();
    KortHand& south = m.Hand[0];
    fill(south, 3, 0);  // clubs, diamonds and hearts aces
    m.gbFarg = farg::Ruter;
    CurrentSeat = 0;
    south.SetHandAktivitat(1);
    std::vector<std::string> logged;
    bool failed = false;
    m.AddLogListener([&](const std::string& line) {
        if (!failed && line.find("plays:") != std::string::npos) {
            failed = true;
            throw std::runtime_error("the log is full");
        }
        logged.push_back(line);
    });
    const int traced = m.LBTrace.ListCount();
    south.UserControl_MouseDown(1, 0, 40, 30);  // the second card, a trump
    ASSERT_TRUE(failed);
    const std::string expected = "ERROR in the card click: the log is full";
    ASSERT_GT(m.LBTrace.ListCount(), traced);
    EXPECT_EQ(m.LBTrace.Items.back(), expected);
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged.back(), expected);
}

TEST_F(HandDrawing, ClicksOnComputerHandsAndPilesGoOn) {
    Main& m = t.m();
    fill(m.Hand[3], 2, 0);
    for (KortHand* h : {&m.Hand[3], &m.Bord[1]}) {
        m.Timer1.Tag = "WAIT_KOR";
        m.myGameStatus = 99;  // the state machine only reports that it ran
        h->UserControl_MouseDown(1, 0, 5, 5);
        EXPECT_EQ(m.Timer1.Tag, "") << h->Name;
        m.Timer1.Tag = "WAIT_KOR";
        h->UserControl_Click();
        EXPECT_EQ(m.Timer1.Tag, "") << h->Name;
    }
    // A face-up hand waiting for a card ignores the click that follows a press.
    KortHand& south = m.Hand[0];
    south.SetHandAktivitat(1);
    m.Timer1.Tag = "WAIT_KOR";
    south.UserControl_Click();
    EXPECT_EQ(m.Timer1.Tag, "WAIT_KOR");
}

// A table nobody sees paints no pictures into its picture boxes, and a
// refresh leaves a hand's cards undrawn; once the table is seen, the boxes
// paint again and a hand shown draws its cards.
TEST_F(HandDrawing, AnUnseenTablePaintsNoPictures) {
    Main& m = t.m();
    m.form.Unseen = true;
    KortHand& north = m.Hand[2];
    north.Surface = QImage();
    fill(north, 3);
    EXPECT_TRUE(north.Surface.isNull());
    forms::PictureBox& button = m.PBBid[3];
    button.Surface = QImage();
    button.PaintPicture(m.PBNumbersBlue, 0, 0, 37, 37, 0, 0, forms::RasterOp::Copy);
    EXPECT_EQ(button.Surface.pixelColor(18, 18), QColor::fromRgb(button.BackColor));

    m.form.Unseen = false;
    const QImage& shown = north.PaintedSurface();
    ASSERT_FALSE(shown.isNull());
    EXPECT_NE(shown.pixelColor(40, 40), QColor(0, 128, 0));
    button.PaintPicture(m.PBNumbersBlue, 0, 0, 37, 37, 0, 0, forms::RasterOp::Copy);
    EXPECT_EQ(button.Surface.pixel(18, 18), m.PBNumbersBlue.Surface.pixel(18, 18) | 0xff000000u);
}

}  // namespace
