#include "interchange/DelimitedText.h"
#include "interchange/ImportPlan.h"
#include "interchange/TextDecoder.h"
#include "interchange/WordListRows.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Each entry of a plan as "line: headword | line | line", each refused row as
// "line! reason", in line order.
QStringList described(const ImportPlan& plan)
{
    QStringList rows;
    for (const ImportedEntry& entry : plan.entries) {
        if (entry.accepted())
            rows.append(u"%1: %2"_s.arg(entry.line).arg(entryRow(entry.headword, entry.lines)));
    }
    for (const RefusedRow& row : plan.refusedRows())
        rows.append(u"%1! %2"_s.arg(row.line).arg(row.reason));
    return rows;
}

// Compares described rows with expected ones, where an expected refusal "3! empty" stands
// for any refusal of line 3 whose reason contains "empty".
void compareRows(const QStringList& actual, const QStringList& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QString& want = expected.at(i);
        const qsizetype mark = want.indexOf(u"! "_s);
        if (mark < 0 || want.left(mark).toInt() == 0) {
            QCOMPARE(actual.at(i), want);
            continue;
        }
        QVERIFY2(actual.at(i).startsWith(want.left(mark + 2))
                     && actual.at(i).contains(want.mid(mark + 2), Qt::CaseInsensitive),
                 qPrintable(actual.at(i) + u" does not match "_s + want));
    }
}

} // namespace

class TestWordListReading : public QObject {
    Q_OBJECT
private slots:
    void decoding_data();
    void decoding();
    void separatorDetection_data();
    void separatorDetection();
    void records_data();
    void records();
    void plans_data();
    void plans();
    void hostileFilesAreRefusedWhole_data();
    void hostileFilesAreRefusedWhole();
    void hugeSingleLineIsRefused();
    void flashCardSettingsAreReported();
};

void TestWordListReading::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorLine"); // 0: decoded

    const QString words = u"Stra\u00DFe,street\n\u010Dasto,often"_s;
    QTest::newRow("UTF-8") << words.toUtf8() << QString() << words << 0;
    QTest::newRow("UTF-8 with byte order mark")
        << "\xEF\xBB\xBF" + words.toUtf8() << QString() << words << 0;
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (const QChar c : words) {
        le += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
        be += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
    }
    QTest::newRow("UTF-16 LE") << le << QString() << words << 0;
    QTest::newRow("UTF-16 BE") << be << QString() << words << 0;
    QTest::newRow("byte order mark only")
        << QByteArray("\xEF\xBB\xBF") << QString() << QString() << 0;
    QTest::newRow("Windows-1252 chosen") << QByteArray("caf\xE9,coffee \x80") << u"windows-1252"_s
                                         << u"caf\u00E9,coffee \u20AC"_s << 0;
    QTest::newRow("Windows-1250 chosen") << QByteArray("\xE8"
                                                       "asto")
                                         << u"windows-1250"_s << u"\u010Dasto"_s << 0;
    QTest::newRow("Windows-1252 read as UTF-8")
        << QByteArray("a,b\ncaf\xE9,coffee") << QString() << QString() << 2;
    QTest::newRow("NUL bytes") << QByteArray("a,b\nc,d\n\0\0\0", 11) << QString() << QString() << 3;
    QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE"
                                              "a\0b",
                                              5)
                                << QString() << QString() << 1;
    QTest::newRow("unknown encoding")
        << QByteArray("a") << u"no-such-code-page"_s << QString() << 0;
}

void TestWordListReading::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    QFETCH(int, errorLine);

    const DecodedText decoded = textdecoder::decode(bytes, encoding);
    QCOMPARE(decoded.errorLine, errorLine);
    if (text.isEmpty() && errorLine == 0 && !encoding.isEmpty()) {
        QVERIFY(!decoded.ok()); // an unknown encoding is reported, not guessed
        return;
    }
    QCOMPARE(decoded.ok(), errorLine == 0);
    QCOMPARE(decoded.text, text); // bytes that do not decode are never replaced
}

