// The head font dialog behind Font...: what it offers for the selection, the
// size it stores, and that only OK reaches the heads.
#include "frame/DlgCustomFont.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/FontFromLogFont.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"
#include "view/SelectedHeads.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Runs action on the next modal dialog of type T as soon as it is shown, from
// inside that dialog's own event loop. The action must close the dialog.
template <typename T> void onModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

QString text(const QDialog* dialog, const char* combo)
{
    return dialog->findChild<QComboBox*>(QLatin1String(combo))->currentText();
}

QColor swatchColor(const QDialog* dialog)
{
    return dialog->findChild<QFrame*>(QStringLiteral("swatch1120"))->palette().color(QPalette::Window);
}

QColor sampleColor(const QDialog* dialog)
{
    return dialog->findChild<QLabel*>(QStringLiteral("sample1092"))->palette().color(QPalette::WindowText);
}

// Opens the colour dialog from the font dialog and accepts color there, or
// cancels it when color is invalid.
void pickColor(QDialog* dialog, const QColor& color)
{
    onModal<QColorDialog>([color](QColorDialog* picker) {
        if (!color.isValid())
            return picker->reject();
        picker->setCurrentColor(color);
        picker->accept();
    });
    dialog->findChild<QPushButton*>(QStringLiteral("button1118"))->click();
}

QPushButton* okButton(const QDialog* dialog)
{
    return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startingValues_data();
    void startingValues();
    void storedPoints_data();
    void storedPoints();
    void onlyOkChangesHeads();

private:
    void selectBoth();
    HEADING& head(int index) const { return *doc->heads.at(std::size_t(index)); }

    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

void TestFontDialog::init()
{
    prefs = Preferences();
    doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->OnNewDocument();
    frame = std::make_unique<CMainFrame>(doc.get(), &prefs);
    frame->SetFontChooser(
        [this](const LOGFONTA* common, COLORREF color, LOGFONTA* chosen, COLORREF* chosenColor) {
            return CDlgCustomFont::Choose(frame.get(), common, color, chosen, chosenColor);
        });
    frame->view()->InitialUpdate();
    QCoreApplication::processEvents();
    frame->action(CMainFrame::kAdd)->trigger();
    QCoreApplication::processEvents();
}

void TestFontDialog::cleanup()
{
    frame.reset();
    doc.reset();
}

void TestFontDialog::selectBoth()
{
    CSelectedHeads& selection = frame->view()->GetSelectedHeads();
    selection.RemoveAll();
    for (int index : {0, 1})
        selection.Add(index, &head(index));
    frame->OnHeadSelectionChanged();
}

void TestFontDialog::startingValues_data()
{
    QTest::addColumn<bool>("sameFont");
    QTest::addColumn<bool>("sameColor");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QColor>("color");
    // Both heads start as the new-head default (bold, 21 points) in an
    // installed family.
    QTest::newRow("same") << true << true << "Liberation Serif"
                          << "Bold"
                          << "21" << QColor(0, 0, 255);
    QTest::newRow("mixed fonts") << false << true << ""
                                 << ""
                                 << "" << QColor(0, 0, 255);
    QTest::newRow("mixed colours") << true << false << "Liberation Serif"
                                   << "Bold"
                                   << "21" << QColor(Qt::black);
    QTest::newRow("mixed both") << false << false << ""
                                << ""
                                << "" << QColor(Qt::black);
    // A family whose slanted styles are "Oblique": a bold head is not one.
    QTest::newRow("oblique family") << true << true << "DejaVu Sans"
                                    << "Bold"
                                    << "21" << QColor(0, 0, 255);
}

void TestFontDialog::startingValues()
{
    QFETCH(bool, sameFont);
    QFETCH(bool, sameColor);
    QFETCH(QString, family);
    QFETCH(QString, style);
    QFETCH(QString, size);
    QFETCH(QColor, color);
    const QByteArray face = family.isEmpty() ? QByteArray("Liberation Serif") : family.toLatin1();
    for (int i : {0, 1}) {
        setFaceName(head(i).font, face.constData());
        head(i).color = makeRgb(0, 0, 255);
    }
    if (!sameFont)
        head(1).font.lfUnderline = 1;
    if (!sameColor)
        head(1).color = makeRgb(255, 0, 0);
    selectBoth();

    QString shownFamily, shownStyle, shownSize;
    QColor shownSwatch, shownSample;
    bool okEnabled = false;
    onModal<CDlgCustomFont>([&](CDlgCustomFont* dialog) {
        shownFamily = text(dialog, "combo1136");
        shownStyle = text(dialog, "combo1137");
        shownSize = text(dialog, "combo1138");
        shownSwatch = swatchColor(dialog);
        shownSample = sampleColor(dialog);
        okEnabled = okButton(dialog)->isEnabled();
        dialog->reject();
    });
    frame->panel()->button(CLeftDialogBar::kFont)->click();
    QCOMPARE(shownFamily, family);
    QCOMPARE(shownStyle, style);
    QCOMPARE(shownSize, size);
    QCOMPARE(shownSwatch, color);
    QCOMPARE(shownSample, color);
    // Without a family and a size there is nothing to apply yet.
    QCOMPARE(okEnabled, sameFont);
}

void TestFontDialog::storedPoints_data()
{
    QTest::addColumn<int>("storedHeight");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("newHeight");
    // A chosen size is stored as the negative point size, which prints at
    // that many points (twenty twips each).
    QTest::newRow("12 pt chosen") << -21 << "12"
                                  << "21" << -12;
    QTest::newRow("9 pt chosen") << -21 << "9"
                                 << "21" << -9;
    QTest::newRow("largest") << -21 << "1638"
                             << "21" << -1638;
    // A stored height keeps its meaning: shown and kept as it prints.
    QTest::newRow("stored 16 kept") << -16 << ""
                                    << "16" << -16;
    QTest::newRow("zero height prints at 12") << 0 << ""
                                              << "12" << -12;
}

void TestFontDialog::storedPoints()
{
    QFETCH(int, storedHeight);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, newHeight);
    LOGFONTA initial = head(0).font;
    initial.lfHeight = storedHeight;
    CDlgCustomFont dialog(&initial, 0);
    auto* size = dialog.findChild<QComboBox*>(QStringLiteral("combo1138"));
    QCOMPARE(size->currentText(), shown);
    if (!typed.isEmpty()) {
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), typed);
    }
    QCOMPARE(size->currentText(), typed.isEmpty() ? shown : typed);
    QVERIFY(okButton(&dialog)->isEnabled());
    const LOGFONTA chosen = dialog.GetLogFont();
    QCOMPARE(chosen.lfHeight, newHeight);
    QCOMPARE(pageFont(chosen).pixelSize(), -newHeight * 20);
    // Only the size changed, even where the family is not installed.
    LOGFONTA rest = chosen;
    rest.lfHeight = initial.lfHeight;
    QVERIFY(logFontBytesEqual(rest, initial));

    // Sizes outside 1 ... 1638 points cannot be applied.
    size->lineEdit()->setText(QStringLiteral("0"));
    QVERIFY(!okButton(&dialog)->isEnabled());
}

