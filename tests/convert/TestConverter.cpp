#include "interchange/ImportPlan.h"
#include "interchange/VocabularyReader.h"
#include "interchange/WordListRows.h"
#include "store/Database.h"
#include "support/StoreFixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString output;
    QStringList errors; ///< the lines written to standard error
};

// The entries of a vocabulary or word list as "headword | line | line".
QStringList entriesOf(const QString& path)
{
    QList<VocabularyEntry> entries;
    if (path.endsWith(u".lxm"_s)) {
        Database db;
        if (!db.openReadOnly(path))
            return {u"unreadable"_s};
        entries = vocabularyreader::read(db, u"All"_s).value_or(QList<VocabularyEntry>());
    } else {
        const ImportPlan plan = planImport(fileBytes(path), path, ImportSettings(), 0);
        if (!plan.ok())
            return {plan.error};
        entries = plan.acceptedEntries();
    }
    return entryRows(entries);
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void conversions_data();
    void conversions();
    void failuresSayWhyInOneLine_data();
    void failuresSayWhyInOneLine();
    void existingVocabularyGetsTheEntries();

private:
    Run convert(const QStringList& arguments);
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestConverter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

Run TestConverter::convert(const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(QStringLiteral(LEXMINT_CONVERT), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

void TestConverter::conversions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("spreadsheet CSV into a new vocabulary")
        << u"words.csv"_s << "\xEF\xBB\xBFWord;Meaning\r\nHaus;\"house\r\nhome\"\r\n;nothing\r\n"_ba
        << QStringList() << u"new.lxm"_s << QStringList{u"Haus | house | home"_s}
        << QStringList{u"words.csv:4: The headword is empty."_s};
    QTest::newRow("legacy code page, columns mapped, into flash cards")
        << u"old.tsv"_s << "x\tcaf\xE9\tcoffee\n"_ba
        << QStringList{u"--encoding"_s, u"windows-1252"_s,  u"--headword"_s,
                       u"2"_s,          u"--definitions"_s, u"3"_s}
        << u"cards.txt"_s << QStringList{u"caf\u00E9 | coffee"_s} << QStringList();
}

void TestConverter::conversions()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, errors);

    writeFile(m_dir->path(), input, bytes);
    const Run run = convert(options + QStringList{input, output});
    QCOMPARE(run.errors, errors);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(entriesOf(path(output)), entries);
}

void TestConverter::failuresSayWhyInOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");

    QTest::newRow("no files") << QStringList() << 2 << u"give the file"_s;
    QTest::newRow("unknown encoding")
        << QStringList{u"--encoding"_s, u"klingon"_s, u"in.csv"_s, u"out.lxm"_s} << 2
        << u"klingon"_s;
    QTest::newRow("missing input")
        << QStringList{u"none.csv"_s, u"out.lxm"_s} << 1 << u"none.csv"_s;
    QTest::newRow("into itself") << QStringList{u"in.csv"_s, u"./in.csv"_s} << 1 << u"itself"_s;
    QTest::newRow("invalid UTF-8")
        << QStringList{u"latin.csv"_s, u"out.lxm"_s} << 1 << u"latin.csv:2:"_s;
    QTest::newRow("column beyond the file")
        << QStringList{u"--headword"_s, u"9"_s, u"in.csv"_s, u"out.lxm"_s} << 1 << u"columns"_s;
    QTest::newRow("not a vocabulary")
        << QStringList{u"in.csv"_s, u"fake.lxm"_s} << 1 << u"fake.lxm"_s;
}

void TestConverter::failuresSayWhyInOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);

    writeFile(m_dir->path(), u"in.csv"_s, "a,b\n"_ba);
    writeFile(m_dir->path(), u"latin.csv"_s, "a,b\ncaf\xE9,coffee\n"_ba);
    writeFile(m_dir->path(), u"fake.lxm"_s, "not a database"_ba);
    const Run run = convert(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.errors.size(), 1);
    QVERIFY2(run.errors.constFirst().startsWith(u"lexmint-convert: "_s)
                 && run.errors.constFirst().contains(reason),
             qPrintable(run.errors.constFirst()));
    // A vocabulary made for a conversion that failed is not left behind.
    QVERIFY(!QFileInfo::exists(path(u"out.lxm"_s)));
    QCOMPARE(fileBytes(path(u"fake.lxm"_s)), "not a database"_ba);
}

void TestConverter::existingVocabularyGetsTheEntries()
{
    const QString vocabulary = makeVocabulary(m_dir->path(), u"mine.lxm"_s, {u"Haus|house"_s});
    writeFile(m_dir->path(), u"more.csv"_s, "Haus,home\nBaum,tree\n"_ba);

    const Run skipping = convert({u"--duplicates"_s, u"skip"_s, u"more.csv"_s, u"mine.lxm"_s});
    QCOMPARE(skipping.exitCode, 0);
    QCOMPARE(entriesOf(vocabulary), (QStringList{u"Baum | tree"_s, u"Haus | house"_s}));

    const Run merging = convert({u"more.csv"_s, u"mine.lxm"_s});
    QCOMPARE(merging.exitCode, 0);
    QVERIFY(merging.output.contains(u"0 added, 1 merged"_s));
    QCOMPARE(entriesOf(vocabulary), (QStringList{u"Baum | tree"_s, u"Haus | house | home"_s}));
}

QTEST_GUILESS_MAIN(TestConverter)
#include "TestConverter.moc"
