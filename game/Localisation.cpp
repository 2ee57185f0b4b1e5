#include "Localisation.h"

std::string QuitQuestionText;
std::string TooManyCardsText;
std::string CardsNotInPlayText;
std::string AreYouSureText;
std::string NewsTickerText;

// The language texts are not filled in yet.
void LoadLanguageTexts() {}
std::string AboutTitleText() { return ""; }
std::string RightsLineText() { return ""; }
std::string AboutInfoText() { return ""; }
std::string ResetStatisticsText() { return ""; }
