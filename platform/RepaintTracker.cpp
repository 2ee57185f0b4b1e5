#include "RepaintTracker.h"

#include "Controls.h"
#include "FormPainter.h"

namespace forms {

namespace {
// Room for the edges a painter touches just outside a box (a scaled screen
// rounds fractional edges outward).
constexpr int kMargin = 1;
}  // namespace

QRegion RepaintTracker::Changes(const Form& form) {
    const std::vector<Control*>& controls = form.Controls();
    const QRect client(0, 0, TwipsToPixels(form.ClientWidth), TwipsToPixels(form.ClientHeight));
    const bool everything = shown_.size() != controls.size() || client != client_ || form.BackColor != formBack_;
    client_ = client;
    formBack_ = form.BackColor;
    if (everything) shown_.assign(controls.size(), Shown{});

    QRegion dirty;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = *controls[i];
        Shown& was = shown_[i];
        if (!c.Visible && !was.visible && !everything) continue;  // hidden before and now: nothing shows
        scratch_.clear();
        const QRect rect = c.Visible ? PaintedRect(c) : QRect();
        if (c.Visible) AppendLook(c, scratch_);
        const bool same = c.Visible == was.visible && rect == was.rect && scratch_ == was.look;
        if (!same && !everything) {
            if (was.visible) dirty += was.rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
            if (c.Visible) dirty += rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
        }
        was.visible = c.Visible;
        was.rect = rect;
        was.look.swap(scratch_);
    }
    if (everything) return QRegion(client);
    return dirty & client;
}

}  // namespace forms
