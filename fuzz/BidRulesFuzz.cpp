// libFuzzer entry for the bid-rule engine (built with clang only). The input
// is a bid-rule file; a number drawn from it picks a nine-card hand and the
// bidding situation. The bid table holds the shipped records of that hand's
// keys only, so each run reads a small file. The engine's outcome must be
// one of its three words, and the human's suggested bid a legal one.
#include <cstdint>
#include <string>

#include "BidCheck.h"
#include "BidRules.h"
#include "BidTableKey.h"
#include "EngineBridge.h"
#include "InstallFolder.h"
#include "VbText.h"

namespace {
FuzzTable* fuzz = nullptr;
std::string shippedTable;

// The shipped record filed under the marker with the key, or "".
std::string shippedRecord(const BidPattern& p) {
    const auto section = shippedTable.find("\n" + p.marker + "\n");
    if (section == std::string::npos) return "";
    const auto at = shippedTable.find("\n" + p.key + ",", section + 1);
    if (at == std::string::npos) return "";
    return shippedTable.substr(at + 1, shippedTable.find('\n', at + 1) - at);
}

// "Bugala" and the records of the human seat's four colours.
std::string humanTable() {
    std::string text = "Bugala\n";
    for (int c = 0; c < 4; ++c) {
        const BidPattern p = BuildBidPattern(SeatTrumpRanksFor(0, 1 << c));
        text += p.marker + "\n" + shippedRecord(p);
    }
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz = StartFuzzTable(argc, argv);
    // Line ends as "\n" only, so the records are found by plain text search.
    shippedTable = FuzzTable::read(DefaultInstallFolder() + "LumraBidBase.txt");
    std::erase(shippedTable, '\r');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Main& m = fuzz->m();
    const std::uint64_t pick = InputHash(data, size);
    const short biggest = SetUpHumanBid(m, pick, 9);
    fuzz->write("LumraBidBase.txt", humanTable());
    fuzz->write("LumraBidRulesAI.txt", text);
    fuzz->table.dialogs.shown.clear();

    // The engine alone, then the whole bid that calls it, from the same draws.
    LoadHandEATables(0, "LumraBidBase.txt");
    SeedRandom(pick);
    const std::string mode = EvaluateBidRules(fuzz->folder + "LumraBidRulesAI.txt");
    FUZZ_CHECK(mode == "PASS" || mode == "EA" || mode == "BID");
    FUZZ_CHECK(FiredRuleName.empty() || (FiredRuleName.front() == '[' && FiredRuleName.back() == ']'));

    m.Hand[0].bjud(biggest);
    CheckHumanBid(m, biggest);
    FUZZ_CHECK(FuzzTable::read(fuzz->folder + "LumraBidRulesAI.txt") == text);
    FUZZ_CHECK(fuzz->onlyFiles({"LumraBidBase.txt", "LumraBidRulesAI.txt"}));
    return 0;
}
