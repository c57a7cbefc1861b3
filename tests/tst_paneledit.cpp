// The settings panel edits the template: typed values are validated and
// marked, mixed selections are edited as a whole, heads are added and
// deleted, and what was typed reaches the saved file and the exported job.
#include "PdfText.h"
#include "TestStrings.h"
#include "frame/EditCtrlRotation.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/Units.h"
#include "print/job/JobControl.h"
#include "print/job/PdfExport.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

Q_DECLARE_METATYPE(QList<int>)

namespace {

constexpr int kUnchecked = std::numeric_limits<int>::min();

// A text of at most 8 characters that the X and Y fields read as twips.
QString inchesFor(std::int32_t twips)
{
    for (int nudge = 0; nudge < 20; ++nudge) {
        const QString text = QString::number(twips / 1440.0 + nudge * 1e-5, 'f', 5);
        if (DisplayToTwips(text.toFloat(), DisplayUnits::inches) == twips)
            return text;
    }
    return QString();
}

} // namespace

class TestPanelEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedValues_data();
    void typedValues();
    void leavingShowsValueInUse_data();
    void leavingShowsValueInUse();
    void emptiedAffixClearsSpace_data();
    void emptiedAffixClearsSpace();
    void mixedSelectionEdits();
    void headListDrivesSelection();
    void deleteSelectsNext_data();
    void deleteSelectsNext();
    void addSelectsNewHead();
    void fontAppliesToSelection();
    void savedAndExported();

private:
    void settle();
    void select(const QList<int>& indexes);
    // Replaces the field's text by typing, keystroke by keystroke.
    void type(QWidget* field, const QString& text);
    QLineEdit* fieldOf(int id) const;
    // The template or head value a numeric field edits.
    std::int32_t* valueOf(int id, HEADING& head) const;
    HEADING& head(int index) const { return *doc->heads.at(std::size_t(index)); }
    CLeftDialogBar* panel() const { return frame->panel(); }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

void TestPanelEdit::init()
{
    prefs = Preferences();
    prefs.units = DisplayUnits::inches;
    doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->OnNewDocument();
    frame = std::make_unique<CMainFrame>(doc.get(), &prefs);
    frame->view()->InitialUpdate();
    settle();
}

void TestPanelEdit::cleanup()
{
    frame.reset();
    doc.reset();
}

void TestPanelEdit::settle()
{
    // The view's notices are queued.
    QCoreApplication::processEvents();
}

void TestPanelEdit::select(const QList<int>& indexes)
{
    CSelectedHeads& selection = frame->view()->GetSelectedHeads();
    selection.RemoveAll();
    for (int index : indexes)
        selection.Add(index, &head(index));
    frame->OnHeadSelectionChanged();
}

