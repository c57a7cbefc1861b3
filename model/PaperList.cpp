#include "PaperList.h"

#include "model/Int32.h"
#include "model/Units.h"

#include <algorithm>

namespace {

// One square inch in square tenths of a millimetre (254 x 254).
constexpr std::int64_t kAreaTolerance = 64516;

} // namespace

std::uint16_t FindPaperCode(const PaperList& list, float widthInches, float heightInches)
{
    const std::int16_t w10 = units::inchesToTenthsMm(widthInches);
    const std::int16_t h10 = units::inchesToTenthsMm(heightInches);
    // Two 16-bit factors cannot overflow 32 bits.
    const std::int32_t target = std::int32_t(w10) * std::int32_t(h10);

    // count may run ahead of the arrays when a driver reported sizes but no
    // names; never read past what is there.
    const int entries = std::min({list.count, int(list.sizes.size()), int(list.codes.size())});
    for (int i = 0; i < entries; ++i) {
        const PaperList::Size& size = list.sizes[i];
        if (size.width > size.height)
            continue;
        // In 64 bits: an absurd driver size must not wrap round into a match.
        const std::int64_t area = std::int64_t(size.width) * std::int64_t(size.height);
        if (area >= target - kAreaTolerance && area <= target + kAreaTolerance)
            return list.codes[i];
    }
    return kNoPaperMatch;
}
