// What the editor paints: workspace, page and border, PDF background, head
// texts cut at the page, selection frames and captions.
#include "TestPdf.h"
#include "model/CadenzoDoc.h"
#include "model/FontFromLogFont.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QImage>
#include <QTest>

#include <memory>

namespace {

const QRgb kWorkspaceRgb = qRgb(171, 171, 171);
const QRgb kFrameRgb = qRgb(127, 127, 127);

bool isInk(QRgb c)
{
    return qGray(c) < 128;
}

// Box of the dark pixels inside area, and the centre of their mass.
struct Ink
{
    QRect box;
    QPointF centre;
    int count = 0;
};

Ink inkIn(const QImage& image, const QRect& area)
{
    Ink ink;
    double sx = 0, sy = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y) {
        for (int x = a.left(); x <= a.right(); ++x) {
            if (isInk(image.pixel(x, y))) {
                ink.box |= QRect(x, y, 1, 1);
                sx += x;
                sy += y;
                ++ink.count;
            }
        }
    }
    if (ink.count > 0)
        ink.centre = QPointF(sx / ink.count, sy / ink.count);
    return ink;
}

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y) {
        for (int x = a.left(); x <= a.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return n;
}

// A Letter template in a view big enough to show the whole page at 100 %
// on a 96 dpi screen: the page spans window pixels (24, 24) to (840, 1080).
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
        view->resize(900, 1150);
        view->InitialUpdate();
    }
    HEADING& head(int i) { return *doc->heads[std::size_t(i)]; }
    // Places head i with its reference corner at (x, y) and measures it.
    void place(int i, int x, int y)
    {
        head(i).x = x;
        head(i).y = y;
        view->RefreshHead(head(i), false);
    }
    QImage paint() { return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CCadenzoView> view;
};

} // namespace

class TestViewDrawing : public QObject
{
    Q_OBJECT

private slots:
    void pageBorderAndWorkspace_data();
    void pageBorderAndWorkspace();
    void headTextIsCutAtThePage();
    void rotation90ReadsBottomToTop_data();
    void rotation90ReadsBottomToTop();
    void selectionFrameOnlyOnSelectedHeads();
    void captionPlacement_data();
    void captionPlacement();
    void fiveCaptions();
    void captionsHidden();
    void pdfBackgroundFillsThePage_data();
    void pdfBackgroundFillsThePage();
};

void TestViewDrawing::pageBorderAndWorkspace_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("50%") << 50;
    QTest::newRow("100%") << 100;
    QTest::newRow("200%") << 200;
}

void TestViewDrawing::pageBorderAndWorkspace()
{
    QFETCH(int, zoom);
    Editor e;
    e.view->GetSelectedHeads().RemoveAll();
    e.doc->DeleteAllHeads();
    e.view->SetZoomLevel(zoom, false);
    const QImage image = e.paint();
    const double px = zoom / 100.0 * 96.0 / 1440.0; // pixels per twip
    const int right = 24 + int(12240 * px);
    const int mid = 24 + int(5000 * px);
    // Workspace left of the page and above it.
    QCOMPARE(image.pixel(5, mid), kWorkspaceRgb);
    QCOMPARE(image.pixel(mid, 5), kWorkspaceRgb);
    // The border's centre line lies 35 twips outside the page edge.
    const int off = int(35 * px + 0.5);
    const auto darkNear = [&image](int x, int y, bool horizontal) {
        int darkest = 255;
        for (int d = -1; d <= 1; ++d)
            darkest = std::min(darkest, qGray(horizontal ? image.pixel(x + d, y) : image.pixel(x, y + d)));
        return darkest < 64;
    };
    QVERIFY(darkNear(24 - off, mid, true));
    QVERIFY(darkNear(mid, 24 - off, false));
    if (right + off + 1 < image.width())
        QVERIFY(darkNear(right + off, mid, true));
    // White inside.
    QCOMPARE(image.pixel(24 + 4, mid), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(mid, mid), qRgb(255, 255, 255));
    if (right + off + 6 < image.width())
        QCOMPARE(image.pixel(right + off + 6, mid), kWorkspaceRgb);
}

