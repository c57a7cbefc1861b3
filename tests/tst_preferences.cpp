// The stored preferences: the View word, the display units and the preview
// page count, read at start-up and written back at exit.
#include "app/CadenzoApp.h"
#include "app/PreferenceStore.h"
#include "model/Preferences.h"

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
    void unitsFollowLocale_data();
    void unitsFollowLocale();

private:
    QTemporaryDir dir_;
    Preferences prefs_;
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
    prefs_ = Preferences();
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
    QTest::newRow("empty store") << Values{} << int(DisplayUnits::inches) << 0x1Cu
                                 << int(DisplayUnits::inches);
    QTest::newRow("panel only") << Values{{view, 4}} << int(DisplayUnits::inches) << 0x04u
                                << int(DisplayUnits::inches);
    QTest::newRow("view 0") << Values{{view, 0}} << int(DisplayUnits::inches) << 0x00u
                            << int(DisplayUnits::inches);
    QTest::newRow("unused bits kept") << Values{{view, 0xFFFFFFFFu}} << int(DisplayUnits::inches)
                                      << 0xFFFFFFFFu << int(DisplayUnits::inches);
    QTest::newRow("view not a number") << Values{{view, QStringLiteral("wide")}} << int(DisplayUnits::inches)
                                       << 0x1Cu << int(DisplayUnits::inches);
    QTest::newRow("millimetres") << Values{{units, int(DisplayUnits::millimetres)}}
                                 << int(DisplayUnits::inches) << 0x1Cu << int(DisplayUnits::millimetres);
    QTest::newRow("inches") << Values{{units, int(DisplayUnits::inches)}} << int(DisplayUnits::millimetres)
                            << 0x1Cu << int(DisplayUnits::inches);
    QTest::newRow("unknown units") << Values{{units, 5}} << int(DisplayUnits::millimetres) << 0x1Cu
                                   << int(DisplayUnits::inches);
    QTest::newRow("units not a number") << Values{{units, QStringLiteral("mm")}} << int(DisplayUnits::inches)
                                        << 0x1Cu << int(DisplayUnits::inches);
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
    prefs_.units = DisplayUnits(startUnits);

    const auto settings = CCadenzoApp::OpenSettings();
    prefs::LoadPreferences(*settings, prefs_);
    QCOMPARE(uint(prefs_.viewWord), view);
    QCOMPARE(int(prefs_.units), units);
}

void TestPreferences::storeWritesBack_data()
{
    QTest::addColumn<QVariant>("storedUnits");
    QTest::addColumn<int>("writtenUnits");

    QTest::newRow("unknown 5 becomes inches") << QVariant(5) << int(DisplayUnits::inches);
    QTest::newRow("millimetres round trip")
        << QVariant(int(DisplayUnits::millimetres)) << int(DisplayUnits::millimetres);
    QTest::newRow("absent becomes inches") << QVariant() << int(DisplayUnits::inches);
}

void TestPreferences::storeWritesBack()
{
    QFETCH(QVariant, storedUnits);
    QFETCH(int, writtenUnits);

    if (storedUnits.isValid())
        CCadenzoApp::OpenSettings()->setValue(QStringLiteral("Settings/Units"), storedUnits);
    prefs::LoadPreferences(*CCadenzoApp::OpenSettings(), prefs_);
    prefs_.viewWord = 0x14;
    prefs::StorePreferences(*CCadenzoApp::OpenSettings(), prefs_);

    const auto settings = CCadenzoApp::OpenSettings();
    QCOMPARE(settings->value(QStringLiteral("Settings/Units")).toInt(), writtenUnits);
    QCOMPARE(settings->value(QStringLiteral("Settings/View")).toUInt(), 0x14u);

    // The next start reads back what was written.
    prefs_.viewWord = Preferences::kDefaultViewWord;
    prefs_.units = DisplayUnits::inches;
    prefs::LoadPreferences(*settings, prefs_);
    QCOMPARE(int(prefs_.units), writtenUnits);
    QCOMPARE(uint(prefs_.viewWord), 0x14u);
}

void TestPreferences::previewPagesOnlyWhenShown()
{
    prefs::StorePreferences(*CCadenzoApp::OpenSettings(), prefs_);
    QVERIFY(!CCadenzoApp::OpenSettings()->contains(QStringLiteral("Settings/PreviewPages")));

    prefs_.previewPages = 3;
    prefs::StorePreferences(*CCadenzoApp::OpenSettings(), prefs_);
    prefs_.previewPages = 0;
    prefs::LoadPreferences(*CCadenzoApp::OpenSettings(), prefs_);
    QCOMPARE(prefs_.previewPages, 3);
}

// With no stored choice the units are the locale's own.
void TestPreferences::unitsFollowLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("units");
    QTest::newRow("German") << "de_DE" << int(DisplayUnits::millimetres);
    QTest::newRow("French") << "fr_FR" << int(DisplayUnits::millimetres);
    QTest::newRow("American") << "en_US" << int(DisplayUnits::inches);
    QTest::newRow("C") << "C" << int(DisplayUnits::inches);
}

void TestPreferences::unitsFollowLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, units);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    prefs::LoadPreferences(*CCadenzoApp::OpenSettings(), prefs_);
    QLocale::setDefault(before);
    QCOMPARE(int(prefs_.units), units);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
