#pragma once
// A table for play-rule tests: hearts are trumps, the rule file is written
// into a folder of the test's own, seat 0 is the human's (so the engine only
// names its card) and the other seats are computer seats. Log lines and
// message boxes are captured.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "EngineBridge.h"
#include "PlayRules.h"
#include "PlayState.h"
#include "RuleDriver.h"
#include "RuleEngineState.h"
#include "TestTable.h"

class PlayRuleFixture : public ::testing::Test {
protected:
    static constexpr int kTrump = 4;  // hearts

    TestTable t;
    QTemporaryDir dir;
    std::vector<std::string> logLines;

    void SetUp() override {
        Main& m = t.m();
        m.gbFarg = kTrump;
        m.Packe.ValjFarg(kTrump);
        m.gbInstallPath = dir.path().toStdString() + "/";
        m.gbHogstaBudet = 8;
        m.gbBjuditHogst = 0;
        for (auto& h : m.Hand) {
            h.myPlayAI = "Rules.TXT";
            h.mySpelarTyp = 0;
        }
        m.Hand[0].mySpelarTyp = 1;
        m.AddLogListener([this](const std::string& line) { logLines.push_back(line); });
        CurrentSeat = TrickLeader = 0;
        TrickCount = 1;
        TopRankLeft = 14;
        ContestedPointsLeft = 12;
        PointsNotTaken = 14;
        RankPlayedInTrick.fill(-1);
        SuggestedCardIndex = -1;
        RuleProbabilityText.clear();
    }

    // The card of a trump rank name in hearts ("v" is the five of diamonds).
    Kort* trump(const std::string& rank) {
        static const std::vector<std::pair<std::string, int>> faces = {
            {"A", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"V", 4}, {"v", 4}, {"6", 5}, {"7", 6},
            {"8", 7}, {"9", 8}, {"10", 9}, {"J", 10}, {"Q", 11}, {"K", 12}};
        for (const auto& [name, face] : faces)
            if (name == rank) return t.m().Packe.CardByNr(face * 4 + (rank == "v" ? 1 : 2));
        return nullptr;
    }
    // A clubs card: never a trump here.
    Kort* plain(int face) { return t.m().Packe.CardByNr(face * 4); }

    void give(int seat, std::initializer_list<std::string> ranks) {
        KortHand& h = t.m().Hand[seat];
        h.ClearHand();
        for (const auto& r : ranks) {
            Kort* k = r == "-" ? plain(5 + static_cast<int>(h.colHand.Count())) : trump(r);
            h.AddACardOSort(k, false);
        }
    }
    // The trumps of a hand in hand order, by rank name.
    std::vector<std::string> trumpsOf(int seat) {
        std::vector<std::string> out;
        for (const Kort* k : t.m().Hand[seat].colHand)
            if (IsTrump(*k, kTrump)) out.push_back(RankNameOf(k->Rang));
        return out;
    }

    void writeRules(const std::string& text) {
        std::ofstream(dir.path().toStdString() + "/Rules.TXT", std::ios::binary) << text;
    }
    std::string rulesPath() { return dir.path().toStdString() + "/Rules.TXT"; }

    // Runs the engine for the human seat 0 and gives the suggested card.
    std::string decide(const std::string& rules) {
        writeRules(rules);
        CurrentSeat = 0;
        SuggestedCardIndex = -1;
        ChoosePlayCard(0);
        KortHand& h = t.m().Hand[0];
        if (SuggestedCardIndex < 1 || SuggestedCardIndex > h.colHand.Count()) return "";
        return RankNameOf(h.colHand.Item(SuggestedCardIndex)->Rang);
    }

    // Interprets the rules once for seat 0 with the hand picture taken as
    // the engine takes it, without playing.
    std::string run(const std::string& rules) {
        writeRules(rules);
        CurrentSeat = 0;
        prepareHandPicture();
        return RunPlayRules(rulesPath());
    }
    void prepareHandPicture();

    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& s : t.dialogs.shown)
            if (s.kind == "MsgBox") out.push_back(s.prompt);
        return out;
    }
};

#include "RuleKeywords.h"
#include "RuleValueTable.h"

inline void PlayRuleFixture::prepareHandPicture() {
    ClearInterpretations();
    ScrambledRulesFlag = false;
    InitRuleKeywords();
    HandCount = TrumpCountInHand();
    HandRanks[0] = 0;
    for (int n = 1; n <= 6; ++n) HandRanks[n] = TrumpRankAt(static_cast<int>(CurrentSeat), n);
    const int seat = static_cast<int>(CurrentSeat);
    if (TrumpsSeenBySelf[seat] < HandCount) TrumpsSeenBySelf[seat] = HandCount;
    FillBuiltinVariables();
}
