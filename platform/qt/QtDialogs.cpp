#include "QtDialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

#include "Controls.h"
#include "FormView.h"
#include "Timers.h"

namespace {

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

ButtonSet buttonsFor(int style) {
    switch (style & 7) {
        case 1: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
        case 2: return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort};
        case 3: return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
        case 4: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
        case 5: return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
        default: return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
        case forms::mb::Critical: return QMessageBox::Critical;
        case forms::mb::Question: return QMessageBox::Question;
        case forms::mb::Exclamation: return QMessageBox::Warning;
        case forms::mb::Information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

int answerOf(QMessageBox::StandardButton b, int style) {
    switch (b) {
        case QMessageBox::Ok: return forms::mb::OK;
        case QMessageBox::Cancel: return forms::mb::Cancel;
        case QMessageBox::Abort: return 3;
        case QMessageBox::Retry: return 4;
        case QMessageBox::Ignore: return 5;
        case QMessageBox::Yes: return forms::mb::Yes;
        case QMessageBox::No: return forms::mb::No;
        default: return QtDialogs::DismissAnswer(style);
    }
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

int QtDialogs::DismissAnswer(int style) {
    switch (style & 7) {
        case 0: return forms::mb::OK;
        case 2: return 3;  // Abort
        case 4: return forms::mb::No;
        default: return forms::mb::Cancel;
    }
}

int QtDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    forms::SchedulerPause pause(scheduler_);
    const ButtonSet set = buttonsFor(style);
    QMessageBox box(iconFor(style), q(title), q(prompt), set.buttons, parent_);
    box.setDefaultButton(set.defaultButton);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return answerOf(clicked, style);
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    forms::SchedulerPause pause(scheduler_);
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, q(title), q(prompt), QLineEdit::Normal, q(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtDialogs::ChooseLogFile(const std::string& startFolder) {
    forms::SchedulerPause pause(scheduler_);
    const QString file = QFileDialog::getOpenFileName(parent_, QStringLiteral("Select log file..."), q(startFolder),
                                                      QStringLiteral("*.txt (*.txt *.TXT)"));
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

void QtDialogs::ShowModal(forms::Form& form) {
    forms::SchedulerPause pause(scheduler_);
    QDialog dialog(parent_);
    dialog.setWindowTitle(q(form.Caption));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* view = new FormView(form, &dialog);
    layout->addWidget(view);
    // The form closes itself from one of its own handlers: let the handler
    // finish before the window goes.
    auto previous = form.OnCloseRequest;
    form.OnCloseRequest = [&dialog] { QMetaObject::invokeMethod(&dialog, &QDialog::accept, Qt::QueuedConnection); };
    dialog.exec();
    form.OnCloseRequest = previous;
    delete view;  // before the form's repaint hook could point at it
}

bool QtDialogs::OpenLink(const std::string& target, int /*showMode*/) {
    if (target.empty()) return false;
    const QUrl url = QUrl::fromUserInput(q(target));
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}
