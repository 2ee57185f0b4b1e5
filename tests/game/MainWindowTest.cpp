// The table window: controls at their places (checked on rendered pixels
// and on the model) and the layout procedures of the game flow.
#include <gtest/gtest.h>

#include "FormPainter.h"
#include "TestTable.h"

namespace {

const QColor kGreen(0, 128, 0);

QColor centre(const QImage& img, const forms::Control& c) {
    return img.pixelColor(c.PixelLeft() + c.PixelWidth() / 2, c.PixelTop() + c.PixelHeight() / 2);
}

bool regionHas(const QImage& img, const QRect& r, const QColor& c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixelColor(x, y) == c) return true;
    return false;
}

TEST(MainWindowTest, RenderedTableShowsItsControlsAtTheirPlaces) {
    TestTable t;
    Main& m = t.m();
    m.myGameStatus = 0;
    m.Run();
    const QImage img = forms::RenderForm(m.form);
    ASSERT_EQ(img.size(), QSize(1016, 734));
    EXPECT_EQ(img.pixelColor(5, 5), kGreen);
    // About (blue) and Exit (red) faces at the top of the score sheet.
    const auto faceAt = [&](const forms::Control& c) { return img.pixelColor(c.PixelLeft() + 8, c.PixelTop() + 18); };
    const QColor about = faceAt(m.ImgAboutUp), exitFace = faceAt(m.ImgExitUp);
    EXPECT_GT(about.blue(), about.red());
    EXPECT_GT(exitFace.red(), 150);
    EXPECT_LT(exitFace.green(), 120);
    // The score sheet's frame: Line1 at x 896 down to y 632, Line3 at y 184.
    EXPECT_EQ(img.pixelColor(896, 400), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(950, 184), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(896, 640), kGreen);
    // The statistics read "0" in cyan; the side pictures stand below them.
    EXPECT_TRUE(regionHas(img, QRect(792, 120, 33, 17), QColor(0, 255, 255)));
    const auto figureAt = [&](const forms::Control& c) { return img.pixelColor(c.PixelLeft() + 17, c.PixelTop() + 32); };
    EXPECT_NE(figureAt(m.Image1), kGreen);
    EXPECT_NE(figureAt(m.Image2), kGreen);
    // The suggestion switch and the seat pictures are shown; the colour,
    // continue and bid buttons are not.
    EXPECT_NE(centre(img, m.ImgSuggestUp), kGreen);
    for (const forms::Image& p : m.ImgPlayer) EXPECT_NE(centre(img, p), kGreen) << p.Index;
    EXPECT_EQ(centre(img, m.ImgKlUp), kGreen);
    EXPECT_EQ(centre(img, m.ImgContUp), kGreen);
    EXPECT_EQ(centre(img, m.PBBid[9]), kGreen);
}

TEST(MainWindowTest, RenderedDealShowsHandsAndThePackAtTheirPlaces) {
    TestTable t;
    Main& m = t.m();
    m.Form_Load();
    const auto dealt = [&] {
        for (const KortHand& h : m.Hand)
            if (h.AntalKort() < 9) return false;
        return true;
    };
    for (int i = 0; i < 100 && !dealt(); ++i) t.advance(100);
    ASSERT_TRUE(dealt());
    const QImage img = forms::RenderForm(m.form);
    const auto at = [&](const forms::Control& c, int x, int y) {
        return img.pixelColor(c.PixelLeft() + x, c.PixelTop() + y);
    };
    const auto isBack = [](const QColor& c) { return c.blue() > c.red() + 60 && c.blue() > c.green() + 40; };
    // Computer hands show backs: the top card of each column, the last card
    // of the north row.
    EXPECT_TRUE(isBack(at(m.Hand[1], 35, 20)));
    EXPECT_TRUE(isBack(at(m.Hand[3], 35, 20)));
    EXPECT_TRUE(isBack(at(m.Hand[2], 284 + 35, 20)));
    // The human's row shows faces, a tenth of a card below the control's top
    // while no card is raised; above that is table.
    EXPECT_EQ(at(m.Hand[0], 30, 12), QColor(Qt::white));
    EXPECT_EQ(at(m.Hand[0], 30, 5), kGreen);
    EXPECT_EQ(at(m.Hand[0], 284 + 66, 50), QColor(Qt::white)) << "the ninth card starts 284 px in";
    EXPECT_EQ(at(m.Hand[0], 284 + 72, 50), kGreen);
    // The pack lies large beside the dealer, seat 0; the piles are empty.
    EXPECT_TRUE(isBack(at(m.PakkoImageXP[0], 40, 60)));
    EXPECT_EQ(centre(img, m.Bord[0]), kGreen);
    EXPECT_EQ(centre(img, m.Bord[1]), kGreen);
}

