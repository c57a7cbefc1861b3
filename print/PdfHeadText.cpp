#include "PdfHeadText.h"

#include "PdfEmbeddedFont.h"
#include "PdfJobWriter.h"
#include "PdfSyntax.h"

#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/FontFromLogFont.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

using pdfsyntax::appendNumber;

namespace {

// The characters of a number: digits, then the minus sign.
constexpr char kNumberChars[] = "0123456789-";
constexpr int kNumberCharCount = 11;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

int numberCharIndex(char c)
{
    return c == '-' ? 10 : c - '0';
}

// What Qt's FreeType engine makes up for a face that lacks the requested
// style: a slanted copy for italic, a doubled one for bold. Read from the face's own tables as FreeType reads
// its style.
struct Synthesis
{
    bool italic = false;
    bool bold = false;
};

Synthesis synthesisOf(const QFont& font, const QRawFont& raw)
{
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    const QByteArray post = raw.fontTable("post");
    const auto u16 = [](const QByteArray& t, int at) -> quint16 {
        return at + 2 <= t.size() ? qFromBigEndian<quint16>(t.constData() + at) : 0;
    };
    bool faceItalic = false, faceBold = false;
    if (os2.size() >= 64) {
        const quint16 selection = u16(os2, 62);
        faceItalic = (selection & 0x201) != 0;
        faceBold = (selection & 0x20) != 0;
    } else {
        const quint16 macStyle = u16(head, 44);
        faceItalic = (macStyle & 2) != 0;
        faceBold = (macStyle & 1) != 0;
    }
    const bool fixedPitch = post.size() >= 16 && qFromBigEndian<quint32>(post.constData() + 12) != 0;
    Synthesis s;
    s.italic = font.style() != QFont::StyleNormal && !faceItalic;
    s.bold = font.weight() >= QFont::Bold && !faceBold && !fixedPitch && os2.size() >= 6 && u16(os2, 4) < 700;
    return s;
}

void appendColor(QByteArray& out, COLORREF color, const char* rgb, const char* gray)
{
    const int r = rgbRed(color), g = rgbGreen(color), b = rgbBlue(color);
    appendNumber(out, r / 255.0);
    if (r != g || g != b) {
        out += ' ';
        appendNumber(out, g / 255.0);
        out += ' ';
        appendNumber(out, b / 255.0);
        out += rgb;
    } else {
        out += gray;
    }
}

// A glyph's outline as path operators, in points with y up, from a path in
// twips with y down.
QByteArray outlineOperators(const QPainterPath& path)
{
    QByteArray ops;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const auto point = [&ops](const QPainterPath::Element& p) {
            appendNumber(ops, p.x / 20.0);
            ops += ' ';
            appendNumber(ops, -p.y / 20.0);
            ops += ' ';
        };
        if (e.isMoveTo()) {
            point(e);
            ops += "m ";
        } else if (e.isLineTo()) {
            point(e);
            ops += "l ";
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            point(e);
            point(path.elementAt(i + 1));
            point(path.elementAt(i + 2));
            ops += "c ";
            i += 2;
        }
    }
    if (!ops.isEmpty())
        ops += "f ";
    return ops;
}

} // namespace

struct PdfHeadText::Glyph
{
    char bytes[4] = {}; // the glyph id as in a literal string
    int length = 0;     // of bytes
    double advance = 0; // twips
    QByteArray outline; // when drawn as outlines: path, fill and the move on
};

struct PdfHeadText::Head
{
    const HEADING* head = nullptr;
    bool outlines = false;
    // Everything up to the number, between two copies of it (a synthetic bold
    // head draws its text twice) and after it.
    QByteArray open;
    QByteArray again;
    QByteArray close;
    Glyph number[kNumberCharCount];
    double fixedWidth = 0; // twips of preface and suffix with their blanks
    bool zeroPad = false;
    int padWidth = 0;
    // Underline and strike-out: set up, each line's start ("x y m "), and the
    // page points per twip along the baseline.
    QByteArray lineSetup;
    std::vector<QByteArray> lineStarts;
    double lineStartX[2] = {};
    double lineStartY[2] = {};
    double dirX = 0, dirY = 0;
};

