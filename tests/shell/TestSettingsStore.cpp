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
}

void TestSettingsStore::handWrittenFileIsReadWithoutRegardToCase()
{
    // Unquoted commas make the INI reader return a list; it is still the text written. A number
    // is what its text starts with, or the key's default when beyond the key's range.
    test::writeFile(m_dir->path(), u"settings.ini"_s,
                    "[settings]\nSTARTUPFORM=2\nrecent1=/home/u/a, b.lxm\n"
                    "startupopen=99999\nUserKeybH= 99999abc\n");
    SettingsStore store(storePath());
    QCOMPARE(store.number16(SettingsKey::StartupForm), 2);
    QCOMPARE(store.recent(1), u"/home/u/a, b.lxm"_s);
    QCOMPARE(store.number16(SettingsKey::StartUpOpen), 1);
    QCOMPARE(store.number32(SettingsKey::UserKeybH), 99999);

    // Written back under the spelling the file holds, not as a second key.
    store.setNumber(SettingsKey::StartupForm, 1);
    QCOMPARE(storedText(u"settings/STARTUPFORM"_s), u"1"_s);
    QCOMPARE(QSettings(storePath(), QSettings::IniFormat).allKeys().size(), 4);
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
    QVERIFY(store.contains(SettingsKey::MainWinState));
    QVERIFY(!store.isYes(SettingsKey::Toolbar));
    QCOMPARE(store.number16(SettingsKey::MainWinState), 2);
    QCOMPARE(store.recent(1), path);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
