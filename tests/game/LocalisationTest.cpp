// The English build's texts.
#include <gtest/gtest.h>

#include "Localisation.h"
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
    EXPECT_EQ(AboutInfoText(), std::string("Contact:\r") + SupportMailAddress + "\rfor support");
    EXPECT_NE(RightsLineText(), "");
    EXPECT_NE(NewsTickerText.find(ProductWebAddress), std::string::npos);
}

}  // namespace
