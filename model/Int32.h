#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Numbers of a template are 32-bit two's-complement integers that wrap around.
// These helpers do that arithmetic without signed overflow, and convert
// floating-point values the way the x86 truncating conversion does: toward
// zero, and INT32_MIN for NaN or anything outside the 32-bit range.
namespace int32 {

inline std::int32_t wrap(std::uint32_t u)
{
    return static_cast<std::int32_t>(u);
}

inline std::int32_t add(std::int32_t a, std::int32_t b)
{
    return wrap(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t sub(std::int32_t a, std::int32_t b)
{
    return wrap(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

inline std::int32_t mul(std::int32_t a, std::int32_t b)
{
    return wrap(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

inline std::int32_t trunc(double v)
{
    if (!(v > -2147483649.0 && v < 2147483648.0))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

inline std::int32_t trunc(float v)
{
    return trunc(static_cast<double>(v));
}

// Cuts a value to its low 16 bits, read as signed (a C++17-safe short cast).
inline std::int16_t toInt16(std::int32_t v)
{
    const auto u = static_cast<std::uint16_t>(static_cast<std::uint32_t>(v) & 0xFFFFu);
    return static_cast<std::int16_t>(u >= 0x8000u ? int(u) - 0x10000 : int(u));
}

} // namespace int32
