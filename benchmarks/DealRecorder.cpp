#include "DealRecorder.h"

#include "PlayState.h"

#include "TableDriver.h"
#include "TestTable.h"

bool TableIsClear(const Main& m) {
    for (const KortHand& pile : m.Bord)
        if (pile.AntalKort() > 0) return false;
    return true;
}

RecordedGame RecordGame(std::uint64_t seed) {
    RecordedGame game;
    game.seed = seed;
    TestTable t(seed);
    Main& m = t.m();
    m.Form_Load();
    TableDriver driver(m);
    bool captured = false;
    game.finished = driver.runUntil(
        [&] {
            // Trick play has begun and no card is down yet: the hands are
            // those after buying.
            if (m.myGameStatus != 7) {
                // The deal has been scored (a set-back replaced the points).
                if (captured && game.contractMade.size() < game.deals.size()) {
                    const TrickPlayStart& d = game.deals.back();
                    game.contractMade.push_back(((d.bidder & 1) == 0 ? DealPointsVi : DealPointsDe) >= d.bid);
                }
                captured = false;
            } else if (!captured && TableIsClear(m)) {
                game.deals.push_back(CaptureTrickPlayStart(m, seed));
                captured = true;
            }
            return m.LblGameOver.Visible;
        },
        6 * 60 * 60 * 1000);
    game.messageBoxes = t.dialogs.CountOf("MsgBox");
    return game;
}
