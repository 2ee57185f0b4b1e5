#pragma once
// The deck: owns the 52 card records for the whole run, shuffles them into a
// stock with a recorded order, deals them one at a time, ranks the two trump
// fives for a trump colour, finds given cards again for a replay and
// rebuilds a recorded stock order for a reload. Each card is always in
// exactly one of the stock and the pool.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "KeyedList.h"
#include "Kort.h"

class Packe {
public:
    Packe();
    Packe(const Packe&) = delete;
    Packe& operator=(const Packe&) = delete;

    // The stock in deal order; item 1 is dealt next.
    KeyedList<Kort*> colPacke;

    short KortIPacken() const { return static_cast<short>(colPacke.Count()); }
    void ValjFarg(std::int32_t trumpColour);
    // Shuffles the pool into the stock and records the order; raises
    // "Card exists in Deck" (0x800403F8, source "Deck") on a duplicate.
    void Saka();
    // Writes one slot (0..52) of the recorded order; a slot outside is ignored
    // and reported by the result.
    bool TweakPacke(int slot, const std::string& text);
    void TomPacke();
    // Rebuilds the stock from the recorded order. All 52 slots are checked
    // first (each a card number 0..51, all different, all in the pool); when
    // one is not, the deck is left as it was and the result is false.
    bool SakaRestore();
    // Finds the card of a face and colour in the pool; "V" and "v" ask for
    // the trump five and the other five of its colour (and are rewritten to
    // "5" in the caller's text). Null when there is none. The pool keeps the
    // dealt cards, so the card found may already lie in a hand: a caller
    // that places cards must track the ones it has placed.
    Kort* GeSpeciellKort(std::string& face, std::int32_t colour);
    // Deals the top stock card into the pool and returns it; with an empty
    // stock, the placeholder (Nr -1), which is stored nowhere.
    Kort* GeKort();
    void PutbackLastTakenCard(Kort* k);

    // Read-only views for the game log and tests.
    const KeyedList<Kort*>& Pool() const { return pool_; }
    const std::string& RecordedSlot(int slot) const { return recorded_.at(static_cast<std::size_t>(slot)); }
    Kort* CardByNr(int nr) const;

private:
    void CreateCards();
    std::array<std::unique_ptr<Kort>, 52> cards_;
    KeyedList<Kort*> pool_;
    std::array<std::string, 53> recorded_;
    Kort placeholder_;
};
