#pragma once

// PDF files written object by object, damaged or hostile ones among them, so
// that tests need no binary files. The large ones are made, not stored.
#include <QByteArray>
#include <QList>

#include <zlib.h>

namespace handpdf {

inline QByteArray num(qint64 n)
{
    return QByteArray::number(n);
}

inline QByteArray stream(const QByteArray& dict, const QByteArray& data)
{
    return "<< " + dict + " /Length " + num(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

// A file of objects numbered from 1, the catalog first, with a correct
// cross-reference table unless brokenXref shifts every entry.
inline QByteArray assemble(const QList<QByteArray>& objects, const QByteArray& trailerExtra = {},
                           bool brokenXref = false)
{
    QByteArray out("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << out.size();
        out += num(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + num(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        out += num(brokenXref ? offset + 37 : offset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + num(objects.size() + 1) + " /Root 1 0 R " + trailerExtra +
           " >>\nstartxref\n" + num(xref) + "\n%%EOF\n";
    return out;
}

struct PageParts
{
    QByteArray content = "0 0 1 rg 0 396 612 396 re f";
    QByteArray resources = "<< >>";
    QByteArray mediaBox = "[0 0 612 792]";
    QByteArray count = "1";
    QByteArray pageExtra;
    QList<QByteArray> more; // objects 5 and on
    QByteArray trailerExtra;
    bool brokenXref = false;
};

// Catalog 1, page tree 2, page 3, its content 4, then parts.more.
inline QByteArray onePage(const PageParts& parts)
{
    QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count " + parts.count + " >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox " + parts.mediaBox + " /Resources " + parts.resources +
            " /Contents 4 0 R " + parts.pageExtra + " >>",
        stream({}, parts.content),
    };
    objects += parts.more;
    return assemble(objects, parts.trailerExtra, parts.brokenXref);
}

// Standard security with a user password: the empty password does not open it.
inline QByteArray passwordPdf()
{
    PageParts parts;
    parts.more << "<< /Filter /Standard /V 1 /R 2 /P -4 /O <" + QByteArray(64, 'a') + "> /U <" +
                      QByteArray(64, 'b') + "> >>";
    parts.trailerExtra =
        "/Encrypt 5 0 R /ID [<00112233445566778899AABBCCDDEEFF> <00112233445566778899AABBCCDDEEFF>]";
    return onePage(parts);
}

// Form 5 draws form 6, which draws form 7, ... depth forms deep.
inline QByteArray nestedFormsPdf(int depth)
{
    PageParts parts;
    parts.resources = "<< /XObject << /X 5 0 R >> >>";
    parts.content = "/X Do";
    for (int i = 0; i < depth; ++i) {
        const bool last = i == depth - 1;
        const QByteArray resources = last ? "<< >>" : "<< /XObject << /X " + num(6 + i) + " 0 R >> >>";
        parts.more << stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources " + resources,
                             last ? "0 0 10 10 re f" : "/X Do");
    }
    return onePage(parts);
}

inline QByteArray selfDrawingFormPdf()
{
    PageParts parts;
    parts.resources = "<< /XObject << /X 5 0 R >> >>";
    parts.content = "/X Do";
    parts.more << stream(
        "/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources << /XObject << /X 5 0 R >> >>",
        "0 0 10 10 re f /X Do");
    return onePage(parts);
}

inline QByteArray nestedArraysPdf(int depth)
{
    PageParts parts;
    parts.pageExtra = "/Junk " + QByteArray(depth, '[') + QByteArray(depth, ']');
    parts.content = QByteArray(depth, '[') + QByteArray(depth, ']') + " pop 0 0 10 10 re f";
    return onePage(parts);
}

// A flate stream that inflates to size zero bytes: the same compressed
// stretch of zeros over and over, each one ending on a byte boundary.
inline QByteArray zerosDeflated(qint64 size)
{
    constexpr int kChunk = 1 << 20;
    QByteArray zeros(kChunk, '\0');
    QByteArray chunk(kChunk, '\0');
    z_stream z{};
    deflateInit(&z, 9);
    z.next_in = reinterpret_cast<Bytef*>(zeros.data());
    z.avail_in = kChunk;
    z.next_out = reinterpret_cast<Bytef*>(chunk.data());
    z.avail_out = kChunk;
    deflate(&z, Z_FULL_FLUSH);
    const QByteArray head = chunk.left(2); // zlib header
    const QByteArray body = chunk.mid(2, kChunk - 2 - qsizetype(z.avail_out));
    deflateEnd(&z);
    QByteArray out = head;
    for (qint64 done = 0; done < size; done += kChunk)
        out += body;
    return out;
}

} // namespace handpdf
