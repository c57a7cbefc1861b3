#pragma once

struct Preferences;
class QSettings;

// Where the preferences live in the settings store.
namespace prefs {

// Organisation and application name of the settings store: the values live
// under "Ombrelle Tech/Tallimark" in the user's configuration.
constexpr const char* kCompanyKey = "Ombrelle Tech";
constexpr const char* kProgramTitle = "Tallimark";

// Reads "PreviewPages", then "Settings/Units" (only the two unit ids are
// taken; anything else leaves inches) and "Settings/View" (the value in
// preferences is the default). A missing value keeps its default.
void LoadPreferences(QSettings& settings, Preferences& preferences);
// Writes "Settings/View", "Settings/Units" and, when not 0, "PreviewPages".
void StorePreferences(QSettings& settings, const Preferences& preferences);

} // namespace prefs
