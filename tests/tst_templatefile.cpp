// The ".tmt" file: exact bytes of what is written, what reading makes of
// damaged data, and the open/save steps with their messages.
#include "RecordingSink.h"
#include "TestPdf.h"
#include "model/Archive.h"
#include "model/CadenzoDoc.h"
#include "model/ExtensionBlock.h"
#include "model/InputFile.h"
#include "model/MessageSink.h"
#include "model/NativePath.h"
#include "model/UndoChain.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class RecordingView : public DocumentObserver
{
public:
    void OnUpdate(DocumentObserver* sender, int hint) override { calls << qMakePair(sender, hint); }
    QList<QPair<DocumentObserver*, int>> calls;
};

// Takes at most chunk bytes a call, and nothing once capacity bytes are in.
class ShortWriteDevice : public QIODevice
{
public:
    ShortWriteDevice(qint64 chunk, qint64 capacity) : chunk_(chunk), capacity_(capacity)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* p, qint64 size) override
    {
        const qint64 n = qMin(qMin(size, chunk_), capacity_ - data.size());
        if (n <= 0)
            return -1;
        data.append(p, n);
        return n;
    }

private:
    qint64 chunk_;
    qint64 capacity_;
};

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// The template File New makes without printers: one head, never measured.
void makeNewTemplate(CCadenzoDoc& doc)
{
    doc.printerName.clear();
    doc.OnNewDocument();
}

// The exact image of that template, field by field.
QByteArray newTemplateImage()
{
    QByteArray b;
    b += hex("00");                                                    // printer name ""
    b += hex("d02f0000 e03d0000");                                     // paper 12240 x 15840 twips
    b += hex("0100 0100");                                             // orientation, paper code
    b += hex("01000000 01000000 00000000 01000000 0a000000");          // start, copies, skip, step, total
    b += hex("01");                                                    // ascending
    b += hex("01000000");                                              // head count
    b += hex("b4000000 98feffff");                                     // x 180, y -360
    b += QByteArray(8 + 16 + 16, '\0');                                // extent, bounds, caption rectangle
    b += hex("00000000 01000000 01000000 00000000 05000000 00000000"); // flags, seed, digits, rotation
    b += hex("ebffffff 00000000 00000000 00000000 bc020000 00000000 08000212"); // font numbers
    b += QByteArray("Times New Roman") + QByteArray(32 - 15, '\0');
    b += hex("00000000");               // colour
    b += hex("03") + QByteArray("No."); // preface
    b += hex("00");                     // suffix
    b += hex("00 00000000 01000000");   // PDF path, length, page number
    return b;
}

QByteArray saveToBytes(CCadenzoDoc& doc)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    doc.Serialize(ar);
    return bytes;
}

// The page fields a failed open must leave as they were.
void setPageBefore(CCadenzoDoc& doc)
{
    doc.printerName = "Before";
    doc.paperWidth = 11111;
    doc.paperHeight = 22222;
    doc.orientation = 2;
    doc.paperSize = 9;
}

void checkEmptied(const CCadenzoDoc& doc)
{
    QCOMPARE(doc.GetHeadCount(), 0);
    QCOMPARE(doc.startNumber, 1);
    QCOMPARE(doc.step, 1);
    QCOMPARE(doc.copies, 1);
    QCOMPARE(doc.skip, 0);
    QCOMPARE(doc.totalPages, 10);
    QCOMPARE(doc.ascending, true);
    QCOMPARE(doc.pdfLength, 0u);
    QVERIFY(doc.pdfPath.isEmpty());
    QVERIFY(!doc.pdfDocument);
    QCOMPARE(doc.printerName, QByteArray("Before"));
    QCOMPARE(doc.paperWidth, 11111);
    QCOMPARE(doc.paperHeight, 22222);
    QCOMPARE(doc.orientation, std::uint16_t(2));
    QCOMPARE(doc.paperSize, std::uint16_t(9));
}

enum Variant
{
    NewTemplate,
    ManyHeads,
    ManyHeadsWithPdf
};

