// The English build's texts.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "FormPainter.h"
#include "LabelFit.h"
#include "Localisation.h"
#include "NewsTicker.h"
#include "ProductAddresses.h"
#include "TestTable.h"

namespace {

TEST(LocalisationTest, EnglishTextsAndCaptions) {
    TestTable t;
    t.m().LblClickVidare.Caption = "design-time caption";
    LoadLanguageTexts();
    struct Case {
        const std::string& actual;
        const char* expected;
    };
    const Case cases[] = {
        {QuitQuestionText, "Do you really want to quit?"},
        {TooManyCardsText, "has more than 6 cards"},
        {CardsNotInPlayText, "CARDS NOT IN PLAY"},
        {AreYouSureText, "Are you sure?"},
        {t.m().LblClickVidare.Caption, "Click to proceed..."},
        {t.m().LblReplay.Caption, "Replay ..."},
        {t.m().LlbDisabled.Caption, "Disabled"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
    EXPECT_EQ(AboutTitleText(), "About Lumra Quest");
    EXPECT_EQ(ResetStatisticsText(), "Reset Statistics");
    EXPECT_EQ(DesktopEntryName(), "lumra-quest");
    EXPECT_EQ(AboutInfoText(), std::string("Contact:\r") + SupportMailAddress + "\rfor support");
    EXPECT_NE(RightsLineText(), "");
    EXPECT_NE(NewsTickerText.find(ProductWebAddress), std::string::npos);
}

// The ticker's label must show every step of the message on one line, and
// the whole message while it rests at the left edge.
TEST(LocalisationTest, TheNewsTickerFitsItsLabel) {
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
TEST(LocalisationTest, TheLanguageLabelsFitTheirControls) {
    TestTable t;
    LoadLanguageTexts();
    ExpectLanguageLabelsFit(t.m());
}

}  // namespace
