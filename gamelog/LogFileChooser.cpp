#include <QDir>
#include <QFileInfo>
#include <QString>

#include <optional>

#include "LoadLogfile.h"
#include "Main.h"

namespace {

// The chooser opens where the last chosen file lies, else in the current
// folder.
std::string chooserFolder() {
    if (!LogFilePath.empty()) {
        const QFileInfo last(QString::fromStdString(LogFilePath));
        if (last.absoluteDir().exists()) return last.absolutePath().toStdString();
    }
    return QDir::currentPath().toStdString();
}

// Asks for a log file. Cancel keeps the file chosen before and gives false:
// nothing is shown and no reader runs.
bool chooseLogFile(Main& m) {
    std::optional<std::string> chosen;
    {
        forms::SchedulerPause pause(&m.scheduler);
        chosen = m.dialogs.ChooseLogFile(chooserFolder());
    }
    if (!chosen) return false;
    LogFilePath = *chosen;
    m.LblLogFileName.Caption = "Playing: " + LogFilePath;
    m.LblLogFileName.Visible = true;
    return true;
}

}  // namespace

void Main::BtnPlaylog_Click() {
    if (chooseLogFile(*this)) ReplayFromLogfile();
}

void Main::BtnLoadlog_Click() {
    if (chooseLogFile(*this)) ReloadFromLogfile();
}
