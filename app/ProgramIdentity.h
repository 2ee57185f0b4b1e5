#pragma once
// What the desktop knows the running program by: its name, the game's icon
// on its windows (the task bar shows it) and the desktop entry that starts
// it (so the desktop pairs the window with its launcher).

#include <QIcon>
#include <QString>

// The game's icon at the sizes it is drawn in, from the program's own
// resources: it needs no installed file and no image plugin.
QIcon ProgramIcon();

// desktopEntry: the entry's file name without ".desktop".
void ApplyProgramIdentity(const QString& desktopEntry);
