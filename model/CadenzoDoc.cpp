#include "CadenzoDoc.h"

#include "Codepage.h"
#include "Int32.h"
#include "MessageSink.h"
#include "StringTable.h"
#include "TextMeasurer.h"
#include "Units.h"
#include "model/PaperList.h"
#include "model/PrinterSelection.h"

#include <cmath>

CCadenzoDoc::CCadenzoDoc(PrinterSelection* printers) : printers_(printers)
{
    ResetSettings(true);
    if (printers_)
        printerName = toCp1252(printers_->system().defaultPrinterName());
}

CCadenzoDoc::CCadenzoDoc(SnapshotTag) : isSnapshot(true), paperWidth(0), paperHeight(0)
{
    ResetSettings(true);
}

// Heads go with the document; the PDF handles close when their last holder,
// this document or a snapshot, lets go of them.
CCadenzoDoc::~CCadenzoDoc() = default;

void CCadenzoDoc::DeleteContents()
{
    ResetSettings(!newFromPdf);
    DeleteAllHeads();
    extensions = ExtensionRecords();
}

bool CCadenzoDoc::OnNewDocument()
{
    DocumentBase::OnNewDocument();
    ApplyPrinterSettings();
    AddNewHead(nullptr);
    return true;
}

bool CCadenzoDoc::OnOpenDocument(const QString& path)
{
    newFromPdf = false;
    if (!DocumentBase::OnOpenDocument(path))
        return false;
    CheckOpenedTemplate();
    return true;
}

void CCadenzoDoc::TakeOpenedDocument(const CCadenzoDoc& opened, const QString& path)
{
    newFromPdf = false;
    DeleteContents();
    CopyFrom(opened);
    SetPathName(path);
    SetModifiedFlag(false);
    CheckOpenedTemplate();
}

void CCadenzoDoc::CheckOpenedTemplate()
{
    // An empty file, or one that lists no heads, still opens as a template the
    // user can work with: it gets the master head a new template has.
    if (heads.empty()) {
        AddNewHead(nullptr);
        SetModifiedFlag(true);
    }

    // While the printers cannot be asked the template keeps its printer; it
    // is applied once they answer.
    if (printers_ && !printers_->system().reachable())
        return;
    const QString name = fromCp1252(printerName);
    if (!printers_ || !printers_->system().openPrinter(name, nullptr)) {
        printerName = printers_ ? toCp1252(printers_->system().defaultPrinterName()) : QByteArray();
        SetModifiedFlag(true);
    }
    if (!printerName.isEmpty())
        ApplyPrinterSettings();
}

void CCadenzoDoc::ResetSettings(bool closePdf)
{
    startNumber = 1;
    step = 1;
    copies = 1;
    skip = 0;
    totalPages = 10;
    ascending = true;
    headCursor_ = 0;
    newFromPdf = false;
    if (closePdf)
        ClosePdf();
}

void CCadenzoDoc::GetPaperSize(std::int32_t* width, std::int32_t* height) const
{
    *width = paperWidth;
    *height = paperHeight;
}

std::int32_t CCadenzoDoc::GetPageWidth() const
{
    return orientation == 1 ? paperWidth : paperHeight;
}

std::int32_t CCadenzoDoc::GetPageHeight() const
{
    return orientation == 1 ? paperHeight : paperWidth;
}

void CCadenzoDoc::ApplyPrinterSettings()
{
    if (!printers_)
        return;
    printers_->ApplyTemplatePrinter(fromCp1252(printerName), paperSize, units::twipsToInches(paperWidth),
                                    units::twipsToInches(paperHeight), orientation);
}

