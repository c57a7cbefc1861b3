// Working on heads in the editor with real mouse and key events: clicks,
// Ctrl+clicks, rubber bands, drags held on the page and on the grid, arrow
// keys and Tab.
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace {

using Indexes = QList<int>;

// A Letter page (12240 x 15840 twips) at 100 % on a 96 dpi screen: one pixel
// is 15 twips and the page's corner sits at window pixel (24, 24). Three
// heads with the top-left corners of their bounds at (450, -450),
// (2700, -2700) and (5400, -5400); nothing selected.
struct Editor
{
    explicit Editor(bool captions = false)
    {
        if (!captions)
            prefs.toggle(Preferences::kShowCaptions);
        doc = std::make_unique<CCadenzoDoc>(nullptr);
        doc->OnNewDocument();
        view = std::make_unique<CCadenzoView>(doc.get(), &prefs);
        view->setFrameShape(QFrame::NoFrame);
        view->setScreenDpi(96, 96);
        view->resize(1000, 1150);
        view->InitialUpdate();
        doc->AddNewHead(&view->measurer());
        doc->AddNewHead(&view->measurer());
        for (int i = 0; i < 3; ++i) {
            const int corner = std::array{450, 2700, 5400}[std::size_t(i)];
            view->RefreshHead(head(i), false);
            setCorner(i, corner, -corner);
        }
        view->ClearSelection(false);
        // The placed heads are where undo starts from.
        view->RecordUndoStep();
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->setFocus();
    }
    HEADING& head(int i) { return *doc->heads[std::size_t(i)]; }
    // Moves head i so that its bounds start at (left, top), off the grid if
    // asked to: no refresh, which would snap it.
    void setCorner(int i, int left, int top)
    {
        HEADING& h = head(i);
        const int dx = left - h.bounds.left;
        const int dy = top - h.bounds.top;
        h.x += dx;
        h.y += dy;
        h.bounds = RECT{h.bounds.left + dx, h.bounds.top + dy, h.bounds.right + dx, h.bounds.bottom + dy};
        view->PlaceCaption(h, i);
    }
    void select(const Indexes& indexes)
    {
        for (int i : indexes) {
            POSITION position = nullptr;
            doc->GetHeadByIndex(i, &position);
            view->GetSelectedHeads().Add(i, position);
        }
    }
    Indexes selected() const
    {
        Indexes out;
        for (const CSelectedHeads::SelectedHead& e : view->GetSelectedHeads().elements())
            out << e.index;
        std::sort(out.begin(), out.end());
        return out;
    }
    QPoint window(POINT page) const { return view->PageToWindow(page); }
    // A point well inside head i's bounds.
    QPoint inside(int i) { return window(POINT{head(i).bounds.left + 30, head(i).bounds.top - 30}); }
    QWidget* viewport() const { return view->viewport(); }
    // A move with no button held, as after a release that went elsewhere.
    Qt::CursorShape hover(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
        return viewport()->cursor().shape();
    }
    // Presses at from, moves in steps pixels at a time and releases at to.
    void drag(QPoint from, QPoint to, int step, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(viewport(), Qt::LeftButton, modifiers, from);
        QPoint at = from;
        while (at != to) {
            const QPoint d = to - at;
            at += QPoint(std::clamp(d.x(), -step, step), std::clamp(d.y(), -step, step));
            QTest::mouseMove(viewport(), at);
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, modifiers, to);
    }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CCadenzoView> view;
};

constexpr int kPageWidth = 12240;
constexpr int kPageHeight = 15840;
// Expected edges: a number, or held at the page's far edge.
constexpr int kAtFarEdge = 99999;

} // namespace

