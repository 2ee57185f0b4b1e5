#include "SuggestionTexts.h"

#include "TextInput.h"

namespace {

bool isCodeLine(const std::string& line) { return line.rfind("CODE,", 0) == 0; }
bool isLanguageTag(const std::string& line) { return line == "<SVENSKA>" || line == "<ENGLISH>"; }
// Any other line in angle brackets opens a section.
bool isSectionLine(const std::string& line) {
    return line.size() >= 2 && line.front() == '<' && line.back() == '>' && !isLanguageTag(line);
}

// Reads lines until one satisfies found; false when stop or the end comes first.
template <typename Found, typename Stop>
bool readUntil(TextInput& in, std::string& line, Found found, Stop stop) {
    while (!in.Eof()) {
        line = in.LineInput();
        if (found(line)) return true;
        if (stop(line)) return false;
    }
    return false;
}

}  // namespace

std::string LookupSuggestionText(const std::string& path, const std::string& section, const std::string& code,
                                 const std::string& languageTag) {
    if (code.empty()) return "";
    TextInput in;
    if (!in.Open(path)) return "";
    std::string line;
    const std::string codeLine = "CODE," + code;
    auto never = [](const std::string&) { return false; };
    if (!readUntil(in, line, [&](const std::string& l) { return l == section; }, never)) return "";
    // The code is looked for up to the end of the file, past later sections.
    if (!readUntil(in, line, [&](const std::string& l) { return l == codeLine; }, never)) return "";
    auto entryEnds = [](const std::string& l) { return isCodeLine(l) || isSectionLine(l); };
    if (!readUntil(in, line, [&](const std::string& l) { return l == languageTag; }, entryEnds)) return "";
    if (in.Eof()) return "";
    line = in.LineInput();
    if (isCodeLine(line) || isSectionLine(line) || isLanguageTag(line)) return "";
    return line;
}
