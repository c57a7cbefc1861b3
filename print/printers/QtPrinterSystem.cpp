#include "QtPrinterSystem.h"

#include "CupsPrinting.h"
#include "CupsServer.h"
#include "QtPaperSizes.h"

#include "model/Codepage.h"
#include "model/Int32.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace {

// Settings-record field bits (the same values as the paper list's mask).
constexpr std::uint32_t kFieldPaperSize = 0x2;

// The names record's driver when CUPS reports no make and model.
const char kGenericDriver[] = "CUPS";

std::uint32_t fieldsOf(const QPrinterInfo& info)
{
    std::uint32_t fields = kFieldOrientation | kFieldPaperSize;
    if (info.supportsCustomPageSizes())
        fields |= kFieldPaperLength | kFieldPaperWidth;
    return fields;
}

QPrinterInfo findPrinter(const QString& name)
{
    // An empty name would give the default printer; it names no printer here.
    if (name.isEmpty())
        return QPrinterInfo();
    return QPrinterInfo::printerInfo(name);
}

} // namespace

QtPrinterSystem::QtPrinterSystem()
{
    cups::StartServerCheck();
}

bool QtPrinterSystem::reachable() const
{
    if (!waitForServer_ && cups::ServerCheckRunning())
        return false;
    return cups::LastServerAnswer().answers;
}

QString QtPrinterSystem::unreachableReason(bool askAgain) const
{
    return (askAgain ? cups::CheckServer() : cups::LastServerAnswer()).problem;
}

QString QtPrinterSystem::printerProblem(const QString& name) const
{
    return CupsQueueProblem(name);
}

QString QtPrinterSystem::defaultPrinterName() const
{
    // Qt's own lookup misses the default when PRINTER names the queue that
    // the user's lpoptions name too.
    return reachable() ? cups::DefaultDestination() : QString();
}

bool QtPrinterSystem::openPrinter(const QString& name, PrinterDescription* description) const
{
    const QPrinterInfo info = reachable() ? findPrinter(name) : QPrinterInfo();
    if (info.isNull())
        return false;
    if (!description)
        return true;

    PrinterNames& names = description->names;
    names.device = info.printerName();
    names.driver = info.makeAndModel();
    if (names.driver.isEmpty())
        names.driver = QLatin1String(kGenericDriver);
    // CUPS addresses a queue by its name; the device URI is not needed.
    names.port.clear();
    names.defaultFlag = 0;

    PrinterSettings& defaults = description->defaults;
    defaults = PrinterSettings();
    defaults.fields = fieldsOf(info);
    // A printer without a default paper keeps the record's own default.
    const QPageSize page = info.defaultPageSize();
    if (page.isValid()) {
        const PaperList::Size size = PaperTenthsOf(page);
        defaults.paperSize = int32::toInt16(WindowsPaperCodeOf(page));
        defaults.paperWidth = int32::toInt16(size.width);
        defaults.paperLength = int32::toInt16(size.height);
    }
    return true;
}

void QtPrinterSystem::mergeSettings(const QString& name, PrinterSettings& settings) const
{
    // Nothing to check against when the printer is not there.
    if (!reachable() || findPrinter(name).isNull())
        return;
    // A page is landscape whenever its orientation is not portrait; say so
    // plainly to the printer. The paper stays as the template asks even when
    // this printer does not list it: the print dialog shows it for a choice.
    if (settings.orientation != 1)
        settings.orientation = 2;
}

PaperList QtPrinterSystem::queryPapers(const QString& device, const QString&) const
{
    PaperList list;
    const QPrinterInfo info = reachable() ? findPrinter(device) : QPrinterInfo();
    if (info.isNull())
        return list;

    const QList<QPageSize> pages = info.supportedPageSizes();
    for (const QPageSize& page : pages) {
        if (!page.isValid())
            continue;
        QByteArray name = toCp1252(page.name());
        if (name.size() > kPaperNameChars - 1)
            name.truncate(kPaperNameChars - 1);
        list.names.append(name);
        list.sizes.append(PaperTenthsOf(page));
        list.codes.append(WindowsPaperCodeOf(page));
    }
    list.count = int(list.sizes.size());
    list.fields = fieldsOf(info);
    return list;
}

QList<PrinterNames> QtPrinterSystem::installedPrinters() const
{
    QList<PrinterNames> printers;
    if (!reachable())
        return printers;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    for (const QString& name : names) {
        PrinterDescription description;
        if (openPrinter(name, &description))
            printers.append(description.names);
    }
    return printers;
}
