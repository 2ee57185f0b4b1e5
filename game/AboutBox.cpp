#include "AboutBox.h"

// The about box is not built yet.
void ShowAboutBox() {}
