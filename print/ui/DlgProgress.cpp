#include "DlgProgress.h"

#include "ui_DlgProgress.h"

#include "model/MessageSink.h"

#include <QCoreApplication>
#include <QPushButton>

CDlgProgress::CDlgProgress(QWidget* owner)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::CDlgProgress>()),
      owner_(owner)
{
    ui_->setupUi(this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CDlgProgress::reject);
}

CDlgProgress::~CDlgProgress() = default;

void CDlgProgress::Create()
{
    adjustSize();
    if (owner_) {
        const QRect frame = owner_->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    repaint();
    QCoreApplication::processEvents();
}

void CDlgProgress::SetRange(int n)
{
    ui_->progress1083->setRange(0, n);
    ui_->progress1083->setValue(0);
}

void CDlgProgress::StepIt()
{
    const int next = ui_->progress1083->value() + 1;
    if (next <= ui_->progress1083->maximum())
        ui_->progress1083->setValue(next);
}

int CDlgProgress::value() const
{
    return ui_->progress1083->value();
}

int CDlgProgress::maximum() const
{
    return ui_->progress1083->maximum();
}

void CDlgProgress::reject()
{
    const MsgAnswer answer = showMessage(
        QCoreApplication::translate("CDlgProgress", "Are you sure you want to cancel the print job?"),
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes)
        return;
    emit cancelConfirmed();
    QDialog::reject();
}