class TestViewMouse : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
    void rubberBand_data();
    void rubberBand();
    void lostReleaseEndsTheBand();
    void dragMovesEverySelectedHeadHeldOnThePage_data();
    void dragMovesEverySelectedHeadHeldOnThePage();
    void dragGoesOnWithoutADeletedHead();
    void slowDragMovesTheHead_data();
    void slowDragMovesTheHead();
    void clickSnapsToTheGrid_data();
    void clickSnapsToTheGrid();
    void farOffHeadsComeBackOnThePage_data();
    void farOffHeadsComeBackOnThePage();
    void arrowKeys_data();
    void arrowKeys();
    void tab_data();
    void tab();
    void handCursorOnlyOverThePage();
};

void TestViewMouse::clicks_data()
{
    QTest::addColumn<Indexes>("before");
    QTest::addColumn<int>("target"); // head index, -1 for an empty part of the page
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<Indexes>("after");

    QTest::newRow("click selects one head") << Indexes{0, 2} << 1 << false << Indexes{1};
    QTest::newRow("click on a selected head keeps the rest")
        << Indexes{0, 1, 2} << 1 << false << Indexes{0, 1, 2};
    QTest::newRow("ctrl+click adds") << Indexes{0} << 2 << true << Indexes{0, 2};
    QTest::newRow("ctrl+click removes") << Indexes{0, 2} << 2 << true << Indexes{0};
    QTest::newRow("click beside the heads clears") << Indexes{0, 1} << -1 << false << Indexes{};
    QTest::newRow("ctrl+click beside the heads clears") << Indexes{0, 1} << -1 << true << Indexes{};
    QTest::newRow("overlap: the earlier head wins") << Indexes{} << 3 << false << Indexes{0};
}

void TestViewMouse::clicks()
{
    QFETCH(Indexes, before);
    QFETCH(int, target);
    QFETCH(bool, ctrl);
    QFETCH(Indexes, after);

    Editor e;
    e.select(before);
    QPoint at = e.window(POINT{9000, -12000}); // empty page
    if (target == 3) {
        // Head 2 laid exactly over the master head, drawn on top of it.
        e.setCorner(2, e.head(0).bounds.left, e.head(0).bounds.top);
        at = e.inside(0);
    } else if (target >= 0) {
        at = e.inside(target);
    }
    QSignalSpy changed(e.view.get(), &CCadenzoView::headSelectionChanged);
    QTest::mouseClick(e.viewport(), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier, at);
    QCOMPARE(e.selected(), after);
    QCOMPARE(changed.count(), 1);
}

void TestViewMouse::rubberBand_data()
{
    QTest::addColumn<bool>("captions");
    QTest::addColumn<bool>("aroundCaption");
    QTest::addColumn<bool>("partly");
    QTest::addColumn<Indexes>("after");

    QTest::newRow("captions hidden") << false << false << false << Indexes{1};
    QTest::newRow("captions shown, caption outside") << true << false << false << Indexes{};
    QTest::newRow("captions shown, caption inside") << true << true << false << Indexes{1};
    QTest::newRow("head partly inside") << false << false << true << Indexes{};
}

void TestViewMouse::rubberBand()
{
    QFETCH(bool, captions);
    QFETCH(bool, aroundCaption);
    QFETCH(bool, partly);
    QFETCH(Indexes, after);

    Editor e(captions);
    e.select({0});
    const HEADING& h = e.head(1);
    // With captions shown the caption sits above the head and sticks out.
    QVERIFY(h.captionRect.bottom >= h.bounds.top || !captions);
    RECT around = h.bounds;
    if (aroundCaption)
        around.top = std::max(around.top, h.captionRect.top);
    QPoint from = e.window(POINT{around.left, around.top}) - QPoint(4, 4);
    const QPoint to = e.window(POINT{around.right, around.bottom}) + QPoint(4, 4);
    if (partly)
        from.rx() += 6;

    QSignalSpy changed(e.view.get(), &CCadenzoView::headSelectionChanged);
    QTest::mousePress(e.viewport(), Qt::LeftButton, {}, from);
    QVERIFY(e.selected().isEmpty());
    QTest::mouseMove(e.viewport(), to);
    QCOMPARE(e.view->rubberBand(), QRect(from, to - QPoint(1, 1)));
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, {}, to);
    QVERIFY(e.view->rubberBand().isEmpty());
    QCOMPARE(e.selected(), after);
    QCOMPARE(changed.count(), 1);
}

