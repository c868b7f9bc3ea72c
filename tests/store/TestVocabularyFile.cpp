#include "support/StoreFixture.h"

#include "store/DataSource.h"
#include "store/SqlQuery.h"
#include "store/TextKeys.h"
#include "store/VocabularyFile.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

VocabInfo defaults()
{
    VocabInfo info;
    info.flags = 3;
    info.keybHead = 0x0405;
    info.keybDef = 0x0409;
    return info;
}

QList<qint32> optionsOf(const VocabInfo& info)
{
    return {info.flags, info.keybHead, info.keybDef};
}

// What a file holds of the answer tables and memory state columns, as text to compare.
QString answerSchema(const QString& path)
{
    Database db;
    if (!db.openReadOnly(path))
        return {};
    return SqlQuery::scalar(db,
                            u"SELECT group_concat(line, char(10)) FROM ("
                            "SELECT name || ' ' || type || ' ' || \"notnull\" || ' ' || "
                            "ifnull(dflt_value, '-') AS line FROM pragma_table_info('Headwords') "
                            "WHERE cid >= 9 UNION ALL SELECT type || ' ' || name || ': ' || sql "
                            "FROM sqlite_schema WHERE name IN ('Answers', 'HeadwordsByDueOn', "
                            "'HeadwordsByStability', 'AnswersByEntry', 'AnswersByMoment', "
                            "'AnswersUnscheduled', 'EntryAnswersRemoved', 'Due Today'))"_s)
        .value_or(QVariant())
        .toString();
}

} // namespace

class TestVocabularyFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstOpeningStoresTheDefaultsOnce();
    void unreadableOptionIsReportedAndDefaulted();
    void optionsAreWrittenTogether();
    void definitionsJoinWithLineBreaks();
    void olderFilesGetTheAnswerTables();
    void dueTodayOnAFixedDay_data();
    void dueTodayOnAFixedDay();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    FakeMessageService m_messages;
    VocabInfo m_info;
};

void TestVocabularyFile::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_messages.clear();
    m_info = VocabInfo{};
}

void TestVocabularyFile::firstOpeningStoresTheDefaultsOnce()
{
    m_fixture->addEntries({u"perro|dog"_s});
    const auto layout = vocabularyfile::inspect(m_fixture->path(), m_info, defaults(), m_messages);
    QVERIFY(layout);
    QCOMPARE(optionsOf(m_info), optionsOf(defaults()));
    // The test modes are the saved queries in file order, without the two the program uses.
    QCOMPARE(layout->testModes.first(), u"Never Tested"_s);
    QVERIFY(!layout->testModes.contains(u"All"_s) && !layout->testModes.contains(u"Vocabulary"_s));

    // The next opening finds the stored values, whatever the defaults are now, and only reads.
    const QByteArray before = fileBytes(m_fixture->path());
    VocabInfo again;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), again, VocabInfo{}, m_messages));
    QCOMPARE(optionsOf(again), optionsOf(defaults()));
    QCOMPARE(fileBytes(m_fixture->path()), before);
    QVERIFY(m_messages.shown().isEmpty());
}

void TestVocabularyFile::unreadableOptionIsReportedAndDefaulted()
{
    QVERIFY(m_fixture->execRaw(u"INSERT INTO Properties VALUES ('UserKeybH', 'not a number');"
                               "INSERT INTO Properties VALUES ('UserFlags', 1);"_s));
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), m_info, defaults(), m_messages));
    QCOMPARE(optionsOf(m_info), (QList<qint32>{1, 0x0405, 0x0409}));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, u"Property Error"_s);
}

void TestVocabularyFile::optionsAreWrittenTogether()
{
    m_info = VocabInfo{m_fixture->path(), 50, 0, 0x10405, KeybCurrent, 1};
    QVERIFY(vocabularyfile::writeVocabProperties(m_info, m_messages));
    VocabInfo read;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), read, defaults(), m_messages));
    const QList<qint32> written{1, 0x10405, KeybCurrent};
    QCOMPARE(optionsOf(read), written);

    // A failure on the way leaves all three as they were.
    QVERIFY(
        m_fixture->execRaw(u"CREATE TRIGGER NoKeyboards BEFORE UPDATE ON Properties "
                           "WHEN new.Name = 'UserKeybD' BEGIN SELECT RAISE(ABORT, 'no'); END;"_s));
    m_info.flags = 2;
    QVERIFY(!vocabularyfile::writeVocabProperties(m_info, m_messages));
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), read, defaults(), m_messages));
    QCOMPARE(optionsOf(read), written);

    m_info.path = m_fixture->dir() + u"/gone.lxm"_s;
    QVERIFY(!vocabularyfile::writeVocabProperties(m_info, m_messages));
    QVERIFY(!QFile::exists(m_info.path));
}

