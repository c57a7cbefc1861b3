#include "CommandLine.h"

#include "model/NumberingLimits.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

#ifndef TALLIMARK_VERSION
#error "TALLIMARK_VERSION must be defined by the build"
#endif

namespace {

bool isSwitch(const QString& argument)
{
    return argument.size() > 1 && (argument.startsWith(u'/') || argument.startsWith(u'-'));
}

// The switch without its leading "/", "-" or "--", in lower case.
QString switchName(const QString& argument)
{
    qsizetype skip = 1;
    if (argument.startsWith(QLatin1String("--")))
        skip = 2;
    return argument.mid(skip).toLower();
}

// "FROM-TO", "FROM-" (to the end) or "N" (one sheet); sheets count from 1.
bool parseSheets(const QString& text, qint64* first, qint64* last)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,18})\\s*(?:(-)\\s*(\\d{1,18})?)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const qint64 from = match.captured(1).toLongLong();
    qint64 to = from;
    if (match.hasCaptured(2))
        to = match.hasCaptured(3) ? match.captured(3).toLongLong() : -1;
    // More sheets than a job can have (2^31 - 1 numbers times 2^31 - 1 pages
    // per number) would be no range at all; 18 digits stay far below that.
    if (from < 1 || (to != -1 && to < from))
        return false;
    *first = from;
    *last = to;
    return true;
}

// The numbering a print run may override, and the panel's limits for each.
struct NumberOption
{
    const char* name;
    std::optional<std::int32_t> CommandLineInfo::*field;
    bool totalPages;
};
constexpr NumberOption kNumberOptions[] = {
    {"start", &CommandLineInfo::startNumber, false},
    {"total", &CommandLineInfo::totalPages, true},
    {"copies", &CommandLineInfo::copies, false},
    {"skip", &CommandLineInfo::skip, false},
};

std::optional<std::int32_t> parseNumber(const QString& text, NumberingLimits limits)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,10})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qulonglong value = match.captured(1).toULongLong();
    if (value > limits.maximum || !limits.contains(std::uint32_t(value)))
        return std::nullopt;
    return std::int32_t(value);
}

CommandLineInfo invalid(const QString& why)
{
    CommandLineInfo info;
    info.command = CommandLineInfo::Invalid;
    info.error = why;
    return info;
}

} // namespace

bool CommandLineInfo::needsNoWindow() const
{
    return isPrintRun() || command == ShowHelp || command == ShowVersion || command == Invalid;
}

PrintRunOptions CommandLineInfo::printRunOptions() const
{
    PrintRunOptions options;
    options.mode = command == FilePrintTo ? PrintRunOptions::PrintTo
                   : command == ExportPdf ? PrintRunOptions::ExportPdf
                                          : PrintRunOptions::PrintDefault;
    options.templatePath = fileName;
    options.printerName = printerName;
    options.driverName = driverName;
    options.portName = portName;
    options.outputPath = outputPath;
    options.firstSheet = firstSheet;
    options.lastSheet = lastSheet;
    options.withoutBackground = noBackground;
    options.startNumber = startNumber;
    options.totalPages = totalPages;
    options.copies = copies;
    options.skip = skip;
    return options;
}

