#pragma once

#include "Units.h"

#include <cstdint>

// What the user chose to see: the View preference word, the pages the print
// preview showed last and the display units. The application loads it at
// start-up, hands it to the window parts that show or change it, and stores
// it at exit.
struct Preferences
{
    static constexpr std::uint32_t kShowPanel = 0x04;
    static constexpr std::uint32_t kShowCaptions = 0x08;
    static constexpr std::uint32_t kShowFieldHelp = 0x10;
    static constexpr std::uint32_t kDefaultViewWord = 0x1C;

    // Bits other than the three above are kept as read.
    std::uint32_t viewWord = kDefaultViewWord;
    // 0 = the preview was never shown, and then nothing is stored.
    int previewPages = 0;
    DisplayUnits units = DisplayUnits::inches;

    bool isSet(std::uint32_t bit) const { return (viewWord & bit) != 0; }
    void toggle(std::uint32_t bit) { viewWord ^= bit; }
};
