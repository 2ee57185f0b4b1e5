// The table on a high-density screen: its pictures, glyph strips, bid
// buttons and hands carry more device pixels in the same places.
#include <gtest/gtest.h>

#include "FormPainter.h"
#include "Kort.h"
#include "TestTable.h"

namespace {

struct DenseTable : ::testing::Test {
    TestTable t;
    void SetUp() override { t.m().form.SetPixelRatio(2); }
};

TEST_F(DenseTable, PicturesAndStripsAreDrawnAtTheRatioInTheirOwnSizes) {
    Main& m = t.m();
    struct Case {
        const forms::Image* image;
        QSize pixels;
    };
    const Case cases[] = {{&m.ImgExitUp, {37, 37}}, {&m.ImgSuggestDn, {26, 26}}, {&m.ImgKlChosen, {65, 65}},
                          {&m.PakkoImageXP[0], {84, 116}}, {&m.Image1, {53, 41}}, {&m.ImgPlayer[2], {37, 37}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(c.image->Picture) << c.image->Name;
        EXPECT_EQ(c.image->Picture->size(), c.pixels * 2) << c.image->Name;
        EXPECT_EQ(c.image->Picture->deviceIndependentSize().toSize(), c.pixels) << c.image->Name;
    }
    EXPECT_EQ(m.PBNumbersBlue.Surface.size(), QSize(746, 74));
    EXPECT_EQ(m.PBNumbersBlue.Width, 373 * 15) << "the strip keeps its size in twips";
    EXPECT_EQ(m.PBButtonsBackground.Surface.size(), QSize(444, 74));
    EXPECT_EQ(m.PBStrike.Surface.size(), QSize(74, 74));
}

TEST_F(DenseTable, BidButtonsAreTheirFaceAndedWithTheirGlyphOnEveryDevicePixel) {
    Main& m = t.m();
    m.gbHogstaBudet = 7;
    m.attSaka = 3;
    m.attBjuda = 0;
    m.LoadBjudform(0);
    const QImage& nine = m.PBBid[4].Surface;  // bid 9: allowed, not struck
    ASSERT_EQ(nine.size(), QSize(74, 74));
    const QImage& face = m.PBButtonsBackground.Surface;
    const QImage& glyphs = m.PBNumbersBlue.Surface;
    int inked = 0;
    for (int y = 0; y < 74; ++y)
        for (int x = 0; x < 74; ++x) {
            const QRgb want = (face.pixel(x, y) & glyphs.pixel(4 * 74 + x, y)) | 0xff000000u;
            ASSERT_EQ(nine.pixel(x, y), want) << x << "," << y;
            inked += glyphs.pixel(4 * 74 + x, y) != 0xffffffffu ? 1 : 0;
        }
    EXPECT_GT(inked, 100) << "the glyph shows";
}

TEST_F(DenseTable, HandsAreDrawnAtTheRatioInTheirPlaces) {
    Main& m = t.m();
    m.myGameStatus = 0;
    m.Run();
    std::vector<Kort> cards(3);
    for (int i = 0; i < 3; ++i) {
        cards[static_cast<std::size_t>(i)].Nr = static_cast<std::int16_t>(4 * i);
        Kort* k = &cards[static_cast<std::size_t>(i)];
        m.Bord[2].AddACardOSort(k, false);
    }
    KortHand& pile = m.Bord[2];
    pile.SetCardsToShow(2);
    const QImage& drawn = pile.PaintedSurface();
    EXPECT_EQ(drawn.size(), QSize(pile.PixelWidth(), pile.PixelHeight()) * 2);
    // The second card ends at x 107; a third would reach to x 142.
    EXPECT_EQ(drawn.pixelColor(2 * 120, 2 * 40), QColor(0, 128, 0));
    EXPECT_NE(drawn.pixelColor(2 * 40, 2 * 40), QColor(0, 128, 0));
    const QImage table = forms::RenderForm(m.form, 2.0);
    const QPoint at(pile.PixelLeft() * 2 + 80, pile.PixelTop() * 2 + 80);
    EXPECT_EQ(table.pixelColor(at), drawn.pixelColor(80, 80)) << "shown pixel for pixel";
}

}  // namespace
