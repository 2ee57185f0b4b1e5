// Where the settings store keeps its files, and what it tidies there.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <utime.h>

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

}  // namespace

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
