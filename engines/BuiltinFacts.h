#pragma once
// The game knowledge the play rules can test without spelling it out: trump
// counts and expectations, cold seats, the place in the trick, the point
// cards still out, the current and the previous trick, and the points the
// deciding side still has to deny. Every relative seat is taken from
// CurrentSeat; the deciding hand is the engine's HandRanks.

#include <cstdint>
#include <string>

short MaxInt(short a, short b);
// LEFT, PARTNER, RIGHT relative to CurrentSeat; any other word the seat itself.
std::int32_t SeatOfWord(const std::string& word);

bool SeatIsCold(std::int32_t seat);
float CardsExpected(std::int32_t seat);

short CardsLoose();
short CardsUnknown();
float CardsExpectedPartner();
float CardsExpectedLeft();
float CardsExpectedRight();
float CardsExpectedUs();
float CardsExpectedThem();
float CardsExpectedThemMax();
bool EvenDistribution();
short CardsInitiallyInMyHand();
short CardsBeforeBuyingPartner();
short CardsBeforeBuyingLeft();
short CardsBeforeBuyingRight();
short CardsBeforeBuyingThemMax();

bool NotColdFourthTurnThem();
bool NotColdFifthTurnThem();
bool NotColdSixthTurnThem();
bool NotColdFifthTurnThemExpected();
bool NotColdSixthTurnThemExpected();
bool NotSafeFifthTurn();
bool SafeFifthTurn();
bool NotSafeSixthTurn();
bool SafeSixthTurn();

bool Cold(const std::string& seatWord);
bool NotCold(const std::string& seatWord);
bool Last();
bool WithoutLumra(const std::string& seatWord);

short Round();
std::string PositionInRound();
std::string RoleInRound();

short CardsRemaining();
short CardsRemainingOther();
short GetPointsLeft();
short TakeablePoints();
short TakeablePointsInRound();
bool UnplayedLumra();
bool UnplayedTenJ();
bool UnplayedLow();

bool TenOut();
bool JOut();
bool TenJOut();
bool LumraOut();
std::string CardHighestRound();
std::string CardHighestAbsolute();
std::string CardLeft();
std::string CardPartner();
std::string CardRight();

std::string PreviousCardLeft();
std::string PreviousCardPartner();
std::string PreviousCardRight();
std::string PreviousCardMe();
std::string PreviousCardHighestRound();
std::string PreviousCardHighestAbsolute();

short PointsTakenUs();
short PointsTakenThem();
short PointsToKill();
