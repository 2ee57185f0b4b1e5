#pragma once
// The physical floor of a decision that reads files: each file opened,
// read with read(2) into a buffer already large enough, and closed, with
// nothing done to the bytes. A decision cannot take less than this.

#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

// Reads every path in turn; the number of bytes read in all, -1 when a file
// cannot be opened.
inline long ReadFilesPlainly(const std::vector<std::string>& paths, std::vector<char>& buffer) {
    long total = 0;
    for (const std::string& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return -1;
        ssize_t n = 0;
        while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) total += n;
        ::close(fd);
    }
    return total;
}

// The benchmark body of a floor: reads the files once per iteration.
inline void MeasureReadFloor(benchmark::State& state, const std::vector<std::string>& paths) {
    std::vector<char> buffer(1 << 20);
    long bytes = 0;
    for (auto _ : state) {
        bytes = ReadFilesPlainly(paths, buffer);
        benchmark::DoNotOptimize(bytes);
        benchmark::ClobberMemory();
    }
    if (bytes < 0) state.SkipWithError("a file of the floor cannot be read");
    state.counters["bytes"] = static_cast<double>(bytes);
}
