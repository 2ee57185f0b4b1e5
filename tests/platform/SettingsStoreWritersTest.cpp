// Writes from more than one running program, and writes that never finish:
// each writer below is a process of its own, as a second copy of the game is.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
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
    return QDir(QString::fromStdString(tmp.path())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                                      QDir::System);
}

// Where older versions of the game took their lock; nothing uses the name
// now, but anything may be found there.
QString oldLockFile(const TempSettings& tmp) {
    return QString::fromStdString(tmp.path()) + "/.user.ini.lumra-lock";
}

// The name under which a write makes its new file before renaming it.
bool isOwnTemporaryName(const QString& name) {
    static const QRegularExpression own(R"(^\.user\.ini\.lumra-[A-Za-z0-9]{6}$)");
    return own.match(name).hasMatch();
}

// What may be found at the old lock file's name, each staged as it would
// be found there.
using Stage = std::function<void(const QString& at)>;
Stage fileWith(const char* text, QFile::Permissions permissions) {
    return [=](const QString& at) {
        QFile f(at);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        ASSERT_TRUE(f.setPermissions(permissions));
    };
}
constexpr auto kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr auto kReadable = kOwnerOnly | QFile::ReadGroup | QFile::ReadOther;
constexpr auto kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
void nothing(const QString&) {}
void aFolder(const QString& at) { ASSERT_TRUE(QDir().mkdir(at)); }
void aDanglingLink(const QString& at) { ASSERT_TRUE(QFile::link(at + ".nowhere", at)); }
void aPipe(const QString& at) { ASSERT_EQ(mkfifo(QFile::encodeName(at).constData(), 0600), 0); }

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

// Gives a file a modification time the given seconds ago.
void age(const QString& path, int seconds) {
    const auto when = static_cast<time_t>(QDateTime::currentSecsSinceEpoch() - seconds);
    const utimbuf times{when, when};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0) << path.toStdString();
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
    // twice that: its write stops in the middle. SIGXFSZ is ignored, as the
    // programs ignore it from their start.
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
    // each round. Beside the file, a kill leaves at most the new file it was
    // writing, under the game's own temporary name, and once such files are
    // clearly stale the next write clears them.
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
        // The killed writer's lock does not hold up the next write.
        QElapsedTimer took;
        took.start();
        ASSERT_TRUE(settings::Write(false, "Statistic", "Counter", " 0")) << "round " << round;
        EXPECT_LT(took.elapsed(), 1000) << "round " << round;
    }
    QStringList leftOver = folderEntries(tmp);
    leftOver.removeOne("user.ini");
    EXPECT_LE(leftOver.size(), 12) << "one file at most for each kill";
    std::printf("files left by 12 kills: %lld\n", static_cast<long long>(leftOver.size()));
    for (const QString& name : leftOver) {
        EXPECT_TRUE(isOwnTemporaryName(name)) << name.toStdString();
        age(QString::fromStdString(tmp.path()) + "/" + name, 3600);
    }
    ASSERT_TRUE(settings::Write(false, "Statistic", "Counter", " 1"));
    EXPECT_EQ(folderEntries(tmp), QStringList{"user.ini"});
    EXPECT_EQ(withoutLine(fileText(path), "Counter"), whole);
}

