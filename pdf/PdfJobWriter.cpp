#include "PdfJobWriter.h"

#include "PdfSyntax.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QIODevice>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint32_t K = PdfJobWriter::kPagesPerChunk;
// Objects of one chunk: K content streams, K page dictionaries, the leaf of
// the page tree and the object stream that holds dictionaries and leaf.
constexpr std::uint32_t kChunkObjects = 2 * K + 2;
constexpr qsizetype kFlushBytes = 1 << 20;

// Cross-reference stream rows: type, 5-byte offset or object stream number,
// 2-byte generation or index.
constexpr int kRowBytes = 8;

QByteArray utf16Text(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}

} // namespace

struct PdfJobWriter::Private
{
    explicit Private(QIODevice& device) : out(device) {}

    QIODevice& out;
    QByteArray buffer;
    std::uint64_t position = 0;
    bool failed = false;
    QString error;

    Id nextId = 1;
    std::vector<std::uint64_t> sharedOffsets{0}; // by id; 0 = never written
    bool pagesBegun = false;

    // Page layout, fixed by beginPages.
    std::uint64_t pageCount = 0;
    std::uint64_t chunkCount = 0;
    Id firstPageObject = 0;
    std::vector<std::uint64_t> levelCounts; // nodes per tree level above the leaves
    std::vector<Id> levelFirstId;
    Id rootId = 0;
    QByteArray rootEntries; // /MediaBox and /Resources, inherited by every page

    // The chunk being filled.
    std::uint64_t pagesAdded = 0;
    std::vector<std::uint64_t> contentOffsets; // 0 = blank page
    QByteArray pageDicts;
    QByteArray objectIndex;

    // The cross-reference stream, compressed as it grows: PNG "Up" rows.
    z_stream xref{};
    bool xrefOpen = false;
    unsigned char previousRow[kRowBytes] = {};
    QByteArray xrefData;
    Id rowsWritten = 0;

    // Reused for every content stream.
    z_stream content{};
    bool contentOpen = false;
    QByteArray contentBuffer;

    ~Private()
    {
        if (xrefOpen)
            deflateEnd(&xref);
        if (contentOpen)
            deflateEnd(&content);
    }

    void write(const char* data, qsizetype size)
    {
        buffer.append(data, size);
        position += std::uint64_t(size);
        if (buffer.size() >= kFlushBytes)
            flush();
    }
    void write(const QByteArray& data) { write(data.constData(), data.size()); }

    void flush()
    {
        if (buffer.isEmpty() || failed) {
            buffer.clear();
            return;
        }
        if (out.write(buffer) != buffer.size()) {
            failed = true;
            error = out.errorString();
        }
        buffer.clear();
    }

    void beginObject(Id id) { write(QByteArray::number(id) + " 0 obj\n"); }

    void writeStreamObject(Id id, const QByteArray& entries, const char* data, qsizetype size)
    {
        beginObject(id);
        write("<<" + entries + "/Length " + QByteArray::number(size) + ">>stream\n");
        write(data, size);
        write("\nendstream\nendobj\n");
    }

    // Appends one row to the compressed cross-reference data.
    void addRow(int type, std::uint64_t field2, std::uint32_t field3)
    {
        unsigned char row[1 + kRowBytes];
        row[0] = 2; // PNG Up predictor
        const unsigned char plain[kRowBytes] = {
            static_cast<unsigned char>(type),         static_cast<unsigned char>(field2 >> 32),
            static_cast<unsigned char>(field2 >> 24), static_cast<unsigned char>(field2 >> 16),
            static_cast<unsigned char>(field2 >> 8),  static_cast<unsigned char>(field2),
            static_cast<unsigned char>(field3 >> 8),  static_cast<unsigned char>(field3),
        };
        for (int i = 0; i < kRowBytes; ++i) {
            row[1 + i] = static_cast<unsigned char>(plain[i] - previousRow[i]);
            previousRow[i] = plain[i];
        }
        feedXref(row, sizeof row, Z_NO_FLUSH);
        ++rowsWritten;
    }