void TestPanelEdit::type(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

QLineEdit* TestPanelEdit::fieldOf(int id) const
{
    if (id == CLeftDialogBar::kRotation)
        return panel()->rotationEdit();
    if (id == CLeftDialogBar::kPreface)
        return panel()->combo(id)->lineEdit();
    return panel()->edit(id);
}

std::int32_t* TestPanelEdit::valueOf(int id, HEADING& second) const
{
    switch (id) {
    case 1012:
        return &doc->startNumber;
    case 1013:
        return &doc->totalPages;
    case 1014:
        return &doc->step;
    case 1015:
        return &doc->copies;
    case 1016:
        return &doc->skip;
    case 1017:
        return &second.seed;
    case 1018:
        return &second.x;
    case 1019:
        return &second.y;
    case 1027:
        return &second.rotation;
    }
    return nullptr;
}

void TestPanelEdit::typedValues_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    // What the template holds afterwards: typing passes through every
    // prefix of the text, so a rejected text leaves its last accepted prefix.
    QTest::addColumn<int>("stored");

    QTest::newRow("start largest") << 1012 << "9999998" << true << 9999998;
    QTest::newRow("start too large") << 1012 << "9999999" << false << 999999;
    QTest::newRow("start empty") << 1012 << "" << false << 1;
    QTest::newRow("total 0") << 1013 << "0" << false << 10;
    QTest::newRow("total 1") << 1013 << "1" << true << 1;
    QTest::newRow("total largest") << 1013 << "9999999" << true << 9999999;
    QTest::newRow("step 0") << 1014 << "0" << true << 0;
    QTest::newRow("step too large") << 1014 << "9999999" << false << 999999;
    QTest::newRow("copies 0") << 1015 << "0" << true << 0;
    QTest::newRow("copies too large") << 1015 << "9999999" << false << 999999;
    QTest::newRow("skip 0") << 1016 << "0" << true << 0;
    QTest::newRow("skip too large") << 1016 << "9999999" << false << 999999;
    QTest::newRow("seed largest") << 1017 << "9999999" << true << 9999999;
    QTest::newRow("seed empty") << 1017 << "" << false << 0;
    QTest::newRow("rotation 359") << 1027 << "359" << true << 359;
    QTest::newRow("rotation 360") << 1027 << "360" << false << 36;
    QTest::newRow("rotation empty") << 1027 << "" << false << 0;
    // On an 8.5 x 11 inch page. "room" is the page's extent less the
    // selected head's width (X) or height (Y), known once it is measured.
    QTest::newRow("x 1 inch") << 1018 << "1" << true << 1440;
    QTest::newRow("x not a number is the edge") << 1018 << "abc" << true << 0;
    QTest::newRow("x negative") << 1018 << "-1" << false << 0;
    QTest::newRow("x past the page") << 1018 << "9" << false << 720;
    QTest::newRow("x one twip inside") << 1018 << "room-1" << true << kUnchecked;
    QTest::newRow("x at the room") << 1018 << "room" << false << kUnchecked;
    QTest::newRow("y 1 inch") << 1019 << "1" << true << -1440;
    QTest::newRow("y past the page") << 1019 << "12" << false << -1440;
    QTest::newRow("y one twip inside") << 1019 << "room-1" << true << kUnchecked;
    QTest::newRow("y at the room") << 1019 << "room" << false << kUnchecked;
}

void TestPanelEdit::typedValues()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, stored);

    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    // A second head, so that Seed is enabled.
    frame->action(CMainFrame::kAdd)->trigger();
    HEADING& second = head(1);
    second.x = 720;
    second.y = -1440;
    if (text.startsWith(QLatin1String("room"))) {
        const bool isX = id == CLeftDialogBar::kXPos;
        const std::int32_t size =
            isX ? second.bounds.right - second.bounds.left : second.bounds.top - second.bounds.bottom;
        QVERIFY(size > 0);
        const std::int32_t room = (isX ? doc->paperWidth : doc->paperHeight) - size;
        text = inchesFor(text == QLatin1String("room") ? room : room - 1);
    }
    const std::int32_t* heldBy = valueOf(id, second);

    QLineEdit* field = fieldOf(id);
    type(field, text);
    QCOMPARE(field->text(), text);
    QCOMPARE(panel()->IsInvalid(id), !accepted);
    QCOMPARE(field->palette().color(QPalette::Base) == CLeftDialogBar::invalidColor(), !accepted);
    if (stored != kUnchecked)
        QCOMPARE(*heldBy, stored);

    // A later keystroke that makes the text acceptable clears the mark.
    if (!accepted) {
        type(field, QStringLiteral("1"));
        QVERIFY(!panel()->IsInvalid(id));
        QVERIFY(field->palette().color(QPalette::Base) != CLeftDialogBar::invalidColor());
    }
}

