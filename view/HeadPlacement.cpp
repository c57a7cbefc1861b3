#include "HeadPlacement.h"

#include "model/Int32.h"

#include <algorithm>
#include <limits>

namespace placement {

namespace {

std::int32_t saturate(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t snap(std::int64_t v)
{
    const std::int64_t q = v / kGrid; // truncates toward zero
    const std::int64_t r = v - q * kGrid;
    std::int64_t result = q * kGrid;
    if (2 * r > kGrid)
        result += kGrid;
    else if (-2 * r > kGrid)
        result -= kGrid;
    // Rounding away from zero can pass the 32-bit range only at its very ends.
    return saturate(result);
}

POINT placedCorner(const RECT& bounds, std::int64_t dx, std::int64_t dy, std::int32_t pageWidth,
                   std::int32_t pageHeight)
{
    // Measured with 32-bit wrap-around, as the bounds were, so a head near
    // the ends of the range keeps its true size.
    const std::int64_t width = int32::sub(bounds.right, bounds.left);
    const std::int64_t height = int32::sub(bounds.top, bounds.bottom);
    std::int64_t left = std::max<std::int64_t>(bounds.left + dx, 0);
    std::int64_t top = std::min<std::int64_t>(bounds.top + dy, 0);
    if (left + width > pageWidth)
        left = pageWidth - width;
    if (top - height < -std::int64_t(pageHeight))
        top = height - pageHeight;
    return POINT{snap(left), snap(top)};
}

std::int32_t arrowStep(bool ctrl, bool shift)
{
    if (!ctrl)
        return kStepPlain;
    return shift ? kStepFine : kStepCtrl;
}

RECT normalized(const RECT& r)
{
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

bool isEmpty(const RECT& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

RECT united(const RECT& a, const RECT& b)
{
    if (isEmpty(b))
        return a;
    if (isEmpty(a))
        return b;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool contains(const RECT& r, POINT p)
{
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

} // namespace placement