namespace {

// A copy of the game caught in the middle of its write, through the store's
// own code: change() runs under the lock, after the file was read and
// before the new one is put in place. There the copy tells the test, then
// finishes after a while, stops, or dies holding the lock.
class CopyInTheMiddleOfAWrite {
public:
    enum class Then { FinishesAfter50Ms, Stops, Dies };
    explicit CopyInTheMiddleOfAWrite(Then then) : then_(then) {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        pid_ = startChild([&] {
            close(fds[0]);
            int calls = 0;
            const bool written = settings::Update(false, "Statistic", "Holder", [&](const std::optional<std::string>&) {
                if (++calls == 1) {
                    const char c = 'x';
                    (void)!write(fds[1], &c, 1);
                    if (then_ == Then::Dies) _exit(0);
                    if (then_ == Then::Stops) raise(SIGSTOP);
                    if (then_ == Then::FinishesAfter50Ms) usleep(50000);
                }
                return std::optional<std::string>(" held");
            });
            return written ? 0 : 1;
        });
        close(fds[1]);
        char c = 0;
        EXPECT_EQ(read(fds[0], &c, 1), 1) << "the copy got as far as its change";
        close(fds[0]);
        if (then_ == Then::Stops) {
            int status = 0;
            EXPECT_EQ(waitpid(pid_, &status, WUNTRACED), pid_);
            EXPECT_TRUE(WIFSTOPPED(status));
        }
        if (then_ == Then::Dies) {
            EXPECT_EQ(waitChild(pid_), 0);
        }
    }
    // Lets a stopped copy go on; true once the copy finished its write.
    bool finish() {
        if (then_ == Then::Dies) return true;
        if (then_ == Then::Stops) kill(pid_, SIGCONT);
        return waitChild(pid_) == 0;
    }
    CopyInTheMiddleOfAWrite(const CopyInTheMiddleOfAWrite&) = delete;
    CopyInTheMiddleOfAWrite& operator=(const CopyInTheMiddleOfAWrite&) = delete;

private:
    Then then_;
    pid_t pid_ = -1;
};

struct TimedWrite {
    qint64 ms = -1;
    bool written = false;
};

// One write, timed. As another user, when the test may become one: the
// superuser may open any file, so a file of another user's that we may not
// read can only be shown from an ordinary user's side.
TimedWrite timedWrite(const std::string& value, bool asAnotherUser) {
    if (!asAnotherUser || geteuid() != 0) {
        QElapsedTimer timer;
        timer.start();
        const bool written = settings::Write(false, "Statistic", "Count", value);
        return {timer.elapsed(), written};
    }
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    const pid_t child = startChild([&] {
        close(fds[0]);
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) return 2;
        const TimedWrite w = timedWrite(value, false);
        return write(fds[1], &w, sizeof w) == sizeof w ? 0 : 3;
    });
    close(fds[1]);
    TimedWrite w;
    EXPECT_EQ(read(fds[0], &w, sizeof w), static_cast<ssize_t>(sizeof w));
    close(fds[0]);
    EXPECT_EQ(waitChild(child), 0) << "the write as another user ran";
    return w;
}

}  // namespace

