#include "Codepage.h"

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, which map to
// the C1 control of the same value, so that every byte comes back unchanged.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decode(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return char16_t(b);
}

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes)
        s.append(QChar(decode(static_cast<unsigned char>(c))));
    return s;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHigh[i] == u || (kHigh[i] == 0 && u == char16_t(0x80 + i))) {
                    b = static_cast<char>(0x80 + i);
                    break;
                }
            }
        }
        out.append(b);
    }
    return out;
}
