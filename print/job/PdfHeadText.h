#pragma once

#include "pdf/PdfJobWriter.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class CCadenzoDoc;
class HEADING;
class PdfEmbeddedFont;

// The heads of one print job as PDF text: each face embedded once, subset
// to the characters the heads can show, drawn where the shared head painter
// draws them on screen. A character the head's face lacks comes from the face
// Qt falls back to on screen, embedded as well.
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

    // Fonts embedded; text in faces not among them is drawn as outlines.
    int embeddedFontCount() const { return int(fonts_.size()); }

private:
    struct Style;
    struct Glyph;
    struct Piece;
    struct Head;
    // A head in several faces, piece by piece; returns its advance in twips.
    double appendPieces(QByteArray& content, const Head& h, const char* digits, int n, bool negative,
                        int zeros) const;

    const CCadenzoDoc& doc_;
    std::vector<std::unique_ptr<PdfEmbeddedFont>> faces_; // every face drawn from
    std::vector<const PdfEmbeddedFont*> fonts_;           // those embedded, as /F0, /F1, ...
    std::vector<Head> heads_;
};
