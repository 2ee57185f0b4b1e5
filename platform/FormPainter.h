#pragma once
// Paints a form and its visible controls in z-order: graphical controls
// (lines, labels, images) first, windowed ones (picture boxes, the list box,
// buttons, the card controls) above them. One unit is one form pixel; the
// painter may scale (a high-density screen, a bigger screenshot). Used by
// the window view, the debug screenshot and headless pixel tests.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

class QPainter;

namespace forms {

class Form;
class Control;
class Label;

// Paints the whole client area, background first.
void PaintForm(QPainter& painter, const Form& form);
// Paints the part of the client area within a rectangle of form pixels:
// the background and the controls that reach into it (the painter's clip
// keeps the rest as it was).
void PaintForm(QPainter& painter, const Form& form, const QRect& area);
// Paints one control at its place (nothing when it is hidden).
void PaintControl(QPainter& painter, const Control& control);
// The form as an image of its client size times scale (scale 2 gives a
// crisp double-size picture, for a high-density screen).
QImage RenderForm(const Form& form, double scale = 1.0);

// The rectangle of form pixels a control paints on when shown (an image at
// its own size may reach beyond its box).
QRect PaintedRect(const Control& control);
// Appends to out all that decides how a shown control looks besides its
// place: two equal looks paint the same pixels.
void AppendLook(const Control& control, std::string& out);

// A caption as the painter shows it: CR LF, CR and LF each break a line.
QString CaptionText(const std::string& caption);
// The font a label is drawn with.
QFont LabelFont(const Label& label);

}  // namespace forms
