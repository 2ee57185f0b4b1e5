// Qt's standard buttons in the program's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include "QtTranslations.h"

namespace {

QString buttonText(QMessageBox::StandardButton which) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("p"), which);
    return box.button(which)->text();
}

TEST(QtTranslationsTest, SwedishStandardButtonsReadSwedishAndEnglishStayEnglish) {
    struct Case {
        QMessageBox::StandardButton button;
        const char* swedish;
        const char* english;
    };
    const Case cases[] = {
        {QMessageBox::Yes, "&Ja", "&Yes"},          {QMessageBox::No, "&Nej", "&No"},
        {QMessageBox::Ok, "OK", "OK"},              {QMessageBox::Cancel, "Avbryt", "Cancel"},
        {QMessageBox::Retry, "Försök igen", "Retry"}, {QMessageBox::Ignore, "Ignorera", "Ignore"},
    };
    {
        const QtTranslations sv(QStringLiteral("sv"));
        for (const Case& c : cases) EXPECT_EQ(buttonText(c.button), QString::fromUtf8(c.swedish)) << c.english;
    }
    for (const Case& c : cases) EXPECT_EQ(buttonText(c.button), QString::fromUtf8(c.english));
    const QtTranslations en(QStringLiteral("en"));
    EXPECT_FALSE(en.CatalogueLoaded());
    for (const Case& c : cases) EXPECT_EQ(buttonText(c.button), QString::fromUtf8(c.english));
}

// Without a catalogue our own words name the buttons and the few words of
// the file chooser that Debian's catalogue lacks, and nothing else.
TEST(QtTranslationsTest, OwnWordsStandInWhereTheCatalogueHasNone) {
    const QTranslator none;
    const MissingQtWords swedish(QStringLiteral("sv"), none);
    EXPECT_EQ(swedish.translate("QPlatformTheme", "&Yes", nullptr, -1), QStringLiteral("&Ja"));
    EXPECT_EQ(swedish.translate("QPlatformTheme", "Retry", nullptr, -1), QString::fromUtf8("Försök igen"));
    EXPECT_TRUE(swedish.translate("QPlatformTheme", "Restore Defaults", nullptr, -1).isEmpty());
    EXPECT_TRUE(swedish.translate("QFileDialog", "&Yes", nullptr, -1).isEmpty());
    EXPECT_EQ(swedish.translate("QFileDialog", "Look in:", nullptr, -1), QStringLiteral("Leta i:"));
    const MissingQtWords other(QStringLiteral("de"), none);
    EXPECT_TRUE(other.translate("QPlatformTheme", "&Yes", nullptr, -1).isEmpty());
}

// The words from Qt's catalogue reach other Qt texts too, here the file
// chooser's. Skipped only where the catalogue's file is not installed: a
// catalogue that is there must load.
TEST(QtTranslationsTest, TheSwedishCatalogueTranslatesTheFileChooser) {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qt_sv.qm");
    if (!QFileInfo::exists(file)) GTEST_SKIP() << "Qt's Swedish catalogue is not installed: " << file.toStdString();
    const QtTranslations sv(QStringLiteral("sv"));
    ASSERT_TRUE(sv.CatalogueLoaded()) << file.toStdString();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QString::fromUtf8("&Öppna"));
}

}  // namespace
