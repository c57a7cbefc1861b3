#pragma once

#include <QObject>

class CCadenzoDoc;
class PrinterSelection;
class QWidget;
struct Preferences;

// The window's print commands: Print with and without the dialog, Print
// Preview and Export PDF of the live template, each with its dialogs and
// progress over window.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    // preferences may be null (the preview then starts with one sheet).
    PrintCommands(QWidget* window, CCadenzoDoc& doc, PrinterSelection& printers, Preferences* preferences);

    void Print(bool withDialog);
    void Preview();
    void Export();

private:
    QWidget* window_;
    CCadenzoDoc& doc_;
    PrinterSelection& printers_;
    Preferences* prefs_;
};
