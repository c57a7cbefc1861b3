#include "TestStrings.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

QString menuEntry(QAction* a)
{
    return a->isSeparator() ? QStringLiteral("-")
                            : QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text());
}

// Counts the paint events one widget receives.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuBar();
    void menus_data();
    void menus();
    void accelerators_data();
    void accelerators();
    void pendingCommandsDisabled();
    void deleteKeyStaysInFields();
    void menuMnemonics_data();
    void menuMnemonics();
    void promptsAndTooltips_data();
    void promptsAndTooltips();
    void messagePane();

    void toolbarOrder();
    void zoomBox();
    void unitsBox_data();
    void unitsBox();
    void minimumSize();

    void settingsTogglesPanel();
    void startsWithoutPanel();
    void showFieldHelpToggles();
    void barsToggle();
    void headerCaptionsToggle();
    void nextPaneMovesFocus();
    void focusBackAfterDisabledWindow_data();
    void focusBackAfterDisabledWindow();

    void fillNumberingSettings();
    void fillingSuppressesNotifications();
    void masterHeadFields();
    void headPositions_data();
    void headPositions();
    void otherHeadFields();
    void mixedSelection();
    void zeroPadOff();
    void clearHeadFields();
    void statusPanes();
    void viewMouseDrivesTheHeadList();
    void contextMenuIsTheEditMenu();

    void titleAndRecentFiles();
    void closeGuard();

private:
    void rebuildFrame();
    void updateAndSettle();
    QAction* act(int id) const { return frame->action(id); }
    QLineEdit* edit(int id) const { return frame->panel()->edit(id); }
    QWidget* control(int id) const { return frame->panel()->control(id); }
    CSelectedHeads& selection() const { return frame->view()->GetSelectedHeads(); }
    HEADING& head(int index) const { return *doc->heads.at(std::size_t(index)); }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

void TestMainFrame::init()
{
    prefs = Preferences();
    doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->OnNewDocument();
    doc->AddNewHead(nullptr);
    HEADING& master = head(0);
    master.x = 1440;
    master.y = -2880;
    master.seed = 0;
    master.rotation = 90;
    master.preface = "No.";
    master.spaceAfterPreface = 1;
    master.suffix = "A";
    master.spaceBeforeSuffix = 0;
    master.zeroPad = 1;
    master.digits = 5;
    HEADING& second = head(1);
    second.x = 2160;
    second.y = -720;
    second.seed = 7;
    second.rotation = 0;
    second.preface = "";
    second.spaceAfterPreface = 0;
    second.suffix = "A";
    second.spaceBeforeSuffix = 1;
    second.zeroPad = 1;
    second.digits = 3;
    rebuildFrame();
}

void TestMainFrame::cleanup()
{
    frame.reset();
    doc.reset();
}

void TestMainFrame::rebuildFrame()
{
    frame.reset();
    frame = std::make_unique<CMainFrame>(doc.get(), &prefs);
}

void TestMainFrame::updateAndSettle()
{
    frame->view()->OnUpdate(nullptr, 0);
    // The selection notice is queued.
    QCoreApplication::processEvents();
}

void TestMainFrame::menuBar()
{
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, strings({"&File", "&Edit", "&View", "&Help"}));
}

void TestMainFrame::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << QStringLiteral("menuFile")
                          << strings({"57600 &New...\tCtrl+N", "57601 &Open...\tCtrl+O",
                                      "57603 &Save\tCtrl+S", "57604 Save &As...", "-", "32785 &Import PDF...",
                                      "-", "57607 &Print...\tCtrl+P", "57609 Print Pre&view",
                                      "32820 Export PD&F...", "-", "57616 Recent File", "-", "57665 E&xit"});
    QTest::newRow("Edit") << QStringLiteral("menuEdit")
                          << strings({"57643 &Undo\tCtrl+Z", "57644 &Redo\tCtrl+Y", "-", "32787 &Add\tCtrl+D",
                                      "57634 &Copy\tCtrl+C", "57637 &Paste\tCtrl+V",
                                      "32792 &Delete\tCtrl+Del", "-", "32811 Clear PD&F", "-",
                                      "57642 &Select All\tCtrl+A"});
    QTest::newRow("View") << QStringLiteral("menuView")
                          << strings({"59392 &Toolbar", "59393 &Status Bar", "32773 Settin&gs", "-",
                                      "32776 Show &Header Captions", "32806 Show &Field Help", "-",
                                      "32793 Set Zoom &Level\tCtrl+L", "32794 Zoom &In\tCtrl+Num+",
                                      "32795 Zoom &Out\tCtrl+Num- "});
    QTest::newRow("Help") << QStringLiteral("menuHelp")
                          << strings({"57670 &Online Help", "-", "57664 &About Tallimark..."});
}

