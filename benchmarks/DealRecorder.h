#pragma once
// Records where trick play begins in whole games at the real table: the game
// deals, the bid engines bid, the human's seat bids, names trumps and plays
// as suggested through the window's controls, and the computer seats play by
// the shipped rule files.

#include <cstdint>
#include <vector>

#include "TrickPlayStart.h"

class Main;

struct RecordedGame {
    std::uint64_t seed = 0;
    bool finished = false;  // the game reached its end
    int messageBoxes = 0;
    std::vector<TrickPlayStart> deals;
    std::vector<bool> contractMade;  // per deal, as the table scored it
};

// One whole game from the seed.
RecordedGame RecordGame(std::uint64_t seed);

// No card lies on the table's trick piles: in trick play, no card of the
// trick is down yet.
bool TableIsClear(const Main& m);