void addHeadsAndSettings(CCadenzoDoc& doc)
{
    doc.printerName = "Office \x80 Printer";
    doc.paperWidth = 11906;
    doc.paperHeight = 16838;
    doc.orientation = 2;
    doc.paperSize = 9;
    doc.startNumber = -100;
    doc.copies = 3;
    doc.skip = 2;
    doc.step = -7;
    doc.totalPages = 12345;
    doc.ascending = false;

    HEADING* first = doc.GetHeadByIndex(0);
    first->preface = QByteArray();
    first->suffix = QByteArray(254, 's');
    first->extent = {1200, -300};
    first->bounds = {180, -360, 1380, -660};
    first->captionRect = {100, -200, 500, -300};

    HEADING* second = doc.GetHeadAt(doc.AddNewHead(nullptr));
    second->preface = QByteArray(255, 'p');
    second->suffix = QByteArray(300, 'q');
    second->rotation = 90;
    second->font.lfEscapement = -900;
    second->font.lfOrientation = -900;
    second->color = makeRgb(10, 20, 30);
    setFaceName(second->font, "Arial");
    second->font.lfFaceName[10] = 'Z'; // bytes after the terminator count
    second->font.lfFaceName[31] = '\x7f';
    second->font.lfItalic = 1;
    second->font.lfUnderline = 1;
    second->spaceAfterPreface = 0;
    second->zeroPad = 0;
    second->spaceBeforeSuffix = 1;
    second->seed = -5;
    second->digits = 12;

    HEADING* third = doc.GetHeadAt(doc.AddNewHead(nullptr));
    third->x = std::numeric_limits<std::int32_t>::min();
    third->y = std::numeric_limits<std::int32_t>::max();
    third->rotation = 315;
    third->preface = "\xe9t\xe9";
    third->color = makeRgb(255, 255, 255);
    third->font.lfHeight = -16;
}

void buildVariant(CCadenzoDoc& doc, Variant variant)
{
    makeNewTemplate(doc);
    if (variant == NewTemplate)
        return;
    addHeadsAndSettings(doc);
    if (variant == ManyHeadsWithPdf) {
        doc.pdfPath = "C:\\Forms\\two pages.pdf";
        doc.pdfPageNumber = 2;
        auto block = testpdf::blockFrom(testpdf::makePdf({testpdf::letter(), testpdf::a4()}));
        doc.pdfLength = block->length;
        doc.AttachPdf(block);
    }
}

// IsEqual holds handle identity; a re-read document has its own handles.
bool equalApartFromPdfHandles(const CCadenzoDoc& a, CCadenzoDoc& b)
{
    const pdf::DocumentHandle document = b.pdfDocument;
    const pdf::PageHandle page = b.pdfPage;
    b.pdfDocument = a.pdfDocument;
    b.pdfPage = a.pdfPage;
    const bool equal = a.IsEqual(b);
    b.pdfDocument = document;
    b.pdfPage = page;
    return equal;
}

} // namespace

class TestTemplateFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void writesStringPrefixes_data();
    void writesStringPrefixes();
    void readsStrings_data();
    void readsStrings();
    void partialWrites_data();
    void partialWrites();

    void newTemplateBytes();
    void prefaceOf255Characters();
    void ascendingByte_data();
    void ascendingByte();

    void roundTrip_data();
    void roundTrip();

    void truncatedAnywhereBeforePdf();
    void damagedFile_data();
    void damagedFile();
    void pdfLengthBeyondData_data();
    void pdfLengthBeyondData();
    void emptyFileOpens();
    void extensionBlock_data();
    void extensionBlock();
    void damagedExtensionBlock_data();
    void damagedExtensionBlock();
    void readAvailableKeepsMissingBytes();

    void openFailure_data();
    void openFailure();
    void saveFailure_data();
    void saveFailure();
    void failedWriteKeepsTarget();
    void fullDiskKeepsTarget_data();
    void fullDiskKeepsTarget();

    void viewsAreNotified();

    void readsAnyKindOfFile_data();
    void readsAnyKindOfFile();
    void savesIntoFifoWithoutReplacingIt();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);
    QByteArray readFile(const QString& path);

    RecordingSink sink_;
    QTemporaryDir dir_;
};

void TestTemplateFile::initTestCase()
{
    QVERIFY(dir_.isValid());
    setMessageSink(&sink_);
}

void TestTemplateFile::init()
{
    sink_.texts.clear();
    sink_.icons.clear();
}

void TestTemplateFile::cleanupTestCase()
{
    setMessageSink(nullptr);
}

QString TestTemplateFile::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}

QByteArray TestTemplateFile::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestTemplateFile::writesStringPrefixes_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("empty") << 0 << hex("00");
    QTest::newRow("254") << 254 << hex("fe");
    QTest::newRow("255") << 255 << hex("ff ff00");
    QTest::newRow("300") << 300 << hex("ff 2c01");
    QTest::newRow("65533") << 65533 << hex("ff fdff");
    QTest::newRow("65534") << 65534 << hex("ff ffff feff0000");
    QTest::newRow("70000") << 70000 << hex("ff ffff 70110100");
}

void TestTemplateFile::writesStringPrefixes()
{
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    const QByteArray text(length, 'a');

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive out(&buffer, CArchive::store);
    out.writeString(text);
    QVERIFY(out.ok());
    QCOMPARE(bytes.size(), prefix.size() + length);
    QCOMPARE(bytes.left(prefix.size()), prefix);

    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    CArchive in(&buffer, CArchive::load);
    QCOMPARE(in.readString(), text);
    QCOMPARE(in.remaining(), 0);
}

