#include "TestStrings.h"
#include "frame/EditCtrlRotation.h"
#include "frame/LeftDialogBar.h"
#include "model/StringTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {} // namespace

class TestPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stringTable_data();
    void stringTable();
    void promptAndTooltip();

    void controls_data();
    void controls();
    void labels_data();
    void labels();
    void limits_data();
    void limits();
    void typedInput_data();
    void typedInput();
    void choiceLists();
    void tabOrder();
    void fitsLargerFont_data();
    void fitsLargerFont();

    void fieldHelpFollowsFocus_data();
    void fieldHelpFollowsFocus();
    void buttonsKeepPreviousHelp();
    void rotationEditPartShowsHelp();
    void showFieldHelp();

    void markInvalid_data();
    void markInvalid();
    void marksOnlyEdits();
    void clearInvalidMarks();

private:
    QLineEdit* fieldOf(int id) const;

    std::unique_ptr<CLeftDialogBar> panel;
};

void TestPanel::init()
{
    panel = std::make_unique<CLeftDialogBar>();
    panel->InitControls();
}

void TestPanel::cleanup()
{
    panel.reset();
}

QLineEdit* TestPanel::fieldOf(int id) const
{
    if (id == CLeftDialogBar::kRotation)
        return panel->rotationEdit();
    return panel->edit(id);
}

void TestPanel::stringTable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("save prompt") << 61699 << QStringLiteral("Save changes to %1?");
    QTest::newRow("ready") << 57345 << QStringLiteral("Ready");
    QTest::newRow("units mm") << 32810 << QStringLiteral("Metric - millimeters");
    QTest::newRow("escapes") << 112 << QStringLiteral("%s\r\nProduct Version: %s\r\nFile Version: %s\r\n");
    QTest::newRow("line breaks") << 116
                                 << QStringLiteral(
                                        "Warning: The PDF page size is not supported by the selected printer "
                                        "and Print Preview will not be rendered accurately.\n\nYou must "
                                        "choose the appropriate paper size in the print dialog when "
                                        "printing.");
    QTest::newRow("trailing blank") << 1026
                                    << QStringLiteral(
                                           "Choose from predefined text or enter custom text to be "
                                           "printed in front of the numbering head. ");
    QTest::newRow("data folder") << 124
                                 << QStringLiteral(
                                        "Error: Unable to create or access the 'Common Application Data' "
                                        "folder. (0x%.8x)");
    QTest::newRow("document type") << 128
                                   << QStringLiteral(
                                          "Tallimark\nTemplate\nTMTemplate\nTallimark Templates (*.tmt)\n"
                                          ".tmt\nTallimark.Template\nTallimark Template");
    QTest::newRow("recent file") << 57631 << QStringLiteral("Open this document");
    QTest::newRow("unknown") << 4711 << QString();
}

void TestPanel::stringTable()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(LoadString(id), text);
    QCOMPARE(HasString(id), !text.isEmpty());
}

void TestPanel::promptAndTooltip()
{
    QCOMPARE(LoadPrompt(57665), QStringLiteral("Quit the application; prompts to save documents"));
    QCOMPARE(LoadTooltip(57665), QStringLiteral("Exit"));
    QCOMPARE(LoadPrompt(57616), QStringLiteral("Open this document"));
    QCOMPARE(LoadTooltip(57616), QString());
    QCOMPARE(LoadPrompt(32806), QString());
}

