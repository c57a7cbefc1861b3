// The Edit menu's commands in the main window: Undo by its keys, Copy and
// Paste through the program's own clipboard, Select All, Clear PDF, the
// commands' states, the title's unsaved-changes star, and that no list entry
// or selection outlives the head it names.
#include "TestPdf.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QTest>

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void undoKeys_data();
    void undoKeys();
    void copyPasteAcrossFileNew();
    void copyOnlyFromEditorOrHeadList_data();
    void copyOnlyFromEditorOrHeadList();
    void clearPdfThenUndo();
    void nothingRefersToFreedHeads();

private:
    // File New as the application runs it: the view is kept.
    void fileNew();
    void key(int keyCode, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    void verifyNoStaleHeads();
    QList<int> listSelection() const;
    QAction* act(int id) const { return frame->action(id); }
    CCadenzoView* view() const { return frame->view(); }
    HEADING& head(int index) const { return *doc->heads.at(std::size_t(index)); }
    QListWidget* headList() const { return frame->panel()->headList(); }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

void TestEditCommands::init()
{
    prefs = Preferences();
    doc = std::make_unique<CCadenzoDoc>(nullptr);
    frame = std::make_unique<CMainFrame>(doc.get(), &prefs);
    fileNew();
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    view()->setFocus();
    QTRY_VERIFY(view()->hasFocus());
}

void TestEditCommands::cleanup()
{
    frame.reset();
    doc.reset();
}

void TestEditCommands::fileNew()
{
    doc->OnNewDocument();
    view()->InitialUpdate();
    QCoreApplication::processEvents();
}

void TestEditCommands::key(int keyCode, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(view(), Qt::Key(keyCode), modifiers);
    QCoreApplication::processEvents(); // the view's notices are queued
}

QList<int> TestEditCommands::listSelection() const
{
    QList<int> rows;
    for (int row = 0; row < headList()->count(); ++row) {
        if (headList()->item(row)->isSelected())
            rows << row;
    }
    return rows;
}

// Every list entry and selection element names a head at its own index.
void TestEditCommands::verifyNoStaleHeads()
{
    QCOMPARE(headList()->count(), doc->GetHeadCount());
    for (int row = 0; row < headList()->count(); ++row) {
        const quintptr data = headList()->item(row)->data(Qt::UserRole).value<quintptr>();
        QCOMPARE(doc->GetHeadIndex(reinterpret_cast<POSITION>(data)), row);
    }
    for (const CSelectedHeads::SelectedHead& e : view()->GetSelectedHeads().elements())
        QCOMPARE(doc->GetHeadIndex(e.position), e.index);
}

void TestEditCommands::undoKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier);
}

