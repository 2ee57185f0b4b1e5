#pragma once
// The play-rule engine: chooses a card for a seat by interpreting the
// play-rule file against the play state. The file is read afresh from its
// first field at every decision; the first rule whose card the seat holds
// decides, and without one the seat's first trump is played.

#include <string>

// The engine entry for the seat to play (CurrentSeat).
void ChoosePlayCard(int seat);
// Interprets the file once; the rank name of the chosen card, "" for none.
std::string RunPlayRules(const std::string& path);
// Empties the card lists of the file.
void ClearInterpretations();
void PlayChosenCard(short rank);
