#pragma once

#include "model/PrinterSystem.h"

// The system's printers as Qt's print support sees them (CUPS on Linux).
// Without printers or a print server every call answers "none" at once; a
// server that does not answer is given cups::kAnswerSeconds, once, before
// every call answers "none" (CupsServer.h).
class QtPrinterSystem : public PrinterSystem
{
public:
    // Starts asking the print server whether it answers.
    QtPrinterSystem();

    // Off: while that question is open, answer "none" at once instead of
    // waiting for the server (a window that must appear at once).
    void setWaitForServer(bool wait) { waitForServer_ = wait; }

    bool reachable() const override;
    QString unreachableReason(bool askAgain) const override;
    QString printerProblem(const QString& name) const override;
    QString defaultPrinterName() const override;
    // description may be null when only the printer's existence matters.
    bool openPrinter(const QString& name, PrinterDescription* description) const override;
    void mergeSettings(const QString& name, PrinterSettings& settings) const override;
    // port is not needed: Qt finds a printer by its name alone.
    PaperList queryPapers(const QString& device, const QString& port) const override;
    QList<PrinterNames> installedPrinters() const override;

private:
    bool waitForServer_ = true;
};
