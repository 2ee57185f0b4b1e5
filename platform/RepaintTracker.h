#pragma once
// Remembers how each control of a form looked when a view last showed it,
// so the view repaints only what changed since: the game's steps change
// controls by setting their fields, and most ticks change nothing at all.

#include <QRect>
#include <QRegion>

#include <string>
#include <vector>

namespace forms {

class Form;

class RepaintTracker {
public:
    // The area in form pixels whose look changed since the last call: the
    // old and the new place of every control that changed, appeared or
    // went. The first call gives the whole form.
    QRegion Changes(const Form& form);
    // The next call gives the whole form again (the screen changed).
    void Forget() { shown_.clear(); }

private:
    struct Shown {
        bool visible = false;
        QRect rect;
        std::string look;
    };
    std::vector<Shown> shown_;
    QRect client_;
    unsigned formBack_ = 0;
    std::string scratch_;
};

}  // namespace forms
