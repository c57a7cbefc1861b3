#include "FontFromLogFont.h"

#include "Codepage.h"
#include "Int32.h"
#include "Units.h"

#include <QFontMetricsF>

#include <cstdlib>
#include <cstring>

namespace {

// Qt cannot draw glyphs of unbounded size; beyond this a head is a damaged
// record anyway (about 70 inches tall in twips).
constexpr int kMaxPixelSize = 100000;
constexpr int kDefaultPixelSize = 240; // 12 points in twips, for lfHeight 0

QString faceName(const LOGFONTA& font)
{
    const void* end = std::memchr(font.lfFaceName, 0, sizeof font.lfFaceName);
    const int length =
        end ? int(static_cast<const char*>(end) - font.lfFaceName) : int(sizeof font.lfFaceName);
    return fromCp1252(QByteArray(font.lfFaceName, length));
}

} // namespace

QFont fontFromLogFont(const LOGFONTA& lf)
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

    const qint64 height = lf.lfHeight;
    if (height == 0) {
        font.setPixelSize(kDefaultPixelSize);
    } else if (height < 0) {
        font.setPixelSize(int(qMin<qint64>(-height, kMaxPixelSize)));
    } else {
        // A cell height: scale the em so that ascent + descent comes out at it.
        font.setPixelSize(1000);
        const QFontMetricsF probe(font);
        const qreal cell = probe.ascent() + probe.descent();
        const qreal em = cell > 0 ? qreal(height) * 1000.0 / cell : qreal(height);
        font.setPixelSize(qBound(1, qRound(qMin<qreal>(em, kMaxPixelSize)), kMaxPixelSize));
    }
    return font;
}

LOGFONTA inTwips(const LOGFONTA& pointsFont)
{
    LOGFONTA lf = pointsFont;
    lf.lfHeight = int32::mul(lf.lfHeight, units::kTwipsPerPoint);
    return lf;
}

QFont pageFont(const LOGFONTA& pointsFont)
{
    return fontFromLogFont(inTwips(pointsFont));
}
