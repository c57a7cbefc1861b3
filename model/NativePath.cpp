#include "NativePath.h"

#include <QDir>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at p (n bytes left), or 0.
// Overlong forms, surrogates and values above U+10FFFF are not well-formed.
int sequenceLength(const unsigned char* p, qsizetype n)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        else if (c == 0xED)
            high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        else if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (n < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(p[i]))
            return 0;
    }
    return length;
}

bool isKeptByte(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString decodePath(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString path;
    path.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const int length = sequenceLength(p + i, n - i);
        if (length == 0) {
            path.append(QChar(char16_t(kEscapeBase + p[i])));
            ++i;
        } else {
            path.append(QString::fromUtf8(bytes.constData() + i, length));
            i += length;
        }
    }
    return path;
}

QByteArray encodePath(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0; // of the text not yet encoded
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        // A kept byte is a lone low surrogate: one not after a high one.
        if (!isKeptByte(unit) || (i > 0 && path.at(i - 1).isHighSurrogate()))
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        bytes += char(unit - kEscapeBase);
        start = i + 1;
    }
    bytes += QStringView(path).mid(start).toUtf8();
    return bytes;
}

QString displayPath(const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isKeptByte(shown.at(i).unicode()) && (i == 0 || !shown.at(i - 1).isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}
