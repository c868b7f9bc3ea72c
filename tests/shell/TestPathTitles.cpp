#include "shell/PathTitles.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

class TestPathTitles : public QObject {
    Q_OBJECT

private slots:
    void fileTitle_data();
    void fileTitle();
};

void TestPathTitles::fileTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pieces, non-ASCII, upper-case extension")
        << u"ÉCOLE-ÜBER.LXM"_s << u"École-Über"_s;
    QTest::newRow("other extension kept") << u"old.mdb"_s << u"Old.mdb"_s;
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
