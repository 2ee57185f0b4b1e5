#include "Main.h"

// The go-on click: not yet wired to the waits of the game flow.
void Main::AdvanceMe() {}
void Main::Timer1_Timer() {}
void Main::Timer2_Timer() {}
void Main::Timer3_Timer() {}
