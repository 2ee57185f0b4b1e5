#include "Packe.h"

#include <cassert>
#include <cmath>
#include <set>

#include "NumberedError.h"
#include "Rng.h"
#include "VbText.h"

namespace {
struct Face {
    const char* typ;
    std::uint8_t rang;
    std::uint8_t poang;
    std::int16_t slangOrder;
};
// Face index 0..12: ace, 2 .. 10, jack, queen, king.
constexpr Face kFaces[13] = {
    {"A", 14, 1, 0}, {"2", 1, 0, 0},  {"3", 2, 0, 8},   {"4", 3, 0, 7},  {"5", 5, 5, 0},
    {"6", 6, 0, 6},  {"7", 7, 0, 5},  {"8", 8, 0, 4},   {"9", 9, 0, 3},  {"10", 10, 1, 0},
    {"J", 11, 1, 0}, {"Q", 12, 0, 2}, {"K", 13, 0, 1},
};

std::int16_t sortKey(int suit, int rang) {
    switch (suit) {
    case 0: return static_cast<std::int16_t>(rang + 100);
    case 1: return static_cast<std::int16_t>(30 - rang);
    case 2: return static_cast<std::int16_t>(60 + rang);
    default: return static_cast<std::int16_t>(90 - rang);
    }
}
}  // namespace

Packe::Packe() { CreateCards(); }

void Packe::CreateCards() {
    for (int suit = 0; suit < 4; ++suit) {
        for (int face = 0; face < 13; ++face) {
            auto k = std::make_unique<Kort>();
            k->Nr = static_cast<std::int16_t>(face * 4 + suit);
            k->farg = 1 << suit;
            k->Typ = kFaces[face].typ;
            k->Rang = kFaces[face].rang;
            k->Poang = kFaces[face].poang;
            k->SlangOrder = kFaces[face].slangOrder;
            k->Sortering = sortKey(suit, k->Rang);
            switch (k->Nr) {
            case 16: k->farg = 9; k->Sortering = 95; break;
            case 17: k->farg = 6; k->Sortering = 32; break;
            case 18: k->farg = 6; k->Sortering = 58; break;
            case 19: k->farg = 9; k->Sortering = 92; break;
            default: break;
            }
            pool_.Add(k.get(), CardKey(*k));
            cards_[static_cast<std::size_t>(k->Nr)] = std::move(k);
        }
    }
}

Kort* Packe::CardByNr(int nr) const {
    if (nr < 0 || nr > 51) return nullptr;
    return cards_[static_cast<std::size_t>(nr)].get();
}

void Packe::ValjFarg(std::int32_t c) {
    for (const auto& k : cards_)
        if (k->Typ == "5") k->Rang = (1 << (k->Nr % 4)) == c ? 5 : 4;
}

void Packe::Saka() {
    Randomize();
    const int n = pool_.Count();
    bool duplicate = false;
    for (int i = 0; i < n; ++i) {
        const int count = pool_.Count();
        int idx = static_cast<int>(std::floor(static_cast<double>(Rnd()) * count)) + 1;
        if (idx > count) idx = count;
        Kort* k = pool_.Item(idx);
        k->Kop = false;
        const std::string key = CardKey(*k);
        // A card can only be in the stock already if the invariant broke.
        if (colPacke.Contains(key)) {
            duplicate = true;
        } else {
            colPacke.Add(k, key);
        }
        pool_.Remove(idx);
    }
    for (int i = 1; i <= colPacke.Count() && i <= 52; ++i) recorded_[static_cast<std::size_t>(i)] = colPacke.KeyAt(i);
    if (duplicate) throw NumberedError(errors::CardExistsInDeck, "Deck", "Card exists in Deck");
}

bool Packe::TweakPacke(int slot, const std::string& text) {
    if (slot < 0 || slot > 52) return false;
    recorded_[static_cast<std::size_t>(slot)] = text;
    return true;
}

void Packe::TomPacke() {
    const int n = colPacke.Count();
    for (int i = 0; i < n; ++i) GeKort();
}

bool Packe::SakaRestore() {
    // Check every slot before moving anything, so a bad recorded order leaves
    // the deck whole.
    if (pool_.Count() != 52 || colPacke.Count() != 0) return false;
    std::array<std::string, 52> keys;
    std::set<std::string> seen;
    for (int i = 1; i <= 52; ++i) {
        const std::string& slot = recorded_[static_cast<std::size_t>(i)];
        const std::string t = Trim(slot);
        if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) return false;
        const double v = Val(t);
        if (v < 0 || v > 51) return false;
        const std::string key = CardKey(static_cast<int>(v));
        if (!pool_.Contains(key) || !seen.insert(key).second) return false;
        keys[static_cast<std::size_t>(i - 1)] = key;
    }
    for (const std::string& key : keys) {
        Kort* k = pool_.Item(key);
        colPacke.Add(k, key);
    }
    for (int i = 0; i < 52; ++i) pool_.Remove(1);
    return true;
}

Kort* Packe::GeSpeciellKort(std::string& face, std::int32_t colour) {
    int wantedRank = 0;
    if (face == "V") {
        face = "5";
        wantedRank = 5;
    } else if (face == "v") {
        face = "5";
        wantedRank = 4;
    }
    Kort* found = nullptr;
    for (Kort* k : pool_) {
        if (k->Typ != face || (k->farg & colour) == 0) continue;
        if (face == "5" && k->Rang != wantedRank) continue;
        found = k;
    }
    return found;
}

Kort* Packe::GeKort() {
    if (colPacke.Count() == 0) {
        placeholder_ = Kort{};
        return &placeholder_;
    }
    Kort* k = colPacke.Item(1);
    colPacke.Remove(1);
    pool_.Add(k, CardKey(*k));
    return k;
}

void Packe::PutbackLastTakenCard(Kort* k) {
    if (!k || k->Nr < 0) return;
    const std::string key = CardKey(*k);
    if (!pool_.Contains(key) || colPacke.Contains(key)) return;
    colPacke.Add(k, key);
    pool_.Remove(key);
}
