#pragma once

#include <QStringList>

#include <initializer_list>

// A string list written as plain literals, for test tables.
inline QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QString::fromLatin1(t);
    return list;
}
