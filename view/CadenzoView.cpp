#include "CadenzoView.h"

#include "BackgroundRenderer.h"
#include "SelectedHeads.h"
#include "ViewGeometry.h"
#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/FontFromLogFont.h"
#include "model/Int32.h"
#include "model/MessageSink.h"
#include "model/Preferences.h"
#include "model/RenderTimeLimits.h"
#include "model/UndoChain.h"
#include "model/Units.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Outside the page: the platform's application workspace grey.
const QColor kWorkspace(171, 171, 171);
const QColor kFrameGrey(127, 127, 127);
// The page border is a pen this wide whose centre line lies this far outside
// the page edge, so it scales with the zoom.
constexpr std::int32_t kBorderTwips = 35;

// Captions: Arial with a 10-point cell, medium weight, italic, underlined.
LOGFONTA captionLogFont()
{
    LOGFONTA lf;
    lf.lfHeight = 10; // points, as head fonts are kept
    lf.lfWeight = 500;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfOutPrecision = 8;
    lf.lfQuality = 2;
    lf.lfPitchAndFamily = 0x22;
    setFaceName(lf, "Arial");
    return lf;
}

bool allZero(const RECT& r)
{
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

} // namespace

CCadenzoView::CCadenzoView(CCadenzoDoc* doc, Preferences* preferences, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), prefs_(preferences),
      selection_(std::make_unique<CSelectedHeads>(&doc->heads))
{
    undo_ = std::make_unique<UndoChain>();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true); // the cursor follows the page's edge
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The bars' own page step sizes their sliders to the visible part; a click
    // beside the slider moves by the canvas's page step instead.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
            const int step = bar == horizontalScrollBar() ? pageStep_.width() : pageStep_.height();
            if (action == QAbstractSlider::SliderPageStepAdd)
                bar->setSliderPosition(bar->value() + step);
            else if (action == QAbstractSlider::SliderPageStepSub)
                bar->setSliderPosition(bar->value() - step);
        });
    }
    pdfRenderer_ = new BackgroundRenderer(this);
    connect(pdfRenderer_, &BackgroundRenderer::finished, this, &CCadenzoView::pdfScreenImageReady);
    doc_->AddView(this);
}

CCadenzoView::~CCadenzoView()
{
    if (doc_)
        doc_->RemoveView(this);
}

void CCadenzoView::InitialUpdate()
{
    RestartUndo();
    OnUpdate(nullptr, 0);
}

void CCadenzoView::OnUpdate(DocumentObserver* /*sender*/, int hint)
{
    // A change the document announces itself (Import PDF) is one undo step.
    if (hint != 0)
        RecordUndoStep();
    pageRect_ = RECT{0, 0, doc_->GetPageWidth(), int32::sub(0, doc_->GetPageHeight())};
    buildPdfScreenImage();
    UpdateScrollSizes(true);

    // Heads read from a file carry no measurements yet. Every unmeasured head
    // is measured, not just the master head, so that its frame and hit area
    // match its text from the start; captions follow the page they are on.
    for (int i = 0; i < doc_->GetHeadCount(); ++i) {
        HEADING& head = *doc_->GetHeadByIndex(i);
        if (allZero(head.bounds))
            head.CalcBounds(measurer_, doc_->GetHeadNumber(0, head));
        if (captionsShown())
            PlaceCaption(head, i);
    }

    selection_->RemoveAll();
    if (doc_->GetHeadCount() > 0) {
        POSITION first = nullptr;
        doc_->GetHeadByIndex(0, &first);
        selection_->Add(0, first);
    }

    emit documentUpdated();
    emit headSelectionChanged();
}

void CCadenzoView::SetZoomLevel(int percent, bool setText)
{
    // Only the entry asks, and it checks the range; anything else is held to it.
    zoom_ = std::clamp(percent, kZoomMin, kZoomMax);
    if (setText)
        emit zoomChanged(zoom_);
    setFocus();
    UpdateScrollSizes(false);
}

void CCadenzoView::ZoomIn()
{
    if (zoom_ == kZoomMax)
        return;
    zoom_ = viewgeom::zoomIn(zoom_);
    emit zoomChanged(zoom_);
    UpdateScrollSizes(false);
}

void CCadenzoView::ZoomOut()
{
    if (zoom_ == kZoomMin)
        return;
    zoom_ = viewgeom::zoomOut(zoom_);
    emit zoomChanged(zoom_);
    UpdateScrollSizes(false);
}

CSelectedHeads& CCadenzoView::GetSelectedHeads()
{
    return *selection_;
}

bool CCadenzoView::captionsShown() const
{
    return prefs_->isSet(Preferences::kShowCaptions);
}