    void feedXref(const unsigned char* data, unsigned size, int flush)
    {
        xref.next_in = const_cast<unsigned char*>(data);
        xref.avail_in = size;
        unsigned char chunk[4096];
        do {
            xref.next_out = chunk;
            xref.avail_out = sizeof chunk;
            deflate(&xref, flush);
            xrefData.append(reinterpret_cast<const char*>(chunk), qsizetype(sizeof chunk - xref.avail_out));
        } while (xref.avail_out == 0);
    }

    Id chunkBase(std::uint64_t chunk) const { return Id(firstPageObject + chunk * kChunkObjects); }

    // The node above node index at level (0 = leaves); 0 for the root.
    Id parentOf(std::size_t level, std::uint64_t index) const
    {
        if (level >= levelCounts.size())
            return 0;
        return levelFirstId[level] + Id(index / K);
    }

    // Pages below node index at level: K^(level+1) each, the last one fewer.
    std::uint64_t pagesBelow(std::size_t level, std::uint64_t index) const
    {
        std::uint64_t span = K;
        for (std::size_t i = 0; i < level; ++i)
            span *= K;
        const std::uint64_t first = index * span;
        return std::min(span, pageCount - first);
    }

    QByteArray nodeDict(Id parent, const QByteArray& kids, std::uint64_t count, bool root) const
    {
        QByteArray dict = "<</Type/Pages";
        if (parent)
            dict += "/Parent " + ref(parent);
        dict += "/Kids[" + kids + "]/Count " + QByteArray::number(quint64(count));
        if (root)
            dict += rootEntries;
        return dict + ">>";
    }

    void finishChunk();
    bool compressContent(const QByteArray& data);
};

