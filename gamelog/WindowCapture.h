#pragma once
// Pictures of the table window for the debug capture.

#include <QImage>

namespace forms {
class Form;
}

// The window's client area as it is painted now. The debug capture keeps
// it in memory: the user's clipboard is never touched.
QImage CaptureWindowImage(const forms::Form& form);
