#pragma once
// Plays a table headless: answers the human's turns (passes every bid,
// names clubs, goes on after the discard, plays the first trump) and runs
// the timers until a condition holds. Also records what the log sink is
// handed.

#include <functional>
#include <string>
#include <vector>

#include "Main.h"
#include "TestTable.h"

struct LogRecorder {
    Main& m;
    std::vector<std::string> lines;
    int id;
    explicit LogRecorder(Main& main) : m(main), id(main.AddLogListener([this](const std::string& l) { lines.push_back(l); })) {}
    ~LogRecorder() { m.RemoveLogListener(id); }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;
    std::string text() const {
        std::string out;
        for (const std::string& l : lines) out += l + "\n";
        return out;
    }
};

inline bool AnswerHumanTurn(Main& m) {
    for (std::size_t k = 0; k < m.PBBid.size(); ++k)
        if (m.PBBid[k].Visible) {
            m.PBBid_MouseDown(0);
            m.PBBid_MouseUp(0);
            return true;
        }
    if (m.ImgKlUp.Visible) {
        m.ImgKlUp_MouseDown();
        m.ImgKlUp_MouseUp();
        return true;
    }
    if (m.Timer1.Tag == "WAIT_KOR") {
        m.AdvanceMe();
        return true;
    }
    if (m.myGameStatus == 7 && m.Hand[0].HandAktivitat() == 1) {
        KortHand& h = m.Hand[0];
        for (int i = 1; i <= h.colHand.Count(); ++i)
            if (IsTrump(*h.colHand.Item(i), m.gbFarg)) {
                h.PlayIt(i);
                return true;
            }
    }
    return false;
}

// Runs the game until done() holds; false when it did not within the steps.
inline bool PlayUntil(TestTable& t, const std::function<bool()>& done, int maxSteps = 20000) {
    Main& m = t.m();
    for (int step = 0; step < maxSteps; ++step) {
        if (done()) return true;
        if (AnswerHumanTurn(m)) continue;
        m.scheduler.AdvanceToNextTick();
    }
    return done();
}

// The end of a deal: scored, waiting for the go-on click.
inline bool DealFinished(const Main& m) { return m.myGameStatus == 1 && m.ImgReplayUp.Visible; }