void TestPanelEdit::leavingShowsValueInUse_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    // How the field is left: Tab, Enter, or Ctrl+P straight from the field.
    QTest::addColumn<int>("key");
    // The text the field holds afterwards: the value the template uses.
    QTest::addColumn<QString>("shown");
    const int tab = Qt::Key_Tab;
    const int enter = Qt::Key_Return;
    const int print = Qt::Key_P;

    // Eleven digits typed: the field holds seven of them, and the template
    // the six that were accepted on the way.
    const QString eleven = QStringLiteral("99999999999");
    QTest::newRow("start, tab") << 1012 << eleven << tab << "999999";
    QTest::newRow("start, print") << 1012 << eleven << print << "999999";
    QTest::newRow("start accepted, print") << 1012 << "25" << print << "25";
    QTest::newRow("total 0, enter") << 1013 << "0" << enter << "10";
    QTest::newRow("step, tab") << 1014 << "99999999" << tab << "999999";
    QTest::newRow("copies, print") << 1015 << eleven << print << "999999";
    QTest::newRow("skip, enter") << 1016 << "9999999" << enter << "999999";
    QTest::newRow("seed empty, tab") << 1017 << "" << tab << "0";
    QTest::newRow("rotation 360, tab") << 1027 << "360" << tab << "36";
    QTest::newRow("rotation 360, print") << 1027 << "360" << print << "36";
    QTest::newRow("x past the page, tab") << 1018 << "9" << tab << "0.50000";
    QTest::newRow("x not a number, enter") << 1018 << "abc" << enter << "0.00000";
    QTest::newRow("y past the page, print") << 1019 << "12" << print << "1.00000";
}

void TestPanelEdit::leavingShowsValueInUse()
{
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, shown);

    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->action(CMainFrame::kAdd)->trigger();
    HEADING& second = head(1);
    second.x = 720;
    second.y = -1440;
    const std::int32_t* used = valueOf(id, second);

    // What a print started at this moment would see and what the user sees.
    QString shownAtPrint;
    std::int32_t usedAtPrint = 0;
    bool markedAtPrint = true;
    QLineEdit* field = fieldOf(id);
    connect(frame->action(CMainFrame::kPrint), &QAction::triggered, this, [&] {
        shownAtPrint = field->text();
        usedAtPrint = *used;
        markedAtPrint = panel()->IsInvalid(id);
    });

    type(field, typed);
    QTest::keyClick(field, Qt::Key(key), key == Qt::Key_P ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(field->text(), shown);
    QVERIFY(!panel()->IsInvalid(id));
    QVERIFY(field->palette().color(QPalette::Base) != CLeftDialogBar::invalidColor());
    const bool isPosition = id == CLeftDialogBar::kXPos || id == CLeftDialogBar::kYPos;
    const std::int32_t expected =
        isPosition ? DisplayToTwips(shown.toFloat(), DisplayUnits::inches) : shown.toInt();
    QCOMPARE(id == CLeftDialogBar::kYPos ? -*used : *used, expected);
    if (key == Qt::Key_P) {
        QCOMPARE(shownAtPrint, shown);
        QCOMPARE(usedAtPrint, *used);
        QVERIFY(!markedAtPrint);
    }
}

void TestPanelEdit::emptiedAffixClearsSpace_data()
{
    QTest::addColumn<int>("textId");
    QTest::addColumn<int>("spaceId");
    QTest::newRow("preface") << 1026 << 1030;
    QTest::newRow("suffix") << 1021 << 1031;
}

void TestPanelEdit::emptiedAffixClearsSpace()
{
    QFETCH(int, textId);
    QFETCH(int, spaceId);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    const bool preface = textId == 1026;
    auto spaceOf = [preface](const HEADING& h) {
        return preface ? h.spaceAfterPreface : h.spaceBeforeSuffix;
    };
    QCheckBox* space = panel()->checkBox(spaceId);

    type(fieldOf(textId), QStringLiteral("Ab"));
    QVERIFY(space->isEnabled());
    if (!space->isChecked())
        QTest::mouseClick(space, Qt::LeftButton, {}, QPoint(6, space->height() / 2));
    QCOMPARE(spaceOf(head(0)), 1);
    QCOMPARE(preface ? head(0).preface : head(0).suffix, QByteArray("Ab"));

    type(fieldOf(textId), QString());
    QCOMPARE(spaceOf(head(0)), 0);
    QVERIFY(!space->isEnabled());
    QVERIFY(!space->isChecked());

    type(fieldOf(textId), QStringLiteral("C"));
    QVERIFY(space->isEnabled());
    QVERIFY(!space->isChecked());
}

