#include "Main.h"

// The go-on click: not yet wired to the waits of the game flow.
void Main::AdvanceMe() {}
