#include "FormPainter.h"

#include <QPainter>

#include <cmath>
#include <cstring>

#include "Controls.h"

namespace forms {

namespace {

QColor toColor(Rgb c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

QRect pixelRect(const Control& c) { return QRect(c.PixelLeft(), c.PixelTop(), c.PixelWidth(), c.PixelHeight()); }

Qt::Alignment alignmentOf(Alignment a) {
    switch (a) {
        case Alignment::Right: return Qt::AlignRight;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

void paintLabel(QPainter& p, const Label& l) {
    const QRect r = pixelRect(l);
    if (l.BackOpaque) p.fillRect(r, toColor(l.BackColor));
    if (l.Caption.empty()) return;
    p.save();
    // Narrow the caller's clip, never widen it: a view repainting part of
    // the form must keep the rest as it was.
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(LabelFont(l));
    const int flags = static_cast<int>(alignmentOf(l.TextAlign) | Qt::AlignTop) | Qt::TextWordWrap;
    const QString text = CaptionText(l.Caption);
    if (l.TextHalo) {
        p.setPen(toColor(l.HaloColor));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0) p.drawText(r.translated(dx, dy), flags, text);
    }
    p.setPen(toColor(l.ForeColor));
    p.drawText(r, flags, text);
    p.restore();
}

// The picture at its own size in form pixels (a picture drawn for a
// high-density screen holds more device pixels than that).
QSize logicalSize(const QImage& img) { return img.deviceIndependentSize().toSize(); }

void paintImage(QPainter& p, const Image& img) {
    if (!img.Picture || img.Picture->isNull()) return;
    if (img.Stretch) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(pixelRect(img), *img.Picture);
        p.restore();
    } else {
        p.drawImage(QPointF(img.PixelLeft(), img.PixelTop()), *img.Picture);
    }
}

// A windowed control shows its own surface, cut to its size.
void paintSurface(QPainter& p, const Control& c, const QImage& surface, Rgb back) {
    const QRect r = pixelRect(c);
    if (surface.isNull()) {
        p.fillRect(r, toColor(back));
        return;
    }
    const double ratio = surface.devicePixelRatio();
    if (ratio == 1.0) {
        p.drawImage(r.topLeft(), surface, QRect(0, 0, r.width(), r.height()));
        return;
    }
    const QSizeF shown(std::min<double>(r.width(), surface.width() / ratio),
                       std::min<double>(r.height(), surface.height() / ratio));
    p.drawImage(QRectF(r.topLeft(), shown), surface, QRectF(QPointF(0, 0), shown * ratio));
}

QFont listFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    return f;
}

// How many of the newest lines the list box shows.
int listRows(const ListBox& lb, int lineHeight) {
    return std::max(1, (lb.PixelHeight() - 4) / std::max(1, lineHeight));
}

int listLineHeight() {
    static const int height = QFontMetrics(listFont()).height();
    return height;
}

void paintListBox(QPainter& p, const ListBox& lb) {
    const QRect r = pixelRect(lb);
    p.fillRect(r, toColor(lb.BackColor));
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    const QFont f = listFont();
    p.setFont(f);
    p.setPen(toColor(lb.ForeColor));
    const int lineH = QFontMetrics(f).height();
    const int rows = listRows(lb, lineH);
    // The newest lines are the ones worth seeing.
    const int first = std::max(0, lb.ListCount() - rows);
    int y = r.top() + 2;
    for (int i = first; i < lb.ListCount(); ++i, y += lineH)
        p.drawText(QRect(r.left() + 3, y, r.width() - 6, lineH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs,
                   QString::fromStdString(lb.Items[static_cast<std::size_t>(i)]));
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void paintButton(QPainter& p, const CommandButton& b) {
    const QRect r = pixelRect(b);
    p.save();
    p.fillRect(r, QColor(212, 208, 200));
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(b.Caption));
    p.restore();
}

void paintLine(QPainter& p, const Line& l) {
    p.save();
    p.setPen(QPen(toColor(l.BorderColor), 1));
    p.drawLine(QPoint(TwipsToPixels(l.X1), TwipsToPixels(l.Y1)), QPoint(TwipsToPixels(l.X2), TwipsToPixels(l.Y2)));
    p.restore();
}

}  // namespace

QString CaptionText(const std::string& caption) {
    QString s = QString::fromStdString(caption);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

QFont LabelFont(const Label& label) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    // Point sizes as on the 96-dpi screens the table was laid out for.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(label.FontPointSize * 96.0 / 72.0))));
    f.setBold(label.FontBold);
    return f;
}

void PaintControl(QPainter& p, const Control& c) {
    if (!c.Visible) return;
    if (const auto* l = dynamic_cast<const Label*>(&c)) return paintLabel(p, *l);
    if (const auto* i = dynamic_cast<const Image*>(&c)) return paintImage(p, *i);
    if (const auto* pb = dynamic_cast<const PictureBox*>(&c)) return paintSurface(p, c, pb->Surface, pb->BackColor);
    if (const auto* uc = dynamic_cast<const UserControl*>(&c))
        return paintSurface(p, c, uc->PaintedSurface(), RGB(0, 128, 0));
    if (const auto* lb = dynamic_cast<const ListBox*>(&c)) return paintListBox(p, *lb);
    if (const auto* b = dynamic_cast<const CommandButton*>(&c)) return paintButton(p, *b);
    if (const auto* ln = dynamic_cast<const Line*>(&c)) return paintLine(p, *ln);
}

void PaintForm(QPainter& p, const Form& form) {
    p.fillRect(QRect(0, 0, TwipsToPixels(form.ClientWidth), TwipsToPixels(form.ClientHeight)),
               toColor(form.BackColor));
    for (const Control* c : form.PaintOrder()) PaintControl(p, *c);
}

void PaintForm(QPainter& p, const Form& form, const QRect& area) {
    const QRect client(0, 0, TwipsToPixels(form.ClientWidth), TwipsToPixels(form.ClientHeight));
    p.fillRect(client & area, toColor(form.BackColor));
    for (const Control* c : form.PaintOrder())
        if (c->Visible && PaintedRect(*c).intersects(area)) PaintControl(p, *c);
}

QRect PaintedRect(const Control& c) {
    if (const auto* ln = dynamic_cast<const Line*>(&c)) {
        const QPoint a(TwipsToPixels(ln->X1), TwipsToPixels(ln->Y1)), b(TwipsToPixels(ln->X2), TwipsToPixels(ln->Y2));
        return QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
    }
    const QRect box = pixelRect(c);
    if (const auto* img = dynamic_cast<const Image*>(&c); img && !img->Stretch && img->Picture)
        return box | QRect(box.topLeft(), logicalSize(*img->Picture));
    return box;
}

namespace {

template <typename T>
void put(std::string& out, const T& value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

void put(std::string& out, const std::string& text) {
    put(out, text.size());
    out += text;
}

}  // namespace

void AppendLook(const Control& c, std::string& out) {
    if (const auto* l = dynamic_cast<const Label*>(&c)) {
        put(out, l->Caption);
        put(out, l->ForeColor);
        put(out, l->BackColor);
        put(out, l->HaloColor);
        put(out, l->FontPointSize);
        const int flags = (l->BackOpaque ? 1 : 0) | (l->FontBold ? 2 : 0) | (l->TextHalo ? 4 : 0) |
                          (static_cast<int>(l->TextAlign) << 3);
        put(out, flags);
    } else if (const auto* i = dynamic_cast<const Image*>(&c)) {
        put(out, i->Picture.get());
        put(out, i->Picture ? i->Picture->cacheKey() : 0);
        put(out, i->Stretch);
    } else if (const auto* pb = dynamic_cast<const PictureBox*>(&c)) {
        put(out, pb->Surface.cacheKey());
        put(out, pb->BackColor);
    } else if (const auto* uc = dynamic_cast<const UserControl*>(&c)) {
        put(out, uc->Refreshes());
    } else if (const auto* lb = dynamic_cast<const ListBox*>(&c)) {
        put(out, lb->ForeColor);
        put(out, lb->BackColor);
        const int first = std::max(0, lb->ListCount() - listRows(*lb, listLineHeight()));
        put(out, first);
        for (int k = first; k < lb->ListCount(); ++k) put(out, lb->Items[static_cast<std::size_t>(k)]);
    } else if (const auto* b = dynamic_cast<const CommandButton*>(&c)) {
        put(out, b->Caption);
    } else if (const auto* ln = dynamic_cast<const Line*>(&c)) {
        put(out, ln->BorderColor);
    }
}

QImage RenderForm(const Form& form, double scale) {
    const int w = std::max(1, TwipsToPixels(form.ClientWidth));
    const int h = std::max(1, TwipsToPixels(form.ClientHeight));
    const double s = scale > 0 ? scale : 1.0;
    QImage img(static_cast<int>(std::lround(w * s)), static_cast<int>(std::lround(h * s)), QImage::Format_RGB32);
    img.fill(toColor(form.BackColor));
    QPainter p(&img);
    p.scale(s, s);
    PaintForm(p, form);
    return img;
}

}  // namespace forms
