// Which parts of a form a view must repaint after the game changed it.
#include <gtest/gtest.h>

#include "Controls.h"
#include "RepaintTracker.h"

namespace {

struct TrackerFixture : ::testing::Test {
    forms::Form form;
    forms::Label label;
    forms::Label hidden;
    forms::PictureBox box;
    forms::UserControl cards;
    forms::RepaintTracker tracker;
    void SetUp() override {
        form.ClientWidth = 300 * 15;
        form.ClientHeight = 200 * 15;
        label.Move(0, 0, 50 * 15, 20 * 15);
        hidden.Move(100 * 15, 0, 50 * 15, 20 * 15);
        hidden.Visible = false;
        box.Move(0, 100 * 15, 37 * 15, 37 * 15);
        cards.Move(200 * 15, 100 * 15, 60 * 15, 60 * 15);
        for (forms::Control* c : {static_cast<forms::Control*>(&label), static_cast<forms::Control*>(&hidden),
                                  static_cast<forms::Control*>(&box), static_cast<forms::Control*>(&cards)})
            form.Add(*c);
        ASSERT_EQ(tracker.Changes(form), QRegion(0, 0, 300, 200)) << "the first look shows everything";
    }
};

TEST_F(TrackerFixture, NothingChangedNothingToRepaint) {
    EXPECT_TRUE(tracker.Changes(form).isEmpty());
    hidden.Caption = "changed while hidden";
    EXPECT_TRUE(tracker.Changes(form).isEmpty());
}

TEST_F(TrackerFixture, OnlyTheChangedControlIsRepainted) {
    label.Caption = "Pass";
    const QRegion r = tracker.Changes(form);
    EXPECT_TRUE(r.contains(QRect(0, 0, 50, 20)));
    EXPECT_FALSE(r.intersects(QRect(200, 100, 60, 60)));
    EXPECT_TRUE(tracker.Changes(form).isEmpty()) << "shown once";

    box.Cls();  // a surface drawn on
    EXPECT_TRUE(tracker.Changes(form).contains(QRect(0, 100, 37, 37)));
    cards.Refresh();
    EXPECT_TRUE(tracker.Changes(form).contains(QRect(200, 100, 60, 60)));
}

TEST_F(TrackerFixture, AMoveRepaintsTheOldAndTheNewPlace) {
    label.Move(0, 50 * 15);
    const QRegion r = tracker.Changes(form);
    EXPECT_TRUE(r.contains(QRect(0, 0, 50, 20)));
    EXPECT_TRUE(r.contains(QRect(0, 50, 50, 20)));
    hidden.Visible = true;
    EXPECT_TRUE(tracker.Changes(form).contains(QRect(100, 0, 50, 20)));
    hidden.Visible = false;
    EXPECT_TRUE(tracker.Changes(form).contains(QRect(100, 0, 50, 20))) << "what went must be painted over";
    form.BackColor = forms::RGB(0, 0, 0);
    EXPECT_EQ(tracker.Changes(form), QRegion(0, 0, 300, 200));
}

TEST_F(TrackerFixture, CardsAreDrawnWhenShownNotWhenRefreshed) {
    struct Counting : forms::UserControl {
        int paints = 0;
        void Paint() override {
            ++paints;
            Surface = QImage(4, 4, QImage::Format_RGB32);
        }
    } counting;
    form.Add(counting);
    counting.Refresh();
    counting.Refresh();
    EXPECT_EQ(counting.paints, 0);
    counting.PaintedSurface();
    counting.PaintedSurface();
    EXPECT_EQ(counting.paints, 1);
    form.SetPixelRatio(2);
    counting.PaintedSurface();
    EXPECT_EQ(counting.paints, 2) << "drawn anew at another pixel ratio";
}

}  // namespace
