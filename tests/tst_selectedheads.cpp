// The editor's selection: set semantics, iteration and the values the panel
// shows and writes for several heads at once.
#include "model/CadenzoDoc.h"
#include "view/SelectedHeads.h"

#include <QTest>

#include <cstring>
#include <memory>

namespace {

struct ThreeHeads
{
    ThreeHeads()
    {
        for (int i = 0; i < 3; ++i)
            doc.AddNewHead(nullptr);
    }
    POSITION at(int i) const { return doc.heads[std::size_t(i)].get(); }
    void select(std::initializer_list<int> indexes)
    {
        for (int i : indexes)
            selection.Add(i, at(i));
    }
    CCadenzoDoc doc{nullptr};
    CSelectedHeads selection{&doc.heads};
};

} // namespace

class TestSelectedHeads : public QObject
{
    Q_OBJECT

private slots:
    void setSemantics();
    void iterationKeepsSelectionOrder();
    void emptySelection();
    void commonValues_data();
    void commonValues();
    void textsAndFont();
    void settersWriteEverySelectedHead();
    void maxExtent();
};

void TestSelectedHeads::setSemantics()
{
    ThreeHeads t;
    t.select({2, 0, 2});
    QCOMPARE(t.selection.GetCount(), 2);
    QCOMPARE(t.selection.GetFirstIndex(), 2);
    QVERIFY(t.selection.Contains(0));
    QVERIFY(!t.selection.Contains(1));
    QVERIFY(!t.selection.Contains(7)); // no such head
    // An element stored with another head's position is a different element.
    t.selection.Add(1, t.at(2));
    QVERIFY(!t.selection.Contains(1));
    t.selection.Remove(1);
    QCOMPARE(t.selection.GetCount(), 3);
    t.selection.Remove(2);
    QCOMPARE(t.selection.GetFirstIndex(), 0);
    t.selection.RemoveAll();
    QCOMPARE(t.selection.GetCount(), 0);
    QCOMPARE(t.selection.GetFirstIndex(), -1);
}

void TestSelectedHeads::iterationKeepsSelectionOrder()
{
    ThreeHeads t;
    t.select({1, 2, 0});
    QList<int> seen;
    t.selection.MoveFirst();
    do {
        int index = -1;
        POSITION position = nullptr;
        HEADING* head = t.selection.GetCurrent(&index, &position);
        QCOMPARE(head, t.at(index));
        QCOMPARE(position, t.at(index));
        seen << index;
    } while (t.selection.MoveNext());
    QCOMPARE(seen, (QList<int>{1, 2, 0}));
    // Past the end the last element stays current.
    QVERIFY(!t.selection.MoveNext());
    int index = -1;
    t.selection.GetCurrent(&index);
    QCOMPARE(index, 0);
}

void TestSelectedHeads::emptySelection()
{
    ThreeHeads t;
    t.selection.MoveFirst();
    QVERIFY(!t.selection.GetCurrent());
    QVERIFY(!t.selection.MoveNext());
    QCOMPARE(t.selection.GetX(), -1);
    QCOMPARE(t.selection.GetPreface(), QByteArray());
    LOGFONTA font;
    COLORREF color = 0;
    QVERIFY(!t.selection.GetFontAndColor(&font, &color));
    QCOMPARE(color, COLORREF(0xFFFFFFFFu));
    QCOMPARE(t.selection.GetMaxWidth(), 0);
    t.selection.SetX(5); // nothing to write
}

void TestSelectedHeads::commonValues_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("expected");
    QTest::newRow("same") << 7 << 7;
    QTest::newRow("different") << 8 << -1;
}

