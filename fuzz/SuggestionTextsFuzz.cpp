// libFuzzer entry for the suggestion lookup (built with clang only). The
// input is a suggestion text file; a number drawn from it picks the code and
// the language asked for. Whatever the file holds, the text found is one
// whole line of it (or nothing), and the lookup leaves the file as it was.
#include <cstdint>
#include <string>

#include "FuzzTable.h"
#include "SuggestionTexts.h"

namespace {
FuzzTable* fuzz = nullptr;

// True when text stands in the file as a line of its own.
bool isLineOf(const std::string& text, const std::string& file) {
    for (std::size_t at = file.find(text); at != std::string::npos; at = file.find(text, at + 1)) {
        const bool starts = at == 0 || file[at - 1] == '\n' || file[at - 1] == '\r' ||
                            (at == 3 && file.compare(0, 3, "\xEF\xBB\xBF") == 0);
        const std::size_t end = at + text.size();
        const bool ends = end == file.size() || file[end] == '\n' || file[end] == '\r';
        if (starts && ends) return true;
    }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz = StartFuzzTable(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* codes[] = {"10", "11", "12", "20", "31", "40", "99", ""};
    static const char* tags[] = {"<ENGLISH>", "<SVENSKA>"};
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz->write("Suggestion.txt", text);
    const std::uint64_t pick = InputHash(data, size);
    const std::string code = codes[pick % 8];
    const std::string tag = tags[(pick >> 3) % 2];

    const std::string found = LookupSuggestionText(fuzz->folder + "Suggestion.txt", "<INPLAY>", code, tag);

    FUZZ_CHECK(found.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(found.empty() || isLineOf(found, text));
    FUZZ_CHECK(LookupSuggestionText(fuzz->folder + "Suggestion.txt", "<INPLAY>", code, tag) == found);
    FUZZ_CHECK(FuzzTable::read(fuzz->folder + "Suggestion.txt") == text);
    FUZZ_CHECK(fuzz->onlyFiles({"Suggestion.txt"}));
    FUZZ_CHECK(fuzz->table.dialogs.shown.empty());
    return 0;
}
