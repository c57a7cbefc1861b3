#pragma once

#include "PrinterSystem.h"

#include <optional>

// The application's current printer: a settings record and a names record,
// either of which may be absent (no printer). Replaced as a whole when another
// printer is selected.
class PrinterSelection
{
public:
    explicit PrinterSelection(const PrinterSystem& system);

    const PrinterSystem& system() const { return system_; }

    // Selects the system's default printer, or nothing when there is none.
    void selectDefaultPrinter();

    // Refreshes the selection from the system without forcing the default
    // printer back, then gives the two records.
    void GetPrinterDefaults(std::optional<PrinterSettings>* settings, std::optional<PrinterNames>* names);

    // Writes a template's printer, paper and orientation into the selection.
    void ApplyTemplatePrinter(const QString& printerName, std::uint16_t paperCode, float widthInches,
                              float heightInches, std::uint16_t orientation);

    // Makes the named printer current with its default settings; a printer
    // that cannot be opened leaves the selection as it is.
    void SelectPrinterByName(const QString& name);

    // Fills list with the papers of device; when the printer reports no names
    // or no sizes the previous entries stay, count and fields are updated.
    void LoadPaperList(const QString& device, const QString& port, PaperList& list) const;

    const std::optional<PrinterSettings>& settings() const { return settings_; }
    const std::optional<PrinterNames>& names() const { return names_; }
    void setSelection(std::optional<PrinterSettings> settings, std::optional<PrinterNames> names);

private:
    const PrinterSystem& system_;
    std::optional<PrinterSettings> settings_;
    std::optional<PrinterNames> names_;
};
