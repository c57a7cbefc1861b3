#pragma once

#include <cstdint>

// Page geometry in twips (1/1440 inch), origin at the page's top-left corner,
// y growing upwards: a rectangle inside the page has top >= bottom.
struct POINT
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const POINT& a, const POINT& b) { return !(a == b); }
};

struct SIZE
{
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    friend bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
    friend bool operator!=(const SIZE& a, const SIZE& b) { return !(a == b); }
};

struct RECT
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RECT& a, const RECT& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }
};
