// The time of one play decision with the shipped rules: the file is read
// afresh and interpreted for a seat in the middle of a deal. The read floor
// is the same file read with read(2) and nothing else.
#include <benchmark/benchmark.h>

#include <random>

#include "BenchmarkMain.h"
#include "InstallFolder.h"
#include "PlayTestSimulation.h"
#include "ReadFloor.h"
#include "TestTable.h"

namespace {

void BM_PlayDecision(benchmark::State& state) {
    TestTable t(11);
    Main& m = t.m();
    for (auto& h : m.Hand) h.myPlayAI = "LumraPlayRulesAI.TXT";
    std::mt19937 g(2024);
    playsim::DealResult r;
    playsim::deal(m, g, r);
    for (auto& h : m.Hand) h.mySpelarTyp = 1;
    CurrentSeat = TrickLeader = r.bidder;
    TrickCount = 1;
    ContestedPointsLeft = 12;
    TopRankLeft = 14;
    const int seat = static_cast<int>(CurrentSeat);
    for (auto _ : state) {
        ChoosePlayCard(seat);
        benchmark::DoNotOptimize(SuggestedCardIndex);
    }
}
BENCHMARK(BM_PlayDecision)->Unit(benchmark::kMicrosecond);

void BM_PlayReadFloor(benchmark::State& state) {
    MeasureReadFloor(state, {DefaultInstallFolder() + "LumraPlayRulesAI.TXT"});
}
BENCHMARK(BM_PlayReadFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv, "BM_PlayReadFloor"); }
