#pragma once

#include <QLocale>

// Installs the program's translation and Qt's own (qtbase) for locale. A C
// or English locale keeps the program's English texts: nothing is loaded.
// Returns whether the program's translation was found.
bool InstallTranslations(const QLocale& locale);