void TestTemplateFile::readsStrings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("failure"); // -1 none, else the CArchiveException cause

    const int none = -1;
    const int eof = CArchiveException::endOfFile;
    const int generic = CArchiveException::genericException;
    QTest::newRow("short") << hex("03 414243") << QByteArray("ABC") << none;
    QTest::newRow("uint16 length") << hex("ff ff00") + QByteArray(255, 'x') << QByteArray(255, 'x') << none;
    QTest::newRow("uint32 length") << hex("ff ffff 04000000 41424344") << QByteArray("ABCD") << none;
    QTest::newRow("uint64 length") << hex("ff ffff ffffffff 0200000000000000 4142") << QByteArray("AB")
                                   << none;
    QTest::newRow("wide") << hex("ff feff 03 410042004300") << QByteArray("ABC") << none;
    QTest::newRow("wide euro") << hex("ff feff 02 ac204100")
                               << QByteArray("\x80"
                                             "A")
                               << none;
    QTest::newRow("wide e acute") << hex("ff feff 01 e900") << QByteArray("\xe9") << none;
    QTest::newRow("wide unmappable") << hex("ff feff 01 2d4e") << QByteArray("?") << none;
    QTest::newRow("wide uint16 length")
        << hex("ff feff ff 2c01") + QByteArray("b\0", 2).repeated(300) << QByteArray(300, 'b') << none;

    QTest::newRow("no length") << QByteArray() << QByteArray() << eof;
    QTest::newRow("cut in uint16 length") << hex("ff ff") << QByteArray() << eof;
    QTest::newRow("cut in uint32 length") << hex("ff ffff 0400") << QByteArray() << eof;
    QTest::newRow("characters missing") << hex("05 4142") << QByteArray() << eof;
    QTest::newRow("2 GiB length, no data") << hex("ff ffff ffffff7f") << QByteArray() << eof;
    QTest::newRow("wide unit missing") << hex("ff feff 03 41004200") << QByteArray() << eof;
    QTest::newRow("wide half unit") << hex("ff feff 01 41") << QByteArray() << eof;
    QTest::newRow("uint64 just below 2^31")
        << hex("ff ffff ffffffff ffffff7f00000000") << QByteArray() << eof;
    QTest::newRow("uint64 2^31") << hex("ff ffff ffffffff 0000008000000000") << QByteArray() << generic;
    QTest::newRow("uint64 huge") << hex("ff ffff ffffffff ffffffffffffffff") << QByteArray() << generic;
}

void TestTemplateFile::readsStrings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QFETCH(int, failure);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    int cause = -1;
    QByteArray text;
    try {
        text = ar.readString();
    } catch (const CArchiveException& e) {
        cause = e.cause;
    }
    QCOMPARE(cause, failure);
    if (failure == -1) {
        QCOMPARE(text, expected);
        QCOMPARE(ar.remaining(), 0);
    }
}

void TestTemplateFile::partialWrites_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<bool>("ok");
    QTest::newRow("room for everything") << qint64(1000) << true;
    QTest::newRow("full after 200 bytes") << qint64(200) << false;
}

// A device that takes a write only in part (a file on a full disk does so
// without an error) must not pass for a complete save.
void TestTemplateFile::partialWrites()
{
    QFETCH(qint64, capacity);
    QFETCH(bool, ok);
    ShortWriteDevice device(7, capacity);
    CArchive ar(&device, CArchive::store);
    ar.writeInt32(-2);
    ar.writeString(QByteArray(300, 'w'));
    QCOMPARE(ar.ok(), ok);
    if (ok)
        QCOMPARE(device.data, hex("feffffff ff 2c01") + QByteArray(300, 'w'));
}

void TestTemplateFile::newTemplateBytes()
{
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    const QByteArray bytes = saveToBytes(doc);
    QCOMPARE(bytes.size(), 188);
    QCOMPARE(bytes.at(0), '\0');
    QCOMPARE(bytes.mid(9, 2), hex("0100"));
    QCOMPARE(bytes.toHex(' '), newTemplateImage().toHex(' '));
}

void TestTemplateFile::prefaceOf255Characters()
{
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    doc.GetHeadByIndex(0)->preface = QByteArray(255, 'n');
    const QByteArray bytes = saveToBytes(doc);
    // 38 bytes of document fields and 136 fixed head bytes come first.
    QCOMPARE(bytes.mid(38 + 136, 3), hex("ffff00"));
    QCOMPARE(bytes.size(), 188 - 4 + 3 + 255);
}

void TestTemplateFile::ascendingByte_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << true;
    QTest::newRow("255") << 255 << true;
}

