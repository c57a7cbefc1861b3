#include "app/CommandLine.h"
#include "app/Translations.h"
#include "frame/LeftDialogBar.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/StringTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// The shipped translations: complete, keeping what the program takes apart
// (placeholders, accelerators, the string table's lines), and used by the
// string table, the windows and the command line once installed.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
    void installed_data();
    void installed();
};

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(TALLIMARK_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")});
    QVERIFY(files.size() >= 2);
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

void TestTranslations::complete()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int messages = 0;
    QString context;
    QString source;
    // %1, %1.2f, %d, %.8x: what arg() and the printf-style formatting fill in.
    static const QRegularExpression placeholder(QStringLiteral("%(?:\\d+(?:\\.\\d+[a-z])?|\\.?\\d*[a-z])"));
    static const QRegularExpression accelerator(QStringLiteral("&(?!&)"));
    auto all = [](const QRegularExpression& pattern, const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
            found.append(match.captured());
        found.sort();
        return found;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
            continue;
        }
        if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            continue;
        }
        if (xml.name() != u"translation")
            continue;
        ++messages;
        const QString where = QStringLiteral("%1: %2").arg(context, source);
        const QString type = xml.attributes().value(QStringLiteral("type")).toString();
        QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("%1 at line %2").arg(type).arg(xml.lineNumber())));
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(xml.lineNumber())));
        QVERIFY2(all(placeholder, text) == all(placeholder, source), qPrintable(where));
        // One accelerator where the source has one; the menus show the key
        // text after the tab.
        QVERIFY2(all(accelerator, text).size() == all(accelerator, source).size(), qPrintable(where));
        QVERIFY2(text.contains(u'\t') == source.contains(u'\t'), qPrintable(where));
        // The string table's texts are split at their line breaks.
        if (context == u"StringTable")
            QVERIFY2(text.count(u'\n') == source.count(u'\n'), qPrintable(where));
    }
    QVERIFY2(!xml.hasError(),
             qPrintable(QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber())));
    QVERIFY(messages > 250);
}

void TestTranslations::installed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("prompt"); // the string table's 57600
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("usage"); // how the command line's help starts
    QTest::newRow("German") << "de_DE"
                            << "Ein neues Dokument erstellen"
                            << "&Datei"
                            << "Aufruf: tallimark [VORLAGE.tmt]";
    QTest::newRow("French") << "fr_FR"
                            << "Créer un nouveau document"
                            << "&Fichier"
                            << "Usage : tallimark [MODÈLE.tmt]";
    QTest::newRow("Spanish") << "es_ES"
                             << "Crear un documento nuevo"
                             << "&Archivo"
                             << "Uso: tallimark [PLANTILLA.tmt]";
}

void TestTranslations::installed()
{
    QFETCH(QString, locale);
    QFETCH(QString, prompt);
    QFETCH(QString, fileMenu);
    QFETCH(QString, usage);
    QCOMPARE(LoadPrompt(57600), QStringLiteral("Create a new document"));
    QVERIFY(CommandLineUsage(QStringLiteral("tallimark")).startsWith(QStringLiteral("Usage: tallimark [")));
    QVERIFY(!InstallTranslations(QLocale(QStringLiteral("en_US"))));
    QVERIFY(InstallTranslations(QLocale(locale)));
    QCOMPARE(LoadPrompt(57600), prompt);
    Preferences prefs;
    CCadenzoDoc doc(nullptr);
    CMainFrame frame(&doc, &prefs);
    QCOMPARE(frame.menuBar()->actions().constFirst()->text(), fileMenu);
    QVERIFY(CommandLineUsage(QStringLiteral("tallimark")).startsWith(usage));
    QVERIFY(
        ParseCommandLine({QStringLiteral("--start=x"), QStringLiteral("--print"), QStringLiteral("a.tmt")})
            .error.startsWith(QStringLiteral("--start ")));
    // Alt and a letter reach one menu, and within a menu one item; in the
    // panel one field, never a menu instead.
    QList<QWidget*> menus{frame.menuBar()};
    for (QAction* action : frame.menuBar()->actions())
        menus.append(action->menu());
    QStringList panelTexts;
    for (QLabel* label : frame.panel()->findChildren<QLabel*>()) {
        if (label->buddy())
            panelTexts.append(label->text());
    }
    for (QAbstractButton* button : frame.panel()->findChildren<QAbstractButton*>())
        panelTexts.append(button->text());
    QStringList menuBarKeys;
    for (QWidget* menu : menus) {
        QStringList keys;
        for (QAction* action : menu->actions()) {
            const QString key = QKeySequence::mnemonic(action->text()).toString();
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(action->text()));
            keys.append(key);
        }
        if (menu == frame.menuBar())
            menuBarKeys = keys;
    }
    QStringList panelKeys;
    for (const QString& text : panelTexts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        QVERIFY2(key.isEmpty() || !(panelKeys + menuBarKeys).contains(key), qPrintable(text));
        panelKeys.append(key);
    }
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
