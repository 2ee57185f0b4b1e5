// Our card-drawing library. Cards are drawn with QPainter in a 71 x 96
// design space and rendered at the size asked for (the hands' 71 x 96, the
// out-of-play pile's 53 x 72), so small cards stay sharp. Rendered cards are
// kept, since a hand repaints often.
#include "CardArt.h"

#include <QPainter>
#include <QPainterPath>

#include <map>
#include <mutex>
#include <tuple>

#include "Controls.h"

namespace {

constexpr int kW = 71, kH = 96;
const char* const kFaceNames[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

const QColor kRed(200, 16, 32);
const QColor kBlack(18, 18, 18);
const QColor kBorder(70, 70, 70);

bool isRed(int suit) { return suit == 1 || suit == 2; }
QColor inkOf(int suit) { return isRed(suit) ? kRed : kBlack; }

QFont indexFont(int pixels, bool narrow) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    if (narrow) f.setStretch(QFont::Condensed);
    return f;
}

void drawPip(QPainter& p, int suit, const QPointF& centre, double w, double h, bool upsideDown) {
    p.save();
    p.translate(centre);
    if (upsideDown) p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(inkOf(suit));
    p.drawPath(SuitShape(suit, QRectF(-w / 2, -h / 2, w, h)));
    p.restore();
}

// The rank and a small pip in the top left corner, and the same turned
// round in the bottom right.
void drawIndex(QPainter& p, int face, int suit) {
    const QString rank = QString::fromLatin1(kFaceNames[face]);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kW, kH);
            p.rotate(180);
        }
        p.setPen(inkOf(suit));
        p.setFont(indexFont(face == 9 ? 13 : 15, face == 9));
        p.drawText(QRectF(1, 2, 16, 17), Qt::AlignHCenter | Qt::AlignTop, rank);
        drawPip(p, suit, QPointF(9, 24), 10, 11, false);
        p.restore();
    }
}

// Pip places for the number cards, as (column, row) with columns 0 left,
// 1 middle, 2 right and rows from 0 (top) to 1 (bottom).
struct Spot {
    int col;
    double row;
};

std::vector<Spot> spotsFor(int count) {
    const double t = 1.0 / 3, s = 1.0 / 6;
    switch (count) {
        case 2: return {{1, 0}, {1, 1}};
        case 3: return {{1, 0}, {1, 0.5}, {1, 1}};
        case 4: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
        case 5: return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
        case 6: return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 7: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 8: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
        case 9: return {{0, 0}, {2, 0}, {0, t}, {2, t}, {1, 0.5}, {0, 2 * t}, {2, 2 * t}, {0, 1}, {2, 1}};
        case 10:
            return {{0, 0}, {2, 0}, {1, s}, {0, t}, {2, t}, {0, 2 * t}, {2, 2 * t}, {1, 5 * s}, {0, 1}, {2, 1}};
        default: return {};
    }
}

void drawNumberPips(QPainter& p, int count, int suit) {
    const double cols[3] = {25.5, 35.5, 45.5};
    const double top = 19.0, bottom = 77.0;
    for (const Spot& s : spotsFor(count)) {
        const double y = top + (bottom - top) * s.row;
        drawPip(p, suit, QPointF(cols[s.col], y), 12, 13, s.row > 0.5);
    }
}