void TestMainFrame::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    auto* m = frame->findChild<QMenu*>(menu);
    QVERIFY(m);
    QStringList shown;
    for (QAction* a : m->actions()) {
        if (a->isVisible())
            shown << menuEntry(a);
    }
    QCOMPARE(shown, entries);
}

void TestMainFrame::accelerators_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+D") << int(Qt::Key_D) << ctrl << 32787;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << 57634;
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << 57634;
    QTest::newRow("Ctrl+Delete") << int(Qt::Key_Delete) << ctrl << 32792;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << 57637;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << 57637;
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier) << 57643;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << 57643;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << 57600;
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << 57601;
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << 57607;
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << 57603;
    QTest::newRow("F6") << int(Qt::Key_F6) << 0 << 32801;
    QTest::newRow("Shift+F6") << int(Qt::Key_F6) << int(Qt::ShiftModifier) << 32802;
    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << 32793;
    QTest::newRow("Ctrl+Num+") << int(Qt::Key_Plus) << int(ctrl | Qt::KeypadModifier) << 32794;
    QTest::newRow("Ctrl+Num-") << int(Qt::Key_Minus) << int(ctrl | Qt::KeypadModifier) << 32795;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << 57642;
    // The keys other desktop programs use, besides the menus' own.
    const int shift = Qt::ShiftModifier;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 57670;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << 57665;
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << (ctrl | shift) << 57604;
    QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << ctrl << 57644;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | shift) << 57644;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 32794;
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << ctrl << 32794;
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << 32795;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 32821;
    QTest::newRow("Delete on the page") << int(Qt::Key_Delete) << 0 << 32792;
}

void TestMainFrame::accelerators()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    QAction* target = act(command);
    QVERIFY(target);
    // Commands still waiting for their handlers are disabled; the keys are
    // what is tested here.
    target->setEnabled(true);
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->view()->setFocus();
    QSignalSpy spy(target, &QAction::triggered);
    QTest::keyClick(frame->view(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), 1);
}

