#pragma once

#include <QByteArray>
#include <QString>

// File names are the file system's bytes, not text. Qt reads them as UTF-8
// and replaces every byte that is not UTF-8, so a Latin-1 name would name
// another file. These two keep such a byte b as the lone surrogate
// U+DC00 + b, which no UTF-8 text decodes to: every name survives the trip
// through a QString, and names in UTF-8 read as they always did. Files whose
// names come from the user are opened with the bytes encodePath gives.
QString decodePath(const QByteArray& bytes);
QByteArray encodePath(const QString& path);

// The name as a message shows it: kept bytes appear as U+FFFD.
QString displayPath(const QString& path);
