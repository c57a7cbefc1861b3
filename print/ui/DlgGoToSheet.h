#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CDlgGoToSheet;
}

// Asks for one sheet of a print job by its number, 1 to the job's sheet
// count. Jobs reach past 2^31 sheets, so the number is 64-bit throughout; OK
// is enabled only while the text names a sheet of the job.
class CDlgGoToSheet : public QDialog
{
    Q_OBJECT

public:
    CDlgGoToSheet(qint64 sheetCount, qint64 current, QWidget* parent = nullptr);
    ~CDlgGoToSheet() override;

    // The sheet the text names, or 0 when it names none of 1..sheetCount.
    // Blanks around the number and group separators (1,000 or 1 000) are
    // accepted.
    static qint64 ParseSheet(const QString& text, qint64 sheetCount);

    void setText(const QString& text);
    // The sheet typed, 0 while the text is no sheet of the job.
    qint64 sheet() const;
    bool okEnabled() const;

private:
    void updateOk();

    std::unique_ptr<Ui::CDlgGoToSheet> ui_;
    qint64 count_;
};
