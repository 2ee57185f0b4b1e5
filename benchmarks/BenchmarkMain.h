#pragma once
// The common entry of the Google Benchmark programs.
//
// Each program runs its benchmarks five times unless the command line names
// another --benchmark_repetitions, and reports the aggregates only (the
// median is the figure to read on a shared machine). A program whose
// decisions read files measures the read floor of the same files in the same
// run and names it here; every other benchmark's median is then printed as a
// multiple of the floor's median.

#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "BenchmarkApp.h"

namespace benchmain {

// The console report, keeping each benchmark's median (or its one run when
// there are no repetitions) for the ratios printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter(std::string floorName, bool colour)
        : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular), floorName_(std::move(floorName)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (!median && !single) continue;
            const std::string name = nameOf(r);
            if (medianUs_.count(name) == 0) order_.push_back(name);
            medianUs_[name] = r.GetAdjustedRealTime() * toMicroseconds(r.time_unit);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (floorName_.empty()) return;
        const auto floor = medianUs_.find(floorName_);
        if (floor == medianUs_.end() || floor->second <= 0) return;
        std::ostream& out = GetOutputStream();
        char line[160];
        std::snprintf(line, sizeof line, "\nMedians against the read floor %s (%.2f us):\n", floorName_.c_str(),
                      floor->second);
        out << line;
        for (const std::string& name : order_) {
            if (name == floorName_) continue;
            const double us = medianUs_[name];
            std::snprintf(line, sizeof line, "  %-32s %10.2f us  %6.1f x floor\n", name.c_str(), us,
                          us / floor->second);
            out << line;
        }
        out.flush();
    }

private:
    static std::string nameOf(const Run& r) {
        std::string name = r.run_name.function_name;
        if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
        return name;
    }
    static double toMicroseconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1e-3;
            case benchmark::kMicrosecond: return 1.0;
            case benchmark::kMillisecond: return 1e3;
            case benchmark::kSecond: return 1e6;
        }
        return 1.0;
    }

    std::string floorName_;
    std::map<std::string, double> medianUs_;
    std::vector<std::string> order_;
};

}  // namespace benchmain

// Runs the registered benchmarks inside a headless application. floorName
// names the benchmark the others are set against ("" for none).
inline int RunBenchmarks(int argc, char** argv, const std::string& floorName = "") {
    auto app = MakeHeadlessApp(argc, argv);
    // The defaults go first so that the command line's own flags win.
    std::vector<char*> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmain::MedianReporter reporter(floorName, ::isatty(::fileno(stdout)) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
