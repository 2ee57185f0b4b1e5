#include "WindowCapture.h"

#include "FormPainter.h"

QImage CaptureWindowImage(const forms::Form& form) { return forms::RenderForm(form); }
