#include "CardArt.h"

#include <QPainter>

namespace {
constexpr int kW = 71, kH = 96;
const char* const kFaceNames[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char* const kSuitGlyphs[4] = {"\u2663", "\u2666", "\u2665", "\u2660"};
}  // namespace

bool cdtInit(int* width, int* height) {
    if (width) *width = kW;
    if (height) *height = kH;
    return true;
}

void cdtTerm() {}

QImage CardFaceImage(int card, int mode) {
    if (mode == 1) return CardBackPicture();
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::white);
    if (card < 0 || card > 51) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const bool red = card % 4 == 1 || card % 4 == 2;
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, kW - 1, kH - 1);
    p.setPen(red ? QColor(200, 0, 0) : Qt::black);
    QFont f("DejaVu Sans", 11, QFont::Bold);
    p.setFont(f);
    const QString label = QString::fromUtf8(kFaceNames[card / 4]) + QString::fromUtf8(kSuitGlyphs[card % 4]);
    p.drawText(QRect(4, 2, kW - 8, 20), Qt::AlignLeft | Qt::AlignTop, label);
    QFont big("DejaVu Sans", 26);
    p.setFont(big);
    p.drawText(QRect(0, 20, kW, kH - 24), Qt::AlignCenter, QString::fromUtf8(kSuitGlyphs[card % 4]));
    if (mode == 2) {
        p.end();
        img.invertPixels();
    }
    return img;
}

const QImage& CardBackPicture() {
    static const QImage back = [] {
        QImage img(kW, kH, QImage::Format_RGB32);
        img.fill(QColor(20, 40, 140));
        QPainter p(&img);
        p.setPen(QPen(Qt::white, 2));
        p.drawRect(3, 3, kW - 7, kH - 7);
        p.setPen(QPen(QColor(120, 150, 230), 1));
        for (int d = -kH; d < kW; d += 8) p.drawLine(d, 0, d + kH, kH);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(0, 0, kW - 1, kH - 1);
        return img;
    }();
    return back;
}

bool cdtDraw(QImage* dc, int x, int y, int card, int mode, std::uint32_t /*color*/) {
    if (!dc || dc->isNull()) return false;
    QPainter p(dc);
    p.drawImage(x, y, CardFaceImage(card, mode));
    return true;
}

bool cdtDrawExt(QImage* dc, int x, int y, int dx, int dy, int card, int mode, std::uint32_t /*color*/) {
    if (!dc || dc->isNull()) return false;
    QPainter p(dc);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(x, y, dx, dy), CardFaceImage(card, mode));
    return true;
}
