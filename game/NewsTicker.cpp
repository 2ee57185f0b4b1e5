#include "Main.h"
#include "NewsTicker.h"

// The news ticker is not built yet.
void StartTicker() {}
void StopTicker() {}
void Main::TimerAD_Timer() {}
