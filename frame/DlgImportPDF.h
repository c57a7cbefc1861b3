#pragma once

#include "model/PdfLibrary.h"
#include "model/PdfPageChooser.h"
#include "model/Units.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

namespace Ui {
class CDlgImportPDF;
}

// Import PDF's question: which page of the PDF to import and, when that page's
// size differs from the template's paper, whether to reset the settings and
// take over the page's size or to stretch the page over the paper. Lengths are
// inches and are shown in the display units.
class CDlgImportPDF : public QDialog
{
    Q_OBJECT

public:
    // projectWidth, projectHeight: the template's paper as stored (portrait
    // sense); the PDF is not owned.
    CDlgImportPDF(float projectWidth, float projectHeight, std::uint16_t orientation,
                  pdf::DocumentHandle pdfDocument, DisplayUnits units, QWidget* parent = nullptr);
    ~CDlgImportPDF() override;

    // Before the dialog is shown.
    void SetAllowSizeChoice(bool allow) { allowSizeChoice_ = allow; }
    void SetPageNumber(int pageNumber) { pageNumber_ = pageNumber; }

    void GetPageSize(float& width, float& height) const;
    int GetPageNumber() const { return pageNumber_; }
    // kSizeChoiceAdopt or kSizeChoiceResize as checked when OK was pressed;
    // 0 when the size choice was not offered for the chosen page.
    int GetSizeChoice() const { return sizeChoice_; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnPageTextChanged();
    // Reads the page field; false after telling the user what it must hold.
    bool TakePageNumber();
    void UpdatePageSize();

    std::unique_ptr<Ui::CDlgImportPDF> ui_;
    float projectWidth_;
    float projectHeight_;
    std::uint16_t orientation_;
    pdf::DocumentHandle pdfDocument_;
    DisplayUnits units_;
    float pageWidth_;
    float pageHeight_;
    int pageCount_ = 1;
    int pageNumber_ = 1;
    QString sizeTextTemplate_;
    int sizeChoice_ = 0;
    bool allowSizeChoice_ = true;
    bool initialised_ = false;
};

// The import's page question asked through CDlgImportPDF over a window, in
// the display units the user chose.
class DialogPdfPageChooser : public PdfPageChooser
{
public:
    // Neither is owned; units is read each time the dialog opens.
    DialogPdfPageChooser(QWidget* parent, const DisplayUnits* units) : parent_(parent), units_(units) {}
    bool ChoosePdfPage(const PdfPageRequest& request, PdfPageChoice* choice) override;

private:
    QWidget* parent_;
    const DisplayUnits* units_;
};
