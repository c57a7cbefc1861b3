// The window the user works in stays in front of them: a message opens over
// it even while a job's progress is pending, and the keyboard focus comes back
// where it was after the window was disabled behind a dialog.
#include "app/MessageBoxSink.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "view/CadenzoView.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <memory>

class TestWindowFront : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void messageInFrontOfPendingProgress_data();
    void messageInFrontOfPendingProgress();
    void focusBackAfterDisabledWindow_data();
    void focusBackAfterDisabledWindow();

private:
    Preferences prefs;
    std::unique_ptr<CCadenzoDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

void TestWindowFront::init()
{
    prefs = Preferences();
    doc = std::make_unique<CCadenzoDoc>(nullptr);
    doc->OnNewDocument();
    frame = std::make_unique<CMainFrame>(doc.get(), &prefs);
    frame->view()->InitialUpdate();
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
}

void TestWindowFront::cleanup()
{
    frame.reset();
    doc.reset();
}

void TestWindowFront::messageInFrontOfPendingProgress_data()
{
    QTest::addColumn<bool>("dialogOpen");
    QTest::newRow("over the main window") << false;
    QTest::newRow("over the open dialog") << true;
}

void TestWindowFront::messageInFrontOfPendingProgress()
{
    QFETCH(bool, dialogOpen);
    QDialog dialog(frame.get());
    if (dialogOpen) {
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QWidget* front = dialogOpen ? static_cast<QWidget*>(&dialog) : frame.get();
    // An export that fails at once: its progress window is not up yet, but
    // its timer runs out while the user reads the message.
    QProgressDialog progress(front);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(50);
    progress.setValue(0);

    QWidget* owner = nullptr;
    bool progressShown = true;
    QTimer::singleShot(400, this, [&] {
        progressShown = progress.isVisible();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                owner = box->parentWidget();
                box->done(QMessageBox::Ok);
            }
        }
    });
    MessageBoxSink sink;
    QCOMPARE(
        sink.show(QStringLiteral("Could not create the file x.pdf."), MsgButtons::Ok, MsgIcon::Exclamation),
        MsgAnswer::Ok);
    QVERIFY(!progressShown);
    QCOMPARE(owner, front);
}

void TestWindowFront::focusBackAfterDisabledWindow_data()
{
    QTest::addColumn<int>("control");
    QTest::newRow("editor") << 0;
    QTest::newRow("X field") << int(CLeftDialogBar::kXPos);
    QTest::newRow("head list") << int(CLeftDialogBar::kHeadList);
}

void TestWindowFront::focusBackAfterDisabledWindow()
{
    QFETCH(int, control);
    QWidget* target = control ? frame->panel()->control(control) : static_cast<QWidget*>(frame->view());
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    // What Print Preview of a template with a PDF background does: the window
    // is disabled while the background renders, then the preview opens.
    frame->setEnabled(false);
    frame->setEnabled(true);
    QDialog preview(frame.get());
    QTimer::singleShot(100, &preview, &QDialog::accept);
    preview.exec();
    frame->activateWindow(); // as the window manager does when the preview closes
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QTRY_COMPARE(QApplication::focusWidget(), target);

    if (control == 0) {
        const std::int32_t x = doc->heads.front()->x;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(doc->heads.front()->x > x);
    }
}

QTEST_MAIN(TestWindowFront)
#include "tst_windowfront.moc"
