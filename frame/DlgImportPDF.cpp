#include "DlgImportPDF.h"

#include "ui_DlgImportPDF.h"

#include "model/MessageSink.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr double kMillimetresPerInch = 25.4;

// The size text's placeholders are "%1.2f": each takes the next value with
// two decimals.
QString formatSizeText(QString text, std::initializer_list<double> values)
{
    const QLatin1String placeholder("%1.2f");
    for (double value : values) {
        const qsizetype at = text.indexOf(placeholder);
        if (at < 0)
            break;
        text.replace(at, placeholder.size(), QString::number(value, 'f', 2));
    }
    return text;
}

} // namespace

CDlgImportPDF::CDlgImportPDF(float projectWidth, float projectHeight, std::uint16_t orientation,
                             pdf::DocumentHandle pdfDocument, DisplayUnits units, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CDlgImportPDF>()), projectWidth_(projectWidth),
      projectHeight_(projectHeight), orientation_(orientation), pdfDocument_(std::move(pdfDocument)),
      units_(units), pageWidth_(projectWidth), pageHeight_(projectHeight)
{
    ui_->setupUi(this);
    ui_->edit1065->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui_->edit1065));
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &CDlgImportPDF::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &CDlgImportPDF::reject);
}

CDlgImportPDF::~CDlgImportPDF() = default;

void CDlgImportPDF::GetPageSize(float& width, float& height) const
{
    width = pageWidth_;
    height = pageHeight_;
}

void CDlgImportPDF::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDlgImportPDF::OnInitDialog()
{
    pageCount_ = pdf::GetPageCount(pdfDocument_);
    ui_->label1071->setText(ui_->label1071->text().replace(QLatin1String("%d"), QString::number(pageCount_)));
    // Filled before the change handler listens, so no check runs on it.
    ui_->edit1065->setText(QString::number(pageNumber_));
    connect(ui_->edit1065, &QLineEdit::textChanged, this, &CDlgImportPDF::OnPageTextChanged);
    if (pageCount_ > 1) {
        ui_->edit1065->setFocus();
        ui_->edit1065->selectAll();
    } else {
        for (QWidget* w : {static_cast<QWidget*>(ui_->group1069), static_cast<QWidget*>(ui_->label1072),
                           static_cast<QWidget*>(ui_->label1073), static_cast<QWidget*>(ui_->edit1065),
                           static_cast<QWidget*>(ui_->label1071)})
            w->setEnabled(false);
        ui_->buttonBox->button(QDialogButtonBox::Ok)->setFocus();
    }
    sizeTextTemplate_ = ui_->label1070->text();
    UpdatePageSize();
}

bool CDlgImportPDF::TakePageNumber()
{
    bool ok = false;
    const int value = ui_->edit1065->text().trimmed().toInt(&ok);
    if (!ok) {
        showMessage(tr("Enter an integer."), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (value < 1 || value > pageCount_) {
        showMessage(tr("Enter an integer between %1 and %2.").arg(1).arg(pageCount_), MsgButtons::Ok,
                    MsgIcon::Exclamation);
        return false;
    }
    pageNumber_ = value;
    return true;
}

void CDlgImportPDF::OnPageTextChanged()
{
    if (TakePageNumber())
        UpdatePageSize();
}

void CDlgImportPDF::UpdatePageSize()
{
    MeasurePdfPage(pdfDocument_, pageNumber_, &pageWidth_, &pageHeight_);

    const double scale = units_ == DisplayUnits::inches ? 1.0 : kMillimetresPerInch;
    ui_->label1070->setText(
        formatSizeText(sizeTextTemplate_, {pageWidth_ * scale, pageHeight_ * scale, projectWidth_ * scale,
                                           projectHeight_ * scale}));

    // The choice follows the page shown: offered, with the reset preselected,
    // exactly while that page differs from the paper.
    const bool offered = allowSizeChoice_ && PdfPageSizeDiffers(pageWidth_, pageHeight_, projectWidth_,
                                                                projectHeight_, orientation_);
    if (offered)
        ui_->radio1066->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(ui_->group1068), static_cast<QWidget*>(ui_->label1070),
                       static_cast<QWidget*>(ui_->radio1066), static_cast<QWidget*>(ui_->radio1067)})
        w->setEnabled(offered);
}

void CDlgImportPDF::accept()
{
    // A choice in a disabled group was not offered for this page.
    sizeChoice_ = 0;
    if (ui_->group1068->isEnabled()) {
        if (ui_->radio1066->isChecked())
            sizeChoice_ = kSizeChoiceAdopt;
        else if (ui_->radio1067->isChecked())
            sizeChoice_ = kSizeChoiceResize;
    }
    if (!TakePageNumber()) {
        ui_->edit1065->setFocus();
        ui_->edit1065->selectAll();
        return;
    }
    QDialog::accept();
}

bool DialogPdfPageChooser::ChoosePdfPage(const PdfPageRequest& request, PdfPageChoice* choice)
{
    CDlgImportPDF dialog(request.projectWidth, request.projectHeight, request.orientation, request.document,
                         units_ ? *units_ : DisplayUnits::inches, parent_);
    dialog.SetAllowSizeChoice(request.allowSizeChoice);
    dialog.SetPageNumber(choice->pageNumber);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice->pageNumber = dialog.GetPageNumber();
    dialog.GetPageSize(choice->pageWidth, choice->pageHeight);
    choice->sizeChoice = dialog.GetSizeChoice();
    return true;
}
