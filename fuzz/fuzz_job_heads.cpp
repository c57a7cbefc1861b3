// Any bytes read as a template, its heads written as a print job does: the
// first sheets and the last one through the job writer into a PDF in memory,
// with the heads' fonts embedded as subsets (or drawn as outlines). The PDF
// must then read without a single complaint from qpdf, with one page per
// sheet and page contents that decode, every embedded font file must load
// as a font, and Poppler must open it with the same page count. The
// background is not read: fuzz_background_form covers its copy.
#include "FuzzSupport.h"

#include "model/CadenzoDoc.h"
#include "model/PdfLibrary.h"
#include "pdf/PdfJobWriter.h"
#include "print/job/JobPdf.h"
#include "print/job/PdfHeadText.h"
#include "print/job/SheetMapping.h"

#include <QBuffer>
#include <QRawFont>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr qsizetype kLargestParsedJob = 4 << 20;

// Sheets written: the first few and the last, each once.
std::vector<qint64> sheetsOf(qint64 count)
{
    std::vector<qint64> sheets;
    for (qint64 sheet = 1; sheet <= count && sheet <= 3; ++sheet)
        sheets.push_back(sheet);
    if (count > 3)
        sheets.push_back(count);
    return sheets;
}

// The job's heads on the given sheets, as WriteJobPdf writes them.
QByteArray writeJob(const CCadenzoDoc& doc, const std::vector<qint64>& sheets, bool outlinesOnly)
{
    const SheetMapping mapping = SheetMapping::of(doc);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PdfJobWriter writer(out);
    PdfHeadText heads(doc, outlinesOnly);
    const QByteArray fonts = heads.writeFonts(writer);
    writer.beginPages(sheets.size(), JobPaperPoints(doc),
                      fonts.isEmpty() ? "<<>>" : "<</Font<<" + fonts + ">>>>");
    QByteArray content;
    for (const qint64 sheet : sheets) {
        content.clear();
        if (const std::optional<std::int32_t> index = mapping.numberIndex(sheet))
            heads.appendHeads(content, *index);
        writer.addPage(content);
    }
    fuzz::check(writer.finish(doc.GetTitle()), "writing a job to memory failed");
    return out.data();
}

// A page's operators, as qpdf reads them: only those that drawing heads
// writes, with text objects and saved states closed where they open. A
// glyph string escaped wrongly shows up here as stray operators.
class ContentCheck : public QPDFObjectHandle::ParserCallbacks
{
public:
    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator())
            return;
        const std::string op = object.getOperatorValue();
        static const std::set<std::string> known = {"BT", "ET", "Tf", "Td", "Tm",  "Tj", "Tz", "rg",
                                                    "g",  "RG", "G",  "w",  "m",   "l",  "c",  "f",
                                                    "S",  "q",  "Q",  "cm", "BDC", "EMC"};
        fuzz::check(known.count(op) == 1, "a page has an operator that drawing heads never writes");
        if (op == "BT" || op == "q" || op == "BDC")
            open_.push_back(op);
        if (op == "ET" || op == "Q" || op == "EMC") {
            const char* opening = op == "ET" ? "BT" : op == "Q" ? "q" : "BDC";
            fuzz::check(!open_.empty() && open_.back() == opening, "a page closes what it did not open");
            open_.pop_back();
        }
    }
    void handleEOF() override { fuzz::check(open_.empty(), "a page leaves a text object or state open"); }

private:
    std::vector<std::string> open_;
};

// The font files of every font the pages use, decoded.
std::vector<std::string> fontFiles(QPDF& pdf)
{
    std::vector<std::string> files;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isDictionary() || !object.getKey("/Type").isNameAndEquals("/FontDescriptor"))
            continue;
        for (const char* key : {"/FontFile", "/FontFile2", "/FontFile3"}) {
            QPDFObjectHandle file = object.getKey(key);
            if (file.isStream()) {
                const std::shared_ptr<Buffer> data = file.getStreamData(qpdf_dl_all);
                files.emplace_back(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
            }
        }
    }
    return files;
}

void checkWithQpdf(const QByteArray& job, std::size_t pageCount)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    std::vector<std::string> files;
    try {
        pdf.processMemoryFile("job", job.constData(), std::size_t(job.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        fuzz::check(pages.size() == pageCount, "qpdf finds another page count in a written job");
        for (QPDFPageObjectHelper& page : pages) {
            // Parsing is slow for qpdf: the pages of heads with very long
            // texts drawn as outlines, tens of megabytes each, are decoded only.
            if (job.size() <= kLargestParsedJob) {
                ContentCheck content;
                page.parseContents(&content);
            } else {
                Pl_Discard discard;
                page.pipeContents(&discard);
            }
        }
        files = fontFiles(pdf);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qpdf: %s\n", e.what());
        fuzz::finding("qpdf cannot read a written job");
    }
    fuzz::check(!pdf.anyWarnings(), "qpdf complains about a written job");
    for (const std::string& file : files) {
        const QRawFont font(QByteArray::fromRawData(file.data(), qsizetype(file.size())), 12);
        fuzz::check(font.isValid(), "an embedded font file does not load");
    }
}

void checkWithPoppler(const QByteArray& job, std::size_t pageCount)
{
    auto block = std::make_shared<PdfBlock>(std::uint32_t(job.size()));
    std::memcpy(block->bytes.get(), job.constData(), std::size_t(job.size()));
    const pdf::DocumentHandle document = pdf::LoadMemDocument(block);
    fuzz::check(document && pdf::GetPageCount(document) == int(pageCount),
                "a written job does not open with its pages");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    fuzz::startGuiApplication((*argv)[0]);
    fuzz::quietLibraries();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The embedded PDF stays unparsed while the template is read.
    pdf::SetParsingEnabled(false);
    const std::unique_ptr<CCadenzoDoc> doc =
        fuzz::readTemplate(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    pdf::SetParsingEnabled(true);
    // What WriteJobPdf refuses with a message.
    if (!doc || doc->GetPageWidth() <= 0 || doc->GetPageHeight() <= 0)
        return 0;
    const std::vector<qint64> sheets = sheetsOf(SheetMapping::of(*doc).sheetCount());
    if (sheets.empty())
        return 0;

    // A negative start number draws every head as outlines: both ways of
    // drawing a head from the same templates.
    const QByteArray job = writeJob(*doc, sheets, doc->startNumber < 0);
    checkWithQpdf(job, sheets.size());
    checkWithPoppler(job, sheets.size());
    return 0;
}
