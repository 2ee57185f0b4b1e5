// The time of one computer bid decision with the shipped files: the bid
// table is read for the seat's hand in all four colours and the bid rules
// are interpreted, both files read afresh as at every bid in play. The read
// floor is the same five file reads with read(2) and nothing else.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "BenchmarkMain.h"
#include "BidRules.h"
#include "BidTable.h"
#include "InstallFolder.h"
#include "ReadFloor.h"
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
BENCHMARK(BM_BidDecision)->Arg(0)->Arg(8)->Unit(benchmark::kMicrosecond);

void BM_BidReadFloor(benchmark::State& state) {
    const std::string table = DefaultInstallFolder() + "LumraBidBase.txt";
    MeasureReadFloor(state, {table, table, table, table, DefaultInstallFolder() + "LumraBidRulesAI.txt"});
}
BENCHMARK(BM_BidReadFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv, "BM_BidReadFloor"); }
