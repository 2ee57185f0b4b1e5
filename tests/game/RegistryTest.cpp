#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "Registry.h"
#include "SettingsStore.h"
#include "TempSettings.h"

TEST(Registry, MissingValueGivesTheDefaultAndCreatesNothing) {
    TempSettings tmp;
    EXPECT_EQ(GetRegistryValue("local", "Install", "Dir", "fallback/"), "fallback/");
    EXPECT_TRUE(QDir(QString::fromStdString(tmp.path())).entryList(QDir::Files).isEmpty());
}

TEST(Registry, OnlyTheExactWordLocalSelectsTheLocalStore) {
    TempSettings tmp;
    SaveRegistryValue("local", "Statistic", "Debug", " 3");
    for (const char* scope : {"Local", "LOCAL", "user", ""})
        EXPECT_EQ(GetRegistryValue(scope, "Statistic", "Debug", "none"), "none") << scope;
    EXPECT_EQ(GetRegistryValue("local", "Statistic", "Debug", "none"), " 3");
    SaveRegistryValue("Local", "Statistic", "TotalVi", " 2");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 2");
}

TEST(Registry, EmptyTextIsStoredAsABlank) {
    TempSettings tmp;
    SaveRegistryValue("user", "Statistic", "TotalDe", "");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalDe", "0"), " ");
}

TEST(Registry, TextsOf255BytesOrMoreReadAsTheDefault) {
    TempSettings tmp;
    SaveRegistryValue("user", "S", "a", std::string(254, 'x'));
    SaveRegistryValue("user", "S", "b", std::string(255, 'y'));
    EXPECT_EQ(GetRegistryValue("user", "S", "a", "d"), std::string(254, 'x'));
    EXPECT_EQ(GetRegistryValue("user", "S", "b", "d"), "d");
}

TEST(Registry, ValuesMayHoldAnyCharacter) {
    TempSettings tmp;
    const std::string odd = "C:\\Program Files\\x=y\r\n[z]; w";
    SaveRegistryValue("local", "Install", "Dir", odd);
    SaveRegistryValue("local", "Other", "Dir", "plain");
    EXPECT_EQ(GetRegistryValue("local", "Install", "Dir", ""), odd);
    EXPECT_EQ(GetRegistryValue("local", "Other", "Dir", ""), "plain");
}

TEST(Registry, ResetAndCounterForms) {
    TempSettings tmp;
    SaveRegistryValue("user", "Statistic", "TotalVi", " 1");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 1");
    SaveRegistryValue("user", "Statistic", "TotalVi", "0");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "x"), "0");
}

