#include "GameLog.h"

#include "LogLines.h"
#include "Main.h"
#include "VbText.h"

void LogScoreAndDeck() {
    Main& m = *Main::instance();
    m.Log(TagVi);
    m.Log(PlainNum(m.gbVi));
    m.Log(TagDe);
    m.Log(PlainNum(m.gbDe));
    m.Log(ColourLegendLine);
    m.Log(TagDeck);
    for (const Kort* k : m.Packe.colPacke) m.Log(DeckLine(*k));
    m.Log(TagEnd);
    m.Log("");
}

void LogTrumpsBeforeBuying() {
    Main& m = *Main::instance();
    const std::string rule = RepeatChar('=', 35);
    m.Log(rule);
    for (int seat = 0; seat < 4; ++seat) {
        m.Log(BeforeBuyingTag(seat));
        for (const Kort* k : m.Hand[static_cast<std::size_t>(seat)].colHand)
            if (IsTrump(*k, m.gbFarg)) m.Log(TrumpLine(*k, m.gbFarg));
        m.Log(TagEnd);
        m.Log("");
    }
    m.Log(rule);
}