void TestWordListReading::separatorDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator"); // empty: none detected

    QTest::newRow("comma beside times") << u"9:00,nine o'clock\n10:30,half past ten\n"_s << u","_s;
    QTest::newRow("semicolon with commas in text")
        << u"Haus;house, home\nBaum;tree\nAuto;car, automobile\n"_s << u";"_s;
    QTest::newRow("tab") << u"a\tb, c\nd\te; f\n"_s << u"\t"_s;
    QTest::newRow("pipe") << u"a|b\nc|d\ne|f\n"_s << u"|"_s;
    QTest::newRow("quoted separators do not count") << u"\"a;b;c\",x\n\"d;e\",y\n"_s << u","_s;
    QTest::newRow("one column") << u"alpha\nbeta\n"_s << QString();
}

void TestWordListReading::separatorDetection()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    const std::optional<QChar> detected = delimitedtext::detectSeparator(text);
    QCOMPARE(detected ? QString(*detected) : QString(), separator);
}

void TestWordListReading::records_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records"); // "line:field|field"
    QTest::addColumn<int>("unterminatedLine");

    QTest::newRow("mixed line endings")
        << u"a,1\r\nb,2\nc,3\rd,4"_s << QStringList{u"1:a|1"_s, u"2:b|2"_s, u"3:c|3"_s, u"4:d|4"_s}
        << 0;
    QTest::newRow("quoted field over lines")
        << u"a,\"one\r\ntwo\"\nb,x\n"_s << QStringList{u"1:a|one\r\ntwo"_s, u"3:b|x"_s} << 0;
    QTest::newRow("doubled quotes and separators in quotes")
        << u"\"say \"\"hi\"\"\",\"a,b\"\n"_s << QStringList{u"1:say \"hi\"|a,b"_s} << 0;
    QTest::newRow("quote inside an unquoted field")
        << u"5\" nail,Nagel\n"_s << QStringList{u"1:5\" nail|Nagel"_s} << 0;
    QTest::newRow("empty lines and an empty last field")
        << u"\n\na,\n\nb,c\n"_s << QStringList{u"3:a|"_s, u"5:b|c"_s} << 0;
    QTest::newRow("unterminated quote at the end")
        << u"a,b\nc,\"never closed\nd,e\n"_s << QStringList{u"1:a|b"_s} << 2;
}

void TestWordListReading::records()
{
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    QFETCH(int, unterminatedLine);

    const ParsedRecords parsed = delimitedtext::parse(text, u',');
    QStringList actual;
    for (const TextRecord& record : parsed.records)
        actual.append(u"%1:%2"_s.arg(record.line).arg(record.fields.join(u'|')));
    QCOMPARE(actual, records);
    QCOMPARE(parsed.unterminatedLine, unterminatedLine);
}

void TestWordListReading::plans_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<ImportSettings>("settings");
    QTest::addColumn<QStringList>("rows");

    const ImportSettings automatic;
    QTest::newRow("spreadsheet CSV: BOM, semicolons, header, multi-line cell")
        << "\xEF\xBB\xBF"_ba
            + u"Word;Meaning;Notes\r\nHaus;\"house\r\nhome\";\r\nBaum;tree;plant\r\n"_s.toUtf8()
        << u"list.csv"_s << automatic
        << QStringList{u"2: Haus | house | home"_s, u"4: Baum | tree | plant"_s};
    ImportSettings noHeader;
    noHeader.header = Choice::No;
    QTest::newRow("header switched off")
        << "Word,Meaning\nHaus,house\n"_ba << u"list.csv"_s << noHeader
        << QStringList{u"1: Word | Meaning"_s, u"2: Haus | house"_s};
    QTest::newRow("rows with more and fewer fields than the header")
        << "headword,definition\na,1,2,3\nb\nc,3\n"_ba << u"list.csv"_s << automatic
        << QStringList{u"2: a | 1 | 2 | 3"_s, u"4: c | 3"_s, u"3! definition"_s};
    QTest::newRow("entry rules: blanks, empty and long lines, too many lines, big headword")
        << (u"  blank  ,  trimmed  ,,\n   ,x\n"_s + u"long,"_s + QString(101, u'y') + u"\nmany,"_s
            + QStringList(27, u"l"_s).join(u',') + u"\n"_s + QString(51, u'h') + u",x\n"_s)
               .toUtf8()
        << u"list.csv"_s << automatic
        << QStringList{u"1: blank | trimmed"_s, u"2! empty"_s, u"3! 100"_s, u"4! 27"_s, u"5! 50"_s};
    QTest::newRow("text put into normalization form C")
        << u"cafe\u0301,cre\u0300me\n"_s.toUtf8() << u"list.csv"_s << automatic
        << QStringList{u"1: caf\u00E9 | cr\u00E8me"_s};
    ImportSettings mapped;
    mapped.headwordColumn = 2;
    mapped.definitionColumns = QList<int>{0};
    mapped.splitAt = u"/"_s;
    QTest::newRow("columns mapped and split")
        << "to have/to own,x,haben\n"_ba << u"list.csv"_s << mapped
        << QStringList{u"1: haben | to have | to own"_s};
    QTest::newRow("flash-card text with headers and HTML")
        << "#separator:tab\n#html:true\n#columns:Front\tBack\n"
           "Hund\tdog<br>hound &amp; <b>cur</b><div>canine</div>\n"_ba
        << u"cards.txt"_s << automatic << QStringList{u"4: Hund | dog | hound & cur | canine"_s};
    QTest::newRow("flash-card text without headers keeps markup")
        << "Hund\tdog<br>hound\n"_ba << u"cards.txt"_s << automatic
        << QStringList{u"1: Hund | dog<br>hound"_s};
    QTest::newRow("a headword that starts with # is data after the header")
        << "#separator:comma\n\"#tag\",label\n"_ba << u"cards.txt"_s << automatic
        << QStringList{u"2: #tag | label"_s};
    QTest::newRow("unterminated quote: the rows before are kept")
        << "a,1\nb,\"2\nc,3\n"_ba << u"list.csv"_s << automatic
        << QStringList{u"1: a | 1"_s, u"2! never closed"_s};
}

