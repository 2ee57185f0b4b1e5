#include "KortHand.h"

// Putting surplus trumps out of play is not built yet.
void KortHand::TaBortMeraKortAn6(std::int32_t) {}
