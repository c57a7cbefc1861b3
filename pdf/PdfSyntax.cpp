#include "PdfSyntax.h"

#include <zlib.h>

#include <cmath>

namespace pdfsyntax {

void appendNumber(QByteArray& out, double value)
{
    // Beyond this a coordinate means nothing on any paper; keeps the integer
    // arithmetic below in range.
    constexpr double kLimit = 1e12;
    if (!(value > -kLimit && value < kLimit))
        value = value > 0 ? kLimit : (value < 0 ? -kLimit : 0.0);
    const long long scaled = std::llround(value * 10000.0);
    char buf[32];
    char* end = buf + sizeof buf;
    char* p = end;
    unsigned long long u =
        scaled < 0 ? 0ull - static_cast<unsigned long long>(scaled) : static_cast<unsigned long long>(scaled);
    unsigned long long fraction = u % 10000;
    u /= 10000;
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (int i = 0; i < places; ++i) {
            *--p = char('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = '.';
    }
    do {
        *--p = char('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (scaled < 0)
        *--p = '-';
    out.append(p, end - p);
}

QByteArray number(double value)
{
    QByteArray out;
    appendNumber(out, value);
    return out;
}

int escapeGlyphId(std::uint16_t gid, char out[4])
{
    int n = 0;
    for (const unsigned char b : {static_cast<unsigned char>(gid >> 8), static_cast<unsigned char>(gid)}) {
        switch (b) {
        case '(':
        case ')':
        case '\\':
            out[n++] = '\\';
            out[n++] = char(b);
            break;
        case '\r':
            out[n++] = '\\';
            out[n++] = 'r';
            break;
        case '\n':
            out[n++] = '\\';
            out[n++] = 'n';
            break;
        default:
            out[n++] = char(b);
        }
    }
    return n;
}

void appendGlyphId(QByteArray& out, std::uint16_t gid)
{
    char bytes[4];
    out.append(bytes, escapeGlyphId(gid, bytes));
}

QByteArray flateEncoded(const QByteArray& data, int level)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()), level) != Z_OK)
        return QByteArray();
    out.resize(qsizetype(size));
    return out;
}

} // namespace pdfsyntax
