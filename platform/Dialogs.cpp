#include "Dialogs.h"

#include "Controls.h"

namespace forms {

int ScriptedDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    shown.push_back({"MsgBox", prompt, style, title});
    if (!msgBoxAnswers.empty()) {
        const int a = msgBoxAnswers.front();
        msgBoxAnswers.pop_front();
        return a;
    }
    return (style & 7) == mb::YesNo ? mb::Yes : mb::OK;
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    shown.push_back({"InputBox", prompt, 0, title});
    if (!inputAnswers.empty()) {
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    return defaultText;
}

std::optional<std::string> ScriptedDialogs::ChooseLogFile(const std::string& startFolder) {
    shown.push_back({"ChooseLogFile", startFolder, 0, ""});
    if (!fileAnswers.empty()) {
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
    return std::nullopt;
}

void ScriptedDialogs::ShowModal(Form& form) {
    shown.push_back({"ShowModal", form.Caption, 0, ""});
    if (onShowModal) onShowModal(form);
}

bool ScriptedDialogs::OpenLink(const std::string& target, int showMode) {
    shown.push_back({"OpenLink", target, showMode, ""});
    openedLinks.push_back(target);
    return true;
}

int ScriptedDialogs::CountOf(const std::string& kind) const {
    int n = 0;
    for (const Shown& s : shown)
        if (s.kind == kind) ++n;
    return n;
}

}  // namespace forms
