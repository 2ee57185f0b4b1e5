#include "Main.h"

// Deal scoring is not built yet.
void Main::Aftermath() {}
void Main::ContinueAfterRound() {}
