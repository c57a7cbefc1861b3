#include "PdfEmbeddedFont.h"

#include "PdfSyntax.h"

#include <hb-subset.h>

#include <QtEndian>

#include <memory>
#include <vector>

namespace {

quint16 u16(const QByteArray& t, int at)
{
    return at + 2 <= t.size() ? qFromBigEndian<quint16>(t.constData() + at) : 0;
}

qint16 s16(const QByteArray& t, int at)
{
    return qint16(u16(t, at));
}

// Tables that a PDF reader needs to draw a TrueType or CFF-flavoured face,
// in the sorted order a table directory lists them in. Layout tables are
// left out: the text arrives as glyph ids.
const char* const kTrueTypeTables[] = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                                       "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};
const char* const kCffTables[] = {"CFF ", "OS/2", "cmap", "head", "hhea", "hmtx", "maxp", "name", "post"};

quint32 tagValue(const char* tag)
{
    return qFromBigEndian<quint32>(tag);
}

// A table of the face for HarfBuzz's shaper, which asks by tag.
hb_blob_t* referenceTable(hb_face_t*, hb_tag_t tag, void* rawFont)
{
    char name[4];
    qToBigEndian(quint32(tag), name);
    auto* data = new QByteArray(static_cast<const QRawFont*>(rawFont)->fontTable(name));
    return hb_blob_create(data->constData(), unsigned(data->size()), HB_MEMORY_MODE_READONLY, data,
                          [](void* d) { delete static_cast<QByteArray*>(d); });
}

} // namespace

void PdfEmbeddedFont::ShaperDeleter::operator()(hb_font_t* font) const
{
    hb_font_destroy(font);
}

PdfEmbeddedFont::PdfEmbeddedFont(const QRawFont& raw) : raw_(raw)
{
    const int unitsPerEm = qMax(16, int(raw.unitsPerEm()));
    raw_.setPixelSize(unitsPerEm);
    cff_ = !table("CFF ").isEmpty();
}

PdfEmbeddedFont::~PdfEmbeddedFont() = default;

QByteArray PdfEmbeddedFont::faceKey(const QRawFont& raw)
{
    return raw.familyName().toUtf8() + '\n' + raw.styleName().toUtf8() + '\n' + raw.fontTable("head");
}

QByteArray PdfEmbeddedFont::table(const char* tag) const
{
    return raw_.fontTable(tag);
}

std::uint16_t PdfEmbeddedFont::glyphFor(QChar c) const
{
    const QList<quint32> ids = raw_.glyphIndexesForString(QString(c));
    return ids.isEmpty() || ids[0] > 0xFFFF ? 0 : std::uint16_t(ids[0]);
}

std::vector<PdfEmbeddedFont::Shaped> PdfEmbeddedFont::shape(const QString& text) const
{
    std::vector<Shaped> plain;
    for (const QChar c : text)
        plain.push_back(Shaped{glyphFor(c), QString(c)});
    if (text.isEmpty() || table("GSUB").isEmpty())
        return plain;

    const int unitsPerEm = raw_.pixelSize();
    // One shaper for the face, which keeps the tables it has read: a head
    // in several faces shapes many short runs.
    if (!shaper_) {
        using Face = std::unique_ptr<hb_face_t, decltype(&hb_face_destroy)>;
        const Face face(hb_face_create_for_tables(referenceTable, const_cast<QRawFont*>(&raw_), nullptr),
                        &hb_face_destroy);
        shaper_.reset(hb_font_create(face.get()));
        hb_font_set_scale(shaper_.get(), unitsPerEm, unitsPerEm);
    }
    hb_font_t* const font = shaper_.get();
    using Buffer = std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)>;
    const Buffer buffer(hb_buffer_create(), &hb_buffer_destroy);
    hb_buffer_add_utf16(buffer.get(), reinterpret_cast<const uint16_t*>(text.utf16()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_guess_segment_properties(buffer.get());
    const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, 0, ~0u};
    hb_shape(font, buffer.get(), &noKerning, 1);

    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer.get(), nullptr);
    std::vector<Shaped> shaped;
    for (unsigned i = 0; i < count; ++i) {
        const hb_glyph_position_t& p = position[i];
        if (info[i].codepoint > 0xFFFF || p.x_offset != 0 || p.y_offset != 0 || p.y_advance != 0 ||
            qAbs(p.x_advance * 1000.0 / unitsPerEm - advance(std::uint16_t(info[i].codepoint))) > 0.5)
            return plain;
        const unsigned from = info[i].cluster;
        unsigned to = unsigned(text.size());
        for (unsigned k = i + 1; k < count; ++k) {
            if (info[k].cluster != from) {
                to = info[k].cluster;
                break;
            }
        }
        const bool first = i == 0 || info[i - 1].cluster != from;
        shaped.push_back(Shaped{std::uint16_t(info[i].codepoint),
                                first && to > from ? text.mid(int(from), int(to - from)) : QString()});
    }
    return shaped;
}

