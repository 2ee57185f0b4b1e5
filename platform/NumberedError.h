#pragma once
// The numbered errors that the deck and the hand controls raise, carrying
// the number, the source and the text together.

#include <cstdint>
#include <stdexcept>
#include <string>

class NumberedError : public std::runtime_error {
public:
    NumberedError(std::uint32_t number, std::string source, std::string description)
        : std::runtime_error(description), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}
    std::uint32_t Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

private:
    std::uint32_t number_;
    std::string source_;
    std::string description_;
};

namespace errors {
inline constexpr std::uint32_t CardAlreadyAvailable = 0x800403E9;  // source "KortHand"
inline constexpr std::uint32_t CardNotAvailable = 0x800403EA;      // source "KortHand"
inline constexpr std::uint32_t CardExistsInDeck = 0x800403F8;      // source "Deck"
}  // namespace errors
