#include "PdfHeadText.h"

#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/FontFromLogFont.h"
#include "pdf/PdfEmbeddedFont.h"
#include "pdf/PdfJobWriter.h"
#include "pdf/PdfSyntax.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
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

// One face as a head draws it: what comes before the placement, the
// placement's slant, and what ends the text.
struct PdfHeadText::Style
{
    bool outlines = false;
    QByteArray begin; // font, size, colour (text) or colour (outlines)
    QByteArray again; // for a synthetic bold face: back half a line width
    QByteArray end;
    double slant = 0;
};

struct PdfHeadText::Glyph
{
    char bytes[4] = {}; // the glyph id as in a literal string
    int length = 0;     // of bytes
    double advance = 0; // twips
    QByteArray outline; // when drawn as outlines: path, fill and the move on
    int style = -1;     // none: no face has the character
};

// Glyphs of one face in a row, as a text string's bytes or outlines.
struct PdfHeadText::Piece
{
    int style = 0;
    QByteArray glyphs;
    double width = 0; // twips
};

struct PdfHeadText::Head
{
    const HEADING* head = nullptr;
    std::vector<Style> styles;
    // A head in one face: everything up to the number, between two copies of
    // it (a synthetic bold face draws its text twice) and after it.
    bool oneFace = true;
    QByteArray open;
    QByteArray again;
    QByteArray close;
    // A head in several faces: preface and suffix cut where the face changes,
    // each piece placed where the ones before it end.
    std::vector<Piece> prefix;
    std::vector<Piece> suffix;
    Glyph number[kNumberCharCount];
    double fixedWidth = 0; // twips of preface and suffix with their blanks
    bool zeroPad = false;
    int padWidth = 0;
    // The baseline's direction, its start in page points and the page
    // points per twip along it.
    double cosine = 1, sine = 0;
    double originX = 0, originY = 0;
    double dirX = 0, dirY = 0;

    // The text matrix, or the outlines' transformation, for glyphs of style
    // that start at twips along the baseline.
    QByteArray placement(const Style& style, double at) const
    {
        const double x = originX + dirX * at;
        const double y = originY + dirY * at;
        QByteArray place;
        if (cosine == 1 && sine == 0 && style.slant == 0 && !style.outlines) {
            appendNumber(place, x);
            place += ' ';
            appendNumber(place, y);
            place += " Td";
        } else {
            const double m[6] = {cosine, sine, style.slant * cosine - sine, style.slant * sine + cosine,
                                 x,      y};
            for (double v : m) {
                appendNumber(place, v);
                place += ' ';
            }
            place += style.outlines ? "cm " : "Tm";
        }
        return place;
    }
    // Underline and strike-out: set up, each line's start ("x y m ").
    QByteArray lineSetup;
    std::vector<QByteArray> lineStarts;
    double lineStartX[2] = {};
    double lineStartY[2] = {};
};

