#include "Main.h"

// The debug capture is not built yet.
void Main::SaveDebugCapture() {}
