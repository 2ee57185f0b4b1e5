#include "Main.h"

// The toolbar buttons are not wired yet.
void Main::ConnectToolbarHandlers() {}
