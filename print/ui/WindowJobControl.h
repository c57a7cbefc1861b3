#pragma once

#include "print/job/JobControl.h"

#include <QString>

#include <memory>

class CDlgProgress;
class QProgressDialog;
class QWidget;

// A job the user watches in the window. The background's preparation shows
// CDlgProgress centred over owner, which is disabled meanwhile so that only
// the dialog's Cancel takes input. With a title, the status box of that title
// shows the sheets written ("docName", "Page n") once the job takes a while;
// its Cancel cancels the job. Questions and messages go to message boxes.
class WindowJobControl : public JobControl
{
public:
    // owner may be null: the dialog then opens where the system puts it.
    explicit WindowJobControl(QWidget* owner, const QString& title = QString(),
                              const QString& docName = QString());
    ~WindowJobControl() override;

    bool attended() const override { return true; }
    void preparationBegins() override;
    void preparationSteps(int steps) override;
    void preparationStep() override;
    void preparationEnds() override;
    void poll() override;
    void sheetsDone(qint64 done, qint64 total) override;
    bool confirm(const QString& question, MsgButtons buttons) override;

private:
    QWidget* owner_;
    QString docName_;
    std::unique_ptr<QProgressDialog> sheets_;
    std::unique_ptr<CDlgProgress> preparation_;
    bool ownerDisabled_ = false;
};
