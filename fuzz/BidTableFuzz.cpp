// libFuzzer entry for the bid-table loader (built with clang only). The
// input is a bid table file; a number drawn from it picks the hand (1 to 9
// cards, so the small sections of the seeds are met) and the bidding
// situation. The human's seat bids with the shipped bid rules, so the whole
// bid path runs without waiting for a click.
#include <cstdint>
#include <string>

#include "BidCheck.h"
#include "BidRules.h"
#include "InstallFolder.h"

namespace {
FuzzTable* fuzz = nullptr;
std::string rules;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz = StartFuzzTable(argc, argv);
    rules = FuzzTable::read(DefaultInstallFolder() + "LumraBidRulesAI.txt");
    fuzz->write("LumraBidRulesAI.txt", rules);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz->write("LumraBidBase.txt", text);
    Main& m = fuzz->m();
    const std::uint64_t pick = InputHash(data, size);
    const short biggest = SetUpHumanBid(m, pick, 1 + static_cast<int>(pick % 9));
    fuzz->table.dialogs.shown.clear();

    m.Hand[0].bjud(biggest);

    CheckHumanBid(m, biggest);
    // Two boxes at most for each colour whose key is missing.
    FUZZ_CHECK(fuzz->table.dialogs.CountOf("MsgBox") <= 8);
    FUZZ_CHECK(FuzzTable::read(fuzz->folder + "LumraBidBase.txt") == text);
    FUZZ_CHECK(fuzz->onlyFiles({"LumraBidBase.txt", "LumraBidRulesAI.txt"}));
    return 0;
}
