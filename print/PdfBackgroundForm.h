#pragma once

#include "PdfJobWriter.h"

#include <QSizeF>
#include <QString>

struct PdfBlock;

// Copies page pageIndex (0-based) of the PDF file in bytes into writer as one
// form XObject that, painted with "/Name Do" in the page's default user
// space, covers a paper paperPoints large exactly: the page's crop box
// (within its media box) turned by its /Rotate and stretched to the paper
// whatever its proportions, as the rendered background is. The content
// stream and everything the page's resources reach (fonts, images, colour
// spaces) are copied byte for byte, filters and all. Only before
// writer.beginPages(). Returns the form's object number, or 0 when the PDF
// toolkit cannot read the file or the page; *why (may be null) then says why
// in a few words for the user, and nothing has been written.
PdfJobWriter::Id WriteBackgroundForm(PdfJobWriter& writer, const PdfBlock& bytes, int pageIndex,
                                     QSizeF paperPoints, QString* why = nullptr);
