#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>

#include "Main.h"
#include "TestTable.h"
#include "ViDeScoreboard.h"

namespace {

constexpr int Cell = 37;
constexpr forms::Rgb Yellow = forms::RGB(255, 255, 0);
constexpr forms::Rgb Red = forms::RGB(255, 0, 0);
constexpr QRgb Mark = 0xFF000000;  // black: what an ANDed glyph leaves

// Background cell k has its own colour, so a cell's face tells where it came from.
QRgb faceColour(int k) { return qRgb(40 + 20 * k, 200, 120); }

// Glyph cell k is white (AND keeps the face) except one black mark at
// (k + 1, 2), so the mark's place tells which number cell was ANDed. The
// columns past the tenth cell are black: a read beside the strip shows.
QImage numberStrip() {
    QImage img(373, Cell, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int k = 0; k < 10; ++k) img.setPixel(Cell * k + k + 1, 2, Mark);
    for (int x = 370; x < 373; ++x)
        for (int y = 0; y < Cell; ++y) img.setPixel(x, y, Mark);
    return img;
}

QImage backgroundStrip() {
    QImage img(373, Cell, QImage::Format_RGB32);
    for (int k = 0; k < 10; ++k)
        for (int x = 0; x < Cell; ++x)
            for (int y = 0; y < Cell; ++y) img.setPixel(Cell * k + x, y, faceColour(k));
    return img;
}

// The number cell a painted bid cell shows, -1 for none.
int glyphShown(const forms::PictureBox& pb) {
    int found = -1;
    for (int k = 0; k < 10; ++k)
        if ((pb.Surface.pixel(k + 1, 2) | 0xFF000000) == Mark) found = found == -1 ? k : -2;
    return found;
}

bool anyMark(const forms::PictureBox& pb) {
    for (int x = 0; x < Cell; ++x)
        for (int y = 0; y < Cell; ++y)
            if ((pb.Surface.pixel(x, y) | 0xFF000000) == Mark) return true;
    return false;
}

class ScoreSheet : public ::testing::Test {
protected:
    TestTable t;
    Main& m = t.m();

    void SetUp() override {
        m.PBButtonsBackground.Surface = backgroundStrip();
        m.PBNumbersBlue.Surface = numberStrip();
        for (int s = 0; s < 4; ++s) {
            auto pic = std::make_shared<QImage>(37, 37, QImage::Format_RGB32);
            pic->fill(qRgb(10 * s, 0, 0));
            m.ImgPlayer[s].Picture = pic;
        }
        ScoreboardEntry = {};
        ClearScoreboard();
    }

    void add(short vi, short de, short bid, short bidder, bool viWon = false, bool deWon = false) {
        ScoreboardEntry = {vi, de, bid, bidder, viWon, deWon};
        AddScoreboardRow();
    }

