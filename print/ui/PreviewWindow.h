#pragma once

#include "print/job/PrintJob.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QScrollArea;
class PreviewCanvas;
struct Preferences;

// The print preview: one or two sheets of the job at a time, each drawn on
// demand by the job's page routine, so that opening and paging take the same
// time for a job of ten sheets or ten million.
class CPreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // Zoom steps: the whole sheet in the window, its real size, twice that.
    enum Zoom
    {
        ZoomFit = 0,
        ZoomActual = 1,
        ZoomDouble = 2
    };

    // Previews the job of doc on a printer with geometry; the background is
    // prepared here, with Cancel offered over parent when there is one, and
    // released when the window closes. preferences, when
    // given, says how many sheets to show and keeps the choice.
    CPreviewWindow(const CCadenzoDoc& doc, const SheetGeometry& geometry, Preferences* preferences = nullptr,
                   QWidget* parent = nullptr);
    ~CPreviewWindow() override;

    qint64 currentSheet() const { return current_; }
    qint64 sheetCount() const { return job_.sheetCount(); }
    // Shows sheet (clamped to the job) as the first of the shown sheets.
    void setCurrentSheet(qint64 sheet);
    // "Page N", or "Pages N-M" while two sheets are shown; the job's sheet
    // count stands beside it (totalText).
    QString statusText() const;
    QString totalText() const;
    // 1 or 2 sheets side by side.
    int pagesShown() const { return pages_; }
    void setPagesShown(int pages);
    int zoom() const { return zoom_; }
    // Device-independent pixels per printer pixel at the current zoom.
    double scale() const { return scaleAt(zoom_); }

    const CPrintJob& job() const { return job_; }
    // The user cancelled the background's preparation: the preview is not
    // to be shown.
    bool cancelled() const { return cancelled_; }
    const SheetGeometry& geometry() const { return geometry_; }
    void setScreenDpi(int dpi);

    // The toolbar buttons, for callers and tests.
    QPushButton* printButton() const { return printButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* prevButton() const { return prevButton_; }
    QPushButton* pagesButton() const { return pagesButton_; }
    QPushButton* zoomInButton() const { return zoomInButton_; }
    QPushButton* zoomOutButton() const { return zoomOutButton_; }

public slots:
    void NextPage();
    void PrevPage();
    void TogglePages();
    void FirstPage();
    // The last sheet, or the last two in two-page mode.
    void LastPage();
    // Asks for a sheet number (Ctrl+G) and shows that sheet; only it is drawn.
    void GoToSheet();
    void ZoomIn();
    void ZoomOut();

signals:
    // "&Print..." was pressed: the window closes and the caller prints.
    void printRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    friend class PreviewCanvas;
    void updateControls();
    void layoutCanvas();
    double scaleAt(int zoom) const;
    // The zoom steps from the smallest picture to the largest: shown whole,
    // a small sheet is larger than its real size.
    std::array<int, 3> zoomSteps() const;
    // The position of the current zoom among zoomSteps().
    int zoomStep() const;

    CPrintJob job_;
    SheetGeometry geometry_;
    qint64 current_ = 1;
    int pages_ = 1;
    Preferences* prefs_ = nullptr;
    int zoom_ = ZoomFit;
    int screenDpi_ = 96;
    bool cancelled_ = false;

    QScrollArea* scroll_ = nullptr;
    PreviewCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* total_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* prevButton_ = nullptr;
    QPushButton* pagesButton_ = nullptr;
    QPushButton* goToButton_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
