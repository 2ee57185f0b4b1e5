#pragma once
// Plays the human's seat through the table's own controls, the way a player
// would: clicks the suggested bid (or pass), the suggested colour, the
// suggested card (or the first trump), and the table whenever the game waits
// for a click.
// The computer seats play by their rule files.

#include <cstdint>
#include <string>

#include "EngineBridge.h"
#include "Main.h"

class TableDriver {
public:
    explicit TableDriver(Main& m) : m_(m) {}

    // Clicks in the middle of a control.
    void clickOn(const forms::Control& c) {
        m_.form.ClickAt(c.PixelLeft() + c.PixelWidth() / 2, c.PixelTop() + c.PixelHeight() / 2);
    }
    // A click on an empty part of the table (between the piles).
    void clickTable() { m_.form.ClickAt(700, 680); }

    // One human action if the game waits for one; true when it acted.
    bool act() {
        if (bidButtonsShown()) {
            for (int k = 9; k >= 0; --k)
                if (m_.PBBid[k].Visible && m_.PBBid[k].Tag == "Suggest") {
                    clickOn(m_.PBBid[k]);
                    return true;
                }
            clickOn(m_.PBBid[0]);
            return true;
        }
        if (colourButtonsShown()) {
            clickOn(colourButton(suggestedColour()));
            return true;
        }
        KortHand& h = m_.Hand[0];
        if (h.HandAktivitat() == 1 && h.AntalKort() > 0) {
            int pos = SuggestedCardIndex;
            if (pos < 1 || pos > h.AntalKort() || !IsTrump(*h.colHand.Item(pos), m_.gbFarg)) {
                pos = 0;
                for (int i = 1; i <= h.AntalKort(); ++i)
                    if (IsTrump(*h.colHand.Item(i), m_.gbFarg)) {
                        pos = i;
                        break;
                    }
            }
            if (pos == 0) return false;
            int x = 0, y = 0;
            h.CardPosition(pos - 1, h.colHand.Item(pos)->Kop, x, y);
            m_.form.ClickAt(h.PixelLeft() + x + 8, h.PixelTop() + y + 30);
            return true;
        }
        if (m_.LblClickVidare.Visible) {
            clickTable();
            return true;
        }
        return false;
    }

    bool colourButtonsShown() const {
        for (const forms::Image* up : {&m_.ImgKlUp, &m_.ImgRuUp, &m_.ImgHjUp, &m_.ImgSpUp})
            if (up->Visible) return true;
        return false;
    }

    // The colour the table suggests: the one colour all raised cards share
    // (the bid raised them); without such cards (a forced bid raises none)
    // the colour the seat's bid chose; clubs when there is neither.
    std::int32_t suggestedColour() const {
        std::int32_t shared = 15;
        bool anyRaised = false;
        for (const Kort* k : m_.Hand[0].colHand)
            if (k->Kop) {
                shared &= k->farg;
                anyRaised = true;
            }
        if (anyRaised && isColour(shared)) return shared;
        const std::int32_t chosen = m_.Hand[0].MinFarg;
        return isColour(chosen) ? chosen : 1;
    }

    const forms::Image& colourButton(std::int32_t colour) const {
        switch (colour) {
        case 2: return m_.ImgRuUp;
        case 4: return m_.ImgHjUp;
        case 8: return m_.ImgSpUp;
        default: return m_.ImgKlUp;
        }
    }

    bool bidButtonsShown() const {
        for (const forms::PictureBox& b : m_.PBBid)
            if (b.Visible) return true;
        return false;
    }

    // Runs the game for up to maxMs of virtual time, acting for the human
    // every 100 ms; stops early when done() says so.
    template <typename Done>
    bool runUntil(Done done, std::int64_t maxMs) {
        for (std::int64_t t = 0; t < maxMs; t += 100) {
            if (done()) return true;
            act();
            m_.scheduler.Advance(100);
        }
        return done();
    }

private:
    static bool isColour(std::int32_t c) { return c == 1 || c == 2 || c == 4 || c == 8; }

    Main& m_;
};
