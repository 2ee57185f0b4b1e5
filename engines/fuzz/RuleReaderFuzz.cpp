// libFuzzer entry for the play-rule reader and driver (built with clang only).
// The input is a rule file; its first byte picks the hand the seat holds.
// Whatever the file says, the decision must end, name a trump the seat holds
// and leave the hand's trumps as they were.
#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleDriver.h"
#include "RuleEngineState.h"
#include "TestTable.h"

namespace {

constexpr int kTrump = 4;  // hearts

// Made once and never taken down: the process ends when the fuzzer stops,
// and Qt must not be torn down from the exit handlers.
QApplication* app = nullptr;
TestTable* table = nullptr;
QTemporaryDir* folder = nullptr;

// A trump of hearts by rank name ("v" is the five of diamonds).
Kort* trump(Main& m, const std::string& rank) {
    static const std::vector<std::pair<std::string, int>> faces = {
        {"A", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"V", 4}, {"v", 4}, {"6", 5}, {"7", 6},
        {"8", 7}, {"9", 8}, {"10", 9}, {"J", 10}, {"Q", 11}, {"K", 12}};
    for (const auto& [name, face] : faces)
        if (name == rank) return m.Packe.CardByNr(face * 4 + (rank == "v" ? 1 : 2));
    return nullptr;
}

// The trump ranks of the seat in hand order, sorted for comparison.
std::vector<short> trumpRanks(Main& m) {
    std::vector<short> out;
    for (const Kort* k : m.Hand[0].colHand)
        if (IsTrump(*k, kTrump)) out.push_back(k->Rang);
    std::sort(out.begin(), out.end());
    return out;
}

void giveHand(Main& m, unsigned pick) {
    static const char* ranks[] = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "V", "v", "4", "3", "2"};
    KortHand& h = m.Hand[0];
    h.ClearHand();
    const int count = 1 + static_cast<int>(pick % 6);
    for (int i = 0; i < count; ++i) {
        // Steps of five through the fourteen ranks never meet the same rank twice.
        Kort* k = trump(m, ranks[(pick / 6 + static_cast<unsigned>(i) * 5) % 14]);
        h.AddACardOSort(k, false);
    }
    Kort* clubs = m.Packe.CardByNr(5 * 4);
    h.AddACardOSort(clubs, false);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    table = new TestTable();
    folder = new QTemporaryDir();
    Main& m = table->m();
    m.gbFarg = kTrump;
    m.Packe.ValjFarg(kTrump);
    m.gbInstallPath = folder->path().toStdString() + "/";
    m.gbHogstaBudet = 8;
    for (auto& h : m.Hand) {
        h.myPlayAI = "Rules.TXT";
        h.mySpelarTyp = 0;
    }
    m.Hand[0].mySpelarTyp = 1;  // the human's seat: the engine names the card and plays nothing
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Main& m = table->m();
    const unsigned pick = size > 0 ? data[0] : 0;
    const std::string text = size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : "";
    std::ofstream(m.gbInstallPath + "Rules.TXT", std::ios::binary) << text;

    ResetPlayState();
    CurrentSeat = TrickLeader = 0;
    TrickCount = 1 + static_cast<short>(pick % 3);
    giveHand(m, pick);
    const std::vector<short> before = trumpRanks(m);
    SuggestedCardIndex = -1;
    ChoosePlayCard(0);

    KortHand& h = m.Hand[0];
    if (SuggestedCardIndex < 1 || SuggestedCardIndex > h.colHand.Count()) std::abort();
    if (!IsTrump(*h.colHand.Item(SuggestedCardIndex), kTrump)) std::abort();
    if (trumpRanks(m) != before) std::abort();
    // The engine's picture of the hand stays the hand's trumps in some order.
    std::vector<short> picture(HandRanks.begin() + 1, HandRanks.begin() + 1 + HandCount);
    std::sort(picture.begin(), picture.end());
    if (picture != before) std::abort();
    table->dialogs.shown.clear();
    return 0;
}
