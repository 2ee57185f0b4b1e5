// The table's pictures, drawn in code: nothing is read from image files.
// Glyph strips and the strike mark are meant for the AND operation, so they
// are pure white wherever the button face must show through.
#include "TableArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <memory>

#include "CardArt.h"
#include "Main.h"

namespace {

constexpr int kCell = 37;
constexpr int kStripWidth = 10 * kCell + 3;  // ten cells and room for the pressed shift
const QColor kTable(0, 128, 0);
// Tells the debug marker from a screenshot the debug capture put in its place.
const QString kMarkerKey = QStringLiteral("lumra-marker");

using Picture = std::shared_ptr<const QImage>;

// A picture of w x h pixels drawn at a device pixel ratio: a painter on it
// works in the picture's own pixels, so every drawing below is the same at
// any ratio, and the ratio only adds detail.
QImage blank(int w, int h, const QColor& fill, double ratio) {
    QImage img(forms::DeviceSize(w, h, ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    return img;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont boldFont(int pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

// ---- suits ----

// Colour index 0 clubs, 1 diamonds, 2 hearts, 3 spades.
QPainterPath suitPath(int suit, const QRectF& r) { return SuitShape(suit, r); }

QColor suitColour(int suit) { return suit == 1 || suit == 2 ? QColor(210, 20, 30) : QColor(20, 20, 20); }

// ---- round and square button faces ----

// A round face on the table green, lit from the top left; pressed faces
// are darker and sit a pixel lower.
QImage roundFace(int size, const QColor& base, bool pressed, double ratio) {
    QImage img = blank(size, size, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    const double off = pressed ? 1.0 : 0.0;
    const QRectF r(1.5 + off, 1.5 + off, size - 4.0, size - 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 0));
    p.drawEllipse(r.translated(1.2, 1.2));
    QRadialGradient g(r.center() - QPointF(size * 0.18, size * 0.18), size * 0.75);
    const QColor face = pressed ? base.darker(125) : base;
    g.setColorAt(0, face.lighter(135));
    g.setColorAt(0.6, face);
    g.setColorAt(1, face.darker(140));
    p.setBrush(g);
    p.setPen(QPen(face.darker(190), 1));
    p.drawEllipse(r);
    return img;
}

QImage squareFace(int size, const QColor& base, bool pressed, double ratio) {
    QImage img = blank(size, size, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    const double off = pressed ? 1.0 : 0.0;
    const QRectF r(1.5 + off, 1.5 + off, size - 4.0, size - 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 0));
    p.drawRoundedRect(r.translated(1.2, 1.2), 6, 6);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    const QColor face = pressed ? base.darker(120) : base;
    g.setColorAt(0, face.lighter(130));
    g.setColorAt(1, face.darker(130));
    p.setBrush(g);
    p.setPen(QPen(face.darker(200), 1));
    p.drawRoundedRect(r, 6, 6);
    return img;
}

// ---- glyph strips ----

// Where cell k starts, in the strip's pixels: on a whole device pixel, the
// one the raster operations start copying from.
double cellLeft(int k, double ratio) { return forms::DevicePixel(kCell * k, ratio) / ratio; }

QImage numberStrip(const QColor& ink, int shift, double ratio) {
    QImage img = blank(kStripWidth, kCell, Qt::white, ratio);
    QPainter p(&img);
    smooth(p);
    p.setPen(ink);
    for (int k = 0; k < 10; ++k) {
        const QRectF cell(cellLeft(k, ratio) + shift, shift, kCell, kCell);
        if (k == 0) {
            p.fillRect(QRectF(cell.x() + 10, cell.y() + 17, 17, 4), ink);
            continue;
        }
        p.setFont(boldFont(k + 5 >= 10 ? 15 : 18));
        p.drawText(cell, Qt::AlignCenter, QString::number(k + 5));
    }
    return img;
}

QImage buttonStrip(bool pressed, double ratio) {
    const QColor faces[6] = {QColor(200, 200, 200), QColor(40, 200, 40),  QColor(150, 235, 150),
                             QColor(190, 220, 60),  QColor(255, 165, 40), QColor(230, 40, 40)};
    QImage img = blank(6 * kCell, kCell, kTable, ratio);
    QPainter p(&img);
    for (int k = 0; k < 6; ++k) p.drawImage(QPointF(cellLeft(k, ratio), 0), roundFace(kCell, faces[k], pressed, ratio));
    return img;
}

QImage strikeMark(double ratio) {
    QImage img = blank(kCell, kCell, Qt::white, ratio);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(QColor(150, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 30), QPointF(30, 7));
    return img;
}

// ---- icons on the toolbar faces ----

enum class Icon { Reload, Replay, Continue, About, Exit, Trace };

void drawIcon(QPainter& p, Icon icon, const QRectF& r, const QColor& ink) {
    p.save();
    p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    const double s = r.width();
    switch (icon) {
        case Icon::Reload:
        case Icon::Replay: {
            const QRectF arc(c.x() - s * 0.28, c.y() - s * 0.28, s * 0.56, s * 0.56);
            p.drawArc(arc, 60 * 16, 280 * 16);
            // Arrow head at the start of the arc.
            const double a = 60.0 * M_PI / 180.0;
            const QPointF tip(c.x() + std::cos(a) * s * 0.28, c.y() - std::sin(a) * s * 0.28);
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            QPolygonF head;
            head << tip + QPointF(-1, -6) << tip + QPointF(6, 1) << tip + QPointF(-3, 4);
            p.drawPolygon(head);
            if (icon == Icon::Replay) p.drawEllipse(c, 2.5, 2.5);
            break;
        }
        case Icon::Continue: {
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            QPolygonF tri;
            tri << QPointF(c.x() - s * 0.16, c.y() - s * 0.24) << QPointF(c.x() + s * 0.26, c.y())
                << QPointF(c.x() - s * 0.16, c.y() + s * 0.24);
            p.drawPolygon(tri);
            break;
        }
        case Icon::About:
            p.setFont(boldFont(static_cast<int>(s * 0.55)));
            p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
            break;
        case Icon::Exit:
            p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(-s * 0.2, -s * 0.2), c + QPointF(s * 0.2, s * 0.2));
            p.drawLine(c + QPointF(s * 0.2, -s * 0.2), c + QPointF(-s * 0.2, s * 0.2));
            break;
        case Icon::Trace:
            for (int i = -1; i <= 1; ++i)
                p.drawLine(c + QPointF(-s * 0.22, i * s * 0.18), c + QPointF(s * 0.22, i * s * 0.18));
            break;
    }
    p.restore();
}

QImage toolbarFace(Icon icon, const QColor& base, bool pressed, double ratio) {
    QImage img = roundFace(kCell, base, pressed, ratio);
    QPainter p(&img);
    smooth(p);
    const double off = pressed ? 1.0 : 0.0;
    drawIcon(p, icon, QRectF(2 + off, 2 + off, kCell - 4, kCell - 4), QColor(255, 255, 255));
    return img;
}

QImage colourButton(int suit, bool pressed, double ratio) {
    QImage img = squareFace(kCell, QColor(240, 240, 232), pressed, ratio);
    QPainter p(&img);
    smooth(p);
    const double off = pressed ? 1.0 : 0.0;
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit, QRectF(9 + off, 8 + off, 19, 20)));
    return img;
}

QImage chosenColour(int suit, double ratio) {
    const int size = 65;
    QImage img = blank(size, size, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(QColor(200, 170, 60), 2));
    p.setBrush(QColor(250, 248, 235));
    p.drawEllipse(QRectF(2, 2, size - 5, size - 5));
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit, QRectF(16, 14, 32, 35)));
    return img;
}

