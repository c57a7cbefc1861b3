#include "PreferenceStore.h"

#include "model/Preferences.h"

#include <QLocale>
#include <QSettings>

namespace prefs {

namespace {

const QString kViewKey = QStringLiteral("Settings/View");
const QString kUnitsKey = QStringLiteral("Settings/Units");
const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

// The store keeps 32-bit numbers; a value that is no number counts as absent.
// Larger numbers keep their low 32 bits, as a DWORD would.
std::uint32_t readNumber(const QSettings& settings, const QString& key, std::uint32_t fallback)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? static_cast<std::uint32_t>(static_cast<qulonglong>(number)) : fallback;
}

// With no stored choice the units follow the locale: millimetres where it
// measures in metric. The C locale keeps the program's own default, inches.
DisplayUnits localeUnits()
{
    const QLocale locale;
    const bool metric =
        locale.language() != QLocale::C && locale.measurementSystem() == QLocale::MetricSystem;
    return metric ? DisplayUnits::millimetres : DisplayUnits::inches;
}

} // namespace

void LoadPreferences(QSettings& settings, Preferences& preferences)
{
    preferences.previewPages = static_cast<std::int32_t>(readNumber(settings, kPreviewPagesKey, 0));
    if (settings.contains(kUnitsKey)) {
        const auto units = static_cast<std::int32_t>(readNumber(settings, kUnitsKey, 0));
        preferences.units = displayUnitsFromId(units).value_or(DisplayUnits::inches);
    } else {
        preferences.units = localeUnits();
    }
    preferences.viewWord = readNumber(settings, kViewKey, preferences.viewWord);
}

void StorePreferences(QSettings& settings, const Preferences& preferences)
{
    settings.setValue(kViewKey, static_cast<qulonglong>(preferences.viewWord));
    settings.setValue(kUnitsKey, int(preferences.units));
    if (preferences.previewPages != 0)
        settings.setValue(kPreviewPagesKey, preferences.previewPages);
    settings.sync();
}

} // namespace prefs