void CCadenzoView::ToggleHeaderCaptions()
{
    prefs_->toggle(Preferences::kShowCaptions);
    if (captionsShown()) {
        for (int i = 0; i < doc_->GetHeadCount(); ++i)
            PlaceCaption(*doc_->GetHeadByIndex(i), i);
    }
    RefreshAllHeads(false, false);
}

void CCadenzoView::PlaceCaption(HEADING& head, int index)
{
    const SIZE size = measurer_.textExtent(inTwips(captionLogFont()), HeadCaption(index));
    const POINT q = GetCaptionPosition(head.bounds, size);
    head.captionRect = RECT{q.x, q.y, int32::add(q.x, size.cx), int32::sub(q.y, size.cy)};
}

void CCadenzoView::RefreshAllHeads(bool recalc, bool recordUndo)
{
    if (recalc) {
        for (const auto& head : doc_->heads)
            RefreshHead(*head, false);
    }
    viewport()->update();
    if (recordUndo)
        RecordUndoStep();
}

void CCadenzoView::RefreshSelectedHeads(bool recordUndo)
{
    if (selection_->GetCount() == 0)
        return;
    selection_->MoveFirst();
    do {
        if (HEADING* head = selection_->GetCurrent())
            RefreshHead(*head, false);
    } while (selection_->MoveNext());
    if (recordUndo)
        RecordUndoStep();
}

int CCadenzoView::dpiX() const
{
    return forcedDpiX_ > 0 ? forcedDpiX_ : logicalDpiX();
}

int CCadenzoView::dpiY() const
{
    return forcedDpiY_ > 0 ? forcedDpiY_ : logicalDpiY();
}

void CCadenzoView::setScreenDpi(int x, int y)
{
    forcedDpiX_ = x;
    forcedDpiY_ = y;
    UpdateScrollSizes(false);
}

void CCadenzoView::UpdateScrollSizes(bool scrollToOrigin)
{
    const viewgeom::ScrollSizes s = viewgeom::scrollSizes(pageRect_, zoom_, dpiX(), dpiY());
    total_ = s.total;
    pageStep_ = s.page;
    lineStep_ = s.line;
    updateScrollBars();
    if (scrollToOrigin)
        ScrollToPosition(QPoint(0, 0));
    viewport()->update();
}

void CCadenzoView::updateScrollBars()
{
    const QSize visible = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, total_.width() - visible.width()));
    v->setRange(0, std::max(0, total_.height() - visible.height()));
    h->setPageStep(std::max(1, visible.width()));
    v->setPageStep(std::max(1, visible.height()));
    h->setSingleStep(std::max(1, lineStep_.width()));
    v->setSingleStep(std::max(1, lineStep_.height()));
}

QPoint CCadenzoView::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CCadenzoView::ScrollToPosition(QPoint canvas)
{
    horizontalScrollBar()->setValue(canvas.x());
    verticalScrollBar()->setValue(canvas.y());
}

PageToDevice CCadenzoView::windowMapping() const
{
    return viewgeom::windowMapping(zoom_, dpiX(), dpiY(), scrollPosition());
}

QPoint CCadenzoView::PageToWindow(POINT p) const
{
    const QPointF d = windowMapping().map(p.x, p.y);
    return QPoint(int(std::lround(d.x())), int(std::lround(d.y())));
}

POINT CCadenzoView::WindowToPage(QPoint p) const
{
    const QPointF t = windowMapping().unmap(QPointF(p));
    return POINT{int32::trunc(std::round(t.x())), int32::trunc(std::round(t.y()))};
}

QRect CCadenzoView::PageRectToWindow(const RECT& r) const
{
    return windowMapping().mapRect(r).toAlignedRect();
}

POINT CCadenzoView::GetCaptionPosition(const RECT& bounds, SIZE captionSize) const
{
    return viewgeom::captionPosition(bounds, captionSize, int32::sub(pageRect_.right, pageRect_.left));
}

void CCadenzoView::ReleasePdfScreenBitmap()
{
    pdfRenderer_->cancel();
    pdfImage_ = QImage();
}

bool CCadenzoView::pdfScreenImagePending() const
{
    return pdfRenderer_->busy();
}

void CCadenzoView::buildPdfScreenImage()
{
    ReleasePdfScreenBitmap();
    const pdf::PageHandle& page = doc_->GetPdfPage();
    if (!page)
        return;
    // The page's size on screen at 100 %; every zoom stretches this one image.
    const int w = viewgeom::mulDiv(int32::sub(pageRect_.right, pageRect_.left), dpiX(), units::kTwipsPerInch);
    const int h =
        std::abs(viewgeom::mulDiv(int32::sub(pageRect_.top, pageRect_.bottom), dpiY(), units::kTwipsPerInch));
    if (w <= 0 || h <= 0)
        return;
    if (pdfTimedOut_.lock() == page)
        return;
    // Drawn off this thread: the page shows without its background until the
    // picture is there.
    pdfRenderer_->start(page, QSize(w, h), renderTimeLimits().editor);
}

