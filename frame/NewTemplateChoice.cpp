#include "NewTemplateChoice.h"

#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/MessageSink.h"
#include "model/StringTable.h"

bool OpenFirstPdfPage(CCadenzoDoc& doc, const QString& path)
{
    return doc.OpenPdf(path, 1);
}

bool ApplyNewTemplateChoice(const NewTemplateChoice& choice, DisplayUnits units, CCadenzoDoc& doc,
                            const PdfPageOpener& openPdf)
{
    if (choice.sizeChoice == SizeChoice::fromPdf) {
        // Keeps the PDF just loaded when the document is emptied for the new
        // template.
        doc.newFromPdf = true;
        if (!openPdf(doc, choice.pdfPath)) {
            doc.newFromPdf = false;
            return false;
        }
        const std::uint16_t code = FindPaperCode(choice.papers, units::twipsToInches(doc.paperWidth),
                                                 units::twipsToInches(doc.paperHeight));
        if (code == kNoPaperMatch) {
            showMessage(LoadString(116), MsgButtons::Ok, MsgIcon::Exclamation);
            doc.paperSize = kUnmatchedPdfPaperCode;
        } else {
            doc.paperSize = code;
        }
    } else {
        doc.paperSize = choice.paperCode;
        doc.paperWidth = DisplayToTwips(choice.width, units);
        doc.paperHeight = DisplayToTwips(choice.height, units);
        doc.orientation = choice.orientation;
    }
    doc.printerName = toCp1252(choice.printerName);
    return true;
}