// Court cards: a framed panel with the court's letter and its suit.
void drawCourt(QPainter& p, int face, int suit) {
    const QRectF panel(17.5, 14.5, 36, 67);
    const QColor ink = inkOf(suit);
    p.save();
    p.setPen(QPen(ink, 1));
    QLinearGradient g(panel.topLeft(), panel.bottomRight());
    g.setColorAt(0, isRed(suit) ? QColor(255, 236, 200) : QColor(225, 235, 255));
    g.setColorAt(1, isRed(suit) ? QColor(250, 205, 150) : QColor(185, 205, 245));
    p.setBrush(g);
    p.drawRect(panel);
    p.setPen(QPen(QColor(200, 160, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(panel.adjusted(2, 2, -2, -2));
    p.setPen(ink);
    p.setFont(indexFont(30, false));
    p.drawText(QRectF(panel.left(), panel.top() + 3, panel.width(), 34), Qt::AlignCenter,
               QString::fromLatin1(kFaceNames[face]));
    p.restore();
    drawPip(p, suit, QPointF(35.5, 63), 17, 18, false);
}

void drawAce(QPainter& p, int suit) {
    drawPip(p, suit, QPointF(35.5, 48), 30, 32, false);
}

QPainterPath cardOutline(double inset) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5 + inset, 0.5 + inset, kW - 1 - 2 * inset, kH - 1 - 2 * inset), 5, 5);
    return path;
}

void paintFace(QPainter& p, int card) {
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::white);
    p.drawPath(cardOutline(0));
    if (card < 0 || card > 51) return;
    const int face = card / 4, suit = card % 4;
    drawIndex(p, face, suit);
    if (face == 0) drawAce(p, suit);
    else if (face >= 10) drawCourt(p, face, suit);
    else drawNumberPips(p, face + 1, suit);
}

void paintBack(QPainter& p) {
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::white);
    p.drawPath(cardOutline(0));
    const QPainterPath inner = cardOutline(3.5);
    p.save();
    p.setClipPath(inner);
    p.fillPath(inner, QColor(28, 58, 150));
    p.setPen(QPen(QColor(90, 130, 220), 1));
    for (int d = -kH; d < kW + kH; d += 7) {
        p.drawLine(QPointF(d, 0), QPointF(d + kH, kH));
        p.drawLine(QPointF(d, kH), QPointF(d + kH, 0));
    }
    p.setPen(QPen(QColor(230, 200, 90), 1.5));
    p.setBrush(QColor(28, 58, 150));
    p.drawEllipse(QPointF(kW / 2.0, kH / 2.0), 13, 13);
    p.setPen(QColor(230, 200, 90));
    p.setFont(indexFont(14, false));
    p.drawText(QRectF(kW / 2.0 - 13, kH / 2.0 - 13, 26, 26), Qt::AlignCenter, QStringLiteral("LQ"));
    p.restore();
    p.setPen(QPen(QColor(28, 58, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner);
}

// Renders one card at a size in device pixels; mode 0 face, 1 back, 2
// highlighted (the face in inverted colours).
QImage render(int card, int mode, int w, int h, double ratio) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(static_cast<double>(w) / kW, static_cast<double>(h) / kH);
    if (mode == 1) paintBack(p);
    else paintFace(p, card);
    p.end();
    if (mode == 2) img.invertPixels(QImage::InvertRgb);
    QImage out = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio);
    return out;
}

const QImage& cached(int card, int mode, int w, int h, double ratio) {
    static std::mutex lock;
    static std::map<std::tuple<int, int, int, int, double>, QImage> cache;
    if (mode == 1) card = -1;  // every back is the same
    if (!(ratio > 0)) ratio = 1.0;
    std::lock_guard<std::mutex> guard(lock);
    auto key = std::make_tuple(card, mode, w, h, ratio);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, render(card, mode, forms::DevicePixel(w, ratio), forms::DevicePixel(h, ratio), ratio)).first;
    return it->second;
}

bool validMode(int mode) { return mode >= 0 && mode <= 2; }

}  // namespace

