#pragma once
// Work run in processes of their own, as a second copy of the game runs.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <vector>

// Runs work() in a child process, whose exit code is what work() gives.
inline pid_t startChild(const std::function<int()>& work) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) _exit(work());
    return pid;
}

// The child's exit code, or -1 when a signal ended it.
inline int waitChild(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Holds children back until release(), so that they start together.
class StartLine {
public:
    StartLine() { EXPECT_EQ(pipe(fds_), 0); }
    ~StartLine() {
        release();
        close(fds_[0]);
    }
    StartLine(const StartLine&) = delete;
    StartLine& operator=(const StartLine&) = delete;
    // Called in a child: returns once the parent has released the line.
    void wait() {
        close(fds_[1]);
        char c = 0;
        while (read(fds_[0], &c, 1) < 0) {
        }
    }
    void release() {
        if (fds_[1] >= 0) close(fds_[1]);
        fds_[1] = -1;
    }

private:
    int fds_[2] = {-1, -1};
};

// Runs work() in each of the given number of children at once and gives
// their exit codes.
inline std::vector<int> runSideBySide(int children, const std::function<int(int child)>& work) {
    std::vector<pid_t> pids;
    {
        StartLine line;
        for (int c = 0; c < children; ++c)
            pids.push_back(startChild([&, c] {
                line.wait();
                return work(c);
            }));
        line.release();
    }
    std::vector<int> codes;
    for (pid_t pid : pids) codes.push_back(waitChild(pid));
    return codes;
}
