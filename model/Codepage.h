#pragma once

#include <QByteArray>
#include <QString>

// Template strings are single-byte Windows-1252 text, exactly as the file holds
// them; they become Unicode only where they are shown or handed to Qt.
QString fromCp1252(const QByteArray& bytes);
// Characters that Windows-1252 cannot hold become '?'.
QByteArray toCp1252(const QString& text);
