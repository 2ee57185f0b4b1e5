// Whole headless deals at the real table: the game deals, the computer
// seats bid and play by the shipped rule files, and the human's seat takes
// its own suggestions through the table's controls; no window is shown and
// the game's pauses pass in virtual time. One iteration is one deal, from
// the deal's start to the start of the next; "deals/s" is deals per second
// of CPU time on one core ("played/s" those that came to trick play). A
// game that ends is followed by a new one, set up outside the time. Nobody
// sees the table: the hands, drawn only when shown, are never drawn, and
// the picture boxes skip their pictures.
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
    explicit Game(std::uint64_t seed) : table(seed), driver(table.m()) {
        table.m().form.Unseen = true;  // no window: the picture boxes skip their pictures
        table.m().Form_Load();
    }
    bool over() { return table.m().LblGameOver.Visible; }
};

// Plays until the next deal has started or the game is over; false when
// neither came within an hour of game time. played tells whether the deal
// came to trick play (nobody bid on a deal that is dealt again).
bool playOneDeal(Game& g, bool& played) {
    Main& m = g.table.m();
    const int dealer = m.harPacko;
    played = false;
    return g.driver.runUntil(
        [&] {
            if (m.myGameStatus == 7 && m.gbHogstaBudet >= 6) played = true;
            return m.harPacko != dealer || m.LblGameOver.Visible;
        },
        60 * 60 * 1000);
}

void BM_HeadlessDeal(benchmark::State& state) {
    std::uint64_t seed = 1;
    auto game = std::make_unique<Game>(seed);
    long messageBoxes = 0;
    long playedDeals = 0;
    for (auto _ : state) {
        if (game->over()) {
            state.PauseTiming();
            messageBoxes += game->table.dialogs.CountOf("MsgBox");
            game = std::make_unique<Game>(++seed);
            state.ResumeTiming();
        }
        bool played = false;
        if (!playOneDeal(*game, played)) {
            state.SkipWithError("a deal did not end");
            break;
        }
        if (played) ++playedDeals;
    }
    messageBoxes += game->table.dialogs.CountOf("MsgBox");
    if (messageBoxes > 0) state.SkipWithError("a message box was shown: the shipped files are not found");
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["played/s"] = benchmark::Counter(static_cast<double>(playedDeals), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessDeal)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
