#include "WindowJobControl.h"

#include "DlgProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>

WindowJobControl::WindowJobControl(QWidget* owner, const QString& title, const QString& docName)
    : owner_(owner), docName_(docName)
{
    if (title.isEmpty())
        return;
    // Shown only when the job takes a while; the bar counts in thousandths
    // so that jobs beyond the int range fit.
    sheets_ = std::make_unique<QProgressDialog>(owner);
    sheets_->setWindowTitle(title);
    sheets_->setWindowModality(Qt::WindowModal);
    sheets_->setMinimumDuration(800);
    sheets_->setRange(0, 1000);
    sheets_->setAutoReset(false);
    sheets_->setAutoClose(false);
    sheets_->setValue(0);
}

WindowJobControl::~WindowJobControl()
{
    preparationEnds();
}

void WindowJobControl::preparationBegins()
{
    preparationEnds();
    preparation_ = std::make_unique<CDlgProgress>(owner_);
    QObject::connect(preparation_.get(), &CDlgProgress::cancelConfirmed, [this] { cancel(); });
    if (owner_) {
        owner_->setEnabled(false);
        ownerDisabled_ = true;
    }
    preparation_->Create();
}

void WindowJobControl::preparationSteps(int steps)
{
    if (preparation_)
        preparation_->SetRange(steps);
}

void WindowJobControl::preparationStep()
{
    if (preparation_)
        preparation_->StepIt();
}

void WindowJobControl::preparationEnds()
{
    if (ownerDisabled_) {
        owner_->setEnabled(true);
        ownerDisabled_ = false;
    }
    preparation_.reset();
}

void WindowJobControl::poll()
{
    QCoreApplication::processEvents();
}

void WindowJobControl::sheetsDone(qint64 done, qint64 total)
{
    if (!sheets_)
        return;
    const int value = int(done * 1000 / std::max<qint64>(total, 1));
    if (value != sheets_->value() || done == 1) {
        sheets_->setLabelText(QStringLiteral("%1\n").arg(docName_) +
                              QCoreApplication::translate("JobProgress", "Page %1").arg(done));
        sheets_->setValue(value);
    }
    if (sheets_->wasCanceled())
        cancel();
}

bool WindowJobControl::confirm(const QString& question, MsgButtons buttons)
{
    const MsgAnswer answer = showMessage(question, buttons, MsgIcon::Exclamation);
    return answer == MsgAnswer::Yes || answer == MsgAnswer::Ok;
}
