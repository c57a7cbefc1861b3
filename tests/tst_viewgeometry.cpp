// The editor's page geometry: scroll sizes, page-to-window mapping, zoom
// steps, the zoom entry and box, and scrolling with wheel and keys.
#include "frame/EditCtrlZoom.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/MessageSink.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"
#include "view/ViewGeometry.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

struct RecordingSink : MessageSink
{
    struct Message
    {
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
    };
    QList<Message> messages;
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon) override
    {
        messages.append({text, buttons, icon});
        return MsgAnswer::Ok;
    }
};

// A Letter portrait template with its master head, shown in a view at 96 dpi.
struct Editor
{
    explicit Editor(QSize size = QSize(300, 300))
    {
        doc = std::make_unique<CCadenzoDoc>(nullptr);
        doc->OnNewDocument();
        view = std::make_unique<CCadenzoView>(doc.get(), &prefs);
        view->setScreenDpi(96, 96);
        view->resize(size);
        view->show();
        view->InitialUpdate();
    }
    ~Editor() { view.reset(); }
    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CCadenzoView> view;
};

// The view inside the main window, with the toolbar's zoom box and entry.
struct Window
{
    Window()
    {
        doc.OnNewDocument();
        frame.view()->setScreenDpi(96, 96);
        frame.view()->InitialUpdate();
    }
    CCadenzoView* view() const { return frame.view(); }
    CEditCtrlZoom* edit() const { return frame.zoomEdit(); }
    QComboBox* zoomBox() const { return frame.zoomBox(); }
    // Set Zoom Level (Ctrl+L): the focus goes to the entry.
    void focusEntry() { frame.action(CMainFrame::kSetZoomLevel)->trigger(); }
    // Shows the window and puts the focus into the entry, as a user would.
    bool showWithEntryFocus()
    {
        frame.show();
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame))
            return false;
        focusEntry();
        return QTest::qWaitFor([this] { return edit()->hasFocus(); });
    }

    Preferences prefs;
    CCadenzoDoc doc{nullptr};
    CMainFrame frame{&doc, &prefs};
};

void sendWheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF pos(50, 50);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestViewGeometry : public QObject
{
    Q_OBJECT

private slots:
    void mulDivRoundsHalfAwayFromZero_data();
    void mulDivRoundsHalfAwayFromZero();
    void zoomSteps_data();
    void zoomSteps();
    void scrollSizesAndPageCorner_data();
    void scrollSizesAndPageCorner();
    void windowPageRoundTrip_data();
    void windowPageRoundTrip();
    void landscapePageRect();
    void updateSelectsMasterHeadAndTellsFrame();
    void updateWithoutHeads();
    void zoomBoxChoice();
    void setZoomLevel_data();
    void setZoomLevel();
    void typedZoomLevel_data();
    void typedZoomLevel();
    void escapeInZoomEntry_data();
    void escapeInZoomEntry();
    void wheelScrolls_data();
    void wheelScrolls();
    void keysScroll_data();
    void keysScroll();
    void toggleCaptions();
};

void TestViewGeometry::mulDivRoundsHalfAwayFromZero_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 12960 << 96 << 1440 << 864;
    QTest::newRow("below half") << 14256 << 96 << 1440 << 950;
    QTest::newRow("half up") << 6 << 120 << 1440 << 1;
    QTest::newRow("half of negative") << -6 << 120 << 1440 << -1;
    QTest::newRow("negative divisor") << 6 << 120 << -1440 << -1;
    QTest::newRow("just below half") << 5 << 120 << 1440 << 0;
    QTest::newRow("no overflow in between") << 2000000000 << 96 << 1440 << 133333333;
    QTest::newRow("zero divisor") << 5 << 5 << 0 << -1;
    QTest::newRow("result too large") << 2000000000 << 2 << 1 << -1;
}

void TestViewGeometry::mulDivRoundsHalfAwayFromZero()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, result);
    QCOMPARE(viewgeom::mulDiv(a, b, c), result);
}

void TestViewGeometry::zoomSteps_data()
{
    QTest::addColumn<bool>("in");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    QTest::newRow("in 100") << true << 100 << 125 << QStringLiteral("125%");
    QTest::newRow("in 110") << true << 110 << 125 << QStringLiteral("125%");
    QTest::newRow("in 390") << true << 390 << 400 << QStringLiteral("400%");
    QTest::newRow("in 400") << true << 400 << 400 << QStringLiteral("400%");
    QTest::newRow("in 200 past the list") << true << 200 << 225 << QStringLiteral("225%");
    QTest::newRow("out 110") << false << 110 << 100 << QStringLiteral("100%");
    QTest::newRow("out 100") << false << 100 << 75 << QStringLiteral(" 75%");
    QTest::newRow("out 26") << false << 26 << 25 << QStringLiteral(" 25%");
    QTest::newRow("out 25") << false << 25 << 25 << QStringLiteral(" 25%");
}

