#include "QtTextMeasurer.h"

#include "Codepage.h"
#include "FontFromLogFont.h"

#include <QFontMetricsF>

#include <cmath>
#include <limits>

namespace {

// Qt lays text out in 26.6 fixed point: an advance beyond 2^25 units, or the
// ascent of a font some 20000 pixels tall, wraps around to garbage. Larger
// fonts are therefore measured at this size and scaled, and long text in
// pieces whose advance stays far below the limit even at up to 4 ems a
// character. Heads of ordinary size and length are measured in one go.
constexpr int kLargestMeasuredPixels = 4096;
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
    QFont qfont = fontFromLogFont(twipsFont);
    qreal scale = 1.0;
    if (qfont.pixelSize() > kLargestMeasuredPixels) {
        scale = qreal(qfont.pixelSize()) / kLargestMeasuredPixels;
        qfont.setPixelSize(kLargestMeasuredPixels);
    }
    const QFontMetricsF metrics(qfont);
    const QString unicode = fromCp1252(text);
    qreal width = 0;
    for (qsizetype at = 0; at < unicode.size(); at += kPieceChars)
        width += metrics.horizontalAdvance(unicode.mid(at, kPieceChars));
    const qreal height = metrics.ascent() + metrics.descent();
    return {toExtent(width * scale), toExtent(height * scale)};
}