void TestPanel::controls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    auto row = [](int id, const char* name, const char* cls, const char* text) {
        QTest::newRow(name) << id << QString::fromLatin1(name) << QString::fromLatin1(cls)
                            << QString::fromLatin1(text);
    };
    for (int id : {1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1021})
        QTest::newRow(qPrintable(QStringLiteral("edit%1").arg(id)))
            << id << QStringLiteral("edit%1").arg(id) << QStringLiteral("QLineEdit") << QString();
    row(1023, "list1023", "QListWidget", "");
    row(1026, "combo1026", "QComboBox", "");
    row(1027, "combo1027", "QComboBox", "");
    row(1028, "combo1028", "QComboBox", "");
    row(1030, "check1030", "QCheckBox", "Add space a&fter preface");
    row(1031, "check1031", "QCheckBox", "Add space &before suffix");
    row(1032, "check1032", "QCheckBox", "&Zero pad number for a total of");
    row(1033, "radio1033", "QRadioButton", "Asce&nding");
    row(1034, "radio1034", "QRadioButton", "Descending");
    row(1039, "button1039", "QPushButton", "&Font...");
    row(32787, "button32787", "QPushButton", "&Add");
    row(32792, "button32792", "QPushButton", "&Delete");
    row(1107, "group1107", "QGroupBox", "Field Description");
    row(1106, "static1106", "QLabel", "");
}

void TestPanel::controls()
{
    QFETCH(int, id);
    QFETCH(QString, objectName);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QWidget* w = panel->control(id);
    QVERIFY(w);
    QCOMPARE(w->objectName(), objectName);
    QVERIFY(w->inherits(qPrintable(className)));
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(button->text(), text);
    if (auto* group = qobject_cast<QGroupBox*>(w))
        QCOMPARE(group->title(), text);
}

void TestPanel::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buddy");
    QTest::newRow("start") << QStringLiteral("&Start Number:") << 1012;
    QTest::newRow("total") << QStringLiteral("Tota&l Pages:") << 1013;
    QTest::newRow("step") << QStringLiteral("S&tep:") << 1014;
    QTest::newRow("copies") << QStringLiteral("Co&pies:") << 1015;
    QTest::newRow("skip") << QStringLiteral("S&kip:") << 1016;
    QTest::newRow("seed") << QStringLiteral("S&eed:") << 1017;
    QTest::newRow("rotation") << QStringLiteral("&Rotation:") << 1027;
    QTest::newRow("x") << QStringLiteral("&X Pos:") << 1018;
    QTest::newRow("y") << QStringLiteral("&Y Pos:") << 1019;
    QTest::newRow("preface") << QStringLiteral("Prefa&ce:") << 1026;
    QTest::newRow("digits") << QStringLiteral("di&gits") << 1028;
    QTest::newRow("suffix") << QStringLiteral("Suffi&x:") << 1021;
    QTest::newRow("head properties") << QStringLiteral("Head Properties:") << 0;
}

void TestPanel::labels()
{
    QFETCH(QString, text);
    QFETCH(int, buddy);
    QLabel* found = nullptr;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        if (label->text() == text)
            found = label;
    }
    QVERIFY2(found, qPrintable(text));
    if (buddy)
        QCOMPARE(found->buddy(), panel->control(buddy));
}

void TestPanel::limits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("maxLength");
    for (int id : {1012, 1013, 1014, 1015, 1016, 1017})
        QTest::newRow(qPrintable(QString::number(id))) << id << 7;
    QTest::newRow("1018") << 1018 << 8;
    QTest::newRow("1019") << 1019 << 8;
    QTest::newRow("1021") << 1021 << 32;
    QTest::newRow("1026") << 1026 << 32;
    QTest::newRow("1027") << 1027 << 3;
}

void TestPanel::limits()
{
    QFETCH(int, id);
    QFETCH(int, maxLength);
    QLineEdit* field = panel->edit(id);
    if (!field)
        field = panel->combo(id)->lineEdit();
    QCOMPARE(field->maxLength(), maxLength);
}

void TestPanel::typedInput_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (int id : {1012, 1013, 1014, 1015, 1016, 1017})
        QTest::newRow(qPrintable(QString::number(id)))
            << id << QStringLiteral("12a-3 4") << QStringLiteral("1234");
    QTest::newRow("start number limit") << 1012 << QStringLiteral("123456789") << QStringLiteral("1234567");
    QTest::newRow("rotation") << 1027 << QStringLiteral("9x0") << QStringLiteral("90");
    QTest::newRow("rotation limit") << 1027 << QStringLiteral("3600") << QStringLiteral("360");
    // X, Y and Suffix take any characters.
    QTest::newRow("x") << 1018 << QStringLiteral("-1.5e1") << QStringLiteral("-1.5e1");
    QTest::newRow("y") << 1019 << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("suffix") << 1021 << QStringLiteral("-A 1") << QStringLiteral("-A 1");
}

