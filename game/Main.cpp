#include "Main.h"

Main* Main::instance_ = nullptr;

Main::Main(forms::Dialogs& d)
    : dialogs(d), Timer1(scheduler, 1000, true), Timer2(scheduler, 180, true), Timer3(scheduler, 1200, true),
      TimerAD(scheduler, 20, false) {
    instance_ = this;
    Timer1.Name = "Timer1";
    Timer2.Name = "Timer2";
    Timer3.Name = "Timer3";
    TimerAD.Name = "TimerAD";
    CreateControls();
    ConnectBidHandlers();
    ConnectColourHandlers();
    ConnectTimers();
    ConnectToolbarHandlers();
    ConnectLogHandlers();
}

Main::~Main() {
    if (instance_ == this) instance_ = nullptr;
}

Main* Main::instance() { return instance_; }

const char* Main::AppTitle() { return "Lumra Quest"; }

int Main::MsgBox(const std::string& prompt, int style, const std::string& title) {
    forms::SchedulerPause pause(&scheduler);
    return dialogs.MsgBox(prompt, style, title.empty() ? AppTitle() : title);
}

std::optional<std::string> Main::InputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
    forms::SchedulerPause pause(&scheduler);
    return dialogs.InputBox(prompt, title.empty() ? AppTitle() : title, defaultText);
}
