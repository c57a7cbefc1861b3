#include "PanelInput.h"

#include <cmath>
#include <limits>

namespace panelinput {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<std::uint32_t> readUnsigned(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + std::uint64_t(c.unicode() - u'0');
        if (value > std::numeric_limits<std::uint32_t>::max())
            value = std::numeric_limits<std::uint32_t>::max();
    }
    return std::uint32_t(value);
}

std::int32_t readLeadingInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        negative = text.at(i++) == u'-';
    // Accumulated unsigned, so that long texts wrap rather than overflow.
    std::uint32_t value = 0;
    for (; i < text.size() && isDigit(text.at(i)); ++i)
        value = value * 10u + std::uint32_t(text.at(i).unicode() - u'0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

float readLeadingFloat(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; i < text.size() && isDigit(text.at(i)); ++i)
        ++digits;
    if (i < text.size() && text.at(i) == u'.') {
        ++i;
        for (; i < text.size() && isDigit(text.at(i)); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0f;
    qsizetype end = i;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        if (j < text.size() && isDigit(text.at(j))) {
            while (j < text.size() && isDigit(text.at(j)))
                ++j;
            end = j;
        }
    }
    // QByteArray::toDouble reads in the C locale whatever the user's locale.
    const double value = text.mid(start, end - start).toLatin1().toDouble();
    // Beyond single precision the length is infinite (and rejected later).
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

} // namespace panelinput