namespace {

// The texts a head shows around its number.
QString prefixText(const HEADING& head)
{
    return fromCp1252(head.preface) + (head.spaceAfterPreface ? QStringLiteral(" ") : QString());
}

QString suffixText(const HEADING& head)
{
    return (head.spaceBeforeSuffix ? QStringLiteral(" ") : QString()) + fromCp1252(head.suffix);
}

// The face Qt draws each character of text from in font: the font's own
// face where it has the character, else the one Qt falls back to; invalid
// where Qt draws nothing. Qt picks faces character by character, so each
// character is looked up once, in the order the text first shows it.
QHash<QChar, QRawFont> facesOf(const QFont& font, const QString& text)
{
    QString distinct;
    for (const QChar c : text) {
        if (!distinct.contains(c))
            distinct += c;
    }
    QTextLayout layout(distinct, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QHash<QChar, QRawFont> faces;
    for (int i = 0; i < distinct.size(); ++i) {
        const QList<QGlyphRun> runs = layout.glyphRuns(i, 1);
        faces.insert(distinct[i], runs.isEmpty() ? QRawFont() : runs[0].rawFont());
    }
    return faces;
}

// A face used by the job's heads, embedded once.
struct FaceSlot
{
    QByteArray key;
    std::unique_ptr<PdfEmbeddedFont> font;
    int resource = -1; // /F<n>, or -1 when drawn as outlines
};

// A face as one head draws from it.
struct HeadFace
{
    int slot = -1;
    QRawFont raw; // at the head's (scaled) size
};

// The text of a head in one face, shaped as Qt shapes it.
struct Run
{
    int face = 0; // into the head's faces
    std::vector<PdfEmbeddedFont::Shaped> glyphs;
};

struct HeadLayout
{
    ScaledFont font;
    std::vector<HeadFace> faces; // in the order the text first draws from them
    std::vector<Run> prefix;
    std::vector<Run> suffix;
    int numberFace[kNumberCharCount] = {};
};

} // namespace

PdfHeadText::PdfHeadText(const CCadenzoDoc& doc) : PdfHeadText(doc, false) {}

PdfHeadText::PdfHeadText(const CCadenzoDoc& doc, bool outlinesOnly) : doc_(doc)
{
    // Each face once, with every glyph any of its heads can show.
    std::vector<FaceSlot> faceSlots;
    std::vector<HeadLayout> layouts;
    const auto slotOf = [&faceSlots](const QRawFont& raw) {
        const QByteArray key = PdfEmbeddedFont::faceKey(raw);
        auto it =
            std::find_if(faceSlots.begin(), faceSlots.end(), [&](const FaceSlot& s) { return s.key == key; });
        if (it == faceSlots.end()) {
            faceSlots.push_back(FaceSlot{key, std::make_unique<PdfEmbeddedFont>(raw), -1});
            it = faceSlots.end() - 1;
        }
        return int(it - faceSlots.begin());
    };
    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        const HEADING& head = *doc.GetHeadByIndex(i);
        HeadLayout l;
        l.font = scaledPageFont(head.font);
        const QRawFont own = QRawFont::fromFont(l.font.font);
        const QString prefix = prefixText(head);
        const QString suffix = suffixText(head);
        const QString numberChars = QString::fromLatin1(kNumberChars);
        const QHash<QChar, QRawFont> drawn = facesOf(l.font.font, prefix + numberChars + suffix);
        // Characters Qt draws from no face are left to the head's own; -1
        // when there is none.
        QHash<QChar, int> faceOfChar;
        const auto faceAt = [&](QChar c) {
            if (const auto known = faceOfChar.constFind(c); known != faceOfChar.cend())
                return *known;
            const QRawFont drawnFrom = drawn.value(c);
            const QRawFont& raw = drawnFrom.isValid() ? drawnFrom : own;
            int face = -1;
            if (raw.isValid()) {
                const int slot = slotOf(raw);
                const auto it = std::find_if(l.faces.begin(), l.faces.end(),
                                             [slot](const HeadFace& f) { return f.slot == slot; });
                face = int(it - l.faces.begin());
                if (it == l.faces.end())
                    l.faces.push_back(HeadFace{slot, raw});
            }
            faceOfChar.insert(c, face);
            return face;
        };
        // Preface and suffix as Qt shapes them, face by face; a number's
        // characters form no ligatures, each is its own glyph.
        const auto runsOf = [&](const QString& text, std::vector<Run>& runs) {
            for (int at = 0; at < text.size();) {
                const int face = faceAt(text[at]);
                int end = at + 1;
                while (end < text.size() && faceAt(text[end]) == face)
                    ++end;
                if (face >= 0) {
                    PdfEmbeddedFont& font = *faceSlots[std::size_t(l.faces[std::size_t(face)].slot)].font;
                    Run run{face, font.shape(text.mid(at, end - at))};
                    for (const PdfEmbeddedFont::Shaped& g : run.glyphs)
                        font.addGlyph(g.gid, g.text);
                    runs.push_back(std::move(run));
                }
                at = end;
            }
        };
        runsOf(prefix, l.prefix);
        for (int k = 0; k < kNumberCharCount; ++k) {
            l.numberFace[k] = faceAt(numberChars[k]);
            if (l.numberFace[k] >= 0) {
                PdfEmbeddedFont& font =
                    *faceSlots[std::size_t(l.faces[std::size_t(l.numberFace[k])].slot)].font;
                const QChar c = numberChars[k];
                font.addGlyph(font.glyphFor(c), QString(c));
            }
        }
        runsOf(suffix, l.suffix);
        layouts.push_back(std::move(l));
    }
    for (FaceSlot& s : faceSlots) {
        if (!outlinesOnly && s.font->build()) {
            s.resource = int(fonts_.size());
            fonts_.push_back(s.font.get());
        }
        faces_.push_back(std::move(s.font));
    }

    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        const HEADING& head = *doc.GetHeadByIndex(i);
        const HeadLayout& l = layouts[std::size_t(i)];
        if (l.faces.empty())
            continue; // Qt has no face to draw it with, or the head shows nothing
        const QFont& qfont = l.font.font;
        const double scale = l.font.scale;
        const double size = qfont.pixelSize() * scale; // twips
        const QFontMetricsF metrics(qfont);
        const double stretch = qfont.stretch() > 0 ? qfont.stretch() / 100.0 : 1.0;
        const double lineWidth = metrics.lineWidth() * scale;
        const double ascent = metrics.ascent() * scale;

