// Selection and direct manipulation: clicks, rubber band, dragging, arrow
// keys and Tab, the cursor and the context menu.
#include "CadenzoView.h"

#include "HeadPlacement.h"
#include "SelectedHeads.h"
#include "model/CadenzoDoc.h"
#include "model/Int32.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace {

// Thickness of the rubber band's frame and the margin around repainted heads.
constexpr int kFramePixels = 2;
// Room above and below a head whose caption has not been placed yet.
constexpr int kUnplacedCaptionPixels = 20;

bool allZero(const RECT& r)
{
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

// The window rectangle between two corners, right and bottom exclusive.
QRect spanned(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

QRegion frameRegion(const QRect& band)
{
    return QRegion(band).subtracted(
        QRegion(band.adjusted(kFramePixels, kFramePixels, -kFramePixels, -kFramePixels)));
}

} // namespace

RECT CCadenzoView::HitArea(const HEADING& head) const
{
    RECT area = placement::normalized(head.bounds);
    if (captionsShown())
        area = placement::united(area, placement::normalized(head.captionRect));
    return area;
}

int CCadenzoView::HitTest(POINT page) const
{
    // Document order: where heads overlap, the earlier one wins although the
    // later one is drawn on top.
    for (int i = 0; i < doc_->GetHeadCount(); ++i) {
        if (placement::contains(HitArea(*doc_->GetHeadByIndex(i)), page))
            return i;
    }
    return -1;
}

QRect CCadenzoView::headWindowArea(const HEADING& head) const
{
    QRect area = PageRectToWindow(head.bounds).normalized();
    if (captionsShown())
        area |= PageRectToWindow(head.captionRect).normalized();
    return area;
}

void CCadenzoView::ClearSelection(bool clearPanelList)
{
    if (selection_->GetCount() == 0)
        return;
    if (clearPanelList)
        emit headListSelectionCleared();
    // Refreshing repaints each head without its frame once it is deselected.
    std::vector<HEADING*> heads;
    for (const CSelectedHeads::SelectedHead& e : selection_->elements())
        heads.push_back(e.position);
    selection_->RemoveAll();
    for (HEADING* head : heads)
        RefreshHead(*head, false);
}

void CCadenzoView::RefreshHead(HEADING& head, bool recordUndo)
{
    dirtyRect_ = PageRectToWindow(head.bounds).normalized();
    if (captionsShown()) {
        if (allZero(head.captionRect))
            dirtyRect_.adjust(0, -kUnplacedCaptionPixels, 0, kUnplacedCaptionPixels);
        else
            dirtyRect_ |= PageRectToWindow(head.captionRect).normalized();
    }
    head.CalcBounds(measurer_, doc_->GetHeadNumber(0, head));
    // Every refresh puts the head back on the page and on the grid.
    MoveHead(head, 0, 0);
    if (recordUndo)
        RecordUndoStep();
}

void CCadenzoView::MoveSelectedHeads(std::int32_t dx, std::int32_t dy)
{
    if (selection_->GetCount() == 0)
        return;
    for (const CSelectedHeads::SelectedHead& e : selection_->elements()) {
        dirtyRect_ = headWindowArea(*e.position);
        MoveHead(*e.position, dx, dy);
    }
    emit headPositionsChanged();
}

void CCadenzoView::MoveHead(HEADING& head, std::int32_t dx, std::int32_t dy)
{
    const POINT corner =
        placement::placedCorner(head.bounds, dx, dy, int32::sub(pageRect_.right, pageRect_.left),
                                int32::sub(pageRect_.top, pageRect_.bottom));
    shiftHead(head, int32::sub(corner.x, head.bounds.left), int32::sub(corner.y, head.bounds.top));
}

void CCadenzoView::shiftHead(HEADING& head, std::int32_t dx, std::int32_t dy)
{
    head.x = int32::add(head.x, dx);
    head.y = int32::add(head.y, dy);
    RECT& b = head.bounds;
    b = RECT{int32::add(b.left, dx), int32::add(b.top, dy), int32::add(b.right, dx),
             int32::add(b.bottom, dy)};

    viewport()->update(dirtyRect_.adjusted(-kFramePixels, -kFramePixels, kFramePixels, kFramePixels));
    if (captionsShown()) {
        const int index = doc_->GetHeadIndex(&head);
        if (index >= 0)
            PlaceCaption(head, index);
    }
    dirtyRect_ = headWindowArea(head).adjusted(-kFramePixels, -kFramePixels, kFramePixels, kFramePixels);
    viewport()->update(dirtyRect_);
}

QRect CCadenzoView::rubberBand() const
{
    return mouseState_ == MouseState::banding ? rubberBand_ : QRect();
}

void CCadenzoView::setRubberBand(const QRect& band)
{
    // Only the old and the new frame need painting.
    viewport()->update(frameRegion(rubberBand_) + frameRegion(band));
    rubberBand_ = band;
}

void CCadenzoView::drawRubberBand(QPainter& painter) const
{
    if (mouseState_ != MouseState::banding || rubberBand_.isEmpty())
        return;
    // Inverted through a halftone pattern, so the band shows on any colour.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::NoPen);
    painter.setClipRegion(frameRegion(rubberBand_), Qt::IntersectClip);
    painter.fillRect(rubberBand_, QBrush(Qt::white, Qt::Dense4Pattern));
    painter.restore();
}

void CCadenzoView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // Shift plays no part in a click.
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const QPoint window = event->position().toPoint();
    const POINT page = WindowToPage(window);
    const int hit = HitTest(page);
    rubberBand_ = QRect();
    if (hit >= 0) {
        POSITION position = nullptr;
        HEADING* head = doc_->GetHeadByIndex(hit, &position);
        if (!selection_->Contains(hit)) {
            if (!ctrl)
                ClearSelection(true);
            selection_->Add(hit, position);
        } else if (ctrl) {
            selection_->Remove(hit);
        }
        // A click on an unselected head keeps the others: they drag together.
        RefreshHead(*head, false);
        anchor_ = page;
        pressBounds_.clear();
        for (const CSelectedHeads::SelectedHead& e : selection_->elements())
            pressBounds_.emplace_back(e.position, e.position->bounds);
        mouseState_ = MouseState::dragging;
        emit headSelectionChanged();
    } else {
        ClearSelection(true);
        bandAnchor_ = window;
        mouseState_ = MouseState::banding;
        setRubberBand(QRect(window.x(), window.y() - kFramePixels, kFramePixels, kFramePixels));
    }
    event->accept();
}

