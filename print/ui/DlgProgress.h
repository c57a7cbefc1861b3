#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CDlgProgress;
}

// Small modeless dialog shown while the background is prepared for printing:
// a progress bar of bands done and a Cancel button. Cancel or Esc asks for
// confirmation and, on Yes, says so through cancelConfirmed() and closes.
class CDlgProgress : public QDialog
{
    Q_OBJECT

public:
    // owner is the window the dialog centres on; it may be disabled while the
    // dialog runs, so it is not the dialog's parent.
    explicit CDlgProgress(QWidget* owner = nullptr);
    ~CDlgProgress() override;

    // Shows the dialog centred over its owner and paints it at once.
    void Create();
    void SetRange(int n);
    void StepIt();
    int value() const;
    int maximum() const;

signals:
    void cancelConfirmed();

public slots:
    void reject() override;

private:
    std::unique_ptr<Ui::CDlgProgress> ui_;
    QWidget* owner_;
};