void TestTemplateFile::ascendingByte()
{
    QFETCH(int, stored);
    QFETCH(bool, ascending);
    QByteArray bytes = newTemplateImage();
    bytes[33] = char(stored);

    CCadenzoDoc doc(nullptr);
    QVERIFY(doc.DocumentBase::OnOpenDocument(writeFile(QStringLiteral("ascending.tmt"), bytes)));
    QCOMPARE(doc.ascending, ascending);
    // Written back as 0 or 1.
    QCOMPARE(saveToBytes(doc).at(33), char(ascending ? 1 : 0));
}

void TestTemplateFile::roundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("new template") << int(NewTemplate);
    QTest::newRow("three heads") << int(ManyHeads);
    QTest::newRow("three heads and a PDF") << int(ManyHeadsWithPdf);
}

void TestTemplateFile::roundTrip()
{
    QFETCH(int, variant);
    CCadenzoDoc original(nullptr);
    buildVariant(original, Variant(variant));
    original.SetModifiedFlag(true);

    const QString path = dir_.filePath(QStringLiteral("round trip.tmt"));
    QVERIFY(original.OnSaveDocument(path));
    QVERIFY(sink_.texts.isEmpty());
    QVERIFY(!original.IsModified());
    QCOMPARE(original.GetPathName(), path);
    QCOMPARE(original.GetTitle(), QStringLiteral("round trip.tmt"));
    const QByteArray written = readFile(path);

    CCadenzoDoc reread(nullptr);
    QVERIFY(reread.DocumentBase::OnOpenDocument(path));
    QVERIFY(sink_.texts.isEmpty());
    QVERIFY(!reread.IsModified());
    QCOMPARE(reread.GetPathName(), path);

    QVERIFY(equalApartFromPdfHandles(original, reread));
    for (int i = 0; i < original.GetHeadCount(); ++i) {
        const HEADING* a = original.GetHeadByIndex(i);
        const HEADING* b = reread.GetHeadByIndex(i);
        QCOMPARE(b->extent, a->extent);
        QCOMPARE(b->bounds, a->bounds);
        QCOMPARE(b->captionRect, a->captionRect);
    }
    if (original.pdfLength != 0) {
        QVERIFY(reread.pdfData);
        QCOMPARE(reread.pdfData->length, original.pdfLength);
        QVERIFY(std::memcmp(reread.pdfData->bytes.get(), original.pdfData->bytes.get(), original.pdfLength) ==
                0);
        QVERIFY(reread.pdfPage);
        QVERIFY(reread.pdfPage != original.pdfPage);
        QCOMPARE(pdf::GetPageWidth(reread.pdfPage), pdf::GetPageWidth(original.pdfPage));
        QCOMPARE(written.right(qsizetype(original.pdfLength)),
                 QByteArray(original.pdfData->bytes.get(), qsizetype(original.pdfLength)));
    } else {
        QVERIFY(!reread.pdfData);
    }

    // Writing what was read gives the same bytes again.
    QCOMPARE(saveToBytes(reread).toHex(), written.toHex());
}

void TestTemplateFile::truncatedAnywhereBeforePdf()
{
    CCadenzoDoc original(nullptr);
    buildVariant(original, ManyHeadsWithPdf);
    const QByteArray bytes = saveToBytes(original);
    const qsizetype pdfStart = bytes.size() - qsizetype(original.pdfLength);
    QVERIFY(pdfStart > 900);

    CCadenzoDoc doc(nullptr);
    for (qsizetype cut = 1; cut < pdfStart; ++cut) {
        makeNewTemplate(doc);
        setPageBefore(doc);
        init();
        const QString path = writeFile(QStringLiteral("cut.tmt"), bytes.left(cut));
        if (doc.DocumentBase::OnOpenDocument(path))
            QFAIL(qPrintable(QStringLiteral("a file cut at %1 opened").arg(cut)));
        QCOMPARE(sink_.texts, QStringList{QStringLiteral("Unexpected file format.")});
        QCOMPARE(sink_.icons, QList<MsgIcon>{MsgIcon::Exclamation});
        checkEmptied(doc);
        // Emptied, so no longer the document it was: the caller starts afresh.
        QVERIFY(doc.IsModified());
        QVERIFY(doc.GetPathName().isEmpty());
    }
}