void TestViewMouse::lostReleaseEndsTheBand()
{
    Editor e;
    const QPoint from = e.window(POINT{9000, -12000});
    QTest::mousePress(e.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(e.viewport(), QPoint(10, 10));
    QVERIFY(!e.view->rubberBand().isEmpty());
    QSignalSpy changed(e.view.get(), &CCadenzoView::headSelectionChanged);
    e.hover(QPoint(12, 12));
    QVERIFY(e.view->rubberBand().isEmpty());
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(e.selected().isEmpty());
    QCOMPARE(changed.count(), 0);
}

void TestViewMouse::dragMovesEverySelectedHeadHeldOnThePage_data()
{
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<Indexes>("lefts");
    QTest::addColumn<Indexes>("tops");

    // 60 pixels are 900 twips, 600 pixels 9000, 930 pixels 13950.
    QTest::newRow("left") << QPoint(-60, 0) << Indexes{0, 1800, 4500} << Indexes{-450, -2700, -5400};
    QTest::newRow("up") << QPoint(0, -60) << Indexes{450, 2700, 5400} << Indexes{0, -1800, -4500};
    QTest::newRow("right") << QPoint(600, 0) << Indexes{9450, kAtFarEdge, kAtFarEdge}
                           << Indexes{-450, -2700, -5400};
    QTest::newRow("down") << QPoint(0, 930) << Indexes{450, 2700, 5400}
                          << Indexes{-14400, -kAtFarEdge, -kAtFarEdge};
}

void TestViewMouse::dragMovesEverySelectedHeadHeldOnThePage()
{
    QFETCH(QPoint, pixels);
    QFETCH(Indexes, lefts);
    QFETCH(Indexes, tops);

    Editor e;
    e.select({0, 1, 2});
    QSignalSpy moved(e.view.get(), &CCadenzoView::headPositionsChanged);
    QSignalSpy recorded(e.view.get(), &CCadenzoView::editStateChanged);
    const QPoint from = e.inside(1);
    e.drag(from, from + pixels, 7);
    QCOMPARE(e.selected(), (Indexes{0, 1, 2}));
    QVERIFY(moved.count() > 1);
    QCOMPARE(recorded.count(), 1); // the whole drag is one undo step
    for (int i = 0; i < 3; ++i) {
        const RECT& b = e.head(i).bounds;
        QCOMPARE(b.left % 45, 0);
        QCOMPARE(b.top % 45, 0);
        // Held at the far edge before snapping: at most 22 twips past it.
        if (lefts[i] == kAtFarEdge)
            QVERIFY2(std::abs(b.right - kPageWidth) <= 22, qPrintable(QString::number(b.right)));
        else
            QCOMPARE(b.left, lefts[i]);
        if (tops[i] == -kAtFarEdge)
            QVERIFY2(std::abs(b.bottom + kPageHeight) <= 22, qPrintable(QString::number(b.bottom)));
        else
            QCOMPARE(b.top, tops[i]);
    }
}

void TestViewMouse::dragGoesOnWithoutADeletedHead()
{
    Editor e;
    e.select({1, 2});
    const QPoint from = e.inside(2);
    QTest::mousePress(e.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(e.viewport(), from + QPoint(3, 0));
    // Ctrl+Del while the button is held: the frame deletes and reselects.
    POSITION second = nullptr;
    e.doc->GetHeadByIndex(2, &second);
    e.doc->DeleteHead(second);
    e.view->GetSelectedHeads().RemoveAll();
    e.select({1});
    QTest::mouseMove(e.viewport(), from + QPoint(6, 0));
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, {}, from + QPoint(6, 0));
    QCOMPARE(e.doc->GetHeadCount(), 2);
    QCOMPARE(e.head(1).bounds.left, 2700 + 90);
}

void TestViewMouse::slowDragMovesTheHead_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("left");

    // One pixel per event, 15 twips each, from 2700.
    QTest::newRow("1 pixel: stays") << 1 << 2700;
    QTest::newRow("2 pixels: next grid line") << 2 << 2745;
    QTest::newRow("4 pixels: 60 twips, still one line") << 4 << 2745;
    QTest::newRow("5 pixels: 75 twips, two lines") << 5 << 2790;
    QTest::newRow("30 pixels: 450 twips") << 30 << 3150;
    QTest::newRow("back 5 pixels") << -5 << 2610;
}

