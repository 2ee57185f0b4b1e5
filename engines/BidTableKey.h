#pragma once
// The hand pattern a bid-table record is filed under: for one trump colour,
// the colour's trump ranks reduced to at most six cards, written as a key
// such as "[_A_J_M_V_]" under a section marker such as "<4>". The loader,
// the table generator and the tests all build keys here, so the shipped
// table and the lookups agree byte for byte. Depends on nothing but the
// standard library.

#include <string>
#include <vector>

struct BidPattern {
    std::string logKey;  // the key with every middle card shown as "M_"
    std::string key;     // the key searched for (middle cards removed when two or more)
    std::string marker;  // "<n>" or "<n_m>"
    int count = 0;       // cards after the reduction to six
    int middle = 0;      // middle cards
};

// The most trump ranks one colour of a hand is read with; further ranks are
// ignored (a bidding hand holds nine cards, so this never bites).
inline constexpr int kBidRankSlots = 10;

// Builds the pattern of a colour from its trump ranks (1..14, in hand order).
BidPattern BuildBidPattern(const std::vector<int>& ranks);

// The rank names of the keys: 14 "A" ... 6 "6", 5 "V", 4 "v", 3 "4", 2 "3",
// 1 "2"; "" for anything else.
std::string BidRankName(int rank);

// The scrambled table variant writes each rank name of a key as one letter
// of its own: rank r becomes 'a' + (14 - r), so "A" is "a" and "2" is "n".
// "[", "_", "M" and "]" stay as they are.
std::string ScrambleBidKey(const std::string& key);
// The scrambled variant lists a record's ten EA values from bid 14 down to
// bid 5; this gives the EA level (bid - 5) of the k-th value (0-based).
int ScrambledEALevel(int k);
