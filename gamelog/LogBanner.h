#pragma once
// The three-line banner that opens a replay in the game log.

#include <string>

// 30 asterisks, the title ("START REPLAY" and the like), 30 asterisks.
void LogBanner(const std::string& title);