namespace {

struct FaceSlot
{
    QByteArray key;
    std::unique_ptr<PdfEmbeddedFont> font;
    int resource = -1; // /F<n>, or -1 when drawn as outlines
};

struct HeadFace
{
    QFont font;
    QRawFont raw;
    int slot = -1;
    std::vector<PdfEmbeddedFont::Shaped> prefix;
    std::vector<PdfEmbeddedFont::Shaped> suffix;
};

// The texts a head shows around its number.
QString prefixText(const HEADING& head)
{
    return fromCp1252(head.preface) + (head.spaceAfterPreface ? QStringLiteral(" ") : QString());
}

QString suffixText(const HEADING& head)
{
    return (head.spaceBeforeSuffix ? QStringLiteral(" ") : QString()) + fromCp1252(head.suffix);
}

} // namespace

PdfHeadText::PdfHeadText(const CCadenzoDoc& doc) : PdfHeadText(doc, false) {}

PdfHeadText::PdfHeadText(const CCadenzoDoc& doc, bool outlinesOnly) : doc_(doc)
{
    // Each face once, with every glyph any of its heads can show.
    std::vector<FaceSlot> faceSlots;
    std::vector<HeadFace> faces;
    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        const HEADING& head = *doc.GetHeadByIndex(i);
        HeadFace f;
        f.font = pageFont(head.font);
        f.raw = QRawFont::fromFont(f.font);
        const QByteArray key = PdfEmbeddedFont::faceKey(f.raw);
        auto it =
            std::find_if(faceSlots.begin(), faceSlots.end(), [&](const FaceSlot& s) { return s.key == key; });
        if (it == faceSlots.end()) {
            faceSlots.push_back(FaceSlot{key, std::make_unique<PdfEmbeddedFont>(f.raw), -1});
            it = faceSlots.end() - 1;
        }
        f.slot = int(it - faceSlots.begin());
        // Preface and suffix as Qt shapes them; a number's characters form no
        // ligatures, each is its own glyph.
        f.prefix = it->font->shape(prefixText(head));
        f.suffix = it->font->shape(suffixText(head));
        for (const auto* glyphs : {&f.prefix, &f.suffix}) {
            for (const PdfEmbeddedFont::Shaped& g : *glyphs)
                it->font->addGlyph(g.gid, g.text);
        }
        for (const char c : kNumberChars) {
            if (c)
                it->font->addGlyph(it->font->glyphFor(QLatin1Char(c)), QString(QLatin1Char(c)));
        }
        faces.push_back(std::move(f));
    }
    for (FaceSlot& s : faceSlots) {
        if (!outlinesOnly && s.font->build()) {
            s.resource = int(fonts_.size());
            fonts_.push_back(std::move(s.font));
        }
    }

    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        const HEADING& head = *doc.GetHeadByIndex(i);
        const HeadFace& f = faces[std::size_t(i)];
        const int resource = faceSlots[std::size_t(f.slot)].resource;
        const PdfEmbeddedFont* font = resource >= 0 ? fonts_[std::size_t(resource)].get() : nullptr;
        // Outlines still need the face's character map and advances.
        std::optional<PdfEmbeddedFont> fallback;
        if (!font)
            fallback.emplace(f.raw);
        const PdfEmbeddedFont& face = font ? *font : *fallback;
        const double size = f.font.pixelSize(); // twips
        const QFontMetricsF metrics(f.font);
        const Synthesis synthesis = synthesisOf(f.font, f.raw);
        const double stretch = f.font.stretch() > 0 ? f.font.stretch() / 100.0 : 1.0;

        Head h;
        h.head = &head;
        h.outlines = !font;
        h.zeroPad = head.zeroPad != 0;
        h.padWidth = int(std::clamp<std::int32_t>(head.digits, 0, 255));

        const auto glyphOf = [&](std::uint16_t gid) {
            Glyph g;
            g.length = pdfsyntax::escapeGlyphId(gid, g.bytes);
            g.advance = face.advance(gid) * size / 1000.0 * stretch;
            if (h.outlines) {
                g.outline = outlineOperators(f.raw.pathForGlyph(gid));
                g.outline += "1 0 0 1 ";
                appendNumber(g.outline, g.advance / 20.0);
                g.outline += " 0 cm ";
            }
            return g;
        };
        const auto glyphsOf = [&](const std::vector<PdfEmbeddedFont::Shaped>& shaped, double& width) {
            QByteArray bytes;
            for (const PdfEmbeddedFont::Shaped& s : shaped) {
                const Glyph g = glyphOf(s.gid);
                bytes += h.outlines ? g.outline : QByteArray(g.bytes, g.length);
                width += g.advance;
            }
            return bytes;
        };
        for (int k = 0; k < kNumberCharCount; ++k)
            h.number[k] = glyphOf(face.glyphFor(QLatin1Char(kNumberChars[k])));
        double prefixWidth = 0, suffixWidth = 0;
        const QByteArray prefix = glyphsOf(f.prefix, prefixWidth);
        const QByteArray suffix = glyphsOf(f.suffix, suffixWidth);
        h.fixedWidth = prefixWidth + suffixWidth;

        // Where the shared painter puts the text: turned counter-clockwise
        // about the reference corner, the baseline ascent below it.
        const int degrees = head.rotation % 360;
        double c = 1, s = 0;
        switch ((degrees + 360) % 360) {
        case 0:
            break;
        case 90:
            c = 0, s = 1;
            break;
        case 180:
            c = -1, s = 0;
            break;
        case 270:
            c = 0, s = -1;
            break;
        default:
            c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
        }
        const double pageHeight = doc.GetPageHeight() / 20.0;
        const auto pageX = [&](double ax, double down) { return (head.x + ax * c + down * s) / 20.0; };
        const auto pageY = [&](double ax, double down) {
            return pageHeight + (head.y + ax * s - down * c) / 20.0;
        };
        const double ascent = metrics.ascent();
        // Outlines come from Qt already slanted and emboldened as the face
        // engine makes them up.
        const double slant = synthesis.italic && !h.outlines ? 0.3 : 0.0;
        const bool plain = c == 1 && s == 0 && slant == 0;

        QByteArray place; // the text matrix, or outlines' transformation
        if (plain && !h.outlines) {
            appendNumber(place, pageX(0, ascent));
            place += ' ';
            appendNumber(place, pageY(0, ascent));
            place += " Td";
        } else {
            const double m[6] = {c, s, slant * c - s, slant * s + c, pageX(0, ascent), pageY(0, ascent)};
            for (double v : m) {
                appendNumber(place, v);
                place += ' ';
            }
            place += h.outlines ? "cm " : "Tm";
        }

        if (h.outlines) {
            h.open = "q ";
            appendColor(h.open, head.color, " rg ", " g ");
            h.open += place + prefix;
            h.close = suffix + "Q\n";
        } else {
            h.open = "BT/F" + QByteArray::number(resource) + ' ';
            appendNumber(h.open, size / 20.0);
            h.open += " Tf ";
            appendColor(h.open, head.color, " rg ", " g ");
            if (stretch != 1.0) {
                appendNumber(h.open, stretch * 100.0);
                h.open += " Tz ";
            }
            h.open += place + '(' + prefix;
            h.close = suffix + ")Tj";
            if (synthesis.bold) {
                // As Qt's PDF engine: the same glyphs again, half a line
                // width back, hidden from text extraction.
                h.again = h.close + "/Span<</ActualText()>>BDC ";
                appendNumber(h.again, -0.5 * metrics.lineWidth() / 20.0);
                h.again += " 0 Td(" + prefix;
                h.close += " EMC";
            }
            if (stretch != 1.0)
                h.close += " 100 Tz";
            h.close += " ET\n";
        }

        // Lines as Qt decorates text: from the start to the whole advance,
        // both rounded down, the underline just below the baseline.
        std::vector<double> lineOffsets; // down from the baseline, twips
        if (f.font.underline()) {
            const double position = metrics.underlinePos();
            double offset = std::ceil(position) + 0.5;
            if (position <= metrics.descent())
                offset = std::min(offset, metrics.descent() - 0.5);
            lineOffsets.push_back(offset);
        }
        if (f.font.strikeOut())
            lineOffsets.push_back(-ascent / 3.0);
        if (!lineOffsets.empty()) {
            appendColor(h.lineSetup, head.color, " RG ", " G ");
            appendNumber(h.lineSetup, metrics.lineWidth() / 20.0);
            h.lineSetup += " w ";
            h.dirX = c / 20.0;
            h.dirY = s / 20.0;
            for (std::size_t k = 0; k < lineOffsets.size(); ++k) {
                h.lineStartX[k] = pageX(0, ascent + lineOffsets[k]);
                h.lineStartY[k] = pageY(0, ascent + lineOffsets[k]);
                QByteArray start;
                appendNumber(start, h.lineStartX[k]);
                start += ' ';
                appendNumber(start, h.lineStartY[k]);
                start += " m ";
                h.lineStarts.push_back(start);
            }
        }
        heads_.push_back(std::move(h));
    }
}

