#pragma once

#include "model/DocumentBase.h"
#include "model/Geometry.h"
#include "model/HeadPainter.h"
#include "model/PdfLibrary.h"
#include "model/QtTextMeasurer.h"
#include "view/ViewGeometry.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <memory>
#include <utility>
#include <vector>

class BackgroundRenderer;
class CCadenzoDoc;
class CSelectedHeads;
class HEADING;
class QMenu;
struct Preferences;
class UndoChain;

// The editor: the template's page on a grey workspace, at a zoom level, with
// its PDF background, its heads, their selection frames and captions.
//
// Page twips (origin at the page's top-left corner, y up) land on the canvas
// at ((x * zoom/100 + 360) * dpi/1440, (-y * zoom/100 + 360) * dpi/1440): the
// page scales with the zoom while its corner stays a quarter inch from the
// canvas corner. Window pixels are canvas pixels minus the scroll position.
class CCadenzoView : public QAbstractScrollArea, public DocumentObserver
{
    Q_OBJECT

public:
    // preferences: whether captions are shown; it outlives the view.
    CCadenzoView(CCadenzoDoc* doc, Preferences* preferences, QWidget* parent = nullptr);
    ~CCadenzoView() override;

    CCadenzoDoc* GetDocument() const { return doc_; }

    // After File New or File Open: then OnUpdate with hint 0.
    void InitialUpdate();
    // Page rectangle, PDF cache, scroll range and origin, selection = master
    // head; emits documentUpdated() and then headSelectionChanged().
    void OnUpdate(DocumentObserver* sender, int hint) override;

    int zoom() const { return zoom_; }
    // The zoom entry's request; setText has zoomChanged() rewrite the entry.
    void SetZoomLevel(int percent, bool setText);
    void ZoomIn();
    void ZoomOut();

    CSelectedHeads& GetSelectedHeads();
    TextMeasurer& measurer() { return measurer_; }
    const RECT& pageRect() const { return pageRect_; }

    // Show Header Captions: flips the preference bit, places the captions
    // and repaints.
    void ToggleHeaderCaptions();
    bool captionsShown() const;

    // Compares the template with the newest recorded state and, when they
    // differ, records an undo step and marks the template modified.
    void RecordUndoStep();

    // Re-measures heads and repaints them; recordUndo then records an undo step.
    void RefreshHead(HEADING& head, bool recordUndo);
    void RefreshAllHeads(bool recalc, bool recordUndo);
    void RefreshSelectedHeads(bool recordUndo);

    // Scroll range from pageRect and zoom; optionally back to the origin.
    void UpdateScrollSizes(bool scrollToOrigin);

    // Geometry for painting, hit-testing and tests.
    PageToDevice windowMapping() const;
    QPoint PageToWindow(POINT p) const;
    POINT WindowToPage(QPoint p) const;
    QRect PageRectToWindow(const RECT& r) const;
    // Total scrollable canvas in pixels (the viewport shows part of it).
    QSize scrollRange() const { return total_; }
    QSize pageStep() const { return pageStep_; }
    QSize lineStep() const { return lineStep_; }
    QPoint scrollPosition() const;
    void ScrollToPosition(QPoint canvas);
    // Forces the screen resolution (tests); 0 restores the widget's own.
    void setScreenDpi(int dpiX, int dpiY);
    int dpiX() const;
    int dpiY() const;

    // Where a head's caption of captionSize (page twips) goes on this page.
    POINT GetCaptionPosition(const RECT& bounds, SIZE captionSize) const;
    // Places the caption of the head at index against its bounds; captions
    // keep their last place while they are hidden.
    void PlaceCaption(HEADING& head, int index);