void TestMainFrame::pendingCommandsDisabled()
{
    // Nothing recorded, selected, copied or embedded yet.
    for (int id : {57643, 57644, 57634, 57637, 32792, 32811})
        QVERIFY2(!act(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int id : {57600, 57601, 57607, 57609, 57603, 57604, 57665, 59392, 59393, 32773,
                   32776, 32806, 32793, 32794, 32795, 57670, 57664, 32787, 57642, 32785})
        QVERIFY2(act(id)->isEnabled(), qPrintable(QString::number(id)));
    // The main keyboard's plus zooms as the keypad's does; Ctrl+0 goes back.
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->view()->setFocus();
    QTest::keyClick(frame->view(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(frame->view()->zoom(), 125);
    QTest::keyClick(frame->view(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(frame->view()->zoom(), 150);
    QTest::keyClick(frame->view(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(frame->view()->zoom(), 100);
}

void TestMainFrame::deleteKeyStaysInFields()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    act(CMainFrame::kDelete)->setEnabled(true);
    QSignalSpy spy(act(CMainFrame::kDelete), &QAction::triggered);
    QLineEdit* seed = edit(CLeftDialogBar::kSeed);
    seed->setEnabled(true);
    seed->setFocus();
    seed->setText(QStringLiteral("12"));
    seed->setCursorPosition(0);
    QTest::keyClick(seed, Qt::Key_Delete);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(seed->text(), QStringLiteral("2"));
}

void TestMainFrame::menuMnemonics_data()
{
    // Each key from a control whose own mnemonic is the same letter (Font...,
    // Seed, Numbering Heads) or is none, and from the page.
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Alt+F from Font...") << int(Qt::Key_F) << int(CLeftDialogBar::kFont) << "menuFile";
    QTest::newRow("Alt+E from Seed") << int(Qt::Key_E) << int(CLeftDialogBar::kSeed) << "menuEdit";
    QTest::newRow("Alt+V from the page") << int(Qt::Key_V) << 0 << "menuView";
    QTest::newRow("Alt+H from the head list") << int(Qt::Key_H) << 1023 << "menuHelp";
}

void TestMainFrame::menuMnemonics()
{
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(QString, menu);
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QWidget* target = from ? control(from) : frame->view();
    QVERIFY(target);
    target->setEnabled(true);
    target->setFocus();
    auto* m = frame->findChild<QMenu*>(menu);
    QTest::keyClick(target, Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(m->isVisible());
    m->close();
    // A panel mnemonic no menu uses still reaches its field.
    edit(CLeftDialogBar::kYPos)->setEnabled(true);
    QTest::keyClick(frame->view(), Qt::Key_Y, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit(CLeftDialogBar::kYPos)));
}

void TestMainFrame::promptsAndTooltips_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tooltip");
    auto row = [](int id, const char* prompt, const char* tip) {
        QTest::newRow(qPrintable(QString::number(id)))
            << id << QString::fromLatin1(prompt) << QString::fromLatin1(tip);
    };
    row(104, "Choose units to display paper size and offset position", "Display Units");
    row(105, "Enter a zoom level", "Set Zoom");
    row(32773, "Show Settings", "Settings");
    row(32776, "Show Header Captions", "Show Header Captions");
    row(32785, "Prompt to embed a PDF file", "Import PDF");
    row(32787, "Add a new header", "Add");
    row(32792, "Delete the selected header", "Delete");
    row(32793, "Enter a zoom level", "Set Zoom");
    row(32794, "Zoom In", "Zoom In");
    row(32795, "Zoom Out", "Zoom Out");
    row(32811, "Removes the PDF graphic from the template", "Clear PDF");
    row(57664, "Display program information, version number and copyright", "About");
    row(57600, "Create a new document", "New");
    row(57601, "Open an existing document", "Open");
    row(57603, "Save the active document", "Save");
    row(57604, "Save the active document with a new name", "Save As");
    row(57607, "Print the active document", "Print");
    row(57609, "Display full pages", "Print Preview");
    row(57616, "Open this document", "");
    row(57634, "Copy the selection and put it on the Clipboard", "Copy");
    row(57637, "Insert Clipboard contents", "Paste");
    row(57642, "Select the entire document", "Select All");
    row(57643, "Undo the last action", "Undo");
    row(57644, "Redo the previously undone action", "Redo");
    row(57665, "Quit the application; prompts to save documents", "Exit");
    row(59392, "Show or hide the toolbar", "Toggle ToolBar");
    row(59393, "Show or hide the status bar", "Toggle StatusBar");
    row(32806, "", "");
    row(57670, "", "");
}

void TestMainFrame::promptsAndTooltips()
{
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QFETCH(QString, tooltip);
    if (id == 104 || id == 105) {
        QComboBox* box = id == 104 ? frame->unitsBox() : frame->zoomBox();
        QCOMPARE(box->statusTip(), prompt);
        QCOMPARE(box->toolTip(), tooltip);
        return;
    }
    QCOMPARE(act(id)->statusTip(), prompt);
    if (!tooltip.isEmpty())
        QCOMPARE(act(id)->toolTip(), tooltip);
}

void TestMainFrame::messagePane()
{
    frame->show();
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("paneMessage"));
    QVERIFY(pane);
    QCOMPARE(pane->text(), QStringLiteral("Ready"));
    QVERIFY(pane->isVisible());
    // A command under the pointer sends its prompt; leaving it sends nothing.
    QStatusTipEvent hover(act(57603)->statusTip());
    QApplication::sendEvent(frame.get(), &hover);
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Save the active document"));
    QVERIFY(!pane->isVisible());
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(frame.get(), &leave);
    QVERIFY(pane->isVisible());
}

void TestMainFrame::toolbarOrder()
{
    QStringList order;
    for (QAction* a : frame->toolBar()->actions()) {
        if (a->isSeparator())
            order << QStringLiteral("-");
        else if (QWidget* w = frame->toolBar()->widgetForAction(a); w && !a->data().isValid())
            order << w->objectName();
        else
            order << QString::number(a->data().toInt());
    }
    QCOMPARE(order, strings({"57600", "57601", "57603", "-", "57607", "-", "32773", "32776", "-", "32794",
                             "32795", "combo105", "-", "combo104", "-", "57670"}));
    for (QAction* a : frame->toolBar()->actions()) {
        if (!a->isSeparator() && a->data().isValid())
            QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
    }
}

void TestMainFrame::zoomBox()
{
    QComboBox* box = frame->zoomBox();
    QVERIFY(box->isEditable());
    const QStringList labels =
        strings({" 25%", " 50%", " 75%", "100%", "125%", "150%", "175%", "200%", "300%", "400%"});
    const QList<int> percents = {25, 50, 75, 100, 125, 150, 175, 200, 300, 400};
    QCOMPARE(box->count(), labels.size());
    for (int i = 0; i < box->count(); ++i) {
        QCOMPARE(box->itemText(i), labels.at(i));
        QCOMPARE(box->itemData(i).toInt(), percents.at(i));
    }
    QCOMPARE(box->currentIndex(), 3);
    QCOMPARE(box->currentText(), QStringLiteral("100%"));
}

void TestMainFrame::unitsBox_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("selected");
    QTest::newRow("inches") << int(DisplayUnits::inches) << 0;
    QTest::newRow("millimetres") << int(DisplayUnits::millimetres) << 1;
}

void TestMainFrame::unitsBox()
{
    QFETCH(int, stored);
    QFETCH(int, selected);
    prefs.units = DisplayUnits(stored);
    rebuildFrame();
    QComboBox* box = frame->unitsBox();
    QVERIFY(!box->isEditable());
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(0), QStringLiteral("English - inches"));
    QCOMPARE(box->itemData(0).toInt(), 32809);
    QCOMPARE(box->itemText(1), QStringLiteral("Metric - millimeters"));
    QCOMPARE(box->itemData(1).toInt(), 32810);
    QCOMPARE(box->currentIndex(), selected);
    // The zoom box opens on 100 % whatever the preferences say.
    QCOMPARE(frame->zoomBox()->currentText(), QStringLiteral("100%"));
}

void TestMainFrame::minimumSize()
{
    QCOMPARE(frame->minimumSize(), QSize(500, 710));
    frame->resize(300, 300);
    QCOMPARE(frame->size(), QSize(500, 710));
}

void TestMainFrame::settingsTogglesPanel()
{
    frame->show();
    QDockWidget* dock = frame->panelDock();
    QCOMPARE(frame->dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    QVERIFY(dock->isVisible());
    QVERIFY(act(32773)->isChecked());

    act(32773)->trigger();
    QCOMPARE(prefs.viewWord, Preferences::kDefaultViewWord & ~Preferences::kShowPanel);
    QVERIFY(!dock->isVisible());
    QVERIFY(!act(32773)->isChecked());

    act(32773)->trigger();
    QVERIFY(prefs.isSet(Preferences::kShowPanel));
    QVERIFY(dock->isVisible());
    QVERIFY(act(32773)->isChecked());
}

void TestMainFrame::startsWithoutPanel()
{
    prefs.viewWord = 0;
    rebuildFrame();
    frame->show();
    QVERIFY(!frame->panelDock()->isVisible());
    QVERIFY(!act(32773)->isChecked());
    QVERIFY(!act(32806)->isChecked());
    act(32773)->trigger();
    QVERIFY(frame->panelDock()->isVisible());
    QVERIFY(frame->panel()->isVisible());
    QVERIFY(!control(1107)->isVisible());
    QVERIFY(!control(1106)->isVisible());
}

void TestMainFrame::showFieldHelpToggles()
{
    frame->show();
    QVERIFY(control(1107)->isVisible());
    QVERIFY(act(32806)->isChecked());
    act(32806)->trigger();
    QVERIFY(!prefs.isSet(Preferences::kShowFieldHelp));
    QVERIFY(prefs.isSet(Preferences::kShowPanel));
    QVERIFY(!control(1107)->isVisible());
    QVERIFY(!control(1106)->isVisible());
    QVERIFY(!act(32806)->isChecked());
    act(32806)->trigger();
    QVERIFY(prefs.isSet(Preferences::kShowFieldHelp));
    QVERIFY(control(1106)->isVisible());
    QVERIFY(act(32806)->isChecked());
}

void TestMainFrame::barsToggle()
{
    frame->show();
    QVERIFY(act(59392)->isChecked());
    QVERIFY(act(59393)->isChecked());
    act(59392)->trigger();
    QVERIFY(!frame->toolBar()->isVisible());
    QVERIFY(!act(59392)->isChecked());
    act(59393)->trigger();
    QVERIFY(!frame->statusBar()->isVisible());
    QVERIFY(!act(59393)->isChecked());
    act(59392)->trigger();
    act(59393)->trigger();
    QVERIFY(frame->toolBar()->isVisible());
    QVERIFY(frame->statusBar()->isVisible());
    // Neither is a preference.
    QCOMPARE(prefs.viewWord, Preferences::kDefaultViewWord);
}

void TestMainFrame::headerCaptionsToggle()
{
    QVERIFY(act(32776)->isChecked());
    act(32776)->trigger();
    QVERIFY(!prefs.isSet(Preferences::kShowCaptions));
    QVERIFY(!act(32776)->isChecked());
    act(32776)->trigger();
    QVERIFY(prefs.isSet(Preferences::kShowCaptions));
    QVERIFY(act(32776)->isChecked());
}

void TestMainFrame::nextPaneMovesFocus()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    edit(1015)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit(1015));
    frame->view()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(frame->view()));
    act(32801)->trigger();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit(1015)));
    act(32802)->trigger();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(frame->view()));
}

