#include "Main.h"

// The bid buttons are not built yet.
void Main::LoadBjudform(short) {}
void Main::UnloadBjudform() {}
void Main::ShowBjudSuggestButton() {}
