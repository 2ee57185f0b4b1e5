// Surfaces and pictures on a high-density screen: more device pixels, the
// same geometry in form pixels, and raster operations that keep their
// meaning on every device pixel.
#include <gtest/gtest.h>

#include <QPainter>

#include "CardArt.h"
#include "Controls.h"
#include "FormPainter.h"

namespace {

using forms::RGB;

// A picture of w x h form pixels at a ratio, filled, with the device pixel
// at dot (if any) in ink.
QImage picture(int w, int h, double ratio, QColor fill, QPoint dot = QPoint(-1, -1), QColor ink = Qt::black) {
    QImage img(forms::DeviceSize(w, h, ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    if (dot.x() >= 0) img.setPixelColor(dot, ink);
    return img;
}

struct DenseForm : ::testing::Test {
    forms::Form form;
    forms::PictureBox box;
    void SetUp() override {
        form.ClientWidth = 100 * 15;
        form.ClientHeight = 50 * 15;
        box.Move(10 * 15, 10 * 15, 20 * 15, 20 * 15);
        box.BackColor = RGB(255, 255, 255);
        form.Add(box);
        form.SetPixelRatio(2);
    }
};

TEST_F(DenseForm, SurfaceHasTheRatiosPixelsAndKeepsItsSize) {
    box.Cls();
    EXPECT_EQ(box.Surface.size(), QSize(40, 40));
    EXPECT_EQ(box.Surface.devicePixelRatio(), 2.0);
    EXPECT_EQ(forms::PaintedRect(box), QRect(10, 10, 20, 20));
    struct Case {
        int pixels;
        double ratio;
        int device;
    };
    const Case cases[] = {{37, 1.0, 37}, {37, 2.0, 74}, {37, 1.5, 56}, {373, 1.5, 560}, {26, 1.25, 33}};
    for (const Case& c : cases)
        EXPECT_EQ(forms::DeviceSize(c.pixels, 1, c.ratio).width(), c.device) << c.pixels << " at " << c.ratio;
}

TEST_F(DenseForm, CopyAndAndWorkOnEveryDevicePixel) {
    box.Cls();
    // A 10 x 10 source at ratio 2 with one dark device pixel at (3, 5):
    // copied to form pixel (4, 2) it lands on device pixel (8 + 3, 4 + 5).
    box.PaintPicture(picture(10, 10, 2.0, QColor(200, 0, 0), QPoint(3, 5)), 4, 2, 10, 10, 0, 0,
                     forms::RasterOp::Copy);
    EXPECT_EQ(box.Surface.pixelColor(11, 9), QColor(Qt::black));
    EXPECT_EQ(box.Surface.pixelColor(12, 9), QColor(200, 0, 0));
    EXPECT_EQ(box.Surface.pixelColor(7, 9), QColor(Qt::white)) << "left of the rectangle";
    // AND with a glyph that is white where the face shows through.
    box.PaintPicture(picture(10, 10, 2.0, Qt::white, QPoint(12, 4), QColor(0, 255, 255)), 0, 0, 10, 10, 0, 0,
                     forms::RasterOp::And);
    EXPECT_EQ(box.Surface.pixelColor(12, 9), QColor(200, 0, 0)) << "white keeps what is there";
    EXPECT_EQ(box.Surface.pixelColor(12, 4), QColor(0, 0, 0)) << "red AND cyan";
    EXPECT_EQ(box.Surface.pixelColor(12, 5), QColor(200, 0, 0));
}

TEST_F(DenseForm, ASourceAtOneDevicePixelPerPixelIsSampledNearest) {
    QImage plain = picture(4, 4, 1.0, Qt::white, QPoint(1, 2));
    box.PaintPicture(plain, 0, 0, 4, 4, 0, 0, forms::RasterOp::Copy);
    for (const QPoint dark : {QPoint(2, 4), QPoint(3, 4), QPoint(2, 5), QPoint(3, 5)})
        EXPECT_EQ(box.Surface.pixelColor(dark), QColor(Qt::black)) << dark.x() << "," << dark.y();
    EXPECT_EQ(box.Surface.pixelColor(4, 4), QColor(Qt::white));
}

TEST_F(DenseForm, RenderingShowsTheSurfaceAtItsPlaceInEitherScale) {
    box.Cls();
    box.PaintPicture(picture(1, 1, 2.0, QColor(0, 0, 255), QPoint(1, 1), Qt::black), 0, 0, 1, 1, 0, 0,
                     forms::RasterOp::Copy);
    const QImage dense = forms::RenderForm(form, 2.0);
    EXPECT_EQ(dense.pixelColor(20, 20), QColor(0, 0, 255));
    EXPECT_EQ(dense.pixelColor(21, 21), QColor(Qt::black)) << "each device pixel of the surface shows";
    EXPECT_EQ(dense.pixelColor(59, 59), QColor(Qt::white));
    EXPECT_EQ(dense.pixelColor(60, 60), QColor(0, 128, 0));
    const QImage plain = forms::RenderForm(form);
    EXPECT_EQ(plain.pixelColor(29, 29), QColor(Qt::white));
    EXPECT_EQ(plain.pixelColor(30, 30), QColor(0, 128, 0)) << "the same place at one pixel per pixel";
}

TEST_F(DenseForm, ImagesKeepTheirOwnSizeInFormPixels) {
    forms::Image img;
    img.Move(50 * 15, 0, 40 * 15, 40 * 15);
    img.Picture = std::make_shared<const QImage>(picture(10, 10, 2.0, Qt::white));
    form.Add(img);
    EXPECT_EQ(forms::PaintedRect(img), QRect(50, 0, 40, 40));
    const QImage dense = forms::RenderForm(form, 2.0);
    EXPECT_EQ(dense.pixelColor(119, 19), QColor(Qt::white));
    EXPECT_EQ(dense.pixelColor(120, 20), QColor(0, 128, 0));
}

TEST(CardArtTest, CardsAtARatioHaveItsPixelsAndTheCardSize) {
    for (const double ratio : {1.0, 1.5, 2.0}) {
        const QImage face = CardFaceImage(12, 0, ratio);
        EXPECT_EQ(face.size(), forms::DeviceSize(71, 96, ratio)) << ratio;
        EXPECT_NEAR(face.deviceIndependentSize().width(), 71, 0.5) << ratio;
        EXPECT_NEAR(face.deviceIndependentSize().height(), 96, 0.5) << ratio;
    }
    // Drawn on a dense surface the card covers its 71 x 96 pixels there.
    QImage dc(200, 200, QImage::Format_RGB32);
    dc.setDevicePixelRatio(2);
    dc.fill(Qt::black);
    ASSERT_TRUE(cdtDraw(&dc, 10, 0, 4, 0, 0));  // the two of clubs, blank in the middle
    EXPECT_EQ(dc.pixelColor(20 + 71, 96), QColor(255, 255, 255)) << "the middle of the card";
    EXPECT_EQ(dc.pixelColor(18, 96), QColor(Qt::black)) << "left of the card";
    EXPECT_EQ(dc.pixelColor(20 + 142 + 1, 96), QColor(Qt::black)) << "right of the card";
    EXPECT_EQ(CardBackPicture(2.0).size(), QSize(142, 192));
}

}  // namespace
