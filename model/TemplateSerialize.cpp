// The ".tmt" template file: the document's fields and head records in a fixed
// order, little-endian, with the imported PDF file embedded at the end. There
// is no signature or version; the first byte belongs to the printer name.
// What the Windows fields cannot hold follows in the extension block.
#include "Archive.h"
#include "CadenzoDoc.h"
#include "ExtensionBlock.h"
#include "InputFile.h"
#include "LittleEndian.h"

#include <algorithm>

namespace {

void writeRect(CArchive& ar, const RECT& r)
{
    ar.writeInt32(r.left);
    ar.writeInt32(r.top);
    ar.writeInt32(r.right);
    ar.writeInt32(r.bottom);
}

// Rectangles and point pairs are one block each in the file: all or nothing.
RECT readRect(CArchive& ar)
{
    unsigned char b[16];
    ar.readExactly(b, sizeof b);
    auto at = [&b](int i) { return le::getInt32(b + i); };
    return RECT{at(0), at(4), at(8), at(12)};
}

void readPair(CArchive& ar, std::int32_t& first, std::int32_t& second)
{
    unsigned char b[8];
    ar.readExactly(b, sizeof b);
    auto at = [&b](int i) { return le::getInt32(b + i); };
    first = at(0);
    second = at(4);
}

// One head record: 136 fixed bytes, then preface and suffix.
void serializeHead(CArchive& ar, HEADING& head)
{
    unsigned char font[kLogFontBytes];
    unsigned char color[4];

    if (ar.IsStoring()) {
        ar.writeInt32(head.x);
        ar.writeInt32(head.y);
        ar.writeInt32(head.extent.cx);
        ar.writeInt32(head.extent.cy);
        writeRect(ar, head.bounds);
        writeRect(ar, head.captionRect);
        ar.writeInt32(head.spaceBeforeSuffix);
        ar.writeInt32(head.spaceAfterPreface);
        ar.writeInt32(head.zeroPad);
        ar.writeInt32(head.seed);
        ar.writeInt32(head.digits);
        ar.writeInt32(head.rotation);
        logFontToBytes(head.font, font);
        ar.writeBytes(font, sizeof font);
        ar.writeUInt32(head.color);
        ar.writeString(head.preface);
        ar.writeString(head.suffix);
        return;
    }

    readPair(ar, head.x, head.y);
    readPair(ar, head.extent.cx, head.extent.cy);
    head.bounds = readRect(ar);
    head.captionRect = readRect(ar);
    // Flags are kept as stored; every user treats non-zero as set.
    head.spaceBeforeSuffix = ar.readInt32();
    head.spaceAfterPreface = ar.readInt32();
    head.zeroPad = ar.readInt32();
    head.seed = ar.readInt32();
    head.digits = ar.readInt32();
    head.rotation = ar.readInt32();

    // Font and colour are read without a length check: bytes the file lacks
    // keep the head's current values. The preface that follows then fails.
    logFontToBytes(head.font, font);
    ar.readAvailable(font, sizeof font);
    logFontFromBytes(font, head.font);

    for (int i = 0; i < 4; ++i)
        color[i] = static_cast<unsigned char>(head.color >> (8 * i));
    ar.readAvailable(color, sizeof color);
    head.color = COLORREF(le::getUInt32(color));

    head.preface = ar.readString();
    head.suffix = ar.readString();
}

} // namespace

void CCadenzoDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.writeString(printerName);
        ar.writeInt32(paperWidth);
        ar.writeInt32(paperHeight);
        ar.writeUInt16(orientation);
        ar.writeUInt16(paperSize);
        ar.writeInt32(startNumber);
        ar.writeInt32(copies);
        ar.writeInt32(skip);
        ar.writeInt32(step);
        ar.writeInt32(totalPages);
        ar.writeUInt8(ascending ? 1 : 0);
        ar.writeUInt32(std::uint32_t(heads.size()));
        for (const auto& head : heads)
            serializeHead(ar, *head);
        ar.writeString(pdfPath);
        // The stored length always matches the bytes that follow, even if the
        // document's length and block ever disagreed.
        const std::uint32_t length = pdfData ? std::min(pdfLength, pdfData->length) : 0;
        ar.writeUInt32(length);
        ar.writeInt32(pdfPageNumber);
        if (length != 0)
            ar.writeBytes(pdfData->bytes.get(), length);
        // Only a template with records gets the block, so every other one is
        // the Windows file byte for byte.
        const QByteArray extension = extblock::Encode(*this);
        ar.writeBytes(extension.constData(), extension.size());
        return;
    }

    // A failed read must not leave the page of a file that could not be
    // opened: the caller empties settings and heads, and the page fields that
    // emptying keeps are put back here.
    const QByteArray oldPrinterName = printerName;
    const std::int32_t oldWidth = paperWidth;
    const std::int32_t oldHeight = paperHeight;
    const std::uint16_t oldOrientation = orientation;
    const std::uint16_t oldPaperSize = paperSize;
    try {
        printerName = ar.readString();
        readPair(ar, paperWidth, paperHeight);
        orientation = ar.readUInt16();
        paperSize = ar.readUInt16();
        startNumber = ar.readInt32();
        copies = ar.readInt32();
        skip = ar.readInt32();
        step = ar.readInt32();
        totalPages = ar.readInt32();
        ascending = ar.readUInt8() != 0;

        // Heads are read one by one, never reserved ahead: a damaged count
        // runs into the end of the data after as many heads as the file holds.
        const std::uint32_t count = ar.readUInt32();
        for (std::uint32_t i = 0; i < count; ++i) {
            auto head = std::make_unique<HEADING>();
            serializeHead(ar, *head);
            heads.push_back(std::move(head));
        }

        pdfPath = ar.readString();
        pdfLength = ar.readUInt32();
        pdfPageNumber = ar.readInt32();

        if (pdfLength != 0) {
            // Only the bytes the file really holds are taken, so a damaged
            // length cannot allocate gigabytes; the length then describes the
            // block, and saving writes a consistent file.
            std::shared_ptr<PdfBlock> block = ReadPdfBlock(*ar.device(), pdfLength);
            pdfLength = block ? block->length : 0;
            if (block)
                AttachPdf(std::move(block));
        }
        // Never fails the open: a damaged block leaves the plain template.
        // A pipe kept open after the template delays this by its idle limit.
        extblock::Read(*ar.device(), *this);
    } catch (...) {
        printerName = oldPrinterName;
        paperWidth = oldWidth;
        paperHeight = oldHeight;
        orientation = oldOrientation;
        paperSize = oldPaperSize;
        throw;
    }
}
