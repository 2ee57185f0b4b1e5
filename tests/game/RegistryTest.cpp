#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

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