void TestFontDialog::onlyOkChangesHeads()
{
    head(1).color = makeRgb(0, 128, 0);
    head(1).font.lfItalic = 1;
    selectBoth();
    const LOGFONTA fonts[] = {head(0).font, head(1).font};
    const COLORREF colors[] = {head(0).color, head(1).color};
    const QColor red(255, 0, 0);

    // Cancel in the colour dialog keeps black; red is chosen next; then the
    // font dialog itself is cancelled.
    QList<QColor> swatches;
    onModal<CDlgCustomFont>([&](CDlgCustomFont* dialog) {
        pickColor(dialog, QColor());
        swatches << swatchColor(dialog);
        pickColor(dialog, red);
        swatches << swatchColor(dialog) << sampleColor(dialog);
        dialog->reject();
    });
    frame->panel()->button(CLeftDialogBar::kFont)->click();
    QCOMPARE(swatches, (QList<QColor>{Qt::black, red, red}));
    for (int i : {0, 1}) {
        QVERIFY(logFontBytesEqual(head(i).font, fonts[i]));
        QCOMPARE(head(i).color, colors[i]);
    }

    // OK writes the family, size, effects and colour into both heads.
    onModal<CDlgCustomFont>([&](CDlgCustomFont* dialog) {
        pickColor(dialog, red);
        dialog->findChild<QComboBox*>(QStringLiteral("combo1136"))
            ->setEditText(QStringLiteral("DejaVu Sans"));
        dialog->findChild<QComboBox*>(QStringLiteral("combo1138"))->setEditText(QStringLiteral("12"));
        dialog->findChild<QCheckBox*>(QStringLiteral("check1041"))->setChecked(true);
        if (okButton(dialog)->isEnabled())
            okButton(dialog)->click();
        else
            dialog->reject();
    });
    frame->panel()->button(CLeftDialogBar::kFont)->click();
    for (int i : {0, 1}) {
        QCOMPARE(QByteArray(head(i).font.lfFaceName), QByteArray("DejaVu Sans"));
        QCOMPARE(head(i).font.lfHeight, -12);
        QCOMPARE(head(i).font.lfUnderline, 1);
        QCOMPARE(head(i).color, makeRgb(255, 0, 0));
    }
    QVERIFY(logFontBytesEqual(head(0).font, head(1).font));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
