#pragma once

#include <cstdint>

// The values a numbering field accepts, in the settings panel and on the
// command line alike; Total Pages counts at least one page.
struct NumberingLimits
{
    std::uint32_t minimum;
    std::uint32_t maximum;

    bool contains(std::uint32_t value) const { return value >= minimum && value <= maximum; }
};

inline NumberingLimits numberingLimits(bool totalPages)
{
    return totalPages ? NumberingLimits{1u, 9999999u} : NumberingLimits{0u, 9999998u};
}
