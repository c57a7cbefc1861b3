#include "PdfPageChooser.h"

#include "Units.h"

#include <algorithm>

void MeasurePdfPage(const pdf::DocumentHandle& document, int pageNumber, float* width, float* height)
{
    const pdf::PageHandle page = pdf::LoadPage(document, int32::sub(pageNumber, 1));
    *width = float(pdf::GetPageWidth(page) / units::kPointsPerInch);
    *height = float(pdf::GetPageHeight(page) / units::kPointsPerInch);
}

bool PdfPageSizeDiffers(float pageWidth, float pageHeight, float projectWidth, float projectHeight,
                        std::uint16_t orientation)
{
    const std::uint16_t pageOrientation = pageWidth > pageHeight ? 2 : 1;
    if (pageOrientation != orientation)
        return true;
    // The template's paper is stored in portrait; a landscape page is compared
    // with it turned.
    if (orientation == 1)
        return pageWidth != projectWidth || pageHeight != projectHeight;
    return pageWidth != projectHeight || pageHeight != projectWidth;
}

PdfPageChoice DefaultPdfPageChoice(const PdfPageRequest& request)
{
    PdfPageChoice choice;
    const int pageCount = std::max(1, pdf::GetPageCount(request.document));
    choice.pageNumber = std::clamp(request.pageNumber, 1, pageCount);
    MeasurePdfPage(request.document, choice.pageNumber, &choice.pageWidth, &choice.pageHeight);
    if (request.allowSizeChoice &&
        PdfPageSizeDiffers(choice.pageWidth, choice.pageHeight, request.projectWidth, request.projectHeight,
                           request.orientation))
        choice.sizeChoice = kSizeChoiceAdopt;
    return choice;
}
