#include "Main.h"

// The colour buttons are not built yet.
void Main::LoadFargForm() {}
void Main::UnloadFargForm() {}