void TestTemplateFile::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QString unexpected = QStringLiteral("Unexpected file format.");
    const QByteArray image = newTemplateImage();
    QByteArray hugeCount = image;
    hugeCount.replace(34, 4, hex("ffffffff"));
    QByteArray hugeCountMoreHeads = hugeCount.left(hugeCount.size() - 9);
    for (int i = 0; i < 1000; ++i)
        hugeCountMoreHeads += image.mid(38, 141);

    QTest::newRow("64-bit printer name length 2^31")
        << hex("ff ffff ffffffff 0000008000000000") + image.mid(1)
        << QStringLiteral("Failed to open document.");
    QTest::newRow("4 GiB printer name") << hex("ff ffff feffffff") + image.mid(1) << unexpected;
    QTest::newRow("4 GiB wide printer name") << hex("ff feff ff ffff feffffff") + image.mid(1) << unexpected;
    QTest::newRow("head count 0xFFFFFFFF") << hugeCount << unexpected;
    QTest::newRow("head count 0xFFFFFFFF, 1001 heads") << hugeCountMoreHeads << unexpected;
    QTest::newRow("no PDF page number") << image.left(image.size() - 4) << unexpected;
}

void TestTemplateFile::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    setPageBefore(doc);
    const QString path = writeFile(QStringLiteral("damaged.tmt"), bytes);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!doc.DocumentBase::OnOpenDocument(path));
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(sink_.texts, QStringList{message});
    checkEmptied(doc);
}

void TestTemplateFile::pdfLengthBeyondData_data()
{
    QTest::addColumn<QByteArray>("storedLength");
    QTest::addColumn<int>("present");
    QTest::newRow("4 GiB, 12 bytes present") << hex("ffffffff") << 12;
    QTest::newRow("4 GiB, nothing present") << hex("ffffffff") << 0;
    QTest::newRow("100 bytes, 1 present") << hex("64000000") << 1;
}

// A stored length larger than the file takes only the bytes there are, and
// the length then matches them.
void TestTemplateFile::pdfLengthBeyondData()
{
    QFETCH(QByteArray, storedLength);
    QFETCH(int, present);
    QByteArray bytes = newTemplateImage();
    bytes.replace(bytes.size() - 8, 4, storedLength);
    bytes += QByteArray(present, '%');

    CCadenzoDoc doc(nullptr);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(doc.DocumentBase::OnOpenDocument(writeFile(QStringLiteral("long pdf.tmt"), bytes)));
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(sink_.texts.isEmpty());
    QCOMPARE(doc.pdfLength, std::uint32_t(present));
    QVERIFY(!doc.pdfPage);
    if (present) {
        QVERIFY(doc.pdfData);
        QCOMPARE(doc.pdfData->length, std::uint32_t(present));
        QCOMPARE(QByteArray(doc.pdfData->bytes.get(), present), QByteArray(present, '%'));
    } else {
        QVERIFY(!doc.pdfData);
    }

    // Saved again, the file is consistent: the new length and the bytes.
    const QByteArray saved = saveToBytes(doc);
    QCOMPARE(saved.size(), 188 + present);
    QCOMPARE(saved.mid(180, 4), QByteArray(1, char(present)) + QByteArray(3, '\0'));
}

void TestTemplateFile::extensionBlock_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("templateRecord");
    QTest::addColumn<int>("recordHead"); // -1: none
    QTest::newRow("new template, template record") << int(NewTemplate) << true << -1;
    QTest::newRow("three heads, last head's record") << int(ManyHeads) << false << 2;
    QTest::newRow("three heads and a PDF, both") << int(ManyHeadsWithPdf) << true << 0;
}

