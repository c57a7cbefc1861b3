#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

class PrinterSelection;

// A print or export run from the command line, without any window.
struct PrintRunOptions
{
    enum Mode
    {
        PrintDefault,
        PrintTo,
        ExportPdf
    } mode = PrintDefault;
    QString templatePath;
    QString printerName; // PrintTo only
    QString driverName;  // PrintTo only; Qt finds a printer by name alone
    QString portName;    // PrintTo only
    QString outputPath;  // ExportPdf only; "-" is standard output
    // Sheets to print, 1-based and inclusive; lastSheet -1 means the end of the job.
    qint64 firstSheet = 1;
    qint64 lastSheet = -1;
    // Print without the PDF background, readable or not. Otherwise a
    // background that cannot be read stops the run before anything prints.
    bool withoutBackground = false;
    // The template's numbering for this run only; the file is not changed.
    std::optional<std::int32_t> startNumber;
    std::optional<std::int32_t> totalPages;
    std::optional<std::int32_t> copies;
    std::optional<std::int32_t> skip;
};

// Opens the template and prints or exports it. Failures are reported through
// showMessage() (standard error when no message box sink is installed).
// Returns the process exit status: 0 on success, non-zero on any failure.
int RunPrint(const PrintRunOptions& options, PrinterSelection& printers);
