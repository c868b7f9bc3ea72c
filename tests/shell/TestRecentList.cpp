#include "shell/RecentList.h"
#include "shell/SettingsStore.h"

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
    void mostRecentFirstAndGapsClosed();
    void persistsAndCaptions();
};

void TestRecentList::mostRecentFirstAndGapsClosed()
{
    RecentList list(4);
    QVERIFY(list.isEmpty());
    for (const QString& path : {u"/v/a.lxm"_s, u"/v/b.lxm"_s, u"/v/c.lxm"_s})
        list.add(path);
    QCOMPARE(paths(list), (QStringList{u"/v/c.lxm"_s, u"/v/b.lxm"_s, u"/v/a.lxm"_s, QString()}));
    list.remove(2);
    QCOMPARE(paths(list), (QStringList{u"/v/c.lxm"_s, u"/v/a.lxm"_s, QString(), QString()}));
    QCOMPARE(list.caption(2), u"&2 A"_s);
    // The same file in another letter case moves up; the oldest falls off the end.
    for (const QString& path : {u"/v/b.lxm"_s, u"/V/A.LXM"_s, u"/v/d.lxm"_s, u"/v/e.lxm"_s})
        list.add(path);
    QCOMPARE(paths(list),
             (QStringList{u"/v/e.lxm"_s, u"/v/d.lxm"_s, u"/V/A.LXM"_s, u"/v/b.lxm"_s}));
    for (int i = 0; i < 4; ++i)
        list.remove(1);
    QVERIFY(list.isEmpty());
}

void TestRecentList::persistsAndCaptions()
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.conf"_s));
    settings.setText(SettingsKey::RecentCount, u"9"_s);
    RecentList list = RecentList::load(settings);
    QCOMPARE(list.size(), 9);
    list.add(u"/home/me/spa-eng.lxm"_s);
    list.save(settings);

    SettingsStore reread(dir.filePath(u"s.conf"_s));
    const RecentList again = RecentList::load(reread);
    QCOMPARE(again.path(1), u"/home/me/spa-eng.lxm"_s);
    QCOMPARE(again.caption(1), u"&1 Spa-Eng"_s);
    QCOMPARE(reread.recent(9), QString());
}

QTEST_GUILESS_MAIN(TestRecentList)
#include "TestRecentList.moc"
