#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// One object read out of a PDF file to be written into another, its
// references to the other objects of its set left as holes that are filled
// once the objects have their numbers in the new file.
struct CopiedPdfObject
{
    // A complete object ("<</Font<<...>>>>"); for a stream, its dictionary's
    // entries without << >> and without /Length.
    QByteArray text;
    // Where a reference goes into text: at this position, the object of this
    // index in the set. In order of position.
    std::vector<std::pair<qsizetype, std::uint32_t>> refs;
    bool isStream = false;
    QByteArray data; // a stream's data, encoded as its /Filter says

    // text with each hole filled with "N 0 R", N being ids[index].
    QByteArray resolved(const std::vector<std::uint32_t>& ids) const;
};

// Reads page pageIndex (0-based) of the PDF file in file as a form XObject
// covering a paper paperPoints large, as WriteBackgroundForm writes it:
// objects[0] is the form, the rest what its resources reach, each once.
// Returns false, with *why (may be null) for the user and objects left
// empty, when the file or the page cannot be read. The file's bytes are read
// where they are, and only during the call.
bool CopyPageAsForm(QByteArrayView file, int pageIndex, QSizeF paperPoints,
                    std::vector<CopiedPdfObject>* objects, QString* why = nullptr);