void CCadenzoDoc::MatchPaperSize()
{
    PaperList list;
    if (printers_) {
        std::optional<PrinterSettings> settings;
        std::optional<PrinterNames> names;
        printers_->GetPrinterDefaults(&settings, &names);
        if (names)
            printers_->LoadPaperList(names->device, names->port, list);
    }
    const std::uint16_t code =
        FindPaperCode(list, units::twipsToInches(paperWidth), units::twipsToInches(paperHeight));
    if (code == kNoPaperMatch) {
        showMessage(LoadString(116), MsgButtons::Ok, MsgIcon::Exclamation);
        paperSize = kUnmatchedPdfPaperCode;
    } else {
        paperSize = code;
    }
}

POSITION CCadenzoDoc::AddNewHead(TextMeasurer* dc, int* index)
{
    heads.push_back(std::make_unique<HEADING>());
    HEADING* head = heads.back().get();
    const auto n = std::int32_t(heads.size());
    head->x = int32::mul(180, n);
    head->y = int32::mul(-360, n);
    if (dc)
        head->CalcBounds(*dc, GetHeadNumber(0, *head));
    if (index)
        *index = n - 1;
    return head;
}

POSITION CCadenzoDoc::AddHeadCopy(const HEADING& source, int* index)
{
    heads.push_back(std::make_unique<HEADING>());
    heads.back()->CopyFrom(source);
    if (index)
        *index = int(heads.size()) - 1;
    return heads.back().get();
}

void CCadenzoDoc::DeleteHead(POSITION position)
{
    const int i = GetHeadIndex(position);
    if (i < 0)
        return;
    heads.erase(heads.begin() + i);
    if (headCursor_ > std::size_t(i))
        --headCursor_;
}

void CCadenzoDoc::DeleteAllHeads()
{
    heads.clear();
    headCursor_ = 0;
}

HEADING* CCadenzoDoc::GetFirstHead(POSITION* out)
{
    headCursor_ = 0;
    HEADING* head = heads.empty() ? nullptr : heads.front().get();
    if (out)
        *out = head;
    return head;
}

HEADING* CCadenzoDoc::GetNextHead(POSITION* out)
{
    if (headCursor_ < heads.size())
        ++headCursor_;
    HEADING* head = headCursor_ < heads.size() ? heads[headCursor_].get() : nullptr;
    if (out)
        *out = head;
    return head;
}

HEADING* CCadenzoDoc::GetHeadByIndex(int index, POSITION* out) const
{
    HEADING* head =
        (index >= 0 && std::size_t(index) < heads.size()) ? heads[std::size_t(index)].get() : nullptr;
    if (out)
        *out = head;
    return head;
}

int CCadenzoDoc::GetHeadIndex(POSITION position) const
{
    for (std::size_t i = 0; i < heads.size(); ++i) {
        if (heads[i].get() == position)
            return int(i);
    }
    return -1;
}

std::int32_t CCadenzoDoc::CalcNumber(std::int32_t start, std::int32_t stepValue, std::int32_t index,
                                     std::int32_t seed) const
{
    std::int32_t k = index;
    if (!ascending) {
        const std::int32_t group = int32::add(copies, skip);
        double N;
        if (group == 0) {
            // A job without sheets has no last number; count as if each number
            // had one sheet, so the editor still shows the highest number.
            N = double(totalPages);
        } else {
            const std::int32_t E = int32::mul(group, totalPages);
            const float q = float(E) / float(group) - 0.5f;
            N = std::ceil(double(q));
        }
        k = int32::trunc(N - double(index) - 1.0);
    }
    return int32::add(int32::add(start, int32::mul(stepValue, k)), seed);
}

std::int32_t CCadenzoDoc::GetHeadNumber(std::int32_t index, const HEADING& head) const
{
    return CalcNumber(startNumber, step, index, head.seed);
}

std::int64_t CCadenzoDoc::TotalSheets(std::int32_t copies, std::int32_t skip, std::int32_t totalPages)
{
    // The group is added as the template's numbers are, wrapping; the product
    // is not, so jobs beyond 2^31 sheets keep their size.
    const std::int32_t group = int32::add(copies, skip);
    return group > 0 && totalPages > 0 ? std::int64_t(group) * std::int64_t(totalPages) : 0;
}

