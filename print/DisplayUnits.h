#pragma once

#include <cstdint>

// The process-wide display units: the command ids of the two choices.
constexpr int kUnitsInches = 32809;      // "English - inches"
constexpr int kUnitsMillimetres = 32810; // "Metric - millimeters"

int GetDisplayUnits();
// Any value other than the two unit ids is ignored.
void SetDisplayUnits(int id);

// Conversions in single precision, as the template format expects.
std::int32_t DisplayToTwips(float value);
float TwipsToDisplay(std::int32_t twips);
float TenthsMmToDisplay(std::int32_t tenths); // taken as a signed 16-bit value