QPainterPath SuitShape(int suit, const QRectF& r) {
    QPainterPath p;
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    switch (suit) {
        case 0: {  // clubs: three leaves and a stem
            const double d = w * 0.48;
            p.addEllipse(QRectF(x + w / 2 - d / 2, y, d, d));
            p.addEllipse(QRectF(x, y + h * 0.33, d, d));
            p.addEllipse(QRectF(x + w - d, y + h * 0.33, d, d));
            QPainterPath stem;
            stem.moveTo(x + w / 2, y + h * 0.4);
            stem.quadTo(x + w * 0.55, y + h * 0.9, x + w * 0.75, y + h);
            stem.lineTo(x + w * 0.25, y + h);
            stem.quadTo(x + w * 0.45, y + h * 0.9, x + w / 2, y + h * 0.4);
            p.setFillRule(Qt::WindingFill);
            return p.united(stem);
        }
        case 1:  // diamonds
            p.moveTo(x + w / 2, y);
            p.quadTo(x + w * 0.7, y + h * 0.3, x + w * 0.95, y + h / 2);
            p.quadTo(x + w * 0.7, y + h * 0.7, x + w / 2, y + h);
            p.quadTo(x + w * 0.3, y + h * 0.7, x + w * 0.05, y + h / 2);
            p.quadTo(x + w * 0.3, y + h * 0.3, x + w / 2, y);
            p.closeSubpath();
            return p;
        case 2:  // hearts
            p.moveTo(x + w / 2, y + h);
            p.cubicTo(x + w * 0.3, y + h * 0.78, x - w * 0.02, y + h * 0.52, x, y + h * 0.28);
            p.cubicTo(x + w * 0.02, y - h * 0.04, x + w * 0.42, y - h * 0.06, x + w / 2, y + h * 0.2);
            p.cubicTo(x + w * 0.58, y - h * 0.06, x + w * 0.98, y - h * 0.04, x + w, y + h * 0.28);
            p.cubicTo(x + w * 1.02, y + h * 0.52, x + w * 0.7, y + h * 0.78, x + w / 2, y + h);
            p.closeSubpath();
            return p;
        default: {  // spades: an upturned heart and a stem
            p.moveTo(x + w / 2, y);
            p.cubicTo(x + w * 0.7, y + h * 0.22, x + w, y + h * 0.4, x + w, y + h * 0.6);
            p.cubicTo(x + w, y + h * 0.8, x + w * 0.65, y + h * 0.84, x + w / 2, y + h * 0.66);
            p.cubicTo(x + w * 0.35, y + h * 0.84, x, y + h * 0.8, x, y + h * 0.6);
            p.cubicTo(x, y + h * 0.4, x + w * 0.3, y + h * 0.22, x + w / 2, y);
            p.closeSubpath();
            QPainterPath stem;
            stem.moveTo(x + w / 2, y + h * 0.6);
            stem.quadTo(x + w * 0.55, y + h * 0.9, x + w * 0.75, y + h);
            stem.lineTo(x + w * 0.25, y + h);
            stem.quadTo(x + w * 0.45, y + h * 0.9, x + w / 2, y + h * 0.6);
            return p.united(stem);
        }
    }
}

bool cdtInit(int* width, int* height) {
    if (width) *width = kW;
    if (height) *height = kH;
    return true;
}

void cdtTerm() {}

QImage CardFaceImage(int card, int mode, double ratio) {
    if (!validMode(mode)) mode = 0;
    return cached(card, mode, kW, kH, ratio);
}

const QImage& CardBackPicture(double ratio) { return cached(-1, 1, kW, kH, ratio); }

const QImage& CardPicture(int card, int mode, int width, int height, double ratio) {
    return cached(card, validMode(mode) ? mode : 0, width, height, ratio);
}

bool cdtDraw(QImage* dc, int x, int y, int card, int mode, std::uint32_t /*color*/) {
    if (!dc || dc->isNull() || !validMode(mode)) return false;
    QPainter p(dc);
    p.drawImage(QPointF(x, y), cached(card, mode, kW, kH, dc->devicePixelRatio()));
    return true;
}

bool cdtDrawExt(QImage* dc, int x, int y, int dx, int dy, int card, int mode, std::uint32_t /*color*/) {
    if (!dc || dc->isNull() || !validMode(mode) || dx <= 0 || dy <= 0 || dx > 4 * kW || dy > 4 * kH) return false;
    QPainter p(dc);
    p.drawImage(QPointF(x, y), cached(card, mode, dx, dy, dc->devicePixelRatio()));
    return true;
}
