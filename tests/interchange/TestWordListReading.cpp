#include "interchange/ImportPlan.h"
#include "interchange/WordListRows.h"

#include <QStringEncoder>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Each entry of a plan as "line: headword | line | line", then each refused line as "line!".
QStringList described(const ImportPlan& plan)
{
    QStringList rows;
    for (const ImportedEntry& entry : plan.entries) {
        if (entry.accepted())
            rows.append(u"%1: %2"_s.arg(entry.line).arg(entryRow(entry.headword, entry.lines)));
    }
    for (const RefusedRow& row : plan.refusedRows())
        rows.append(u"%1!"_s.arg(row.line));
    return rows;
}

} // namespace

class TestWordListReading : public QObject {
    Q_OBJECT
private slots:
    void plans_data();
    void plans();
    void hostileFilesAreRefusedWhole_data();
    void hostileFilesAreRefusedWhole();
};

void TestWordListReading::plans_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<ImportSettings>("settings");
    QTest::addColumn<QStringList>("rows");

    const ImportSettings automatic;
    ImportSettings noHeader;
    noHeader.header = Choice::No;
    QTest::newRow("quotes, mixed line ends and empty lines")
        << "\"a;b\",\"say \"\"hi\"\"\"\r\n5\" nail,Nagel\n\nc,\"3,4\"\rd,4"_ba << u"list.csv"_s
        << noHeader
        << QStringList{u"1: a;b | say \"hi\""_s, u"2: 5\" nail | Nagel"_s, u"4: c | 3,4"_s,
                       u"5: d | 4"_s};
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16 with byte order mark")
        << QByteArray(utf16(u"Stra\u00DFe,street\n\u010Dasto,often"_s)) << u"list.csv"_s << noHeader
        << QStringList{u"1: Stra\u00DFe | street"_s, u"2: \u010Dasto | often"_s};
    ImportSettings legacy = noHeader;
    legacy.encoding = u"windows-1252"_s;
    QTest::newRow("Windows-1252 chosen") << "caf\xE9,coffee \x80"_ba << u"list.csv"_s << legacy
                                         << QStringList{u"1: caf\u00E9 | coffee \u20AC"_s};
    QTest::newRow("entry rules: blanks, empty and long lines, too many lines, big headword")
        << (u"  blank  ,  trimmed  ,,\n   ,x\n"_s + u"long,"_s + QString(101, u'y') + u"\nmany,"_s
            + QStringList(27, u"l"_s).join(u',') + u"\n"_s + QString(51, u'h') + u",x\n"_s)
               .toUtf8()
        << u"list.csv"_s << automatic
        << QStringList{u"1: blank | trimmed"_s, u"2!"_s, u"3!"_s, u"4!"_s, u"5!"_s};
    ImportSettings mapped;
    mapped.headwordColumn = 2;
    mapped.definitionColumns = QList<int>{0};
    mapped.splitAt = u"/"_s;
    QTest::newRow("columns mapped and split, text put into normalization form C")
        << u"to have/to own,x,cafe\u0301\n"_s.toUtf8() << u"list.csv"_s << mapped
        << QStringList{u"1: caf\u00E9 | to have | to own"_s};
    QTest::newRow("flash-card text with headers and HTML")
        << "#separator:tab\n#html:true\n#columns:Front\tBack\n"
           "Hund\tdog<br>hound &amp; <b>cur</b><div>canine</div>\n"_ba
        << u"cards.txt"_s << automatic << QStringList{u"4: Hund | dog | hound & cur | canine"_s};
    QTest::newRow("unterminated quote: the rows before are kept")
        << "a,1\nb,\"2\nc,3\n"_ba << u"list.csv"_s << automatic
        << QStringList{u"1: a | 1"_s, u"2!"_s};
}

void TestWordListReading::plans()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(ImportSettings, settings);
    QFETCH(QStringList, rows);

    const ImportPlan plan = planImport(bytes, fileName, settings, 50);
    QVERIFY2(plan.ok(), qPrintable(plan.error));
    QCOMPARE(described(plan), rows);
}

void TestWordListReading::hostileFilesAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("errorLine");

    QTest::newRow("only a header") << "Headword,Definition\r\n"_ba << u"list.csv"_s << 0;
    QTest::newRow("invalid UTF-8") << "ok,fine\nbad,\xC3\x28\n"_ba << u"list.csv"_s << 2;
    QTest::newRow("NUL bytes") << QByteArray("a,b\0c\n", 6) << u"list.tsv"_s << 1;
    QTest::newRow("a vocabulary") << "SQLite format 3\0"_ba << u"words.lxm"_s << 0;
}

void TestWordListReading::hostileFilesAreRefusedWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(int, errorLine);

    const ImportPlan plan = planImport(bytes, fileName, ImportSettings(), 50);
    QVERIFY(!plan.ok());
    QVERIFY(plan.entries.isEmpty());
    QCOMPARE(plan.errorLine, errorLine);
}

QTEST_GUILESS_MAIN(TestWordListReading)
#include "TestWordListReading.moc"