TEST(MainWindowTest, ThePromptReadsOverTheChosenColour) {
    // The prompt crosses the middle of the chosen colour; over a black suit
    // its dark letters need their light rim to be seen at all.
    TestTable t;
    Main& m = t.m();
    m.myGameStatus = 0;
    m.Run();
    m.ImgSpChosen.Visible = true;
    m.LblClickVidare.Visible = true;
    ASSERT_EQ(m.LblClickVidare.Caption, "Click to proceed...");
    const QImage img = forms::RenderForm(m.form);
    const int midX = m.ImgSpChosen.PixelLeft() + m.ImgSpChosen.PixelWidth() / 2;
    const QRect lettersOverTheSpade(midX - 6, m.LblClickVidare.PixelTop() + 5, 17, 7);
    int light = 0, dark = 0;
    for (int y = lettersOverTheSpade.top(); y <= lettersOverTheSpade.bottom(); ++y)
        for (int x = lettersOverTheSpade.left(); x <= lettersOverTheSpade.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.lightness() > 200) ++light;
            if (c.lightness() < 60) ++dark;
        }
    EXPECT_GE(light, 10);
    EXPECT_GE(dark, 10);
    // The picture still shows above and below the prompt.
    EXPECT_LT(img.pixelColor(midX, m.ImgSpChosen.PixelTop() + 20).lightness(), 60);
    EXPECT_LT(img.pixelColor(midX, m.LblClickVidare.PixelTop() + m.LblClickVidare.PixelHeight() + 2).lightness(), 60);
}

TEST(MainWindowTest, GeometryOfTheMainControls) {
    TestTable t;
    Main& m = t.m();
    struct Case {
        const forms::Control* c;
        int left, top, width, height;
    };
    const Case cases[] = {
        {&m.Hand[0], 3120, 8280, -1, -1},    {&m.Hand[3], 10320, 2880, -1, -1},
        {&m.KortKilled, 9120, 8400, -1, -1}, {&m.ImgAboutUp, 13440, 360, 555, 555},
        {&m.ImgExitDn, 14160, 360, 555, 555}, {&m.ImgSuggestUp, 2550, 8400, 390, 390},
        {&m.ImgKlChosen, 4800, 4680, 975, 975}, {&m.ImgPlayer[2], 4920, 2280, 555, 555},
        {&m.PBBid[0], 2880, 7440, 555, 555}, {&m.PBBid[9], 8280, 7440, 555, 555},
        {&m.PBBudet[10], 13560, 8880, 555, 555}, {&m.LabelVi[10], 12000, 9000, 375, 255},
        {&m.LblGameOver, 2520, 2160, 6615, 975}, {&m.LblClickVidare, 4320, 4965, 2910, 375},
        {&m.ImgBudNamn[0], 14280, 2880, 555, 555}, {&m.BtnDebugMsg, 11640, 9600, 975, 495},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.c->Left, c.left) << c.c->Name << c.c->Index;
        EXPECT_EQ(c.c->Top, c.top) << c.c->Name << c.c->Index;
        if (c.width >= 0) {
            EXPECT_EQ(c.c->Width, c.width) << c.c->Name << c.c->Index;
            EXPECT_EQ(c.c->Height, c.height) << c.c->Name << c.c->Index;
        }
    }
    EXPECT_EQ(m.form.ClientWidth, 15240);
    EXPECT_EQ(m.form.ClientHeight, 11010);
    EXPECT_EQ(m.LblGameOver.Caption, "Game             Over");
    EXPECT_EQ(m.LabelBud[0].ForeColor, forms::RGB(255, 255, 15));
    EXPECT_EQ(m.LblNotInPlay.ForeColor, forms::RGB(128, 0, 0));
    EXPECT_EQ(m.Timer1.Interval(), 1000);
    EXPECT_EQ(m.Timer2.Interval(), 180);
    EXPECT_EQ(m.Timer3.Interval(), 1200);
    EXPECT_FALSE(m.TimerAD.Enabled());
}

TEST(MainWindowTest, UpFacesStandInFrontOfTheirPressedFaces) {
    TestTable t;
    Main& m = t.m();
    const int x = m.ImgAboutUp.PixelLeft() + 5, y = m.ImgAboutUp.PixelTop() + 5;
    EXPECT_EQ(m.form.HitTest(x, y), &m.ImgAboutUp);
    m.ImgAboutUp.Visible = false;
    EXPECT_EQ(m.form.HitTest(x, y), &m.ImgAboutDn);
}

