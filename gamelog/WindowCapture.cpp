#include "WindowCapture.h"

#include <QClipboard>
#include <QGuiApplication>

#include "FormPainter.h"
#include "Main.h"

QImage CaptureWindowImage(const forms::Form& form) { return forms::RenderForm(form); }

void SendPrintScreenKey() {
    Main* m = Main::instance();
    if (!m) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(CaptureWindowImage(m->form));
}
