#pragma once

#include "Int32.h"

#include <cstdint>
#include <optional>

// Lengths on the page are twips (1/1440 inch), papers come in tenths of a
// millimetre, head fonts in points, and the user reads inches or millimetres.
// Stored templates were measured with these exact single-precision steps, so
// every conversion lives here and nowhere else.
namespace units {

constexpr std::int32_t kTwipsPerInch = 1440;
constexpr std::int32_t kTwipsPerPoint = 20;
constexpr double kPointsPerInch = 72.0;

// Twips to inches, in single precision.
inline float twipsToInches(std::int32_t twips)
{
    return float(twips) / float(kTwipsPerInch);
}

// Inches to tenths of a millimetre: a single-precision product, truncated,
// kept as a 16-bit value.
inline std::int16_t inchesToTenthsMm(float inches)
{
    const float tenths = inches * 254.0f;
    return int32::toInt16(int32::trunc(tenths));
}

// Device pixels per twip at a resolution in dots per inch.
inline double pixelsPerTwip(double dpi)
{
    return dpi / kTwipsPerInch;
}

} // namespace units

// What lengths are shown in: the values are the command ids of the two choices
// and are stored as such in the preferences.
enum class DisplayUnits
{
    inches = 32809,      // "English - inches"
    millimetres = 32810, // "Metric - millimeters"
};

// The units a stored or chosen id stands for; nothing for any other value.
std::optional<DisplayUnits> displayUnitsFromId(int id);

// Conversions in single precision, as the template format expects.
std::int32_t DisplayToTwips(float value, DisplayUnits units);
float TwipsToDisplay(std::int32_t twips, DisplayUnits units);
float TenthsMmToDisplay(std::int32_t tenths, DisplayUnits units); // taken as a signed 16-bit value