void TestMainFrame::focusBackAfterDisabledWindow_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("editor") << 0;
    QTest::newRow("X field") << int(CLeftDialogBar::kXPos);
    QTest::newRow("head list") << int(CLeftDialogBar::kHeadList);
}

void TestMainFrame::focusBackAfterDisabledWindow()
{
    QFETCH(int, id);
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QWidget* target = id ? control(id) : static_cast<QWidget*>(frame->view());
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    // Print Preview of a template with a PDF background: the window is
    // disabled while the background renders, then the preview opens.
    frame->setEnabled(false);
    frame->setEnabled(true);
    QDialog preview(frame.get());
    QTimer::singleShot(100, &preview, &QDialog::accept);
    preview.exec();
    frame->activateWindow(); // as the window manager does when the preview closes
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QTRY_COMPARE(QApplication::focusWidget(), target);
}

void TestMainFrame::fillNumberingSettings()
{
    doc->startNumber = 42;
    doc->totalPages = 250;
    doc->step = 2;
    doc->copies = 3;
    doc->skip = 1;
    doc->ascending = false;
    updateAndSettle();
    QCOMPARE(edit(1012)->text(), QStringLiteral("42"));
    QCOMPARE(edit(1013)->text(), QStringLiteral("250"));
    QCOMPARE(edit(1014)->text(), QStringLiteral("2"));
    QCOMPARE(edit(1015)->text(), QStringLiteral("3"));
    QCOMPARE(edit(1016)->text(), QStringLiteral("1"));
    QVERIFY(frame->panel()->button(1034)->isChecked());
    QVERIFY(!frame->panel()->button(1033)->isChecked());

    QListWidget* list = frame->panel()->headList();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Master Head"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Head 2"));
    QCOMPARE(list->item(0)->data(Qt::UserRole).value<quintptr>(), reinterpret_cast<quintptr>(&head(0)));
    QCOMPARE(list->item(1)->data(Qt::UserRole).value<quintptr>(), reinterpret_cast<quintptr>(&head(1)));

    // A refill replaces the list rather than appending to it; -1 shows empty.
    doc->AddNewHead(nullptr);
    doc->ascending = true;
    doc->totalPages = -1;
    updateAndSettle();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("Head 3"));
    QCOMPARE(edit(1013)->text(), QString());
    QVERIFY(frame->panel()->button(1033)->isChecked());
    QCOMPARE(frame->AddHeadListEntry(3, nullptr), 3);
    QCOMPARE(list->item(3)->text(), QStringLiteral("Head 4"));
}