// Records follow the template through save, open, Undo and Save As; the file
// is the plain one with the block after it, so the file cut there opens and
// saves as the plain template.
void TestTemplateFile::extensionBlock()
{
    QFETCH(int, variant);
    QFETCH(bool, templateRecord);
    QFETCH(int, recordHead);
    CCadenzoDoc doc(nullptr);
    buildVariant(doc, Variant(variant));
    const QByteArray plain = saveToBytes(doc);
    const auto le32 = [](qsizetype n) {
        const quint32 v = qToLittleEndian(quint32(n));
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    QByteArray records;
    if (templateRecord) {
        QVERIFY(doc.extensions.set(0x0102, "ab"));
        records += le32(0xFFFFFFFF) + hex("0201") + le32(2) + "ab";
    }
    if (recordHead >= 0) {
        QVERIFY(doc.GetHeadByIndex(recordHead)->extensions.set(7, QByteArray()));
        QVERIFY(doc.GetHeadByIndex(recordHead)->extensions.set(0xFFFF, QByteArray(300, '\0')));
        records += le32(recordHead) + hex("0700") + le32(0);
        records += le32(recordHead) + hex("ffff") + le32(300) + QByteArray(300, '\0');
    }
    const QByteArray header = hex("89544d580d0a1a0a 0100") + le32(doc.GetHeadCount()) + le32(records.size());

    const QString path = dir_.filePath(QStringLiteral("extended.tmt"));
    QVERIFY(doc.OnSaveDocument(path));
    const QByteArray written = readFile(path);
    QCOMPARE(written.toHex(' '), (plain + header + records).toHex(' '));

    CCadenzoDoc reread(nullptr);
    QVERIFY(reread.DocumentBase::OnOpenDocument(path));
    QVERIFY(sink_.texts.isEmpty());
    QVERIFY(equalApartFromPdfHandles(doc, reread));

    // A changed record is an undo step; Undo brings the read one back.
    HEADING* head = reread.GetHeadByIndex(std::max(recordHead, 0));
    const std::optional<QByteArray> before = head->extensions.get(7);
    UndoChain undo;
    undo.Restart(reread);
    head->extensions.set(7, "changed");
    QVERIFY(undo.Record(reread));
    QVERIFY(undo.Undo(reread));
    QCOMPARE(head->extensions.get(7), before);

    const QString savedAs = dir_.filePath(QStringLiteral("saved as.tmt"));
    QVERIFY(reread.OnSaveDocument(savedAs));
    QCOMPARE(readFile(savedAs).toHex(), written.toHex());

    CCadenzoDoc cut(nullptr);
    QVERIFY(
        cut.DocumentBase::OnOpenDocument(writeFile(QStringLiteral("cut.tmt"), written.left(plain.size()))));
    QCOMPARE(saveToBytes(cut).toHex(), plain.toHex());
}

void TestTemplateFile::damagedExtensionBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    const QByteArray header = hex("89544d580d0a1a0a 0100 01000000");
    const QByteArray record = hex("00000000 0500 03000000") + "xyz";
    const QByteArray area = QByteArray(1, char(record.size())) + hex("000000") + record;
    QTest::newRow("signature") << hex("89544d580d0a0a0a 0100 01000000") + area;
    QTest::newRow("version 2") << hex("89544d580d0a1a0a 0200 01000000") + area;
    QTest::newRow("written for two heads") << hex("89544d580d0a1a0a 0100 02000000") + area;
    QTest::newRow("cut in the header") << header + hex("1000");
    QTest::newRow("cut in a record") << (header + area).chopped(1);
    QTest::newRow("length past the data") << header + hex("ffffff00") + record;
    QTest::newRow("length over the limit") << header + hex("01000001") + record;
    QTest::newRow("record past its area") << header + hex("0f000000 00000000 0500 06000000") + "xyzab";
    QTest::newRow("record for head 2 of 1") << header + hex("0d000000 01000000 0500 03000000") + "xyz";
    QTest::newRow("tag 0") << header + hex("0d000000 00000000 0000 03000000") + "xyz";
    QTest::newRow("a tag twice") << header + hex("1a000000") + record + record;
    QTest::newRow("record over 64 KiB")
        << header + hex("0b000100 00000000 0500 01000100") + QByteArray(0x10001, 'r');
}

// A block that is not whole and consistent is ignored as a whole, as Windows
// ignores it: the template opens plain, without a message, and saves plain.
void TestTemplateFile::damagedExtensionBlock()
{
    QFETCH(QByteArray, block);
    const QByteArray plain = newTemplateImage();
    CCadenzoDoc doc(nullptr);
    QVERIFY(doc.DocumentBase::OnOpenDocument(writeFile(QStringLiteral("damaged block.tmt"), plain + block)));
    QVERIFY(sink_.texts.isEmpty());
    // Saved without a block, so no record was taken.
    QCOMPARE(saveToBytes(doc).toHex(), plain.toHex());
}

void TestTemplateFile::emptyFileOpens()
{
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    setPageBefore(doc);
    doc.startNumber = 50;
    QVERIFY(doc.DocumentBase::OnOpenDocument(writeFile(QStringLiteral("empty.tmt"), QByteArray())));
    QVERIFY(sink_.texts.isEmpty());
    QVERIFY(!doc.IsModified());
    // Nothing is read: settings reset, no heads, the page as it was.
    checkEmptied(doc);
}

// Font and colour are read this way: what the data lacks keeps its value.
void TestTemplateFile::readAvailableKeepsMissingBytes()
{
    QByteArray bytes = hex("414243");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    char target[6] = {'u', 'v', 'w', 'x', 'y', 'z'};
    QCOMPARE(ar.readAvailable(target, 6), 3);
    QCOMPARE(QByteArray(target, 6), QByteArray("ABCxyz"));
    QCOMPARE(ar.readAvailable(target, 6), 0);
    QCOMPARE(QByteArray(target, 6), QByteArray("ABCxyz"));
}

