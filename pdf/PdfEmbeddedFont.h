#pragma once

#include "PdfJobWriter.h"

#include <QByteArray>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct hb_font_t;

// One face embedded in a PDF as a composite font (Type0, Identity-H): only
// the glyphs added, with their glyph ids kept so that a text string is the
// face's own glyph ids, widths from the face's design advances and a
// ToUnicode map so that text extraction finds the characters.
class PdfEmbeddedFont
{
public:
    // raw: the face the heads are drawn with on screen, at any pixel size.
    explicit PdfEmbeddedFont(const QRawFont& raw);
    ~PdfEmbeddedFont();
    PdfEmbeddedFont(const PdfEmbeddedFont&) = delete;
    PdfEmbeddedFont& operator=(const PdfEmbeddedFont&) = delete;

    // Something that tells faces apart: family, style and the face's header.
    static QByteArray faceKey(const QRawFont& raw);

    // The face's glyph for c by its character map; 0 (.notdef) when missing.
    std::uint16_t glyphFor(QChar c) const;

    struct Shaped
    {
        std::uint16_t gid;
        QString text; // the characters it shows; empty for a later glyph of them
    };
    // The glyphs the screen draws text with (ligatures; kerning is off), or
    // one glyph per character when shaping would move glyphs off their
    // advances, which a plain text string cannot follow.
    std::vector<Shaped> shape(const QString& text) const;
    // Design advance of glyph gid in 1/1000 em.
    double advance(std::uint16_t gid) const;
    // Marks gid as used, shown for text (for ToUnicode; the first text wins).
    void addGlyph(std::uint16_t gid, const QString& text);

    // Builds the subset font file. False when Qt gives no tables for the face,
    // its licence forbids embedding, or the subsetter fails: then the glyphs
    // are to be drawn as outlines.
    bool build();
    bool isCff() const { return cff_; }
    const QByteArray& fontFile() const { return fontFile_; }
    // "ABCDEF+PostScriptName"
    QByteArray baseFont() const;

    // Writes the font, its descendant, descriptor, file and ToUnicode map;
    // returns the Type0 font's object.
    PdfJobWriter::Id write(PdfJobWriter& writer) const;

private:
    QByteArray table(const char* tag) const;
    QByteArray sfnt() const;
    QByteArray postScriptName() const;
    QByteArray descriptor(PdfJobWriter::Id fontFile) const;
    QByteArray widths() const;
    QByteArray toUnicode() const;

    struct ShaperDeleter
    {
        void operator()(hb_font_t* font) const;
    };

    QRawFont raw_; // at one em per pixel: its metrics are in font units
    mutable std::unique_ptr<hb_font_t, ShaperDeleter> shaper_;
    bool cff_ = false;
    std::map<std::uint16_t, QString> glyphs_;
    QByteArray fontFile_;
};
