#pragma once
// The scrolling message shown when a game is over.

void StartTicker();
void StopTicker();