void TestPanelEdit::mixedSelectionEdits()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    frame->action(CMainFrame::kAdd)->trigger();
    head(0).spaceBeforeSuffix = 1;
    head(1).spaceBeforeSuffix = 0;
    head(1).digits = 3;
    head(1).x = 2160;
    select({0, 1});

    // Mixed values: empty X, a third-state box, "*" for the widths.
    QCOMPARE(fieldOf(1018)->text(), QString());
    QCheckBox* spaceBefore = panel()->checkBox(1031);
    QCOMPARE(spaceBefore->checkState(), Qt::PartiallyChecked);
    QComboBox* digits = panel()->combo(1028);
    QCOMPARE(digits->currentText(), QStringLiteral("*"));

    // One value typed or clicked applies to every selected head.
    type(fieldOf(1018), QStringLiteral("1"));
    QCOMPARE(head(0).x, 1440);
    QCOMPARE(head(1).x, 1440);
    spaceBefore->setEnabled(true);
    QTest::mouseClick(spaceBefore, Qt::LeftButton, {}, QPoint(6, spaceBefore->height() / 2));
    QVERIFY(!spaceBefore->isTristate());
    const std::int32_t both = spaceBefore->isChecked() ? 1 : 0;
    QCOMPARE(head(0).spaceBeforeSuffix, both);
    QCOMPARE(head(1).spaceBeforeSuffix, both);

    // Opening the list drops "*"; the width chosen then applies to both.
    digits->setFocus();
    QTest::keyClick(digits, Qt::Key_F4);
    QCOMPARE(digits->itemText(0), QStringLiteral("1"));
    QCOMPARE(digits->count(), 7);
    QTest::keyClick(digits->view(), Qt::Key_Down);
    QTest::keyClick(digits->view(), Qt::Key_Down);
    QTest::keyClick(digits->view(), Qt::Key_Return);
    QCOMPARE(head(0).digits, head(1).digits);
    QVERIFY(head(0).digits >= 1 && head(0).digits <= 7);

    // Zero padding off for both disables the width.
    QCheckBox* zeroPad = panel()->checkBox(1032);
    QTest::mouseClick(zeroPad, Qt::LeftButton, {}, QPoint(6, zeroPad->height() / 2));
    QCOMPARE(head(0).zeroPad, 0);
    QCOMPARE(head(1).zeroPad, 0);
    QVERIFY(!digits->isEnabled());
}

void TestPanelEdit::headListDrivesSelection()
{
    for (int i = 0; i < 2; ++i)
        frame->action(CMainFrame::kAdd)->trigger();
    QListWidget* list = panel()->headList();
    list->clearSelection();
    QVERIFY(!fieldOf(1018)->isEnabled());
    QCOMPARE(frame->view()->GetSelectedHeads().GetCount(), 0);

    list->item(2)->setSelected(true);
    list->item(1)->setSelected(true);
    const CSelectedHeads& selection = frame->view()->GetSelectedHeads();
    QCOMPARE(selection.GetCount(), 2);
    QCOMPARE(selection.elements().at(0).index, 1); // in list order
    QCOMPARE(selection.elements().at(1).position, &head(2));
    QVERIFY(fieldOf(1017)->isEnabled());
}

void TestPanelEdit::deleteSelectsNext_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("one head selects the one before") << QList<int>{2} << 4 << 1;
    QTest::newRow("last selected first counts") << QList<int>{4, 2} << 3 << 2;
    QTest::newRow("master head stays") << QList<int>{0, 2} << 5 << -1;
}

