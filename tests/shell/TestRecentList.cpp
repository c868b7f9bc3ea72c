#include "platform/FileNames.h"
#include "shell/RecentList.h"
#include "shell/SettingsStore.h"

#include <QDir>
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
    QCOMPARE(paths(RecentList::load(SettingsStore(dir.filePath(u"s.conf"_s)))), expected);
}

void TestRecentList::oneFileOneItem_data()
{
    // A path stored in the settings, then another spelling added; the list then holds one item
    // for one file, two for two, each as an absolute clean path.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("listed");

    const bool caseMatters = FileNameCase == Qt::CaseSensitive;
    QTest::newRow("names in another letter case")
        << u"/v/Words.lxm"_s << u"/v/words.lxm"_s
        << (caseMatters ? QStringList{u"/v/words.lxm"_s, u"/v/Words.lxm"_s}
                        : QStringList{u"/v/words.lxm"_s});
    QTest::newRow("dot parts and doubled separators")
        << u"/v/a.lxm"_s << u"/v/./w/..//a.lxm"_s << QStringList{u"/v/a.lxm"_s};
    QTest::newRow("relative, from the current folder")
        << u"a.lxm"_s << QDir::currentPath() + u"/a.lxm"_s
        << QStringList{QDir::currentPath() + u"/a.lxm"_s};
}

void TestRecentList::oneFileOneItem()
{
    QFETCH(QString, stored);
    QFETCH(QString, added);
    QFETCH(QStringList, listed);

    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.conf"_s));
    settings.setRecent(1, stored);
    RecentList list = RecentList::load(settings);
    list.add(added);
    listed.resize(4);
    QCOMPARE(paths(list), listed);
}

QTEST_GUILESS_MAIN(TestRecentList)
#include "TestRecentList.moc"
