// The form painter, checked on decisive pixels of small forms.
#include <gtest/gtest.h>

#include <QPainter>

#include <memory>

#include "Controls.h"
#include "FormPainter.h"

namespace {

using forms::RGB;

bool regionHas(const QImage& img, const QRect& r, const QColor& c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixelColor(x, y) == c) return true;
    return false;
}

struct PainterFixture : ::testing::Test {
    forms::Form form;
    void SetUp() override {
        form.ClientWidth = 200 * 15;
        form.ClientHeight = 100 * 15;
        form.BackColor = RGB(0, 128, 0);
    }
};

TEST(CaptionTextTest, EveryLineEndBreaksALine) {
    EXPECT_EQ(forms::CaptionText("a\r\nb"), QStringLiteral("a\nb"));
    EXPECT_EQ(forms::CaptionText("a\rb\nc"), QStringLiteral("a\nb\nc"));
    EXPECT_EQ(forms::CaptionText("Game             Over"), QStringLiteral("Game             Over"));
}

TEST_F(PainterFixture, LabelsFillTheirBoxAndBreakLines) {
    forms::Label l;
    l.Move(0, 0, 100 * 15, 60 * 15);
    l.BackColor = RGB(0, 0, 255);
    l.ForeColor = RGB(255, 255, 0);
    l.Caption = "Contact:\rsomeone";
    form.Add(l);
    const QImage img = forms::RenderForm(form);
    ASSERT_EQ(img.size(), QSize(200, 100));
    EXPECT_EQ(img.pixelColor(99, 59), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(100, 10), QColor(0, 128, 0));
    const int line = QFontMetrics(forms::LabelFont(l)).height();
    EXPECT_TRUE(regionHas(img, QRect(0, 0, 100, line), QColor(255, 255, 0)));
    EXPECT_TRUE(regionHas(img, QRect(0, line, 100, line), QColor(255, 255, 0))) << "the second line";
    l.Visible = false;
    EXPECT_EQ(forms::RenderForm(form).pixelColor(50, 30), QColor(0, 128, 0));
}

TEST_F(PainterFixture, WindowedControlsStandAboveGraphicalOnes) {
    forms::PictureBox box;
    box.Move(0, 0, 20 * 15, 20 * 15);
    box.BackColor = RGB(255, 0, 0);
    box.Cls();
    forms::Image img;
    img.Move(0, 0, 20 * 15, 20 * 15);
    auto pic = std::make_shared<QImage>(20, 20, QImage::Format_RGB32);
    pic->fill(Qt::white);
    img.Picture = pic;
    form.Add(box);  // registered first, still in front
    form.Add(img);
    EXPECT_EQ(forms::RenderForm(form).pixelColor(10, 10), QColor(255, 0, 0));
    box.Visible = false;
    EXPECT_EQ(forms::RenderForm(form).pixelColor(10, 10), QColor(Qt::white));
}

TEST_F(PainterFixture, ImagesStretchOrKeepTheirOwnSize) {
    auto pic = std::make_shared<QImage>(10, 10, QImage::Format_RGB32);
    pic->fill(Qt::white);
    forms::Image natural, stretched;
    natural.Move(0, 0, 40 * 15, 40 * 15);
    natural.Picture = pic;
    stretched.Move(100 * 15, 0, 40 * 15, 40 * 15);
    stretched.Picture = pic;
    stretched.Stretch = true;
    form.Add(natural);
    form.Add(stretched);
    const QImage out = forms::RenderForm(form);
    EXPECT_EQ(out.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(out.pixelColor(20, 20), QColor(0, 128, 0));
    EXPECT_EQ(out.pixelColor(130, 30), QColor(Qt::white));
}

TEST_F(PainterFixture, LinesAndScaledRendering) {
    forms::Line line;
    line.X1 = 50 * 15;
    line.Y1 = 0;
    line.X2 = 50 * 15;
    line.Y2 = 90 * 15;
    form.Add(line);
    const QImage once = forms::RenderForm(form);
    EXPECT_EQ(once.pixelColor(50, 40), QColor(0, 0, 0));
    EXPECT_EQ(once.pixelColor(52, 40), QColor(0, 128, 0));
    const QImage twice = forms::RenderForm(form, 2.0);
    EXPECT_EQ(twice.size(), QSize(400, 200));
    int dark = 0;
    for (int x = 96; x < 104; ++x) dark += twice.pixelColor(x, 80).green() == 0 ? 1 : 0;
    EXPECT_EQ(dark, 2) << "the line doubles in width";
}

}  // namespace
