#pragma once
// A deal as it stands when trick play begins: the hands after buying, the
// trump colour, the contract and what the buying told the seats. Recorded
// from whole games at the table and played again by the strength benchmark.

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class Main;

struct TrickPlayStart {
    std::uint64_t game = 0;  // seed of the whole game it comes from
    int dealer = 0;
    int bidder = 0;          // leads the first trick
    int bid = 6;
    int colour = 1;          // trump colour bit
    std::array<std::vector<int>, 4> cards;  // card numbers of each hand, in hand order
    std::array<short, 15> outOfPlay{};      // by trump rank: -1 put out of play as surplus
    std::array<short, 4> trumpsBeforeBuying{};
    std::array<float, 4> trumpsSeenBySelf{};
    std::array<float, 4> trumpsSeenByOthers{};
};

// The table and play state as trick play has them at that moment.
TrickPlayStart CaptureTrickPlayStart(const Main& m, std::uint64_t game);
// Lays the deal out again: hands, table state and play state as trick play
// starts with them.
void LayOut(Main& m, const TrickPlayStart& d);

// One line of text per deal; a line that does not read whole gives nothing.
void WriteTrickPlayStart(std::ostream& out, const TrickPlayStart& d);
std::optional<TrickPlayStart> ReadTrickPlayStart(const std::string& line);
std::vector<TrickPlayStart> ReadTrickPlayStarts(std::istream& in);