CommandLineInfo ParseCommandLine(const QStringList& arguments)
{
    CommandLineInfo info;
    bool commandSet = false;
    QStringList plain; // arguments that are no switch, in order
    QString printer;   // "--printer"
    bool switchesEnded = false;

    auto setCommand = [&](CommandLineInfo::Command command, const QString& argument) {
        if (commandSet && info.command != command) {
            info.error = QCoreApplication::translate("CommandLine",
                                                     "%1 cannot be combined with the options before it.")
                             .arg(argument);
            return false;
        }
        info.command = command;
        commandSet = true;
        return true;
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (switchesEnded || !isSwitch(argument)) {
            plain.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            switchesEnded = true;
            continue;
        }

        // Our own long options may carry their value after "=".
        QString name = switchName(argument);
        QString attached;
        bool hasAttached = false;
        const bool longOption = argument.startsWith(QLatin1String("--"));
        const bool shortOption = !longOption && argument.startsWith(u'-');
        if (longOption) {
            const qsizetype equals = name.indexOf(u'=');
            if (equals >= 0) {
                attached = argument.mid(2 + equals + 1);
                name.truncate(equals);
                hasAttached = true;
            }
        }
        auto takeValue = [&](QString* value) {
            if (hasAttached) {
                *value = attached;
                return true;
            }
            if (i + 1 >= arguments.size())
                return false;
            *value = arguments.at(++i);
            return true;
        };

        const NumberOption* number = nullptr;
        for (const NumberOption& option : kNumberOptions) {
            if (longOption && name == QLatin1String(option.name))
                number = &option;
        }

        bool ok = true;
        if (number) {
            const NumberingLimits limits = numberingLimits(number->totalPages);
            QString text;
            if (!takeValue(&text) || !(info.*(number->field) = parseNumber(text, limits)))
                return invalid(
                    QCoreApplication::translate("CommandLine", "--%1 needs a number from %2 to %3.")
                        .arg(QLatin1String(number->name))
                        .arg(limits.minimum)
                        .arg(limits.maximum));
        } else if (longOption && name == QLatin1String("print")) {
            ok = setCommand(CommandLineInfo::FilePrint, argument);
            QString file;
            if (ok && (!takeValue(&file) || file.isEmpty()))
                return invalid(QCoreApplication::translate(
                    "CommandLine", "--print needs the name of the template to print."));
            // The template named here comes before any other plain argument.
            plain.prepend(file);
        } else if (longOption && name == QLatin1String("printer")) {
            if (!takeValue(&printer) || printer.isEmpty())
                return invalid(
                    QCoreApplication::translate("CommandLine", "--printer needs the name of a printer."));
        } else if (name == QLatin1String("p")) {
            ok = setCommand(CommandLineInfo::FilePrint, argument);
        } else if (name == QLatin1String("pt")) {
            ok = setCommand(CommandLineInfo::FilePrintTo, argument);
        } else if (name == QLatin1String("dde")) {
            ok = setCommand(CommandLineInfo::FileDde, argument);
        } else if (name == QLatin1String("register") || name == QLatin1String("regserver") ||
                   name == QLatin1String("registerperuser") || name == QLatin1String("regserverperuser")) {
            ok = setCommand(CommandLineInfo::AppRegister, argument);
        } else if (name == QLatin1String("unregister") || name == QLatin1String("unregserver") ||
                   name == QLatin1String("unregisterperuser") ||
                   name == QLatin1String("unregserverperuser")) {
            ok = setCommand(CommandLineInfo::AppUnregister, argument);
        } else if ((name == QLatin1String("help") && longOption) ||
                   (name == QLatin1String("h") && shortOption)) {
            ok = setCommand(CommandLineInfo::ShowHelp, argument);
        } else if ((name == QLatin1String("version") && longOption) ||
                   (name == QLatin1String("v") && shortOption)) {
            ok = setCommand(CommandLineInfo::ShowVersion, argument);
        } else if (name == QLatin1String("export-pdf") && argument.startsWith(QLatin1String("--"))) {
            ok = setCommand(CommandLineInfo::ExportPdf, argument);
            if (ok && (!takeValue(&info.outputPath) || info.outputPath.isEmpty()))
                return invalid(QCoreApplication::translate(
                    "CommandLine", "--export-pdf needs the name of the PDF file to write."));
        } else if (name == QLatin1String("sheets") && argument.startsWith(QLatin1String("--"))) {
            QString range;
            if (!takeValue(&range) || !parseSheets(range, &info.firstSheet, &info.lastSheet))
                return invalid(QCoreApplication::translate(
                    "CommandLine", "--sheets needs a range of sheets such as 5-10, 5- or 7."));
            info.hasSheets = true;
        } else if (name == QLatin1String("no-background") && argument.startsWith(QLatin1String("--")) &&
                   !hasAttached) {
            info.noBackground = true;
        } else if (argument.startsWith(u'/')) {
            // An absolute path, not a switch: "/" switches are only the known ones.
            plain.append(argument);
            continue;
        } else {
            return invalid(QCoreApplication::translate("CommandLine", "Unknown option %1.").arg(argument));
        }
        if (!ok)
            return invalid(info.error);
    }

    // The plain arguments fill the file name and then, for "/pt", the
    // printer, its driver and its port.
    qsizetype wanted = 1;
    if (info.command == CommandLineInfo::FilePrintTo)
        wanted = 4;
    if (plain.size() > wanted)
        return invalid(
            QCoreApplication::translate("CommandLine", "Unexpected argument %1.").arg(plain.at(wanted)));
    if (!printer.isEmpty()) {
        if (info.command == CommandLineInfo::ExportPdf)
            return invalid(QCoreApplication::translate("CommandLine",
                                                       "--printer cannot be combined with --export-pdf."));
        if (info.command != CommandLineInfo::FilePrint)
            return invalid(QCoreApplication::translate("CommandLine", "--printer applies only to --print."));
        info.command = CommandLineInfo::FilePrintTo;
        info.printerName = printer;
    }
    if (!plain.isEmpty())
        info.fileName = plain.at(0);
    if (plain.size() > 1)
        info.printerName = plain.at(1);
    if (plain.size() > 2)
        info.driverName = plain.at(2);
    if (plain.size() > 3)
        info.portName = plain.at(3);

    switch (info.command) {
    case CommandLineInfo::FileNew:
        if (!info.fileName.isEmpty())
            info.command = CommandLineInfo::FileOpen;
        break;
    case CommandLineInfo::FilePrint:
    case CommandLineInfo::ExportPdf:
        if (info.fileName.isEmpty())
            return invalid(QCoreApplication::translate("CommandLine", "No template to print was given."));
        break;
    case CommandLineInfo::FilePrintTo:
        // Qt finds a printer by its name; the driver and the port the shell
        // passes along are kept but not needed.
        if (info.fileName.isEmpty() || info.printerName.isEmpty())
            return invalid(
                QCoreApplication::translate("CommandLine", "/pt needs a template and a printer name."));
        break;
    case CommandLineInfo::FileDde:
    case CommandLineInfo::AppRegister:
    case CommandLineInfo::AppUnregister:
    case CommandLineInfo::ShowHelp:
    case CommandLineInfo::ShowVersion:
    case CommandLineInfo::FileOpen:
    case CommandLineInfo::Invalid:
        break;
    }
    if (!info.isPrintRun()) {
        QString option = info.hasSheets      ? QStringLiteral("--sheets")
                         : info.noBackground ? QStringLiteral("--no-background")
                                             : QString();
        for (const NumberOption& number : kNumberOptions) {
            if (option.isEmpty() && info.*(number.field))
                option = QStringLiteral("--") + QLatin1String(number.name);
        }
        if (!option.isEmpty())
            return invalid(
                QCoreApplication::translate("CommandLine", "%1 applies only to /p, /pt and --export-pdf.")
                    .arg(option));
    }
    return info;
}

