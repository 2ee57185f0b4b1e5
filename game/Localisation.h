#pragma once
// The texts that differ between the Swedish and the English build.

#include <string>

extern std::string QuitQuestionText;
extern std::string TooManyCardsText;
extern std::string CardsNotInPlayText;
extern std::string AreYouSureText;
extern std::string NewsTickerText;

// Sets the texts above and the language-dependent captions of the table.
void LoadLanguageTexts();
std::string AboutTitleText();
std::string RightsLineText();
std::string AboutInfoText();
std::string ResetStatisticsText();
// The language code of Qt's own catalogue for the build: "sv" or "en".
std::string QtCatalogueLanguage();
// The program's desktop entry, without ".desktop": "lumra-quest-sv" or
// "lumra-quest". A desktop pairs the running window with this launcher.
std::string DesktopEntryName();