void TestPanelEdit::deleteSelectsNext()
{
    QFETCH(QList<int>, selected);
    QFETCH(int, remaining);
    QFETCH(int, selectedAfter);
    for (int i = 0; i < 4; ++i)
        frame->action(CMainFrame::kAdd)->trigger();
    QCOMPARE(doc->GetHeadCount(), 5);
    select(selected);
    QCOMPARE(frame->action(CMainFrame::kDelete)->isEnabled(), selectedAfter >= 0);

    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_Delete, Qt::ControlModifier);
    settle();
    QCOMPARE(doc->GetHeadCount(), remaining);
    QListWidget* list = panel()->headList();
    QCOMPARE(list->count(), remaining);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Master Head"));
    QCOMPARE(list->item(remaining - 1)->text(), QStringLiteral("Head %1").arg(remaining));
    if (selectedAfter < 0)
        return;
    const CSelectedHeads& selection = frame->view()->GetSelectedHeads();
    QCOMPARE(selection.GetCount(), 1);
    QCOMPARE(selection.GetFirstIndex(), selectedAfter);
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(selectedAfter)});
}

void TestPanelEdit::addSelectsNewHead()
{
    QListWidget* list = panel()->headList();
    QCOMPARE(list->count(), 1);
    // Ctrl+D from a panel field, then the panel's button.
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    fieldOf(1021)->setFocus();
    QTest::keyClick(fieldOf(1021), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(list->count(), 2);
    QTest::mouseClick(panel()->button(CLeftDialogBar::kAdd), Qt::LeftButton);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("Head 3"));
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(2)});
    const CSelectedHeads& selection = frame->view()->GetSelectedHeads();
    QCOMPARE(selection.GetCount(), 1);
    QCOMPARE(selection.GetFirstIndex(), 2);
    // Placed and measured, and shown in the fields.
    QCOMPARE(head(2).x, 540);
    QVERIFY(head(2).bounds.right > head(2).bounds.left);
    QCOMPARE(fieldOf(1018)->text(), QStringLiteral("0.37500"));
    QVERIFY(fieldOf(1017)->isEnabled());
    QVERIFY(frame->action(CMainFrame::kDelete)->isEnabled());
}

void TestPanelEdit::fontAppliesToSelection()
{
    frame->action(CMainFrame::kAdd)->trigger();
    head(0).color = 0x0000FF;
    head(1).font.lfItalic = 1;
    select({0, 1});

    bool offered = false;
    bool accept = false;
    LOGFONTA chosen = head(0).font;
    chosen.lfWeight = 400;
    frame->SetFontChooser([&](const LOGFONTA* common, COLORREF color, LOGFONTA* font, COLORREF* chosenColor) {
        // Differing fonts offer none, differing colours black.
        offered = !common && color == 0;
        *font = chosen;
        *chosenColor = 0x00FF00;
        return accept;
    });
    QAbstractButton* button = panel()->button(CLeftDialogBar::kFont);
    button->click();
    QVERIFY(offered);
    QCOMPARE(head(1).font.lfItalic, 1); // cancelled
    accept = true;
    button->click();
    for (int i : {0, 1}) {
        QCOMPARE(head(i).font.lfWeight, 400);
        QCOMPARE(head(i).font.lfItalic, 0);
        QCOMPARE(head(i).color, COLORREF(0x00FF00));
    }
}

