// Where the settings store keeps its files, and what it leaves alone there.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "SettingsStore.h"
#include "TempSettings.h"

namespace {

QString inFolder(const TempSettings& tmp, const QString& name) {
    return QString::fromStdString(tmp.path()) + "/" + name;
}

// Gives a file or folder a modification time the given seconds ago.
void age(const QString& path, int seconds) {
    const auto when = static_cast<time_t>(QDateTime::currentSecsSinceEpoch() - seconds);
    const utimbuf times{when, when};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0) << path.toStdString();
}

void touch(const QString& path, int secondsAgo) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("[Statistic]\nTotalVi= 3\n");
    f.close();
    age(path, secondsAgo);
}

// Sets the three variables that place the settings folder (nullptr unsets
// one) and puts back what they were, so no other test sees the change.
class SettingsEnvironment {
public:
    SettingsEnvironment(const char* lumra, const char* xdg, const char* home) {
        const std::array<const char*, 3> values{lumra, xdg, home};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (const char* old = std::getenv(kNames[i])) saved_[i] = std::string(old);
            if (values[i])
                setenv(kNames[i], values[i], 1);
            else
                unsetenv(kNames[i]);
        }
    }
    ~SettingsEnvironment() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }
    SettingsEnvironment(const SettingsEnvironment&) = delete;
    SettingsEnvironment& operator=(const SettingsEnvironment&) = delete;

private:
    static constexpr std::array<const char*, 3> kNames{"LUMRA_SETTINGS_DIR", "XDG_CONFIG_HOME", "HOME"};
    std::array<std::optional<std::string>, 3> saved_;
};

}  // namespace

TEST(SettingsStore, TheFolderFollowsTheOverrideThenTheUsersConfigurationFolder) {
    struct Case {
        const char *lumra, *xdg, *home;
        const char* folder;
    };
    const Case cases[] = {
        {"/tmp/lq", "/x/cfg", "/h", "/tmp/lq"},
        {nullptr, "/x/cfg", "/h", "/x/cfg/Lumra Quest"},
        {nullptr, "/x/cfg", nullptr, "/x/cfg/Lumra Quest"},
        {nullptr, nullptr, "/h", "/h/.config/Lumra Quest"},
        {"", "", "/h", "/h/.config/Lumra Quest"},
        {nullptr, "relative", "/h", "/h/.config/Lumra Quest"},
        {nullptr, nullptr, nullptr, ""},  // no home: nowhere to keep settings
        {nullptr, nullptr, "", ""},
        {nullptr, "relative", nullptr, ""},
    };
    for (const Case& c : cases) {
        SettingsEnvironment env(c.lumra, c.xdg, c.home);
        EXPECT_EQ(settings::SettingsFolder(), c.folder)
            << (c.lumra ? c.lumra : "-") << " " << (c.xdg ? c.xdg : "-") << " " << (c.home ? c.home : "-");
    }
}

TEST(SettingsStore, AHomeKeepsTheStatisticsInItsConfigurationFolder) {
    QTemporaryDir home;
    SettingsEnvironment env(nullptr, nullptr, home.path().toStdString().c_str());
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 2"));
    EXPECT_TRUE(QFile::exists(home.path() + "/.config/Lumra Quest/user.ini"));
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 2");
}

TEST(SettingsStore, WithoutAHomeNothingIsWrittenAndReadsFindNothing) {
    const bool rootFolderExisted = QFileInfo::exists("/.config/Lumra Quest");
    SettingsEnvironment env(nullptr, nullptr, nullptr);
    EXPECT_FALSE(settings::Write(false, "Statistic", "TotalVi", " 1"));
    EXPECT_FALSE(settings::Write(true, "Statistic", "Debug", " 1"));
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), std::nullopt);
    if (!rootFolderExisted) {
        EXPECT_FALSE(QFileInfo::exists("/.config/Lumra Quest"));
    }
}

