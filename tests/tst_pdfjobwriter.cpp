// The streaming job writer: the files it writes must be valid PDF whatever the
// page count, with every page in its place, and a failing device must be
// noticed.
#include "PdfText.h"

#include "pdf/PdfJobWriter.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Takes the first limit bytes, then fails like a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 limit) : limit_(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (written_ + size > limit_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written_ += size;
        return size;
    }

private:
    qint64 limit_;
    qint64 written_ = 0;
};

// Page n says "Sheet n" in a standard font, except every blankEvery-th page.
bool writeJob(QIODevice& out, quint64 pages, quint64 blankEvery)
{
    PdfJobWriter writer(out);
    const PdfJobWriter::Id font = writer.reserve();
    writer.writeObject(font, "<</Type/Font/Subtype/Type1/BaseFont/Helvetica/Encoding/WinAnsiEncoding>>");
    writer.beginPages(pages, QSizeF(612, 792), "<</Font<</F1 " + PdfJobWriter::ref(font) + ">>>>");
    for (quint64 page = 1; page <= pages; ++page) {
        if (blankEvery && page % blankEvery == 0)
            writer.addPage(QByteArray());
        else
            writer.addPage("BT/F1 12 Tf 72 700 Td(Sheet " + QByteArray::number(page) + ")Tj ET");
    }
    return writer.finish(QStringLiteral("Job \u00e9"));
}

QString qpdf(const QStringList& arguments, bool* ok)
{
    return QString::fromUtf8(pdftext::run(QStringLiteral("qpdf"), arguments, ok)).trimmed();
}

} // namespace

class TestPdfJobWriter : public QObject
{
    Q_OBJECT

private slots:
    void pagesInPlace_data();
    void pagesInPlace();
    void numbers();
    void fullDevice();
};

void TestPdfJobWriter::pagesInPlace_data()
{
    QTest::addColumn<quint64>("pages");
    QTest::addColumn<quint64>("blankEvery");
    QTest::newRow("one page") << quint64(1) << quint64(0);
    QTest::newRow("one chunk") << quint64(PdfJobWriter::kPagesPerChunk) << quint64(3);
    QTest::newRow("chunk and one") << quint64(PdfJobWriter::kPagesPerChunk + 1) << quint64(2);
    // Three levels of page tree, and more pages than a 16-bit count.
    QTest::newRow("beyond 65535") << quint64(70000) << quint64(7);
}

void TestPdfJobWriter::pagesInPlace()
{
    QFETCH(quint64, pages);
    QFETCH(quint64, blankEvery);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(writeJob(file, pages, blankEvery));
    file.close();

    bool ok = false;
    const QString check = qpdf({QStringLiteral("--check"), path}, &ok);
    QVERIFY2(ok, qPrintable(check.right(2000)));
    QCOMPARE(qpdf({QStringLiteral("--show-npages"), path}, &ok).toULongLong(), pages);

    // A few pages from the start, the chunk edges and the end.
    for (quint64 page :
         {quint64(1), quint64(2), quint64(3), quint64(255), quint64(256), quint64(257), pages}) {
        if (page > pages)
            continue;
        bool read = false;
        const QString text =
            QString::fromUtf8(pdftext::run(QStringLiteral("pdftotext"),
                                           {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                            QString::number(page), path, QStringLiteral("-")},
                                           &read))
                .trimmed();
        QVERIFY(read);
        const bool blank = blankEvery && page % blankEvery == 0;
        QCOMPARE(text, blank ? QString() : QStringLiteral("Sheet %1").arg(page));
    }
    QVERIFY(qpdf({QStringLiteral("--show-object=trailer"), path}, &ok).contains(QStringLiteral("/Info")));
}

void TestPdfJobWriter::numbers()
{
    QCOMPARE(PdfJobWriter::number(12.5), QByteArray("12.5"));
    QCOMPARE(PdfJobWriter::number(-0.00001), QByteArray("0"));
    QCOMPARE(PdfJobWriter::number(3.0), QByteArray("3"));
    QCOMPARE(PdfJobWriter::number(1e300 * 1e300), QByteArray("0"));
}

void TestPdfJobWriter::fullDevice()
{
    FullDevice device(100000);
    PdfJobWriter writer(device);
    writer.beginPages(5000, QSizeF(612, 792), QByteArray());
    for (int page = 0; page < 5000; ++page)
        writer.addPage("0 0 1 rg 10 10 100 100 re f % " + QByteArray(80, 'x'));
    QVERIFY(!writer.finish(QString()));
    QCOMPARE(writer.errorString(), QStringLiteral("No space left on device"));
}

QTEST_GUILESS_MAIN(TestPdfJobWriter)
#include "tst_pdfjobwriter.moc"
