#pragma once
// The tagged lines each deal hands to the game-log sink (Main::Log).

void LogScoreAndDeck();
void LogTrumpsBeforeBuying();
void DumpPlayParameters();
