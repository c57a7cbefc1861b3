#include "ViewGeometry.h"

#include "model/Int32.h"
#include "model/Units.h"

#include <cstdlib>
#include <limits>

namespace viewgeom {

std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = std::int64_t(a) * std::int64_t(b);
    const std::int64_t q = p / c;
    const std::int64_t r = p % c;
    std::int64_t result = q;
    // Round half away from zero: the remainder is at least half the divisor.
    if (2 * std::llabs(r) >= std::llabs(std::int64_t(c)))
        result += ((p < 0) != (c < 0)) ? -1 : 1;
    if (result > std::numeric_limits<std::int32_t>::max() ||
        result < std::numeric_limits<std::int32_t>::min())
        return -1;
    return std::int32_t(result);
}

int zoomIn(int zoom)
{
    if (zoom >= kZoomMax)
        return zoom;
    return zoom - zoom % 25 + 25;
}

int zoomOut(int zoom)
{
    if (zoom <= kZoomMin)
        return zoom;
    const int rest = zoom % 25;
    return rest != 0 ? zoom - rest : zoom - 25;
}

ScrollSizes scrollSizes(const RECT& pageRect, int zoom, int dpiX, int dpiY)
{
    // Half an inch of margin, scaled like the page; 32-bit steps as stored.
    const std::int32_t cx =
        int32::mul(int32::add(int32::sub(pageRect.right, pageRect.left), 720), zoom) / 100;
    const std::int32_t cy =
        int32::mul(int32::add(int32::sub(pageRect.top, pageRect.bottom), 720), zoom) / 100;
    ScrollSizes s;
    s.total = QSize(mulDiv(cx, dpiX, units::kTwipsPerInch), mulDiv(cy, dpiY, units::kTwipsPerInch));
    s.page = s.total / 10;
    s.line = s.page / 10;
    return s;
}

PageToDevice windowMapping(int zoom, int dpiX, int dpiY, QPoint scroll)
{
    // The zoom factor is single precision, as the page transform is.
    const double z = double(float(zoom) / 100.0f);
    PageToDevice m;
    constexpr double twipsPerInch = units::kTwipsPerInch;
    m.scaleX = z * dpiX / twipsPerInch;
    m.scaleY = z * dpiY / twipsPerInch;
    // The page's corner sits a quarter inch from the canvas corner at every zoom.
    m.origin = QPointF(360.0 * dpiX / twipsPerInch - scroll.x(), 360.0 * dpiY / twipsPerInch - scroll.y());
    return m;
}

int twipsToPixels(std::int32_t twips, int zoom, int dpi)
{
    return mulDiv(mulDiv(twips, zoom, 100), dpi, units::kTwipsPerInch);
}

POINT captionPosition(const RECT& bounds, SIZE size, std::int32_t pageWidth)
{
    const std::int32_t h = size.cy < 0 ? int32::sub(0, size.cy) : size.cy;
    POINT q;
    q.y = int32::sub(0, bounds.top) >= h ? int32::add(bounds.top, h) : bounds.bottom;
    q.x = int32::add(bounds.left, size.cx) <= pageWidth ? bounds.left : int32::sub(bounds.right, size.cx);
    return q;
}

} // namespace viewgeom
