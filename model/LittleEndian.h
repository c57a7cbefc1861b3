#pragma once

#include <cstdint>

// Template files store every number little-endian, whatever the machine.
namespace le {

inline std::uint32_t getUInt32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

inline std::uint16_t getUInt16(const unsigned char* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

inline std::int32_t getInt32(const unsigned char* p)
{
    return static_cast<std::int32_t>(getUInt32(p));
}

inline void putUInt32(unsigned char* p, std::uint32_t u)
{
    p[0] = static_cast<unsigned char>(u);
    p[1] = static_cast<unsigned char>(u >> 8);
    p[2] = static_cast<unsigned char>(u >> 16);
    p[3] = static_cast<unsigned char>(u >> 24);
}

inline void putUInt16(unsigned char* p, std::uint16_t u)
{
    p[0] = static_cast<unsigned char>(u);
    p[1] = static_cast<unsigned char>(u >> 8);
}

} // namespace le
