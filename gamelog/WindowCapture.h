#pragma once
// Pictures of the table window for the debug capture.

#include <QImage>

namespace forms {
class Form;
}

// The window's client area as it is painted now.
QImage CaptureWindowImage(const forms::Form& form);
// What a press of the Print Screen key gives: the main window's picture on
// the clipboard.
void SendPrintScreenKey();