void TestPanelEdit::savedAndExported()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    frame->action(CMainFrame::kAdd)->trigger();
    type(fieldOf(1012), QStringLiteral("41"));
    type(fieldOf(1013), QStringLiteral("3"));
    type(fieldOf(1014), QStringLiteral("5"));
    type(fieldOf(1015), QStringLiteral("2"));
    type(fieldOf(1016), QStringLiteral("1"));
    QTest::mouseClick(panel()->button(1034), Qt::LeftButton, {},
                      QPoint(6, panel()->button(1034)->height() / 2));
    type(fieldOf(1017), QStringLiteral("100"));
    type(fieldOf(1018), QStringLiteral("2"));
    type(fieldOf(1019), QStringLiteral("3"));
    type(fieldOf(1027), QStringLiteral("90"));
    type(fieldOf(1026), QStringLiteral("Nr"));
    type(fieldOf(1021), QStringLiteral("End"));
    QCheckBox* spaceBefore = panel()->checkBox(1031);
    QTest::mouseClick(spaceBefore, Qt::LeftButton, {}, QPoint(6, spaceBefore->height() / 2));
    QComboBox* digits = panel()->combo(1028);
    digits->setFocus();
    QTest::keyClick(digits, Qt::Key_F4);
    QTest::keyClick(digits->view(), Qt::Key_End);
    QTest::keyClick(digits->view(), Qt::Key_Return);
    fieldOf(1012)->setFocus();

    QCOMPARE(doc->startNumber, 41);
    QCOMPARE(doc->totalPages, 3);
    QCOMPARE(doc->step, 5);
    QCOMPARE(doc->copies, 2);
    QCOMPARE(doc->skip, 1);
    QVERIFY(!doc->ascending);
    const HEADING& edited = head(1);
    QCOMPARE(edited.seed, 100);
    QCOMPARE(edited.x, 2880);
    // Every refresh puts the top-left corner of the bounds on the 45-twip
    // grid, so y drifts a little from the typed value as text and rotation change.
    QCOMPARE(edited.bounds.top % 45, 0);
    QVERIFY2(qAbs(edited.y + 4320) < 135, qPrintable(QString::number(edited.y)));
    QCOMPARE(edited.rotation, 90);
    QCOMPARE(edited.preface, QByteArray("Nr"));
    QCOMPARE(edited.suffix, QByteArray("End"));
    QCOMPARE(edited.spaceBeforeSuffix, 1);
    QCOMPARE(edited.digits, 7);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.tmt"));
    QVERIFY(doc->OnSaveDocument(path));
    CCadenzoDoc reopened(nullptr);
    QVERIFY(reopened.OnOpenDocument(path));
    QVERIFY(reopened.IsEqual(*doc));

    // Descending from 41 by 5 over 3 numbers: the first sheet carries 51,
    // the second head 100 more in seven digits between its texts.
    const QString pdf = dir.filePath(QStringLiteral("edited.pdf"));
    CPrintJob job(reopened);
    JobControl unattended;
    QVERIFY(ExportPdf(job, pdf, SheetRange{1, 1}, unattended).isDone());
    const QList<pdftext::Page> pages = pdftext::read(pdf);
    QCOMPARE(pages.size(), 1);
    const QStringList words = pages.at(0).texts();
    QVERIFY2(words.contains(QStringLiteral("No.")), qPrintable(words.join(u' ')));
    QVERIFY2(words.contains(QStringLiteral("00051")), qPrintable(words.join(u' ')));
    QVERIFY2(words.contains(QStringLiteral("Nr")), qPrintable(words.join(u' ')));
    QVERIFY2(words.contains(QStringLiteral("0000151")), qPrintable(words.join(u' ')));
    QVERIFY2(words.contains(QStringLiteral("End")), qPrintable(words.join(u' ')));
    // Turned a quarter: the number runs up the page, 2 inches from the left.
    bool found = false;
    for (const pdftext::Word& word : pages.at(0).words) {
        if (word.text != QLatin1String("0000151"))
            continue;
        found = true;
        QVERIFY(word.box.height() > 2 * word.box.width());
        QVERIFY(qAbs(word.box.left() - 144) < 40);
    }
    QVERIFY(found);
}

QTEST_MAIN(TestPanelEdit)
#include "tst_paneledit.moc"
