// Writes the seed corpora: templates through the program's own writer, and
// small PDFs through Qt's PDF writer plus one minimal hand-written file.
// With SLOW_DIR it also writes there a page that renders for longer than
// libFuzzer's -timeout, not a seed: it checks that the targets' render limit
// stops it first.
//   make_fuzz_corpus TEMPLATE_DIR PDF_DIR [SLOW_DIR]
// The writer never produces the wide string form, so those seeds are made by
// rewriting one string of a written template.
#include "FuzzSupport.h"

#include "model/CadenzoDoc.h"
#include "model/ExtensionBlock.h"
#include "model/LogFont.h"
#include "model/QtTextMeasurer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

bool writeFile(const QString& dir, const char* name, const QByteArray& bytes)
{
    QFile file(QDir(dir).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", name);
        return false;
    }
    return true;
}

// A PDF drawn by Qt: text, shapes and an image on each page.
QByteArray qtPdf(int pages, QPageLayout::Orientation orientation)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setPageOrientation(orientation);
        writer.setResolution(72);
        QPainter painter(&writer);
        QImage image(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                image.setPixel(x, y, qRgb(x * 16, y * 16, (x ^ y) * 16));
        }
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            painter.setPen(QPen(Qt::blue, 3));
            painter.drawRect(20, 20, 200, 120);
            painter.drawEllipse(QPoint(150, 250), 60, 40);
            painter.drawText(30, 60, QStringLiteral("Form %1").arg(page + 1));
            painter.drawImage(QRect(240, 20, 64, 64), image);
        }
    }
    return buffer.data();
}

// One page of three million path operators, compressed to about 50 KB.
QByteArray slowPagePdf()
{
    QByteArray content;
    for (int i = 0; i < 1000000; ++i)
        content += "0 0 m 612 792 l S\n";
    const QByteArray stream = qCompress(content, 9).mid(4); // without Qt's length prefix
    return "%PDF-1.4\n"
           "1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
           "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
           "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 612 792]/Contents 4 0 R>>endobj\n"
           "4 0 obj<</Length " +
           QByteArray::number(stream.size()) + "/Filter/FlateDecode>>stream\n" + stream +
           "\nendstream endobj\n"
           "trailer<</Root 1 0 R>>\n"
           "%%EOF\n";
}

QByteArray save(const std::function<void(CCadenzoDoc&)>& fill)
{
    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    fill(doc);
    return fuzz::saveToMemory(doc);
}

void embed(CCadenzoDoc& doc, const QByteArray& pdf, std::int32_t page)
{
    auto block = std::make_shared<PdfBlock>(std::uint32_t(pdf.size()));
    std::memcpy(block->bytes.get(), pdf.constData(), std::size_t(pdf.size()));
    doc.pdfData = block;
    doc.pdfLength = block->length;
    doc.pdfPath = "C:\\Forms\\background.pdf";
    doc.pdfPageNumber = page;
}

// Replaces the narrow string text, stored with a one-byte length, by its wide
// form with a wide prefix (FF FE, then the narrow prefix) and 16-bit units.
QByteArray widen(const QByteArray& file, const QByteArray& text, const QString& wide)
{
    const QByteArray narrow = char(text.size()) + text;
    const qsizetype at = file.indexOf(narrow);
    if (at < 0)
        return file;
    QByteArray units;
    for (const QChar c : wide) {
        units += char(c.unicode() & 0xFF);
        units += char(c.unicode() >> 8);
    }
    QByteArray prefix("\xFF\xFE\xFF", 3);
    if (wide.size() < 0xFF) {
        prefix += char(wide.size());
    } else {
        prefix += '\xFF';
        prefix += char(wide.size() & 0xFF);
        prefix += char(wide.size() >> 8);
    }
    return file.left(at) + prefix + units + file.mid(at + narrow.size());
}

// Gives the narrow string text, stored with a one-byte length, the longest
// length prefix readers accept: 0xFF, 0xFFFF, 0xFFFFFFFF, then 64 bits.
QByteArray lengthen(const QByteArray& file, const QByteArray& text)
{
    const QByteArray narrow = char(text.size()) + text;
    const qsizetype at = file.indexOf(narrow);
    if (at < 0)
        return file;
    QByteArray prefix(7, '\xFF');
    prefix += char(text.size());
    prefix += QByteArray(7, '\0');
    return file.left(at) + prefix + text + file.mid(at + narrow.size());
}

// Records on the template and on heads 1 and 3 of three, with the tags at
// both ends of their range and an empty record.
void addRecords(CCadenzoDoc& doc)
{
    while (doc.GetHeadCount() < 3)
        doc.AddNewHead(nullptr);
    doc.extensions.set(1, "layout 2x5");
    doc.extensions.set(0xFFFF, QByteArray(300, '\x5A'));
    doc.heads[0]->extensions.set(0x0100, "barcode");
    doc.heads[2]->extensions.set(2, QByteArray());
    doc.heads[2]->extensions.set(3, QByteArray("\x00\x01\x02\xFF", 4));
}

