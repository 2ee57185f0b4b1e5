#include "FormView.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "Controls.h"
#include "FormPainter.h"

FormView::FormView(forms::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(forms::TwipsToPixels(form.ClientWidth), forms::TwipsToPixels(form.ClientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    form_.Unseen = false;
    form_.RepaintNow = [this] {
        // A control asked to be shown at once; inside a paint, later.
        if (painting_ || !isVisible()) update();
        else repaint();
    };
    syncCaption();
}

FormView::~FormView() {
    form_.RepaintNow = nullptr;
}

int FormView::ButtonNumber(Qt::MouseButton b) {
    switch (b) {
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 1;
    }
}

int FormView::ShiftState(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

void FormView::syncCaption() {
    const QString caption = QString::fromStdString(form_.Caption);
    if (windowTitle() != caption) setWindowTitle(caption);
}

void FormView::paintEvent(QPaintEvent*) {
    painting_ = true;
    QPainter p(this);
    forms::PaintForm(p, form_);
    p.end();
    painting_ = false;
    syncCaption();
}

void FormView::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.PressMouse(pt.x(), pt.y(), ButtonNumber(e->button()), ShiftState(e->modifiers()));
    update();
}

void FormView::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.ReleaseMouse(pt.x(), pt.y(), ButtonNumber(e->button()), ShiftState(e->modifiers()));
    update();
}

void FormView::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.DoubleClick(pt.x(), pt.y());
    update();
}

void FormView::closeEvent(QCloseEvent* e) {
    e->accept();
    if (closed_) return;
    closed_ = true;
    if (OnClosed) OnClosed();
}
