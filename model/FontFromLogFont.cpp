#include "FontFromLogFont.h"

#include "Codepage.h"
#include "Units.h"

#include <QFontMetricsF>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kDefaultPixelSize = 240; // 12 points in twips, for lfHeight 0

QString faceName(const LOGFONTA& font)
{
    const void* end = std::memchr(font.lfFaceName, 0, sizeof font.lfFaceName);
    const int length =
        end ? int(static_cast<const char*>(end) - font.lfFaceName) : int(sizeof font.lfFaceName);
    return fromCp1252(QByteArray(font.lfFaceName, length));
}

// The font of the record, still at Qt's default size.
QFont unsizedFont(const LOGFONTA& lf)
{
    QFont font(faceName(lf));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferOutline);
    if (lf.lfWeight > 0)
        font.setWeight(QFont::Weight(qBound(1, int(lf.lfWeight), 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

// The em the record asks for, in its own units, before it is cut to
// kMaxFontPixels.
qreal emPixels(const LOGFONTA& lf, QFont font)
{
    const qint64 height = lf.lfHeight;
    if (height == 0)
        return kDefaultPixelSize;
    if (height < 0)
        return qreal(-height);
    // A cell height: scale the em so that ascent + descent comes out at it.
    font.setPixelSize(1000);
    const QFontMetricsF probe(font);
    const qreal cell = probe.ascent() + probe.descent();
    return cell > 0 ? qreal(height) * 1000.0 / cell : qreal(height);
}

} // namespace

QFont fontFromLogFont(const LOGFONTA& lf)
{
    QFont font = unsizedFont(lf);
    const qreal em = emPixels(lf, font);
    font.setPixelSize(qBound(1, int(std::lround(qMin<qreal>(em, kMaxFontPixels))), kMaxFontPixels));
    return font;
}

ScaledFont scaledFont(const LOGFONTA& lf)
{
    ScaledFont scaled{fontFromLogFont(lf), 1.0};
    const int pixels = scaled.font.pixelSize();
    if (pixels > kLargestFacePixels) {
        scaled.scale = qreal(pixels) / kLargestFacePixels;
        scaled.font.setPixelSize(kLargestFacePixels);
    }
    return scaled;
}

LOGFONTA inTwips(const LOGFONTA& pointsFont)
{
    LOGFONTA lf = pointsFont;
    const qint64 twips = qint64(lf.lfHeight) * units::kTwipsPerPoint;
    lf.lfHeight = std::int32_t(qBound(qint64(std::numeric_limits<std::int32_t>::min()), twips,
                                      qint64(std::numeric_limits<std::int32_t>::max())));
    return lf;
}

QFont pageFont(const LOGFONTA& pointsFont)
{
    return fontFromLogFont(inTwips(pointsFont));
}

ScaledFont scaledPageFont(const LOGFONTA& pointsFont)
{
    return scaledFont(inTwips(pointsFont));
}

bool drawnAsStored(const LOGFONTA& pointsFont)
{
    const LOGFONTA lf = inTwips(pointsFont);
    return emPixels(lf, unsizedFont(lf)) <= kMaxFontPixels;
}
