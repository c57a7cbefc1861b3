#pragma once

#include "PdfJobWriter.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class CCadenzoDoc;
class HEADING;
class PdfEmbeddedFont;

// The heads of one print job as PDF text: each font embedded once, subset
// to the characters the heads can show, drawn where the shared head painter
// draws them on screen.
class PdfHeadText
{
public:
    explicit PdfHeadText(const CCadenzoDoc& doc);
    // outlinesOnly draws every head as filled glyph outlines, as a face is
    // drawn that cannot be embedded.
    PdfHeadText(const CCadenzoDoc& doc, bool outlinesOnly);
    ~PdfHeadText();
    PdfHeadText(const PdfHeadText&) = delete;
    PdfHeadText& operator=(const PdfHeadText&) = delete;

    // Writes the fonts (before writer.beginPages()). Returns the entries of
    // the /Font resource dictionary ("/F0 7 0 R/F1 9 0 R"); empty without heads.
    QByteArray writeFonts(PdfJobWriter& writer);
    // Appends the operators that draw every head with the numbers of
    // numberIndex, later heads over earlier ones, in the page's default user
    // space (points, origin at the paper's bottom-left corner). Expects the
    // text state a page starts with.
    void appendHeads(QByteArray& content, std::int32_t numberIndex) const;

    // Fonts embedded; heads whose face is not among them are outlines.
    int embeddedFontCount() const { return int(fonts_.size()); }

private:
    struct Glyph;
    struct Head;
    Head prepareHead(const HEADING& head, bool outlinesOnly);

    const CCadenzoDoc& doc_;
    std::vector<std::unique_ptr<PdfEmbeddedFont>> fonts_;
    std::vector<Head> heads_;
};
