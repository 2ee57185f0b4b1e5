#include "Controls.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "VbText.h"

namespace forms {

int TwipsToPixels(int twips) { return static_cast<int>(RoundHalfEven(twips / static_cast<double>(TwipsPerPixel))); }
int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

void Control::Move(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

void Control::Move(int left, int top) {
    Left = left;
    Top = top;
}

bool Control::Contains(int px, int py) const {
    return px >= PixelLeft() && py >= PixelTop() && px < PixelLeft() + PixelWidth() &&
           py < PixelTop() + PixelHeight();
}

QSize DeviceSize(int width, int height, double ratio) {
    return QSize(static_cast<int>(std::ceil(width * ratio - 1e-9)), static_cast<int>(std::ceil(height * ratio - 1e-9)));
}

int DevicePixel(int pixel, double ratio) { return static_cast<int>(std::lround(pixel * ratio)); }

void Control::Refresh() {
    refreshed();
    if (form_) form_->RefreshNow();
}

double Control::PixelRatio() const { return form_ ? form_->PixelRatio() : 1.0; }

const QImage& UserControl::PaintedSurface() const {
    if (stale_ || Surface.isNull() || Surface.devicePixelRatio() != PixelRatio()) {
        stale_ = false;
        // Drawing fills a cache of what the control shows; every control is
        // a member of its window, never a const object.
        const_cast<UserControl*>(this)->Paint();
    }
    return Surface;
}

void Form::SetPixelRatio(double ratio) {
    if (!(ratio > 0) || ratio == pixelRatio_) return;
    pixelRatio_ = ratio;
    if (PixelRatioChanged) PixelRatioChanged();
}

void PictureBox::EnsureSurface() {
    const int w = std::max(1, PixelWidth()), h = std::max(1, PixelHeight());
    const double ratio = PixelRatio();
    const QSize device = DeviceSize(w, h, ratio);
    if (!Surface.isNull() && Surface.size() == device && Surface.devicePixelRatio() == ratio) return;
    QImage next(device, QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(QColor::fromRgb(BackColor));
    if (!Surface.isNull()) {
        QPainter p(&next);
        p.drawImage(QPointF(0, 0), Surface);
    }
    Surface = std::move(next);
}

void PictureBox::Cls() {
    EnsureSurface();
    Surface.fill(QColor::fromRgb(BackColor));
}

void PictureBox::PaintPicture(const QImage& srcImage, int dx, int dy, int w, int h, int sx, int sy, RasterOp op) {
    EnsureSurface();
    if (srcImage.isNull() || w <= 0 || h <= 0 || (form() && form()->Unseen)) return;
    const QImage src = srcImage.format() == QImage::Format_RGB32 ? srcImage
                                                                  : srcImage.convertToFormat(QImage::Format_RGB32);
    // The rectangles in device pixels; a source at another ratio than the
    // surface is sampled at the nearest device pixel.
    const double to_r = Surface.devicePixelRatio(), from_r = src.devicePixelRatio();
    const double step = from_r / to_r;
    const int x0 = DevicePixel(dx, to_r), x1 = DevicePixel(dx + w, to_r);
    const int y0 = DevicePixel(dy, to_r), y1 = DevicePixel(dy + h, to_r);
    const int fx0 = DevicePixel(sx, from_r), fy0 = DevicePixel(sy, from_r);
    auto fromPixel = [step](int first, int offset) {
        return first + (step == 1.0 ? offset : static_cast<int>(std::floor(offset * step)));
    };
    for (int ty = std::max(0, y0); ty < std::min(y1, Surface.height()); ++ty) {
        const int fy = fromPixel(fy0, ty - y0);
        if (fy < 0 || fy >= src.height()) continue;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(fy));
        QRgb* to = reinterpret_cast<QRgb*>(Surface.scanLine(ty));
        for (int tx = std::max(0, x0); tx < std::min(x1, Surface.width()); ++tx) {
            const int fx = fromPixel(fx0, tx - x0);
            if (fx < 0 || fx >= src.width()) continue;
            to[tx] = op == RasterOp::Copy ? (from[fx] | 0xff000000u) : ((to[tx] & from[fx]) | 0xff000000u);
        }
    }
}

void ListBox::AddItem(const std::string& item) {
    Items.push_back(item);
    if (Items.size() > static_cast<std::size_t>(MaxItems))
        Items.erase(Items.begin(), Items.begin() + static_cast<std::ptrdiff_t>(Items.size() - MaxItems));
}

void Form::Add(Control& control) {
    control.form_ = this;
    controls_.push_back(&control);
}

std::vector<Control*> Form::PaintOrder() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    for (Control* c : controls_)
        if (c->layer() == Layer::Graphical) out.push_back(c);
    for (Control* c : controls_)
        if (c->layer() == Layer::Windowed) out.push_back(c);
    return out;
}

Control* Form::HitTest(int px, int py) const {
    const std::vector<Control*> order = PaintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->Visible && (*it)->Contains(px, py)) return *it;
    return nullptr;
}

void Form::localPoint(const Control& c, int px, int py, float& x, float& y) {
    const int lx = px - c.PixelLeft(), ly = py - c.PixelTop();
    if (c.MouseInPixels()) {
        x = static_cast<float>(lx);
        y = static_cast<float>(ly);
    } else {
        x = static_cast<float>(lx * TwipsPerPixel);
        y = static_cast<float>(ly * TwipsPerPixel);
    }
}

void Form::PressMouse(int px, int py, int button, int shift) {
    captured_ = HitTest(px, py);
    capturedForm_ = captured_ == nullptr;
    if (captured_) {
        float x, y;
        localPoint(*captured_, px, py, x, y);
        if (captured_->MouseDown) captured_->MouseDown(button, shift, x, y);
    } else if (MouseDown) {
        MouseDown(button, shift, static_cast<float>(px * TwipsPerPixel), static_cast<float>(py * TwipsPerPixel));
    }
}

void Form::ReleaseMouse(int px, int py, int button, int shift) {
    Control* target = captured_;
    const bool toForm = capturedForm_;
    captured_ = nullptr;
    capturedForm_ = false;
    if (target) {
        float x, y;
        localPoint(*target, px, py, x, y);
        if (target->MouseUp) target->MouseUp(button, shift, x, y);
        if (target->Visible && target->Contains(px, py) && target->Click) target->Click();
    } else if (toForm && HitTest(px, py) == nullptr && Click) {
        Click();
    }
}

void Form::DoubleClick(int px, int py) {
    Control* target = HitTest(px, py);
    if (target) {
        if (target->DblClick) target->DblClick();
    } else if (Click) {
        Click();
    }
}

void Form::ClickAt(int px, int py, int button) {
    PressMouse(px, py, button);
    ReleaseMouse(px, py, button);
}

}  // namespace forms
