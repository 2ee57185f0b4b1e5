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
    form_.RepaintNow = [this] { showChanges(true); };
    syncPixelRatio();
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

void FormView::syncPixelRatio() {
    const double ratio = devicePixelRatioF();
    if (ratio == form_.PixelRatio()) return;
    form_.SetPixelRatio(ratio);
    tracker_.Forget();
    update();
}

void FormView::showChanges(bool now) {
    syncCaption();
    const QRegion changed = tracker_.Changes(form_);
    if (changed.isEmpty()) return;
    // A control asked to be shown at once; inside a paint, later.
    if (now && !painting_ && isVisible()) repaint(changed);
    else update(changed);
}

void FormView::paintEvent(QPaintEvent* e) {
    syncPixelRatio();
    painting_ = true;
    QPainter p(this);
    forms::PaintForm(p, form_, e->rect());
    p.end();
    painting_ = false;
}

bool FormView::event(QEvent* e) {
    // Moved to a screen of another density: everything is drawn anew.
    if (e->type() == QEvent::ScreenChangeInternal) syncPixelRatio();
    return QWidget::event(e);
}

void FormView::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.PressMouse(pt.x(), pt.y(), ButtonNumber(e->button()), ShiftState(e->modifiers()));
    ShowChanges();
}

void FormView::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.ReleaseMouse(pt.x(), pt.y(), ButtonNumber(e->button()), ShiftState(e->modifiers()));
    ShowChanges();
}

void FormView::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    form_.DoubleClick(pt.x(), pt.y());
    ShowChanges();
}

void FormView::closeEvent(QCloseEvent* e) {
    e->accept();
    if (closed_) return;
    closed_ = true;
    if (OnClosed) OnClosed();
}
