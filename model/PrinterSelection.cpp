#include "PrinterSelection.h"

#include "model/Int32.h"
#include "model/Units.h"

namespace {

// The names record's flag for "this is the system's default printer".
constexpr std::uint16_t kDefaultPrinterFlag = 0x1;

// The longest paper name a slot holds, leaving room for its terminator.
constexpr int kPaperNameLength = kPaperNameChars - 1;

} // namespace

PrinterSelection::PrinterSelection(const PrinterSystem& system) : system_(system) {}

void PrinterSelection::selectDefaultPrinter()
{
    const QString name = system_.defaultPrinterName();
    if (name.isEmpty())
        return;
    SelectPrinterByName(name);
    // Remember that this printer came from the system's default, so that a
    // later refresh may follow a changed default until a template picks one.
    if (names_ && names_->device == name)
        names_->defaultFlag = kDefaultPrinterFlag;
}

void PrinterSelection::GetPrinterDefaults(std::optional<PrinterSettings>* settings,
                                          std::optional<PrinterNames>* names)
{
    if (!names_) {
        selectDefaultPrinter();
    } else if (names_->defaultFlag & kDefaultPrinterFlag) {
        // Still the untouched start-up choice: follow the system's default.
        const QString name = system_.defaultPrinterName();
        if (!name.isEmpty() && name != names_->device)
            selectDefaultPrinter();
    }
    if (settings)
        *settings = settings_;
    if (names)
        *names = names_;
}

void PrinterSelection::ApplyTemplatePrinter(const QString& printerName, std::uint16_t paperCode,
                                            float widthInches, float heightInches, std::uint16_t orientation)
{
    if (!names_)
        return;
    names_->defaultFlag = 0;
    if (printerName != names_->device)
        SelectPrinterByName(printerName);
    if (!settings_)
        return;

    PrinterSettings& settings = *settings_;
    settings.orientation = orientation;
    if (paperCode != 0) {
        settings.paperSize = int32::toInt16(paperCode);
    } else {
        settings.paperSize = 0;
        settings.paperWidth = units::inchesToTenthsMm(widthInches);
        settings.paperLength = units::inchesToTenthsMm(heightInches);
    }
    // Also when that printer could not be opened: the driver merge is the
    // system's to refuse, and the record keeps the template's paper.
    system_.mergeSettings(printerName, settings);
}

void PrinterSelection::SelectPrinterByName(const QString& name)
{
    PrinterDescription description;
    if (!system_.openPrinter(name, &description))
        return;
    description.names.defaultFlag = 0;
    settings_ = description.defaults;
    names_ = description.names;
}

void PrinterSelection::LoadPaperList(const QString& device, const QString& port, PaperList& list) const
{
    const PaperList papers = system_.queryPapers(device, port);
    list.count = papers.count;
    list.fields = papers.fields;
    if (papers.names.isEmpty() || papers.count <= 0 || papers.sizes.isEmpty())
        return;

    list.names = papers.names;
    for (QByteArray& name : list.names) {
        const int end = name.indexOf('\0');
        if (end >= 0)
            name.truncate(end);
        if (name.size() > kPaperNameLength)
            name.truncate(kPaperNameLength);
    }
    list.sizes = papers.sizes;
    list.codes = papers.codes;
    list.count = int(list.sizes.size());
}

void PrinterSelection::setSelection(std::optional<PrinterSettings> settings,
                                    std::optional<PrinterNames> names)
{
    settings_ = std::move(settings);
    names_ = std::move(names);
}
