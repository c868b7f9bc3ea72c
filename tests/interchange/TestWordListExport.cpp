#include "interchange/ImportPlan.h"
#include "interchange/WordListRows.h"
#include "interchange/WordListWriter.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

const QList<VocabularyEntry>& awkwardEntries()
{
    static const QList<VocabularyEntry> entries{
        {u"say \"hi\""_s,
         {u"greet, wave; nod"_s, u"a|b\tc <d> & e"_s},
         {QDate(2026, 1, 5), 7, 5, 0}},
        {u"#tag"_s, {u"# not a header"_s}, {}},
        {u"\u017Elu\u0165ou\u010Dk\u00FD"_s, {u"yellowish"_s, u"\u201Cquoted\u201D"_s}, {}},
        {u"\u03BB\u03AD\u03BE\u03B7"_s, {u"word, term; name\tnoun"_s}, {}},
        {u"x"_s, {u"Headword"_s}, {}},
    };
    return entries;
}

} // namespace

class TestWordListExport : public QObject {
    Q_OBJECT
private slots:
    void roundTrips_data();
    void roundTrips();
};

void TestWordListExport::roundTrips_data()
{
    QTest::addColumn<ExportSettings>("settings");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("CSV, semicolons, byte order mark")
        << ExportSettings{FileKind::Csv, u';', true, {}} << u"a.csv"_s;
    QTest::newRow("flash cards") << ExportSettings{FileKind::FlashCard, u',', false, {}}
                                 << u"a.txt"_s;
    QTest::newRow("KVTML") << ExportSettings{FileKind::Kvtml, u',', false, u"Words"_s}
                           << u"a.kvtml"_s;
}

void TestWordListExport::roundTrips()
{
    QFETCH(ExportSettings, settings);
    QFETCH(QString, fileName);

    const QByteArray bytes = wordlistwriter::write(awkwardEntries(), settings);
    const ImportPlan plan = planImport(bytes, fileName, ImportSettings(), 50);
    QVERIFY2(plan.ok(), qPrintable(plan.error));
    QVERIFY(plan.refusedRows().isEmpty());
    QStringList expected;
    for (const VocabularyEntry& entry : awkwardEntries()) {
        // KVTML keeps the lines of an entry joined by "; ", which also parts a line holding it.
        const QStringList lines = settings.kind == FileKind::Kvtml
            ? entry.lines.join(u"; "_s).split(u"; "_s)
            : entry.lines;
        expected.append(entryRow(entry.headword, lines));
    }
    QCOMPARE(acceptedRows(plan), expected);
    // KVTML keeps the statistics of entries that were tested.
    if (settings.kind == FileKind::Kvtml) {
        QCOMPARE(plan.entries.at(0).statistics, awkwardEntries().at(0).statistics);
        QVERIFY(!plan.entries.at(1).statistics);
    }
}

QTEST_GUILESS_MAIN(TestWordListExport)
#include "TestWordListExport.moc"