void TestMainFrame::fillingSuppressesNotifications()
{
    QVERIFY(!frame->fillingPanel());
    QList<bool> seen;
    for (int id : {1012, 1013, 1017, 1018, 1021}) {
        connect(edit(id), &QLineEdit::textChanged, this, [&seen, this] { seen << frame->fillingPanel(); });
    }
    QSignalSpy listSpy(frame->panel()->headList(), &QListWidget::itemSelectionChanged);
    doc->startNumber = 99;
    doc->totalPages = 5;
    updateAndSettle();
    QVERIFY(!seen.isEmpty());
    QVERIFY(!seen.contains(false));
    QCOMPARE(listSpy.count(), 0);
    QVERIFY(!frame->fillingPanel());
}

void TestMainFrame::masterHeadFields()
{
    updateAndSettle();
    QListWidget* list = frame->panel()->headList();
    QVERIFY(list->item(0)->isSelected());
    QVERIFY(!list->item(1)->isSelected());

    QCOMPARE(edit(1017)->text(), QStringLiteral("0"));
    QVERIFY(!edit(1017)->isEnabled());
    QCOMPARE(frame->panel()->combo(1027)->currentText(), QStringLiteral("90"));
    QCOMPARE(edit(1018)->text(), QStringLiteral("1.00000"));
    QCOMPARE(edit(1019)->text(), QStringLiteral("2.00000"));
    QCOMPARE(frame->panel()->combo(1026)->currentText(), QStringLiteral("No."));
    QCOMPARE(frame->panel()->checkBox(1030)->checkState(), Qt::Checked);
    QVERIFY(frame->panel()->checkBox(1030)->isEnabled());
    QCOMPARE(frame->panel()->checkBox(1032)->checkState(), Qt::Checked);
    QCOMPARE(frame->panel()->combo(1028)->currentText(), QStringLiteral("5"));
    QVERIFY(control(1028)->isEnabled());
    QCOMPARE(edit(1021)->text(), QStringLiteral("A"));
    QCOMPARE(frame->panel()->checkBox(1031)->checkState(), Qt::Unchecked);
    QVERIFY(control(1031)->isEnabled());

    QVERIFY(!frame->deleteEnabled());
    QVERIFY(frame->fontEnabled());
    QVERIFY(!control(32792)->isEnabled());
    QVERIFY(control(1039)->isEnabled());
    QVERIFY(control(32787)->isEnabled());
}