TEST(Registry, GarbageFileReadsAsMissingValues) {
    TempSettings tmp;
    QDir().mkpath(QString::fromStdString(tmp.path()));
    QFile f(QString::fromStdString(settings::ScopeFile(false)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02garbage=\n[[[\n=novalue\n\xff\xfe");
    f.close();
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), "0");
    SaveRegistryValue("user", "Statistic", "TotalVi", " 4");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 4");
}

TEST(Registry, WritesLeaveNoTemporaryFilesBehind) {
    TempSettings tmp;
    for (int i = 0; i < 5; ++i) SaveRegistryValue("user", "Statistic", "TotalDe", " " + std::to_string(i));
    const QStringList files = QDir(QString::fromStdString(tmp.path())).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(files, QStringList{"user.ini"});
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalDe", ""), " 4");
}

TEST(Registry, UnwritableFolderIsSilent) {
    TempSettings tmp;
    setenv("LUMRA_SETTINGS_DIR", "/proc/lumra-cannot-write-here", 1);
    EXPECT_NO_THROW(SaveRegistryValue("user", "Statistic", "TotalVi", " 1"));
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), "0");
}

namespace {
void writeScopeFile(bool local, const std::string& text) {
    QFile f(QString::fromStdString(settings::ScopeFile(local)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
}
std::string fileText(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
}
}  // namespace

TEST(Registry, AReadCreatesNoFolder) {
    TempSettings tmp;
    const std::string folder = tmp.path() + "/not-yet";
    setenv("LUMRA_SETTINGS_DIR", folder.c_str(), 1);
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), "0");
    EXPECT_FALSE(QDir(QString::fromStdString(folder)).exists());
    SaveRegistryValue("user", "Statistic", "TotalVi", " 1");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 1");
}

TEST(Registry, AnEmptyStoredValueReadsAsEmptyText) {
    // The game itself never stores one, but a hand-edited file may.
    TempSettings tmp;
    writeScopeFile(true, "[Install]\nDir=\r\n");
    EXPECT_EQ(GetRegistryValue("local", "Install", "Dir", "default/"), "");
}

TEST(Registry, AWriteReplacesTheFileInsteadOfRewritingIt) {
    // A second name for the old file keeps its complete old text: the new
    // text went into a new file that was renamed into place, so a crash in
    // the middle of a write can never leave half a file.
    TempSettings tmp;
    SaveRegistryValue("user", "Statistic", "TotalVi", " 7");
    const std::string path = settings::ScopeFile(false);
    const std::string oldText = fileText(path);
    const std::string link = tmp.path() + "/old-user.ini";
    ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
    SaveRegistryValue("user", "Statistic", "TotalVi", " 8");
    EXPECT_EQ(fileText(link), oldText);
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 8");
}

TEST(Registry, AWriteNeverDestroysAFileItCannotRead) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    TempSettings tmp;
    SaveRegistryValue("user", "Statistic", "TotalVi", " 9");
    const std::string path = settings::ScopeFile(false);
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);  // may be written, not read
    SaveRegistryValue("user", "Statistic", "TotalDe", " 1");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "0"), " 9");
    EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalDe", "0"), "0");
}

TEST(Registry, TheReadLimitCountsBytesNotCharacters) {
    TempSettings tmp;
    std::string fits, tooLong;
    for (int i = 0; i < 127; ++i) fits += "\xC3\xA4";  // 127 two-byte letters: 254 bytes
    tooLong = fits + "\xC3\xA4";
    SaveRegistryValue("user", "S", "fits", fits);
    SaveRegistryValue("user", "S", "long", tooLong);
    EXPECT_EQ(GetRegistryValue("user", "S", "fits", "d"), fits);
    EXPECT_EQ(GetRegistryValue("user", "S", "long", "d"), "d");
}

TEST(Registry, AChangeSeesWhatAReadGivesAndSavesAsASaveDoes) {
    struct Case {
        std::optional<std::string> stored;  // nothing: no such value
        const char* seen;
        std::optional<std::string> made;    // nothing: leave the value as it is
        std::optional<std::string> after;
    };
    const Case cases[] = {
        {std::nullopt, "dflt", " 1", " 1"},
        {" 4", " 4", " 5", " 5"},
        {std::string(255, 'y'), "dflt", "z", "z"},  // too long to read: as a read, the default
        {" 4", " 4", "", " "},                      // never an empty value in the store
        {" 4", " 4", std::nullopt, " 4"},
        {std::nullopt, "dflt", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        TempSettings tmp;
        if (c.stored) SaveRegistryValue("user", "S", "n", *c.stored);
        std::vector<std::string> seen;
        const auto made = ChangeRegistryValue("user", "S", "n", "dflt", [&](const std::string& stored) {
            seen.push_back(stored);
            return c.made;
        });
        EXPECT_EQ(seen, std::vector<std::string>{c.seen}) << c.seen;
        EXPECT_EQ(made, c.made) << c.seen;
        EXPECT_EQ(settings::Read(false, "S", "n"), c.after) << c.seen;
    }
    // With nowhere to keep it the change is still made, so the game can show
    // what it counted.
    TempSettings tmp;
    setenv("LUMRA_SETTINGS_DIR", "/proc/lumra-cannot-write-here", 1);
    EXPECT_EQ(ChangeRegistryValue("user", "S", "n", "0", [](const std::string& s) { return s + "+1"; }), "0+1");
}
