// The undo history without any window: steps, Undo and Redo, the modified flag, the
// shared background and what stays valid when a state is brought back.
#include "TestPdf.h"
#include "model/CadenzoDoc.h"
#include "model/UndoChain.h"

#include <QTest>

class TestUndoChain : public QObject
{
    Q_OBJECT

private slots:
    void editsAndUndos_data();
    void editsAndUndos();
    void backgroundComesBackShared();
    void survivingHeadsKeepTheirPositions();
    void longChainGoesAtOnce();
};

void TestUndoChain::editsAndUndos_data()
{
    // x: nudge right and record; y: nudge down and record; 0: record with no
    // change; u: Undo; r: Redo; s: save (the flag is cleared, the chain
    // untouched). states: recorded states kept; redos: how many Redo can
    // still bring back.
    QTest::addColumn<QByteArray>("edits");
    QTest::addColumn<int>("nudgesRight");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("states");
    QTest::addColumn<int>("redos");

    QTest::newRow("fresh") << QByteArray("") << 0 << false << 1 << 0;
    QTest::newRow("unchanged records nothing") << QByteArray("00") << 0 << false << 1 << 0;
    QTest::newRow("one nudge undone") << QByteArray("xu") << 0 << false << 2 << 1;
    QTest::newRow("three nudges, two undone") << QByteArray("xxxuu") << 1 << true << 4 << 2;
    QTest::newRow("undo past the first state") << QByteArray("xxuuuu") << 0 << false << 3 << 2;
    QTest::newRow("undone state is gone") << QByteArray("xxuyuurrr") << 1 << true << 3 << 0;
    QTest::newRow("new step after undo") << QByteArray("xxuy") << 1 << true << 3 << 0;
    QTest::newRow("saved then undone") << QByteArray("xsu") << 0 << false << 2 << 1;
    QTest::newRow("redo with nothing undone") << QByteArray("xr") << 1 << true << 2 << 0;
    QTest::newRow("undo then redo") << QByteArray("xxuur") << 1 << true << 3 << 1;
    QTest::newRow("redo past the newest state") << QByteArray("xxuurrr") << 2 << true << 3 << 0;
    QTest::newRow("redo marks modified again") << QByteArray("xsur") << 1 << true << 2 << 0;
    QTest::newRow("unchanged record keeps redo") << QByteArray("xu0r") << 1 << true << 2 << 0;
}

void TestUndoChain::editsAndUndos()
{
    QFETCH(QByteArray, edits);
    QFETCH(int, nudgesRight);
    QFETCH(bool, modified);
    QFETCH(int, states);
    QFETCH(int, redos);

    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    UndoChain chain;
    chain.Restart(doc);
    HEADING& head = *doc.heads.front();
    const std::int32_t x = head.x;
    for (const char edit : edits) {
        if (edit == 'x')
            head.x += 15;
        else if (edit == 'y')
            head.y -= 15;
        if (edit == 'u')
            chain.Undo(doc);
        else if (edit == 'r')
            chain.Redo(doc);
        else if (edit == 's')
            doc.SetModifiedFlag(false);
        else
            chain.Record(doc);
    }
    QCOMPARE(head.x, x + 15 * nudgesRight);
    QCOMPARE(doc.IsModified(), modified);
    QCOMPARE(chain.size(), std::size_t(states));
    int ahead = 0;
    for (const UndoNode* n = chain.current()->next; n; n = n->next)
        ++ahead;
    QCOMPARE(ahead, redos);
    QCOMPARE(chain.CanRedo(), redos > 0);
    QCOMPARE(chain.CanUndo(), states - redos > 1);
    QVERIFY(chain.current()->snapshot->IsEqual(doc));
}

void TestUndoChain::backgroundComesBackShared()
{
    CCadenzoDoc doc(nullptr);
    doc.AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    UndoChain chain;
    chain.Restart(doc);
    // One copy of the file and one open document for every state.
    const CCadenzoDoc& first = *chain.first()->snapshot;
    QCOMPARE(first.pdfData.get(), doc.pdfData.get());
    QCOMPARE(first.GetPdfPage().get(), doc.GetPdfPage().get());

    doc.ClearPdfPage();
    QVERIFY(chain.Record(doc));
    QVERIFY(chain.Undo(doc));
    QCOMPARE(doc.GetPdfPage().get(), first.GetPdfPage().get());
    QVERIFY(doc.GetPdfPage());
}

void TestUndoChain::survivingHeadsKeepTheirPositions()
{
    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    UndoChain chain;
    chain.Restart(doc);
    const POSITION master = doc.heads.front().get();
    const POSITION added = doc.AddNewHead(nullptr);
    chain.Record(doc);
    chain.Undo(doc);
    // The master head is the same object; the head the older state lacks is
    // no head of the list any more.
    QCOMPARE(doc.GetHeadAt(master), master);
    QCOMPARE(doc.GetHeadAt(added), nullptr);
}

void TestUndoChain::longChainGoesAtOnce()
{
    // Deep enough that deleting node by node through recursion would run out
    // of stack.
    CCadenzoDoc doc(nullptr);
    doc.OnNewDocument();
    auto chain = std::make_unique<UndoChain>();
    chain->Restart(doc);
    for (int i = 0; i < 100000; ++i) {
        doc.heads.front()->x += 15;
        chain->Record(doc);
    }
    QCOMPARE(chain->size(), std::size_t(100001));
    chain.reset();
}

QTEST_MAIN(TestUndoChain)
#include "tst_undochain.moc"
