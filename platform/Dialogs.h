#pragma once
// The modal dialogs the game asks the player through: message boxes, the
// input box and the log-file chooser. The programs answer them with Qt
// dialogs (QtDialogs); tests answer them from a script (ScriptedDialogs).

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Form;

// Message-box styles and answers, combined as the callers need them.
namespace mb {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace mb

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a message box; returns the answer (mb::OK, mb::Yes, mb::No ...).
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // Asks for a line of text; nullopt when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // Lets the player pick a log file ("*.txt"), starting in a folder.
    virtual std::optional<std::string> ChooseLogFile(const std::string& startFolder) = 0;
    // Shows a window of its own (the about box) modally; returns when the
    // form asks to close (Form::RequestClose).
    virtual void ShowModal(Form& form) = 0;
    // Opens a web or mail link with the desktop's handler; showMode 3 asks
    // for a maximised window. False when nothing could open it.
    virtual bool OpenLink(const std::string& target, int showMode) = 0;
};

// Answers from a script, recording what was asked. With nothing scripted a
// message box answers OK (Yes for a Yes/No box), the input box its default
// and the chooser nothing.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind;  // "MsgBox", "InputBox", "ChooseLogFile"
        std::string prompt;
        int style = 0;
        std::string title;
    };
    std::deque<int> msgBoxAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<Shown> shown;
    // Called with a form shown modally, so a test can act in it.
    std::function<void(Form&)> onShowModal;
    std::vector<std::string> openedLinks;

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseLogFile(const std::string& startFolder) override;
    void ShowModal(Form& form) override;
    bool OpenLink(const std::string& target, int showMode) override;
    int CountOf(const std::string& kind) const;
};

}  // namespace forms