void TestVocabularyFile::definitionsJoinWithLineBreaks()
{
    const qint64 id = m_fixture->addEntries({u"b|first|second|third"_s}).value(0);
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    DataSource definitions(u"Definitions"_s);
    definitions.setDatabase(&db);
    QVERIFY(definitions.refresh());
    QCOMPARE(vocabularyfile::getDefinitions(definitions, id, m_messages),
             u"first\r\nsecond\r\nthird"_s);
    QVERIFY(m_messages.shown().isEmpty());

    // An entry without lines is an inconsistency, with its own help topic.
    QCOMPARE(vocabularyfile::getDefinitions(definitions, 999, m_messages), QString());
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(m_messages.shown().first().text.startsWith(
        u"Inconsistency in the Lex Mint database encountered!\r"_s));
}

void TestVocabularyFile::olderFilesGetTheAnswerTables()
{
    const QString complete = answerSchema(m_fixture->path());
    m_fixture->addEntries({u"perro|dog"_s});
    // A file as the program made it before it recorded answers, with keys made another way.
    QVERIFY(m_fixture->execRaw(
        u"UPDATE Headwords SET SortKey = Headword, FoldKey = Headword;"
        "DELETE FROM Properties WHERE Name = 'KeyVersion';"
        "DROP VIEW \"Due Today\"; DROP TRIGGER EntryAnswersRemoved; DROP INDEX HeadwordsByDueOn;"
        "DROP INDEX HeadwordsByStability;"
        "DROP TABLE Answers; ALTER TABLE Headwords DROP COLUMN Stability;"
        "ALTER TABLE Headwords DROP COLUMN Difficulty; ALTER TABLE Headwords DROP COLUMN DueOn;"
        "ALTER TABLE Headwords DROP COLUMN LearningState;"
        "ALTER TABLE Headwords DROP COLUMN LearningStep;"_s));

    const auto layout = vocabularyfile::inspect(m_fixture->path(), m_info, defaults(), m_messages);
    QVERIFY(layout);
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(layout->testModes.last(), u"Due Today"_s);
    QCOMPARE(answerSchema(m_fixture->path()), complete);
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    QCOMPARE(SqlQuery::scalar(db, u"SELECT Headword FROM \"Due Today\""_s)->toString(), u"perro"_s);
    QCOMPARE(SqlQuery::scalar(db, u"SELECT SortKey FROM Headwords"_s)->toString(),
             textkeys::sortKey(u"perro"_s));
}

void TestVocabularyFile::dueTodayOnAFixedDay_data()
{
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("due");

    // Entries with a memory state come first, the one least likely to be recalled first; then
    // those without one, in dictionary order.
    QTest::newRow("two overdue") << u"2026-03-10"_s << u"a b e f"_s;
    QTest::newRow("one due on the day") << u"2026-03-14"_s << u"a b c e f"_s;
    QTest::newRow("the earlier due, the better known") << u"2026-03-20"_s << u"a c d b e f"_s;
}

void TestVocabularyFile::dueTodayOnAFixedDay()
{
    QFETCH(QString, today);
    QFETCH(QString, due);

    m_fixture->addEntries(
        {u"f|six"_s, u"e|five"_s, u"d|four"_s, u"c|three"_s, u"b|two"_s, u"a|one"_s});
    QVERIFY(m_fixture->execRaw(
        u"UPDATE Headwords SET (DueOn, Stability, LastTestedOn, LearningState) = "
        "(SELECT column2, column3, column4, 2 FROM (VALUES ('a', '2026-03-01', 2, '2026-02-27'),"
        "('b', '2026-03-10', 30, '2026-02-08'), ('c', '2026-03-14', 5, '2026-03-09'),"
        "('d', '2026-03-15', 6, '2026-03-09')) WHERE column1 = Headword) "
        "WHERE Headword < 'e'"_s));
    m_fixture->clock.setToday(QDate::fromString(today, Qt::ISODate));
    Database db;
    QVERIFY(db.open(m_fixture->path()));

    QCOMPARE(SqlQuery::scalar(db, u"SELECT group_concat(Headword, ' ') FROM \"Due Today\""_s)
                 ->toString(),
             due);
    QCOMPARE(vocabularyfile::queryRowCount(db, u"Due Today"_s, m_messages), due.count(u' ') + 1);
}

QTEST_GUILESS_MAIN(TestVocabularyFile)
#include "TestVocabularyFile.moc"
