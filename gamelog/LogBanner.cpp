#include "LogBanner.h"

#include "LogLines.h"
#include "Main.h"

void LogBanner(const std::string& title) {
    Main& m = *Main::instance();
    m.Log(RepeatChar('*', 30));
    m.Log(title);
    m.Log(RepeatChar('*', 30));
}
