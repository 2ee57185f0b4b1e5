#include "Main.h"

// The game-log sink is not built yet: lines are dropped.
void Main::Log(const std::string&) {}
void Main::LogInit() {}
void Main::LogClose() {}