void CCadenzoView::pdfScreenImageReady(const QImage& image, pdf::RenderStatus status)
{
    pdfImage_ = image;
    viewport()->update();
    if (status == pdf::RenderStatus::TimedOut) {
        pdfTimedOut_ = doc_->GetPdfPage();
        const qint64 seconds = std::max<qint64>(1, (renderTimeLimits().editor.count() + 999) / 1000);
        showMessage(
            tr("The PDF background took longer than %1 seconds to draw and is left out.").arg(seconds),
            MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void CCadenzoView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CCadenzoView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CCadenzoView::wheelEvent(QWheelEvent* event)
{
    // One notch (120) scrolls 120 pixels down or up; modifiers change nothing.
    const int delta = event->angleDelta().y();
    QScrollBar* v = verticalScrollBar();
    const int before = v->value();
    v->setValue(before - delta);
    event->setAccepted(v->value() != before || delta == 0);
}

void CCadenzoView::keyPressEvent(QKeyEvent* event)
{
    if (manipulationKey(event))
        return;
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    // Page Up and Down move by three inches of the page as it is shown now.
    const int pageX = viewgeom::twipsToPixels(4320, zoom_, dpiX());
    const int pageY = viewgeom::twipsToPixels(4320, zoom_, dpiY());
    switch (event->key()) {
    case Qt::Key_Home:
        ScrollToPosition(QPoint(ctrl ? 0 : h->value(), 0));
        break;
    case Qt::Key_End:
        ScrollToPosition(QPoint(ctrl ? h->maximum() : h->value(), v->maximum()));
        break;
    case Qt::Key_PageUp:
        if (shift)
            h->setValue(h->value() - pageX);
        else
            v->setValue(v->value() - pageY);
        break;
    case Qt::Key_PageDown:
        if (shift)
            h->setValue(h->value() + pageX);
        else
            v->setValue(v->value() + pageY);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CCadenzoView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    painter.fillRect(exposed, kWorkspace);

    const PageToDevice map = windowMapping();
    const QRectF page = map.mapRect(pageRect_);

    // White page with a black border 35 twips wide, centred 35 twips outside.
    const RECT outer{int32::sub(pageRect_.left, kBorderTwips), int32::add(pageRect_.top, kBorderTwips),
                     int32::add(pageRect_.right, kBorderTwips), int32::sub(pageRect_.bottom, kBorderTwips)};
    painter.save();
    QPen border(Qt::black);
    border.setWidthF(kBorderTwips * map.scaleX);
    border.setJoinStyle(Qt::MiterJoin);
    painter.setPen(border);
    painter.setBrush(Qt::white);
    painter.drawRect(map.mapRect(outer));
    painter.fillRect(page, Qt::white);
    painter.restore();

    // Background: only the exposed part of the page, from the 100 % image.
    if (doc_->GetPdfPage() && !pdfImage_.isNull() && page.width() > 0 && page.height() > 0) {
        const QRectF target = page.intersected(QRectF(exposed));
        if (!target.isEmpty()) {
            const double sx = pdfImage_.width() / page.width();
            const double sy = pdfImage_.height() / page.height();
            const QRectF source((target.left() - page.left()) * sx, (target.top() - page.top()) * sy,
                                target.width() * sx, target.height() * sy);
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(target, pdfImage_, source);
            painter.restore();
        }
    }

    // The heads as they print on the first sheet, then frames and captions over them.
    DrawHeads(painter, *doc_, 0, map, nullptr);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    const bool captions = captionsShown();
    for (int i = 0; i < doc_->GetHeadCount(); ++i) {
        const HEADING& head = *doc_->GetHeadByIndex(i);
        if (selection_->Contains(i)) {
            painter.save();
            QPen dotted(kFrameGrey);
            dotted.setWidth(1);
            dotted.setCosmetic(true);
            dotted.setStyle(Qt::DotLine);
            painter.setPen(dotted);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(map.mapRect(head.bounds));
            painter.restore();
        }

        if (captions) {
            // Drawn through the head routine as an unturned head, so captions
            // place and clip exactly like head texts.
            HEADING caption;
            caption.font = captionLogFont();
            caption.rotation = 0;
            caption.color = i == 0 ? makeRgb(255, 0, 0) : makeRgb(127, 127, 127);
            const POINT q{head.captionRect.left, head.captionRect.top};
            DrawHeadText(painter, caption, HeadCaption(i), q, map, page);
        }
    }
    drawRubberBand(painter);
}
