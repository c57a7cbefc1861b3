#pragma once

#include "NewTemplateChoice.h"

#include "model/PaperList.h"
#include "model/PrinterSystem.h"
#include "model/Units.h"

#include <QDialog>

#include <memory>

class PrinterSelection;
class QButtonGroup;
class QLineEdit;

namespace Ui {
class CDlgNewTemplate;
}

// The New Template dialog: a printer, then a standard paper of that printer,
// a custom width and height, or the first page of a PDF file, and the
// orientation. OK checks the sizes and the PDF path before it closes. With no
// printer installed the common papers are offered, so that OK always gives a
// usable template.
class CDlgNewTemplate : public QDialog
{
    Q_OBJECT

public:
    CDlgNewTemplate(PrinterSelection& printers, DisplayUnits units, QWidget* parent = nullptr);
    ~CDlgNewTemplate() override;

    // Results, read after OK.
    SizeChoice GetSizeChoice() const { return sizeChoice_; }
    QString GetPrinterName() const;
    // Standard: the paper's code; Custom: 0; From PDF: kNoPaperMatch. Width
    // and height in display units.
    void GetPaper(std::uint16_t* code, float* width, float* height) const;
    // 1 portrait, 2 landscape; always 1 for a printer that cannot turn the page.
    std::uint16_t GetOrientation() const;
    QString GetPdfPath() const { return pdfPath_; }
    NewTemplateChoice choice() const;

public slots:
    void accept() override;

private:
    void printerSelected(int index);
    // Fills the paper list box from papers_ and selects entry chosen.
    void refreshPapers(int chosen);
    void paperSelected(int index);
    void sizeChosen(int id);
    void browse();
    bool canTurnPage() const { return (papers_.fields & kFieldOrientation) != 0; }
    // Reads a size box; shows the message, selects the box and answers false
    // when it holds no number or one outside low .. high.
    bool readSize(QLineEdit* edit, float low, float high, float* value);

    std::unique_ptr<Ui::CDlgNewTemplate> ui_;
    PrinterSelection& printers_;
    const DisplayUnits units_;
    QList<PrinterNames> printerEntries_;
    PaperList papers_;
    QButtonGroup* sizeGroup_;
    SizeChoice sizeChoice_ = SizeChoice::standard;
    std::uint16_t paperCode_ = kNoPaperMatch;
    float width_ = 0.0f;
    float height_ = 0.0f;
    QString pdfPath_;
};
