#include "RuleValueTable.h"

#include "BuiltinFacts.h"
#include "EngineBridge.h"
#include "GameLog.h"
#include "PlayState.h"
#include "RuleActions.h"
#include "RuleKeywords.h"
#include "VbText.h"

std::array<RuleVariableRow, RuleVariableRows> RuleVariableTable{};
short RuleVariableCount = -1;

RuleValue RuleValue::Int(long long v) {
    RuleValue r;
    r.kind = Kind::Integer;
    r.number = ClampToInt16(v);
    return r;
}

RuleValue RuleValue::Float(float v) {
    RuleValue r;
    r.kind = Kind::Single;
    r.number = v;
    return r;
}

RuleValue RuleValue::Str(std::string s) {
    RuleValue r;
    r.text = std::move(s);
    return r;
}

std::string RuleValue::AsText() const {
    switch (kind) {
        case Kind::Integer: return PlainNum(static_cast<long long>(number));
        case Kind::Single: return CStrSingle(static_cast<float>(number));
        case Kind::Text: break;
    }
    return text;
}

double RuleValue::AsNumber() const { return kind == Kind::Text ? Val(text) : number; }

const RuleVariableRow* FindRuleVariable(const std::string& name) {
    const RuleVariableRow* found = nullptr;
    for (int i = 0; i <= RuleVariableCount && i < RuleVariableRows; ++i)
        if (RuleVariableTable[i].name == name) found = &RuleVariableTable[i];
    return found;
}

namespace {

void setRow(int row, const std::string& name, RuleValue value) {
    RuleVariableRow& r = RuleVariableTable[row];
    r.name = name;
    r.value.kind = value.kind;
    r.value.text.assign(value.text);
    r.value.number = value.number;
}

void fillRows() {
    using RV = RuleValue;
    setRow(0, KW(Kw::Round), RV::Int(TrickCount));
    setRow(1, KW(Kw::CardsRemaining), RV::Int(CardsRemaining()));
    setRow(2, KW(Kw::CardsLeftInMyHand), RV::Int(TrumpCountInHand()));
    setRow(3, KW(Kw::PointsLeft), RV::Int(GetPointsLeft()));
    setRow(4, KW(Kw::PositionInRound), RV::Str(PositionInRound()));
    setRow(5, KW(Kw::Bid), RV::Int(HighestBid()));
    setRow(6, KW(Kw::RoleBid), RV::Str(BidRole()));
    setRow(7, KW(Kw::CardHighestMy), RV::Str(HighestCardInHand()));
    setRow(8, KW(Kw::CardHighestAbsolute), RV::Str(CardHighestAbsolute()));
    setRow(9, KW(Kw::CardHighestRound), RV::Str(CardHighestRound()));
    setRow(10, KW(Kw::CardLeft), RV::Str(CardLeft()));
    setRow(11, KW(Kw::CardRight), RV::Str(CardRight()));
    setRow(12, KW(Kw::CardPartner), RV::Str(CardPartner()));
    setRow(13, KW(Kw::CardsInitiallyInMyHand), RV::Int(CardsInitiallyInMyHand()));
    setRow(14, KW(Kw::RoleInRound), RV::Str(RoleInRound()));
    setRow(15, "CardsBeforeBuyingPartner", RV::Int(CardsBeforeBuyingPartner()));
    setRow(16, "CardsBeforeBuyingLeft", RV::Int(CardsBeforeBuyingLeft()));
    setRow(17, "CardsBeforeBuyingRight", RV::Int(CardsBeforeBuyingRight()));
    setRow(18, KW(Kw::CardsExpectedPartner), RV::Float(CardsExpectedPartner()));
    setRow(19, KW(Kw::CardsExpectedLeft), RV::Float(CardsExpectedLeft()));
    setRow(20, KW(Kw::CardsExpectedRight), RV::Float(CardsExpectedRight()));
    setRow(21, KW(Kw::CardsExpectedUs), RV::Float(CardsExpectedUs()));
    setRow(22, KW(Kw::CardsExpectedThem), RV::Float(CardsExpectedThem()));
    setRow(23, KW(Kw::CardsLoose), RV::Int(CardsLoose()));
    setRow(24, "CardsUnknown", RV::Int(CardsUnknown()));
    setRow(25, KW(Kw::PreviousCardPartner), RV::Str(PreviousCardPartner()));
    setRow(26, KW(Kw::PreviousCardLeft), RV::Str(PreviousCardLeft()));
    setRow(27, KW(Kw::PreviousCardRight), RV::Str(PreviousCardRight()));
    setRow(28, KW(Kw::PreviousCardMe), RV::Str(PreviousCardMe()));
    setRow(29, KW(Kw::PreviousCardHighestRound), RV::Str(PreviousCardHighestRound()));
    setRow(30, KW(Kw::PreviousCardHighestAbsolute), RV::Str(PreviousCardHighestAbsolute()));
    setRow(31, "TakeablePoints", RV::Int(TakeablePoints()));
    setRow(32, KW(Kw::TakeablePointsInRound), RV::Int(TakeablePointsInRound()));
    setRow(33, "PointsTakenUs", RV::Int(PointsTakenUs()));
    setRow(34, "PointsTakenThem", RV::Int(PointsTakenThem()));
    setRow(35, KW(Kw::CardsExpectedThemMax), RV::Float(CardsExpectedThemMax()));
    setRow(36, "CardsBeforeBuyingThemMax", RV::Int(CardsBeforeBuyingThemMax()));
    setRow(37, KW(Kw::CardsRemainingOther), RV::Int(CardsRemainingOther()));
    setRow(38, "PointsToKill", RV::Int(PointsToKill()));
}

void logEstimates() {
    if (!GameLogWanted()) return;
    const int s = static_cast<int>(CurrentSeat & 3);
    const short loose = CardsLoose();
    const short unknown = CardsUnknown();
    LogEngineLine("");
    LogEngineLine(" %%%%%%%%%%% Special DynExp DUMP %%%%%%%");
    LogEngineLine("Detta ar av spelare: " + PlainNum(s) + " 's synvinkel");
    LogEngineLine("JagSer: " + CStrSingle(TrumpsSeenBySelf[s]) + " i min egen hand");
    LogEngineLine("Driftklover: " + PlainNum(loose));
    LogEngineLine("Obekanta: " + PlainNum(unknown));
    if (unknown != 0)
        LogEngineLine("Exp ratio/kort: " + CStrSingle(static_cast<float>(static_cast<double>(loose) / unknown)));
    for (int i = 0; i < 4; ++i) {
        std::string line = PlainNum(i) + ":  AndraSer   " + CStrSingle(TrumpsSeenByOthers[i]);
        if (i != s) line += "    DynExp   " + CStrSingle(CardsExpected(i));
        LogEngineLine(line);
    }
    LogEngineLine(" %%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%");
    LogEngineLine("");
}

}  // namespace

void FillBuiltinVariables() {
    // Emptied in place: the rows keep their buffers for the next decision.
    for (auto& row : RuleVariableTable) {
        row.name.clear();
        row.value.kind = RuleValue::Kind::Text;
        row.value.text.clear();
        row.value.number = 0;
        row.extra.clear();
    }
    RuleVariableCount = -1;
    fillRows();
    RuleVariableCount = BuiltinVariableLastRow;
    DumpPlayParameters();
    logEstimates();
}
