#include "DlgGoToSheet.h"

#include "ui_DlgGoToSheet.h"

#include <QPushButton>

CDlgGoToSheet::CDlgGoToSheet(qint64 sheetCount, qint64 current, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CDlgGoToSheet>()), count_(sheetCount)
{
    ui_->setupUi(this);
    ui_->prompt->setText(tr("&Sheet (1 to %1):").arg(sheetCount));
    ui_->sheetEdit->setText(QString::number(current));
    ui_->sheetEdit->selectAll();
    connect(ui_->sheetEdit, &QLineEdit::textChanged, this, &CDlgGoToSheet::updateOk);
    updateOk();
}

CDlgGoToSheet::~CDlgGoToSheet() = default;

qint64 CDlgGoToSheet::ParseSheet(const QString& text, qint64 sheetCount)
{
    QString digits = text.trimmed();
    digits.remove(QLatin1Char(',')).remove(QLatin1Char(' ')).remove(QChar(0x00A0));
    // toLongLong would take a sign; a sheet number has none.
    if (digits.isEmpty() || !digits.front().isDigit())
        return 0;
    bool ok = false;
    const qint64 sheet = digits.toLongLong(&ok); // false on overflow as well
    return ok && sheet >= 1 && sheet <= sheetCount ? sheet : 0;
}

void CDlgGoToSheet::setText(const QString& text)
{
    ui_->sheetEdit->setText(text);
}

qint64 CDlgGoToSheet::sheet() const
{
    return ParseSheet(ui_->sheetEdit->text(), count_);
}

bool CDlgGoToSheet::okEnabled() const
{
    return ui_->buttons->button(QDialogButtonBox::Ok)->isEnabled();
}

void CDlgGoToSheet::updateOk()
{
    ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(sheet() > 0);
}
