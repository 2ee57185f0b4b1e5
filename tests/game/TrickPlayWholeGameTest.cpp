// Whole games at a headless table: the real window, timers on the virtual
// clock, the computer seats deciding by the shipped rule files, and the
// human's seat played through its own buttons and card clicks (always the
// suggested bid, colour and card). After every deal the table is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "EngineBridge.h"
#include "PlayState.h"
#include "Registry.h"
#include "TestTable.h"
#include "VbText.h"

namespace {
// How far below the driver's own frame the deepest log line was written:
// a hand-over that never unwinds shows up as a growing stack.
struct StackProbe {
    const char* base = nullptr;
    std::ptrdiff_t deepest = 0;
    void note() {
        char here = 0;
        if (base) deepest = std::max(deepest, base - &here);
    }
};

int wins() {
    return static_cast<int>(Val(GetRegistryValue("user", "Statistic", "TotalVi", "0")) +
                            Val(GetRegistryValue("user", "Statistic", "TotalDe", "0")));
}

class TableDriver {
public:
    explicit TableDriver(TestTable& t) : t_(t), m_(t.m()) {
        m_.AddLogListener([this](const std::string&) { stack_.note(); });
    }

    // Plays until `deals` deals have been scored; stops at the first failure.
    void play(int deals) {
        char base = 0;
        stack_.base = &base;
        m_.Form_Load();
        int scored = 0;
        int steps = 0;
        int winsBefore = wins();
        while (scored < deals) {
            ASSERT_LT(++steps, 20000) << "no deal end within many steps: the game stalls in deal " << scored;
            checkBeforePlay();
            if (answerHuman()) continue;
            if (dealScored()) {
                checkDealEnd(scored, winsBefore);
                if (::testing::Test::HasFatalFailure()) return;
                winsBefore = wins();
                ++scored;
                steps = 0;
                m_.AdvanceMe();
                m_.AdvanceMe();  // a second click must be harmless
                continue;
            }
            ASSERT_GE(m_.scheduler.AdvanceToNextTick(), 0) << "no timer runs and nobody is asked: stall";
        }
        EXPECT_LT(stack_.deepest, 256 * 1024) << "the call stack grows";
        for (const auto& shown : t_.dialogs.shown) ADD_FAILURE() << "message box during play: " << shown.prompt;
    }

    int gamesEnded = 0;
    int humanCards = 0;
    int humanColours = 0;

private:
    bool dealScored() const { return m_.Timer1.Tag == "STOP_RUNDA" && m_.Timer3.Tag == "ANIMATE"; }

    bool answerHuman() {
        for (std::size_t k = 0; k < m_.PBBid.size(); ++k)
            if (m_.PBBid[k].Visible && m_.PBBid[k].Tag == "Suggest") return clickBid(static_cast<int>(k));
        for (std::size_t k = 0; k < m_.PBBid.size(); ++k)
            if (m_.PBBid[k].Visible) return clickBid(static_cast<int>(k));
        if (m_.ImgKlUp.Visible) return chooseColour();
        if (m_.Timer1.Tag == "WAIT_KOR") {
            m_.AdvanceMe();
            return true;
        }
        if (m_.myGameStatus == 7 && m_.Hand[0].HandAktivitat() == 1) return clickCard();
        return false;
    }

    bool clickBid(int k) {
        m_.PBBid_MouseDown(k);
        m_.PBBid_MouseUp(k);
        return true;
    }

    bool chooseColour() {
        ++humanColours;
        switch (m_.Hand[0].MinFarg) {
        case 2: m_.ImgRuUp_MouseDown(); m_.ImgRuUp_MouseUp(); break;
        case 4: m_.ImgHjUp_MouseDown(); m_.ImgHjUp_MouseUp(); break;
        case 8: m_.ImgSpUp_MouseDown(); m_.ImgSpUp_MouseUp(); break;
        default: m_.ImgKlUp_MouseDown(); m_.ImgKlUp_MouseUp(); break;
        }
        return true;
    }

    // Clicks the suggested card, or the first trump when the suggestion is
    // not a trump of this hand, where the hand draws it.
    bool clickCard() {
        KortHand& h = m_.Hand[0];
        int p = SuggestedCardIndex;
        if (p < 1 || p > h.colHand.Count() || !IsTrump(*h.colHand.Item(p), m_.gbFarg)) {
            p = 0;
            for (int i = 1; i <= h.colHand.Count() && p == 0; ++i)
                if (IsTrump(*h.colHand.Item(i), m_.gbFarg)) p = i;
        }
        EXPECT_GT(p, 0) << "the human waits for a card but holds no trump";
        if (p == 0) return false;
        const long long step = RoundHalfEven(h.PixelWidth() / static_cast<double>(h.CardsToShow() + 2));
        const int cardsBefore = h.AntalKort();
        h.UserControl_MouseDown(1, 0, static_cast<float>((p - 1) * step + step / 2), 10.0f);
        EXPECT_EQ(h.AntalKort(), cardsBefore - 1) << "the click on a trump played no card";
        ++humanCards;
        return true;
    }

