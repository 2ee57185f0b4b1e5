#pragma once
// The words and card lines of the game log, shared by the writers and the
// readers so both sides agree on every text.

#include <cstdint>
#include <optional>
#include <string>

#include "Kort.h"

// "SYD", "VAST", "NORD", "OST" for seats 0..3; "" for anything else.
std::string SeatWord(int seat);
// The seat a word names, or nothing for an unknown word.
std::optional<int> SeatOfSeatWord(const std::string& word);
// "KLOVER", "RUTER", "HJARTER", "SPADER" for the codes 1, 2, 4, 8.
std::string ColourWord(std::int32_t colour);
std::optional<std::int32_t> ColourOfColourWord(const std::string& word);

// A trump in a trump section: its face, a five written "V" when it is the
// five of the trump suit and "v" when it is the other five of the colour.
std::string TrumpLine(const Kort& k, std::int32_t trumpColour);
// A card of the pack section: "Nr , Typ , code", a five's code taken from
// its own suit.
std::string DeckLine(const Kort& k);

// A line of n copies of c.
std::string RepeatChar(char c, int n);

// Tags and fixed lines.
inline constexpr const char* TagVi = "<VI>";
inline constexpr const char* TagDe = "<DE>";
inline constexpr const char* TagDeck = "<PACKE_KOMPLETT>";
inline constexpr const char* TagBidder = "<BJUDIT_HOGST>";
inline constexpr const char* TagBid = "<BUD>";
inline constexpr const char* TagDealer = "<PACKE>";
inline constexpr const char* TagColour = "<FARG>";
inline constexpr const char* TagEnd = "<END>";
inline constexpr const char* ColourLegendLine = "1-klover,2-ruter,4-hjarter,8-spader";
// The tag of a seat's trumps before buying ("<SYD_FORE_KOP>") and of what it
// bought ("<SYD_KOPER>").
std::string BeforeBuyingTag(int seat);
std::string BoughtTag(int seat);
