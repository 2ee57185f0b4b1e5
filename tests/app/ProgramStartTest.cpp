// What the programs set up for their process at start, seen from a game's
// end: its statistics written under a file size limit.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "ProgramStart.h"
#include "SettingsStore.h"
#include "TempSettings.h"

namespace {

// Set up as a program is, a process whose file may not grow past 4 KiB
// writes twice that: the write reports that it failed, the old value stays
// and the process lives on. The process is a child, as the limit and the
// signal's handling last for the rest of its life.
TEST(ProgramStart, AWritePastTheFileSizeLimitFailsWithoutEndingTheProgram) {
    TempSettings tmp;
    ASSERT_TRUE(settings::Write(false, "Statistic", "TotalDe", " 3"));
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        IgnoreFileSizeSignal();
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
        _exit(settings::Write(false, "Statistic", "TotalDe", std::string(8192, '7')) ? 1 : 0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write claimed to go through; 2: no limit could be set";
    EXPECT_EQ(settings::Read(false, "Statistic", "TotalDe"), " 3");
}

}  // namespace
