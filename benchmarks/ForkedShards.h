#pragma once
// Runs shards of a job in child processes and collects what each writes.
// The table, the play state and the rule engine are process-wide, so a
// process, not a thread, is the unit of parallel work: each child builds its
// own table.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

// work(shard) gives the shard's text; one shard runs in this process.
inline std::vector<std::string> RunShards(int shards, const std::function<std::string(int)>& work) {
    std::vector<std::string> out(static_cast<std::size_t>(shards));
    if (shards <= 1) {
        out[0] = work(0);
        return out;
    }
    std::vector<FILE*> files;
    std::vector<pid_t> children;
    for (int s = 0; s < shards; ++s) {
        FILE* f = std::tmpfile();
        files.push_back(f);
        std::fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            const std::string text = work(s);
            const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (int s = 0; s < shards; ++s) {
        int status = 0;
        waitpid(children[static_cast<std::size_t>(s)], &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "shard %d failed\n", s);
        FILE* f = files[static_cast<std::size_t>(s)];
        std::rewind(f);
        char buf[65536];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out[static_cast<std::size_t>(s)].append(buf, n);
        std::fclose(f);
    }
    return out;
}