void TestTemplateFile::openFailure_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString missing = dir_.filePath(QStringLiteral("missing.tmt"));
    const QString noFolder = dir_.filePath(QStringLiteral("no folder/missing.tmt"));
    QTest::newRow("missing file") << missing << QStringLiteral("%1 was not found.").arg(missing);
    QTest::newRow("missing folder") << noFolder
                                    << QStringLiteral("%1 contains an invalid path.").arg(noFolder);
    QTest::newRow("a folder") << dir_.path() << QStringLiteral("Access to %1 was denied.").arg(dir_.path());
    QTest::newRow("empty path") << QString() << QStringLiteral(" contains an invalid path.");
}

void TestTemplateFile::openFailure()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    doc.startNumber = 77;
    QVERIFY(!doc.DocumentBase::OnOpenDocument(path));
    QCOMPARE(sink_.texts, QStringList{message});
    // The file never opened, so the document was not touched.
    QCOMPARE(doc.GetHeadCount(), 1);
    QCOMPARE(doc.startNumber, 77);
    QVERIFY(!doc.IsModified());
}

void TestTemplateFile::saveFailure_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString noFolder = dir_.filePath(QStringLiteral("no folder/new.tmt"));
    const QString underFile = writeFile(QStringLiteral("plain file"), "x") + QStringLiteral("/new.tmt");
    QTest::newRow("missing folder") << noFolder
                                    << QStringLiteral("%1 contains an invalid path.").arg(noFolder);
    QTest::newRow("folder is a file")
        << underFile << QStringLiteral("%1 contains an invalid path.").arg(underFile);
    QTest::newRow("target is a folder")
        << dir_.path() << QStringLiteral("Access to %1 was denied.").arg(dir_.path());
    if (geteuid() != 0) {
        const QString locked = dir_.filePath(QStringLiteral("locked"));
        QDir(dir_.path()).mkdir(QStringLiteral("locked"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const QString target = locked + QStringLiteral("/new.tmt");
        QTest::newRow("read-only folder") << target << QStringLiteral("Access to %1 was denied.").arg(target);
    }
}

void TestTemplateFile::saveFailure()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    doc.SetModifiedFlag(true);
    QVERIFY(!doc.OnSaveDocument(path));
    QCOMPARE(sink_.texts, QStringList{message});
    QCOMPARE(sink_.icons, QList<MsgIcon>{MsgIcon::Exclamation});
    QVERIFY(doc.IsModified());
    QVERIFY(doc.GetPathName().isEmpty());
}

// A save that fails half-way leaves the previous file exactly as it was and
// no temporary file behind. A file size limit makes the write fail for any
// user, root included.
void TestTemplateFile::failedWriteKeepsTarget()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.tmt"));
    const QByteArray previous = newTemplateImage();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }

    CCadenzoDoc doc(nullptr);
    buildVariant(doc, ManyHeads);
    auto block = std::make_shared<PdfBlock>(200000);
    doc.pdfLength = block->length;
    doc.pdfData = block;

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool savedOk = doc.OnSaveDocument(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!savedOk);
    QCOMPARE(sink_.texts,
             QStringList{QStringLiteral("An unexpected error occurred while writing %1.").arg(path)});
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("kept.tmt")});
}

// A save onto a really full filesystem: a small tmpfs, filled up to the
// bytes left free. The last case fits every write into Qt's buffer, so only
// the final flush meets the full disk.
void TestTemplateFile::fullDiskKeepsTarget_data()
{
    QTest::addColumn<int>("pdfBytes"); // makes the new template this much larger
    QTest::addColumn<int>("freeBytes");
    QTest::newRow("saved over itself, nothing free") << 0 << 0;
    QTest::newRow("70 KB template, 60 KiB free") << 70000 << 60 * 1024;
    QTest::newRow("only the final flush fails") << 2000 << 0;
}

void TestTemplateFile::fullDiskKeepsTarget()
{
    QFETCH(int, pdfBytes);
    QFETCH(int, freeBytes);
    if (geteuid() != 0)
        QSKIP("Mounting a small filesystem needs root; CI runs as root.");
    QTemporaryDir mountPoint;
    QVERIFY(mountPoint.isValid());
    const QString dir = mountPoint.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=256k"), QStringLiteral("tmpfs"), dir}) != 0)
        QSKIP("This machine cannot mount a tmpfs.");
    struct Unmount
    {
        QString dir;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {dir}); }
    } unmount{dir};

    const QString path = dir + QStringLiteral("/kept.tmt");
    const QByteArray previous = newTemplateImage();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(previous), qint64(previous.size()));
    }
    // Fill the rest, then give back what the case leaves free.
    {
        QFile filler(dir + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(4096, 'x');
        while (filler.write(chunk) == chunk.size()) {
        }
        while (filler.write(chunk.constData(), 1) == 1) {
        }
        QVERIFY(filler.resize(std::max<qint64>(0, filler.size() - freeBytes)));
    }

    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    if (pdfBytes > 0) {
        auto block = std::make_shared<PdfBlock>(std::uint32_t(pdfBytes));
        doc.pdfLength = block->length;
        doc.pdfData = block;
    }
    doc.SetModifiedFlag(true);
    QVERIFY(!doc.OnSaveDocument(path));
    QCOMPARE(sink_.texts, QStringList{QStringLiteral("There is not enough space on the disk.")});
    QVERIFY(doc.IsModified());
    QCOMPARE(readFile(path), previous);
    QDir folder(dir);
    folder.remove(QStringLiteral("filler"));
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.tmt")});
}