        Head h;
        h.head = &head;
        h.zeroPad = head.zeroPad != 0;
        h.padWidth = int(std::clamp<std::int32_t>(head.digits, 0, 255));

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
        h.cosine = c;
        h.sine = s;
        h.originX = pageX(0, ascent);
        h.originY = pageY(0, ascent);
        h.dirX = c / 20.0;
        h.dirY = s / 20.0;

        for (const HeadFace& f : l.faces) {
            const int resource = faceSlots[std::size_t(f.slot)].resource;
            const Synthesis synthesis = synthesisOf(qfont, f.raw);
            Style st;
            st.outlines = resource < 0;
            if (st.outlines) {
                // Outlines come from Qt already slanted and emboldened as the
                // face engine makes them up.
                st.begin = "q ";
                appendColor(st.begin, head.color, " rg ", " g ");
                st.end = "Q\n";
            } else {
                st.slant = synthesis.italic ? 0.3 : 0.0;
                st.begin = "BT/F" + QByteArray::number(resource) + ' ';
                appendNumber(st.begin, size / 20.0);
                st.begin += " Tf ";
                appendColor(st.begin, head.color, " rg ", " g ");
                if (stretch != 1.0) {
                    appendNumber(st.begin, stretch * 100.0);
                    st.begin += " Tz ";
                }
                if (synthesis.bold) {
                    // As Qt's PDF engine: the same glyphs again, half a line
                    // width back, hidden from text extraction.
                    st.again = "/Span<</ActualText()>>BDC ";
                    appendNumber(st.again, -0.5 * lineWidth / 20.0);
                    st.again += " 0 Td(";
                }
                if (stretch != 1.0)
                    st.end = " 100 Tz";
                st.end += " ET\n";
            }
            h.styles.push_back(std::move(st));
        }

        const auto glyphOf = [&](int face, std::uint16_t gid) {
            Glyph g;
            if (face < 0)
                return g;
            const HeadFace& f = l.faces[std::size_t(face)];
            const PdfEmbeddedFont& font = *faces_[std::size_t(f.slot)];
            g.style = face;
            g.length = pdfsyntax::escapeGlyphId(gid, g.bytes);
            g.advance = font.advance(gid) * size / 1000.0 * stretch;
            if (h.styles[std::size_t(face)].outlines) {
                g.outline =
                    outlineOperators(QTransform::fromScale(scale, scale).map(f.raw.pathForGlyph(gid)));
                g.outline += "1 0 0 1 ";
                appendNumber(g.outline, g.advance / 20.0);
                g.outline += " 0 cm ";
            }
            return g;
        };
        const auto piecesOf = [&](const std::vector<Run>& runs, std::vector<Piece>& pieces) {
            for (const Run& run : runs) {
                Piece piece;
                piece.style = run.face;
                for (const PdfEmbeddedFont::Shaped& shaped : run.glyphs) {
                    const Glyph g = glyphOf(run.face, shaped.gid);
                    piece.glyphs += g.outline.isEmpty() ? QByteArray(g.bytes, g.length) : g.outline;
                    piece.width += g.advance;
                }
                h.fixedWidth += piece.width;
                pieces.push_back(std::move(piece));
            }
        };
        for (int k = 0; k < kNumberCharCount; ++k) {
            const int face = l.numberFace[k];
            const QChar ch = QLatin1Char(kNumberChars[k]);
            h.number[k] = glyphOf(
                face, face < 0 ? 0 : faces_[std::size_t(l.faces[std::size_t(face)].slot)]->glyphFor(ch));
        }
        piecesOf(l.prefix, h.prefix);
        piecesOf(l.suffix, h.suffix);

