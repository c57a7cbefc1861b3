// The stored preferences: the View word, the display units and the preview
// page count, read at start-up and written back at exit.
#include "app/CadenzoApp.h"
#include "app/Preferences.h"
#include "print/DisplayUnits.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void load_data();
    void load();
    void storeWritesBack_data();
    void storeWritesBack();
    void previewPagesOnlyWhenShown();

private:
    QTemporaryDir dir_;
};

void TestPreferences::initTestCase()
{
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

void TestPreferences::init()
{
    CCadenzoApp::OpenSettings()->clear();
    prefs::viewWord() = prefs::kDefaultViewWord;
    prefs::previewPages() = 0;
    SetDisplayUnits(kUnitsInches);
}

using Values = QList<QPair<QString, QVariant>>;

void TestPreferences::load_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<int>("startUnits"); // what the run had before loading
    QTest::addColumn<uint>("view");
    QTest::addColumn<int>("units");

    const QString view = QStringLiteral("Settings/View");
    const QString units = QStringLiteral("Settings/Units");
    QTest::newRow("empty store") << Values{} << kUnitsInches << 0x1Cu << kUnitsInches;
    QTest::newRow("panel only") << Values{{view, 4}} << kUnitsInches << 0x04u << kUnitsInches;
    QTest::newRow("view 0") << Values{{view, 0}} << kUnitsInches << 0x00u << kUnitsInches;
    QTest::newRow("unused bits kept")
        << Values{{view, 0xFFFFFFFFu}} << kUnitsInches << 0xFFFFFFFFu << kUnitsInches;
    QTest::newRow("view not a number")
        << Values{{view, QStringLiteral("wide")}} << kUnitsInches << 0x1Cu << kUnitsInches;
    QTest::newRow("millimetres") << Values{{units, kUnitsMillimetres}} << kUnitsInches << 0x1Cu
                                 << kUnitsMillimetres;
    QTest::newRow("inches") << Values{{units, kUnitsInches}} << kUnitsMillimetres << 0x1Cu << kUnitsInches;
    QTest::newRow("unknown units") << Values{{units, 5}} << kUnitsMillimetres << 0x1Cu << kUnitsInches;
    QTest::newRow("units not a number")
        << Values{{units, QStringLiteral("mm")}} << kUnitsInches << 0x1Cu << kUnitsInches;
}

void TestPreferences::load()
{
    QFETCH(Values, stored);
    QFETCH(int, startUnits);
    QFETCH(uint, view);
    QFETCH(int, units);

    {
        const auto settings = CCadenzoApp::OpenSettings();
        for (const auto& value : stored)
            settings->setValue(value.first, value.second);
    }
    SetDisplayUnits(startUnits);

    const auto settings = CCadenzoApp::OpenSettings();
    prefs::LoadPreferences(*settings);
    QCOMPARE(uint(prefs::viewWord()), view);
    QCOMPARE(GetDisplayUnits(), units);
}

void TestPreferences::storeWritesBack_data()
{
    QTest::addColumn<QVariant>("storedUnits");
    QTest::addColumn<int>("writtenUnits");

    QTest::newRow("unknown 5 becomes inches") << QVariant(5) << kUnitsInches;
    QTest::newRow("millimetres round trip") << QVariant(kUnitsMillimetres) << kUnitsMillimetres;
    QTest::newRow("absent becomes inches") << QVariant() << kUnitsInches;
}

void TestPreferences::storeWritesBack()
{
    QFETCH(QVariant, storedUnits);
    QFETCH(int, writtenUnits);

    if (storedUnits.isValid())
        CCadenzoApp::OpenSettings()->setValue(QStringLiteral("Settings/Units"), storedUnits);
    prefs::LoadPreferences(*CCadenzoApp::OpenSettings());
    prefs::viewWord() = 0x14;
    prefs::StorePreferences(*CCadenzoApp::OpenSettings());

    const auto settings = CCadenzoApp::OpenSettings();
    QCOMPARE(settings->value(QStringLiteral("Settings/Units")).toInt(), writtenUnits);
    QCOMPARE(settings->value(QStringLiteral("Settings/View")).toUInt(), 0x14u);

    // The next start reads back what was written.
    prefs::viewWord() = prefs::kDefaultViewWord;
    SetDisplayUnits(kUnitsInches);
    prefs::LoadPreferences(*settings);
    QCOMPARE(GetDisplayUnits(), writtenUnits);
    QCOMPARE(uint(prefs::viewWord()), 0x14u);
}

void TestPreferences::previewPagesOnlyWhenShown()
{
    prefs::StorePreferences(*CCadenzoApp::OpenSettings());
    QVERIFY(!CCadenzoApp::OpenSettings()->contains(QStringLiteral("Settings/PreviewPages")));

    prefs::previewPages() = 3;
    prefs::StorePreferences(*CCadenzoApp::OpenSettings());
    prefs::previewPages() = 0;
    prefs::LoadPreferences(*CCadenzoApp::OpenSettings());
    QCOMPARE(prefs::previewPages(), 3);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
