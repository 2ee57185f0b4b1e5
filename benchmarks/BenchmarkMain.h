#pragma once
// The common entry of the Google Benchmark programs.

#include <benchmark/benchmark.h>

#include "BenchmarkApp.h"

// Runs the registered benchmarks inside a headless application.
inline int RunBenchmarks(int argc, char** argv) {
    auto app = MakeHeadlessApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
