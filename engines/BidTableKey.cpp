#include "BidTableKey.h"

#include <array>
#include <utility>

namespace {
// Ranks dropped when a colour holds more than six cards, lowest first: the
// 3, the 4, 6 to 9, queen, king, ace. The 2, the fives, the ten and the jack
// always stay.
constexpr std::array<int, 9> kDropOrder = {2, 3, 6, 7, 8, 9, 12, 13, 14};

bool isMiddleCard(int rank, int count) {
    if (count == 4) return rank >= 6 && rank <= 9;
    if (count >= 5) return (rank >= 6 && rank <= 9) || rank == 2 || rank == 3;
    return false;
}

std::string withoutMiddleCards(const std::string& key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == 'M') {
            ++i;  // the "_" after it goes too
            continue;
        }
        out += key[i];
    }
    return out;
}
}  // namespace

std::string BidRankName(int rank) {
    static const std::array<const char*, 15> names = {"",  "2", "3", "4", "v", "V", "6", "7",
                                                      "8", "9", "10", "J", "Q", "K", "A"};
    if (rank < 1 || rank > 14) return "";
    return names[static_cast<std::size_t>(rank)];
}

BidPattern BuildBidPattern(const std::vector<int>& ranks) {
    std::array<int, kBidRankSlots> slots{};
    int count = 0;
    for (int r : ranks) {
        if (count >= kBidRankSlots) break;
        slots[static_cast<std::size_t>(count++)] = r;
    }

    if (count > 6) {
        int excess = count - 6;
        count = 6;
        for (int d : kDropOrder) {
            if (excess <= 0) break;
            for (int& s : slots)
                if (s == d) {
                    s = 0;
                    --excess;
                }
        }
    }
    if (count >= 5)
        for (int& s : slots)
            if (s == 2 || s == 3) s = 7;

    BidPattern p;
    p.count = count;
    p.logKey = "[_";
    for (int r = 14; r >= 1; --r)
        for (int s : slots) {
            if (s != r) continue;
            if (isMiddleCard(r, count)) {
                ++p.middle;
                p.logKey += "M_";
            } else {
                p.logKey += BidRankName(r) + "_";
            }
        }
    p.logKey += "]";
    // Built from characters: GCC 12 at -O2 warns (-Wrestrict) about the
    // copies of "<" + std::to_string(n), which cannot overlap.
    std::string marker(1, '<');
    marker += std::to_string(count);
    if (p.middle >= 2) {
        marker += '_';
        marker += std::to_string(p.middle);
        p.key = withoutMiddleCards(p.logKey);
    } else {
        p.key = p.logKey;
    }
    marker += '>';
    p.marker = std::move(marker);
    return p;
}

std::string ScrambleBidKey(const std::string& key) {
    std::string out;
    std::size_t i = 0;
    while (i < key.size()) {
        const char c = key[i];
        if (c == '[' || c == '_' || c == 'M' || c == ']') {
            out += c;
            ++i;
            continue;
        }
        std::size_t end = key.find_first_of("[_M]", i);
        if (end == std::string::npos) end = key.size();
        const std::string name = key.substr(i, end - i);
        int rank = 0;
        for (int r = 1; r <= 14; ++r)
            if (BidRankName(r) == name) rank = r;
        out += rank > 0 ? std::string(1, static_cast<char>('a' + (14 - rank))) : name;
        i = end;
    }
    return out;
}

int ScrambledEALevel(int k) { return 9 - k; }
