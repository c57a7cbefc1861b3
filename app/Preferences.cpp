#include "Preferences.h"

#include "print/DisplayUnits.h"

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

} // namespace

std::uint32_t& viewWord()
{
    static std::uint32_t word = kDefaultViewWord;
    return word;
}

int& previewPages()
{
    static int pages = 0;
    return pages;
}

void LoadPreferences(QSettings& settings)
{
    previewPages() = static_cast<std::int32_t>(readNumber(settings, kPreviewPagesKey, 0));

    // Inches first, so that an unknown stored id really leaves inches.
    SetDisplayUnits(kUnitsInches);
    SetDisplayUnits(static_cast<std::int32_t>(readNumber(settings, kUnitsKey, kUnitsInches)));

    viewWord() = readNumber(settings, kViewKey, viewWord());
}

void StorePreferences(QSettings& settings)
{
    settings.setValue(kViewKey, static_cast<qulonglong>(viewWord()));
    settings.setValue(kUnitsKey, GetDisplayUnits());
    if (previewPages() != 0)
        settings.setValue(kPreviewPagesKey, previewPages());
    settings.sync();
}

} // namespace prefs