TEST(SettingsStoreWriters, NoStateOfTheLockHoldsAWriteUpForLongOrStopsTheWritesAfterIt) {
    // Each state, of the lock on the folder or of what is at the name of the
    // lock file older versions used, is staged beside a file holding a value
    // no write changes; then two writes follow while the state lasts. A
    // write that waits for nobody takes about what a write takes; one that
    // waits for a copy in the middle of its write takes at most the brief
    // wait the store allows such a copy (200 ms), far below a second. The
    // bounds are loose, for a busy machine; the table printed shows the
    // times. Whatever is at the old name is left as it was.
    enum class Wait { None, ForTheHolder };
    struct Row {
        const char* state;
        Stage stage;
        std::optional<CopyInTheMiddleOfAWrite::Then> copy;  // a copy of the game holding the lock
        Wait firstWaits, secondWaits;
        bool asAnotherUser;
    };
    using Then = CopyInTheMiddleOfAWrite::Then;
    const std::string host = QSysInfo::machineHostName().toStdString();
    const std::string oldOwnLock = "999999\nlumra_quest\n" + host + "\n";
    const Row rows[] = {
        {"nothing at the old name", nothing, {}, Wait::None, Wait::None, false},
        {"an older version's, its owner gone", fileWith(oldOwnLock.c_str(), kReadable), {}, Wait::None, Wait::None,
         false},
        {"an older version's, of another host", fileWith("4242\nlumra_quest\nelsewhere\n", kReadable), {},
         Wait::None, Wait::None, false},
        {"fresh and empty", fileWith("", kReadable), {}, Wait::None, Wait::None, false},
        {"read-only", fileWith("", kReadOnly), {}, Wait::None, Wait::None, false},
        // Without the superuser the test is that user: the file is then its
        // own, and these two rows show a readable and an unreadable file.
        {"another user's, readable", fileWith("", kReadable), {}, Wait::None, Wait::None, true},
        {"another user's, unreadable", fileWith("", {}), {}, Wait::None, Wait::None, true},
        {"a folder", aFolder, {}, Wait::None, Wait::None, false},
        {"a dangling link", aDanglingLink, {}, Wait::None, Wait::None, false},
        {"a pipe", aPipe, {}, Wait::None, Wait::None, false},
        {"left by a copy killed in its write", nothing, Then::Dies, Wait::None, Wait::None, false},
        {"held by a copy that is writing", nothing, Then::FinishesAfter50Ms, Wait::ForTheHolder, Wait::None, false},
        // The second write waits again: nothing tells a stopped copy from a
        // slow one. Neither write is lost, and nor is the copy's own when it
        // goes on.
        {"held by a stopped copy", nothing, Then::Stops, Wait::ForTheHolder, Wait::ForTheHolder, false},
    };
    std::printf("%-40s %12s %12s  %s\n", "lock", "1st write", "2nd write", "values kept");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        TempSettings tmp;
        ASSERT_TRUE(settings::Write(false, "Statistic", "Keep", " 1"));
        if (row.asAnotherUser) {
            ASSERT_EQ(chmod(tmp.path().c_str(), 0777), 0);
            ASSERT_EQ(chmod(settings::ScopeFile(false).c_str(), 0666), 0);
        }
        row.stage(oldLockFile(tmp));
        const QStringList staged = folderEntries(tmp);
        std::optional<CopyInTheMiddleOfAWrite> copy;
        if (row.copy) copy.emplace(*row.copy);

        const TimedWrite first = timedWrite(" 1", row.asAnotherUser);
        const bool firstKept = settings::Read(false, "Statistic", "Count") == " 1";
        const TimedWrite second = timedWrite(" 2", row.asAnotherUser);
        const bool secondKept = settings::Read(false, "Statistic", "Count") == " 2";
        const bool copyFinished = !copy || copy->finish();
        const bool allKept = firstKept && secondKept && settings::Read(false, "Statistic", "Count") == " 2" &&
                             settings::Read(false, "Statistic", "Keep") == " 1" &&
                             (!row.copy || *row.copy == Then::Dies ||
                              settings::Read(false, "Statistic", "Holder") == " held");
        std::printf("%-40s %9lld ms %9lld ms  %s\n", row.state, static_cast<long long>(first.ms),
                    static_cast<long long>(second.ms), allKept ? "yes" : "NO");

        EXPECT_TRUE(first.written);
        EXPECT_TRUE(second.written);
        EXPECT_TRUE(firstKept);
        EXPECT_TRUE(secondKept);
        EXPECT_TRUE(copyFinished);
        EXPECT_TRUE(allKept);
        for (const auto& [took, wait] : {std::pair{first.ms, row.firstWaits}, std::pair{second.ms, row.secondWaits}}) {
            if (wait == Wait::None) {
                EXPECT_LT(took, 150) << "no wait";
            } else {
                EXPECT_GE(took, 40) << "the lock is waited for";
                EXPECT_LT(took, 1000) << "briefly";
            }
        }
        EXPECT_EQ(folderEntries(tmp), staged) << "nothing is made beside the file, nor removed";
        EXPECT_FALSE(QFileInfo::exists(oldLockFile(tmp) + ".nowhere")) << "a link is never followed";
    }
}

