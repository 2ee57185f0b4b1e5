#include <gtest/gtest.h>

#include <string>

#include "Localisation.h"
#include "Main.h"
#include "NewsTicker.h"
#include "TestTable.h"

namespace {

constexpr int TickMs = 20;

// "abcd...": every position its own letter, so a caption tells how far the text moved.
std::string message(int length) {
    std::string s;
    for (int i = 0; i < length; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

class NewsTickerRun : public ::testing::Test {
protected:
    TestTable t;
    Main& m = t.m();
    std::string savedText = NewsTickerText;

    void SetUp() override { m.TimerAD.OnTimer = [this] { m.TimerAD_Timer(); }; }
    void TearDown() override {
        StopTicker();
        NewsTickerText = savedText;
    }

    void start(const std::string& text) {
        NewsTickerText = text;
        StartTicker();
        ticks = 0;
    }
    // Runs the virtual clock on to the given tick of the ticker.
    void runTo(int tick) {
        ASSERT_GE(tick, ticks);
        t.advance(static_cast<std::int64_t>(tick - ticks) * TickMs);
        ticks = tick;
    }
    int ticks = 0;
};

TEST_F(NewsTickerRun, StartShowsTheLeadingBlanksAndTheCounterSixty) {
    start("Hello");
    EXPECT_TRUE(m.LblTicker.Visible);
    EXPECT_EQ(m.LblTicker.TextAlign, forms::Alignment::Left);
    EXPECT_EQ(m.LblTicker.Caption, std::string(60, ' ') + "Hello");
    EXPECT_EQ(m.TimerAD.Tag, "60");
    EXPECT_TRUE(m.TimerAD.Enabled());
    EXPECT_EQ(m.TimerAD.Interval(), 20);
}

TEST_F(NewsTickerRun, RunsInPausesAndRunsOutForEachMessageLength) {
    struct Case {
        int length;
        int emptyAt;  // the tick on which the caption becomes empty
    };
    for (const Case c : {Case{0, 60}, Case{6, 266}, Case{66, 326}, Case{100, 360}}) {
        SCOPED_TRACE("length " + std::to_string(c.length));
        const std::string msg = message(c.length);
        const std::string buffer = std::string(60, ' ') + msg;
        const auto shown = [&](int dropped) { return buffer.substr(std::min<std::size_t>(dropped, buffer.size()), 66); };
        start(msg);
        runTo(1);
        EXPECT_EQ(m.LblTicker.Caption, shown(1));
        EXPECT_EQ(m.TimerAD.Tag, " 59");
        if (c.length > 0) {
            runTo(60);
            EXPECT_EQ(m.LblTicker.Caption, msg.substr(0, 66));  // the message at the left edge
            EXPECT_EQ(m.TimerAD.Tag, " 0");
            runTo(260);
            EXPECT_EQ(m.LblTicker.Caption, msg.substr(0, 66));  // still resting
            EXPECT_EQ(m.TimerAD.Tag, "-200");
            runTo(261);
            EXPECT_EQ(m.LblTicker.Caption, msg.substr(1, 66));  // scrolling out
            EXPECT_EQ(m.TimerAD.Tag, "-201");
        }
        runTo(c.emptyAt - 1);
        EXPECT_NE(m.LblTicker.Caption, "");
        runTo(c.emptyAt);
        EXPECT_EQ(m.LblTicker.Caption, "");
        EXPECT_TRUE(m.LblTicker.Visible);
        EXPECT_TRUE(m.TimerAD.Enabled());
        runTo(c.emptyAt + 1);
        EXPECT_FALSE(m.LblTicker.Visible);
        EXPECT_FALSE(m.TimerAD.Enabled());
        EXPECT_EQ(TickerBuffer, "");
    }
}

TEST_F(NewsTickerRun, AShortMessageStaysWhollyVisibleThroughThePause) {
    start("Visit!");
    runTo(60);
    for (int tick : {60, 61, 150, 260}) {
        runTo(tick);
        EXPECT_EQ(m.LblTicker.Caption, "Visit!") << "tick " << tick;
    }
    runTo(261);
    EXPECT_EQ(m.LblTicker.Caption, "isit!");
}

TEST_F(NewsTickerRun, AnEmptyMessageHasNoPauseAndBlanksAreNotEmpty) {
    start("");
    runTo(59);
    EXPECT_EQ(m.LblTicker.Caption, " ");
    EXPECT_TRUE(m.LblTicker.Visible);
    runTo(60);
    EXPECT_EQ(m.LblTicker.Caption, "");
    runTo(61);
    EXPECT_FALSE(m.LblTicker.Visible);
    EXPECT_FALSE(m.TimerAD.Enabled());
}

TEST_F(NewsTickerRun, TheCounterIsReadBackFromItsTextForm) {
    start("News");
    struct Case {
        std::string tag;  // the counter as the tag holds it before a tick
        std::string next;
        bool moves;
    };
    const Case cases[] = {
        {" 5", " 4", true},  {" 1", " 0", true},     {" 0", "-1", false},
        {"-1", "-2", false}, {"-200", "-201", true}, {"-250", "-251", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("tag '" + c.tag + "'");
        TickerBuffer = "abcdef";
        m.LblTicker.Caption = TickerBuffer;
        m.TimerAD.Tag = c.tag;
        m.TimerAD_Timer();
        EXPECT_EQ(m.TimerAD.Tag, c.next);
        EXPECT_EQ(m.LblTicker.Caption, c.moves ? "bcdef" : "abcdef");
    }
}

TEST_F(NewsTickerRun, LettersOfMoreThanOneByteScrollAsOneCharacter) {
    start("åäö");
    runTo(60);
    EXPECT_EQ(m.LblTicker.Caption, "åäö");
    runTo(261);
    EXPECT_EQ(m.LblTicker.Caption, "äö");
    runTo(263);
    EXPECT_EQ(m.LblTicker.Caption, "");
    runTo(264);
    EXPECT_FALSE(m.LblTicker.Visible);
    // The 66 visible characters count letters, not bytes.
    std::string seventy, sixtySix;
    for (int i = 0; i < 70; ++i) seventy += "é";
    for (int i = 0; i < 66; ++i) sixtySix += "é";
    start(seventy);
    runTo(60);
    EXPECT_EQ(m.LblTicker.Caption, sixtySix);
}

TEST_F(NewsTickerRun, AStartDuringARunStartsOver) {
    start(message(30));
    runTo(100);
    start(message(30));
    EXPECT_EQ(m.LblTicker.Caption, std::string(60, ' ') + message(6));
    EXPECT_EQ(m.TimerAD.Tag, "60");
    runTo(1);
    EXPECT_EQ(m.TimerAD.Tag, " 59");
}

TEST_F(NewsTickerRun, StopHidesTheLabelAndEndsTheRun) {
    start(message(30));
    runTo(70);
    StopTicker();
    EXPECT_FALSE(m.LblTicker.Visible);
    EXPECT_EQ(m.LblTicker.Caption, "");
    EXPECT_EQ(TickerBuffer, "");
    EXPECT_FALSE(m.TimerAD.Enabled());
    runTo(400);
    EXPECT_FALSE(m.LblTicker.Visible);
}

}  // namespace
