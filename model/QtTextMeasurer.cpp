#include "QtTextMeasurer.h"

#include "Codepage.h"
#include "FontFromLogFont.h"

#include <QFontMetricsF>

#include <cmath>

SIZE QtTextMeasurer::textExtent(const LOGFONTA& twipsFont, const QByteArray& text)
{
    const QFontMetricsF metrics(fontFromLogFont(twipsFont));
    const qreal width = metrics.horizontalAdvance(fromCp1252(text));
    const qreal height = metrics.ascent() + metrics.descent();
    return {std::int32_t(std::lround(width)), std::int32_t(std::lround(height))};
}