    void expectEmptyRow(int r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_EQ(m.LabelVi[r].Caption, "");
        EXPECT_EQ(m.LabelDe[r].Caption, "");
        EXPECT_FALSE(m.ImgBudNamn[r].Visible);
        EXPECT_FALSE(m.PBBudet[r].Visible);
    }
};

TEST_F(ScoreSheet, FirstRowShowsTotalsBidderAndTheMadeBid) {
    add(7, 5, 7, 2);
    EXPECT_EQ(ScoreboardRowCount, 1);
    EXPECT_EQ(m.LabelVi[0].Caption, "7");
    EXPECT_EQ(m.LabelDe[0].Caption, "5");
    EXPECT_TRUE(m.ImgBudNamn[0].Visible);
    EXPECT_EQ(m.ImgBudNamn[0].Picture, m.ImgPlayer[2].Picture);
    ASSERT_TRUE(m.PBBudet[0].Visible);
    EXPECT_EQ(m.PBBudet[0].Surface.pixel(20, 20), faceColour(1));  // the made face at x 37
    EXPECT_EQ(glyphShown(m.PBBudet[0]), 2);                          // the number 7
    EXPECT_EQ(ScoreboardBidder[0], "2");
    for (int r = 1; r < ScoreboardRows; ++r) expectEmptyRow(r);
    for (int r = 0; r < ScoreboardRows; ++r) {
        EXPECT_EQ(m.LabelVi[r].ForeColor, Yellow);
        EXPECT_EQ(m.LabelDe[r].ForeColor, Yellow);
    }
}

TEST_F(ScoreSheet, BidCellsShowFaceAndNumberOfEachBid) {
    struct Case {
        short bid;
        int face;   // background cell
        int glyph;  // number cell, -1 none
    };
    const Case cases[] = {
        {6, 1, 1},   {7, 1, 2},    {14, 1, 9},   {-8, 5, 3}, {-6, 5, 1}, {-14, 5, 9},
        // Bids the strip has no number for: the face alone, nothing read beside the strip.
        {15, 1, -1}, {-15, 5, -1}, {0, 5, -1},   {5, 1, -1}, {-32768, 5, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("bid " + std::to_string(c.bid));
        ClearScoreboard();
        add(1, 2, c.bid, 0);
        const forms::PictureBox& pb = m.PBBudet[0];
        EXPECT_EQ(pb.Surface.pixel(20, 20), faceColour(c.face));
        if (c.glyph >= 0)
            EXPECT_EQ(glyphShown(pb), c.glyph);
        else
            EXPECT_FALSE(anyMark(pb));
    }
}

TEST_F(ScoreSheet, ALostBidOfEightUsesTheLostFaceAndTheGlyphAtX111) {
    const BidCellSource src = BidCellFor(-8);
    EXPECT_EQ(src.faceX, 185);
    EXPECT_EQ(src.glyphX, 111);
    EXPECT_EQ(BidCellFor(8).faceX, 37);
    EXPECT_EQ(BidCellFor(8).glyphX, 111);
}

TEST_F(ScoreSheet, NegativeTotalsShowTheirSignAndNoLeadingBlank) {
    add(-8, 7, -8, 0);
    EXPECT_EQ(m.LabelVi[0].Caption, "-8");
    EXPECT_EQ(m.LabelDe[0].Caption, "7");
    add(-1, 0, 6, 3);
    EXPECT_EQ(m.LabelVi[1].Caption, "-1");
    EXPECT_EQ(m.LabelDe[1].Caption, "0");
    EXPECT_EQ(m.ImgBudNamn[1].Picture, m.ImgPlayer[3].Picture);
}

TEST_F(ScoreSheet, TheTwelfthDealScrollsTheFirstAway) {
    // Deal i: Vi total i, De total 100 + i, bid 6 + i % 9 (lost on odd deals), bidder i % 4.
    const auto bidOf = [](int i) { return static_cast<short>(i % 2 ? -(6 + i % 9) : 6 + i % 9); };
    for (int i = 1; i <= 12; ++i) add(static_cast<short>(i), static_cast<short>(100 + i), bidOf(i), i % 4);
    EXPECT_EQ(ScoreboardRowCount, 11);
    for (int r = 0; r < ScoreboardRows; ++r) {
        const int deal = r + 2;
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_EQ(m.LabelVi[r].Caption, std::to_string(deal));
        EXPECT_EQ(m.LabelDe[r].Caption, std::to_string(100 + deal));
        EXPECT_EQ(m.ImgBudNamn[r].Picture, m.ImgPlayer[deal % 4].Picture);
        const short bid = bidOf(deal);
        EXPECT_EQ(m.PBBudet[r].Surface.pixel(20, 20), faceColour(bid > 0 ? 1 : 5));
        EXPECT_EQ(glyphShown(m.PBBudet[r]), (bid > 0 ? bid : -bid) - 5);
    }
    // The thirteenth scrolls again.
    add(13, 113, 9, 1);
    EXPECT_EQ(ScoreboardRowCount, 11);
    EXPECT_EQ(m.LabelVi[0].Caption, "3");
    EXPECT_EQ(m.LabelVi[10].Caption, "13");
}

TEST_F(ScoreSheet, AWinTurnsTheWinnersWholeColumnRedUntilCleared) {
    struct Case {
        bool viWon, deWon;
    };
    for (const Case c : {Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(c.viWon ? "Vi wins" : "De wins");
        ClearScoreboard();
        add(30, 40, 7, 1);
        add(50, 62, 8, 1, c.viWon, c.deWon);
        for (int r = 0; r < ScoreboardRows; ++r) {
            EXPECT_EQ(m.LabelVi[r].ForeColor, c.viWon ? Red : Yellow) << "row " << r;
            EXPECT_EQ(m.LabelDe[r].ForeColor, c.deWon ? Red : Yellow) << "row " << r;
        }
        // Only clearing undoes the red; a later row without a win leaves it.
        add(51, 63, 6, 0);
        EXPECT_EQ(m.LabelDe[10].ForeColor, c.deWon ? Red : Yellow);
        EXPECT_EQ(m.LabelVi[10].ForeColor, c.viWon ? Red : Yellow);
    }
    ClearScoreboard();
    EXPECT_EQ(ScoreboardRowCount, 0);
    for (int r = 0; r < ScoreboardRows; ++r) {
        expectEmptyRow(r);
        EXPECT_EQ(m.LabelVi[r].ForeColor, Yellow);
        EXPECT_EQ(m.LabelDe[r].ForeColor, Yellow);
        EXPECT_EQ(ScoreboardBidder[r], "0");
        EXPECT_EQ(ScoreboardVi[r], 0);
        EXPECT_EQ(ScoreboardBid[r], 0);
    }
}

TEST_F(ScoreSheet, ABidderOutsideTheTableShowsNoPicture) {
    add(1, 1, 6, 0);
    add(2, 2, 6, 7);
    EXPECT_TRUE(m.ImgBudNamn[1].Visible);
    EXPECT_EQ(m.ImgBudNamn[1].Picture, nullptr);
    EXPECT_EQ(m.ImgBudNamn[0].Picture, m.ImgPlayer[0].Picture);
}

}  // namespace
