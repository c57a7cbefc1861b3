#pragma once

#include "PaperList.h"

#include <QList>
#include <QString>

#include <cstdint>

// The printer settings record the application keeps for its current printer:
// what the print dialog, the preview and the print loop start from.
struct PrinterSettings
{
    std::uint16_t orientation = 1; // 1 portrait, 2 landscape
    std::int16_t paperSize = 1;    // Windows paper code, 0 = custom size
    std::int16_t paperLength = 0;  // tenths of a millimetre
    std::int16_t paperWidth = 0;   // tenths of a millimetre
    std::uint32_t fields = 0;      // which of the above the printer honours
};

// The printer names record: driver, device and output port.
struct PrinterNames
{
    QString driver;
    QString device;
    QString port;
    std::uint16_t defaultFlag = 0;
};

// What the operating system knows about one printer.
struct PrinterDescription
{
    PrinterNames names;
    PrinterSettings defaults;
};

// The system's printers (CUPS through Qt in the program, a fake in tests).
// Every call works on a machine without printers or a print server.
class PrinterSystem
{
public:
    virtual ~PrinterSystem() = default;
    // False while the system cannot be asked (its print server has not
    // answered): every call then answers "none", which says nothing about
    // whether a printer exists.
    virtual bool reachable() const { return true; }
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() const = 0;
    // False when no printer of that name can be opened.
    virtual bool openPrinter(const QString& name, PrinterDescription* description) const = 0;
    // Lets the driver check and complete a settings record in place; name may
    // be one that cannot be opened.
    virtual void mergeSettings(const QString& name, PrinterSettings& settings) const = 0;
    // The papers the device offers; count 0 and an empty list when none.
    virtual PaperList queryPapers(const QString& device, const QString& port) const = 0;
    // Every printer that can be chosen (device and port), in the system's
    // order. A system that cannot list its printers offers its default one.
    virtual QList<PrinterNames> installedPrinters() const
    {
        PrinterDescription description;
        if (!openPrinter(defaultPrinterName(), &description))
            return {};
        return {description.names};
    }
};

// A printer system with no printers at all.
class NoPrinterSystem : public PrinterSystem
{
public:
    QString defaultPrinterName() const override { return QString(); }
    bool openPrinter(const QString&, PrinterDescription*) const override { return false; }
    void mergeSettings(const QString&, PrinterSettings&) const override {}
    PaperList queryPapers(const QString&, const QString&) const override { return PaperList(); }
};
