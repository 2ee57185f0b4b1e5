#include "Main.h"

// Trick play is not built yet.
void Main::PlayInit() {}
void Main::Play() {}
void Main::PlayNext() {}
void Main::PlayCardIDX(short) {}
