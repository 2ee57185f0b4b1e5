// The time of one computer bid decision with the shipped files: the bid
// table is read for the seat's hand in all four colours and the bid rules
// are interpreted, both files read afresh as at every bid in play.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "BenchmarkMain.h"
#include "BidRules.h"
#include "BidTable.h"
#include "SeededHand.h"
#include "TestTable.h"

namespace {

// range(0): the highest bid so far (0 opens, 8 is a contested bid).
void BM_BidDecision(benchmark::State& state) {
    TestTable t(9);
    Main& m = t.m();
    DealSeededHand(m, 1, 77);
    m.attBjuda = 1;
    m.attSaka = m.harPacko = 0;
    m.gbHogstaBudet = static_cast<short>(state.range(0));
    const std::string rules = m.gbInstallPath + "LumraBidRulesAI.txt";
    for (auto _ : state) {
        LoadHandEATables(1, "LumraBidBase.txt");
        std::string mode = EvaluateBidRules(rules);
        benchmark::DoNotOptimize(mode);
    }
    if (!t.dialogs.shown.empty()) state.SkipWithError("a message box was shown: the shipped files are not found");
}
BENCHMARK(BM_BidDecision)->Arg(0)->Arg(8)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
