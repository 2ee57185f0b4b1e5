// Writes that never finish: each writer below is a process of its own, as a
// second copy of the game is.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

#include "SettingsStore.h"
#include "TempSettings.h"

namespace {

// Runs work() in a child process, whose exit code is what work() gives.
pid_t startChild(const std::function<int()>& work) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) _exit(work());
    return pid;
}

// The child's exit code, or -1 when a signal ended it.
int waitChild(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string fileText(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
}

QStringList folderEntries(const TempSettings& tmp) {
    return QDir(QString::fromStdString(tmp.path())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

TEST(SettingsStoreWriters, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
    TempSettings tmp;
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 5"));
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalDe", " 3"));
    const std::string path = settings::ScopeFile(false);
    const std::string before = fileText(path);

    // The writer may not make a file larger than 4 KiB, and the new text is
    // twice that: its write stops in the middle.
    const pid_t child = startChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        return settings::Write(false, "Statistic", "TotalDe", std::string(8192, '7')) ? 1 : 0;
    });
    ASSERT_EQ(waitChild(child), 0) << "the write reports that it failed";

    EXPECT_EQ(fileText(path), before);
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalDe"), " 3");
    EXPECT_EQ(folderEntries(tmp), QStringList{"user.ini"});
    EXPECT_TRUE(settings::Write(false, "Statistic", "TotalDe", " 4"));
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 5");
}