// Overwrites the 32-bit field at offset of the extension block at the end of
// file, whose records area is area bytes long.
QByteArray patchBlock(QByteArray file, qsizetype area, qsizetype offset, std::uint32_t value)
{
    const qsizetype at = file.size() - area - extblock::kHeaderBytes + offset;
    for (int i = 0; i < 4; ++i)
        file[at + i] = char(value >> (8 * i));
    return file;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_fuzz_corpus TEMPLATE_DIR PDF_DIR [SLOW_DIR]\n");
        return 2;
    }
    fuzz::quietLibraries();
    const QString templates = QString::fromLocal8Bit(argv[1]);
    const QString pdfs = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(templates);
    QDir().mkpath(pdfs);

    const QByteArray onePage = qtPdf(1, QPageLayout::Portrait);
    const QByteArray twoPages = qtPdf(2, QPageLayout::Landscape);
    bool ok = writeFile(pdfs, "one-page.pdf", onePage) && writeFile(pdfs, "two-pages.pdf", twoPages) &&
              writeFile(pdfs, "minimal.pdf", fuzz::minimalPdf());

    QtTextMeasurer measurer;
    const QByteArray severalHeads = save([&measurer](CCadenzoDoc& doc) {
        doc.printerName = "Office Laser";
        doc.startNumber = 1000;
        doc.step = 5;
        doc.copies = 2;
        doc.skip = 1;
        const int rotations[] = {0, 30, 90, 180, 270, -30, 400};
        for (const int rotation : rotations) {
            HEADING* head = doc.AddNewHead(nullptr);
            head->rotation = rotation;
            head->seed = rotation;
            head->zeroPad = rotation % 60 == 0;
            head->digits = 3 + rotation % 7;
            head->spaceBeforeSuffix = 1;
            head->suffix = "/A";
            head->color = makeRgb(200, 10, 10);
            head->font.lfItalic = rotation > 100;
            setFaceName(head->font, rotation < 100 ? "Arial" : "Courier New");
            head->CalcBounds(measurer, doc.GetHeadNumber(0, *head));
        }
    });
    // Heads in the faces a job embeds in each way (TrueType, CFF, a face that
    // shapes ligatures, one that is missing), in every style a head font has,
    // from small to very large; fuzz_job_heads draws the heads of a template
    // with a negative start number as outlines.
    const auto fonts = [](std::int32_t startNumber) {
        return save([startNumber](CCadenzoDoc& doc) {
            doc.startNumber = startNumber;
            doc.totalPages = 40;
            doc.skip = 2;
            struct Face
            {
                const char* name;
                std::int32_t points;
                std::int32_t width;
                std::int32_t weight;
                bool italic, underline, strikeOut;
            };
            const Face faces[] = {{"Times New Roman", -21, 0, 700, false, false, false},
                                  {"Arial", -8, 0, 400, true, true, false},
                                  {"DejaVu Sans", 36, 20, 400, false, false, true},
                                  {"Nimbus Roman", -72, 0, 900, true, false, false},
                                  {"Liberation Mono", -400, 0, 700, false, true, true},
                                  {"Noto Sans", -3300, 300, 100, true, false, false},
                                  {"DejaVu Serif", 6000, 0, 700, false, true, false},
                                  {"No Such Face", -12, 0, 0, false, false, false}};
            doc.DeleteAllHeads();
            std::int32_t y = -1440;
            for (const Face& face : faces) {
                HEADING* head = doc.AddNewHead(nullptr);
                head->x = 720;
                head->y = y;
                y -= 1440;
                head->preface = "Fiche n\xB0 \x80";
                head->suffix = "ffi/\xC9";
                head->spaceBeforeSuffix = 1;
                head->rotation = face.points < 0 ? 45 : -135;
                head->font.lfHeight = face.points;
                head->font.lfWidth = face.width;
                head->font.lfWeight = face.weight;
                head->font.lfItalic = face.italic;
                head->font.lfUnderline = face.underline;
                head->font.lfStrikeOut = face.strikeOut;
                head->color = makeRgb(face.points & 0xFF, 40, 200);
                setFaceName(head->font, face.name);
            }
        });
    };
    const QByteArray descending = save([](CCadenzoDoc& doc) {
        doc.ascending = false;
        doc.totalPages = 250;
        doc.heads.front()->digits = -2147483647 - 1;
        doc.AddNewHead(nullptr)->digits = 300;
    });
    // Strings at the edges of each length prefix the writer uses: one byte,
    // 0xFF then 16 bits, 0xFF 0xFFFF then 32 bits.
    const QByteArray strings = save([](CCadenzoDoc& doc) {
        doc.printerName = QByteArray(254, 'p');
        doc.heads.front()->preface = QByteArray(255, 'n');
        doc.heads.front()->suffix = QByteArray(1000, 's');
    });
    const QByteArray longString =
        save([](CCadenzoDoc& doc) { doc.heads.front()->preface = QByteArray(65534, '\xE9'); });
    const QByteArray wideSource = save([](CCadenzoDoc& doc) {
        doc.heads.front()->preface = "WIDE";
        doc.AddNewHead(nullptr)->suffix = "LONGWIDE";
    });
    QString longWide(300, QChar(u'x'));
    longWide[0] = QChar(u'\u20AC');
    const QByteArray wide =
        widen(widen(wideSource, "WIDE", QStringLiteral("W\u00E9\u4E2D\u20AC")), "LONGWIDE", longWide);
    const QByteArray longestPrefix =
        lengthen(save([](CCadenzoDoc& doc) { doc.heads.front()->suffix = "64-bit"; }), "64-bit");
    const QByteArray withPdf = save([&onePage](CCadenzoDoc& doc) { embed(doc, onePage, 1); });
    const QByteArray secondPage = save([&twoPages](CCadenzoDoc& doc) {
        doc.orientation = 2;
        embed(doc, twoPages, 2);
    });
    const QByteArray pageOutOfRange = save([](CCadenzoDoc& doc) { embed(doc, fuzz::minimalPdf(), 7); });

    // The extension block whole, cut, with lengths that do not fit, and with
    // records for heads the template lacks.
    const QByteArray extended = save(addRecords);
    const QByteArray extendedPdf = save([&onePage](CCadenzoDoc& doc) {
        addRecords(doc);
        embed(doc, onePage, 1);
    });
    const qsizetype area = extended.size() - save([](CCadenzoDoc& doc) {
                                                 while (doc.GetHeadCount() < 3)
                                                     doc.AddNewHead(nullptr);
                                             }).size() -
                           extblock::kHeaderBytes;
    // The last record is head 3's tag 3, four bytes.
    const qsizetype lastOwner = extblock::kHeaderBytes + area - 4 - extblock::kRecordHeaderBytes;
    const QByteArray extendedCut = extended.chopped(7);
    const QByteArray extendedLong = patchBlock(extended, area, 14, std::uint32_t(area + 1000));
    const QByteArray extendedHuge = patchBlock(extended, area, 14, 0xFFFFFFF0u);
    const QByteArray extendedShort = patchBlock(extended, area, 14, std::uint32_t(area - 3));
    const QByteArray extendedMoreHeads = patchBlock(extended, area, lastOwner, 5);
    const QByteArray extendedCount = patchBlock(extended, area, 10, 4);

    QByteArray ascendingTwo = save([](CCadenzoDoc&) {});
    ascendingTwo[33] = 2; // the ascending byte of a template with an empty printer name
    const QByteArray noHeads = save([](CCadenzoDoc& doc) { doc.DeleteAllHeads(); });

    ok = ok && writeFile(templates, "new.tmt", save([](CCadenzoDoc&) {})) &&
         writeFile(templates, "several-heads.tmt", severalHeads) &&
         writeFile(templates, "descending.tmt", descending) && writeFile(templates, "strings.tmt", strings) &&
         writeFile(templates, "long-string.tmt", longString) &&
         writeFile(templates, "wide-strings.tmt", wide) &&
         writeFile(templates, "64-bit-length.tmt", longestPrefix) &&
         writeFile(templates, "with-pdf.tmt", withPdf) &&
         writeFile(templates, "second-page.tmt", secondPage) &&
         writeFile(templates, "page-out-of-range.tmt", pageOutOfRange) &&
         writeFile(templates, "ascending-2.tmt", ascendingTwo) &&
         writeFile(templates, "no-heads.tmt", noHeads) && writeFile(templates, "fonts.tmt", fonts(100)) &&
         writeFile(templates, "fonts-outlined.tmt", fonts(-99)) &&
         writeFile(templates, "extension.tmt", extended) &&
         writeFile(templates, "extension-after-pdf.tmt", extendedPdf) &&
         writeFile(templates, "extension-cut.tmt", extendedCut) &&
         writeFile(templates, "extension-length-past-end.tmt", extendedLong) &&
         writeFile(templates, "extension-length-huge.tmt", extendedHuge) &&
         writeFile(templates, "extension-length-short.tmt", extendedShort) &&
         writeFile(templates, "extension-head-5-of-3.tmt", extendedMoreHeads) &&
         writeFile(templates, "extension-for-4-heads.tmt", extendedCount);
    if (argc == 4) {
        const QString slow = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(slow);
        ok = ok && writeFile(slow, "slow-page.pdf", slowPagePdf());
    }
    return ok ? 0 : 1;
}
