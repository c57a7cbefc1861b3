#include "QtTextMeasurer.h"

#include "Codepage.h"
#include "FontFromLogFont.h"

#include <QFontMetricsF>

#include <cmath>
#include <limits>

namespace {

// Qt lays text out in 26.6 fixed point: an advance beyond 2^25 units wraps
// around to garbage. Large fonts are measured scaled (scaledFont), and long
// text in pieces whose advance stays far below the limit even at up to 4 ems
// a character. Heads of ordinary size and length are measured in one go.
constexpr qsizetype kPieceChars = 1024;

std::int32_t toExtent(qreal v)
{
    if (!(v > 0))
        return 0;
    if (v >= qreal(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::lround(v));
}

} // namespace

SIZE QtTextMeasurer::textExtent(const LOGFONTA& twipsFont, const QByteArray& text)
{
    const ScaledFont font = scaledFont(twipsFont);
    const qreal scale = font.scale;
    const QFontMetricsF metrics(font.font);
    const QString unicode = fromCp1252(text);
    qreal width = 0;
    for (qsizetype at = 0; at < unicode.size(); at += kPieceChars)
        width += metrics.horizontalAdvance(unicode.mid(at, kPieceChars));
    const qreal height = metrics.ascent() + metrics.descent();
    return {toExtent(width * scale), toExtent(height * scale)};
}