void TestViewMouse::slowDragMovesTheHead()
{
    QFETCH(int, pixels);
    QFETCH(int, left);

    Editor e;
    const QPoint from = e.inside(1);
    e.drag(from, from + QPoint(pixels, 0), 1);
    QCOMPARE(e.head(1).bounds.left, left);
    QCOMPARE(e.head(1).bounds.top, -2700);
    QCOMPARE(e.selected(), Indexes{1});
}

void TestViewMouse::clickSnapsToTheGrid_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("snappedLeft");
    QTest::addColumn<int>("snappedTop");
    QTest::addColumn<int>("steps"); // undo steps recorded

    QTest::newRow("100 goes down to 90") << 100 << -100 << 90 << -90 << 1;
    QTest::newRow("113 goes up to 135") << 113 << -113 << 135 << -135 << 1;
    QTest::newRow("on the grid stays") << 2700 << -2700 << 2700 << -2700 << 0;
}

void TestViewMouse::clickSnapsToTheGrid()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, snappedLeft);
    QFETCH(int, snappedTop);
    QFETCH(int, steps);

    Editor e;
    e.setCorner(1, left, top);
    e.view->RecordUndoStep();
    const int x = e.head(1).x;
    QSignalSpy recorded(e.view.get(), &CCadenzoView::editStateChanged);
    QTest::mouseClick(e.viewport(), Qt::LeftButton, {}, e.inside(1));
    QCOMPARE(recorded.count(), steps);
    QCOMPARE(e.head(1).bounds.left, snappedLeft);
    QCOMPARE(e.head(1).bounds.top, snappedTop);
    QCOMPARE(e.head(1).x, x + snappedLeft - left);
}

void TestViewMouse::farOffHeadsComeBackOnThePage_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QPoint>("corner");

    // Positions a damaged template may hold; a refresh brings them back.
    QTest::newRow("far right and below") << 2000000000 << -2000000000 << QPoint(kAtFarEdge, -kAtFarEdge);
    QTest::newRow("far left and above") << -2000000000 << 2000000000 << QPoint(0, 0);
    QTest::newRow("largest values") << std::numeric_limits<int>::max() << std::numeric_limits<int>::min()
                                    << QPoint(kAtFarEdge, -kAtFarEdge);
}

void TestViewMouse::farOffHeadsComeBackOnThePage()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QPoint, corner);

    Editor e;
    HEADING& h = e.head(1);
    const int width = h.bounds.right - h.bounds.left;
    const int height = h.bounds.top - h.bounds.bottom;
    // Only the corner moves: the width and height stay as measured.
    h.bounds = RECT{left, top, int(unsigned(left) + unsigned(width)), int(unsigned(top) - unsigned(height))};
    h.x = left;
    h.y = top;
    e.view->MoveHead(h, 0, 0);
    if (corner.x() == kAtFarEdge)
        QVERIFY2(std::abs(h.bounds.right - kPageWidth) <= 22, qPrintable(QString::number(h.bounds.right)));
    else
        QCOMPARE(h.bounds.left, corner.x());
    if (corner.y() == -kAtFarEdge)
        QVERIFY2(std::abs(h.bounds.bottom + kPageHeight) <= 22, qPrintable(QString::number(h.bounds.bottom)));
    else
        QCOMPARE(h.bounds.top, corner.y());
    QCOMPARE(h.x, h.bounds.left);
    QCOMPARE(h.y, h.bounds.top);
}

