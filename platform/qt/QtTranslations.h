#pragma once
// Qt's own words in the program's language: the standard buttons of the
// message and input boxes and the file chooser. Loads Qt's catalogue for
// the language from Qt's translations folder and installs it on the
// application for as long as this object lives. Our own words stand in
// for the buttons and the few file-chooser words the catalogue does not
// name (or all of them when it is not installed).

#include <QLocale>
#include <QString>
#include <QTranslator>

class MissingQtWords : public QTranslator {
public:
    MissingQtWords(const QString& language, const QTranslator& catalogue)
        : language_(language), catalogue_(catalogue) {}
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

private:
    QString language_;
    const QTranslator& catalogue_;
};

class QtTranslations {
public:
    // language: "sv", "en", ...; English needs no catalogue.
    explicit QtTranslations(const QString& language);
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    bool CatalogueLoaded() const { return catalogueLoaded_; }

private:
    QLocale previousLocale_;
    QTranslator catalogue_;
    MissingQtWords ownWords_;
    bool catalogueLoaded_ = false;
    bool installed_ = false;
};
