#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <cstring>

namespace {

// Qt 6 asks for the standard buttons' words under this context; the
// catalogues Debian ships keep them under the button box's context.
constexpr const char* kButtonContext = "QPlatformTheme";
constexpr const char* kCatalogueButtonContext = "QDialogButtonBox";

struct Word {
    const char* english;
    const char* swedish;
};

// The buttons the game's questions use.
constexpr Word kSwedishButtons[] = {
    {"OK", "OK"},           {"Cancel", "Avbryt"},       {"&Yes", "&Ja"},       {"&No", "&Nej"},
    {"Abort", "Avbryt"},    {"Retry", "Försök igen"},   {"Ignore", "Ignorera"}, {"Open", "Öppna"},
    {"Close", "Stäng"},
};

QString ownWord(const QString& language, const char* sourceText) {
    if (language != QLatin1String("sv")) return {};
    for (const Word& w : kSwedishButtons)
        if (std::strcmp(w.english, sourceText) == 0) return QString::fromUtf8(w.swedish);
    return {};
}

}  // namespace

QString StandardButtonWords::translate(const char* context, const char* sourceText, const char* disambiguation,
                                       int n) const {
    if (!context || !sourceText || std::strcmp(context, kButtonContext) != 0) return {};
    const QString fromCatalogue = catalogue_.translate(kCatalogueButtonContext, sourceText, disambiguation, n);
    if (!fromCatalogue.isEmpty()) return fromCatalogue;
    return ownWord(language_, sourceText);
}

QtTranslations::QtTranslations(const QString& language) : buttons_(language, catalogue_) {
    if (language.isEmpty() || language == QLatin1String("en")) return;
    QLocale::setDefault(QLocale(language));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    catalogueLoaded_ = catalogue_.load(QLatin1String("qt_") + language, folder);
    // Installed first, asked last: a catalogue that names the buttons itself wins.
    QCoreApplication::installTranslator(&buttons_);
    if (catalogueLoaded_) QCoreApplication::installTranslator(&catalogue_);
    installed_ = true;
}

QtTranslations::~QtTranslations() {
    if (!installed_) return;
    if (catalogueLoaded_) QCoreApplication::removeTranslator(&catalogue_);
    QCoreApplication::removeTranslator(&buttons_);
    QLocale::setDefault(previousLocale_);
}
