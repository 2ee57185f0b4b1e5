// The programs' identity on the desktop: the window icon built into the
// program and the desktop entry the window names.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWidget>

#include "ProgramIdentity.h"

namespace {

// Puts back what the application had, so the order of tests does not matter.
class ProgramIdentityTest : public ::testing::Test {
protected:
    ~ProgramIdentityTest() override {
        QGuiApplication::setApplicationName(name_);
        QGuiApplication::setDesktopFileName(entry_);
        QGuiApplication::setWindowIcon(icon_);
    }

private:
    QString name_ = QGuiApplication::applicationName();
    QString entry_ = QGuiApplication::desktopFileName();
    QIcon icon_ = QGuiApplication::windowIcon();
};

// Each size comes from the program's resources at its own size: a size
// missing from the resources would draw as an empty picture.
TEST_F(ProgramIdentityTest, TheIconHoldsEverySizeFromTheResources) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {32, 48, 64, 128, 256}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        // Not a blank square: the picture has pixels of more than one colour.
        const QImage image = pixmap.toImage();
        EXPECT_NE(image.pixel(size / 2, size / 2), image.pixel(0, 0)) << size;
    }
}

TEST_F(ProgramIdentityTest, WindowsCarryTheIconAndTheApplicationNamesItsEntry) {
    for (const char* entry : {"lumra-quest", "lumra-quest-sv"}) {
        ApplyProgramIdentity(QString::fromLatin1(entry));
        EXPECT_EQ(QGuiApplication::desktopFileName(), QString::fromLatin1(entry));
        // Both programs share the name; on X11 it is the class of their windows.
        EXPECT_EQ(QGuiApplication::applicationName(), QStringLiteral("Lumra Quest"));
        const QWidget window;
        EXPECT_EQ(window.windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey()) << entry;
        EXPECT_FALSE(window.windowIcon().pixmap(QSize(48, 48)).isNull()) << entry;
    }
}

}  // namespace