QImage suggestSwitch(bool on, double ratio) {
    const int size = 26;
    QImage img = roundFace(size, on ? QColor(255, 210, 40) : QColor(150, 150, 150), on, ratio);
    QPainter p(&img);
    smooth(p);
    p.setPen(on ? QColor(120, 60, 0) : QColor(235, 235, 235));
    p.setFont(boldFont(15));
    p.drawText(QRectF(on ? 1 : 0, on ? 1 : 0, size - 2, size - 2), Qt::AlignCenter, QStringLiteral("!"));
    return img;
}

// ---- figures ----

void drawFigure(QPainter& p, const QPointF& foot, double height, const QColor& shirt, const QColor& hair) {
    const double headR = height * 0.17;
    const QPointF head(foot.x(), foot.y() - height + headR);
    p.setPen(QPen(shirt.darker(170), 1));
    p.setBrush(shirt);
    QPainterPath body;
    const double w = height * 0.34;
    const double top = head.y() + headR * 1.15;
    body.moveTo(foot.x() - w, foot.y());
    body.cubicTo(foot.x() - w, top, foot.x() + w, top, foot.x() + w, foot.y());
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(245, 205, 170));
    p.setPen(QPen(QColor(150, 100, 70), 1));
    p.drawEllipse(head, headR, headR);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawChord(QRectF(head.x() - headR, head.y() - headR, 2 * headR, 2 * headR), 20 * 16, 140 * 16);
}

