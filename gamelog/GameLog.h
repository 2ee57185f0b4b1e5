#pragma once
// The tagged lines each deal hands to the game-log sink (Main::Log).

void LogScoreAndDeck();
void LogTrumpsBeforeBuying();
void DumpPlayParameters();
// True while a listener would see the lines handed to the sink; a line that
// nobody sees need not be built.
bool GameLogWanted();
