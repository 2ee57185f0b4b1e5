#include "KortHand.h"

// A seat's play is not built yet.
void KortHand::Play() {}
void KortHand::PlayIt(int) {}
short KortHand::FindCardIDXofRang(int) const { return -1; }
void KortHand::SuggestSYD() {}
