#pragma once
// The game's modal questions as Qt dialogs: message boxes with the styles
// and answers the game uses, the input box, the log-file chooser, another
// form shown in a modal window, and links opened by the desktop. While any
// of them is open the given scheduler is paused, so the game stands still.

#include <QPointer>
#include <QWidget>

#include "Dialogs.h"

namespace forms {
class TimerScheduler;
}

class QtDialogs : public forms::Dialogs {
public:
    explicit QtDialogs(forms::TimerScheduler* pauseWhileOpen = nullptr) : scheduler_(pauseWhileOpen) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetScheduler(forms::TimerScheduler* s) { scheduler_ = s; }

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseLogFile(const std::string& startFolder) override;
    void ShowModal(forms::Form& form) override;
    bool OpenLink(const std::string& target, int showMode) override;

    // The answer a message box of this style gives when it is closed
    // without a button (Escape or the close box).
    static int DismissAnswer(int style);

private:
    QPointer<QWidget> parent_;
    forms::TimerScheduler* scheduler_ = nullptr;
};