TEST(SettingsStoreWriters, ACopyStoppedOrSlowInItsWriteReadsTheFileAgainWhenItGoesOn) {
    // A copy stopped or slowed while it bumps a count, after it read the
    // file: in its change, or with its new file on disk just before it puts
    // it in place, or in a sync that takes 400 ms, as on a slow disk. Writes
    // go ahead without it, each after the 200 ms it waits for the lock,
    // bumping the same count: against the slow copy, one, which is done
    // before the copy goes on. When it goes on, its bump comes on top of
    // theirs, and their other values stay.
    enum class Where { InItsChange, WithItsNewFileOnDisk, InASlowSync };
    struct Row {
        const char* copy;
        Where where;
        int bumpsMeanwhile;
        bool otherValueMeanwhile;
    };
    const Row rows[] = {
        {"stopped in its change", Where::InItsChange, 2, true},
        {"stopped with its new file on disk", Where::WithItsNewFileOnDisk, 2, true},
        {"in a sync of 400 ms", Where::InASlowSync, 1, false},
    };
    auto bump = [](const std::optional<std::string>& s) {
        return std::optional(std::to_string(std::stoi(s.value_or("0")) + 1));
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.copy);
        TempSettings tmp;
        ASSERT_TRUE(settings::Write(false, "Statistic", "Count", "10"));
        const std::string bumpedMeanwhile = std::to_string(10 + row.bumpsMeanwhile);
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t copy = startChild([&] {
            close(fds[0]);
            bool paused = false;
            auto pause = [&] {
                if (std::exchange(paused, true)) return;
                (void)!write(fds[1], "x", 1);
                if (row.where == Where::InASlowSync)
                    usleep(400000);
                else
                    raise(SIGSTOP);
            };
            if (row.where != Where::InItsChange) settings::SetPauseBeforeReplacingForTests(pause);
            std::vector<std::string> seen;
            auto change = [&](const std::optional<std::string>& s) {
                seen.push_back(s.value_or("-"));
                if (row.where == Where::InItsChange) pause();
                return bump(s);
            };
            const bool written = settings::Update(false, "Statistic", "Count", change);
            return written && seen == std::vector<std::string>{"10", bumpedMeanwhile} ? 0 : 1;
        });
        close(fds[1]);
        char c = 0;
        ASSERT_EQ(read(fds[0], &c, 1), 1);
        close(fds[0]);
        const bool stopped = row.where != Where::InASlowSync;
        if (stopped) {
            int status = 0;
            ASSERT_EQ(waitpid(copy, &status, WUNTRACED), copy);
            ASSERT_TRUE(WIFSTOPPED(status));
        }

        for (int i = 0; i < row.bumpsMeanwhile; ++i) {
            EXPECT_TRUE(settings::Update(false, "Statistic", "Count", bump));
            if (row.otherValueMeanwhile && i == 0) {
                EXPECT_TRUE(settings::Write(false, "Statistic", "Other", " 5"));
            }
        }
        EXPECT_EQ(settings::Read(false, "Statistic", "Count"), bumpedMeanwhile);
        if (stopped) kill(copy, SIGCONT);
        EXPECT_EQ(waitChild(copy), 0) << "the copy read the file again, and wrote";
        EXPECT_EQ(settings::Read(false, "Statistic", "Count"), std::to_string(10 + row.bumpsMeanwhile + 1));
        if (row.otherValueMeanwhile) {
            EXPECT_EQ(settings::Read(false, "Statistic", "Other"), " 5");
        }
        EXPECT_EQ(folderEntries(tmp), QStringList{"user.ini"});
    }
}

namespace {

constexpr int kMostBumps = 100;

// What one program bumping the count saw of its own writes.
struct BumperReport {
    int failed = 0;
    qint64 longestUs = 0;
    int pastTheWait = 0;  // writes that took the whole wait for the lock, or longer
    int written = 0;
    std::array<int, kMostBumps> counts{};  // what each of its writes made the count, in order
};

struct BumpLoad {
    int programs, bumps;
    useconds_t pause;    // between two bumps of a program
    useconds_t sync = 0;  // added to each write's sync, as a slow disk would
};

// Runs the programs side by side, each bumping one count, and gives their
// reports, which they keep in memory shared with the test.
std::vector<BumperReport> bumpAtOnce(const BumpLoad& load) {
    EXPECT_LE(load.bumps, kMostBumps);
    const std::size_t size = sizeof(BumperReport) * static_cast<std::size_t>(load.programs);
    void* shared = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    EXPECT_NE(shared, MAP_FAILED);
    auto* reports = static_cast<BumperReport*>(shared);
    std::fill(reports, reports + load.programs, BumperReport{});
    const std::vector<int> codes = runSideBySide(load.programs, [&](int program) {
        if (load.sync) settings::SetPauseBeforeReplacingForTests([&] { usleep(load.sync); });
        BumperReport& report = reports[program];
        for (int i = 0; i < load.bumps; ++i) {
            int made = 0;
            QElapsedTimer took;
            took.start();
            const bool written =
                settings::Update(false, "Statistic", "Count", [&](const std::optional<std::string>& s) {
                    made = std::stoi(s.value_or("0")) + 1;
                    return std::optional(std::to_string(made));
                });
            const qint64 us = took.nsecsElapsed() / 1000;
            report.longestUs = std::max(report.longestUs, us);
            report.pastTheWait += us >= 200000;
            if (written)
                report.counts[static_cast<std::size_t>(report.written++)] = made;
            else
                ++report.failed;
            if (load.pause) usleep(load.pause);
        }
        return 0;
    });
    for (int code : codes) EXPECT_EQ(code, 0);
    std::vector<BumperReport> out(reports, reports + load.programs);
    munmap(shared, size);
    return out;
}

// The most writes one program made in a row, by the counts they left.
int longestRunOfOneProgram(const std::vector<BumperReport>& reports) {
    std::map<int, std::size_t> madeBy;
    for (std::size_t p = 0; p < reports.size(); ++p)
        for (int i = 0; i < reports[p].written; ++i) madeBy[reports[p].counts[static_cast<std::size_t>(i)]] = p;
    int longest = 0, run = 0;
    std::size_t last = reports.size();
    for (const auto& [count, program] : madeBy) {
        run = program == last ? run + 1 : 1;
        last = program;
        longest = std::max(longest, run);
    }
    return longest;
}

struct BumpTotals {
    int failed = 0, pastTheWait = 0;
    qint64 longestUs = 0;
};

BumpTotals totalOf(const std::vector<BumperReport>& reports) {
    BumpTotals t;
    for (const BumperReport& r : reports) {
        t.failed += r.failed;
        t.pastTheWait += r.pastTheWait;
        t.longestUs = std::max(t.longestUs, r.longestUs);
    }
    return t;
}

int storedCount() { return std::stoi(settings::Read(false, "Statistic", "Count").value_or("0")); }

}  // namespace

