#include "support/StoreFixture.h"

#include "store/AnswerLog.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"
#include "support/FakeMessageService.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

const VocabInfo Defaults{QString(), 0, 0, 0x0405, 0x0409, 3};

QList<qint32> optionsOf(const VocabInfo& info)
{
    return {info.flags, info.keybHead, info.keybDef};
}

} // namespace

class TestVocabularyFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstOpeningStoresTheDefaultsOnce();
    void optionsAreWrittenTogether();
    void olderFilesGetTheAnswerTables();
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
    const auto layout = vocabularyfile::inspect(m_fixture->path(), m_info, Defaults, m_messages);
    QVERIFY(layout);
    QCOMPARE(optionsOf(m_info), optionsOf(Defaults));
    QCOMPARE(layout->testModes.first(), u"Never Tested"_s);

    // The next opening finds the stored values, whatever the defaults are now, and only reads.
    const QByteArray before = fileBytes(m_fixture->path());
    VocabInfo again;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), again, VocabInfo{}, m_messages));
    QCOMPARE(optionsOf(again), optionsOf(Defaults));
    QCOMPARE(fileBytes(m_fixture->path()), before);
    QVERIFY(m_messages.shown().isEmpty());
}

void TestVocabularyFile::optionsAreWrittenTogether()
{
    m_info = VocabInfo{m_fixture->path(), 50, 0, 0x10405, KeybCurrent, 1};
    QVERIFY(vocabularyfile::writeVocabProperties(m_info, m_messages));
    VocabInfo read;
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), read, Defaults, m_messages));
    const QList<qint32> written{1, 0x10405, KeybCurrent};
    QCOMPARE(optionsOf(read), written);

    // A failure on the way leaves all three as they were.
    QVERIFY(
        m_fixture->execRaw(u"CREATE TRIGGER NoKeyboards BEFORE UPDATE ON Properties "
                           "WHEN new.Name = 'UserKeybD' BEGIN SELECT RAISE(ABORT, 'no'); END;"_s));
    m_info.flags = 2;
    QVERIFY(!vocabularyfile::writeVocabProperties(m_info, m_messages));
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(vocabularyfile::inspect(m_fixture->path(), read, Defaults, m_messages));
    QCOMPARE(optionsOf(read), written);
}

void TestVocabularyFile::olderFilesGetTheAnswerTables()
{
    const qint64 id = m_fixture->addEntries({u"perro|dog"_s}).value(0);
    // A file as the program made it before it recorded answers.
    QVERIFY(m_fixture->execRaw(
        u"DROP VIEW \"Due Today\"; DROP TRIGGER EntryAnswersRemoved; DROP INDEX HeadwordsByDueOn;"
        "DROP INDEX HeadwordsByStability;"
        "DROP TABLE Answers; ALTER TABLE Headwords DROP COLUMN Stability;"
        "ALTER TABLE Headwords DROP COLUMN Difficulty; ALTER TABLE Headwords DROP COLUMN DueOn;"
        "ALTER TABLE Headwords DROP COLUMN LearningState;"
        "ALTER TABLE Headwords DROP COLUMN LearningStep;"_s));

    const auto layout = vocabularyfile::inspect(m_fixture->path(), m_info, Defaults, m_messages);
    QVERIFY(layout);
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(layout->testModes.last(), u"Due Today"_s);
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    QCOMPARE(SqlQuery::scalar(db, u"SELECT Headword FROM \"Due Today\""_s)->toString(), u"perro"_s);
    const QDateTime moment = QDateTime::fromString(u"2026-03-01T09:00:00Z"_s, Qt::ISODate);
    QVERIFY(AnswerLog(db).record(id, {moment, true, 3000}));
    const QString dueOn = SqlQuery::scalar(db, u"SELECT DueOn FROM Headwords"_s)->toString();
    QVERIFY2(dueOn.startsWith(u"2026-03-"_s), qPrintable(dueOn));
}

void TestVocabularyFile::dueTodayOnAFixedDay()
{
    m_fixture->addEntries(
        {u"f|six"_s, u"e|five"_s, u"d|four"_s, u"c|three"_s, u"b|two"_s, u"a|one"_s});
    QVERIFY(m_fixture->execRaw(
        u"UPDATE Headwords SET (DueOn, Stability, LastTestedOn, LearningState) = "
        "(SELECT column2, column3, column4, 2 FROM (VALUES ('a', '2026-03-01', 2, '2026-02-27'),"
        "('b', '2026-03-10', 30, '2026-02-08'), ('c', '2026-03-14', 5, '2026-03-09'),"
        "('d', '2026-03-25', 6, '2026-03-09')) WHERE column1 = Headword) "
        "WHERE Headword < 'e'"_s));
    m_fixture->clock.setToday(QDate(2026, 3, 20));
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    // Entries with a memory state that are due come first, the one least likely to be recalled
    // first, so "b", due earlier but better known, after "c"; then those without one, in
    // dictionary order.
    QCOMPARE(SqlQuery::scalar(db, u"SELECT group_concat(Headword, ' ') FROM \"Due Today\""_s)
                 ->toString(),
             u"a c b e f"_s);
    QCOMPARE(vocabularyfile::queryRowCount(db, u"Due Today"_s, m_messages), 5);
}

QTEST_GUILESS_MAIN(TestVocabularyFile)
#include "TestVocabularyFile.moc"
