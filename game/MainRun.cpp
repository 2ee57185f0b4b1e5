#include "Main.h"

// Start-up and the state machine are not built yet.
void Main::Form_Load() {}
void Main::Form_Unload() {}
void Main::Run() {}
void Main::SetUpGame() {}
void Main::ResetGame() {}
