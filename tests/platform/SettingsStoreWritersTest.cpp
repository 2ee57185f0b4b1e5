// Writes from more than one running program, and writes that never finish:
// each writer below is a process of its own, as a second copy of the game is.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcesses.h"
#include "SettingsStore.h"
#include "TempSettings.h"

namespace {

std::string fileText(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
}

QStringList folderEntries(const TempSettings& tmp) {
    return QDir(QString::fromStdString(tmp.path())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Where a write takes its lock.
QString lockFile(const TempSettings& tmp) {
    return QString::fromStdString(tmp.path()) + "/.user.ini.lumra-lock";
}

// Gives a file a modification time the given seconds ago.
void age(const QString& path, int seconds) {
    const auto when = static_cast<time_t>(QDateTime::currentSecsSinceEpoch() - seconds);
    const utimbuf times{when, when};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0) << path.toStdString();
}

// Ten times the time a write takes here, from the median of a few: what a
// program that is not writing all the time leaves between two of its writes.
useconds_t pauseBetweenWrites() {
    std::vector<qint64> took;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        settings::Write(false, "Timing", "Probe", " " + std::to_string(i));
        took.push_back(timer.nsecsElapsed() / 1000);
    }
    std::sort(took.begin(), took.end());
    return static_cast<useconds_t>(std::max<qint64>(10 * took[took.size() / 2], 2000));
}

// The file's text without the line of the one value a writer keeps changing.
std::string withoutLine(const std::string& text, const std::string& name) {
    const std::string start = "\n" + name + "=";
    const auto at = text.find(start);
    if (at == std::string::npos) return text;
    const auto end = text.find('\n', at + 1);
    return text.substr(0, at) + (end == std::string::npos ? "" : text.substr(end));
}

}  // namespace

TEST(SettingsStoreWriters, TwoProgramsWritingAtOnceKeepEachOthersValues) {
    // Each program writes values of its own names, all in one file: a new
    // name each time and a count of its own, and plays on for a while between
    // writes, long against the time a write takes, as a game does. At the end
    // every value holds what its program wrote last.
    TempSettings tmp;
    constexpr int kPrograms = 2, kRounds = 30;
    const useconds_t pause = pauseBetweenWrites();
    auto nameOf = [](int program, int round) { return "P" + std::to_string(program) + "R" + std::to_string(round); };
    auto countOf = [](int program) { return "P" + std::to_string(program) + "Count"; };
    std::vector<pid_t> children;
    {
        StartLine line;
        for (int p = 0; p < kPrograms; ++p)
            children.push_back(startChild([&, p] {
                line.wait();
                int failed = 0;
                for (int round = 1; round <= kRounds; ++round) {
                    const std::string value = " " + std::to_string(round);
                    failed += !settings::Write(false, "Statistic", nameOf(p, round), value);
                    failed += !settings::Write(false, "Statistic", countOf(p), value);
                    usleep(pause);
                }
                return failed == 0 ? 0 : 1;
            }));
        line.release();
    }
    for (pid_t child : children) EXPECT_EQ(waitChild(child), 0) << "every write went through";
    for (int p = 0; p < kPrograms; ++p) {
        EXPECT_EQ(settings::Read(false, "Statistic", countOf(p)), " " + std::to_string(kRounds)) << countOf(p);
        for (int round = 1; round <= kRounds; ++round)
            EXPECT_EQ(settings::Read(false, "Statistic", nameOf(p, round)), " " + std::to_string(round))
                << nameOf(p, round);
    }
    EXPECT_EQ(folderEntries(tmp), QStringList{"user.ini"}) << "no lock is left behind";
}

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

TEST(SettingsStoreWriters, AWriterKilledAtAnyMomentLeavesAWholeFileAndNoLockInTheWay) {
    // A file large enough that writing it takes a while, and a writer that
    // rewrites it without a pause until it is killed, at a different moment
    // each round.
    TempSettings tmp;
    const std::string path = settings::ScopeFile(false);
    {
        QDir().mkpath(QString::fromStdString(tmp.path()));
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        std::string text = "[Filler]\n";
        for (int i = 0; i < 6000; ++i) text += "N" + std::to_string(100000 + i) + "=" + std::string(60, 'x') + "\n";
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    ASSERT_TRUE(settings::Write(false, "Statistic", "Counter", " 0"));
    const std::string whole = withoutLine(fileText(path), "Counter");

    for (int round = 0; round < 12; ++round) {
        const pid_t child = startChild([]() -> int {
            for (int n = 1;; ++n) settings::Write(false, "Statistic", "Counter", " " + std::to_string(n));
        });
        usleep(static_cast<useconds_t>(20000 + round * 7000));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        ASSERT_EQ(waitChild(child), -1);

        EXPECT_EQ(withoutLine(fileText(path), "Counter"), whole) << "round " << round;
        const auto counter = settings::Read(false, "Statistic", "Counter");
        ASSERT_TRUE(counter.has_value()) << "round " << round;
        EXPECT_EQ(counter->find_first_not_of(" 0123456789"), std::string::npos) << *counter;
        // The killed writer's lock does not hold up the next write. Killed
        // between creating the lock and writing its owner into it, it left a
        // lock of nobody known: that one goes once it is stale, as it is when
        // the kill was a while ago.
        if (QFileInfo(lockFile(tmp)).exists() && QFileInfo(lockFile(tmp)).size() == 0) age(lockFile(tmp), 60);
        ASSERT_TRUE(settings::Write(false, "Statistic", "Counter", " 0")) << "round " << round;
    }
    EXPECT_FALSE(folderEntries(tmp).join(" ").contains("lock")) << folderEntries(tmp).join(" ").toStdString();
}

TEST(SettingsStoreWriters, AWriteThatCannotTakeTheLockIsDroppedUntilTheLockIsStale) {
    // A lock of nobody known (its owner wrote nothing into it yet): while it
    // is young its owner may be writing, so a write waits and then gives up
    // rather than write over the file unlocked; an old one is taken over.
    TempSettings tmp;
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 5"));
    const std::string before = fileText(settings::ScopeFile(false));
    QFile(lockFile(tmp)).open(QIODevice::WriteOnly);

    EXPECT_FALSE(settings::Write(false, "Statistic", "TotalVi", " 6"));
    EXPECT_EQ(fileText(settings::ScopeFile(false)), before);
    EXPECT_TRUE(QFileInfo::exists(lockFile(tmp)));

    age(lockFile(tmp), 60);
    EXPECT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 6"));
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 6");
    EXPECT_EQ(folderEntries(tmp), QStringList{"user.ini"});
}
