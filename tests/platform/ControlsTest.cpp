// The window model: mouse routing with capture, hidden controls, z-order,
// picture-box raster operations and the list box's bound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Controls.h"

namespace {

using forms::RGB;

struct Recorder {
    std::vector<std::string> events;
    void attach(forms::Control& c) {
        c.MouseDown = [this, &c](int b, int, float x, float y) {
            events.push_back(c.Name + ".down" + std::to_string(b) + "@" + std::to_string(int(x)) + "," +
                             std::to_string(int(y)));
        };
        c.MouseUp = [this, &c](int, int, float, float) { events.push_back(c.Name + ".up"); };
        c.Click = [this, &c] { events.push_back(c.Name + ".click"); };
        c.DblClick = [this, &c] { events.push_back(c.Name + ".dbl"); };
    }
};

struct FormFixture : ::testing::Test {
    forms::Form form;
    forms::Image up, dn;
    forms::Label label;
    forms::PictureBox box;
    Recorder rec;
    void SetUp() override {
        form.ClientWidth = 1500;
        form.ClientHeight = 1500;
        dn.Name = "Dn";
        up.Name = "Up";
        label.Name = "Label";
        box.Name = "Box";
        dn.Move(150, 150, 555, 555);  // pixels 10..47
        up.Move(150, 150, 555, 555);
        label.Move(600, 600, 600, 300);  // pixels 40..80 x 40..60
        box.Move(900, 900, 300, 300);    // pixels 60..80, above the label
        form.Add(label);
        form.Add(dn);
        form.Add(up);
        form.Add(box);
        for (forms::Control* c : {static_cast<forms::Control*>(&up), static_cast<forms::Control*>(&dn),
                                  static_cast<forms::Control*>(&label), static_cast<forms::Control*>(&box)})
            rec.attach(*c);
        form.Click = [this] { rec.events.push_back("form.click"); };
        form.MouseDown = [this](int, int, float, float) { rec.events.push_back("form.down"); };
    }
};

TEST_F(FormFixture, MouseUpGoesToThePressedControlEvenWhenItHidItself) {
    up.MouseDown = [this](int, int, float, float) {
        rec.events.push_back("Up.down");
        up.Visible = false;  // the pressed look
        dn.Visible = true;
    };
    form.PressMouse(20, 20, 1);
    form.ReleaseMouse(200, 200, 1);  // released far away
    const std::vector<std::string> expected = {"Up.down", "Up.up"};
    EXPECT_EQ(rec.events, expected);
}

TEST_F(FormFixture, ClickOnlyWhenReleasedOverTheVisibleControl) {
    form.PressMouse(20, 20, 2);
    form.ReleaseMouse(21, 22, 2);
    const std::vector<std::string> expected = {"Up.down2@150,150", "Up.up", "Up.click"};
    EXPECT_EQ(rec.events, expected) << "positions are in twips for images";
}

TEST_F(FormFixture, HiddenControlsGetNothingAndTheFrontControlWins) {
    up.Visible = false;
    form.ClickAt(20, 20);
    EXPECT_EQ(rec.events.front(), "Dn.down1@150,150");
    rec.events.clear();
    dn.Visible = false;
    form.ClickAt(20, 20);
    const std::vector<std::string> onForm = {"form.down", "form.click"};
    EXPECT_EQ(rec.events, onForm);
    rec.events.clear();
    // The windowed picture box stands above the label it overlaps, and
    // reports its position in pixels.
    form.PressMouse(70, 70, 1);
    EXPECT_EQ(rec.events.front(), "Box.down1@10,10");
}

TEST_F(FormFixture, DoubleClickGoesToTheControlUnderTheMouse) {
    form.DoubleClick(45, 50);
    const std::vector<std::string> expected = {"Label.dbl"};
    EXPECT_EQ(rec.events, expected);
}

TEST(PictureBoxTest, CopyAndAndAreClippedToBothBitmaps) {
    forms::PictureBox box;
    box.Move(0, 0, 4 * 15, 4 * 15);
    box.BackColor = RGB(0xF0, 0xF0, 0xF0);
    box.Cls();
    QImage src(3, 3, QImage::Format_RGB32);
    src.fill(QColor(0x0F, 0xFF, 0x33));
    // Asks for more than the source holds and runs past the box's edge.
    box.PaintPicture(src, 2, 2, 5, 5, 1, 1, forms::RasterOp::And);
    EXPECT_EQ(box.Surface.pixelColor(2, 2), QColor(0x00, 0xF0, 0x30));
    EXPECT_EQ(box.Surface.pixelColor(3, 3), QColor(0x00, 0xF0, 0x30));
    EXPECT_EQ(box.Surface.pixelColor(1, 1), QColor(0xF0, 0xF0, 0xF0));
    box.PaintPicture(src, -1, 0, 2, 1, 0, 0, forms::RasterOp::Copy);
    EXPECT_EQ(box.Surface.pixelColor(0, 0), QColor(0x0F, 0xFF, 0x33));
    EXPECT_EQ(box.Surface.pixelColor(1, 0), QColor(0xF0, 0xF0, 0xF0));
    // A source rectangle left of the strip paints nothing.
    box.PaintPicture(src, 0, 3, 2, 1, -5, 0, forms::RasterOp::Copy);
    EXPECT_EQ(box.Surface.pixelColor(0, 3), QColor(0xF0, 0xF0, 0xF0));
}

TEST(PictureBoxTest, SurfaceSurvivesWhileHidden) {
    forms::PictureBox box;
    box.Move(0, 0, 150, 150);
    box.Visible = false;
    QImage src(10, 10, QImage::Format_RGB32);
    src.fill(Qt::red);
    box.PaintPicture(src, 0, 0, 10, 10, 0, 0, forms::RasterOp::Copy);
    box.Visible = true;
    box.EnsureSurface();
    EXPECT_EQ(box.Surface.pixelColor(5, 5), QColor(Qt::red));
}

TEST(ListBoxTest, KeepsOnlyTheNewestItems) {
    forms::ListBox lb;
    for (int i = 0; i < forms::ListBox::MaxItems + 10; ++i) lb.AddItem("line " + std::to_string(i));
    EXPECT_EQ(lb.ListCount(), forms::ListBox::MaxItems);
    EXPECT_EQ(lb.Items.front(), "line 10");
    EXPECT_EQ(lb.Items.back(), "line " + std::to_string(forms::ListBox::MaxItems + 9));
}

TEST(TwipsTest, RoundToNearestPixel) {
    struct Case {
        int twips, pixels;
    };
    const Case cases[] = {{0, 0}, {15, 1}, {950, 63}, {580, 39}, {2560, 171}, {9800, 653}, {7, 0}, {8, 1}};
    for (const Case& c : cases) EXPECT_EQ(forms::TwipsToPixels(c.twips), c.pixels) << c.twips;
}

}  // namespace
