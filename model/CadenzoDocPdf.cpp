// Opening a PDF file as the template's background.
#include "CadenzoDoc.h"

#include "Codepage.h"
#include "InputFile.h"
#include "Int32.h"
#include "MessageSink.h"
#include "NativePath.h"
#include "PdfPageChooser.h"
#include "Units.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <new>

namespace {

// Poppler reads at most this many bytes from memory.
constexpr qint64 kMaxPdfBytes = std::numeric_limits<int>::max();

// A page length in whole twips, truncated, never below one twip and never past
// the 32-bit range, so that no page of a PDF can give the template an empty
// or wrapped paper.
std::int32_t pageTwips(double inches)
{
    const double twips = inches * units::kTwipsPerInch;
    return int32::trunc(std::clamp(twips, 1.0, double(std::numeric_limits<std::int32_t>::max())));
}

// The template's paper against a page of w x h inches. The template's single
// precision lengths are widened, and must equal the page's exactly.
bool pageMatches(float paperWidth, float paperHeight, std::uint16_t orientation, double w, double h)
{
    if (orientation == 1)
        return double(paperWidth) == w && double(paperHeight) == h;
    return double(paperHeight) == w && double(paperWidth) == h;
}

} // namespace

bool CCadenzoDoc::OpenPdf(const QString& path, int pageNumber)
{
    InputFile input;
    if (const int error = input.open(path)) {
        ReportOpenFailure(path, error);
        return false;
    }

    // One byte past the largest PDF tells a file that is too large.
    QIODevice& file = input.device();
    std::shared_ptr<PdfBlock> block;
    try {
        if (!file.isSequential() && file.size() > kMaxPdfBytes)
            throw std::bad_alloc();
        block = ReadPdfBlock(file, kMaxPdfBytes + 1);
        if (block && block->length > kMaxPdfBytes)
            throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        ReportFailure("Out of Memory!");
        ClosePdf();
        return false;
    }
    if (input.readFailed()) {
        ReportFailure(input.timedOut() ? "Nothing arrived from %1 for 5 seconds."
                                       : "An unexpected error occurred while reading %1.",
                      path);
        return false;
    }
    if (!block)
        block = std::make_shared<PdfBlock>(0);

    // A file that is no PDF, or one without pages, would give the template a
    // paper of 0 x 0: it is refused and the template stays as it was.
    pdf::LoadStatus status = pdf::LoadStatus::Ok;
    const pdf::DocumentHandle document = pdf::LoadMemDocument(block, &status);
    const int pageCount = pdf::GetPageCount(document);
    if (pageCount < 1) {
        ReportFailure(
            status == pdf::LoadStatus::Locked
                ? "%1 is protected by a password; only a PDF that opens without one can be imported."
                : "Unexpected file format.",
            path);
        return false;
    }

    int chosenPage = pageNumber;
    pdf::PageHandle page = pdf::LoadPage(document, int32::sub(pageNumber, 1));
    double w = pdf::GetPageWidth(page) / units::kPointsPerInch;
    double h = pdf::GetPageHeight(page) / units::kPointsPerInch;
    const float W = units::twipsToInches(paperWidth);
    const float H = units::twipsToInches(paperHeight);

    const bool fromNew = newFromPdf;
    const bool mismatch = !fromNew && !pageMatches(W, H, orientation, w, h);
    bool adopt = false;
    if (mismatch || pageCount > 1) {
        PdfPageRequest request;
        request.projectWidth = W;
        request.projectHeight = H;
        request.orientation = orientation;
        request.document = document;
        request.allowSizeChoice = !fromNew;
        request.pageNumber = pageNumber;
        PdfPageChoice choice = DefaultPdfPageChoice(request);
        // Cancel leaves the template as it was, background included.
        if (pdfPageChooser_ && !pdfPageChooser_->ChoosePdfPage(request, &choice))
            return false;
        w = double(choice.pageWidth);
        h = double(choice.pageHeight);
        if (choice.pageNumber != pageNumber) {
            chosenPage = choice.pageNumber;
            page = pdf::LoadPage(document, int32::sub(chosenPage, 1));
        }
        adopt = request.allowSizeChoice && choice.sizeChoice == kSizeChoiceAdopt;
    }
    if (!page) {
        // A page the file has but the library refuses is no format error.
        if (chosenPage >= 1 && chosenPage <= pageCount)
            showMessage(QCoreApplication::translate("DocumentBase", "Page %1 of %2 cannot be read.")
                            .arg(chosenPage)
                            .arg(displayPath(path)),
                        MsgButtons::Ok, MsgIcon::Exclamation);
        else
            ReportFailure("Unexpected file format.");
        return false;
    }

    if (adopt)
        ResetSettings(false);
    // The handles of a previous background are let go of, not closed: undo
    // snapshots may still show it.
    pdfPath = toCp1252(path);
    pdfLength = block->length;
    pdfPageNumber = chosenPage;
    pdfData = std::move(block);
    pdfDocument = document;
    pdfPage = std::move(page);
    pdfStatus = pdf::LoadStatus::Ok;
    if (fromNew || adopt)
        TakeOverPageSize(w, h);
    return true;
}

void CCadenzoDoc::TakeOverPageSize(double widthInches, double heightInches)
{
    // The stored width is the page's shorter side; a wider page is laid out
    // in landscape.
    if (heightInches >= widthInches) {
        orientation = 1;
        paperWidth = pageTwips(widthInches);
        paperHeight = pageTwips(heightInches);
    } else {
        orientation = 2;
        paperWidth = pageTwips(heightInches);
        paperHeight = pageTwips(widthInches);
    }
}