void TestViewMouse::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("top"); // start top; the start left is 90
    QTest::addColumn<QPoint>("corner");

    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << -900 << QPoint(270, -900);
    QTest::newRow("shift+right") << int(Qt::Key_Right) << shift << -900 << QPoint(270, -900);
    QTest::newRow("ctrl+right") << int(Qt::Key_Right) << ctrl << -900 << QPoint(180, -900);
    QTest::newRow("ctrl+shift+right") << int(Qt::Key_Right) << (ctrl | shift) << -900 << QPoint(135, -900);
    QTest::newRow("left stops at the edge") << int(Qt::Key_Left) << 0 << -900 << QPoint(0, -900);
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << -900 << QPoint(90, -720);
    QTest::newRow("down") << int(Qt::Key_Down) << ctrl << -900 << QPoint(90, -990);
    QTest::newRow("up at the top edge stays") << int(Qt::Key_Up) << 0 << 0 << QPoint(90, 0);
}

void TestViewMouse::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, top);
    QFETCH(QPoint, corner);

    Editor e;
    e.setCorner(0, 90, top);
    e.select({0});
    e.view->RecordUndoStep();
    QSignalSpy moved(e.view.get(), &CCadenzoView::headPositionsChanged);
    QSignalSpy recorded(e.view.get(), &CCadenzoView::editStateChanged);
    QTest::keyClick(e.view.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QPoint(e.head(0).bounds.left, e.head(0).bounds.top), corner);
    QCOMPARE(moved.count(), 1);
    // An undo step for every key that moved something.
    QCOMPARE(recorded.count(), corner == QPoint(90, top) ? 0 : 1);
    // Heads not selected stay.
    QCOMPARE(e.head(1).bounds.left, 2700);
}

void TestViewMouse::tab_data()
{
    QTest::addColumn<Indexes>("before");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<Indexes>("after");

    QTest::newRow("tab") << Indexes{0} << false << Indexes{1};
    QTest::newRow("tab after the last head") << Indexes{2} << false << Indexes{0};
    QTest::newRow("shift+tab") << Indexes{2} << true << Indexes{1};
    QTest::newRow("shift+tab on the master head") << Indexes{0} << true << Indexes{2};
    QTest::newRow("tab with two heads selected") << Indexes{0, 1} << false << Indexes{0, 1};
    QTest::newRow("tab with none selected") << Indexes{} << false << Indexes{};
}

void TestViewMouse::tab()
{
    QFETCH(Indexes, before);
    QFETCH(bool, backwards);
    QFETCH(Indexes, after);

    Editor e;
    e.select(before);
    QSignalSpy changed(e.view.get(), &CCadenzoView::headSelectionChanged);
    if (backwards)
        QTest::keyClick(e.view.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(e.view.get(), Qt::Key_Tab);
    QCOMPARE(e.selected(), after);
    QCOMPARE(changed.count(), before == after ? 0 : 1);
    QVERIFY(e.view->hasFocus());
}

void TestViewMouse::handCursorOnlyOverThePage()
{
    Editor e;
    QCOMPARE(e.hover(QPoint(400, 500)), Qt::PointingHandCursor);
    QCOMPARE(e.hover(QPoint(10, 500)), Qt::ArrowCursor);
    QCOMPARE(e.hover(QPoint(400, 1100)), Qt::ArrowCursor);
    QCOMPARE(e.hover(QPoint(30, 30)), Qt::PointingHandCursor);
}

QTEST_MAIN(TestViewMouse)
#include "tst_viewmouse.moc"
