#pragma once

#include <cstdint>

// The View preference word: which parts of the editor are shown. Loaded once
// at start-up, stored at exit; bits other than these are kept as read.
namespace prefs {

constexpr std::uint32_t kShowPanel = 0x04;
constexpr std::uint32_t kShowCaptions = 0x08;
constexpr std::uint32_t kShowFieldHelp = 0x10;
constexpr std::uint32_t kDefaultViewWord = 0x1C;

std::uint32_t& viewWord();

inline bool isSet(std::uint32_t bit) { return (viewWord() & bit) != 0; }
inline void toggle(std::uint32_t bit) { viewWord() ^= bit; }

} // namespace prefs