    // The cards on the table (hands, piles, out of play), each once.
    std::vector<int> cardsOnTable() {
        std::vector<int> seen;
        auto collect = [&seen](const KeyedList<Kort*>& cards) {
            for (const Kort* k : cards) seen.push_back(k->Nr);
        };
        for (int s = 0; s < 4; ++s) {
            collect(m_.Hand[s].colHand);
            collect(m_.Bord[s].colHand);
        }
        collect(m_.KortKilled.colHand);
        std::sort(seen.begin(), seen.end());
        EXPECT_TRUE(std::adjacent_find(seen.begin(), seen.end()) == seen.end()) << "a card in two places";
        for (int nr : seen) EXPECT_TRUE(m_.Packe.Pool().Contains(CardKey(nr))) << nr << " on the table, not dealt";
        EXPECT_EQ(m_.Packe.Pool().Count() + m_.Packe.colPacke.Count(), 52);
        return seen;
    }

    // Until trick play clears the piles every card lies somewhere.
    void expectAllCardsOnce() {
        std::vector<int> seen = cardsOnTable();
        for (const Kort* k : m_.Packe.colPacke) seen.push_back(k->Nr);
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(52);
        for (int n = 0; n < 52; ++n) all[static_cast<std::size_t>(n)] = n;
        EXPECT_EQ(seen, all) << "a card is lost or in two places";
    }

    // Once per deal, when buying is over and the first trick has not begun.
    void checkBeforePlay() {
        const bool buyingDone = m_.myGameStatus == 7 && (m_.Timer1.Tag == "OK" || m_.Timer1.Tag == "OK1");
        if (!buyingDone || checkedBeforePlay_) return;
        checkedBeforePlay_ = true;
        for (int s = 0; s < 4; ++s) {
            EXPECT_LE(m_.Hand[s].AntalKort(), 6) << "seat " << s;
            EXPECT_LE(m_.Hand[s].AntalKortIFarg(m_.gbFarg), 6) << "seat " << s;
        }
        expectAllCardsOnce();
        bidder_ = m_.gbBjuditHogst;
    }

    void checkDealEnd(int deal, int winsBefore) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        EXPECT_TRUE(checkedBeforePlay_) << "trick play began without buying";
        checkedBeforePlay_ = false;
        EXPECT_EQ(m_.harPacko, deal % 4) << "the deal passes to the next seat";
        EXPECT_EQ(m_.attSaka, (deal + 1) % 4);
        EXPECT_EQ(m_.gbBjuditHogst, bidder_);
        int taken = 0;
        for (int i = 0; i < 7; ++i) taken += TrickPointsVi[i] + TrickPointsDe[i];
        EXPECT_EQ(taken, 14) << "a deal is worth 14 points";
        EXPECT_LE(TrickCount, 7);
        for (const KortHand& h : m_.Hand) EXPECT_EQ(h.AntalKortIFarg(m_.gbFarg), 0) << "a trump was left in hand";
        // The piles now hold exactly the cards played, every trump but the surplus.
        int onPiles = 0;
        for (const KortHand& b : m_.Bord) onPiles += b.AntalKort();
        EXPECT_EQ(onPiles, CardsPlayedCount);
        EXPECT_EQ(onPiles + m_.KortKilled.AntalKort(), 14);
        cardsOnTable();
        const bool over = m_.gbVi > 61 || m_.gbDe > 61;
        EXPECT_EQ(wins(), winsBefore + (over ? 1 : 0)) << "a finished game counts once, nothing else counts";
        EXPECT_EQ(m_.LblGameOver.Visible, over);
        if (over) ++gamesEnded;
        ASSERT_FALSE(::testing::Test::HasFailure());
    }

    TestTable& t_;
    Main& m_;
    StackProbe stack_;
    bool checkedBeforePlay_ = false;
    std::int32_t bidder_ = -1;
};
}  // namespace

TEST(WholeGames, SeededTablesPlayToTheEndWithEveryCardAndPointAccountedFor) {
    int games = 0;
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TestTable t(seed);
        TableDriver driver(t);
        driver.play(60);
        if (HasFatalFailure()) return;
        games += driver.gamesEnded;
        EXPECT_GT(driver.humanCards, 0);
        EXPECT_GT(driver.humanColours, 0) << "the human never named the trumps";
    }
    EXPECT_GT(games, 0) << "no game reached its end in all those deals";
}
