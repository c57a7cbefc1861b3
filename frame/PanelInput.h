#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// How the settings panel reads what is typed into its fields.
namespace panelinput {

// The whole text as an unsigned decimal number; nothing for empty text or any
// character other than a digit. Values past the 32-bit range read as
// UINT32_MAX, which every field rejects.
std::optional<std::uint32_t> readUnsigned(const QString& text);

// A list entry's text as a signed decimal number: leading blanks skipped,
// reading stops at the first non-digit, no digits read as 0 ("*" is 0).
std::int32_t readLeadingInt(const QString& text);

// A length as typed: leading blanks, an optional sign, digits with a decimal
// point and an exponent; reading stops at the first character that does not
// fit, and text without a number reads as 0. Narrowed to single precision.
float readLeadingFloat(const QString& text);

} // namespace panelinput
