#include "shell/SettingsStore.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void handWrittenFileIsReadWithoutRegardToCase();
    void numbers_data();
    void numbers();
    void valuesPersistAcrossInstances();

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

void TestSettingsStore::numbers_data()
{
    QTest::addColumn<SettingsKey>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");

    // "StartUpOpen" is a 16-bit number that defaults to 1, which tells out-of-range values
    // from 0.
    const SettingsKey open = SettingsKey::StartUpOpen;
    QTest::newRow("leading blanks, trailing text") << open << u" 12abc"_s << 12;
    QTest::newRow("half rounds down to even") << open << u"2.5"_s << 2;
    QTest::newRow("too big") << open << u"99999"_s << 1;
    // The range depends on the key.
    QTest::newRow("32 bits") << SettingsKey::UserKeybH << u"99999"_s << 99999;
    QTest::newRow("beyond 32 bits") << SettingsKey::UserKeybH << u"2147483648"_s << 32767;
    QTest::newRow("recent list of none") << SettingsKey::RecentCount << u"0"_s << 4;
}

void TestSettingsStore::numbers()
{
    QFETCH(SettingsKey, key);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    SettingsStore store(storePath());
    store.setText(key, stored);
    QCOMPARE(key == SettingsKey::UserKeybH ? store.number32(key) : store.number16(key), expected);
}

void TestSettingsStore::valuesPersistAcrossInstances()
{
    const QString path = u"/home/u/words, french;\"old\" \\ #1.lxm"_s;
    {
        SettingsStore store(storePath());
        // A missing window state is what tells the first run.
        QVERIFY(!store.contains(SettingsKey::MainWinState));
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

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
