#pragma once
// What the programs set up for their process before anything else runs.

// A write past the file size limit (ulimit -f) fails with an error the
// game already handles, instead of the kernel's SIGXFSZ killing the game.
void IgnoreFileSizeSignal();
