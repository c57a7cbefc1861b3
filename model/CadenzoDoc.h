#pragma once

#include "DocumentBase.h"
#include "Heading.h"
#include "PdfLibrary.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class PdfPageChooser;
class PrinterSelection;
class TextMeasurer;

// Opaque handle of a head in the document's list; stays valid until that head
// is deleted. Null means no head.
using POSITION = HEADING*;

// The numbering template: paper, numbering settings, the heads (the first is
// the master head) and the optional PDF background. One live document exists
// for the whole run; snapshots of it serve undo and change detection.
class CCadenzoDoc : public DocumentBase
{
public:
    // The live document, using the application's printer selection (may be
    // null: no printers at all).
    explicit CCadenzoDoc(PrinterSelection* printers);
    struct SnapshotTag
    {
    };
    // A snapshot: no printer query, no library start; filled by CopyFrom.
    explicit CCadenzoDoc(SnapshotTag);
    ~CCadenzoDoc() override;

    // Document life cycle.
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& path) override;
    // Becomes the template read into opened (with DocumentBase's
    // OnOpenDocument) from path, as OnOpenDocument would have left it. The
    // file is read before this template is let go, so that a file that is no
    // template leaves it as it was.
    void TakeOpenedDocument(const CCadenzoDoc& opened, const QString& path);

    // Settings.
    void ResetSettings(bool closePdf);
    void GetPaperSize(std::int32_t* width, std::int32_t* height) const;
    // The page as laid out: width and height swapped for landscape.
    std::int32_t GetPageWidth() const;
    std::int32_t GetPageHeight() const;
    void ApplyPrinterSettings();
    void MatchPaperSize();

    // Head list.
    POSITION AddNewHead(TextMeasurer* dc, int* index = nullptr);
    POSITION AddHeadCopy(const HEADING& source, int* index = nullptr);
    void DeleteHead(POSITION position);
    void DeleteAllHeads();
    // Callers check GetHeadCount() first: a template read from a damaged or
    // empty file can have no heads, and then there is no first head (null).
    HEADING* GetFirstHead(POSITION* out = nullptr);
    HEADING* GetNextHead(POSITION* out = nullptr);
    int GetHeadCount() const { return int(heads.size()); }
    // Null when position is no head of this list (any more).
    HEADING* GetHeadAt(POSITION position) const { return GetHeadIndex(position) >= 0 ? position : nullptr; }
    // index must lie in 0 .. count - 1.
    HEADING* GetHeadByIndex(int index, POSITION* out = nullptr) const;
    int GetHeadIndex(POSITION position) const; // -1 when not in the list

    // Numbering.
    std::int32_t CalcNumber(std::int32_t start, std::int32_t step, std::int32_t index,
                            std::int32_t seed) const;
    std::int32_t GetHeadNumber(std::int32_t index, const HEADING& head) const;
    // Sheets of the whole job, (copies + skip) x totalPages without wrapping;
    // 0 when the settings give no sheets (a group or total of zero or less).
    std::int64_t GetTotalSheets() const { return TotalSheets(copies, skip, totalPages); }
    static std::int64_t TotalSheets(std::int32_t copies, std::int32_t skip, std::int32_t totalPages);

    bool IsEqual(const CCadenzoDoc& other) const;
    // Heads at indexes both lists have are overwritten in place, so their
    // list positions stay valid; only heads past other's count are deleted.
    void CopyFrom(const CCadenzoDoc& other);

    // PDF background.
    void ClosePdf();
    void ClearPdfPage() { pdfPage.reset(); }
    const pdf::PageHandle& GetPdfPage() const { return pdfPage; }
    // Embeds block as the background and loads page pdfPageNumber from it;
    // pdfStatus says why there is no page when there is none.
    void AttachPdf(std::shared_ptr<PdfBlock> block);
    // Reads the PDF at path whole, embeds it and shows page pageNumber
    // (1-based). Asks the installed chooser for the page and what to do about
    // a page size that differs from the template's (newFromPdf: always takes
    // the page's size). False, with the user told why, when the file cannot
    // be read or holds no usable page; the template then keeps its paper and
    // background. False too when the user cancels the choice, which leaves
    // the template without a background.
    bool OpenPdf(const QString& path, int pageNumber);
    // Not owned; null answers every question as OK on the dialog would.
    void SetPdfPageChooser(PdfPageChooser* chooser) { pdfPageChooser_ = chooser; }

    bool isSnapshot = false;
    std::int32_t paperWidth = 12240;
    std::int32_t paperHeight = 15840;
    std::int32_t startNumber = 1;
    std::int32_t copies = 1;
    std::int32_t skip = 0;
    std::int32_t totalPages = 10;
    std::int32_t step = 1;
    std::uint16_t paperSize = 1;
    std::uint16_t orientation = 1;
    bool ascending = true;
    QByteArray printerName;
    std::vector<std::unique_ptr<HEADING>> heads;
    QByteArray pdfPath;
    std::int32_t pdfPageNumber = 1;
    std::uint32_t pdfLength = 0;
    pdf::DocumentHandle pdfDocument;
    pdf::PageHandle pdfPage;
    std::shared_ptr<PdfBlock> pdfData;
    pdf::LoadStatus pdfStatus = pdf::LoadStatus::Ok;
    bool newFromPdf = false;
    // What the template keeps beyond the Windows fields (the heads keep
    // their own); part of the template's state like any setting.
    ExtensionRecords extensions;

    PrinterSelection* printers() const { return printers_; }

private:
    // After a read: the master head an empty file lacks, a printer that exists.
    void CheckOpenedTemplate();
    void TakeOverPageSize(double widthInches, double heightInches);

    PrinterSelection* printers_ = nullptr;
    PdfPageChooser* pdfPageChooser_ = nullptr;
    std::size_t headCursor_ = 0;
};

// Paper code used when a PDF page matches no paper of the printer (Legal).
constexpr std::uint16_t kUnmatchedPdfPaperCode = 5;
