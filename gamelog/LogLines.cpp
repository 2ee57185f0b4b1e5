#include "LogLines.h"

#include <array>

#include "VbText.h"

namespace {
constexpr std::array<const char*, 4> kSeatWords = {"SYD", "VAST", "NORD", "OST"};
constexpr std::array<const char*, 4> kColourWords = {"KLOVER", "RUTER", "HJARTER", "SPADER"};

// A five's own suit code, from its card number.
std::int32_t suitCode(const Kort& k) { return 1 << (k.Nr % 4); }
}  // namespace

std::string SeatWord(int seat) {
    if (seat < 0 || seat > 3) return "";
    return kSeatWords[static_cast<std::size_t>(seat)];
}

std::optional<int> SeatOfSeatWord(const std::string& word) {
    for (int s = 0; s < 4; ++s)
        if (word == kSeatWords[static_cast<std::size_t>(s)]) return s;
    return std::nullopt;
}

std::string ColourWord(std::int32_t colour) {
    for (int c = 0; c < 4; ++c)
        if (colour == (1 << c)) return kColourWords[static_cast<std::size_t>(c)];
    return "";
}

std::optional<std::int32_t> ColourOfColourWord(const std::string& word) {
    for (int c = 0; c < 4; ++c)
        if (word == kColourWords[static_cast<std::size_t>(c)]) return 1 << c;
    return std::nullopt;
}

std::string TrumpLine(const Kort& k, std::int32_t trumpColour) {
    if (k.Typ != "5") return k.Typ;
    return suitCode(k) == trumpColour ? "V" : "v";
}

std::string DeckLine(const Kort& k) {
    const std::int32_t code = k.Typ == "5" ? suitCode(k) : k.farg;
    return PlainNum(k.Nr) + " , " + k.Typ + " , " + PlainNum(code);
}

std::string RepeatChar(char c, int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), c); }

std::string BeforeBuyingTag(int seat) { return "<" + SeatWord(seat) + "_FORE_KOP>"; }
std::string BoughtTag(int seat) { return "<" + SeatWord(seat) + "_KOPER>"; }