TEST(MainWindowTest, GlyphStripsHaveTheirCellLayout) {
    TestTable t;
    Main& m = t.m();
    for (const forms::PictureBox* s : {&m.PBNumbersBlue, &m.PBNumbersBlack, &m.PBNumbersGoldDN, &m.PBNumbersBlackDN})
        EXPECT_EQ(s->Surface.size(), QSize(373, 37)) << s->Name;
    EXPECT_EQ(m.PBButtonsBackground.Surface.size(), QSize(222, 37));
    EXPECT_EQ(m.PBButtonsBackgroundDN.Surface.size(), QSize(222, 37));
    EXPECT_EQ(m.PBStrike.Surface.size(), QSize(37, 37));
    // Glyphs are white where the face shows through: cell corners and the
    // spare pixels at the right of a number strip.
    EXPECT_EQ(m.PBNumbersBlue.Surface.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(m.PBNumbersBlue.Surface.pixelColor(371, 20), QColor(Qt::white));
    EXPECT_EQ(m.PBStrike.Surface.pixelColor(2, 2), QColor(Qt::white));
    // The pass glyph is a dash across the middle of cell 0.
    EXPECT_LT(m.PBNumbersBlue.Surface.pixelColor(18, 18).red(), 100);
    // Background faces by colour: grey plain, green made, orange suggested, red lost.
    const QColor grey = m.PBButtonsBackground.Surface.pixelColor(18, 18);
    const QColor made = m.PBButtonsBackground.Surface.pixelColor(37 + 18, 18);
    const QColor suggested = m.PBButtonsBackground.Surface.pixelColor(148 + 18, 18);
    const QColor lost = m.PBButtonsBackground.Surface.pixelColor(185 + 18, 18);
    EXPECT_NEAR(grey.red(), grey.blue(), 10);
    EXPECT_GT(made.green(), made.red() + 80);
    EXPECT_GT(suggested.red(), suggested.blue() + 100);
    EXPECT_GT(lost.red(), lost.green() + 100);
}

TEST(MainWindowTest, SmallPackImagesAreStableAndTheLargeLayoutRestoresThem) {
    TestTable t;
    Main& m = t.m();
    m.LayoutPackImages();
    m.PakkoImageXP[2].Visible = true;
    m.PakkoLiten();
    m.PakkoLiten();
    const int small[4][2] = {{9600, 2560}, {2040, 240}, {120, 2700}, {2040, 9800}};
    for (int s = 0; s < 4; ++s) {
        const forms::Image& p = m.PakkoImageXP[s];
        EXPECT_EQ(p.Top, small[s][0]);
        EXPECT_EQ(p.Left, small[s][1]);
        EXPECT_EQ(p.Width, 420);
        EXPECT_EQ(p.Height, 580);
        EXPECT_TRUE(p.Stretch);
        EXPECT_EQ(p.Visible, s == 2) << "visibility is left alone";
    }
    m.LayoutPackImages();
    const int large[4][2] = {{8400, 950}, {600, 120}, {600, 1680}, {600, 10200}};
    for (int s = 0; s < 4; ++s) {
        const forms::Image& p = m.PakkoImageXP[s];
        EXPECT_EQ(p.Top, large[s][0]);
        EXPECT_EQ(p.Left, large[s][1]);
        EXPECT_EQ(p.Width, 1305);
        EXPECT_EQ(p.Height, 1740);
        EXPECT_FALSE(p.Stretch);
    }
    m.PakkoBort();
    for (const forms::Image& p : m.PakkoImageXP) EXPECT_FALSE(p.Visible);
}

TEST(MainWindowTest, PileLayoutsForTheDealAndForPlay) {
    TestTable t;
    Main& m = t.m();
    m.myGameStatus = 0;
    m.Run();
    struct Case {
        void (Main::*layout)();
        int offset, cards;
    };
    const Case cases[] = {{&Main::LayoutBordForDeal, 2760, 9}, {&Main::LayoutBordForPlay, 4200, 6}};
    for (const Case& c : cases) {
        (m.*c.layout)();
        EXPECT_EQ(m.Bord[0].Left, c.offset);
        EXPECT_EQ(m.Bord[2].Left, c.offset);
        EXPECT_EQ(m.Bord[1].Top, c.offset);
        EXPECT_EQ(m.Bord[3].Top, c.offset);
        for (const KortHand& b : m.Bord) EXPECT_EQ(b.CardsToShow(), c.cards);
        EXPECT_EQ(m.Bord[0].Top, 5760) << "rows keep their height on the table";
        EXPECT_EQ(m.Bord[1].Left, 1560);
    }
}

}  // namespace
