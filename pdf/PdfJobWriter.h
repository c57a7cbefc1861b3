#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;

// Streams a print job as a PDF: the objects every sheet shares (background
// form, fonts) first, then the pages one by one as they are produced, so that
// memory stays flat however many sheets the job has.
//
// Each page is a small content stream plus a page dictionary. The page
// dictionaries go into compressed object streams, a few hundred at a time,
// which double as the leaves of the page tree; the cross-reference stream is
// compressed as it grows. Page numbers, object numbers and the page tree are
// laid out from the page count given up front.
class PdfJobWriter
{
public:
    using Id = std::uint32_t; // an object number; 0 is no object

    // Writes to out, which must stay open until finish().
    explicit PdfJobWriter(QIODevice& out);
    ~PdfJobWriter();
    PdfJobWriter(const PdfJobWriter&) = delete;
    PdfJobWriter& operator=(const PdfJobWriter&) = delete;

    // --- Objects shared by the pages: only before beginPages(). ---

    // A new object number, to be written with writeObject or writeStream in
    // any order before beginPages(); one never written is left out.
    Id reserve();
    // Writes object id; body is a complete PDF object ("<</Type/Font ...>>",
    // "[1 2 3]", "42").
    void writeObject(Id id, const QByteArray& body);
    // Writes stream object id. dictEntries are the dictionary's entries
    // without << >> and without /Length ("/Subtype/Form/Filter/FlateDecode");
    // data is stored as given, already encoded as the entries say.
    void writeStream(Id id, const QByteArray& dictEntries, const QByteArray& data);

    // "12 0 R"
    static QByteArray ref(Id id);
    // A real number as PDF writes it (pdfsyntax::number), and "0" for one
    // that is not finite.
    static QByteArray number(double value);

    // --- Pages ---

    // Starts pageCount pages, each mediaBox points large, all sharing the
    // resource dictionary resources (a complete dictionary, "<</Font<<...>>>>").
    void beginPages(std::uint64_t pageCount, QSizeF mediaBox, const QByteArray& resources);
    // Adds the next page, drawn by content (uncompressed operators); an empty
    // content gives a blank page. Exactly pageCount pages must be added.
    void addPage(const QByteArray& content);
    // Writes the page tree, the catalogue, the document information (title,
    // creator) and the cross-reference stream, and flushes. Returns ok().
    bool finish(const QString& title);

    // False once anything could not be written (a full disk); the reason is
    // in errorString().
    bool ok() const;
    QString errorString() const;
    // Bytes written so far.
    std::uint64_t bytesWritten() const;

    // Page dictionaries per object stream and kids per page tree node.
    static constexpr std::uint32_t kPagesPerChunk = 256;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