void TestViewGeometry::zoomSteps()
{
    QFETCH(bool, in);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, text);
    Window w;
    w.view()->SetZoomLevel(from, true);
    if (in)
        w.view()->ZoomIn();
    else
        w.view()->ZoomOut();
    QCOMPARE(w.view()->zoom(), to);
    QCOMPARE(w.edit()->text(), text);
    QCOMPARE(w.edit()->savedText(), text);
}

void TestViewGeometry::scrollSizesAndPageCorner_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("total");
    // Letter (12240 x 15840) plus half an inch, scaled, at 96 dpi.
    QTest::newRow("25") << 25 << QSize(216, 276);
    QTest::newRow("50") << 50 << QSize(432, 552);
    QTest::newRow("75") << 75 << QSize(648, 828);
    QTest::newRow("100") << 100 << QSize(864, 1104);
    QTest::newRow("110") << 110 << QSize(950, 1214);
    QTest::newRow("125") << 125 << QSize(1080, 1380);
    QTest::newRow("133") << 133 << QSize(1149, 1468);
    QTest::newRow("150") << 150 << QSize(1296, 1656);
    QTest::newRow("175") << 175 << QSize(1512, 1932);
    QTest::newRow("200") << 200 << QSize(1728, 2208);
    QTest::newRow("300") << 300 << QSize(2592, 3312);
    QTest::newRow("400") << 400 << QSize(3456, 4416);
}

void TestViewGeometry::scrollSizesAndPageCorner()
{
    QFETCH(int, zoom);
    QFETCH(QSize, total);
    Editor e;
    e.view->SetZoomLevel(zoom, false);
    QCOMPARE(e.view->scrollRange(), total);
    QCOMPARE(e.view->pageStep(), total / 10);
    QCOMPARE(e.view->lineStep(), total / 10 / 10);
    const QSize visible = e.view->viewport()->size();
    QCOMPARE(e.view->horizontalScrollBar()->maximum(), std::max(0, total.width() - visible.width()));
    QCOMPARE(e.view->verticalScrollBar()->maximum(), std::max(0, total.height() - visible.height()));
    // The page corner stays a quarter inch from the canvas corner.
    QCOMPARE(e.view->PageToWindow(POINT{0, 0}), QPoint(24, 24));
    const QPoint far = e.view->PageToWindow(POINT{12240, -15840});
    QVERIFY(qAbs(far.x() - (24 + 816 * zoom / 100.0)) <= 0.5);
    QVERIFY(qAbs(far.y() - (24 + 1056 * zoom / 100.0)) <= 0.5);
}

void TestViewGeometry::windowPageRoundTrip_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("scroll");
    const int levels[] = {25, 50, 75, 100, 110, 125, 150, 175, 200, 300, 400};
    const QPoint scrolls[] = {QPoint(0, 0), QPoint(37, 11), QPoint(250, 800), QPoint(100000, 100000)};
    for (int zoom : levels) {
        for (const QPoint& s : scrolls)
            QTest::addRow("%d%% at %d,%d", zoom, s.x(), s.y()) << zoom << s;
    }
}

void TestViewGeometry::windowPageRoundTrip()
{
    QFETCH(int, zoom);
    QFETCH(QPoint, scroll);
    Editor e;
    e.view->SetZoomLevel(zoom, false);
    e.view->ScrollToPosition(scroll);
    const QPoint at = e.view->scrollPosition();
    QVERIFY(at.x() <= e.view->horizontalScrollBar()->maximum());
    // The page corner moves with the canvas.
    QCOMPARE(e.view->PageToWindow(POINT{0, 0}), QPoint(24, 24) - at);
    for (int y = -3; y < 300; y += 37) {
        for (int x = -5; x < 300; x += 41) {
            const POINT page = e.view->WindowToPage(QPoint(x, y));
            const QPoint back = e.view->PageToWindow(page);
            QVERIFY2(qAbs(back.x() - x) <= 1 && qAbs(back.y() - y) <= 1,
                     qPrintable(QStringLiteral("(%1, %2) came back as (%3, %4)")
                                    .arg(x)
                                    .arg(y)
                                    .arg(back.x())
                                    .arg(back.y())));
        }
    }
}

void TestViewGeometry::landscapePageRect()
{
    Editor e;
    e.doc->orientation = 2;
    e.view->OnUpdate(nullptr, 0);
    QCOMPARE(e.view->pageRect(), (RECT{0, 0, 15840, -12240}));
    QCOMPARE(e.view->scrollRange(), QSize(1104, 864));
}

