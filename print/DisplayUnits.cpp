#include "DisplayUnits.h"

#include "model/Int32.h"

namespace {

int displayUnits = kUnitsInches;

} // namespace

int GetDisplayUnits()
{
    return displayUnits;
}

void SetDisplayUnits(int id)
{
    if (id == kUnitsInches || id == kUnitsMillimetres)
        displayUnits = id;
}

// Every step below is a single-precision operation; the intermediate floats are
// named so that no step is carried out in a wider type.
std::int32_t DisplayToTwips(float value)
{
    switch (displayUnits) {
    case kUnitsInches: {
        const float twips = value * 1440.0f;
        return int32::trunc(twips);
    }
    case kUnitsMillimetres: {
        const float scaled = value * 1440.0f;
        const float inches = scaled / 25.4f;
        const float rounded = inches + 0.5f;
        return int32::trunc(rounded);
    }
    default:
        return 0;
    }
}

float TwipsToDisplay(std::int32_t twips)
{
    const float inches = float(twips) / 1440.0f;
    switch (displayUnits) {
    case kUnitsInches:
        return inches;
    case kUnitsMillimetres:
        return inches * 25.4f;
    default:
        return 0.0f;
    }
}

float TenthsMmToDisplay(std::int32_t tenths)
{
    const float value = float(int32::toInt16(tenths));
    switch (displayUnits) {
    case kUnitsInches:
        return value / 254.0f;
    case kUnitsMillimetres:
        return value / 10.0f;
    default:
        return 0.0f;
    }
}
