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
    const char* context;
    const char* english;
    const char* swedish;
};

// The buttons the game's questions use, and the file chooser's words that
// Debian's catalogue does not have.
constexpr Word kSwedishWords[] = {
    {kButtonContext, "OK", "OK"},
    {kButtonContext, "Cancel", "Avbryt"},
    {kButtonContext, "&Yes", "&Ja"},
    {kButtonContext, "&No", "&Nej"},
    {kButtonContext, "Abort", "Avbryt"},
    {kButtonContext, "Retry", "Försök igen"},
    {kButtonContext, "Ignore", "Ignorera"},
    {kButtonContext, "Open", "Öppna"},
    {kButtonContext, "Close", "Stäng"},
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileSystemModel", "Computer", "Dator"},
};

QString ownWord(const QString& language, const char* context, const char* sourceText) {
    if (language != QLatin1String("sv")) return {};
    for (const Word& w : kSwedishWords)
        if (std::strcmp(w.context, context) == 0 && std::strcmp(w.english, sourceText) == 0)
            return QString::fromUtf8(w.swedish);
    return {};
}

}  // namespace

QString MissingQtWords::translate(const char* context, const char* sourceText, const char* disambiguation,
                                  int n) const {
    if (!context || !sourceText) return {};
    if (std::strcmp(context, kButtonContext) == 0) {
        const QString fromCatalogue = catalogue_.translate(kCatalogueButtonContext, sourceText, disambiguation, n);
        if (!fromCatalogue.isEmpty()) return fromCatalogue;
    }
    return ownWord(language_, context, sourceText);
}

QtTranslations::QtTranslations(const QString& language) : ownWords_(language, catalogue_) {
    if (language.isEmpty() || language == QLatin1String("en")) return;
    QLocale::setDefault(QLocale(language));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    catalogueLoaded_ = catalogue_.load(QLatin1String("qt_") + language, folder);
    // Installed first, asked last: a catalogue that names the buttons itself wins.
    QCoreApplication::installTranslator(&ownWords_);
    if (catalogueLoaded_) QCoreApplication::installTranslator(&catalogue_);
    installed_ = true;
}

QtTranslations::~QtTranslations() {
    if (!installed_) return;
    if (catalogueLoaded_) QCoreApplication::removeTranslator(&catalogue_);
    QCoreApplication::removeTranslator(&ownWords_);
    QLocale::setDefault(previousLocale_);
}
