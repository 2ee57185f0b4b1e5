#pragma once
// Reads a recorded game log back into plain data, checking everything
// before the table is touched: the replay takes the recorded hands after
// buying, the reload the recorded pack order. A file that does not hold a
// usable deal gives a message instead of data.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What a replay rebuilds: the last value of each tag, and the trumps of the
// last deal in the file (before buying and bought, up to 10 per seat).
struct ReplayData {
    std::optional<short> vi, de;
    std::optional<std::string> bidderWord, dealerWord, colourWord;
    std::optional<short> bid;
    std::array<std::vector<std::string>, 4> beforeBuying, bought;
    // The card numbers those lines name, seat by seat, in the order the
    // hands receive them (before-buying and bought entries interleaved).
    std::array<std::vector<int>, 4> cards;
    std::int32_t colour = 0;  // the trump colour the cards were resolved with
};

// What a reload restores: the totals written before the first pack section,
// that pack's 52 card numbers in deal order and the first dealer after it.
struct ReloadData {
    std::optional<short> vi, de;
    std::array<int, 52> order{};
    std::optional<std::string> dealerWord;
};

struct LogReadError {
    std::string message;
};

// The lines of a log file, each without its CR LF or LF ending.
std::variant<std::vector<std::string>, LogReadError> ReadLogLines(const std::string& path);
std::vector<std::string> SplitLogText(const std::string& text);

// currentColour is the trump colour in play, used when the file names none.
std::variant<ReplayData, LogReadError> ParseReplayLog(const std::vector<std::string>& lines,
                                                      std::int32_t currentColour);
std::variant<ReloadData, LogReadError> ParseReloadLog(const std::vector<std::string>& lines);

// The card a trump line names for a trump colour ("V" the five of the trump
// suit, "v" the other five of its colour); nothing for text that names no
// trump of that colour.
std::optional<int> CardNumberOfTrumpLine(const std::string& text, std::int32_t trumpColour);

// Numbers in a log are read by their leading digits, rounded halves to even
// and held in 16 bits.
short LogNumber(const std::string& text);