double PdfEmbeddedFont::advance(std::uint16_t gid) const
{
    const QList<QPointF> a = raw_.advancesForGlyphIndexes(QList<quint32>{gid}, QRawFont::UseDesignMetrics);
    return a.isEmpty() ? 0.0 : a[0].x() * 1000.0 / raw_.pixelSize();
}

void PdfEmbeddedFont::addGlyph(std::uint16_t gid, const QString& text)
{
    QString& shown = glyphs_[gid];
    if (shown.isEmpty())
        shown = text;
}

QByteArray PdfEmbeddedFont::sfnt() const
{
    // The face is put back together from the tables Qt hands out: a face made
    // with hb_face_create_for_tables cannot list its tables, and the subsetter
    // copies only the tables it can list.
    std::vector<std::pair<quint32, QByteArray>> tables;
    const auto collect = [&](const char* const* begin, const char* const* end) {
        for (auto it = begin; it != end; ++it) {
            QByteArray data = table(*it);
            if (!data.isEmpty())
                tables.emplace_back(tagValue(*it), std::move(data));
        }
    };
    if (cff_)
        collect(std::begin(kCffTables), std::end(kCffTables));
    else
        collect(std::begin(kTrueTypeTables), std::end(kTrueTypeTables));

    const quint16 count = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray out;
    const auto put16 = [&out](quint16 v) {
        char b[2];
        qToBigEndian(v, b);
        out.append(b, 2);
    };
    const auto put32 = [&out](quint32 v) {
        char b[4];
        qToBigEndian(v, b);
        out.append(b, 4);
    };
    put32(cff_ ? tagValue("OTTO") : 0x00010000u);
    put16(count);
    put16(quint16(power * 16));
    put16(log2);
    put16(quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(count);
    for (const auto& [tag, data] : tables) {
        quint32 sum = 0;
        for (int i = 0; i < data.size(); i += 4) {
            quint32 word = 0;
            for (int k = 0; k < 4; ++k)
                word = (word << 8) | (i + k < data.size() ? quint8(data[i + k]) : 0);
            sum += word;
        }
        put32(tag);
        put32(sum);
        put32(offset);
        put32(quint32(data.size()));
        offset += (quint32(data.size()) + 3) & ~3u;
    }
    for (const auto& entry : tables) {
        out += entry.second;
        out.append((4 - entry.second.size() % 4) % 4, '\0');
    }
    return out;
}

bool PdfEmbeddedFont::build()
{
    fontFile_.clear();
    const QByteArray os2 = table("OS/2");
    const quint16 fsType = u16(os2, 8);
    // A face whose licence allows no embedding, or only of its bitmaps, stays
    // out of the file: its glyphs are drawn as outlines.
    if ((fsType & 0x000F) == 0x0002 || (fsType & 0x0200))
        return false;
    const char* const required[] = {"head", "hhea", "hmtx", "maxp"};
    for (const char* tag : required) {
        if (table(tag).isEmpty())
            return false;
    }
    if (!cff_ && (table("glyf").isEmpty() || table("loca").isEmpty()))
        return false;

    const QByteArray whole = sfnt();
    using Blob = std::unique_ptr<hb_blob_t, decltype(&hb_blob_destroy)>;
    using Face = std::unique_ptr<hb_face_t, decltype(&hb_face_destroy)>;
    using Input = std::unique_ptr<hb_subset_input_t, decltype(&hb_subset_input_destroy)>;
    const Blob blob(
        hb_blob_create(whole.constData(), unsigned(whole.size()), HB_MEMORY_MODE_READONLY, nullptr, nullptr),
        &hb_blob_destroy);
    const Face face(hb_face_create(blob.get(), 0), &hb_face_destroy);
    const Input input(hb_subset_input_create_or_fail(), &hb_subset_input_destroy);
    if (!input)
        return false;
    hb_set_t* glyphSet = hb_subset_input_glyph_set(input.get());
    hb_set_add(glyphSet, 0);
    for (const auto& entry : glyphs_)
        hb_set_add(glyphSet, entry.first);
    // Glyph ids stay as they are: the text strings are the face's own ids.
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
    const Face subset(hb_subset_or_fail(face.get(), input.get()), &hb_face_destroy);
    if (!subset)
        return false;
    const Blob result(hb_face_reference_blob(subset.get()), &hb_blob_destroy);
    unsigned length = 0;
    const char* data = hb_blob_get_data(result.get(), &length);
    if (!data || length == 0)
        return false;
    fontFile_ = QByteArray(data, int(length));
    return true;
}

QByteArray PdfEmbeddedFont::postScriptName() const
{
    // Name id 6 of the name table, Windows (UTF-16) or Macintosh (Roman)
    // records; else the family and style.
    const QByteArray name = table("name");
    const int count = u16(name, 2);
    const int strings = u16(name, 4);
    QString found;
    for (int i = 0; i < count && found.isEmpty(); ++i) {
        const int r = 6 + 12 * i;
        if (u16(name, r + 6) != 6)
            continue;
        const int platform = u16(name, r);
        const int length = u16(name, r + 8);
        const int offset = strings + u16(name, r + 10);
        if (offset + length > name.size())
            continue;
        if (platform == 3 || platform == 0) {
            for (int k = 0; k + 1 < length; k += 2)
                found += QChar(u16(name, offset + k));
        } else if (platform == 1) {
            found = QString::fromLatin1(name.constData() + offset, length);
        }
    }
    if (found.isEmpty())
        found = raw_.familyName() + QLatin1Char('-') + raw_.styleName();
    QByteArray out;
    for (const QChar c : found) {
        if (c.unicode() > 0x20 && c.unicode() < 0x7F &&
            !QByteArray("()<>[]{}/%#").contains(char(c.unicode())))
            out += char(c.unicode());
    }
    return out.isEmpty() ? QByteArray("Font") : out.left(100);
}

QByteArray PdfEmbeddedFont::baseFont() const
{
    // The subset tag: six capitals that change with the glyphs and the face.
    quint32 hash = 2166136261u;
    const auto mix = [&hash](quint32 v) { hash = (hash ^ v) * 16777619u; };
    for (const auto& entry : glyphs_)
        mix(entry.first);
    const QByteArray name = postScriptName();
    for (const char c : name)
        mix(quint8(c));
    QByteArray tag(6, 'A');
    for (int i = 0; i < 6; ++i) {
        tag[i] = char('A' + hash % 26);
        hash /= 26;
    }
    return tag + '+' + name;
}

QByteArray PdfEmbeddedFont::descriptor(PdfJobWriter::Id fontFile) const
{
    using pdfsyntax::number;
    // The face's own metrics, in the 1000 units per em of PDF glyph space.
    const double scale = 1000.0 / raw_.pixelSize();
    const QByteArray head = table("head");
    const QByteArray post = table("post");
    const double italicAngle =
        double(qint32(qFromBigEndian<quint32>(post.size() >= 8 ? post.constData() + 4 : "\0\0\0\0"))) /
        65536.0;
    const bool fixedPitch = post.size() >= 16 && qFromBigEndian<quint32>(post.constData() + 12) != 0;
    const double emScale = 1000.0 / qMax(1, int(u16(head, 18)));
    // Symbolic: the glyphs are named by id, not by a standard encoding.
    const int flags = 4 | (fixedPitch ? 1 : 0) | (italicAngle != 0 ? 64 : 0);
    QByteArray d = "<</Type/FontDescriptor/FontName/" + baseFont() + "/Flags " + QByteArray::number(flags);
    d += "/FontBBox[" + number(s16(head, 36) * emScale) + ' ' + number(s16(head, 38) * emScale) + ' ' +
         number(s16(head, 40) * emScale) + ' ' + number(s16(head, 42) * emScale) + ']';
    d += "/ItalicAngle " + number(italicAngle);
    d += "/Ascent " + number(raw_.ascent() * scale);
    d += "/Descent " + number(-raw_.descent() * scale);
    d += "/CapHeight " + number(raw_.capHeight() * scale);
    d += "/StemV " + number(raw_.lineThickness() * scale);
    d += (cff_ ? "/FontFile3 " : "/FontFile2 ") + QByteArray::number(fontFile) + " 0 R>>";
    return d;
}

QByteArray PdfEmbeddedFont::widths() const
{
    // Runs of consecutive glyph ids: "3[277.8]17[556 556]".
    QByteArray w = "[";
    int last = -2;
    for (const auto& entry : glyphs_) {
        const int gid = entry.first;
        if (gid != last + 1) {
            if (last >= 0)
                w += ']';
            w += QByteArray::number(gid) + '[';
        } else {
            w += ' ';
        }
        pdfsyntax::appendNumber(w, advance(std::uint16_t(gid)));
        last = gid;
    }
    if (last >= 0)
        w += ']';
    return w + ']';
}

QByteArray PdfEmbeddedFont::toUnicode() const
{
    QByteArray cmap = "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                      "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
    std::vector<std::pair<std::uint16_t, QString>> entries;
    for (const auto& entry : glyphs_) {
        if (!entry.second.isEmpty())
            entries.emplace_back(entry);
    }
    // At most 100 mappings to a block.
    for (std::size_t at = 0; at < entries.size(); at += 100) {
        const std::size_t n = qMin<std::size_t>(100, entries.size() - at);
        cmap += QByteArray::number(qulonglong(n)) + " beginbfchar\n";
        for (std::size_t i = at; i < at + n; ++i) {
            cmap += '<' + QByteArray::number(entries[i].first, 16).rightJustified(4, '0') + "><";
            for (const QChar c : entries[i].second)
                cmap += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    return cmap;
}

PdfJobWriter::Id PdfEmbeddedFont::write(PdfJobWriter& writer) const
{
    const PdfJobWriter::Id type0 = writer.reserve();
    const PdfJobWriter::Id cidFont = writer.reserve();
    const PdfJobWriter::Id fontDescriptor = writer.reserve();
    const PdfJobWriter::Id file = writer.reserve();
    const PdfJobWriter::Id unicode = writer.reserve();
    const auto ref = PdfJobWriter::ref;
    const QByteArray name = baseFont();

    writer.writeObject(type0, "<</Type/Font/Subtype/Type0/BaseFont/" + name +
                                  "/Encoding/Identity-H/DescendantFonts[" + ref(cidFont) + "]/ToUnicode " +
                                  ref(unicode) + ">>");
    QByteArray cid = "<</Type/Font/Subtype/" + QByteArray(cff_ ? "CIDFontType0" : "CIDFontType2") +
                     "/BaseFont/" + name +
                     "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor " +
                     ref(fontDescriptor) + "/W" + widths();
    if (!cff_)
        cid += "/CIDToGIDMap/Identity";
    writer.writeObject(cidFont, cid + ">>");
    writer.writeObject(fontDescriptor, descriptor(file));
    const QByteArray fileEntries =
        cff_ ? QByteArray("/Subtype/OpenType/Filter/FlateDecode")
             : "/Length1 " + QByteArray::number(fontFile_.size()) + "/Filter/FlateDecode";
    writer.writeStream(file, fileEntries, pdfsyntax::flateEncoded(fontFile_, 9));
    writer.writeStream(unicode, "/Filter/FlateDecode", pdfsyntax::flateEncoded(toUnicode(), 9));
    return type0;
}
