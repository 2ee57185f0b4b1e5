// Lumra Quest: the program. Builds the table window, shows it and lets the
// game's timers run on Qt's event loop until the window is closed.
#include <QApplication>
#include <QTimer>

#include "FormView.h"
#include "Localisation.h"
#include "Main.h"
#include "ProgramIdentity.h"
#include "ProgramStart.h"
#include "QtDialogs.h"
#include "QtTranslations.h"
#include "SchedulerDriver.h"

namespace {

// The view looks for changes after a step in which some timer ticked: the
// game's steps change controls without telling anyone.
void markTicks(Main& main, bool& ticked) {
    for (forms::Timer* t : {&main.Timer1, &main.Timer2, &main.Timer3, &main.TimerAD}) {
        auto inner = t->OnTimer;
        t->OnTimer = [inner, &ticked] {
            if (inner) inner();
            ticked = true;
        };
    }
}

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    ApplyProgramIdentity(QString::fromStdString(DesktopEntryName()));
    // The standard buttons and the file chooser speak the build's language.
    const QtTranslations qtWords(QString::fromStdString(QtCatalogueLanguage()));

    QtDialogs dialogs;
    Main main(dialogs);
    dialogs.SetScheduler(&main.scheduler);

    FormView view(main.form);
    dialogs.SetParent(&view);

    bool ticked = false;
    markTicks(main, ticked);
    SchedulerDriver driver(main.scheduler, [&] {
        if (!ticked) return;
        ticked = false;
        view.ShowChanges();
    });

    // A close asked for by a handler (the exit button) happens once that
    // handler has returned; the window's own close runs the unload.
    main.form.OnCloseRequest = [&view] { QTimer::singleShot(0, &view, &QWidget::close); };
    view.OnClosed = [&] {
        driver.stop();
        main.Form_Unload();
        QTimer::singleShot(0, &app, &QApplication::quit);
    };
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);

    main.Form_Load();
    view.show();
    driver.start();
    return app.exec();
}
