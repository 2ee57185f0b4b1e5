#include "KortHand.h"

// A seat's bidding is not built yet; only the bid is stored.
void KortHand::PutBud(short bid) { bid_ = bid; }
void KortHand::bjud(short) {}
float KortHand::BjudEnligtEA(float, short) { return 0.0f; }
void KortHand::ValdFarg() {}
