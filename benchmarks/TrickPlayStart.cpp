#include "TrickPlayStart.h"

#include <sstream>

#include "EngineBridge.h"
#include "Main.h"
#include "PlayState.h"
#include "PlayTestSimulation.h"

TrickPlayStart CaptureTrickPlayStart(const Main& m, std::uint64_t game) {
    TrickPlayStart d;
    d.game = game;
    d.dealer = m.harPacko & 3;
    d.bidder = m.gbBjuditHogst & 3;
    d.bid = m.gbHogstaBudet;
    d.colour = m.gbFarg;
    for (int s = 0; s < 4; ++s)
        for (const Kort* k : m.Hand[static_cast<std::size_t>(s)].colHand) d.cards[static_cast<std::size_t>(s)].push_back(k->Nr);
    d.outOfPlay = PlayCardFlags;
    d.trumpsBeforeBuying = TrumpsBeforeBuying;
    d.trumpsSeenBySelf = TrumpsSeenBySelf;
    d.trumpsSeenByOthers = TrumpsSeenByOthers;
    return d;
}

void LayOut(Main& m, const TrickPlayStart& d) {
    ResetPlayState();
    RankPlayedInTrick.fill(-1);
    for (KortHand& h : m.Hand) h.ClearHand();
    m.gbFarg = d.colour;
    m.Packe.ValjFarg(d.colour);
    m.harPacko = d.dealer;
    m.gbBjuditHogst = d.bidder;
    m.gbHogstaBudet = static_cast<short>(d.bid);
    for (int s = 0; s < 4; ++s)
        for (int nr : d.cards[static_cast<std::size_t>(s)]) {
            Kort* k = m.Packe.CardByNr(nr);
            if (k) m.Hand[static_cast<std::size_t>(s)].AddACardOSort(k, false);
        }
    PlayCardFlags = d.outOfPlay;
    TrumpsBeforeBuying = d.trumpsBeforeBuying;
    TrumpsSeenBySelf = d.trumpsSeenBySelf;
    TrumpsSeenByOthers = d.trumpsSeenByOthers;
    playsim::startTrickPlay(d.bidder);
}

void WriteTrickPlayStart(std::ostream& out, const TrickPlayStart& d) {
    out << "D " << d.game << ' ' << d.dealer << ' ' << d.bidder << ' ' << d.bid << ' ' << d.colour;
    for (const auto& hand : d.cards) {
        out << ' ' << hand.size();
        for (int nr : hand) out << ' ' << nr;
    }
    for (short f : d.outOfPlay) out << ' ' << f;
    for (short t : d.trumpsBeforeBuying) out << ' ' << t;
    for (float t : d.trumpsSeenBySelf) out << ' ' << t;
    for (float t : d.trumpsSeenByOthers) out << ' ' << t;
    out << '\n';
}

std::optional<TrickPlayStart> ReadTrickPlayStart(const std::string& line) {
    std::istringstream in(line);
    std::string tag;
    TrickPlayStart d;
    if (!(in >> tag) || tag != "D") return std::nullopt;
    if (!(in >> d.game >> d.dealer >> d.bidder >> d.bid >> d.colour)) return std::nullopt;
    if (d.dealer < 0 || d.dealer > 3 || d.bidder < 0 || d.bidder > 3) return std::nullopt;
    for (auto& hand : d.cards) {
        std::size_t n = 0;
        if (!(in >> n) || n > 13) return std::nullopt;
        hand.resize(n);
        for (int& nr : hand)
            if (!(in >> nr) || nr < 0 || nr > 51) return std::nullopt;
    }
    for (short& f : d.outOfPlay)
        if (!(in >> f)) return std::nullopt;
    for (short& t : d.trumpsBeforeBuying)
        if (!(in >> t)) return std::nullopt;
    for (float& t : d.trumpsSeenBySelf)
        if (!(in >> t)) return std::nullopt;
    for (float& t : d.trumpsSeenByOthers)
        if (!(in >> t)) return std::nullopt;
    return d;
}

std::vector<TrickPlayStart> ReadTrickPlayStarts(std::istream& in) {
    std::vector<TrickPlayStart> deals;
    std::string line;
    while (std::getline(in, line))
        if (auto d = ReadTrickPlayStart(line)) deals.push_back(*d);
    return deals;
}
