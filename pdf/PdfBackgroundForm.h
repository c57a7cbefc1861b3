#pragma once

#include "PdfJobWriter.h"

#include <QByteArrayView>
#include <QSizeF>
#include <QString>

// Copies page pageIndex (0-based) of the PDF file in file into writer as one
// form XObject that, painted with "/Name Do" in the page's default user
// space, covers a paper paperPoints large exactly: the page's crop box
// (within its media box) turned by its /Rotate and stretched to the paper
// whatever its proportions, as the rendered background is. The content
// stream and everything the page's resources reach (fonts, images, colour
// spaces) are copied byte for byte, filters and all. Only before
// writer.beginPages(). Returns the form's object number, or 0 when the PDF
// toolkit cannot read the file or the page; *why (may be null) then says why
// in a few words for the user, and nothing has been written.
PdfJobWriter::Id WriteBackgroundForm(PdfJobWriter& writer, QByteArrayView file, int pageIndex,
                                     QSizeF paperPoints, QString* why = nullptr);
