#include "MessageBoxSink.h"

#include "model/StringTable.h"

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>

namespace {

// A job's progress window steps aside while the user reads a message: left
// up, its own timer would open it over the box, where a failed job looks like
// one that hangs. A job that goes on brings it back with its next step.
void putProgressAside()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<QProgressDialog*>(window)) {
            progress->reset();
            progress->hide();
        }
    }
}

// The window the user works in: the dialog on top if one is open, else the
// active window, else the main window, so that the box opens in front of it.
QWidget* boxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

QMessageBox::Icon MessageBoxSink::iconFor(MsgButtons buttons, MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Default:
        break;
    }
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return QMessageBox::Question;
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        break;
    }
    return QMessageBox::Warning;
}

MsgAnswer MessageBoxSink::show(const QString& text, MsgButtons buttons, MsgIcon icon)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok:
        break;
    case MsgButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case MsgButtons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    }

    QString title = LoadString(57344);
    if (title.isEmpty())
        title = QStringLiteral("Tallimark");
    putProgressAside();
    QMessageBox box(iconFor(buttons, icon), title, text, standard, boxOwner());
    // The first button is the default one, as in the platform's boxes.
    box.setDefaultButton(buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? QMessageBox::Ok
                                                                                      : QMessageBox::Yes);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        break;
    }
    // Closing the box without a button: the safe answer.
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}
