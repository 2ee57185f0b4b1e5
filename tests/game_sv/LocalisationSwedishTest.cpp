// The Swedish build: its texts and its players' names.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include <cstdlib>

#include "FormPainter.h"
#include "../game/LabelFit.h"
#include "Localisation.h"
#include "NewsTicker.h"
#include "ProductAddresses.h"
#include "TestTable.h"

namespace {

// What a program holds before its table loads the texts. Other tests of this
// program load them, so the check runs in a program of its own: the
// "threadsafe" style starts this test program afresh for the statement.
TEST(SwedishBuildTest, TextsAreEmptyUntilLoaded) {
    const std::string style = ::testing::GTEST_FLAG(death_test_style);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(
        {
            const bool empty = QuitQuestionText.empty() && TooManyCardsText.empty() && CardsNotInPlayText.empty() &&
                               AreYouSureText.empty() && NewsTickerText.empty();
            std::exit(empty ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    ::testing::GTEST_FLAG(death_test_style) = style;
}

TEST(SwedishBuildTest, SwedishTextsAndCaptions) {
    TestTable t;
    LoadLanguageTexts();
    EXPECT_EQ(QuitQuestionText, "Vill Du faktiskt sluta?");
    EXPECT_EQ(TooManyCardsText, "har mera än 6 kort");
    EXPECT_EQ(CardsNotInPlayText, "KORT INTE I SPEL");
    EXPECT_EQ(AreYouSureText, "Är du saker?");
    EXPECT_EQ(t.m().LblClickVidare.Caption, "Klick för att gå vidare...");
    EXPECT_EQ(t.m().LblReplay.Caption, "Omspel ...");
    EXPECT_EQ(t.m().LlbDisabled.Caption, "inte aktiv");
    EXPECT_EQ(AboutTitleText(), "Om Lumra Quest");
    EXPECT_EQ(ResetStatisticsText(), "Nolla statistiken");
    EXPECT_EQ(DesktopEntryName(), "lumra-quest-sv");
    EXPECT_EQ(AboutInfoText(), std::string("Understöd din egen sakanskola med en liten donation. Så många stackare "
                                           "har redan sakat ihjäl sig.\r\rFörbättringsförslag till ") +
                                   SupportMailAddress);
    EXPECT_NE(NewsTickerText.find(ProductWebAddress), std::string::npos);
}

TEST(SwedishBuildTest, PlayersHaveTheirSwedishNames) {
    TestTable t;
    t.m().myGameStatus = 0;
    t.m().Run();
    const char* names[4] = {"Viktor", "Axel", "Peik", "Emil"};
    for (int s = 0; s < 4; ++s) EXPECT_EQ(t.m().Hand[s].HandNamn, names[s]);
}

// The ticker's label must show every step of the message on one line, and
// the whole message while it rests at the left edge.
TEST(SwedishBuildTest, TheNewsTickerFitsItsLabel) {
    TestTable t;
    Main& m = t.m();
    LoadLanguageTexts();
    EXPECT_LE(QString::fromStdString(NewsTickerText).size(), TickerVisibleChars);
    const QFontMetrics metrics(forms::LabelFont(m.LblTicker));
    StartTicker();
    bool restedWhole = false;
    for (int tick = 0; tick < 1000 && m.LblTicker.Visible; ++tick) {
        const QString shown = QString::fromStdString(m.LblTicker.Caption);
        EXPECT_LE(metrics.horizontalAdvance(shown), m.LblTicker.PixelWidth()) << "tick " << tick;
        if (m.TimerAD.Tag == "-100") restedWhole = m.LblTicker.Caption == NewsTickerText;
        m.TimerAD_Timer();
    }
    EXPECT_TRUE(restedWhole);
    EXPECT_FALSE(m.LblTicker.Visible);
}

// The labels whose captions depend on the language fit their controls.
TEST(SwedishBuildTest, TheLanguageLabelsFitTheirControls) {
    TestTable t;
    LoadLanguageTexts();
    ExpectLanguageLabelsFit(t.m());
}

}  // namespace