void TestEditCommands::undoKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    doc->SetTitle(QStringLiteral("job.tmt"));
    frame->UpdateTitle();
    QVERIFY(!act(CMainFrame::kUndo)->isEnabled());
    // Captions are a view option: no step.
    act(CMainFrame::kShowCaptions)->trigger();
    QVERIFY(!act(CMainFrame::kUndo)->isEnabled());

    const std::int32_t start = head(0).x;
    for (int step = 1; step <= 3; ++step) {
        head(0).x = start + 15 * step;
        view()->RecordUndoStep();
    }
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt* - Tallimark"));
    key(keyCode, Qt::KeyboardModifiers(modifiers));
    key(keyCode, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(head(0).x, start + 15);
    QVERIFY(act(CMainFrame::kUndo)->isEnabled());
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt* - Tallimark"));

    key(keyCode, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(head(0).x, start);
    QVERIFY(!act(CMainFrame::kUndo)->isEnabled());
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt - Tallimark"));
    QCOMPARE(listSelection(), QList<int>{0});
}

void TestEditCommands::copyPasteAcrossFileNew()
{
    doc->AddNewHead(&view()->measurer());
    // The second head's extension record goes with every copy of it.
    head(1).extensions.set(9, "kind");
    view()->OnUpdate(nullptr, 0);
    QVERIFY(!act(CMainFrame::kPaste)->isEnabled());
    key(Qt::Key_A);
    QCOMPARE(listSelection(), (QList<int>{0, 1}));
    key(Qt::Key_C);
    const POINT copied[] = {{head(0).x, head(0).y}, {head(1).x, head(1).y}};

    // Each Paste lands another 180 twips right and 360 down, also in the
    // next template; the copies stay well inside the page.
    const int firstPasted[] = {2, 4, 1};
    for (int round = 1; round <= 3; ++round) {
        if (round == 3)
            fileNew();
        key(Qt::Key_V);
        const int first = firstPasted[round - 1];
        QCOMPARE(doc->GetHeadCount(), first + 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(head(first + i).x, copied[i].x + 180 * round);
            QCOMPARE(head(first + i).y, copied[i].y - 360 * round);
        }
        QVERIFY(head(first).extensions.empty());
        QCOMPARE(head(first + 1).extensions.get(9), std::optional<QByteArray>("kind"));
        QCOMPARE(listSelection(), (QList<int>{first, first + 1}));
        QVERIFY(act(CMainFrame::kUndo)->isEnabled());
    }
    key(Qt::Key_Z);
    QCOMPARE(doc->GetHeadCount(), 1);
    QVERIFY(!doc->IsModified());
}

void TestEditCommands::copyOnlyFromEditorOrHeadList_data()
{
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("copies");
    QTest::newRow("editor") << 0 << true;
    QTest::newRow("head list") << 1 << true;
    QTest::newRow("panel check box") << 2 << false;
}

void TestEditCommands::copyOnlyFromEditorOrHeadList()
{
    QFETCH(int, focus);
    QFETCH(bool, copies);
    QWidget* const targets[] = {view(), headList(), frame->panel()->checkBox(CLeftDialogBar::kZeroPad)};
    targets[focus]->setFocus();
    QTRY_VERIFY(targets[focus]->hasFocus());
    act(CMainFrame::kCopy)->trigger();
    QCOMPARE(view()->clipboard().size(), std::size_t(copies ? 1 : 0));
    QCOMPARE(act(CMainFrame::kPaste)->isEnabled(), copies);
}

void TestEditCommands::clearPdfThenUndo()
{
    QVERIFY(!act(CMainFrame::kClearPdf)->isEnabled());
    doc->AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    view()->InitialUpdate();
    QVERIFY(act(CMainFrame::kClearPdf)->isEnabled());

    act(CMainFrame::kClearPdf)->trigger();
    QVERIFY(!doc->GetPdfPage());
    QVERIFY(view()->pdfScreenImage().isNull());
    QVERIFY(!act(CMainFrame::kClearPdf)->isEnabled());

    act(CMainFrame::kUndo)->trigger();
    QVERIFY(doc->GetPdfPage());
    QTRY_VERIFY(!view()->pdfScreenImage().isNull());
    QVERIFY(act(CMainFrame::kClearPdf)->isEnabled());
}

void TestEditCommands::nothingRefersToFreedHeads()
{
    // Paste, Undo, Delete, Select All, File New, each checked afterwards.
    key(Qt::Key_C);
    key(Qt::Key_V);
    key(Qt::Key_V);
    verifyNoStaleHeads();
    key(Qt::Key_A);
    key(Qt::Key_Z);
    verifyNoStaleHeads();
    QCOMPARE(doc->GetHeadCount(), 2);
    const POSITION gone = doc->heads.back().get();
    key(Qt::Key_Z);
    verifyNoStaleHeads();

    // An element kept from before is passed over, never read or written.
    CSelectedHeads& selection = view()->GetSelectedHeads();
    selection.Add(1, gone);
    selection.SetX(0);
    QCOMPARE(selection.GetX(), 0);

    key(Qt::Key_V);
    act(CMainFrame::kDelete)->trigger();
    QCoreApplication::processEvents();
    verifyNoStaleHeads();
    QCOMPARE(doc->GetHeadCount(), 1);
    fileNew();
    verifyNoStaleHeads();
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
