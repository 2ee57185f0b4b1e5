#include <cmath>

#include "RuleDriver.h"

#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleActions.h"
#include "RuleConditions.h"
#include "RuleEngineState.h"
#include "RuleKeywords.h"
#include "RuleValueTable.h"
#include "SkipToToken.h"
#include "VbText.h"

namespace {

struct RunState {
    bool found = false;
    std::string result;
    bool setWarned = false;
    bool listWarned = false;
};

// The missing file is reported once until it can be read again.
std::string missingFileWarned;

void startOfRule() {
    RuleTrace.clear();
    DebugColorText.clear();
    SuggestText.clear();
    for (auto& x : CardVars) x.clear();
    NumVars.fill(0.0f);
    for (int i = 1; i <= 6; ++i) WorkHand[i] = HandRanks[i];
    WorkHand[0] = 0;
    ClaimedRanks = PlayCardFlags;
}

// A named card decides only when it is a real rank among the seat's trumps.
bool decides(const std::string& name) {
    if (name.empty()) return false;
    const short v = RankValueOf(name);
    if (v == 0) return false;
    for (int i = 1; i <= 6; ++i)
        if (HandRanks[i] == v) return true;
    return false;
}

void readSet(RunState& run) {
    const std::string name = RuleFile.Next();
    const std::string value = RuleFile.Next();
    if (RuleVariableCount + 1 >= RuleVariableRows) {
        if (!run.setWarned) ShowRuleMessage("Problem reading Set");
        run.setWarned = true;
        return;
    }
    ++RuleVariableCount;
    RuleVariableTable[RuleVariableCount].name = name;
    RuleVariableTable[RuleVariableCount].value = RuleValue::Str(value);
}

// One card list: its name and up to 15 words, ended by "!". Words that do not
// fit, and lists beyond the table, are read and dropped with one message.
void readInterpretation(RunState& run) {
    const bool fits = InterpretationCount < InterpretationRows;
    int column = 0;
    while (!RuleFile.Eof()) {
        const std::string word = RuleFile.Next();
        if (word == "!") break;
        if (fits && column < InterpretationColumns) {
            InterpretationTable[InterpretationCount][column] = word;
        } else if (!run.listWarned) {
            ShowRuleMessage("Problem reading Interpretation");
            run.listWarned = true;
        }
        ++column;
    }
    if (fits) ++InterpretationCount;
}

void heldTraceInFront() {
    if (NothingTrace.empty()) return;
    const std::size_t lf = NothingTrace.find('\n');
    RuleTrace = NothingTrace.substr(0, lf) + RuleTrace;
    NothingTrace.clear();
}

void plainRule(RunState& run) {
    startOfRule();
    const bool held = EvalConditions(KW(Kw::EXECUTES));
    if (!held || !IsKw(CurrentToken, Kw::EXECUTES)) {
        CurrentToken = SkipToToken(RuleFile, KW(Kw::END));
        RuleTrace.clear();
        return;
    }
    std::string name = ExecuteActions();
    if (!IsKw(CurrentToken, Kw::END)) CurrentToken = SkipToToken(RuleFile, KW(Kw::END));
    if (!IsKw(CurrentToken, Kw::END)) name.clear();  // the file ended inside the rule
    if (!name.empty()) {
        if (decides(name)) {
            run.found = true;
            run.result = name;
        }
        heldTraceInFront();
        return;
    }
    RuleTrace.clear();
    if (!NothingTrace.empty()) CurrentToken = SkipToToken(RuleFile, "END");
}

bool atBranchEnd() { return CurrentToken == "IF" || IsKw(CurrentToken, Kw::END); }

void skipToBranchEnd() {
    while (!RuleFile.Eof() && !atBranchEnd()) ReadToken();
}

void conditionalRule(RunState& run) {
    startOfRule();
    if (!EvalConditions(KW(Kw::EXECUTES)) || !IsKw(CurrentToken, Kw::EXECUTES)) {
        CurrentToken = SkipToToken(RuleFile, KW(Kw::END));
        RuleTrace.clear();
        return;
    }
    if (ReadToken() != "IF") ShowRuleMessage("ERROR - expected IF in rule " + RuleTrace);
    const auto savedWork = WorkHand;
    const auto savedCards = CardVars;
    const auto savedNumbers = NumVars;
    while (!run.found && !IsKw(CurrentToken, Kw::END) && !RuleFile.Eof()) {
        WorkHand = savedWork;
        CardVars = savedCards;
        NumVars = savedNumbers;
        if (EvalConditions("THEN") && CurrentToken == "THEN") {
            const std::string name = ExecuteActions();
            if (decides(name)) {
                run.found = true;
                run.result = name;
                break;
            }
            // Actions that chose no held card end on their last item: go on
            // to the next branch so the rule's END is not passed over.
            skipToBranchEnd();
        } else {
            do {
                ReadToken();
            } while (!RuleFile.Eof() && !atBranchEnd());
        }
    }
}

void readRecord(RunState& run) {
    if (CurrentToken == ScrambledRulesMarker) {
        ScrambledRulesFlag = true;
        InitRuleKeywords();
        FillBuiltinVariables();
    }
    if (IsKw(CurrentToken, Kw::Version)) RulesVersion = RuleFile.Next();
    if (IsKw(CurrentToken, Kw::Set)) readSet(run);
    if (IsKw(CurrentToken, Kw::Interpretation)) readInterpretation(run);
    if (IsKw(CurrentToken, Kw::RULE)) plainRule(run);
    if (CurrentToken == "RULE_CONDITIONAL") conditionalRule(run);
}

}  // namespace

void ClearInterpretations() {
    for (auto& row : InterpretationTable)
        for (std::string& word : row) word.clear();
    InterpretationCount = 0;
}

std::string RunPlayRules(const std::string& path) {
    RunState run;
    NothingTrace.clear();
    CurrentToken.clear();
    if (!RuleFile.Open(path)) {
        if (missingFileWarned != path) ShowRuleMessage("Cannot read the play rules " + path);
        missingFileWarned = path;
        return "";
    }
    if (missingFileWarned == path) missingFileWarned.clear();
    while (!RuleFile.Eof() && !run.found && CurrentToken != "STOP") {
        ReadToken();
        readRecord(run);
    }
    RuleFile.Close();
    return run.result;
}

void PlayChosenCard(short rank) { PlayCardOfRank(rank); }

void ChoosePlayCard(int seat) {
    seat &= 3;
    ClearInterpretations();
    RuleTrace.clear();
    DebugColorText.clear();
    SuggestText.clear();
    CurrentToken.clear();
    ScrambledRulesFlag = false;
    InitRuleKeywords();

    HandCount = TrumpCountInHand();
    HandRanks[0] = 0;
    for (int n = 1; n <= 6; ++n) HandRanks[n] = TrumpRankAt(seat, n);

    TrumpsSeenBySelf[seat] =
        static_cast<float>(std::max<long long>(HandCount, RoundHalfEven(TrumpsSeenBySelf[seat])));
    for (int s = 0; s < 4; ++s)
        TrumpsSeenByOthers[s] =
            static_cast<float>(std::max<long long>(SeatCardsPlayed[s], RoundHalfEven(TrumpsSeenByOthers[s])));

    FillBuiltinVariables();
    const std::string name = RunPlayRules(PlayRuleFilePath(seat));
    if (!name.empty()) {
        PlayChosenCard(RankValueOf(name));
        return;
    }
    RuleTrace = "[DEFAULT]";
    SuggestText.clear();  // no rule chose the card: no explanation belongs to it
    DefaultPlayHook(seat, TrickCount);
    PlayChosenCard(HandRanks[1]);
}