PdfJobWriter::PdfJobWriter(QIODevice& out) : d(std::make_unique<Private>(out))
{
    d->write("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
}

PdfJobWriter::~PdfJobWriter() = default;

PdfJobWriter::Id PdfJobWriter::reserve()
{
    d->sharedOffsets.push_back(0);
    return d->nextId++;
}

void PdfJobWriter::writeObject(Id id, const QByteArray& body)
{
    if (d->pagesBegun || id == 0 || id >= d->nextId)
        return;
    d->sharedOffsets[id] = d->position;
    d->beginObject(id);
    d->write(body);
    d->write("\nendobj\n");
}

void PdfJobWriter::writeStream(Id id, const QByteArray& dictEntries, const QByteArray& data)
{
    if (d->pagesBegun || id == 0 || id >= d->nextId)
        return;
    d->sharedOffsets[id] = d->position;
    d->writeStreamObject(id, dictEntries, data.constData(), data.size());
}

QByteArray PdfJobWriter::ref(Id id)
{
    return QByteArray::number(id) + " 0 R";
}

QByteArray PdfJobWriter::number(double value)
{
    return std::isfinite(value) ? pdfsyntax::number(value) : QByteArray("0");
}

void PdfJobWriter::beginPages(std::uint64_t pageCount, QSizeF mediaBox, const QByteArray& resources)
{
    if (d->pagesBegun)
        return;
    d->pagesBegun = true;
    // Object numbers are 32-bit here (and far fewer in most readers): a job
    // that would run past them is refused rather than written wrong.
    constexpr std::uint64_t kMaxPages = (std::uint64_t(1) << 31) / kChunkObjects * K;
    if (pageCount > kMaxPages) {
        d->failed = true;
        d->error = QCoreApplication::translate("PdfJobWriter", "Too many pages for one PDF file.");
        pageCount = 0;
    }
    d->pageCount = pageCount;
    d->chunkCount = (pageCount + K - 1) / K;
    d->firstPageObject = d->nextId;
    d->rootEntries = "/MediaBox[0 0 " + number(mediaBox.width()) + ' ' + number(mediaBox.height()) +
                     "]/Resources" + (resources.isEmpty() ? QByteArray("<<>>") : resources);

    // The upper levels of the tree, numbered after the last chunk.
    Id next = d->chunkBase(d->chunkCount);
    for (std::uint64_t count = d->chunkCount; count > 1;) {
        count = (count + K - 1) / K;
        d->levelCounts.push_back(count);
        d->levelFirstId.push_back(next);
        next += Id(count);
    }
    if (!d->levelCounts.empty())
        d->rootId = d->levelFirstId.back();
    else if (d->chunkCount == 1)
        d->rootId = d->chunkBase(0) + 2 * K;
    else
        d->rootId = next++; // no pages: an empty root
    d->nextId = next;

    // Rows for object 0 and the shared objects, which are all written by now.
    deflateInit(&d->xref, Z_DEFAULT_COMPRESSION);
    d->xrefOpen = true;
    d->addRow(0, 0, 0xFFFF);
    for (Id id = 1; id < d->firstPageObject; ++id) {
        if (d->sharedOffsets[id])
            d->addRow(1, d->sharedOffsets[id], 0);
        else
            d->addRow(0, 0, 0);
    }
    d->contentOffsets.reserve(K);
}

bool PdfJobWriter::Private::compressContent(const QByteArray& data)
{
    if (!contentOpen) {
        // A page's operators are a few hundred bytes: a small window and
        // hash keep deflateReset from clearing tables sized for megabytes.
        if (deflateInit2(&content, Z_BEST_SPEED, Z_DEFLATED, 9, 1, Z_DEFAULT_STRATEGY) != Z_OK)
            return false;
        contentOpen = true;
    } else {
        deflateReset(&content);
    }
    const uLong bound = deflateBound(&content, uLong(data.size()));
    if (contentBuffer.size() < qsizetype(bound))
        contentBuffer.resize(qsizetype(bound));
    content.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    content.avail_in = uInt(data.size());
    content.next_out = reinterpret_cast<Bytef*>(contentBuffer.data());
    content.avail_out = uInt(bound);
    return deflate(&content, Z_FINISH) == Z_STREAM_END;
}

void PdfJobWriter::addPage(const QByteArray& content)
{
    if (!d->pagesBegun || d->pagesAdded >= d->pageCount)
        return;
    const std::uint64_t chunk = d->pagesAdded / K;
    const std::uint32_t slot = std::uint32_t(d->pagesAdded % K);
    const Id base = d->chunkBase(chunk);
    const Id contentId = base + slot;
    const Id leafId = base + 2 * K;

    std::uint64_t offset = 0;
    if (!content.isEmpty()) {
        offset = d->position;
        // Flate pays for itself on all but the shortest pages.
        if (content.size() > 64 && d->compressContent(content)) {
            const qsizetype size = qsizetype(d->content.total_out);
            if (size < content.size()) {
                d->writeStreamObject(contentId, "/Filter/FlateDecode", d->contentBuffer.constData(), size);
            } else {
                d->writeStreamObject(contentId, QByteArray(), content.constData(), content.size());
            }
        } else {
            d->writeStreamObject(contentId, QByteArray(), content.constData(), content.size());
        }
    }
    d->contentOffsets.push_back(offset);

    d->objectIndex +=
        QByteArray::number(base + K + slot) + ' ' + QByteArray::number(d->pageDicts.size()) + ' ';
    d->pageDicts += "<</Type/Page/Parent " + ref(leafId);
    if (offset)
        d->pageDicts += "/Contents " + ref(contentId);
    d->pageDicts += ">>\n";

    ++d->pagesAdded;
    if (slot + 1 == K || d->pagesAdded == d->pageCount)
        d->finishChunk();
}

void PdfJobWriter::Private::finishChunk()
{
    const std::uint64_t chunk = (pagesAdded - 1) / K;
    const Id base = chunkBase(chunk);
    const std::uint32_t pages = std::uint32_t(contentOffsets.size());

    QByteArray kids;
    kids.reserve(qsizetype(pages) * 10);
    for (std::uint32_t i = 0; i < pages; ++i) {
        if (i)
            kids += ' ';
        kids += ref(base + K + i);
    }
    objectIndex += QByteArray::number(base + 2 * K) + ' ' + QByteArray::number(pageDicts.size());
    pageDicts += nodeDict(parentOf(0, chunk), kids, pages, base + 2 * K == rootId);

    const QByteArray body = objectIndex + '\n' + pageDicts;
    const QByteArray packed = pdfsyntax::flateEncoded(body);
    const Id streamId = base + 2 * K + 1;
    const std::uint64_t streamOffset = position;
    const QByteArray entries = "/Type/ObjStm/N " + QByteArray::number(pages + 1) + "/First " +
                               QByteArray::number(objectIndex.size() + 1) +
                               (packed.isEmpty() ? QByteArray() : QByteArray("/Filter/FlateDecode"));
    const QByteArray& stored = packed.isEmpty() ? body : packed;
    writeStreamObject(streamId, entries, stored.constData(), stored.size());

    for (std::uint32_t i = 0; i < K; ++i) {
        if (i < pages && contentOffsets[i])
            addRow(1, contentOffsets[i], 0);
        else
            addRow(0, 0, 0);
    }
    for (std::uint32_t i = 0; i < K; ++i) {
        if (i < pages)
            addRow(2, streamId, i);
        else
            addRow(0, 0, 0);
    }
    addRow(2, streamId, pages); // the leaf
    addRow(1, streamOffset, 0);

    contentOffsets.clear();
    pageDicts.clear();
    objectIndex.clear();
}

bool PdfJobWriter::finish(const QString& title)
{
    if (!d->pagesBegun)
        beginPages(0, QSizeF(612, 792), QByteArray());
    while (d->pagesAdded < d->pageCount)
        addPage(QByteArray()); // never left short: a tree must count what it holds

    // Upper levels of the page tree; with no pages at all, an empty root.
    std::vector<std::uint64_t> offsets;
    Id id = d->chunkBase(d->chunkCount);
    for (std::size_t level = 0; level < d->levelCounts.size(); ++level) {
        const std::uint64_t below = level == 0 ? d->chunkCount : d->levelCounts[level - 1];
        for (std::uint64_t node = 0; node < d->levelCounts[level]; ++node, ++id) {
            QByteArray kids;
            const std::uint64_t last = std::min(below, (node + 1) * K);
            for (std::uint64_t child = node * K; child < last; ++child) {
                if (child != node * K)
                    kids += ' ';
                kids +=
                    ref(level == 0 ? d->chunkBase(child) + 2 * K : d->levelFirstId[level - 1] + Id(child));
            }
            offsets.push_back(d->position);
            d->beginObject(id);
            d->write(d->nodeDict(d->parentOf(level + 1, node), kids, d->pagesBelow(level + 1, node),
                                 id == d->rootId));
            d->write("\nendobj\n");
        }
    }
    if (d->chunkCount == 0) {
        offsets.push_back(d->position);
        d->beginObject(id);
        d->write(d->nodeDict(0, QByteArray(), 0, true) + "\nendobj\n");
        ++id;
    }

    const Id catalog = id++;
    offsets.push_back(d->position);
    d->beginObject(catalog);
    d->write("<</Type/Catalog/Pages " + ref(d->rootId) + ">>\nendobj\n");

    const Id info = id++;
    offsets.push_back(d->position);
    d->beginObject(info);
    const QByteArray created =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    d->write("<</Title" + utf16Text(title) +
             "/Creator(Tallimark)/Producer(Tallimark)/CreationDate(D:" + created + "Z)>>\nendobj\n");

    const Id xrefId = id++;
    const std::uint64_t xrefOffset = d->position;
    offsets.push_back(xrefOffset);
    for (const std::uint64_t offset : offsets)
        d->addRow(1, offset, 0);
    d->feedXref(nullptr, 0, Z_FINISH);

    const QByteArray fileId =
        QCryptographicHash::hash(title.toUtf8() + created + QByteArray::number(d->position),
                                 QCryptographicHash::Md5)
            .toHex();
    d->beginObject(xrefId);
    d->write("<</Type/XRef/Size " + QByteArray::number(xrefId + 1) + "/W[1 5 2]/Root " + ref(catalog) +
             "/Info " + ref(info) + "/ID[<" + fileId + "><" + fileId +
             ">]/Filter/FlateDecode/DecodeParms<</Columns 8/Predictor 12>>/Length " +
             QByteArray::number(d->xrefData.size()) + ">>stream\n");
    d->write(d->xrefData);
    d->write("\nendstream\nendobj\nstartxref\n" + QByteArray::number(quint64(xrefOffset)) + "\n%%EOF\n");
    d->flush();
    return ok();
}

bool PdfJobWriter::ok() const
{
    return !d->failed;
}

QString PdfJobWriter::errorString() const
{
    return d->error;
}

std::uint64_t PdfJobWriter::bytesWritten() const
{
    return d->position;
}
