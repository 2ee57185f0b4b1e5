#include <array>
#include <functional>

#include "BuiltinFacts.h"
#include "GameLog.h"
#include "LogLines.h"
#include "Main.h"
#include "PlayState.h"
#include "RuleValueTable.h"

namespace {

struct FactLine {
    const char* prefix;  // written exactly, irregular blanks included
    std::function<bool()> value;
};

const std::array<FactLine, 23>& factLines() {
    static const std::array<FactLine, 23> lines = {{
        {"LumraOut , ", LumraOut},
        {"TenOut , ", TenOut},
        {"JOut , ", JOut},
        {"TenJOut , ", TenJOut},
        {"UnplayedTenJ , ", UnplayedTenJ},
        {"UnplayedLumra , ", UnplayedLumra},
        {"UnplayedLow , ", UnplayedLow},
        {"Last , ", Last},
        {"NotSafeFifthTurn , ", NotSafeFifthTurn},
        {"SafeFifthTurn, ", SafeFifthTurn},
        {"NotSafeSixthTurn , ", NotSafeSixthTurn},
        {"SafeSixthTurn , ", SafeSixthTurn},
        {"NotColdFourthTurnThem  , ", NotColdFourthTurnThem},
        {"NotColdFifthTurnThem   , ", NotColdFifthTurnThem},
        {"NotColdSixthTurnThem  , ", NotColdSixthTurnThem},
        {"NotColdFifthTurnThemExpected  , ", NotColdFifthTurnThemExpected},
        {"NotColdSixthTurnThemExpected  , ", NotColdSixthTurnThemExpected},
        {"Cold(LEFT) , ", [] { return Cold("LEFT"); }},
        {"Cold(PARTNER) , ", [] { return Cold("PARTNER"); }},
        {"Cold(RIGHT) , ", [] { return Cold("RIGHT"); }},
        {"NotCold(LEFT) , ", [] { return NotCold("LEFT"); }},
        {"NotCold(PARTNER) , ", [] { return NotCold("PARTNER"); }},
        {"NotCold(RIGHT) , ", [] { return NotCold("RIGHT"); }},
    }};
    return lines;
}

void logTrumpsOfSeatToPlay(Main& m) {
    if (CurrentSeat < 0 || CurrentSeat > 3) return;
    // Fives are plain "5" here: this list is for reading, not for replay.
    for (const Kort* k : m.Hand[static_cast<std::size_t>(CurrentSeat)].colHand)
        if (IsTrump(*k, m.gbFarg)) m.Log(k->Typ);
}

void logValueTable(Main& m) {
    for (int row = 0; row <= RuleVariableCount && row < RuleVariableRows; ++row) {
        const RuleVariableRow& r = RuleVariableTable[static_cast<std::size_t>(row)];
        m.Log(r.name + " , " + r.value.AsText());
    }
}

}  // namespace

void DumpPlayParameters() {
    if (!GameLogWanted()) return;
    Main& m = *Main::instance();
    const std::string rule = RepeatChar('=', 35);
    m.Log(rule);
    m.Log("======= SPEL PARAMETER DUMP =======");
    m.Log(rule);
    m.Log("============= Calculated before play");
    m.Log("==== Kort i handen");
    logTrumpsOfSeatToPlay(m);
    m.Log("====");
    logValueTable(m);
    m.Log("============= Functions - calculated on the fly");
    for (const FactLine& f : factLines()) m.Log(std::string(f.prefix) + (f.value() ? "True" : "False"));
    m.Log(rule);
}