void TestMainFrame::headPositions_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");
    QTest::newRow("inches") << int(DisplayUnits::inches) << -2880 << QStringLiteral("1.00000")
                            << QStringLiteral("2.00000");
    QTest::newRow("mm") << int(DisplayUnits::millimetres) << -2880 << QStringLiteral("25.400")
                        << QStringLiteral("50.800");
    QTest::newRow("mm fraction") << int(DisplayUnits::millimetres) << -100 << QStringLiteral("25.400")
                                 << QStringLiteral("1.764");
    QTest::newRow("at the top") << int(DisplayUnits::inches) << 0 << QStringLiteral("1.00000")
                                << QStringLiteral("0.00000");
    // -1 is the "heads differ" marker, even for one head.
    QTest::newRow("marker") << int(DisplayUnits::inches) << -1 << QStringLiteral("1.00000") << QString();
}

void TestMainFrame::headPositions()
{
    QFETCH(int, units);
    QFETCH(int, y);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    updateAndSettle();
    head(0).y = y;
    prefs.units = DisplayUnits(units);
    // The units box posts the positions notice.
    emit frame->view()->headPositionsChanged();
    QCoreApplication::processEvents();
    QCOMPARE(edit(1018)->text(), xText);
    QCOMPARE(edit(1019)->text(), yText);
    QVERIFY(!frame->fillingPanel());
}

void TestMainFrame::otherHeadFields()
{
    updateAndSettle();
    selection().RemoveAll();
    selection().Add(1, &head(1));
    emit frame->view()->headSelectionChanged();
    QListWidget* list = frame->panel()->headList();
    QTRY_VERIFY(list->item(1)->isSelected());
    QVERIFY(!list->item(0)->isSelected());
    QCOMPARE(edit(1017)->text(), QStringLiteral("7"));
    QVERIFY(edit(1017)->isEnabled());
    QCOMPARE(frame->panel()->combo(1027)->currentText(), QStringLiteral("0"));
    QCOMPARE(edit(1018)->text(), QStringLiteral("1.50000"));
    QCOMPARE(edit(1019)->text(), QStringLiteral("0.50000"));
    QCOMPARE(frame->panel()->combo(1026)->currentText(), QString());
    QVERIFY(!control(1030)->isEnabled());
    QCOMPARE(frame->panel()->combo(1028)->currentText(), QStringLiteral("3"));
    QCOMPARE(frame->panel()->checkBox(1031)->checkState(), Qt::Checked);
    QVERIFY(frame->deleteEnabled());
    QVERIFY(control(32792)->isEnabled());
}

