#include "ProgramIdentity.h"

#include <QDir>
#include <QGuiApplication>

// Every size the build put in the resources (app/CMakeLists.txt lists them).
QIcon ProgramIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/lumra-quest"));
    for (const QString& file : sizes.entryList(QDir::Files)) icon.addFile(sizes.filePath(file));
    return icon;
}

// On X11 the window's WM_CLASS is the program's file name (Lumra_ENG,
// Lumra_SVE) and this name, shared by both programs; the entries'
// StartupWMClass names the file name, which tells the two apart.
void ApplyProgramIdentity(const QString& desktopEntry) {
    QGuiApplication::setApplicationName(QStringLiteral("Lumra Quest"));
    QGuiApplication::setDesktopFileName(desktopEntry);
    QGuiApplication::setWindowIcon(ProgramIcon());
}
