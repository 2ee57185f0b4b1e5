#pragma once
// One playing card: a plain record. The deck creates the 52 records once and
// owns them; hands and piles hold pointers to the same records, so a card's
// raised flag and draw mode travel with it.

#include <cstdint>
#include <string>

struct Kort {
    std::int32_t farg = 0;       // colour bits: 1 clubs, 2 diamonds, 4 hearts, 8 spades; 9 or 6 for the fives
    std::uint8_t Rang = 0;       // trump rank 1..14
    std::string Typ;             // "A", "2".."10", "J", "Q", "K"
    std::int16_t Nr = -1;        // face index * 4 + suit index; -1 = no card
    std::int16_t DrawStyle = 0;  // 0 face up, 1 back, 2 highlighted
    std::uint8_t Poang = 0;      // points
    bool Kop = false;            // raised in the display
    std::int16_t SlangOrder = 0; // discard priority of a surplus trump; 0 never
    std::int16_t Sortering = 0;  // hand order key (descending)
};

// Colour codes, one bit per suit; a card belongs to a colour when its bits
// And the code are not 0.
namespace farg {
inline constexpr std::int32_t Klover = 1;
inline constexpr std::int32_t Ruter = 2;
inline constexpr std::int32_t Hjarter = 4;
inline constexpr std::int32_t Spader = 8;
}  // namespace farg

// The key a collection keeps a card under: its number with one leading blank
// for 0 and up (" 0", " 17").
std::string CardKey(int nr);
inline std::string CardKey(const Kort& k) { return CardKey(k.Nr); }

// A card is a trump when its colour bits share the trump colour.
inline bool IsTrump(const Kort& k, std::int32_t trumpColour) { return (k.farg & trumpColour) != 0; }
