// The undo history without any window: steps, Undo, the modified flag, the
// shared background and what stays valid when a state is brought back.
#include "TestPdf.h"
#include "model/CadenzoDoc.h"
#include "model/UndoChain.h"

#include <QTest>

#include <memory>

namespace {

constexpr std::int32_t kNudge = 15;

struct Editing
{
    Editing()
    {
        doc.OnNewDocument();
        chain.Restart(doc);
    }
    HEADING& master() { return *doc.heads.front(); }
    void nudge(int times)
    {
        for (int i = 0; i < times; ++i) {
            master().x += kNudge;
            chain.Record(doc);
        }
    }
    void undo(int times)
    {
        for (int i = 0; i < times; ++i)
            chain.Undo(doc);
    }
    CCadenzoDoc doc{nullptr};
    UndoChain chain;
};

} // namespace

class TestUndoChain : public QObject
{
    Q_OBJECT

private slots:
    void stepsAndUndo_data();
    void stepsAndUndo();
    void unchangedRecordsNothing();
    void undoneStateIsGone();
    void savedThenUndoneIsUnmodified();
    void backgroundComesBackShared();
    void survivingHeadsKeepTheirPositions();
    void longChainGoesAtOnce();
};

void TestUndoChain::stepsAndUndo_data()
{
    QTest::addColumn<int>("nudges");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("stepsAway");
    QTest::addColumn<bool>("modified");

    QTest::newRow("fresh") << 0 << 0 << 0 << false;
    QTest::newRow("one nudge") << 1 << 0 << 1 << true;
    QTest::newRow("one nudge undone") << 1 << 1 << 0 << false;
    QTest::newRow("three nudges, two undone") << 3 << 2 << 1 << true;
    QTest::newRow("undo past the first state") << 2 << 5 << 0 << false;
}

void TestUndoChain::stepsAndUndo()
{
    QFETCH(int, nudges);
    QFETCH(int, undos);
    QFETCH(int, stepsAway);
    QFETCH(bool, modified);

    Editing e;
    const std::int32_t start = e.master().x;
    e.nudge(nudges);
    e.undo(undos);
    QCOMPARE(e.master().x, start + stepsAway * kNudge);
    QCOMPARE(e.doc.IsModified(), modified);
    QCOMPARE(e.chain.CanUndo(), stepsAway > 0);
    QCOMPARE(e.chain.size(), std::size_t(stepsAway + 1));
    QVERIFY(e.chain.current()->snapshot->IsEqual(e.doc));
    QCOMPARE(e.chain.current()->next, nullptr);
}

void TestUndoChain::unchangedRecordsNothing()
{
    Editing e;
    QVERIFY(!e.chain.Record(e.doc));
    QVERIFY(!e.doc.IsModified());
    // Moving away and back again is no change either.
    e.master().x += kNudge;
    e.master().x -= kNudge;
    QVERIFY(!e.chain.Record(e.doc));
    QCOMPARE(e.chain.size(), std::size_t(1));

    // A chain that never started takes the first state without a step.
    UndoChain fresh;
    QVERIFY(!fresh.CanUndo());
    QVERIFY(!fresh.Undo(e.doc));
    QVERIFY(!fresh.Record(e.doc));
    QCOMPARE(fresh.size(), std::size_t(1));
}

void TestUndoChain::undoneStateIsGone()
{
    Editing e;
    const std::int32_t start = e.master().x;
    e.nudge(2);
    e.undo(1);
    e.master().y -= kNudge; // a different step from the undone one
    e.chain.Record(e.doc);
    QCOMPARE(e.chain.size(), std::size_t(3));
    e.undo(1);
    QCOMPARE(e.master().x, start + kNudge);
    e.undo(1);
    QCOMPARE(e.master().x, start);
    QVERIFY(!e.chain.CanUndo());
}

void TestUndoChain::savedThenUndoneIsUnmodified()
{
    Editing e;
    e.nudge(1);
    e.doc.SetModifiedFlag(false); // as a save does; the chain is untouched
    e.undo(1);
    QVERIFY(!e.doc.IsModified());
}

void TestUndoChain::backgroundComesBackShared()
{
    Editing e;
    e.doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({QSizeF(612, 792)})));
    QVERIFY(e.doc.GetPdfPage());
    e.chain.Restart(e.doc);
    const UndoNode* first = e.chain.first();
    // One copy of the file and one open document for all states.
    QCOMPARE(first->snapshot->pdfData.get(), e.doc.pdfData.get());
    QCOMPARE(first->snapshot->GetPdfPage().get(), e.doc.GetPdfPage().get());

    e.doc.ClearPdfPage();
    QVERIFY(e.chain.Record(e.doc));
    QVERIFY(e.chain.Undo(e.doc));
    QVERIFY(e.doc.GetPdfPage());
    QCOMPARE(e.doc.GetPdfPage().get(), first->snapshot->GetPdfPage().get());
}

void TestUndoChain::survivingHeadsKeepTheirPositions()
{
    Editing e;
    const POSITION master = e.doc.heads.front().get();
    const POSITION added = e.doc.AddNewHead(nullptr);
    e.chain.Record(e.doc);
    e.undo(1);
    // The master head is the same object with its old values; the head the
    // older state lacks is no head of the list any more.
    QCOMPARE(e.doc.GetHeadCount(), 1);
    QCOMPARE(e.doc.GetHeadAt(master), master);
    QCOMPARE(e.doc.GetHeadAt(added), nullptr);
    QCOMPARE(e.doc.GetHeadIndex(added), -1);
}

void TestUndoChain::longChainGoesAtOnce()
{
    // Deep enough that deleting node by node through recursion would run out
    // of stack.
    auto e = std::make_unique<Editing>();
    e->nudge(100000);
    QCOMPARE(e->chain.size(), std::size_t(100001));
    e.reset();
}

QTEST_MAIN(TestUndoChain)
#include "tst_undochain.moc"
