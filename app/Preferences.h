#pragma once

#include <cstdint>

class QSettings;

// The View preference word: which parts of the editor are shown. Loaded once
// at start-up, stored at exit; bits other than these are kept as read.
namespace prefs {

constexpr std::uint32_t kShowPanel = 0x04;
constexpr std::uint32_t kShowCaptions = 0x08;
constexpr std::uint32_t kShowFieldHelp = 0x10;
constexpr std::uint32_t kDefaultViewWord = 0x1C;

std::uint32_t& viewWord();

inline bool isSet(std::uint32_t bit)
{
    return (viewWord() & bit) != 0;
}
inline void toggle(std::uint32_t bit)
{
    viewWord() ^= bit;
}

// Pages the print preview showed last; 0 = never shown, and then not stored.
int& previewPages();

// Organisation and application name of the settings store: the values live
// under "Ombrelle Tech/Tallimark" in the user's configuration.
constexpr const char* kCompanyKey = "Ombrelle Tech";
constexpr const char* kProgramTitle = "Tallimark";

// Reads "PreviewPages", then "Settings/Units" (only the two unit ids are
// taken; anything else leaves inches) and "Settings/View" (the current word
// is the default). A missing value keeps its default.
void LoadPreferences(QSettings& settings);
// Writes "Settings/View", "Settings/Units" and, when not 0, "PreviewPages".
void StorePreferences(QSettings& settings);

} // namespace prefs
