// Where the settings store keeps its files, and what it tidies there.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <QTemporaryDir>

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

TEST(SettingsStore, AWriteRemovesOnlyItsOwnStaleTemporaryCopies) {
    TempSettings tmp;
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 1"));
    struct Case {
        const char* name;
        int secondsAgo;
        bool kept;
    };
    const Case cases[] = {
        {"user.ini.Ab12Cd", 3600, false},  // left by a killed write
        {"local.ini.xYz789", 120, false},  // the other scope's file too
        {"user.ini.Q1w2E3", 0, true},      // may be another program's write in progress
        {"user.ini.abc", 3600, true},      // not the save file's naming
        {"user.ini.Ab12Cd7", 3600, true},
        {"user.ini.ab-cde", 3600, true},
        {"other.ini.Ab12Cd", 3600, true},
        {"user.txt.Ab12Cd", 3600, true},
        {".user.ini.Ab12Cd", 3600, true},
    };
    for (const Case& c : cases) touch(inFolder(tmp, c.name), c.secondsAgo);
    ASSERT_TRUE(QDir().mkdir(inFolder(tmp, "user.ini.Folder")));
    age(inFolder(tmp, "user.ini.Folder"), 3600);

    settings::Read(false, "Statistic", "TotalVi");
    EXPECT_TRUE(QFile::exists(inFolder(tmp, "user.ini.Ab12Cd"))) << "a read leaves the folder alone";

    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalVi", " 2"));
    for (const Case& c : cases) EXPECT_EQ(QFile::exists(inFolder(tmp, c.name)), c.kept) << c.name;
    EXPECT_TRUE(QDir(inFolder(tmp, "user.ini.Folder")).exists());
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalVi"), " 2");
}
