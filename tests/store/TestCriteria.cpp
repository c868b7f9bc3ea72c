#include "store/Criteria.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;
using Op = Criteria::Op;

class TestCriteria : public QObject {
    Q_OBJECT
private slots:
    void parsesTheFiveForms_data();
    void parsesTheFiveForms();
    void refusesEverythingElse_data();
    void refusesEverythingElse();
    void quotingRoundTrips();
};

void TestCriteria::parsesTheFiveForms_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::addColumn<int>("op");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QString>("text");

    QTest::newRow("id") << u"ID = 42"_s << int(Op::IdEquals) << qint64(42) << QString();
    QTest::newRow("equals") << u"Headword = \"perro\""_s << int(Op::HeadwordEquals) << qint64(0)
                            << u"perro"_s;
    QTest::newRow("at least") << u"Headword >= \"m\""_s << int(Op::HeadwordAtLeast) << qint64(0)
                              << u"m"_s;
    QTest::newRow("below") << u"Headword < \"m\""_s << int(Op::HeadwordBelow) << qint64(0)
                           << u"m"_s;
    QTest::newRow("like") << u"Headword LIKE \"ab*\""_s << int(Op::HeadwordLike) << qint64(0)
                          << u"ab*"_s;
    QTest::newRow("doubled quotes") << u"Headword = \"say \"\"hi\"\"\""_s << int(Op::HeadwordEquals)
                                    << qint64(0) << u"say \"hi\""_s;
    QTest::newRow("empty text") << u"Headword LIKE \"*\""_s << int(Op::HeadwordLike) << qint64(0)
                                << u"*"_s;
    QTest::newRow("sql stays text") << u"Headword = \"x' OR 1=1 --\""_s << int(Op::HeadwordEquals)
                                    << qint64(0) << u"x' OR 1=1 --"_s;
}

void TestCriteria::parsesTheFiveForms()
{
    QFETCH(QString, criteria);
    QFETCH(int, op);
    QFETCH(qint64, id);
    QFETCH(QString, text);
    const auto parsed = Criteria::parse(criteria);
    QVERIFY(parsed);
    QCOMPARE(int(parsed->op), op);
    QCOMPARE(parsed->id, id);
    QCOMPARE(parsed->text, text);
}

void TestCriteria::refusesEverythingElse_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::newRow("empty") << QString();
    QTest::newRow("lone quote inside") << u"Headword = \"a\"b\""_s;
    QTest::newRow("text after quote") << u"Headword = \"a\" OR 1=1"_s;
    QTest::newRow("no closing quote") << u"Headword = \"abc"_s;
    QTest::newRow("id with text") << u"ID = 4 OR 1=1"_s;
    QTest::newRow("other column") << u"Definition = \"x\""_s;
    QTest::newRow("other operator") << u"Headword <> \"x\""_s;
    QTest::newRow("single quotes") << u"Headword = 'x'"_s;
    QTest::newRow("lower-case keyword") << u"Headword like \"x*\""_s;
}

void TestCriteria::refusesEverythingElse()
{
    QFETCH(QString, criteria);
    QVERIFY(!Criteria::parse(criteria));
}

void TestCriteria::quotingRoundTrips()
{
    QCOMPARE(quoteForCriteria(u"a\"b*?"_s), u"a\"\"b*?"_s);
    for (const QString& text : {u"perro"_s, u"\"a\"\"b\""_s, QString()}) {
        const auto parsed = Criteria::parse(u"Headword = \""_s + quoteForCriteria(text) + u'"');
        QVERIFY(parsed);
        QCOMPARE(parsed->text, text);
    }
}

QTEST_GUILESS_MAIN(TestCriteria)
#include "TestCriteria.moc"