void TestViewDrawing::headTextIsCutAtThePage()
{
    Editor e;
    e.view->GetSelectedHeads().RemoveAll();
    e.doc->AddNewHead(nullptr);
    e.head(0).suffix = "WWWWWWWWWW";
    e.head(1).suffix = "WWWWWWWWWW";
    e.place(0, 1440, -1440);
    // Far enough right that most of its text would lie beyond the page, as a
    // template file may hold it (a refresh would pull it back onto the page).
    e.head(1).x = 11000;
    e.head(1).y = -4320;
    e.head(1).CalcBounds(e.view->measurer(), e.doc->GetHeadNumber(0, e.head(1)));
    QVERIFY(e.head(1).bounds.right > 12240 + 1440);
    const QImage image = e.paint();

    // Inside: head 0 starts at its reference corner, one inch from the page's.
    const Ink first = inkIn(image, QRect(96, 96, 600, 80));
    QVERIFY(first.count > 50);
    QVERIFY(first.box.left() >= 24 + 96 - 1 && first.box.left() <= 24 + 96 + 6);
    QVERIFY(first.box.top() >= 24 + 96 - 1);

    // Head 1 shows up to the page edge (x = 840) and not a pixel beyond the border.
    const int row = 24 + 288;
    const Ink onPage = inkIn(image, QRect(24 + 733, row, 840 - 757, 40));
    QVERIFY(onPage.count > 20);
    for (int y = row; y < row + 40; ++y) {
        for (int x = 845; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), kWorkspaceRgb);
    }
}

void TestViewDrawing::rotation90ReadsBottomToTop_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100%") << 100;
    QTest::newRow("150%") << 150;
}

void TestViewDrawing::rotation90ReadsBottomToTop()
{
    QFETCH(int, zoom);
    Editor e;
    e.view->GetSelectedHeads().RemoveAll();
    // Light at the start, heavy at the end: the ink's centre shows the reading direction.
    e.head(0).preface = "..";
    e.head(0).spaceAfterPreface = 0;
    e.head(0).zeroPad = 0;
    e.head(0).suffix = "MMMMM";
    e.head(0).rotation = 90;
    e.place(0, 1440, -5760);
    e.view->SetZoomLevel(zoom, false);
    const QImage image = e.paint();
    const QPoint ref = e.view->PageToWindow(POINT{1440, -5760});
    // Turned counter-clockwise about its corner: the text rises from it, the
    // glyphs' feet to the right.
    // Clear of the page border, which lies an inch left of and above the corner.
    const Ink ink = inkIn(image, QRect(ref.x() - 60, 30, 300, ref.y() + 30));
    QVERIFY(ink.count > 100);
    QVERIFY(ink.box.bottom() <= ref.y() + 2);
    QVERIFY(ink.box.left() >= ref.x() - 2);
    QVERIFY(ink.box.height() > 2 * ink.box.width());
    QVERIFY2(ink.centre.y() < ink.box.center().y(), "the heavy end should be at the top");
}

void TestViewDrawing::selectionFrameOnlyOnSelectedHeads()
{
    Editor e;
    e.doc->AddNewHead(nullptr);
    e.place(0, 1440, -1440);
    e.place(1, 1440, -4320);
    CSelectedHeads& selection = e.view->GetSelectedHeads();
    selection.RemoveAll();
    selection.Add(1, e.doc->heads[1].get());
    const QImage image = e.paint();

    const QRect frame1 = e.view->PageRectToWindow(e.head(1).bounds);
    const QRect frame0 = e.view->PageRectToWindow(e.head(0).bounds);
    // Dotted grey along the top edge of the selected head's bounds only.
    const QRect top1(frame1.left(), frame1.top() - 1, frame1.width(), 3);
    const QRect top0(frame0.left(), frame0.top() - 1, frame0.width(), 3);
    QVERIFY(countColour(image, top1, kFrameRgb) > frame1.width() / 4);
    QCOMPARE(countColour(image, top0, kFrameRgb), 0);
    // No fill: the text inside the frame still shows.
    QVERIFY(inkIn(image, frame1.adjusted(2, 2, -2, -2)).count > 50);
}

void TestViewDrawing::captionPlacement_data()
{
    QTest::addColumn<RECT>("bounds");
    QTest::addColumn<bool>("above");
    QTest::addColumn<bool>("leftAligned");
    QTest::newRow("near the top: below") << RECT{1000, -100, 3000, -500} << false << true;
    QTest::newRow("room above") << RECT{1000, -1000, 3000, -1400} << true << true;
    QTest::newRow("near the right edge") << RECT{11600, -2000, 12000, -2400} << true << false;
    QTest::newRow("top-right corner") << RECT{11600, -50, 12000, -400} << false << false;
}

void TestViewDrawing::captionPlacement()
{
    QFETCH(RECT, bounds);
    QFETCH(bool, above);
    QFETCH(bool, leftAligned);
    Editor e(true);
    e.head(0).bounds = bounds;
    e.view->PlaceCaption(e.head(0), 0);
    const RECT caption = e.head(0).captionRect;
    // Painting shows the caption where it was placed and changes nothing.
    e.paint();
    QCOMPARE(e.head(0).captionRect, caption);
    const int height = caption.top - caption.bottom;
    const int width = caption.right - caption.left;
    QVERIFY(height > 150 && height < 300); // a 200-twip cell
    QVERIFY(width > 800);
    if (above)
        QCOMPARE(caption.bottom, bounds.top);
    else
        QCOMPARE(caption.top, bounds.bottom);
    if (leftAligned)
        QCOMPARE(caption.left, bounds.left);
    else
        QCOMPARE(caption.right, bounds.right);
}

