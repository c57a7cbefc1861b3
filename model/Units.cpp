#include "Units.h"

std::optional<DisplayUnits> displayUnitsFromId(int id)
{
    switch (id) {
    case int(DisplayUnits::inches):
        return DisplayUnits::inches;
    case int(DisplayUnits::millimetres):
        return DisplayUnits::millimetres;
    default:
        return std::nullopt;
    }
}

// Every step below is a single-precision operation; the intermediate floats are
// named so that no step is carried out in a wider type.
std::int32_t DisplayToTwips(float value, DisplayUnits units)
{
    const float twips = value * float(units::kTwipsPerInch);
    if (units == DisplayUnits::inches)
        return int32::trunc(twips);
    const float inches = twips / 25.4f;
    const float rounded = inches + 0.5f;
    return int32::trunc(rounded);
}

float TwipsToDisplay(std::int32_t twips, DisplayUnits units)
{
    const float inches = units::twipsToInches(twips);
    return units == DisplayUnits::inches ? inches : inches * 25.4f;
}

float TenthsMmToDisplay(std::int32_t tenths, DisplayUnits units)
{
    const float value = float(int32::toInt16(tenths));
    return units == DisplayUnits::inches ? value / 254.0f : value / 10.0f;
}
