#include "DlgNewTemplate.h"

#include "ui_DlgNewTemplate.h"

#include "print/printers/QtPaperSizes.h"

#include "model/Codepage.h"
#include "model/MessageSink.h"
#include "model/PrinterSelection.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <optional>

namespace {

constexpr std::uint32_t kCustomSizeFields = kFieldPaperLength | kFieldPaperWidth;

// The sizes a page may have, per display unit.
struct SizeRange
{
    float low;
    float high;
};
constexpr SizeRange kHeightInches{5.0f, 56.0f};
constexpr SizeRange kWidthInches{3.0f, 40.0f};
constexpr SizeRange kHeightMillimetres{127.0f, 1422.0f};
constexpr SizeRange kWidthMillimetres{76.2f, 1016.0f};

// A size box shows two decimals, whatever the user's locale.
QString sizeText(float value)
{
    return QString::number(double(value), 'f', 2);
}

// A number with optional blanks around it and nothing else; infinities and
// NaN are not numbers a page can have.
std::optional<float> parseNumber(const QString& text)
{
    bool ok = false;
    const float value = QLocale::c().toFloat(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// An existing file with an extension; a folder is no PDF either.
bool isPdfPathname(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && !info.suffix().isEmpty();
}

} // namespace

CDlgNewTemplate::CDlgNewTemplate(PrinterSelection& printers, DisplayUnits units, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CDlgNewTemplate>()), printers_(printers), units_(units),
      sizeGroup_(new QButtonGroup(this))
{
    ui_->setupUi(this);
    sizeGroup_->addButton(ui_->standardRadio1074, int(SizeChoice::standard));
    sizeGroup_->addButton(ui_->customRadio1076, int(SizeChoice::custom));
    sizeGroup_->addButton(ui_->pdfRadio1079, int(SizeChoice::fromPdf));

    std::optional<PrinterNames> current;
    printers_.GetPrinterDefaults(nullptr, &current);
    printerEntries_ = printers_.system().installedPrinters();
    int chosen = 0;
    for (int i = 0; i < printerEntries_.size(); ++i) {
        ui_->printerCombo1092->addItem(printerEntries_.at(i).device);
        if (current && printerEntries_.at(i).device == current->device)
            chosen = i;
    }

    ui_->standardRadio1074->setChecked(true);
    ui_->portraitRadio1090->setChecked(true);
    if (printerEntries_.isEmpty()) {
        // Nothing to print on yet (PDF export still works): the common papers
        // keep every way of sizing the page open.
        papers_ = CommonPapers();
        refreshPapers(LocalePaperIndex(papers_));
    } else {
        ui_->printerCombo1092->setCurrentIndex(chosen);
        printerSelected(chosen);
    }

    connect(ui_->printerCombo1092, &QComboBox::currentIndexChanged, this, &CDlgNewTemplate::printerSelected);
    connect(ui_->paperCombo1075, &QComboBox::currentIndexChanged, this, &CDlgNewTemplate::paperSelected);
    connect(sizeGroup_, &QButtonGroup::idClicked, this, &CDlgNewTemplate::sizeChosen);
    connect(ui_->browseButton1081, &QPushButton::clicked, this, &CDlgNewTemplate::browse);
}

CDlgNewTemplate::~CDlgNewTemplate() = default;

QString CDlgNewTemplate::GetPrinterName() const
{
    const int index = ui_->printerCombo1092->currentIndex();
    return index >= 0 && index < printerEntries_.size() ? printerEntries_.at(index).device : QString();
}

void CDlgNewTemplate::GetPaper(std::uint16_t* code, float* width, float* height) const
{
    *code = paperCode_;
    *width = width_;
    *height = height_;
}

std::uint16_t CDlgNewTemplate::GetOrientation() const
{
    if (!canTurnPage())
        return 1;
    return ui_->landscapeRadio1091->isChecked() ? 2 : 1;
}

NewTemplateChoice CDlgNewTemplate::choice() const
{
    NewTemplateChoice result;
    result.sizeChoice = sizeChoice_;
    result.printerName = GetPrinterName();
    GetPaper(&result.paperCode, &result.width, &result.height);
    result.orientation = GetOrientation();
    result.pdfPath = pdfPath_;
    result.papers = papers_;
    return result;
}

void CDlgNewTemplate::printerSelected(int index)
{
    if (index < 0 || index >= printerEntries_.size())
        return;
    const PrinterNames& printer = printerEntries_.at(index);
    PaperList papers;
    printers_.LoadPaperList(printer.device, printer.port, papers);
    if (papers.count > 0 && !papers.names.isEmpty()) {
        papers_ = papers;
        refreshPapers(0);
        return;
    }
    // A driver without a paper list still leaves standard papers to choose
    // from, so that Standard always hands over a paper code.
    papers_ = CommonPapers();
    papers_.fields = papers.fields;
    refreshPapers(LocalePaperIndex(papers_));
}

void CDlgNewTemplate::refreshPapers(int chosen)
{
    {
        const QSignalBlocker blocker(ui_->paperCombo1075);
        ui_->paperCombo1075->clear();
        for (const QByteArray& name : std::as_const(papers_.names))
            ui_->paperCombo1075->addItem(fromCp1252(name));
        ui_->paperCombo1075->setCurrentIndex(chosen);
    }
    paperSelected(ui_->paperCombo1075->currentIndex());

    const bool customSizes = (papers_.fields & kCustomSizeFields) != 0;
    ui_->customRadio1076->setEnabled(customSizes);
    if (!customSizes && ui_->customRadio1076->isChecked())
        ui_->standardRadio1074->setChecked(true);
    // The new printer decides whether the page can be turned.
    sizeChosen(sizeGroup_->checkedId());
}

void CDlgNewTemplate::paperSelected(int index)
{
    if (index < 0 || index >= papers_.sizes.size())
        return;
    const PaperList::Size& size = papers_.sizes.at(index);
    ui_->heightEdit1077->setText(sizeText(TenthsMmToDisplay(size.height, units_)));
    ui_->widthEdit1078->setText(sizeText(TenthsMmToDisplay(size.width, units_)));
    if (sizeGroup_->checkedId() == int(SizeChoice::standard) && index < papers_.codes.size())
        paperCode_ = papers_.codes.at(index);
}

void CDlgNewTemplate::sizeChosen(int id)
{
    const bool standard = id == int(SizeChoice::standard);
    const bool custom = id == int(SizeChoice::custom);
    const bool fromPdf = id == int(SizeChoice::fromPdf);
    ui_->paperCombo1075->setEnabled(standard);
    ui_->widthEdit1078->setEnabled(custom);
    ui_->heightEdit1077->setEnabled(custom);
    ui_->pathEdit1080->setEnabled(fromPdf);
    ui_->browseButton1081->setEnabled(fromPdf);
    ui_->orientationGroup1095->setEnabled(!fromPdf && canTurnPage());

    if (standard) {
        const int paper = ui_->paperCombo1075->currentIndex();
        paperCode_ = paper >= 0 && paper < papers_.codes.size() ? papers_.codes.at(paper) : kNoPaperMatch;
    } else if (custom) {
        paperCode_ = 0;
    } else {
        paperCode_ = kNoPaperMatch;
    }
}

void CDlgNewTemplate::browse()
{
    QFileDialog dialog(this, QString(), QString(), tr("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    pdfPath_ = path;
    ui_->pathEdit1080->setText(path);
}

bool CDlgNewTemplate::readSize(QLineEdit* edit, float low, float high, float* value)
{
    const std::optional<float> number = parseNumber(edit->text());
    QString problem;
    if (!number) {
        problem = tr("Enter a number.");
    } else if (*number < low || *number > high) {
        problem = tr("Enter a number between %1 and %2.")
                      .arg(QString::number(double(low), 'g', 6), QString::number(double(high), 'g', 6));
    } else {
        *value = *number;
        return true;
    }
    showMessage(problem, MsgButtons::Ok, MsgIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void CDlgNewTemplate::accept()
{
    pdfPath_ = ui_->pathEdit1080->text();
    const bool inches = units_ == DisplayUnits::inches;
    const SizeRange heightRange = inches ? kHeightInches : kHeightMillimetres;
    const SizeRange widthRange = inches ? kWidthInches : kWidthMillimetres;
    float height = 0.0f;
    float width = 0.0f;
    if (!readSize(ui_->heightEdit1077, heightRange.low, heightRange.high, &height))
        return;
    if (!readSize(ui_->widthEdit1078, widthRange.low, widthRange.high, &width))
        return;
    height_ = height;
    width_ = width;
    sizeChoice_ = SizeChoice(sizeGroup_->checkedId());

    if (sizeChoice_ == SizeChoice::fromPdf && !isPdfPathname(pdfPath_)) {
        showMessage(tr("The PDF file specified is not a valid PDF pathname.\n\n%1").arg(pdfPath_),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        // The path is what needs changing.
        ui_->pathEdit1080->setFocus();
        ui_->pathEdit1080->selectAll();
        return;
    }
    QDialog::accept();
}
