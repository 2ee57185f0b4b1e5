// The texts that differ between the Swedish and the English build. Every
// choice compares the build language with "SVENSKA" first, then "ENGLISH";
// any other value gives no text at all.
#include "Localisation.h"

#include <cstring>

#include "BuildLanguage.h"
#include "Main.h"
#include "ProductAddresses.h"

std::string QuitQuestionText;
std::string TooManyCardsText;
std::string CardsNotInPlayText;
std::string AreYouSureText;
std::string NewsTickerText;

namespace {

enum class Language { Swedish, English, None };

Language buildLanguage() {
    if (std::strcmp(BuildLanguage, "SVENSKA") == 0) return Language::Swedish;
    if (std::strcmp(BuildLanguage, "ENGLISH") == 0) return Language::English;
    return Language::None;
}

std::string pick(const char* swedish, const char* english) {
    switch (buildLanguage()) {
        case Language::Swedish: return swedish;
        case Language::English: return english;
        case Language::None: break;
    }
    return "";
}

}  // namespace

void LoadLanguageTexts() {
    const Language lang = buildLanguage();
    if (lang == Language::None) return;
    const bool sv = lang == Language::Swedish;
    QuitQuestionText = sv ? "Vill Du faktiskt sluta?" : "Do you really want to quit?";
    TooManyCardsText = sv ? "har mera än 6 kort" : "has more than 6 cards";
    CardsNotInPlayText = sv ? "KORT INTE I SPEL" : "CARDS NOT IN PLAY";
    AreYouSureText = sv ? "Är du saker?" : "Are you sure?";
    if (Main* m = Main::instance()) {
        m->LblClickVidare.Caption = sv ? "Klick för att gå vidare..." : "Click to proceed...";
        m->LblReplay.Caption = sv ? "Omspel ..." : "Replay ...";
        m->LlbDisabled.Caption = sv ? "inte aktiv" : "Disabled";
    }
    // The ticker shows 66 characters at a time; the message stays within
    // them so that it stands whole while it rests.
    NewsTickerText = sv ? std::string("Besök ") + ProductWebAddress + " för nytt och uppdateringar!"
                        : std::string("Visit ") + ProductWebAddress + " for news and updates!";
}

std::string AboutTitleText() { return pick("Om Lumra Quest", "About Lumra Quest"); }

std::string ResetStatisticsText() { return pick("Nolla statistiken", "Reset Statistics"); }

std::string QtCatalogueLanguage() { return pick("sv", "en"); }

std::string DesktopEntryName() { return pick("lumra-quest-sv", "lumra-quest"); }

std::string AboutInfoText() {
    const std::string cr = "\r";
    switch (buildLanguage()) {
        case Language::Swedish:
            return std::string("Understöd din egen sakanskola med en liten donation. ") +
                   "Så många stackare har redan sakat ihjäl sig." + cr + cr + "Förbättringsförslag till " +
                   SupportMailAddress;
        case Language::English: return "Contact:" + cr + SupportMailAddress + cr + "for support";
        case Language::None: break;
    }
    return "";
}

std::string RightsLineText() {
    return pick("Copyright © Kelvarn. Alla rättigheter förbehållna.", "Copyright © Kelvarn. All rights reserved.");
}
