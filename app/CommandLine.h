#pragma once

#include "print/job/PrintRun.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the command line asks for. The first argument that is no switch is the
// template; switches start with "/" or "-", come in any order and are matched
// without regard to case. "--print T" is "/p T", and with "--printer P" it is
// "/pt T P".
struct CommandLineInfo
{
    enum Command
    {
        FileNew,       // nothing: a new template
        FileOpen,      // a template
        FilePrint,     // "/p" file, "--print" file
        FilePrintTo,   // "/pt" file printer driver port, "--print" file "--printer" printer
        FileDde,       // "/dde": the shell will ask to open a file
        ExportPdf,     // "--export-pdf OUT.pdf FILE.tmt"; OUT "-" is standard output
        AppRegister,   // "Register", "Regserver" (and the per-user forms)
        AppUnregister, // "Unregister", "Unregserver" (and the per-user forms)
        ShowHelp,      // "--help", "-h"
        ShowVersion,   // "--version", "-V"
        Invalid,       // see error
    };

    Command command = FileNew;
    QString fileName;
    QString printerName;
    QString driverName;
    QString portName;
    QString outputPath;
    // "--sheets FROM-TO", 1-based, inclusive; lastSheet -1 = to the end.
    bool hasSheets = false;
    qint64 firstSheet = 1;
    qint64 lastSheet = -1;
    bool noBackground = false; // "--no-background"
    // "--start", "--total", "--copies", "--skip": the numbering for this run.
    std::optional<std::int32_t> startNumber;
    std::optional<std::int32_t> totalPages;
    std::optional<std::int32_t> copies;
    std::optional<std::int32_t> skip;
    QString error; // why the line is Invalid

    // A run that prints or exports and ends, or that only writes text.
    bool needsNoWindow() const;
    bool isPrintRun() const { return command == FilePrint || command == FilePrintTo || command == ExportPdf; }
    // The print helper's view of a print run.
    PrintRunOptions printRunOptions() const;
};

// arguments without the program's own name.
CommandLineInfo ParseCommandLine(const QStringList& arguments);

// "--help" text and the program's version ("1.0.0").
QString CommandLineUsage(const QString& programName);
QString ProgramVersion();