QImage seatPicture(int seat, double ratio) {
    const QColor shirts[4] = {QColor(40, 170, 60), QColor(240, 130, 20), QColor(120, 220, 120), QColor(200, 90, 20)};
    const QColor hair[4] = {QColor(90, 60, 30), QColor(220, 190, 80), QColor(40, 30, 20), QColor(130, 50, 20)};
    QImage img = blank(kCell, kCell, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(0, 105, 0));
    p.drawRoundedRect(QRectF(0.5, 0.5, kCell - 1.0, kCell - 1.0), 5, 5);
    drawFigure(p, QPointF(kCell / 2.0, kCell - 1.0), kCell - 5.0, shirts[seat], hair[seat]);
    return img;
}

QImage sidePicture(const QColor& shirt, const QColor& partner, double ratio) {
    QImage img = blank(53, 41, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    drawFigure(p, QPointF(17, 40), 36, shirt, QColor(80, 50, 25));
    drawFigure(p, QPointF(36, 40), 36, partner, QColor(30, 25, 20));
    return img;
}

// The back is drawn at 78 x 105 directly on a dense screen; at one device
// pixel per pixel it is the library's back scaled, as it always was.
QImage packBack(double ratio) {
    if (ratio != 1.0) return CardPicture(-1, 1, 78, 105, ratio);
    return CardBackPicture().scaled(78, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage packPicture(double ratio) {
    QImage img = blank(84, 116, kTable, ratio);
    QPainter p(&img);
    smooth(p);
    const QImage back = packBack(ratio);
    for (int i = 3; i >= 0; --i) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(i * 1.5 + 0.5, i * 2.5 + 0.5, 78, 105), 4, 4);
    }
    p.drawImage(QPointF(0, 0), back);
    return img;
}

QImage debugPicture(double ratio) {
    QImage img = blank(49, 33, QColor(60, 60, 60), ratio);
    QPainter p(&img);
    p.setPen(QColor(230, 230, 230));
    p.setFont(boldFont(11));
    p.drawText(QRect(0, 0, 49, 33), Qt::AlignCenter, QStringLiteral("DEBUG"));
    img.setText(kMarkerKey, QStringLiteral("debug"));
    return img;
}

Picture share(QImage img) { return std::make_shared<const QImage>(std::move(img)); }

void setFaces(forms::Image& up, forms::Image& dn, QImage upFace, QImage dnFace) {
    up.Picture = share(std::move(upFace));
    dn.Picture = share(std::move(dnFace));
}

void setToolbarFaces(forms::Image& up, forms::Image& dn, Icon icon, const QColor& base, double ratio) {
    setFaces(up, dn, toolbarFace(icon, base, false, ratio), toolbarFace(icon, base, true, ratio));
}

// A hidden glyph strip: its size follows its bitmap, so painting on it
// never cuts the bitmap down.
void setStrip(forms::PictureBox& box, QImage bitmap, int width, int height) {
    box.Width = forms::PixelsToTwips(width);
    box.Height = forms::PixelsToTwips(height);
    box.Surface = std::move(bitmap);
}

void drawTablePictures(Main& m) {
    const double r = m.form.PixelRatio();
    const int suitOf[4] = {0, 1, 2, 3};  // clubs, diamonds, hearts, spades
    setFaces(m.ImgKlUp, m.ImgKlDn, colourButton(suitOf[0], false, r), colourButton(suitOf[0], true, r));
    setFaces(m.ImgRuUp, m.ImgRuDn, colourButton(suitOf[1], false, r), colourButton(suitOf[1], true, r));
    setFaces(m.ImgHjUp, m.ImgHjDn, colourButton(suitOf[2], false, r), colourButton(suitOf[2], true, r));
    setFaces(m.ImgSpUp, m.ImgSpDn, colourButton(suitOf[3], false, r), colourButton(suitOf[3], true, r));
    m.ImgKlChosen.Picture = share(chosenColour(0, r));
    m.ImgRuChosen.Picture = share(chosenColour(1, r));
    m.ImgHjChosen.Picture = share(chosenColour(2, r));
    m.ImgSpChosen.Picture = share(chosenColour(3, r));

    const QColor blue(40, 90, 200), grey(120, 120, 130), red(200, 40, 40), green(30, 150, 60);
    setToolbarFaces(m.ImgReloadUp, m.ImgReloadDn, Icon::Reload, grey, r);
    setToolbarFaces(m.ImgReplayUp, m.ImgReplayDn, Icon::Replay, blue, r);
    setToolbarFaces(m.ImgContUp, m.ImgContDn, Icon::Continue, green, r);
    setToolbarFaces(m.ImgAboutUp, m.ImgAboutDn, Icon::About, blue, r);
    setToolbarFaces(m.ImgExitUp, m.ImgExitDn, Icon::Exit, red, r);
    setToolbarFaces(m.ImgTraceUp, m.ImgTraceDn, Icon::Trace, grey, r);
    // The up face shows the switch off; pressing it turns the suggestion on.
    setFaces(m.ImgSuggestUp, m.ImgSuggestDn, suggestSwitch(false, r), suggestSwitch(true, r));

    for (int s = 0; s < 4; ++s) m.ImgPlayer[s].Picture = share(seatPicture(s, r));
    const Picture pack = share(packPicture(r));
    for (forms::Image& img : m.PakkoImageXP) img.Picture = pack;
    m.Image1.Picture = share(sidePicture(QColor(40, 170, 60), QColor(120, 220, 120), r));
    m.Image2.Picture = share(sidePicture(QColor(240, 130, 20), QColor(200, 90, 20), r));
    if (!m.ImgDebug.Picture || !m.ImgDebug.Picture->text(kMarkerKey).isEmpty())
        m.ImgDebug.Picture = share(debugPicture(r));

    setStrip(m.PBNumbersBlue, numberStrip(QColor(20, 40, 190), 0, r), kStripWidth, kCell);
    setStrip(m.PBNumbersBlack, numberStrip(QColor(0, 0, 0), 0, r), kStripWidth, kCell);
    setStrip(m.PBNumbersGoldDN, numberStrip(QColor(255, 215, 60), 1, r), kStripWidth, kCell);
    setStrip(m.PBNumbersBlackDN, numberStrip(QColor(0, 0, 0), 1, r), kStripWidth, kCell);
    setStrip(m.PBButtonsBackground, buttonStrip(false, r), 6 * kCell, kCell);
    setStrip(m.PBButtonsBackgroundDN, buttonStrip(true, r), 6 * kCell, kCell);
    setStrip(m.PBStrike, strikeMark(r), kCell, kCell);
}

}  // namespace

void AssignTablePictures(Main& m) {
    drawTablePictures(m);
    // Moved to a screen of another density (or shown at last): the same
    // pictures, drawn anew at its pixel ratio.
    m.form.PixelRatioChanged = [&m] { drawTablePictures(m); };
}