        h.oneFace = l.faces.size() == 1;
        if (h.oneFace) {
            const Style& st = h.styles[0];
            QByteArray prefix, suffix;
            for (const Piece& p : h.prefix)
                prefix += p.glyphs;
            for (const Piece& p : h.suffix)
                suffix += p.glyphs;
            h.open = st.begin + h.placement(st, 0);
            if (st.outlines) {
                h.open += prefix;
                h.close = suffix + st.end;
            } else {
                h.open += '(' + prefix;
                h.close = suffix + ")Tj";
                if (!st.again.isEmpty()) {
                    h.again = h.close + st.again + prefix;
                    h.close += " EMC";
                }
                h.close += st.end;
            }
        }

        // Lines as Qt decorates text: from the start to the whole advance,
        // both rounded down, the underline just below the baseline.
        std::vector<double> lineOffsets; // down from the baseline, twips
        if (qfont.underline()) {
            const double position = metrics.underlinePos() * scale;
            const double descent = metrics.descent() * scale;
            double offset = std::ceil(position) + 0.5;
            if (position <= descent)
                offset = std::min(offset, descent - 0.5);
            lineOffsets.push_back(offset);
        }
        if (qfont.strikeOut())
            lineOffsets.push_back(-ascent / 3.0);
        if (!lineOffsets.empty()) {
            appendColor(h.lineSetup, head.color, " RG ", " G ");
            appendNumber(h.lineSetup, lineWidth / 20.0);
            h.lineSetup += " w ";
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

double PdfHeadText::appendPieces(QByteArray& content, const Head& h, const char* digits, int n, bool negative,
                                 int zeros) const
{
    // Each piece on its own, placed where the advances before it end.
    double at = 0;
    const auto put = [&](const Piece& p) {
        const Style& st = h.styles[std::size_t(p.style)];
        content += st.begin;
        content += h.placement(st, at);
        if (st.outlines) {
            content += p.glyphs;
        } else {
            content += '(' + p.glyphs + ")Tj";
            if (!st.again.isEmpty())
                content += st.again + p.glyphs + ")Tj EMC";
        }
        content += st.end;
        at += p.width;
    };
    for (const Piece& p : h.prefix)
        put(p);
    Piece number;
    const auto add = [&](char ch) {
        const Glyph& g = h.number[numberCharIndex(ch)];
        if (g.style < 0)
            return;
        if (g.style != number.style && !number.glyphs.isEmpty()) {
            put(number);
            number = Piece();
        }
        number.style = g.style;
        if (g.outline.isEmpty())
            number.glyphs.append(g.bytes, g.length);
        else
            number.glyphs += g.outline;
        number.width += g.advance;
    };
    if (negative)
        add('-');
    for (int k = 0; k < zeros; ++k)
        add('0');
    for (int k = n - 1; k >= 0; --k)
        add(digits[k]);
    if (!number.glyphs.isEmpty())
        put(number);
    for (const Piece& p : h.suffix)
        put(p);
    return at;
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

        double width = h.fixedWidth;
        if (!h.oneFace) {
            width = appendPieces(content, h, digits, n, value < 0, zeros);
        } else {
            const bool outlines = h.styles[0].outlines;
            char text[4 * 270];
            int at = 0;
            const auto put = [&](char ch) {
                const Glyph& g = h.number[numberCharIndex(ch)];
                if (outlines) {
                    content += g.outline;
                } else {
                    std::memcpy(text + at, g.bytes, std::size_t(g.length));
                    at += g.length;
                }
                width += g.advance;
            };
            content += h.open;
            if (value < 0)
                put('-');
            for (int k = 0; k < zeros; ++k)
                put('0');
            for (int k = n - 1; k >= 0; --k)
                put(digits[k]);
            if (!outlines) {
                content.append(text, at);
                if (!h.again.isEmpty()) {
                    content += h.again;
                    content.append(text, at);
                }
            }
            content += h.close;
        }

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
