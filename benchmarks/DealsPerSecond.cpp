// Whole headless deals at the real table: the game deals, the computer
// seats bid and play by the shipped rule files, and the human's seat takes
// its own suggestions through the table's controls; no window is shown and
// the game's pauses pass in virtual time. One iteration is one deal, from
// the deal's start to the start of the next; "deals/s" is the rate on one
// core. A game that ends is followed by a new one, set up outside the time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "BenchmarkMain.h"
#include "TableDriver.h"
#include "TestTable.h"

namespace {

struct Game {
    TestTable table;
    TableDriver driver;
    explicit Game(std::uint64_t seed) : table(seed), driver(table.m()) { table.m().Form_Load(); }
    bool over() { return table.m().LblGameOver.Visible; }
};

// Plays until the next deal has started or the game is over; false when
// neither came within an hour of game time.
bool playOneDeal(Game& g) {
    Main& m = g.table.m();
    const int dealer = m.harPacko;
    return g.driver.runUntil([&] { return m.harPacko != dealer || m.LblGameOver.Visible; }, 60 * 60 * 1000);
}

void BM_HeadlessDeal(benchmark::State& state) {
    std::uint64_t seed = 1;
    auto game = std::make_unique<Game>(seed);
    long messageBoxes = 0;
    for (auto _ : state) {
        if (game->over()) {
            state.PauseTiming();
            messageBoxes += game->table.dialogs.CountOf("MsgBox");
            game = std::make_unique<Game>(++seed);
            state.ResumeTiming();
        }
        if (!playOneDeal(*game)) {
            state.SkipWithError("a deal did not end");
            break;
        }
    }
    messageBoxes += game->table.dialogs.CountOf("MsgBox");
    if (messageBoxes > 0) state.SkipWithError("a message box was shown: the shipped files are not found");
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessDeal)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