void TestTemplateFile::viewsAreNotified()
{
    CCadenzoDoc doc(nullptr);
    RecordingView a;
    RecordingView b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);
    doc.UpdateAllViews(&a, 7);
    QVERIFY(a.calls.isEmpty());
    QCOMPARE(b.calls.size(), 1);
    QCOMPARE(b.calls.at(0).first, &a);
    QCOMPARE(b.calls.at(0).second, 7);

    doc.RemoveView(&b);
    doc.UpdateAllViews(nullptr);
    QCOMPARE(a.calls.size(), 1);
    QCOMPARE(b.calls.size(), 1);
}

void TestTemplateFile::readsAnyKindOfFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // empty: the template opens
    QTest::newRow("FIFO, writer comes late") << "fifo" << QString();
    QTest::newRow("FIFO nobody writes to")
        << "silent fifo" << QStringLiteral("Nothing arrived from %1 for 5 seconds.");
    QTest::newRow("device") << "device" << QStringLiteral("%1 is a device, not a file that can be read.");
    QTest::newRow("3 GB file claiming a 2.9 GB printer name")
        << "huge string" << QStringLiteral("Failed to open document.");
    QTest::newRow("Latin-1 file name") << "latin-1" << QString();
}

// What the file holds is read, whatever kind of file it is, and no open
// waits for ever or takes the memory a damaged length asks for.
void TestTemplateFile::readsAnyKindOfFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QByteArray image = newTemplateImage();
    QString path = dir_.filePath(kind);
    std::thread writer;
    if (kind.endsWith(QLatin1String("fifo"))) {
        QFile::remove(path);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QLatin1String("fifo")) {
            writer = std::thread([path, image] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
                if (fd >= 0 && ::write(fd, image.constData(), std::size_t(image.size())) >= 0)
                    ::close(fd);
            });
        }
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("huge string")) {
        QFile file(writeFile(kind, hex("ff ffff 007ddaac")));
        QVERIFY(file.resize(qint64(3000000000)));
    } else {
        path = decodePath(QFile::encodeName(dir_.path()) + "/caf\xe9.tmt");
        CCadenzoDoc saved(nullptr);
        makeNewTemplate(saved);
        QVERIFY(saved.OnSaveDocument(path));
        const QByteArray bytes = QFile::encodeName(dir_.path()) + "/caf\xe9.tmt";
        QCOMPARE(::access(bytes.constData(), F_OK), 0);
    }

    CCadenzoDoc doc(nullptr);
    QElapsedTimer timer;
    timer.start();
    const bool opened = doc.DocumentBase::OnOpenDocument(path);
    if (writer.joinable())
        writer.join();
    QVERIFY(timer.elapsed() < 1000 * (InputFile::kIdleSeconds + 2));
    if (message.isEmpty()) {
        QVERIFY(opened);
        QVERIFY(sink_.texts.isEmpty());
        QCOMPARE(saveToBytes(doc), image);
        QCOMPARE(doc.GetPathName(), path);
    } else {
        QVERIFY(!opened);
        QCOMPARE(sink_.texts,
                 QStringList{message.contains(QLatin1String("%1")) ? message.arg(path) : message});
    }
}

// A FIFO or a device at the target is written to, never replaced by a file.
void TestTemplateFile::savesIntoFifoWithoutReplacingIt()
{
    const QString path = dir_.filePath(QStringLiteral("save fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // The reader is there before the save starts, as a FIFO's reader must be.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    ::fcntl(fd, F_SETFL, 0);
    QByteArray received;
    std::thread reader([fd, &received] {
        // Until a writer comes, a read would see the end of the data.
        pollfd waiting{fd, POLLIN, 0};
        ::poll(&waiting, 1, 5000);
        QFile fifo;
        if (fifo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            received = fifo.readAll();
    });
    CCadenzoDoc doc(nullptr);
    makeNewTemplate(doc);
    const bool saved = doc.OnSaveDocument(path);
    reader.join();
    QVERIFY2(saved, qPrintable(sink_.texts.join(u'|')));
    QCOMPARE(received, newTemplateImage());
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

QTEST_MAIN(TestTemplateFile)
#include "tst_templatefile.moc"
