#pragma once
// The widget that shows a form: it paints the form's controls in z-order
// and hands mouse presses, releases and double clicks to the form. Its size
// is the form's client size in logical pixels, so on a high-density screen
// Qt scales the whole table and text stays sharp.

#include <QWidget>

#include <functional>

namespace forms {
class Form;
}

class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(forms::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    forms::Form& form() { return form_; }
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

private:
    void syncCaption();
    forms::Form& form_;
    bool painting_ = false;
    bool closed_ = false;
};
