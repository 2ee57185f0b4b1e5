#include "KortHand.h"

// A seat's play is not built yet.
void KortHand::PlayIt(int) {}
