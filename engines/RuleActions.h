#pragma once
// The actions of a play rule (a chance in percent and an action word: play
// a card, or put the hand in a new order), and the bindings of the card and
// numeric variables from card lists and rule values.

#include <string>

// Reads and runs actions up to END or IF (or until an action ends them);
// the rank name of the card to play, "" when none was chosen.
std::string ExecuteActions();

void SortByList(const std::string& list);
void SortByOrder(const std::string& list);
void SortSpecificOrder();
void SortLumraLast();

// Each returns true when it bound the variable x<n> (or d<n>).
bool AssignFromList(int n, const std::string& list);
bool AssignUnplayedFromList(int n, const std::string& list);
bool AssignCard(int n, const std::string& value);
bool AssignNumber(int n, const std::string& value);
bool AssignHigherFromList(int n, const std::string& card, const std::string& list);
bool AssignLowerFromList(int n, const std::string& card, const std::string& list);

// The highest of the deciding seat's trumps; "" when it holds none.
std::string HighestCardInHand();
