#pragma once
// The play state: the memory of one deal's trick play that the computer
// players reason about. These are the module's variables, one set for the
// whole program; the game flow, the seats' play, the replays and the play
// engine write them and the built-in facts read them.
//
// Integer values are 16-bit, seats 32-bit, the seen counts single precision.
// A flag entry of -1 means yes (played, out, without a five).

#include <array>
#include <cstdint>
#include <string>

extern std::string DebugColorText;
extern std::array<short, 15> PlayCardFlags;      // by trump rank: -1 played or out of play
extern std::array<short, 15> RankPlayedInTrick;  // by trump rank: trick it was played in, -1 not yet
extern short PointsNotTaken;
extern short ContestedPointsLeft;
extern short TopRankLeft;
extern std::array<short, 4> RoundDataRang;       // by seat: rank put into the current trick, 0 none
extern std::array<short, 4> RoundDataPoang;
extern std::array<std::string, 4> RoundDataTyp;
extern short DealPointsVi;
extern short DealPointsDe;
extern std::array<std::array<short, 7>, 4> TrickRangHistory;  // [seat][trick]
extern std::array<short, 7> TrickPointsVi;
extern std::array<short, 7> TrickPointsDe;
extern std::array<std::string, 7> TrickHighestCard;
extern std::array<std::string, 7> TrickTopUnplayed;
extern short TrickCount;
extern short CardsPlayedCount;
extern std::array<short, 4> SeatOutFlags;
extern std::string RulesVersion;
extern std::array<short, 4> TrumpsBeforeBuying;
extern std::array<float, 4> TrumpsSeenBySelf;
extern std::array<float, 4> TrumpsSeenByOthers;
extern std::array<short, 4> WithoutLumraFlags;
extern std::array<short, 4> SeatCardsPlayed;
extern std::int32_t CurrentSeat;
extern std::int32_t TrickLeader;

// Clears the per-trick history of the deal.
void ResetTrickHistory();
// Stores the highest card of the finished trick and the highest card that
// was unplayed when it began; nothing from a seventh trick on.
void RecordTrickSummary();
// Marks CurrentSeat as holding no five when it played another card in a
// spot where a player with a five would have given it.
void NoteWithheldFive(short rank);

// Puts every variable back to its value at program start (tests).
void ResetPlayState();

// Seat arithmetic shared by everything that reasons about the table.
inline std::int32_t NextSeat(std::int32_t seat) { return (seat + 1) & 3; }
inline std::int32_t LeftOf(std::int32_t seat) { return (seat + 1) & 3; }
inline std::int32_t PartnerOf(std::int32_t seat) { return (seat + 2) & 3; }
inline std::int32_t RightOf(std::int32_t seat) { return (seat + 3) & 3; }
inline bool IsViSeat(std::int32_t seat) { return seat == 0 || seat == 2; }