TEST(SettingsStore, AWriteLeavesEveryOtherFileInTheFolderAlone) {
    // Copies the player made and named, long untouched, some of them named
    // as a temporary or a lock file might be: none is the store's to remove.
    TempSettings tmp;
    const char* const names[] = {"user.ini.backup", "local.ini.before", "user.ini.Ab12Cd", "local.ini.xYz789",
                                 "user.ini.lock",   "local.ini.lock",   ".user.ini.Ab12Cd", "user.ini~",
                                 "other.ini.Ab12Cd"};
    for (const char* name : names) touch(inFolder(tmp, name), 3600);
    ASSERT_TRUE(QDir().mkdir(inFolder(tmp, "user.ini.Folder")));
    age(inFolder(tmp, "user.ini.Folder"), 3600);

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " " + std::to_string(i)));
        ASSERT_TRUE(settings::Write(true, "Statistic", "Debug", " " + std::to_string(i)));
    }
    for (const char* name : names) {
        QFile f(inFolder(tmp, name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(f.readAll(), "[Statistic]\nTotalVi= 3\n") << name;
    }
    EXPECT_TRUE(QDir(inFolder(tmp, "user.ini.Folder")).exists());
    const QStringList entries =
        QDir(QString::fromStdString(tmp.path())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(entries.size(), static_cast<qsizetype>(std::size(names)) + 3) << entries.join(" ").toStdString();
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 2");
    EXPECT_EQ(settings::Read(true, "Statistic", "Debug"), " 2");
}

TEST(SettingsStore, AWriteClearsTheStaleFilesKilledWritesLeftAndNothingElse) {
    // A write killed before its rename leaves its new file under the game's
    // own temporary name, ".<file>.lumra-" and six letters or digits. The
    // next write of that file clears such files once they are clearly
    // stale; a fresh one may be a live writer's, and everything of another
    // name, kind or owner may be the player's.
    struct Entry {
        const char* name;
        enum { File, Folder, Link } kind;
        int secondsAgo;
        bool cleared;
    };
    const Entry entries[] = {
        {".user.ini.lumra-Ab12Cd", Entry::File, 3600, true},
        {".local.ini.lumra-x9Y8z7", Entry::File, 3600, true},
        {".user.ini.lumra-Fresh1", Entry::File, 0, false},   // a live writer's, for all a write can tell
        {".user.ini.lumra-Slow42", Entry::File, 20, false},  // so is one of a writer slowed for seconds
        {".user.ini.lumra-Ab12C", Entry::File, 3600, false},
        {".user.ini.lumra-Ab12Cde", Entry::File, 3600, false},
        {".user.ini.lumra-Ab_2Cd", Entry::File, 3600, false},
        {".user.ini.lumra-lock", Entry::File, 3600, false},  // an older version's lock
        {".other.ini.lumra-Ab12Cd", Entry::File, 3600, false},
        {"user.ini.lumra-Ab12Cd", Entry::File, 3600, false},
        {"user.ini.backup", Entry::File, 3600, false},
        {"user.ini.AbC123", Entry::File, 3600, false},
        {".user.ini.AbC123", Entry::File, 3600, false},
        {".user.ini.lumra-Fold3r", Entry::Folder, 3600, false},
        {".user.ini.lumra-L1nk00", Entry::Link, 3600, false},
    };
    TempSettings tmp;
    for (const Entry& e : entries) {
        const QString path = inFolder(tmp, e.name);
        switch (e.kind) {
        case Entry::File: touch(path, e.secondsAgo); break;
        case Entry::Folder:
            ASSERT_TRUE(QDir().mkdir(path));
            age(path, e.secondsAgo);
            break;
        case Entry::Link: ASSERT_TRUE(QFile::link("user.ini.backup", path)); break;
        }
    }
    // Another user's stale file at the game's name is not this user's to
    // remove; only the superuser can make one to show it.
    const bool asRoot = ::geteuid() == 0;
    const QString othersCopy = inFolder(tmp, ".user.ini.lumra-Other1");
    if (asRoot) {
        touch(othersCopy, 3600);
        ASSERT_EQ(::chown(QFile::encodeName(othersCopy).constData(), 65534, 65534), 0);
    }

    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 1"));
    ASSERT_TRUE(settings::Write(true, "Statistic", "Debug", " 1"));
    for (const Entry& e : entries) {
        const QFileInfo after(inFolder(tmp, e.name));
        EXPECT_EQ(after.exists() || after.isSymLink(), !e.cleared) << e.name;
    }
    if (asRoot) {
        EXPECT_TRUE(QFileInfo::exists(othersCopy));
    }
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 1");
    EXPECT_EQ(settings::Read(true, "Statistic", "Debug"), " 1");
}

TEST(SettingsStore, AWriteKeepsThePermissionsOfTheFileAndTheLinksToIt) {
    // The new file takes the old one's permissions, whatever the umask; a new
    // file gets what the umask leaves of read and write for all, as any
    // program's new file does.
    struct Case {
        std::optional<mode_t> old;  // none: no file yet
        mode_t umask, after;
    };
    const Case cases[] = {
        {std::nullopt, 022, 0644}, {std::nullopt, 077, 0600}, {std::nullopt, 002, 0664},
        {0600, 022, 0600},         {0640, 077, 0640},         {0666, 022, 0666},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.old.value_or(0)) + " under " + std::to_string(c.umask));
        TempSettings tmp;
        const std::string path = settings::ScopeFile(false);
        if (c.old) {
            ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 1"));
            ASSERT_EQ(::chmod(path.c_str(), *c.old), 0);
        }
        const mode_t before = ::umask(c.umask);
        const bool written = settings::Write(false, "Statistic", "TotalDe", " 2");
        ::umask(before);
        ASSERT_TRUE(written);
        struct stat st{};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after);
    }

    // A settings file the player keeps elsewhere, with a link to it in the
    // settings folder: the write replaces the file the link leads to, with
    // its permissions, and the link stays.
    TempSettings tmp;
    QTemporaryDir elsewhere;
    const QString real = elsewhere.path() + "/kept.ini";
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Statistic]\nTotalVi= 3\n");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0600), 0);
    const QString link = QString::fromStdString(settings::ScopeFile(false));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalDe", " 4"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 3");
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalDe"), " 4");
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"kept.ini"});
}
