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
    QStringList errors; ///< the lines written to standard error
};

// The entries of a vocabulary as "headword | line | line".
QStringList entriesOf(const QString& path)
{
    Database db;
    if (!db.openReadOnly(path))
        return {u"unreadable"_s};
    return entryRows(vocabularyreader::read(db, u"All"_s).value_or(QList<VocabularyEntry>()));
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryWord();
    void failuresWriteNothing_data();
    void failuresWriteNothing();
    void existingVocabularyGetsTheEntries();

private:
    Run convert(const QStringList& arguments);

    QTemporaryDir m_dir; // shared: every case writes files of its own names
};

Run TestConverter::convert(const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(LEXMINT_CONVERT), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

void TestConverter::roundTripKeepsEveryWord()
{
    writeFile(
        m_dir.path(), u"words.csv"_s,
        "\xEF\xBB\xBFWord;Meaning\r\nHaus;\"house\r\nhome\"\r\n;nothing\r\ncaf\xC3\xA9;coffee\r\n"_ba);
    const Run in = convert({u"words.csv"_s, u"new.lxm"_s});
    QCOMPARE(in.errors, QStringList{u"words.csv:4: The headword is empty."_s});
    QCOMPARE(in.exitCode, 0);
    const QStringList entries{u"caf\u00E9 | coffee"_s, u"Haus | house | home"_s};
    QCOMPARE(entriesOf(m_dir.filePath(u"new.lxm"_s)), entries);

    QCOMPARE(convert({u"new.lxm"_s, u"cards.txt"_s}).exitCode, 0);
    QCOMPARE(convert({u"cards.txt"_s, u"back.lxm"_s}).exitCode, 0);
    QCOMPARE(entriesOf(m_dir.filePath(u"back.lxm"_s)), entries);
}

void TestConverter::failuresWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("into itself") << QStringList{u"in.csv"_s, u"./in.csv"_s} << u"itself"_s;
    QTest::newRow("invalid UTF-8 after a good row")
        << QStringList{u"latin.csv"_s, u"out.lxm"_s} << u"latin.csv:2:"_s;
    QTest::newRow("not a vocabulary") << QStringList{u"in.csv"_s, u"fake.lxm"_s} << u"fake.lxm"_s;
}

void TestConverter::failuresWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);

    writeFile(m_dir.path(), u"in.csv"_s, "a,b\n"_ba);
    writeFile(m_dir.path(), u"latin.csv"_s, "a,b\ncaf\xE9,coffee\n"_ba);
    writeFile(m_dir.path(), u"fake.lxm"_s, "not a database"_ba);
    const Run run = convert(arguments);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errors.size(), 1);
    QVERIFY2(run.errors.constFirst().contains(reason), qPrintable(run.errors.constFirst()));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(u"out.lxm"_s)));
    QCOMPARE(fileBytes(m_dir.filePath(u"in.csv"_s)), "a,b\n"_ba);
    QCOMPARE(fileBytes(m_dir.filePath(u"fake.lxm"_s)), "not a database"_ba);
}

void TestConverter::existingVocabularyGetsTheEntries()
{
    const QString vocabulary = makeVocabulary(m_dir.path(), u"mine.lxm"_s, {u"Haus|house"_s});
    writeFile(m_dir.path(), u"more.csv"_s, "Haus,home\nBaum,tree\n"_ba);
    QCOMPARE(convert({u"more.csv"_s, u"mine.lxm"_s}).exitCode, 0);
    QCOMPARE(entriesOf(vocabulary), (QStringList{u"Baum | tree"_s, u"Haus | house | home"_s}));
}

QTEST_GUILESS_MAIN(TestConverter)
#include "TestConverter.moc"