PdfHeadText::~PdfHeadText() = default;

QByteArray PdfHeadText::writeFonts(PdfJobWriter& writer)
{
    QByteArray entries;
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        entries +=
            "/F" + QByteArray::number(qulonglong(i)) + ' ' + PdfJobWriter::ref(fonts_[i]->write(writer));
    return entries;
}

void PdfHeadText::appendHeads(QByteArray& content, std::int32_t numberIndex) const
{
    for (const Head& h : heads_) {
        // The number as HEADING::GetNumberText writes it: zeros between the
        // sign and the digits up to the head's width.
        const std::int32_t value = doc_.GetHeadNumber(numberIndex, *h.head);
        char digits[12];
        int n = 0;
        std::uint32_t magnitude = value < 0 ? 0u - std::uint32_t(value) : std::uint32_t(value);
        do {
            digits[n++] = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        const int length = n + (value < 0 ? 1 : 0);
        const int zeros = h.zeroPad && h.padWidth > length ? h.padWidth - length : 0;

        char text[4 * 270];
        int at = 0;
        double width = h.fixedWidth;
        const auto put = [&](char ch) {
            const Glyph& g = h.number[numberCharIndex(ch)];
            if (h.outlines) {
                content += g.outline;
            } else {
                std::memcpy(text + at, g.bytes, std::size_t(g.length));
                at += g.length;
            }
            width += g.advance;
        };
        const auto number = [&] {
            if (value < 0)
                put('-');
            for (int k = 0; k < zeros; ++k)
                put('0');
            for (int k = n - 1; k >= 0; --k)
                put(digits[k]);
        };

        content += h.open;
        if (h.outlines) {
            number();
        } else {
            number();
            content.append(text, at);
            if (!h.again.isEmpty()) {
                content += h.again;
                content.append(text, at);
            }
        }
        content += h.close;

        if (!h.lineStarts.empty()) {
            const double lineLength = std::floor(width);
            content += h.lineSetup;
            for (std::size_t k = 0; k < h.lineStarts.size(); ++k) {
                content += h.lineStarts[k];
                appendNumber(content, h.lineStartX[k] + h.dirX * lineLength);
                content += ' ';
                appendNumber(content, h.lineStartY[k] + h.dirY * lineLength);
                content += " l ";
            }
            content += "S\n";
        }
    }
}
