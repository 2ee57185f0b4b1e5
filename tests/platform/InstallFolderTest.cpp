#include <gtest/gtest.h>

#include <filesystem>

#include "InstallFolder.h"

// The tests run beside their data files in the build tree, as the programs do.
TEST(InstallFolder, IsTheProgramsFolderWhenTheDataFilesLieBesideIt) {
    const std::string folder = DefaultInstallFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder, ProgramFolder());
    for (const char* file : {"LumraBidBase.txt", "LumraBidRulesAI.txt", "LumraPlayRulesAI.TXT", "Suggestion.txt"})
        EXPECT_TRUE(std::filesystem::exists(folder + file)) << file;
}
