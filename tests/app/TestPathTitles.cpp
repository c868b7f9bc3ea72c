#include "app/PathTitles.h"

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
    QTest::newRow("bare name") << u"b.lxm"_s << qsizetype(1) << QString();
    QTest::newRow("empty") << QString() << qsizetype(1) << QString();
    QTest::newRow("root") << u"/b.lxm"_s << qsizetype(2) << u"/"_s;
    QTest::newRow("folder only") << u"/home/u/"_s << qsizetype(9) << u"/home/u/"_s;
    QTest::newRow("backslash is no separator") << u"C:\\a\\b.lxm"_s << qsizetype(1) << QString();
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
    QTest::newRow("pieces") << u"spa-eng.lxm"_s << u"Spa-Eng"_s;
    QTest::newRow("upper-case extension") << u"ENGLISH.LXM"_s << u"English"_s;
    QTest::newRow("blank starts no piece") << u"my words.lxm"_s << u"My words"_s;
    QTest::newRow("double hyphen") << u"a--b"_s << u"A--B"_s;
    QTest::newRow("leading hyphen") << u"-abc"_s << u"-Abc"_s;
    QTest::newRow("other extension kept") << u"old.mdb"_s << u"Old.mdb"_s;
    QTest::newRow("extension only") << u".lxm"_s << QString();
    QTest::newRow("extension only in middle") << u"a.lxm.bak"_s << u"A.lxm.bak"_s;
    QTest::newRow("with folder") << u"/home/u/Words/ger-eng.lxm"_s << u"Ger-Eng"_s;
    QTest::newRow("folder hyphens ignored") << u"/x-y/fre-eng.lxm"_s << u"Fre-Eng"_s;
    QTest::newRow("non-ASCII") << u"ÉCOLE-ÜBER.lxm"_s << u"École-Über"_s;
}

void TestPathTitles::fileTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(lexmint::fileTitle(path), expected);
}

QTEST_GUILESS_MAIN(TestPathTitles)
#include "TestPathTitles.moc"