void TestSelectedHeads::commonValues()
{
    QFETCH(int, second);
    QFETCH(int, expected);
    ThreeHeads t;
    t.select({0, 2});
    HEADING& a = *t.at(0);
    HEADING& b = *t.at(2);
    a.x = a.y = a.rotation = a.seed = a.spaceAfterPreface = a.spaceBeforeSuffix = a.zeroPad = a.digits = 7;
    b.x = b.y = b.rotation = b.seed = b.spaceAfterPreface = b.spaceBeforeSuffix = b.zeroPad = b.digits =
        second;
    t.at(1)->x = 99; // not selected, not considered
    QCOMPARE(t.selection.GetX(), expected);
    QCOMPARE(t.selection.GetY(), expected);
    QCOMPARE(t.selection.GetRotation(), expected);
    QCOMPARE(t.selection.GetSeed(), expected);
    QCOMPARE(t.selection.GetSpaceAfterPreface(), expected);
    QCOMPARE(t.selection.GetSpaceBeforeSuffix(), expected);
    QCOMPARE(t.selection.GetZeroPad(), expected);
    QCOMPARE(t.selection.GetDigits(), expected);
}

void TestSelectedHeads::textsAndFont()
{
    ThreeHeads t;
    t.select({0, 1});
    t.at(0)->preface = "No.";
    t.at(1)->preface = "No.";
    t.at(0)->suffix = "A";
    t.at(1)->suffix = "B";
    QCOMPARE(t.selection.GetPreface(), QByteArray("No."));
    QCOMPARE(t.selection.GetSuffix(), QByteArray());

    t.at(1)->color = makeRgb(1, 2, 3);
    LOGFONTA font;
    COLORREF color = 0;
    QVERIFY(t.selection.GetFontAndColor(&font, &color));
    QVERIFY(logFontBytesEqual(font, t.at(0)->font));
    QCOMPARE(color, COLORREF(0xFFFFFFFFu));
    // One byte of the face name is enough to differ.
    t.at(1)->font.lfFaceName[30] = 'x';
    QVERIFY(!t.selection.GetFontAndColor(&font, nullptr));
}

void TestSelectedHeads::settersWriteEverySelectedHead()
{
    ThreeHeads t;
    t.select({0, 2});
    const std::int32_t untouchedX = t.at(1)->x;
    t.selection.SetX(1440);
    t.selection.SetY(-720);
    t.selection.SetRotation(90);
    t.selection.SetSeed(3);
    t.selection.SetSpaceAfterPreface(0);
    t.selection.SetSpaceBeforeSuffix(1);
    t.selection.SetZeroPad(0);
    t.selection.SetDigits(7);
    t.selection.SetPreface("A");
    t.selection.SetSuffix("-z");
    LOGFONTA font;
    font.lfHeight = 12;
    setFaceName(font, "Arial");
    t.selection.SetFontAndColor(font, makeRgb(0, 0, 255));
    for (int i : {0, 2}) {
        const HEADING& h = *t.at(i);
        QCOMPARE(h.x, 1440);
        QCOMPARE(h.y, -720);
        QCOMPARE(h.rotation, 90);
        QCOMPARE(h.seed, 3);
        QCOMPARE(h.spaceAfterPreface, 0);
        QCOMPARE(h.spaceBeforeSuffix, 1);
        QCOMPARE(h.zeroPad, 0);
        QCOMPARE(h.digits, 7);
        QCOMPARE(h.preface, QByteArray("A"));
        QCOMPARE(h.suffix, QByteArray("-z"));
        QVERIFY(logFontBytesEqual(h.font, font));
        QCOMPARE(h.color, makeRgb(0, 0, 255));
    }
    QCOMPARE(t.at(1)->x, untouchedX);
}

void TestSelectedHeads::maxExtent()
{
    ThreeHeads t;
    t.at(0)->bounds = RECT{0, 0, 500, -300};
    t.at(1)->bounds = RECT{100, -50, 300, -900};
    t.at(2)->bounds = RECT{0, 0, 9000, -9000};
    t.select({0, 1});
    QCOMPARE(t.selection.GetMaxWidth(), 500);
    QCOMPARE(t.selection.GetMaxHeight(), 850);
}

QTEST_MAIN(TestSelectedHeads)
#include "tst_selectedheads.moc"
