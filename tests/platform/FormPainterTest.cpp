// The form painter, checked on decisive pixels of small forms.
#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <initializer_list>
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

// A card control's stand-in: its surface is one flat colour.
struct FlatControl : forms::UserControl {
    void Paint() override {
        Surface = QImage(PixelWidth(), PixelHeight(), QImage::Format_RGB32);
        Surface.fill(QColor(0, 255, 255));
    }
};

// A form holding one of each kind of control the painter draws, texts
// running past their boxes, so any paint that escapes a clip shows.
struct EveryControlFixture : PainterFixture {
    forms::Label plain, halo;
    forms::Image picture;
    forms::ListBox list;
    forms::PictureBox box;
    forms::CommandButton button;
    forms::Line line;
    FlatControl cards;

    void SetUp() override {
        PainterFixture::SetUp();
        plain.Move(5 * 15, 5 * 15, 90 * 15, 40 * 15);
        plain.BackColor = RGB(0, 0, 255);
        plain.ForeColor = RGB(255, 255, 0);
        plain.Caption = "Contact:\r\nsomeone far away";
        auto pic = std::make_shared<QImage>(60, 40, QImage::Format_RGB32);
        pic->fill(Qt::white);
        picture.Move(100 * 15, 5 * 15, 60 * 15, 40 * 15);
        picture.Picture = pic;
        halo.Move(100 * 15, 5 * 15, 60 * 15, 40 * 15);
        halo.BackOpaque = false;
        halo.TextHalo = true;
        halo.HaloColor = RGB(0, 0, 0);
        halo.ForeColor = RGB(255, 0, 0);
        halo.Caption = "Halo WWWWWWWWWW";
        list.Move(5 * 15, 50 * 15, 90 * 15, 45 * 15);
        list.BackColor = RGB(0, 0, 128);
        for (const char* item : {"North 1 NT", "East\tpass", "South 3 NT and a remark running far past the box"})
            list.AddItem(item);
        box.Move(100 * 15, 50 * 15, 40 * 15, 45 * 15);
        box.BackColor = RGB(255, 0, 0);
        box.Cls();
        button.Move(145 * 15, 50 * 15, 50 * 15, 45 * 15);
        button.Caption = "OK";
        line.X1 = 0;
        line.Y1 = 47 * 15;
        line.X2 = 199 * 15;
        line.Y2 = 47 * 15;
        line.BorderColor = RGB(255, 255, 255);
        cards.Move(165 * 15, 5 * 15, 30 * 15, 40 * 15);
        for (forms::Control* c : std::initializer_list<forms::Control*>{&plain, &picture, &halo, &list, &box, &button,
                                                                         &line, &cards})
            form.Add(*c);
    }
};

// Under a caller's clip region the form paints inside it exactly what it
// paints unclipped, and leaves every pixel outside it alone: a control that
// clips to its own box narrows the caller's clip rather than replacing it.
TEST_F(EveryControlFixture, PaintsOnlyWithinTheCallersClip) {
    // Strips cutting through the label texts, the list box's lines, the
    // picture box and the button, and an L across the card control's lower edge.
    const QRegion clip = QRegion(10, 8, 40, 85) + QRegion(90, 15, 100, 12) + QRegion(120, 60, 60, 10) +
                         QRegion(150, 30, 30, 8) + QRegion(172, 38, 8, 30);
    const QColor untouched(255, 0, 255);  // no control paints in it
    for (const double scale : {1.0, 2.0}) {
        const QImage whole = forms::RenderForm(form, scale);
        const QRegion deviceClip = QTransform::fromScale(scale, scale).map(clip);
        for (const bool withArea : {true, false}) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << (withArea ? ", the clip's area" : ", the whole form"));
            QImage out(whole.size(), QImage::Format_RGB32);
            out.fill(untouched);
            QPainter p(&out);
            p.scale(scale, scale);
            p.setClipRegion(clip);
            if (withArea) forms::PaintForm(p, form, clip.boundingRect());
            else forms::PaintForm(p, form);
            EXPECT_TRUE(p.hasClipping()) << "the caller's clip is kept";
            EXPECT_EQ(p.clipRegion(), clip) << "the caller's clip is kept";
            p.end();
            int outside = 0, differing = 0;
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x) {
                    const QColor got = out.pixelColor(x, y);
                    if (!deviceClip.contains(QPoint(x, y))) outside += got != untouched ? 1 : 0;
                    else differing += got != whole.pixelColor(x, y) ? 1 : 0;
                }
            EXPECT_EQ(outside, 0) << "pixels painted outside the clip";
            EXPECT_EQ(differing, 0) << "pixels within the clip unlike the unclipped form";
            // The strips reach the texts: the clipped paint shows some of them.
            const QRect plainText = QRect(10, 8, 40, 30);
            EXPECT_TRUE(regionHas(out, QTransform::fromScale(scale, scale).mapRect(plainText), QColor(255, 255, 0)));
            const QRect haloText = QRect(100, 15, 60, 12);
            EXPECT_TRUE(regionHas(out, QTransform::fromScale(scale, scale).mapRect(haloText), QColor(255, 0, 0)));
        }
    }
}

// With no clip on entry the painter still keeps each label's and list
// box's drawing within its box, and leaves the painter without a clip.
TEST_F(EveryControlFixture, KeepsTextsWithinTheirBoxesWithoutACallersClip) {
    list.Move(5 * 15, 50 * 15, 90 * 15, 8 * 15);  // lower than its one row
    QImage out(200, 100, QImage::Format_RGB32);
    QPainter p(&out);
    forms::PaintForm(p, form);
    EXPECT_FALSE(p.hasClipping());
    p.end();
    EXPECT_EQ(out, forms::RenderForm(form));
    const QColor back(0, 128, 0);
    // Right of the halo label (its text and rim run past the box) and below
    // the list box (its row runs past the box).
    for (int y = 5; y < 45; ++y) EXPECT_EQ(out.pixelColor(160, y), back) << "beside the halo label, row " << y;
    EXPECT_FALSE(regionHas(out, QRect(5, 58, 90, 10), QColor(255, 255, 0))) << "below the list box";
}

}  // namespace