TEST(SettingsStoreWriters, ProgramsBumpingOneCountAtOnceKeepEveryBumpWhateverIsAtTheOldLockName) {
    // Programs bump one count, each a number of times, with a pause between
    // its bumps or flat out, while something is at the name of the lock file
    // older versions used. Every bump is kept; the printed table shows the
    // longest write and how many took the whole wait for a stopped holder
    // (200 ms), which only a very busy disk should cause.
    struct Row {
        const char* atOldName;
        Stage stage;
        BumpLoad load;
    };
    const Row rows[] = {
        {"nothing", nothing, {2, 60, 2000}},
        {"a folder", aFolder, {2, 60, 2000}},
        {"a folder", aFolder, {4, 40, 0}},
        {"a dangling link", aDanglingLink, {4, 40, 0}},
        {"a pipe", aPipe, {4, 40, 0}},
        {"a read-only file", fileWith("", kReadOnly), {4, 40, 0}},
    };
    std::printf("%-20s %9s %7s %12s %14s %12s\n", "at the old name", "programs", "pause", "bumps kept",
                "longest write", "past 200 ms");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.atOldName) + ", " + std::to_string(row.load.programs) + " programs");
        TempSettings tmp;
        row.stage(oldLockFile(tmp));
        QStringList expected = folderEntries(tmp) << "user.ini";
        expected.sort();
        const BumpTotals totals = totalOf(bumpAtOnce(row.load));
        const int made = row.load.programs * row.load.bumps;
        std::printf("%-20s %9d %4u ms %5d of %4d %11.1f ms %12d\n", row.atOldName, row.load.programs,
                    row.load.pause / 1000, storedCount(), made, static_cast<double>(totals.longestUs) / 1000,
                    totals.pastTheWait);
        EXPECT_EQ(totals.failed, 0) << "every write went through";
        EXPECT_EQ(storedCount(), made);
        EXPECT_EQ(folderEntries(tmp), expected) << "what is at the old name stays, and nothing is added";
    }
}

TEST(SettingsStoreWriters, AProgramWritingWithoutAPauseLeavesTheOthersTheirTurns) {
    // Programs bump one count flat out, and each write holds the lock for a
    // sync made 5 ms longer, as on a slow disk: the moment between two writes
    // of one program is then very short against its hold. Still no program
    // keeps the lock for many writes in a row, so each waiter gets it long
    // before the wait for a stopped holder (200 ms) runs out. The count is
    // in writes, not in time, so a busy machine does not change it much.
    const BumpLoad loads[] = {{2, 40, 0, 5000}, {4, 25, 0, 5000}};
    std::printf("%9s %12s %14s %12s %14s\n", "programs", "bumps kept", "longest write", "past 200 ms",
                "most in a row");
    for (const BumpLoad& load : loads) {
        SCOPED_TRACE(std::to_string(load.programs) + " programs");
        TempSettings tmp;
        const std::vector<BumperReport> reports = bumpAtOnce(load);
        const BumpTotals totals = totalOf(reports);
        const int inARow = longestRunOfOneProgram(reports);
        std::printf("%9d %5d of %4d %11.1f ms %12d %14d\n", load.programs, storedCount(), load.programs * load.bumps,
                    static_cast<double>(totals.longestUs) / 1000, totals.pastTheWait, inARow);
        EXPECT_EQ(totals.failed, 0);
        EXPECT_EQ(storedCount(), load.programs * load.bumps);
        EXPECT_LE(inARow, 8) << "a waiter gets its turn";
    }
}