namespace {

bool headsEqual(const HEADING& a, const HEADING& b)
{
    return a.seed == b.seed && a.x == b.x && a.y == b.y && a.preface == b.preface &&
           a.spaceAfterPreface == b.spaceAfterPreface && a.suffix == b.suffix &&
           a.spaceBeforeSuffix == b.spaceBeforeSuffix && a.zeroPad == b.zeroPad && a.digits == b.digits &&
           a.rotation == b.rotation && logFontBytesEqual(a.font, b.font) && a.color == b.color &&
           a.extensions == b.extensions;
}

} // namespace

bool CCadenzoDoc::IsEqual(const CCadenzoDoc& o) const
{
    if (paperWidth != o.paperWidth || paperHeight != o.paperHeight || paperSize != o.paperSize ||
        startNumber != o.startNumber || step != o.step || totalPages != o.totalPages || skip != o.skip ||
        copies != o.copies || ascending != o.ascending || orientation != o.orientation ||
        printerName != o.printerName || pdfPath != o.pdfPath || pdfPageNumber != o.pdfPageNumber ||
        pdfLength != o.pdfLength || pdfDocument != o.pdfDocument || pdfPage != o.pdfPage ||
        heads.size() != o.heads.size() || extensions != o.extensions)
        return false;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        if (!headsEqual(*heads[i], *o.heads[i]))
            return false;
    }
    return true;
}

void CCadenzoDoc::CopyFrom(const CCadenzoDoc& o)
{
    if (this == &o)
        return;
    paperWidth = o.paperWidth;
    paperHeight = o.paperHeight;
    paperSize = o.paperSize;
    startNumber = o.startNumber;
    step = o.step;
    skip = o.skip;
    copies = o.copies;
    totalPages = o.totalPages;
    ascending = o.ascending;
    orientation = o.orientation;
    printerName = o.printerName;
    extensions = o.extensions;

    const std::size_t count = o.heads.size();
    if (heads.size() > count)
        heads.erase(heads.begin() + std::ptrdiff_t(count), heads.end());
    for (std::size_t i = 0; i < heads.size(); ++i)
        heads[i]->CopyFrom(*o.heads[i]);
    for (std::size_t i = heads.size(); i < count; ++i)
        AddHeadCopy(*o.heads[i]);
    headCursor_ = 0;

    pdfPath = o.pdfPath;
    pdfPageNumber = o.pdfPageNumber;
    pdfLength = o.pdfLength;

    if (pdfDocument && pdfDocument != o.pdfDocument) {
        pdfPage.reset();
        pdfDocument.reset();
    }
    pdfDocument = o.pdfDocument;
    pdfPage = o.pdfPage;
    pdfData = o.pdfData;
    pdfStatus = o.pdfStatus;
}

void CCadenzoDoc::ClosePdf()
{
    pdfPath.clear();
    pdfPageNumber = 1;
    pdfLength = 0;
    // The bytes go too when they never opened as a PDF; snapshots that share
    // them keep their own reference.
    pdfPage.reset();
    pdfDocument.reset();
    pdfData.reset();
    pdfStatus = pdf::LoadStatus::Ok;
}

void CCadenzoDoc::AttachPdf(std::shared_ptr<PdfBlock> block)
{
    pdfData = std::move(block);
    pdfDocument = pdf::LoadMemDocument(pdfData, &pdfStatus);
    pdfPage = pdf::LoadPage(pdfDocument, int32::sub(pdfPageNumber, 1));
    // A page the library refuses (too many objects on it, say) is there all
    // the same: the file has it, it cannot be read.
    if (!pdfPage && pdfStatus == pdf::LoadStatus::Ok)
        pdfStatus = pdfPageNumber >= 1 && pdfPageNumber <= pdf::GetPageCount(pdfDocument)
                        ? pdf::LoadStatus::BadPage
                        : pdf::LoadStatus::NoSuchPage;
}
