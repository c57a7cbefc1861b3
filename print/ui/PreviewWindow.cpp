#include "PreviewWindow.h"

#include "DlgGoToSheet.h"
#include "WindowJobControl.h"

#include "model/Preferences.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Resolution of the preview's background bitmap: enough for the largest zoom
// step on an ordinary screen, far less than a printer's.
constexpr int kPreviewBackgroundDpi = 200;
// Room around and between the sheets, in device-independent pixels.
constexpr int kGap = 16;

} // namespace

// The gray area that shows the sheets.
class PreviewCanvas : public QWidget
{
public:
    explicit PreviewCanvas(CPreviewWindow* window) : QWidget(window), window_(window)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Sheet rectangles for a canvas of the current size.
    QRectF sheetRect(int i) const
    {
        const double s = window_->scale();
        const QSizeF paper = QSizeF(window_->geometry_.paperPixels) * s;
        const double total = window_->pages_ * paper.width() + (window_->pages_ - 1) * kGap;
        const double left = std::max<double>(kGap, (width() - total) / 2.0);
        const double top = std::max<double>(kGap, (height() - paper.height()) / 2.0);
        return QRectF(QPointF(left + i * (paper.width() + kGap), top), paper);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        const qint64 count = window_->job_.sheetCount();
        for (int i = 0; i < window_->pages_; ++i) {
            const qint64 sheet = window_->current_ + i;
            if (sheet > count)
                break;
            const QRectF r = sheetRect(i);
            painter.fillRect(r.translated(3, 3), Qt::black);
            painter.fillRect(r, Qt::white);
            painter.save();
            painter.setClipRect(r);
            painter.translate(r.topLeft());
            const QSize paper = window_->geometry_.paperPixels;
            painter.scale(r.width() / paper.width(), r.height() / paper.height());
            window_->job_.PrintPage(painter, sheet, window_->geometry_);
            painter.restore();
        }
    }

private:
    CPreviewWindow* window_;
};