void CCadenzoView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint window = event->position().toPoint();
    updateCursor(window);
    if (mouseState_ != MouseState::idle && !event->buttons().testFlag(Qt::LeftButton)) {
        // The release went elsewhere (another window took the mouse): the
        // band selects nothing and goes; a drag stays where it got to and
        // the next recorded step takes it along.
        if (mouseState_ == MouseState::banding)
            viewport()->update(rubberBand_);
        mouseState_ = MouseState::idle;
        pressBounds_.clear();
    }
    if (mouseState_ == MouseState::idle) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    if (mouseState_ == MouseState::dragging)
        dragSelectedHeads(WindowToPage(window));
    else
        setRubberBand(spanned(bandAnchor_, window));
    event->accept();
}

void CCadenzoView::dragSelectedHeads(POINT mouse)
{
    // Each head goes where the whole way from the press takes it, clamped
    // and then snapped: measured step by step, slow moves would snap back.
    const std::int64_t dx = std::int64_t(mouse.x) - anchor_.x;
    const std::int64_t dy = std::int64_t(mouse.y) - anchor_.y;
    const std::int32_t width = int32::sub(pageRect_.right, pageRect_.left);
    const std::int32_t height = int32::sub(pageRect_.top, pageRect_.bottom);
    if (pressBounds_.empty())
        return;
    const std::vector<CSelectedHeads::SelectedHead>& selected = selection_->elements();
    for (const auto& [head, atPress] : pressBounds_) {
        // A command from the keyboard (Delete, Undo) may have taken the head
        // away while the button is held; whoever does so rebuilds the selection.
        const bool stillSelected = std::any_of(selected.begin(), selected.end(),
                                               [h = head](const auto& e) { return e.position == h; });
        if (!stillSelected)
            continue;
        const POINT corner = placement::placedCorner(atPress, dx, dy, width, height);
        dirtyRect_ = headWindowArea(*head);
        shiftHead(*head, int32::sub(corner.x, head->bounds.left), int32::sub(corner.y, head->bounds.top));
    }
    emit headPositionsChanged();
}

void CCadenzoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || mouseState_ == MouseState::idle) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const MouseState state = mouseState_;
    mouseState_ = MouseState::idle;
    if (state == MouseState::dragging) {
        pressBounds_.clear();
        // The whole drag is one undo step; a click that moved nothing, none.
        emit headPositionsChanged();
        RecordUndoStep();
    } else {
        viewport()->update(rubberBand_);
        selectHeadsInBand();
        emit headSelectionChanged();
    }
    event->accept();
}

void CCadenzoView::selectHeadsInBand()
{
    const POINT a = WindowToPage(rubberBand_.topLeft());
    const POINT b = WindowToPage(rubberBand_.bottomRight() + QPoint(1, 1));
    const RECT band = placement::normalized(RECT{a.x, a.y, b.x, b.y});
    // Only heads wholly inside, with their captions while those are shown.
    for (int i = 0; i < doc_->GetHeadCount(); ++i) {
        POSITION position = nullptr;
        const RECT area = HitArea(*doc_->GetHeadByIndex(i, &position));
        if (placement::contains(band, POINT{area.left, area.top}) &&
            placement::contains(band, POINT{area.right, area.bottom}))
            selection_->Add(i, position);
    }
}

void CCadenzoView::updateCursor(QPoint window)
{
    const bool overPage = placement::contains(placement::normalized(pageRect_), WindowToPage(window));
    if (overPage == handShown_)
        return;
    handShown_ = overPage;
    if (overPage)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void CCadenzoView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!contextMenu_)
        return;
    // At the pointer, also when the keyboard asked for the menu.
    contextMenu_->exec(QCursor::pos());
    event->accept();
}

bool CCadenzoView::focusNextPrevChild(bool)
{
    return false; // Tab reaches keyPressEvent
}

bool CCadenzoView::manipulationKey(QKeyEvent* event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const std::int32_t step = placement::arrowStep(ctrl, shift);
    switch (event->key()) {
    case Qt::Key_Left:
        MoveSelectedHeads(-step, 0);
        break;
    case Qt::Key_Right:
        MoveSelectedHeads(step, 0);
        break;
    case Qt::Key_Up:
        MoveSelectedHeads(0, step);
        break;
    case Qt::Key_Down:
        MoveSelectedHeads(0, -step);
        break;
    case Qt::Key_Tab:
        selectNextHead(shift);
        event->accept();
        return true;
    case Qt::Key_Backtab:
        selectNextHead(true);
        event->accept();
        return true;
    default:
        return false;
    }
    // Every key-down, auto-repeated ones too, is an undo step of its own.
    RecordUndoStep();
    event->accept();
    return true;
}

void CCadenzoView::selectNextHead(bool backwards)
{
    const int count = doc_->GetHeadCount();
    if (selection_->GetCount() != 1 || count == 0)
        return;
    const int k = selection_->GetFirstIndex();
    const int next = backwards ? (k > 0 ? k - 1 : count - 1) : (k + 1 < count ? k + 1 : 0);
    ClearSelection(true);
    POSITION position = nullptr;
    HEADING* head = doc_->GetHeadByIndex(next, &position);
    if (!head)
        return;
    selection_->Add(next, position);
    RefreshHead(*head, false);
    emit headSelectionChanged();
}
