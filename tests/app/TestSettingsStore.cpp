#include "app/SettingsStore.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void freshUserGetsDefaults();
    void handWrittenFileIsReadWithoutRegardToCase();
    void number16_data();
    void number16();
    void rangeDependsOnKey();
    void yesIsExact();
    void valuesPersistAcrossInstances();
    void defaultStoreLivesInUserConfiguration();

private:
    QString storePath() const { return m_dir->filePath(u"settings.ini"_s); }
    QString storedText(const QString& key) const
    {
        return QSettings(storePath(), QSettings::IniFormat).value(key).toString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::freshUserGetsDefaults()
{
    const SettingsStore store(storePath());
    QCOMPARE(store.number32(SettingsKey::MainWidth), 8080);
    QCOMPARE(store.number32(SettingsKey::MainHeight), 5860);
    QCOMPARE(store.number16(SettingsKey::MainWinState), 0);
    QVERIFY(!store.contains(SettingsKey::MainWinState));
    QVERIFY(store.isYes(SettingsKey::Toolbar));
    QVERIFY(store.isYes(SettingsKey::Statusbar));
    QCOMPARE(store.number16(SettingsKey::RecentCount), 4);
    QCOMPARE(store.recent(1), QString());
    QCOMPARE(store.number16(SettingsKey::StartUpOpen), 1);
    QCOMPARE(store.text(SettingsKey::StartupDB), QString());
    QCOMPARE(store.number16(SettingsKey::StartupForm), 0);
    QCOMPARE(store.number16(SettingsKey::EntryForm), 1);
    QCOMPARE(store.number32(SettingsKey::UserFlags), 2);
    QCOMPARE(store.number32(SettingsKey::UserKeybH), 32767);
    QCOMPARE(store.number32(SettingsKey::UserKeybD), 32767);
    QVERIFY(!store.isYes(SettingsKey::Details));
}

void TestSettingsStore::handWrittenFileIsReadWithoutRegardToCase()
{
    // Unquoted commas make the INI reader return a list; it is still the text written.
    test::writeFile(m_dir->path(), u"settings.ini"_s,
                    "[settings]\nSTARTUPFORM=2\nrecent1=/home/u/a, b.lxm\n");
    SettingsStore store(storePath());
    QCOMPARE(store.number16(SettingsKey::StartupForm), 2);
    QCOMPARE(store.recent(1), u"/home/u/a, b.lxm"_s);

    // Written back under the spelling the file holds, not as a second key.
    store.setNumber(SettingsKey::StartupForm, 1);
    QCOMPARE(storedText(u"settings/STARTUPFORM"_s), u"1"_s);
    QCOMPARE(QSettings(storePath(), QSettings::IniFormat).allKeys().size(), 2);
}

void TestSettingsStore::number16_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");

    // "StartUpOpen" defaults to 1, which tells out-of-range values from 0.
    QTest::newRow("leading blanks, trailing text") << u" 12abc"_s << 12;
    QTest::newRow("no number") << u"abc"_s << 0;
    QTest::newRow("half rounds down to even") << u"2.5"_s << 2;
    QTest::newRow("half rounds up to even") << u"3.5"_s << 4;
    QTest::newRow("negative half") << u"-2.5"_s << -2;
    QTest::newRow("negative") << u"-7"_s << -7;
    QTest::newRow("no exponent") << u"1e3"_s << 1;
    QTest::newRow("rounds out of range") << u"32767.5"_s << 1;
    QTest::newRow("too big") << u"99999"_s << 1;
    QTest::newRow("too small") << u"-32769"_s << 1;
    QTest::newRow("beyond a double") << QString(400, u'9') << 1;
    QTest::newRow("non-ASCII digits") << u"\u0663"_s << 0;
}

void TestSettingsStore::number16()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    SettingsStore store(storePath());
    store.setText(SettingsKey::StartUpOpen, stored);
    QCOMPARE(store.number16(SettingsKey::StartUpOpen), expected);
}

void TestSettingsStore::rangeDependsOnKey()
{
    SettingsStore store(storePath());
    store.setText(SettingsKey::UserKeybH, u"99999"_s);
    QCOMPARE(store.number32(SettingsKey::UserKeybH), 99999);
    store.setText(SettingsKey::UserKeybH, u"2147483648"_s);
    QCOMPARE(store.number32(SettingsKey::UserKeybH), 32767);
    // The recent list has at least one item.
    store.setText(SettingsKey::RecentCount, u"0"_s);
    QCOMPARE(store.number16(SettingsKey::RecentCount), 4);
    store.setNumber(SettingsKey::RecentCount, 1);
    QCOMPARE(store.number16(SettingsKey::RecentCount), 1);
}

void TestSettingsStore::yesIsExact()
{
    SettingsStore store(storePath());
    for (const QString& stored : {u"yes"_s, u"YES"_s, u"No"_s, QString()}) {
        store.setText(SettingsKey::Toolbar, stored);
        QVERIFY2(!store.isYes(SettingsKey::Toolbar), qPrintable(stored));
    }
    store.setText(SettingsKey::Toolbar, u"Yes"_s);
    QVERIFY(store.isYes(SettingsKey::Toolbar));
}

void TestSettingsStore::valuesPersistAcrossInstances()
{
    const QString path = u"/home/u/words, french;\"old\" \\ #1.lxm"_s;
    {
        SettingsStore store(storePath());
        store.setYes(SettingsKey::Toolbar, false);
        store.setNumber(SettingsKey::MainWinState, 2);
        store.setRecent(1, path);
    }
    QCOMPARE(storedText(u"Settings/Toolbar"_s), u"No"_s);
    QCOMPARE(storedText(u"Settings/MainWinState"_s), u"2"_s);

    const SettingsStore store(storePath());
    QVERIFY(!store.isYes(SettingsKey::Toolbar));
    QCOMPARE(store.number16(SettingsKey::MainWinState), 2);
    QCOMPARE(store.recent(1), path);
}

void TestSettingsStore::defaultStoreLivesInUserConfiguration()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Orvanel Software/Lex Mint.conf"_s;
    SettingsStore().setYes(SettingsKey::Details, true);
    QCOMPARE(QSettings(expected, QSettings::IniFormat).value(u"Settings/Details"_s).toString(), u"Yes"_s);
    QVERIFY(QFile::remove(expected));
    QDir().rmdir(QFileInfo(expected).path());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