void TestViewGeometry::updateSelectsMasterHeadAndTellsFrame()
{
    Editor e;
    e.doc->AddNewHead(nullptr);
    e.doc->heads[1]->bounds = RECT{};
    CSelectedHeads& selection = e.view->GetSelectedHeads();
    selection.Add(1, e.doc->heads[1].get());
    e.view->ScrollToPosition(QPoint(100, 100));

    QStringList order;
    connect(e.view.get(), &CCadenzoView::documentUpdated, this,
            [&order] { order << QStringLiteral("document"); });
    connect(e.view.get(), &CCadenzoView::headSelectionChanged, this,
            [&order] { order << QStringLiteral("selection"); });
    e.view->OnUpdate(nullptr, 0);

    QCOMPARE(order, (QStringList{QStringLiteral("document"), QStringLiteral("selection")}));
    QCOMPARE(selection.GetCount(), 1);
    QCOMPARE(selection.GetFirstIndex(), 0);
    QCOMPARE(e.view->scrollPosition(), QPoint(0, 0));
    // Unmeasured heads get their bounds, so frames and hit areas fit the text.
    for (const auto& head : e.doc->heads) {
        QVERIFY(head->bounds.right > head->bounds.left);
        QVERIFY(head->bounds.top > head->bounds.bottom);
    }
}

void TestViewGeometry::updateWithoutHeads()
{
    Editor e;
    e.doc->DeleteAllHeads();
    QSignalSpy selectionChanged(e.view.get(), &CCadenzoView::headSelectionChanged);
    e.view->OnUpdate(nullptr, 0);
    QCOMPARE(e.view->GetSelectedHeads().GetCount(), 0);
    QCOMPARE(selectionChanged.count(), 1);
    e.view->grab(); // paints an empty page
    e.view->RefreshSelectedHeads(false);
}

void TestViewGeometry::zoomBoxChoice()
{
    Window w;
    QComboBox& zoomBox = *w.zoomBox();
    QCOMPARE(zoomBox.currentIndex(), 3);
    QCOMPARE(w.edit()->text(), QStringLiteral("100%"));
    QCOMPARE(zoomBox.lineEdit(), w.edit());
    QCOMPARE(w.edit()->maxLength(), 4);

    zoomBox.setCurrentIndex(8);
    emit zoomBox.activated(8);
    QCOMPARE(w.view()->zoom(), 300);
    QCOMPARE(w.view()->scrollRange(), QSize(2592, 3312));
    QCOMPARE(zoomBox.lineEdit()->text(), QStringLiteral("300%"));
    QCOMPARE(zoomBox.count(), 10);
}

void TestViewGeometry::setZoomLevel_data()
{
    QTest::addColumn<bool>("setText");
    QTest::addColumn<QString>("text");
    QTest::newRow("entry rewritten") << true << QStringLiteral("150%");
    QTest::newRow("entry kept") << false << QStringLiteral("100%");
}

void TestViewGeometry::setZoomLevel()
{
    QFETCH(bool, setText);
    QFETCH(QString, text);
    Window w;
    w.view()->SetZoomLevel(150, setText);
    QCOMPARE(w.view()->zoom(), 150);
    QCOMPARE(w.view()->scrollRange(), QSize(1296, 1656));
    QCOMPARE(w.edit()->text(), text);
}

void TestViewGeometry::typedZoomLevel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("text");
    QTest::newRow("below the minimum") << QStringLiteral("24") << true << 100 << QStringLiteral("100%");
    QTest::newRow("no digits") << QStringLiteral("abc") << true << 100 << QStringLiteral("100%");
    QTest::newRow("above the maximum") << QStringLiteral("401") << true << 100 << QStringLiteral("100%");
    QTest::newRow("empty") << QString() << true << 100 << QStringLiteral("100%");
    QTest::newRow("in range") << QStringLiteral("150") << false << 150 << QStringLiteral("150%");
    QTest::newRow("leading blanks, trailing text")
        << QStringLiteral(" 75x") << false << 75 << QStringLiteral(" 75%");
    QTest::newRow("maximum") << QStringLiteral("400%") << false << 400 << QStringLiteral("400%");
    // The entry holds four characters: "2000" arrives.
    QTest::newRow("five digits cut to four")
        << QStringLiteral("20000") << true << 100 << QStringLiteral("100%");
}

void TestViewGeometry::typedZoomLevel()
{
    QFETCH(QString, typed);
    QFETCH(bool, rejected);
    QFETCH(int, zoom);
    QFETCH(QString, text);
    RecordingSink sink;
    setMessageSink(&sink);
    Window w;
    QVERIFY(w.showWithEntryFocus());
    CEditCtrlZoom* edit = w.edit();

    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    setMessageSink(nullptr);

    if (rejected) {
        QCOMPARE(sink.messages.size(), 1);
        QCOMPARE(sink.messages[0].text, QStringLiteral("Please enter a zoom level between 25 and 400."));
        QCOMPARE(sink.messages[0].buttons, MsgButtons::Ok);
        QCOMPARE(sink.messages[0].icon, MsgIcon::Information);
        QVERIFY(edit->hasFocus());
    } else {
        QVERIFY(sink.messages.isEmpty());
        QVERIFY(w.view()->hasFocus());
    }
    QCOMPARE(w.view()->zoom(), zoom);
    QCOMPARE(edit->text(), text);
}

