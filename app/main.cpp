// Lumra Quest: the program. Opens the table window and plays.
#include <QApplication>
#include <QWidget>

#include "Main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Lumra Quest");
    window.resize(1016, 734);
    window.show();
    return app.exec();
}