void TestViewDrawing::fiveCaptions()
{
    Editor e(true);
    for (int i = 1; i < 5; ++i)
        e.doc->AddNewHead(nullptr);
    for (int i = 0; i < 5; ++i)
        e.place(i, 1440, -1440 - 1440 * i);
    const QImage image = e.paint();

    LOGFONTA lf;
    lf.lfHeight = 200;
    lf.lfWeight = 500;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    setFaceName(lf, "Arial");
    const char* labels[] = {"Master Head", "Head 2", "Head 3", "Head 4", "Head 5"};
    for (int i = 0; i < 5; ++i) {
        const RECT& c = e.head(i).captionRect;
        QCOMPARE(c.right - c.left, e.view->measurer().textExtent(lf, labels[i]).cx);
        QCOMPARE(c.bottom, e.head(i).bounds.top);
        // Master Head in red, the others grey.
        const QRect area = e.view->PageRectToWindow(c);
        int red = 0;
        int grey = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
                grey += qRed(p) < 160 && qAbs(qRed(p) - qGreen(p)) < 8 && qAbs(qRed(p) - qBlue(p)) < 8;
            }
        }
        if (i == 0) {
            QVERIFY(red > 20);
        } else {
            QCOMPARE(red, 0);
            QVERIFY(grey > 20);
        }
    }
    QVERIFY(e.head(0).captionRect.right - e.head(0).captionRect.left >
            e.head(1).captionRect.right - e.head(1).captionRect.left);
}

void TestViewDrawing::captionsHidden()
{
    Editor e(false);
    e.place(0, 1440, -1440);
    e.view->GetSelectedHeads().RemoveAll();
    e.paint();
    QCOMPARE(e.head(0).captionRect, RECT{});
    // Above the head nothing is drawn without captions; with them, red.
    const QRect above = e.view->PageRectToWindow(RECT{1440, -1100, 3000, -1440});
    QCOMPARE(countColour(e.paint(), above, qRgb(255, 0, 0)), 0);
    e.view->ToggleHeaderCaptions();
    const QImage shown = e.paint();
    QVERIFY(e.head(0).captionRect != RECT{});
    int red = 0;
    for (int y = above.top(); y <= above.bottom(); ++y)
        for (int x = above.left(); x <= above.right(); ++x)
            red += qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 100;
    QVERIFY(red > 10);
}

void TestViewDrawing::pdfBackgroundFillsThePage_data()
{
    QTest::addColumn<QSizeF>("pdfPage");
    QTest::addColumn<int>("zoom");
    QTest::newRow("letter at 100%") << testpdf::letter() << 100;
    QTest::newRow("A4 stretched at 100%") << testpdf::a4() << 100;
    QTest::newRow("letter at 50%") << testpdf::letter() << 50;
    QTest::newRow("wide page at 75%") << QSizeF(800, 300) << 75;
}

void TestViewDrawing::pdfBackgroundFillsThePage()
{
    QFETCH(QSizeF, pdfPage);
    QFETCH(int, zoom);
    Editor e;
    e.view->GetSelectedHeads().RemoveAll();
    e.doc->DeleteAllHeads();
    e.doc->AttachPdf(testpdf::blockFrom(testpdf::makePdf({pdfPage}, QColor(0, 0, 255))));
    QVERIFY(e.doc->GetPdfPage());
    e.view->OnUpdate(nullptr, 0);
    // Rendered once, at the page's size on screen at 100 %, off the
    // user-interface thread: the page shows without it until it is there.
    QTRY_COMPARE(e.view->pdfScreenImage().size(), QSize(816, 1056));
    e.view->SetZoomLevel(zoom, false);
    const QImage image = e.paint();

    // The blue band covers the top half of the page rectangle, whatever the
    // PDF page's own proportions.
    const double px = zoom / 100.0 * 96.0 / 1440.0;
    const int left = 24 + 3;
    const int right = 24 + int(12240 * px) - 4;
    const int midY = 24 + int(7920 * px);
    // (The page number sits in the middle of the PDF page.)
    for (int x : {left, (3 * left + right) / 4, right}) {
        QCOMPARE(qBlue(image.pixel(x, 24 + 3)), 255);
        QVERIFY(qRed(image.pixel(x, 24 + 3)) < 30);
        QVERIFY(qRed(image.pixel(x, midY - 4)) < 30);
        QCOMPARE(image.pixel(x, midY + 4), qRgb(255, 255, 255));
    }
    // Not beyond the page.
    QCOMPARE(image.pixel(10, 30), kWorkspaceRgb);

    // Without a PDF page the page is white again.
    e.view->ReleasePdfScreenBitmap();
    QCOMPARE(e.paint().pixel(left, 24 + 3), qRgb(255, 255, 255));
}

QTEST_MAIN(TestViewDrawing)
#include "tst_viewdrawing.moc"
