#include "platform/FileNames.h"
#include "shell/RecentList.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

QStringList paths(const RecentList& list)
{
    QStringList result;
    for (int i = 1; i <= list.size(); ++i)
        result.append(list.path(i));
    return result;
}

} // namespace

class TestRecentList : public QObject {
    Q_OBJECT
private slots:
    void mostRecentFirstAndKeptAcrossRuns();
    void oneFileOneItem_data();
    void oneFileOneItem();
    void longStoredListsTakeLinearTime_data();
    void longStoredListsTakeLinearTime();
};

void TestRecentList::mostRecentFirstAndKeptAcrossRuns()
{
    RecentList list(4);
    for (const QString& path : {u"/v/a.lxm"_s, u"/v/b.lxm"_s, u"/v/c.lxm"_s})
        list.add(path);
    list.remove(2);
    QCOMPARE(paths(list), (QStringList{u"/v/c.lxm"_s, u"/v/a.lxm"_s, QString(), QString()}));
    // A listed file moves up; the oldest falls off the end.
    for (const QString& path : {u"/v/b.lxm"_s, u"/v/a.lxm"_s, u"/v/d.lxm"_s, u"/v/e.lxm"_s})
        list.add(path);
    const QStringList expected{u"/v/e.lxm"_s, u"/v/d.lxm"_s, u"/v/a.lxm"_s, u"/v/b.lxm"_s};
    QCOMPARE(paths(list), expected);

    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.conf"_s));
    list.save(settings);
    const RecentList again = RecentList::load(SettingsStore(dir.filePath(u"s.conf"_s)));
    QCOMPARE(paths(again), expected);
    QCOMPARE(again.caption(2), u"&2 D"_s);
}

void TestRecentList::oneFileOneItem_data()
{
    // Two spellings added in turn; the list then holds one item for one file, two for two.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("listed");

    const bool caseMatters = FileNameCase == Qt::CaseSensitive;
    QTest::newRow("names in another letter case")
        << u"/v/Words.lxm"_s << u"/v/words.lxm"_s
        << (caseMatters ? QStringList{u"/v/words.lxm"_s, u"/v/Words.lxm"_s}
                        : QStringList{u"/v/words.lxm"_s});
    QTest::newRow("dot parts and doubled separators")
        << u"/v/a.lxm"_s << u"/v/./w/..//a.lxm"_s << QStringList{u"/v/a.lxm"_s};
    QTest::newRow("relative, from the current folder")
        << u"a.lxm"_s << u"%1/a.lxm"_s << QStringList{u"%1/a.lxm"_s};
}

void TestRecentList::oneFileOneItem()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, listed);
    for (QString& path : listed)
        path.replace(u"%1"_s, QDir::currentPath());
    second.replace(u"%1"_s, QDir::currentPath());

    RecentList list(4);
    list.add(first);
    list.add(second);
    listed.resize(4);
    QCOMPARE(paths(list), listed);

    // A path written into the settings by hand is read the same way.
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.conf"_s));
    settings.setRecent(1, first);
    RecentList loaded = RecentList::load(settings);
    loaded.add(second);
    QCOMPARE(paths(loaded), listed);
}

void TestRecentList::longStoredListsTakeLinearTime_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("listed");

    // Reading each key once used to look at every key: 20,000 took about a minute.
    QTest::newRow("all of them listed") << 20'000 << 20'000;
    // Keys beyond the list's size stay where they are, unread.
    QTest::newRow("a few of them listed") << 4 << 4;
}

void TestRecentList::longStoredListsTakeLinearTime()
{
    QFETCH(int, count);
    QFETCH(int, listed);
    QTemporaryDir dir;
    QByteArray ini = "[Settings]\nRecentCount=" + QByteArray::number(count) + '\n';
    for (int i = 1; i <= 20'000; ++i)
        ini += "Recent" + QByteArray::number(i) + "=/v/w" + QByteArray::number(i) + ".lxm\n";
    QFile file(dir.filePath(u"s.conf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
    file.close();

    QElapsedTimer timer;
    timer.start();
    {
        SettingsStore settings(file.fileName());
        RecentList list = RecentList::load(settings);
        QCOMPARE(list.size(), listed);
        QCOMPARE(list.path(listed), u"/v/w%1.lxm"_s.arg(listed));
        list.add(u"/v/new.lxm"_s);
        list.save(settings);
    }
    QVERIFY2(timer.elapsed() < 10'000, qPrintable(QString::number(timer.elapsed())));
    const SettingsStore reread(file.fileName());
    QCOMPARE(reread.recent(1), u"/v/new.lxm"_s);
    QCOMPARE(reread.recent(listed), u"/v/w%1.lxm"_s.arg(listed - 1));
    // Nothing beyond the list's size is written.
    QCOMPARE(reread.recent(listed + 1),
             listed < 20'000 ? u"/v/w%1.lxm"_s.arg(listed + 1) : QString());
}

QTEST_GUILESS_MAIN(TestRecentList)
#include "TestRecentList.moc"
