#include "ViDeScoreboard.h"

ScoreboardRecord ScoreboardEntry;

// The score sheet is not built yet.
void ClearScoreboard() {}
void AddScoreboardRow() {}
