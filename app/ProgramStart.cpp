#include "ProgramStart.h"

#include <csignal>

// The settings store writes a new file and renames it over the old one, so
// a failed write leaves the old file whole; SIGXFSZ would end the game
// before the store could see the failure.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
