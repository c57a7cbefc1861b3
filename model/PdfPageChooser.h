#pragma once

#include "PdfLibrary.h"

#include <cstdint>

// Radio ids of the two answers to a page size that differs from the template's.
constexpr int kSizeChoiceAdopt = 1066;  // reset the settings and take the page's size
constexpr int kSizeChoiceResize = 1067; // keep the template's size, stretch the page

// What the import asks about: the template's paper in inches (stored width and
// height, not swapped for landscape), its orientation, the open PDF and whether
// the page size may be taken over.
struct PdfPageRequest
{
    float projectWidth = 0;
    float projectHeight = 0;
    std::uint16_t orientation = 1;
    pdf::DocumentHandle document;
    bool allowSizeChoice = true;
    int pageNumber = 1; // 1-based page shown first
};

// The answer: the 1-based page, its size in inches and the size choice
// (kSizeChoiceAdopt, kSizeChoiceResize or 0 when none was offered).
struct PdfPageChoice
{
    int pageNumber = 1;
    float pageWidth = 0;
    float pageHeight = 0;
    int sizeChoice = 0;
};

// Asks the user which page of a PDF to import and what to do about its size;
// the window installs a dialog, tests a fake.
class PdfPageChooser
{
public:
    virtual ~PdfPageChooser() = default;
    // False when the user cancels.
    virtual bool ChoosePdfPage(const PdfPageRequest& request, PdfPageChoice* choice) = 0;
};

// Size of page pageNumber (1-based) in inches, single precision; 0 x 0 for a
// page the PDF does not have.
void MeasurePdfPage(const pdf::DocumentHandle& document, int pageNumber, float* width, float* height);

// Whether a width x height inch page differs from the template's paper laid
// out in orientation, so that the size choice is worth offering.
bool PdfPageSizeDiffers(float pageWidth, float pageHeight, float projectWidth, float projectHeight,
                        std::uint16_t orientation);

// The answer OK gives without any change: the requested page (held to the
// PDF's pages) and, when the size choice is offered because the page differs,
// kSizeChoiceAdopt.
PdfPageChoice DefaultPdfPageChoice(const PdfPageRequest& request);