CPreviewWindow::CPreviewWindow(const CCadenzoDoc& doc, const SheetGeometry& geometry,
                               Preferences* preferences, QWidget* parent)
    : QDialog(parent), job_(doc), geometry_(geometry), prefs_(preferences)
{
    setWindowTitle(tr("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (geometry_.paperPixels.isEmpty())
        geometry_.paperPixels = QSize(1, 1);
    if (const QScreen* screen = this->screen())
        screenDpi_ = std::max(1, int(std::lround(screen->logicalDotsPerInch())));

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    printButton_ = addButton(tr("&Print..."));
    nextButton_ = addButton(tr("&Next Page"));
    prevButton_ = addButton(tr("Pre&v Page"));
    pagesButton_ = addButton(tr("&Two Page"));
    goToButton_ = addButton(tr("&Go to Sheet..."));
    goToButton_->setToolTip(tr("Go to a sheet of the job (Ctrl+G)"));
    zoomInButton_ = addButton(tr("Zoom &In"));
    zoomOutButton_ = addButton(tr("Zoom &Out"));
    closeButton_ = addButton(tr("&Close"));
    buttons->addStretch();

    canvas_ = new PreviewCanvas(this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->viewport()->installEventFilter(this);

    auto* statusBar = new QStatusBar(this);
    status_ = new QLabel(statusBar);
    statusBar->addWidget(status_, 1);
    // The job's length beside the sheets shown, for jumping about long jobs.
    total_ = new QLabel(sheetCount() == 1 ? tr("1 sheet") : tr("%1 sheets").arg(sheetCount()), statusBar);
    statusBar->addPermanentWidget(total_);
    statusBar->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QWidget(this);
    bar->setLayout(buttons);
    layout->addWidget(bar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(statusBar);

    connect(printButton_, &QPushButton::clicked, this, [this] {
        emit printRequested();
        accept();
    });
    connect(nextButton_, &QPushButton::clicked, this, &CPreviewWindow::NextPage);
    connect(prevButton_, &QPushButton::clicked, this, &CPreviewWindow::PrevPage);
    connect(pagesButton_, &QPushButton::clicked, this, &CPreviewWindow::TogglePages);
    connect(goToButton_, &QPushButton::clicked, this, &CPreviewWindow::GoToSheet);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this,
            &CPreviewWindow::GoToSheet);
    connect(zoomInButton_, &QPushButton::clicked, this, &CPreviewWindow::ZoomIn);
    connect(zoomOutButton_, &QPushButton::clicked, this, &CPreviewWindow::ZoomOut);
    connect(closeButton_, &QPushButton::clicked, this, &CPreviewWindow::reject);

    const int dpi = std::min({kPreviewBackgroundDpi, geometry_.resolutionX, geometry_.resolutionY});
    // Over a window the preparation shows its progress there and offers Cancel.
    WindowJobControl control(parent);
    const pdf::RenderStatus background =
        job_.BeginPreview(geometry_, std::max(dpi, 1), parent ? &control : nullptr);
    cancelled_ = background == pdf::RenderStatus::Cancelled;
    if (background == pdf::RenderStatus::TimedOut)
        ReportBackgroundLeftOut();

    pages_ = prefs_ && prefs_->previewPages == 2 ? 2 : 1;
    resize(900, 760);
    updateControls();
}

CPreviewWindow::~CPreviewWindow()
{
    job_.EndPrinting();
}

void CPreviewWindow::setScreenDpi(int dpi)
{
    screenDpi_ = std::max(1, dpi);
    updateControls();
}

void CPreviewWindow::setCurrentSheet(qint64 sheet)
{
    current_ = std::clamp<qint64>(sheet, 1, std::max<qint64>(1, sheetCount()));
    updateControls();
}

void CPreviewWindow::setPagesShown(int pages)
{
    pages_ = pages == 2 ? 2 : 1;
    if (prefs_)
        prefs_->previewPages = pages_;
    updateControls();
}

void CPreviewWindow::NextPage()
{
    setCurrentSheet(current_ + 1);
}

void CPreviewWindow::PrevPage()
{
    setCurrentSheet(current_ - 1);
}

void CPreviewWindow::TogglePages()
{
    setPagesShown(pages_ == 1 ? 2 : 1);
}

void CPreviewWindow::FirstPage()
{
    setCurrentSheet(1);
}

void CPreviewWindow::LastPage()
{
    setCurrentSheet(sheetCount() - pages_ + 1);
}

void CPreviewWindow::GoToSheet()
{
    if (sheetCount() <= 0)
        return;
    CDlgGoToSheet dialog(sheetCount(), current_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.sheet() > 0)
        setCurrentSheet(dialog.sheet());
}

void CPreviewWindow::ZoomIn()
{
    const int step = zoomStep();
    if (step + 1 < int(zoomSteps().size()))
        zoom_ = zoomSteps()[std::size_t(step + 1)];
    updateControls();
}

void CPreviewWindow::ZoomOut()
{
    const int step = zoomStep();
    if (step > 0)
        zoom_ = zoomSteps()[std::size_t(step - 1)];
    updateControls();
}

std::array<int, 3> CPreviewWindow::zoomSteps() const
{
    std::array<int, 3> steps{ZoomFit, ZoomActual, ZoomDouble};
    std::stable_sort(steps.begin(), steps.end(), [this](int a, int b) { return scaleAt(a) < scaleAt(b); });
    return steps;
}

int CPreviewWindow::zoomStep() const
{
    const std::array<int, 3> steps = zoomSteps();
    return int(std::find(steps.begin(), steps.end(), zoom_) - steps.begin());
}

QString CPreviewWindow::statusText() const
{
    if (sheetCount() <= 0)
        return QString();
    const qint64 last = std::min(current_ + pages_ - 1, sheetCount());
    if (last > current_)
        return tr("Pages %1-%2").arg(current_).arg(last);
    return tr("Page %1").arg(current_);
}

QString CPreviewWindow::totalText() const
{
    return total_->text();
}

double CPreviewWindow::scaleAt(int zoom) const
{
    const QSize paper = geometry_.paperPixels;
    if (zoom == ZoomFit) {
        const QSize view = scroll_->viewport()->size();
        const double w = (view.width() - (pages_ + 1) * kGap) / double(pages_ * paper.width());
        const double h = (view.height() - 2 * kGap) / double(paper.height());
        return std::max(0.01, std::min(w, h));
    }
    const double actual = double(screenDpi_) / geometry_.resolutionX;
    return zoom == ZoomActual ? actual : 2 * actual;
}

void CPreviewWindow::layoutCanvas()
{
    const QSize view = scroll_->viewport()->size();
    if (zoom_ == ZoomFit) {
        canvas_->resize(view);
    } else {
        const QSizeF paper = QSizeF(geometry_.paperPixels) * scale();
        const int w = int(std::ceil(pages_ * paper.width() + (pages_ + 1) * kGap));
        const int h = int(std::ceil(paper.height() + 2 * kGap));
        canvas_->resize(std::max(w, view.width()), std::max(h, view.height()));
    }
    canvas_->update();
}

void CPreviewWindow::updateControls()
{
    const qint64 count = sheetCount();
    prevButton_->setEnabled(current_ > 1);
    nextButton_->setEnabled(current_ + pages_ - 1 < count);
    pagesButton_->setText(pages_ == 1 ? tr("&Two Page") : tr("&One Page"));
    const int step = zoomStep();
    zoomInButton_->setEnabled(step + 1 < int(zoomSteps().size()));
    zoomOutButton_->setEnabled(step > 0);
    printButton_->setEnabled(count > 0);
    goToButton_->setEnabled(count > 1);
    status_->setText(statusText());
    layoutCanvas();
}

void CPreviewWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        NextPage();
        return;
    case Qt::Key_PageUp:
        PrevPage();
        return;
    case Qt::Key_Home:
        FirstPage();
        return;
    case Qt::Key_End:
        LastPage();
        return;
    default:
        QDialog::keyPressEvent(event); // Esc closes
    }
}

void CPreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutCanvas();
}

bool CPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The whole-sheet step follows the window's size, and with it the order
    // of the zoom steps.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize)
        updateControls();
    return QDialog::eventFilter(watched, event);
}

void CPreviewWindow::done(int result)
{
    if (prefs_)
        prefs_->previewPages = pages_;
    job_.EndPrinting();
    QDialog::done(result);
}