// The help in paragraphs, each translated as a whole so that a translation
// may rewrap its column of descriptions; the option names stay as typed.
QString CommandLineUsage(const QString& programName)
{
    const QString synopsis = QCoreApplication::translate(
        "CommandLine", "Usage: %1 [TEMPLATE.tmt]\n"
                       "       %1 --print TEMPLATE.tmt [--printer PRINTER] [RUN OPTIONS]\n"
                       "       %1 --export-pdf OUT.pdf TEMPLATE.tmt [RUN OPTIONS]\n"
                       "       %1 /p TEMPLATE.tmt [RUN OPTIONS]\n"
                       "       %1 /pt TEMPLATE.tmt PRINTER [DRIVER PORT] [RUN OPTIONS]\n"
                       "       %1 /Register | /Unregister\n");
    const QString purpose = QCoreApplication::translate(
        "CommandLine", "Prints sequentially numbered pages from a Tallimark template.\n"
                       "Options may come in any order; switches ignore case.\n");
    const QString options = QCoreApplication::translate(
        "CommandLine", "  --print TEMPLATE  print the template on its own printer, else on the\n"
                       "                    default printer, and end; the same as /p\n"
                       "  --printer NAME    with --print: print on the named printer; the same\n"
                       "                    as /pt\n"
                       "  --export-pdf OUT  write the numbered sheets to the PDF file OUT and end;\n"
                       "                    OUT - is standard output\n"
                       "  /Register         make Tallimark the desktop's program for .tmt files\n"
                       "  /Unregister       undo /Register and remove the stored settings\n"
                       "  -h, --help        show this text\n"
                       "  -V, --version     show the program's version\n");
    const QString runOptions = QCoreApplication::translate(
        "CommandLine", "Run options, for this run only (the template is not changed):\n"
                       "  --sheets RANGE    only these sheets, counted from 1: 5-10, 5- or 7\n"
                       "  --no-background   print without the template's PDF background; without\n"
                       "                    it, a background that cannot be read stops the run\n"
                       "  --start N         the first number, 0 to 9999998\n"
                       "  --total N         how many numbers, 1 to 9999999\n"
                       "  --copies N        sheets for each number, 0 to 9999998\n"
                       "  --skip N          empty sheets after each number's copies, 0 to 9999998\n");
    const QString exitStatus = QCoreApplication::translate(
        "CommandLine", "Exit status: 0 done, 1 the run failed, 2 the command line was wrong.\n");
    return synopsis.arg(programName) + u'\n' + purpose + u'\n' + options + u'\n' + runOptions + u'\n' +
           exitStatus;
}

QString ProgramVersion()
{
    return QStringLiteral(TALLIMARK_VERSION);
}
