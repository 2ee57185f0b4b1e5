#include "GameLog.h"

// The tagged deal lines are not built yet.
void LogScoreAndDeck() {}
void LogTrumpsBeforeBuying() {}
void DumpPlayParameters() {}
