#pragma once
// The widget that shows a form: it paints the form's controls in z-order
// and hands mouse presses, releases and double clicks to the form. Its size
// is the form's client size in logical pixels; the form learns the screen's
// device pixel ratio, so surfaces and pictures are drawn as sharp as the
// text. Only what changed is repainted.

#include <QWidget>

#include <functional>

#include "RepaintTracker.h"

namespace forms {
class Form;
}

class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(forms::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    forms::Form& form() { return form_; }
    // Schedules a repaint of what changed in the form since it was last
    // shown (the game changes controls without telling anyone).
    void ShowChanges() { showChanges(false); }
    // Called when the window is closed (the close box or a close request);
    // the window closes whatever it does.
    std::function<void()> OnClosed;

    // The mouse button number the form expects: 1 left, 2 right, 4 middle.
    static int ButtonNumber(Qt::MouseButton b);
    static int ShiftState(Qt::KeyboardModifiers m);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void syncCaption();
    void syncPixelRatio();
    void showChanges(bool now);
    forms::Form& form_;
    forms::RepaintTracker tracker_;
    bool painting_ = false;
    bool closed_ = false;
};