void TestViewGeometry::escapeInZoomEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing typed") << QString();
    QTest::newRow("typing discarded") << QStringLiteral("3");
}

void TestViewGeometry::escapeInZoomEntry()
{
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.showWithEntryFocus());
    CEditCtrlZoom* edit = w.edit();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), QStringLiteral("100%"));
    QVERIFY(w.view()->hasFocus());
    QCOMPARE(w.view()->zoom(), 100);
}

void TestViewGeometry::wheelScrolls_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("100%") << 100 << int(Qt::NoModifier);
    QTest::newRow("200% with Ctrl") << 200 << int(Qt::ControlModifier);
    QTest::newRow("100% with Shift") << 100 << int(Qt::ShiftModifier);
}

void TestViewGeometry::wheelScrolls()
{
    QFETCH(int, zoom);
    QFETCH(int, modifiers);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    Editor e;
    e.view->SetZoomLevel(zoom, false);
    e.view->ScrollToPosition(QPoint(30, 0));
    sendWheel(e.view->viewport(), -120, mods);
    QCOMPARE(e.view->scrollPosition(), QPoint(30, 120));
    sendWheel(e.view->viewport(), -240, mods);
    QCOMPARE(e.view->scrollPosition(), QPoint(30, 360));
    sendWheel(e.view->viewport(), 120, mods);
    QCOMPARE(e.view->scrollPosition(), QPoint(30, 240));
    // The range stops it.
    sendWheel(e.view->viewport(), 12000, mods);
    QCOMPARE(e.view->scrollPosition(), QPoint(30, 0));
    QCOMPARE(e.view->zoom(), zoom);
}

void TestViewGeometry::keysScroll_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("expected"); // from (100, 400); -1 means the maximum
    QTest::newRow("Home") << 100 << int(Qt::Key_Home) << int(Qt::NoModifier) << QPoint(100, 0);
    QTest::newRow("Ctrl+Home") << 100 << int(Qt::Key_Home) << int(Qt::ControlModifier) << QPoint(0, 0);
    QTest::newRow("End") << 100 << int(Qt::Key_End) << int(Qt::NoModifier) << QPoint(100, -1);
    QTest::newRow("Ctrl+End") << 100 << int(Qt::Key_End) << int(Qt::ControlModifier) << QPoint(-1, -1);
    // Three inches of the page as shown: 288 pixels at 100 %, 576 at 200 %.
    QTest::newRow("Page Down") << 100 << int(Qt::Key_PageDown) << int(Qt::NoModifier) << QPoint(100, 688);
    QTest::newRow("Page Up") << 100 << int(Qt::Key_PageUp) << int(Qt::NoModifier) << QPoint(100, 112);
    QTest::newRow("Page Down 200%") << 200 << int(Qt::Key_PageDown) << int(Qt::NoModifier)
                                    << QPoint(100, 976);
    QTest::newRow("Shift+Page Down") << 100 << int(Qt::Key_PageDown) << int(Qt::ShiftModifier)
                                     << QPoint(388, 400);
    QTest::newRow("Shift+Page Up") << 100 << int(Qt::Key_PageUp) << int(Qt::ShiftModifier) << QPoint(0, 400);
}

void TestViewGeometry::keysScroll()
{
    QFETCH(int, zoom);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, expected);
    Editor e;
    e.view->SetZoomLevel(zoom, false);
    e.view->ScrollToPosition(QPoint(100, 400));
    QCOMPARE(e.view->scrollPosition(), QPoint(100, 400));
    QTest::keyClick(e.view.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (expected.x() < 0)
        expected.setX(e.view->horizontalScrollBar()->maximum());
    if (expected.y() < 0)
        expected.setY(e.view->verticalScrollBar()->maximum());
    QCOMPARE(e.view->scrollPosition(), expected);
    QCOMPARE(e.view->zoom(), zoom);
}

void TestViewGeometry::toggleCaptions()
{
    Editor e;
    const std::uint32_t before = e.prefs.viewWord;
    e.view->ToggleHeaderCaptions();
    QCOMPARE(e.prefs.viewWord, before ^ Preferences::kShowCaptions);
    e.view->ToggleHeaderCaptions();
    QCOMPARE(e.prefs.viewWord, before);
}

QTEST_MAIN(TestViewGeometry)
#include "tst_viewgeometry.moc"