void TestMainFrame::mixedSelection()
{
    updateAndSettle();
    frame->panel()->MarkInvalid(1018);
    selection().Add(1, &head(1));
    frame->OnHeadSelectionChanged();
    QVERIFY(frame->panel()->invalidFields().isEmpty());

    QListWidget* list = frame->panel()->headList();
    QVERIFY(list->item(0)->isSelected());
    QVERIFY(list->item(1)->isSelected());
    QCOMPARE(edit(1017)->text(), QString());
    QVERIFY(!edit(1017)->isEnabled()); // the master head is among them
    QCOMPARE(edit(1018)->text(), QString());
    QCOMPARE(edit(1019)->text(), QString());
    QCOMPARE(frame->panel()->combo(1027)->currentText(), QString());
    QCOMPARE(frame->panel()->combo(1026)->currentText(), QString());
    QCOMPARE(edit(1021)->text(), QStringLiteral("A"));

    QCheckBox* spaceAfter = frame->panel()->checkBox(1030);
    QVERIFY(spaceAfter->isTristate());
    QCOMPARE(spaceAfter->checkState(), Qt::PartiallyChecked);
    QVERIFY(frame->panel()->checkBox(1031)->isTristate());
    QCheckBox* zeroPad = frame->panel()->checkBox(1032);
    QVERIFY(!zeroPad->isTristate());
    QCOMPARE(zeroPad->checkState(), Qt::Checked);

    // Different digit widths: a "*" entry on top, selected, and only one of
    // them however often the fields are refilled.
    QComboBox* digits = frame->panel()->combo(1028);
    QCOMPARE(digits->itemText(0), QStringLiteral("*"));
    QCOMPARE(digits->currentIndex(), 0);
    frame->OnHeadSelectionChanged();
    QCOMPARE(digits->count(), 8);
    QVERIFY(!frame->deleteEnabled());

    // Back to one head: an ordinary two-state box again.
    selection().RemoveAll();
    selection().Add(1, &head(1));
    frame->OnHeadSelectionChanged();
    QVERIFY(!spaceAfter->isTristate());
    QCOMPARE(spaceAfter->checkState(), Qt::Unchecked);
    QCOMPARE(digits->currentText(), QStringLiteral("3"));

    // From mixed straight to a head whose box is ticked: the box must be
    // redrawn, or it goes on showing the third state.
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QCheckBox* spaceBefore = frame->panel()->checkBox(1031);
    selection().Add(0, &head(0));
    frame->OnHeadSelectionChanged();
    QTest::qWait(50); // let the third state be drawn
    PaintCounter painted(spaceBefore);
    selection().RemoveAll();
    selection().Add(1, &head(1));
    frame->OnHeadSelectionChanged();
    QCOMPARE(spaceBefore->checkState(), Qt::Checked);
    QTRY_VERIFY(painted.count > 0);
}

void TestMainFrame::zeroPadOff()
{
    head(0).zeroPad = 0;
    updateAndSettle();
    QCOMPARE(frame->panel()->checkBox(1032)->checkState(), Qt::Unchecked);
    QVERIFY(!control(1028)->isEnabled());
    // Mixed padding: the third state, and the Digits list stays disabled.
    selection().Add(1, &head(1));
    frame->OnHeadSelectionChanged();
    QCOMPARE(frame->panel()->checkBox(1032)->checkState(), Qt::PartiallyChecked);
    QVERIFY(!control(1028)->isEnabled());
}

void TestMainFrame::clearHeadFields()
{
    updateAndSettle();
    QVERIFY(frame->fontEnabled());
    frame->ClearHeadListSelection();
    QVERIFY(frame->panel()->headList()->selectedItems().isEmpty());
    for (int id : {1017, 1018, 1019, 1021})
        QCOMPARE(edit(id)->text(), QString());
    QCOMPARE(frame->panel()->combo(1026)->currentText(), QString());
    QCOMPARE(frame->panel()->combo(1027)->currentText(), QString());
    for (int id : {1030, 1031, 1032})
        QCOMPARE(frame->panel()->checkBox(id)->checkState(), Qt::Unchecked);
    for (int id : {1017, 1018, 1019, 1026, 1021, 1027, 1030, 1031, 1032, 1028})
        QVERIFY2(!control(id)->isEnabled(), qPrintable(QString::number(id)));
    // The numbering fields stay.
    QVERIFY(edit(1012)->isEnabled());
    QVERIFY(!frame->fontEnabled());
    QVERIFY(!frame->deleteEnabled());
    QVERIFY(!control(1039)->isEnabled());
    QVERIFY(!control(32792)->isEnabled());

    // The selection notice with nothing selected gives the same state, and
    // selecting again fills and enables the fields.
    selection().Add(0, &head(0));
    frame->OnHeadSelectionChanged();
    QVERIFY(edit(1018)->isEnabled());
    selection().RemoveAll();
    frame->OnHeadSelectionChanged();
    QVERIFY(!edit(1018)->isEnabled());
    QVERIFY(!control(1039)->isEnabled());
}

