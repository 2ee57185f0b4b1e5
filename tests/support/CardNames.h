#pragma once
// Card numbers from short names in tests: "Ad" ace of diamonds, "10s", "5h".

#include <stdexcept>
#include <string>
#include <vector>

inline int CardNr(const std::string& card) {
    static const std::vector<std::string> faces = {"A", "2", "3", "4", "5", "6", "7",
                                                   "8", "9", "10", "J", "Q", "K"};
    const std::string face = card.substr(0, card.size() - 1);
    int f = 0;
    while (faces[static_cast<std::size_t>(f)] != face)
        if (++f == 13) throw std::invalid_argument("no such card: " + card);
    const char s = card.back();
    return f * 4 + (s == 'c' ? 0 : s == 'd' ? 1 : s == 'h' ? 2 : 3);
}
