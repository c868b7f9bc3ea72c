#include "shell/PathTitles.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestPathTitles : public QObject {
    Q_OBJECT

private slots:
    void folderPart_data();
    void folderPart();
    void fileTitle_data();
    void fileTitle();
};

void TestPathTitles::folderPart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<QString>("dir");
    QTest::newRow("file in folder") << u"/home/u/b.lxm"_s << qsizetype(9) << u"/home/u/"_s;
    QTest::newRow("bare name, backslash is no separator")
        << u"C:\\a\\b.lxm"_s << qsizetype(1) << QString();
    QTest::newRow("root") << u"/b.lxm"_s << qsizetype(2) << u"/"_s;
}

void TestPathTitles::folderPart()
{
    QFETCH(QString, path);
    QFETCH(qsizetype, position);
    QFETCH(QString, dir);
    QCOMPARE(lastPosAfter(path, u'/'), position);
    QCOMPARE(dirOfPath(path), dir);
}

void TestPathTitles::fileTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pieces, non-ASCII, upper-case extension")
        << u"ÉCOLE-ÜBER.LXM"_s << u"École-Über"_s;
    QTest::newRow("blank starts no piece") << u"my words.lxm"_s << u"My words"_s;
    QTest::newRow("other extension kept") << u"old.mdb"_s << u"Old.mdb"_s;
    QTest::newRow("extension only") << u".lxm"_s << QString();
    QTest::newRow("folder and its hyphens ignored") << u"/x-y/fre-eng.lxm"_s << u"Fre-Eng"_s;
}

void TestPathTitles::fileTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(lexmint::fileTitle(path), expected);
}

QTEST_GUILESS_MAIN(TestPathTitles)
#include "TestPathTitles.moc"
