#pragma once
// Deals a seeded random hand of nine cards to one seat, the rest of the
// table's hands empty.

#include <cstdint>

#include "Main.h"
#include "Rng.h"

inline void DealSeededHand(Main& m, int seat, std::uint64_t seed) {
    SeedRandom(seed);
    for (KortHand& h : m.Hand) h.ClearHand();
    while (m.Packe.KortIPacken() > 0) m.Packe.GeKort();
    m.Packe.Saka();
    for (int i = 0; i < 9; ++i) {
        Kort* k = m.Packe.GeKort();
        m.Hand[static_cast<std::size_t>(seat)].AddACardOSort(k, false);
    }
}
