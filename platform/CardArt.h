#pragma once
// Our card-drawing library: draws the 52 card faces (card number = face
// index * 4 + suit index, suits clubs, diamonds, hearts, spades), a back and
// the highlighted look, at 71 x 96 pixels or scaled, onto a pixel surface.
// The calls keep the argument lists the hand control draws with; positions
// and sizes are the surface's pixels, and a surface with a device pixel
// ratio gets cards drawn at that ratio, as sharp as its text.

#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

// Mode: 0 face up, 1 back, 2 highlighted.
bool cdtInit(int* width, int* height);
bool cdtDraw(QImage* dc, int x, int y, int card, int mode, std::uint32_t color);
bool cdtDrawExt(QImage* dc, int x, int y, int dx, int dy, int card, int mode, std::uint32_t color);
void cdtTerm();

// The picture of a card's back, at the library's card size, drawn at a
// device pixel ratio.
const QImage& CardBackPicture(double ratio = 1.0);
// One face at its natural size (for tests and other pictures).
QImage CardFaceImage(int card, int mode, double ratio = 1.0);
// A card drawn at a size in pixels and a device pixel ratio (1 back).
const QImage& CardPicture(int card, int mode, int width, int height, double ratio);
// The outline of a suit symbol (0 clubs, 1 diamonds, 2 hearts, 3 spades)
// filling a rectangle; the table's pictures use the same shapes.
QPainterPath SuitShape(int suit, const QRectF& r);
