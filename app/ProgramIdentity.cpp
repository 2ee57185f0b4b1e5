#include "ProgramIdentity.h"

#include <QGuiApplication>

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/lumra-quest/lumra-quest-%1.png").arg(size), QSize(size, size));
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