void TestPanel::typedInput()
{
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit* field = fieldOf(id);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), shown);
}

void TestPanel::choiceLists()
{
    auto items = [](QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    QCOMPARE(items(panel->combo(1026)), strings({"A", "B", "C", "D", "E", "No."}));
    QCOMPARE(items(panel->combo(1028)), strings({"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(items(panel->combo(1027)), strings({"0", "90", "180", "270"}));
    QVERIFY(panel->combo(1026)->isEditable());
    QVERIFY(panel->combo(1027)->isEditable());
    QVERIFY(!panel->combo(1028)->isEditable());
    QCOMPARE(panel->combo(1027)->lineEdit(), panel->rotationEdit());
    QCOMPARE(panel->headList()->selectionMode(), QAbstractItemView::ExtendedSelection);
    // Typing into a box must not complete to a list entry ("1" is not "180").
    QTest::keyClicks(panel->rotationEdit(), QStringLiteral("1"));
    QCOMPARE(panel->rotationEdit()->text(), QStringLiteral("1"));
}

void TestPanel::tabOrder()
{
    panel->show();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    // The two direction buttons are one stop; the arrow keys move between them.
    const QList<int> expected = {1012, 1013, 1033, 1014, 1015, 1016, 1023, 32787, 32792, 1039,
                                 1017, 1027, 1018, 1019, 1026, 1030, 1032, 1028,  1021,  1031};
    panel->edit(1012)->setFocus(Qt::TabFocusReason);
    QList<int> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        while (focus && !focus->property("controlId").isValid())
            focus = focus->parentWidget();
        visited << (focus ? focus->property("controlId").toInt() : 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void TestPanel::fitsLargerFont_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("9 pt") << 9;
    QTest::newRow("14 pt") << 14;
    QTest::newRow("20 pt") << 20;
}

// At its smallest size, whatever the application font, no text on the panel is
// cut off and no two controls overlap.
void TestPanel::fitsLargerFont()
{
    QFETCH(int, points);
    const QFont saved = QApplication::font();
    QFont font = saved;
    font.setPointSize(points);
    QApplication::setFont(font);
    panel = std::make_unique<CLeftDialogBar>();
    panel->InitControls();
    panel->show();
    panel->resize(panel->minimumSizeHint());
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    QApplication::setFont(saved);

    QList<QWidget*> leaves;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<QGroupBox*>(w) || !w->parentWidget() ||
            !(w->parentWidget() == panel.get() || qobject_cast<QGroupBox*>(w->parentWidget())))
            continue;
        leaves << w;
        const bool wraps = qobject_cast<QLabel*>(w) && static_cast<QLabel*>(w)->wordWrap();
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
            QVERIFY2(wraps || w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
            QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
        }
        QVERIFY2(panel->rect().contains(QRect(w->mapTo(panel.get(), QPoint()), w->size())),
                 qPrintable(w->objectName()));
    }
    QVERIFY(leaves.size() > 30);
    for (qsizetype i = 0; i < leaves.size(); ++i) {
        for (qsizetype j = i + 1; j < leaves.size(); ++j) {
            const QRect a(leaves[i]->mapTo(panel.get(), QPoint()), leaves[i]->size());
            const QRect b(leaves[j]->mapTo(panel.get(), QPoint()), leaves[j]->size());
            QVERIFY2(!a.intersects(b),
                     qPrintable(leaves[i]->objectName() + QStringLiteral(" / ") + leaves[j]->objectName()));
        }
    }
}

void TestPanel::fieldHelpFollowsFocus_data()
{
    QTest::addColumn<int>("id");
    for (int id : {1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1021, 1023, 1026, 1027, 1028, 1030, 1031,
                   1032, 1033, 1034})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestPanel::fieldHelpFollowsFocus()
{
    QFETCH(int, id);
    panel->show();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    panel->control(id)->setFocus(Qt::TabFocusReason);
    QVERIFY(!LoadString(id).isEmpty());
    QTRY_COMPARE(panel->helpText()->text(), LoadString(id));
}

void TestPanel::buttonsKeepPreviousHelp()
{
    panel->show();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    panel->edit(1014)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(
        panel->helpText()->text(),
        QStringLiteral("For every printed page each numbering head is incremented by the Step value."));
    for (int id : {32787, 32792, 1039}) {
        panel->control(id)->setEnabled(true);
        panel->control(id)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), panel->control(id));
        QCOMPARE(panel->helpText()->text(), LoadString(1014));
    }
}

void TestPanel::rotationEditPartShowsHelp()
{
    panel->show();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    panel->edit(1012)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(panel->helpText()->text(), LoadString(1012));
    QTest::mouseClick(panel->rotationEdit(), Qt::LeftButton);
    QTRY_COMPARE(
        panel->helpText()->text(),
        QStringLiteral("Changing this value will rotate the head counter-clockwise.Values are in degrees."));
}

void TestPanel::showFieldHelp()
{
    panel->show();
    const QSize size = panel->size();
    panel->ShowFieldHelp(false);
    QVERIFY(!panel->control(1107)->isVisible());
    QVERIFY(!panel->control(1106)->isVisible());
    QCOMPARE(panel->size(), size);
    panel->ShowFieldHelp(true);
    QVERIFY(panel->control(1107)->isVisible());
    QVERIFY(panel->control(1106)->isVisible());
}

void TestPanel::markInvalid_data()
{
    QTest::addColumn<int>("id");
    for (int id : {1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1021, 1027})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestPanel::markInvalid()
{
    QFETCH(int, id);
    const QColor pale(224, 192, 192);
    QLineEdit* field = fieldOf(id);
    const QColor normal = field->palette().color(QPalette::Base);
    QVERIFY(normal != pale);

    panel->MarkInvalid(id);
    QVERIFY(panel->IsInvalid(id));
    QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base), pale);
    QCOMPARE(field->palette().color(QPalette::Inactive, QPalette::Base), pale);
    // Marking twice changes nothing; one MarkValid removes the mark.
    panel->MarkInvalid(id);
    panel->MarkValid(id);
    QVERIFY(!panel->IsInvalid(id));
    QCOMPARE(field->palette().color(QPalette::Base), normal);
    QVERIFY(panel->invalidFields().isEmpty());
}

void TestPanel::marksOnlyEdits()
{
    // The Preface box's edit part is a child of its combo box and, unlike the
    // Rotation box, has no edit of its own that paints the mark.
    QLineEdit* preface = panel->combo(1026)->lineEdit();
    const QColor normal = preface->palette().color(QPalette::Base);
    panel->MarkInvalid(1026);
    QCOMPARE(preface->palette().color(QPalette::Base), normal);
    QVERIFY(panel->IsInvalid(1026));
    // Marking Rotation colours only its own edit part.
    panel->MarkInvalid(1027);
    QCOMPARE(panel->rotationEdit()->palette().color(QPalette::Base), QColor(224, 192, 192));
    QVERIFY(panel->edit(1017)->palette().color(QPalette::Base) != QColor(224, 192, 192));
}

void TestPanel::clearInvalidMarks()
{
    for (int id : {1012, 1018, 1027})
        panel->MarkInvalid(id);
    panel->ClearInvalidMarks();
    QVERIFY(panel->invalidFields().isEmpty());
    for (int id : {1012, 1018, 1027})
        QVERIFY(fieldOf(id)->palette().color(QPalette::Base) != QColor(224, 192, 192));
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