void TestWordListReading::plans()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(ImportSettings, settings);
    QFETCH(QStringList, rows);

    const ImportPlan plan = planImport(bytes, fileName, settings, 50);
    QVERIFY2(plan.ok(), qPrintable(plan.error));
    compareRows(described(plan), rows);
}

void TestWordListReading::hostileFilesAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("errorLine");

    QTest::newRow("empty file") << QByteArray() << u"list.csv"_s << 0;
    QTest::newRow("only a header") << "Headword,Definition\r\n"_ba << u"list.csv"_s << 0;
    QTest::newRow("byte order mark only") << "\xEF\xBB\xBF"_ba << u"list.csv"_s << 0;
    QTest::newRow("flash-card headers only")
        << "#separator:tab\n#html:false\n"_ba << u"c.txt"_s << 0;
    QTest::newRow("invalid UTF-8") << "ok,fine\nbad,\xC3\x28\n"_ba << u"list.csv"_s << 2;
    QTest::newRow("NUL bytes") << QByteArray("a,b\0c\n", 6) << u"list.tsv"_s << 1;
    QByteArray binary("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 256; ++i)
        binary += char(i);
    QTest::newRow("a binary file") << binary << u"list.csv"_s << 1;
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

void TestWordListReading::hugeSingleLineIsRefused()
{
    // Reading takes linear time, well within the test's time limit.
    const QByteArray line(50 * 1024 * 1024, 'w');
    const ImportPlan plan = planImport(line, u"huge.csv"_s, ImportSettings(), 50);
    QVERIFY(plan.ok());
    compareRows(described(plan), {u"1! 50"_s});
}

void TestWordListReading::flashCardSettingsAreReported()
{
    const QByteArray bytes = "#separator:semicolon\n#deck:Spanish\n#deck:again\n#tags column:3\n"
                             "perro;dog;animal\n"_ba;
    const ImportPlan plan = planImport(bytes, u"cards.txt"_s, ImportSettings(), 50);
    QCOMPARE(plan.separator, QChar(u';'));
    QCOMPARE(plan.notes.size(), 2); // each ignored key once
    QVERIFY(plan.notes.at(0).contains(u"#deck:"_s));

    const ImportPlan html =
        planImport("perro\tdog<br>hound\n"_ba, u"cards.txt"_s, ImportSettings(), 50);
    QVERIFY(html.htmlFound);
    QVERIFY(!html.html); // found markup is only read as HTML once the user confirms it
}

QTEST_GUILESS_MAIN(TestWordListReading)
#include "TestWordListReading.moc"
