#pragma once

#include "model/PaperList.h"
#include "model/Units.h"

#include <QString>

#include <cstdint>
#include <functional>

class CCadenzoDoc;

// How the page of a new template is sized; the values are the ids of the New
// Template dialog's radio buttons.
enum class SizeChoice
{
    standard = 1074,
    custom = 1076,
    fromPdf = 1079,
};

// Everything the New Template dialog hands over after OK.
struct NewTemplateChoice
{
    SizeChoice sizeChoice = SizeChoice::standard;
    QString printerName;                     // empty when no printer is installed
    std::uint16_t paperCode = kNoPaperMatch; // 0 for a custom size
    float width = 0.0f;                      // display units
    float height = 0.0f;                     // display units
    std::uint16_t orientation = 1;           // 1 portrait, 2 landscape
    QString pdfPath;
    PaperList papers; // the chosen printer's papers
};

// Loads page 1 of a PDF as the template's background and page size; false
// (after telling the user) when the file cannot be used.
using PdfPageOpener = std::function<bool(CCadenzoDoc& doc, const QString& path)>;

// The opener the program uses: the document's own PDF import.
bool OpenFirstPdfPage(CCadenzoDoc& doc, const QString& path);

// Writes the page of a new template into doc from the dialog's choice, before
// the document is renewed: a PDF page through openPdf with the paper matched
// against the chosen printer's papers, otherwise the paper, its size and the
// orientation. False when the PDF could not be opened; doc then keeps its page.
bool ApplyNewTemplateChoice(const NewTemplateChoice& choice, DisplayUnits units, CCadenzoDoc& doc,
                            const PdfPageOpener& openPdf = OpenFirstPdfPage);