    // The PDF background rendered once per document update at the page's
    // size on screen at 100 %, on another thread; null when there is none or
    // while it is being drawn (the page shows without it until then).
    const QImage& pdfScreenImage() const { return pdfImage_; }
    bool pdfScreenImagePending() const;
    // Drops the cached background (Clear PDF does so before the page goes).
    void ReleasePdfScreenBitmap();

signals:
    // The zoom level changed through the view's own commands; the entry shows it.
    void zoomChanged(int percent);
    // Every document update, right before headSelectionChanged(): the frame
    // refills its numbering fields and head list.
    void documentUpdated();
    void headSelectionChanged();
    void headPositionsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // ---- Edit commands and undo (CadenzoViewEdit.cpp) ----
public:
    // Forgets every step; the template as it is now is the first state.
    void RestartUndo();
    // The Edit menu's commands. Each does nothing when its Can... is false.
    void OnEditUndo();
    void OnEditRedo();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnEditClearPdf();
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanCopy() const;
    bool CanPaste() const { return !clipboard_.empty(); }
    bool CanClearPdf() const;
    // The program's own head clipboard: copies, kept across File New and Open.
    const std::vector<std::unique_ptr<HEADING>>& clipboard() const { return clipboard_; }
    void ClearClipboard();

signals:
    // Undo history or clipboard changed: the Edit commands' states may differ.
    void editStateChanged();

private:
    // Undo or Redo: moves the template to that state and refreshes everything.
    void bringBackState(bool (UndoChain::*step)(CCadenzoDoc&));
    std::unique_ptr<UndoChain> undo_;
    std::vector<std::unique_ptr<HEADING>> clipboard_;
    // ---- end of edit commands and undo ----

private:
    void updateScrollBars();
    void buildPdfScreenImage();
    void pdfScreenImageReady(const QImage& image, pdf::RenderStatus status);

    CCadenzoDoc* doc_ = nullptr;
    Preferences* prefs_ = nullptr;
    QtTextMeasurer measurer_;
    std::unique_ptr<CSelectedHeads> selection_;
    RECT pageRect_;
    QImage pdfImage_;
    BackgroundRenderer* pdfRenderer_ = nullptr;
    // The page whose rendering last ran out of time: not tried again on
    // every update, and not reported twice.
    std::weak_ptr<pdf::Page> pdfTimedOut_;
    int zoom_ = kZoomDefault;
    QSize total_;
    QSize pageStep_;
    QSize lineStep_;
    int forcedDpiX_ = 0;
    int forcedDpiY_ = 0;

    // ---- Selection and direct manipulation with mouse and keyboard
    // (CadenzoViewMouse.cpp) ----
public:
    // Deselects every head and repaints where their frames were;
    // clearPanelList also has the frame empty its head list and head fields.
    void ClearSelection(bool clearPanelList);
    // Moves the selected heads by (dx, dy) page twips, each held on the page
    // and snapped to the grid on its own; announces the new positions.
    void MoveSelectedHeads(std::int32_t dx, std::int32_t dy);
    // Moves one head, held on the page and snapped, and repaints its old
    // area (the last dirty area) and its new one.
    void MoveHead(HEADING& head, std::int32_t dx, std::int32_t dy);
    // Index of the first head, in document order, whose hit area holds the
    // page point; -1 when none does.
    int HitTest(POINT page) const;
    // A head's bounds, united with its caption while captions are shown,
    // normalized (top is the lower edge).
    RECT HitArea(const HEADING& head) const;
    // The menu shown at the pointer as the view's context menu (the frame's
    // Edit menu, so that its commands take the menu's route).
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }
    // The rubber band in window pixels while one is being drawn, else empty.
    QRect rubberBand() const;

signals:
    // ClearSelection(true): the frame deselects its head list and clears
    // the head fields, before the heads lose their frames.
    void headListSelectionCleared();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Tab and Shift+Tab step through the heads instead of the focus chain.
    bool focusNextPrevChild(bool next) override;

private:
    enum class MouseState
    {
        idle,
        dragging,
        banding
    };
    // Arrow keys and Tab; false for every other key.
    bool manipulationKey(QKeyEvent* event);
    void selectNextHead(bool backwards);
    void dragSelectedHeads(POINT mouse);
    void selectHeadsInBand();
    // Where a move lands: shifts position and bounds, places the caption and
    // repaints the old area (dirtyRect_) and the new one.
    void shiftHead(HEADING& head, std::int32_t dx, std::int32_t dy);
    // The head's area on the window: bounds, with the caption when shown.
    QRect headWindowArea(const HEADING& head) const;
    void setRubberBand(const QRect& band);
    void drawRubberBand(QPainter& painter) const;
    void updateCursor(QPoint window);

    MouseState mouseState_ = MouseState::idle;
    // Dragging: the press point (page twips) and every selected head's bounds
    // at the press, so each move measures the whole way from there.
    POINT anchor_;
    std::vector<std::pair<HEADING*, RECT>> pressBounds_;
    // Banding: the press point in window pixels and the band drawn now.
    QPoint bandAnchor_;
    QRect rubberBand_;
    QRect dirtyRect_;
    bool handShown_ = false;
    QMenu* contextMenu_ = nullptr; // not owned
    // ---- end of selection and direct manipulation ----
};
