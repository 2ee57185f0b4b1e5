#include "Main.h"

// Colour choice, discard and buying are not built yet.
void Main::AskTrumpColour() {}
void Main::DiscardRound() {}
void Main::PackBuyRound() {}
