#include "NewsTicker.h"

#include "Localisation.h"
#include "Main.h"
#include "VbText.h"

std::string TickerBuffer;

namespace {

// The counter rests this many ticks below zero before the text scrolls out.
constexpr long long PauseTicks = 200;

// The buffer is UTF-8: a character is a lead byte and its continuation bytes,
// so the Swedish letters scroll as one character each.
std::size_t charLength(const std::string& s, std::size_t at) {
    std::size_t n = 1;
    while (at + n < s.size() && (static_cast<unsigned char>(s[at + n]) & 0xC0) == 0x80) ++n;
    return n;
}

std::string firstChars(const std::string& s, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < s.size(); ++i) end += charLength(s, end);
    return s.substr(0, end);
}

void dropFirstChar() {
    if (!TickerBuffer.empty()) TickerBuffer.erase(0, charLength(TickerBuffer, 0));
}

void showBuffer(Main& m) {
    m.LblTicker.Caption = firstChars(TickerBuffer, TickerVisibleChars);
    m.LblTicker.Refresh();
}

}  // namespace

void StartTicker() {
    Main* m = Main::instance();
    if (!m) return;
    if (!m->TimerAD.OnTimer) m->TimerAD.OnTimer = [m] { m->TimerAD_Timer(); };
    m->LblTicker.TextAlign = forms::Alignment::Left;
    TickerBuffer = std::string(TickerLeadingBlanks, ' ') + NewsTickerText;
    m->LblTicker.Caption = firstChars(TickerBuffer, TickerVisibleChars);
    m->TimerAD.SetEnabled(true);
    m->TimerAD.Tag = PlainNum(TickerLeadingBlanks);
    m->LblTicker.Visible = true;
}

void StopTicker() {
    Main* m = Main::instance();
    TickerBuffer.clear();
    if (!m) return;
    m->LblTicker.TextAlign = forms::Alignment::Left;
    m->LblTicker.Caption = "";
    m->TimerAD.SetEnabled(false);
    m->LblTicker.Visible = false;
}

void Main::TimerAD_Timer() {
    if (LblTicker.Caption.empty()) {
        StopTicker();
        return;
    }
    long long t = static_cast<long long>(Val(TimerAD.Tag));
    const bool scrollingIn = t > 0;
    --t;
    TimerAD.Tag = StrNum(t);
    if (scrollingIn) {
        dropFirstChar();
        showBuffer(*this);
    }
    if (t < -PauseTicks) {
        dropFirstChar();
        showBuffer(*this);
    }
}