void TestMainFrame::statusPanes()
{
    auto* size = frame->findChild<QLabel*>(QStringLiteral("pane109"));
    auto* orientation = frame->findChild<QLabel*>(QStringLiteral("pane110"));
    QVERIFY(size);
    QVERIFY(orientation);
    QVERIFY(frame->findChild<QLabel*>(QStringLiteral("pane59137")));
    QVERIFY(frame->findChild<QLabel*>(QStringLiteral("pane59138")));
    QVERIFY(size->minimumWidth() >= 125);
    QVERIFY(orientation->minimumWidth() >= 65);
    QCOMPARE(size->text(), QStringLiteral("W 8.50 x H 11.00"));
    QCOMPARE(orientation->text(), QStringLiteral("Portrait"));

    // Landscape keeps the portrait-sense width and height.
    doc->orientation = 2;
    updateAndSettle();
    QCOMPARE(size->text(), QStringLiteral("W 8.50 x H 11.00"));
    QCOMPARE(orientation->text(), QStringLiteral("Landscape"));

    prefs.units = DisplayUnits::millimetres;
    emit frame->view()->headPositionsChanged();
    QTRY_COMPARE(size->text(), QStringLiteral("W 215.9 x H 279.4"));
}

void TestMainFrame::viewMouseDrivesTheHeadList()
{
    frame->resize(1400, 1000);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    updateAndSettle();
    CCadenzoView* view = frame->view();
    const RECT& b = head(1).bounds;
    // Low on the second head: the master head's caption covers its top left.
    const QPoint onSecond = view->PageToWindow(POINT{b.right - 30, b.bottom + 30});
    QListWidget* list = frame->panel()->headList();

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, onSecond);
    QTRY_VERIFY(list->item(1)->isSelected());
    QVERIFY(list->item(0)->isSelected());

    // A press beside the heads empties the list at once, before the release.
    const QPoint empty = view->PageToWindow(POINT{4320, -4320});
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, empty);
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!frame->deleteEnabled());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, empty);

    // Tab steps to the master head again and the list follows.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onSecond);
    QTest::keyClick(view, Qt::Key_Tab);
    QTRY_VERIFY(list->item(0)->isSelected());
    QVERIFY(!list->item(1)->isSelected());
}

void TestMainFrame::contextMenuIsTheEditMenu()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    CCadenzoView* view = frame->view();
    QWidget* shown = nullptr;
    QTimer::singleShot(0, this, [&shown] {
        shown = QApplication::activePopupWidget();
        if (shown)
            shown->close();
    });
    const QPoint at = view->viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    QCOMPARE(shown, frame->findChild<QMenu*>(QStringLiteral("menuEdit")));
}

void TestMainFrame::titleAndRecentFiles()
{
    doc->SetTitle(QStringLiteral("Tickets.tmt"));
    frame->UpdateTitle();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tickets.tmt - Tallimark"));
    doc->SetTitle(QString());
    frame->UpdateTitle();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Template - Tallimark"));

    QVERIFY(!act(57616)->isEnabled());
    frame->SetRecentFiles(strings({"/forms/one.tmt", "/forms/R&D.tmt"}));
    QCOMPARE(act(57616)->text(), QStringLiteral("&1 one.tmt"));
    QCOMPARE(act(57617)->text(), QStringLiteral("&2 R&&D.tmt"));
    QVERIFY(act(57617)->isEnabled());
    QVERIFY(!act(57618)->isVisible());
    QSignalSpy chosen(frame.get(), &CMainFrame::recentFileChosen);
    act(57617)->trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 1);
    frame->SetRecentFiles({});
    QCOMPARE(act(57616)->text(), QStringLiteral("Recent File"));
    QVERIFY(!act(57616)->isEnabled());
    QVERIFY(!act(57617)->isVisible());
}

void TestMainFrame::closeGuard()
{
    frame->show();
    bool allow = false;
    int asked = 0;
    frame->SetCloseGuard([&] {
        ++asked;
        return allow;
    });
    QVERIFY(!frame->close());
    QVERIFY(frame->isVisible());
    allow = true;
    QVERIFY(frame->close());
    QCOMPARE(asked, 2);
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
