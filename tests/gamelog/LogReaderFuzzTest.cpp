#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "DealDriver.h"
#include "LoadLogfile.h"
#include "LogFixtureFiles.h"
#include "TestTable.h"
#include "fuzz/LogReaderChecks.h"

namespace {

// The log of one whole deal as the game writes it.
std::string recordedDeal() {
    TestTable t(11);
    Main& m = t.m();
    LogRecorder rec(m);
    m.Form_Load();
    EXPECT_TRUE(PlayUntil(t, [&] { return DealFinished(m); }));
    return rec.text();
}

std::vector<std::string> splitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

// Seeded mutations of a log: damaged bytes, lost, doubled and swapped
// lines, cut files and stray tags and card lines.
class LogMutator {
public:
    explicit LogMutator(std::uint32_t seed) : rng_(seed) {}
    std::string mutate(const std::string& text) {
        auto lines = splitKeepingEnds(text);
        const int steps = pick(1, 4);
        for (int i = 0; i < steps; ++i) step(lines);
        std::string out;
        for (const std::string& l : lines) out += l;
        return out;
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::size_t at(const std::vector<std::string>& v) { return static_cast<std::size_t>(pick(0, static_cast<int>(v.size()) - 1)); }
    void step(std::vector<std::string>& lines) {
        static const std::vector<std::string> stray = {
            "<END>\n", "<PACKE_KOMPLETT>\n", "<SYD_FORE_KOP>\n", "<OST_KOPER>\n", "<X_KOP>\n", "<FARG>\n",
            "<BUD>\n", "<PACKE>\n", "<VI>\n", "V\n", "v\n", "A\n", "5\n", "99 , A , 1\n", "\r\n", "\n", "<END>"};
        if (lines.empty()) {
            lines.push_back(stray[static_cast<std::size_t>(pick(0, static_cast<int>(stray.size()) - 1))]);
            return;
        }
        switch (pick(0, 5)) {
            case 0: {  // a damaged byte
                std::string& l = lines[at(lines)];
                if (!l.empty()) l[static_cast<std::size_t>(pick(0, static_cast<int>(l.size()) - 1))] = static_cast<char>(pick(0, 255));
                break;
            }
            case 1: lines.erase(lines.begin() + static_cast<long>(at(lines))); break;
            case 2: {
                const std::size_t i = at(lines);
                lines.insert(lines.begin() + static_cast<long>(i), lines[i]);
                break;
            }
            case 3: {
                const std::size_t a = at(lines), b = at(lines);
                std::swap(lines[a], lines[b]);
                break;
            }
            case 4: lines.resize(at(lines)); break;
            default:
                lines.insert(lines.begin() + static_cast<long>(at(lines)),
                             stray[static_cast<std::size_t>(pick(0, static_cast<int>(stray.size()) - 1))]);
        }
    }
    std::mt19937 rng_;
};

}  // namespace

TEST(LogReaderFuzz, DamagedLogsAreReadSafely) {
    const std::vector<std::string> seeds = {
        recordedDeal(),
        "<FARG>\nHJARTER\n<SYD_FORE_KOP>\nA\nV\n<END>\n<NORD_KOPER>\nv\n<END>\n",
        "",
    };
    LogMutator mutate(20240601);
    std::map<bool, int> outcomes;
    for (int i = 0; i < 3000; ++i) {
        const std::string& seed = seeds[static_cast<std::size_t>(i) % seeds.size()];
        const std::string input = std::string(1, static_cast<char>(i)) + mutate.mutate(seed);
        const auto lines = SplitLogText(input.substr(1));
        const auto replay = ParseReplayLog(lines, farg::Spader);
        ASSERT_TRUE(ReplayResultIsSound(replay)) << input;
        ASSERT_TRUE(ReloadResultIsSound(ParseReloadLog(lines))) << input;
        ASSERT_TRUE(LogReadersHold(input)) << input;
        ++outcomes[std::holds_alternative<ReplayData>(replay)];
    }
    // The run must reach both sides of the checks to mean anything.
    EXPECT_GT(outcomes[true], 100);
    EXPECT_GT(outcomes[false], 100);
}

TEST(LogReaderFuzz, AcceptedDamagedLogsNeverPutACardInTwoPlaces) {
    const std::string deal = recordedDeal();
    TestTable t;
    Main& m = t.m();
    m.Form_Load();
    LogFixtureFiles files;
    LogMutator mutate(77);
    int replayed = 0;
    for (int i = 0; i < 400 && replayed < 60; ++i) {
        const std::string text = mutate.mutate(deal);
        if (!std::holds_alternative<ReplayData>(ParseReplayLog(SplitLogText(text), m.gbFarg))) continue;
        t.dialogs.fileAnswers.push_back(files.write("fuzz.txt", text));
        m.BtnPlaylog_Click();
        ++replayed;
        std::map<const Kort*, int> places;
        for (const auto* group : {&m.Hand, &m.Bord})
            for (const KortHand& h : *group)
                for (const Kort* k : h.colHand) ++places[k];
        for (const Kort* k : m.KortKilled.colHand) ++places[k];
        for (const auto& [card, n] : places) ASSERT_EQ(n, 1) << "card " << card->Nr << "\n" << text;
        for (const KortHand& h : m.Hand) EXPECT_LE(h.colHand.Count(), 6);
    }
    EXPECT_GT(replayed, 10);
    LogFilePath.clear();
}
