// The Edit menu's commands in the main window: Undo by its keys, Copy and
// Paste through the program's own clipboard, Select All, Clear PDF, the
// commands' states, the title's unsaved-changes star, and that no list entry
// or selection outlives the head it names.
#include "TestPdf.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/UndoChain.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace {

enum Command
{
    kUndo = 57643,
    kCopy = 57634,
    kPaste = 57637,
    kSelectAll = 57642,
    kClearPdf = 32811,
};

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void undoKeys_data();
    void undoKeys();
    void copyPasteAcrossFileNew();
    void copyNeedsEditorOrHeadList_data();
    void copyNeedsEditorOrHeadList();
    void selectAll();
    void clearPdfThenUndo();
    void titleFollowsModifiedFlag();
    void nothingRefersToFreedHeads();

private:
    // File New as the application runs it: the view is kept.
    void fileNew();
    void settle() { QCoreApplication::processEvents(); }
    void selectHeads(const QList<int>& indexes);
    void showAndFocusView();
    // Every list entry, selection element and iteration names a live head.
    void verifyNoStaleHeads();
    QAction* act(int id) const { return frame->action(id); }
    CCadenzoView* view() const { return frame->view(); }
    HEADING& head(int index) const { return *doc->heads.at(std::size_t(index)); }
    QListWidget* headList() const { return frame->panel()->headList(); }
    QList<int> listSelection() const;

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
    settle();
}

void TestEditCommands::selectHeads(const QList<int>& indexes)
{
    CSelectedHeads& selection = view()->GetSelectedHeads();
    selection.RemoveAll();
    for (int index : indexes)
        selection.Add(index, &head(index));
    frame->OnHeadSelectionChanged();
}

void TestEditCommands::showAndFocusView()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    view()->setFocus();
    QTRY_VERIFY(view()->hasFocus());
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

void TestEditCommands::verifyNoStaleHeads()
{
    QCOMPARE(headList()->count(), doc->GetHeadCount());
    for (int row = 0; row < headList()->count(); ++row) {
        const auto position =
            reinterpret_cast<POSITION>(headList()->item(row)->data(Qt::UserRole).value<quintptr>());
        QCOMPARE(doc->GetHeadIndex(position), row);
    }
    for (const CSelectedHeads::SelectedHead& e : view()->GetSelectedHeads().elements())
        QCOMPARE(doc->GetHeadIndex(e.position), e.index);
}

void TestEditCommands::undoKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier);
}

