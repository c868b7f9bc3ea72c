#include "interchange/ImportPlan.h"
#include "interchange/WordListRows.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray document(const QByteArray& identifiers, const QByteArray& entries,
                    const QByteArray& prolog = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + prolog + "<kvtml version=\"2.0\">\n"
        + "<identifiers>" + identifiers + "</identifiers>\n<entries>\n" + entries
        + "</entries>\n</kvtml>\n";
}

const QByteArray TwoIdentifiers =
    "<identifier id=\"0\"><name>Deutsch</name><locale>de</locale></identifier>"
    "<identifier id=\"1\"><name>English</name><locale>en</locale></identifier>";
const QByteArray OneIdentifier = "<identifier id=\"0\"><locale>de</locale></identifier>";

ImportPlan planOf(const QByteArray& bytes)
{
    return planImport(bytes, u"words.kvtml"_s, ImportSettings(), 50);
}

} // namespace

class TestKvtml : public QObject {
    Q_OBJECT
private slots:
    void entriesAsTheUsualMappingReadsThem_data();
    void entriesAsTheUsualMappingReadsThem();
    void hostileDocumentsAreRefused_data();
    void hostileDocumentsAreRefused();
};

void TestKvtml::entriesAsTheUsualMappingReadsThem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("refused");

    const QByteArray twoWords =
        "<entry id=\"0\"><translation id=\"0\"><text>Haus</text></translation>"
        "<translation id=\"1\"><text>house; home</text></translation></entry>"
        "<entry id=\"1\"><translation id=\"1\"><text>tree</text></translation>"
        "<translation id=\"0\"><text>Baum</text></translation></entry>";
    QTest::newRow("first identifier headword, second split at '; '")
        << document(TwoIdentifiers, twoWords)
        << QStringList{u"Haus | house | home"_s, u"Baum | tree"_s} << 0;
    QTest::newRow("one identifier: the comment is the definition")
        << document(OneIdentifier,
                    "<entry id=\"0\"><translation id=\"0\"><text>Igel</text>"
                    "<comment>hat Stacheln; rollt sich ein</comment></translation></entry>"
                    "<entry id=\"1\"><translation id=\"0\"><text>Uhu</text></translation></entry>")
        << QStringList{u"Igel | hat Stacheln; rollt sich ein"_s} << 1;
}

void TestKvtml::entriesAsTheUsualMappingReadsThem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QFETCH(int, refused);

    const ImportPlan plan = planOf(bytes);
    QVERIFY2(plan.ok(), qPrintable(plan.error));
    QCOMPARE(acceptedRows(plan), entries);
    QCOMPARE(plan.refusedRows().size(), refused);
}

void TestKvtml::hostileDocumentsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("external parameter entity")
        << document(TwoIdentifiers,
                    "<entry id=\"0\"><translation id=\"0\"><text>Haus</text></translation>"
                    "<translation id=\"1\"><text>house</text></translation></entry>",
                    "<!DOCTYPE kvtml [<!ENTITY % p SYSTEM \"http://127.0.0.1:9/x.dtd\"> %p;]>\n");
    QTest::newRow("undeclared entity under an external DTD")
        << document(TwoIdentifiers,
                    "<entry id=\"0\"><translation id=\"0\"><text>&x;</text></translation></entry>",
                    "<!DOCTYPE kvtml SYSTEM \"http://127.0.0.1:9/kvtml2.dtd\">\n");
    QTest::newRow("older KVTML") << "<?xml version=\"1.0\"?><kvtml><e><o>Haus</o></e></kvtml>"_ba;
    QTest::newRow("cut off") << document(TwoIdentifiers, "<entry id=\"0\"><translation").left(200);
}

void TestKvtml::hostileDocumentsAreRefused()
{
    QFETCH(QByteArray, bytes);
    const ImportPlan plan = planOf(bytes);
    QVERIFY(!plan.ok());
    QVERIFY(plan.entries.isEmpty());
}

QTEST_GUILESS_MAIN(TestKvtml)
#include "TestKvtml.moc"
