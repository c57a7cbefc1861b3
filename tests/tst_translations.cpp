#include "app/Translations.h"
#include "frame/MainFrame.h"
#include "model/CadenzoDoc.h"
#include "model/Preferences.h"
#include "model/StringTable.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// The shipped translations: complete, and used by the string table and the
// windows once installed.
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
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"translation")
            continue;
        ++messages;
        const QString type = xml.attributes().value(QStringLiteral("type")).toString();
        QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("%1 at line %2").arg(type).arg(xml.lineNumber())));
        QVERIFY2(!xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty(),
                 qPrintable(QString::number(xml.lineNumber())));
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 250);
}

void TestTranslations::installed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("prompt"); // the string table's 57600
    QTest::addColumn<QString>("fileMenu");
    QTest::newRow("German") << "de_DE"
                            << "Ein neues Dokument erstellen"
                            << "&Datei";
    QTest::newRow("French") << "fr_FR"
                            << "Créer un nouveau document"
                            << "&Fichier";
}

void TestTranslations::installed()
{
    QFETCH(QString, locale);
    QFETCH(QString, prompt);
    QFETCH(QString, fileMenu);
    QCOMPARE(LoadPrompt(57600), QStringLiteral("Create a new document"));
    QVERIFY(!InstallTranslations(QLocale(QStringLiteral("en_US"))));
    QVERIFY(InstallTranslations(QLocale(locale)));
    QCOMPARE(LoadPrompt(57600), prompt);
    Preferences prefs;
    CCadenzoDoc doc(nullptr);
    CMainFrame frame(&doc, &prefs);
    QCOMPARE(frame.menuBar()->actions().constFirst()->text(), fileMenu);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