void TestEditCommands::undoKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    showAndFocusView();
    QVERIFY(!act(kUndo)->isEnabled());

    const std::int32_t start = head(0).x;
    for (int step = 1; step <= 3; ++step) {
        head(0).x = start + 15 * step;
        view()->RecordUndoStep();
    }
    QVERIFY(act(kUndo)->isEnabled());
    QVERIFY(doc->IsModified());

    QTest::keyClick(view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClick(view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(head(0).x, start + 15);
    QVERIFY(doc->IsModified());
    QVERIFY(act(kUndo)->isEnabled());

    QTest::keyClick(view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(head(0).x, start);
    QVERIFY(!doc->IsModified());
    QVERIFY(!act(kUndo)->isEnabled());
    // The undone state is the editor's again: master head selected.
    settle();
    QCOMPARE(listSelection(), QList<int>{0});
}

void TestEditCommands::copyPasteAcrossFileNew()
{
    doc->AddNewHead(&view()->measurer());
    view()->OnUpdate(nullptr, 0);
    settle();
    showAndFocusView();
    QVERIFY(!act(kPaste)->isEnabled());
    selectHeads({0, 1});
    QVERIFY(act(kCopy)->isEnabled());
    const POINT copied[] = {{head(0).x, head(0).y}, {head(1).x, head(1).y}};
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(view()->clipboard().size(), std::size_t(2));
    QVERIFY(act(kPaste)->isEnabled());

    // Each Paste lands another 180 twips right and 360 down. Positions are
    // checked before the heads are held inside the page or snapped.
    struct Round
    {
        bool fileNewFirst;
        int firstNew;
    };
    const Round rounds[] = {{false, 2}, {false, 4}, {true, 1}};
    for (int round = 1; round <= 3; ++round) {
        const Round r = rounds[round - 1];
        if (r.fileNewFirst) {
            fileNew();
            QVERIFY(!act(kUndo)->isEnabled());
            QVERIFY(act(kPaste)->isEnabled());
        }
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        settle();
        QCOMPARE(doc->GetHeadCount(), r.firstNew + 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(head(r.firstNew + i).x, copied[i].x + 180 * round);
            QCOMPARE(head(r.firstNew + i).y, copied[i].y - 360 * round);
        }
        QCOMPARE(listSelection(), (QList<int>{r.firstNew, r.firstNew + 1}));
        QCOMPARE(view()->GetSelectedHeads().GetCount(), 2);
        QVERIFY(act(kUndo)->isEnabled());
        QVERIFY(doc->IsModified());
    }
    // Undo takes the pasted heads away again.
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    QCOMPARE(doc->GetHeadCount(), 1);
    QVERIFY(!doc->IsModified());
}

void TestEditCommands::copyNeedsEditorOrHeadList_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("copies");
    QTest::newRow("editor") << QStringLiteral("view") << true;
    QTest::newRow("head list") << QStringLiteral("list") << true;
    QTest::newRow("panel check box") << QStringLiteral("check") << false;
}

void TestEditCommands::copyNeedsEditorOrHeadList()
{
    QFETCH(QString, focus);
    QFETCH(bool, copies);
    showAndFocusView();
    QWidget* target = focus == QLatin1String("view")   ? static_cast<QWidget*>(view())
                      : focus == QLatin1String("list") ? static_cast<QWidget*>(headList())
                                                       : frame->panel()->checkBox(CLeftDialogBar::kZeroPad);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QVERIFY(act(kCopy)->isEnabled());
    act(kCopy)->trigger();
    QCOMPARE(view()->clipboard().size(), std::size_t(copies ? 1 : 0));
    QCOMPARE(act(kPaste)->isEnabled(), copies);
}

void TestEditCommands::selectAll()
{
    for (int i = 0; i < 4; ++i)
        doc->AddNewHead(&view()->measurer());
    view()->OnUpdate(nullptr, 0);
    settle();
    showAndFocusView();
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    settle();
    QCOMPARE(view()->GetSelectedHeads().GetCount(), 5);
    QCOMPARE(listSelection(), (QList<int>{0, 1, 2, 3, 4}));
    // Selecting is no change to the template.
    QVERIFY(!act(kUndo)->isEnabled());
    QVERIFY(!doc->IsModified());
}

void TestEditCommands::clearPdfThenUndo()
{
    QVERIFY(!act(kClearPdf)->isEnabled());
    doc->AttachPdf(testpdf::blockFrom(testpdf::makePdf({testpdf::letter()})));
    view()->InitialUpdate();
    settle();
    QVERIFY(act(kClearPdf)->isEnabled());
    QVERIFY(!view()->pdfScreenImage().isNull());

    act(kClearPdf)->trigger();
    QVERIFY(!doc->GetPdfPage());
    QVERIFY(view()->pdfScreenImage().isNull());
    QVERIFY(doc->pdfData); // the embedded file stays
    QVERIFY(!act(kClearPdf)->isEnabled());
    QVERIFY(act(kUndo)->isEnabled());

    act(kUndo)->trigger();
    settle();
    QVERIFY(doc->GetPdfPage());
    QVERIFY(!view()->pdfScreenImage().isNull());
    QVERIFY(act(kClearPdf)->isEnabled());
    QVERIFY(!doc->IsModified());
}

void TestEditCommands::titleFollowsModifiedFlag()
{
    doc->SetTitle(QStringLiteral("job.tmt"));
    frame->UpdateTitle();
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt - Tallimark"));
    // Captions are a view option: no step, no change.
    act(32776)->trigger();
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt - Tallimark"));
    QVERIFY(!act(kUndo)->isEnabled());

    head(0).seed = 9;
    view()->RecordUndoStep();
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt* - Tallimark"));
    act(kUndo)->trigger();
    QCOMPARE(frame->windowTitle(), QStringLiteral("job.tmt - Tallimark"));
}

void TestEditCommands::nothingRefersToFreedHeads()
{
    showAndFocusView();
    // Two pasted heads, selected, then gone again through Undo.
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    settle();
    verifyNoStaleHeads();
    selectHeads({1, 2});
    act(kUndo)->trigger();
    settle();
    verifyNoStaleHeads();
    QCOMPARE(doc->GetHeadCount(), 2);

    // A selection element left over from before is passed over, not read.
    CSelectedHeads& selection = view()->GetSelectedHeads();
    const POSITION gone = doc->heads.back().get();
    selection.Add(2, gone);
    act(kUndo)->trigger();
    settle();
    selection.Add(1, gone);
    selection.SetX(0);
    QCOMPARE(selection.GetMaxWidth(), head(0).bounds.right - head(0).bounds.left);
    selection.RemoveAll();

    // Delete, Select All, File New, Paste, Undo.
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    settle();
    selectHeads({1});
    frame->action(32792)->trigger();
    settle();
    verifyNoStaleHeads();
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    settle();
    verifyNoStaleHeads();
    fileNew();
    verifyNoStaleHeads();
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    settle();
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    verifyNoStaleHeads();
    QCOMPARE(doc->GetHeadCount(), 1);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
