#include "support/StoreFixture.h"

#include "store/AnswerLog.h"
#include "store/EntryWriter.h"
#include "store/SqlQuery.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// The entry's answers and its memory state, as text.
QString answersOf(Database& db, qint64 id)
{
    return SqlQuery::scalar(db,
                            u"SELECT (SELECT group_concat(Moment || ':' || WasRight, ' ') "
                            "FROM Answers WHERE Entry = h.ID) || ' | ' || Stability || ' ' "
                            "|| Difficulty || ' ' || DueOn || ' ' || LearningState "
                            "FROM Headwords AS h WHERE ID = ?"_s,
                            {id})
        .value_or(QVariant())
        .toString();
}

void answer(Database& db, qint64 id, const QString& moment, bool right)
{
    QVERIFY(AnswerLog(db).record(id, {QDateTime::fromString(moment, Qt::ISODate), right, 1500}));
}

QStringList linesOf(Database& db, qint64 id)
{
    SqlQuery query(db, u"SELECT Definition FROM Definitions WHERE ID = ? ORDER BY rowid"_s);
    QStringList lines;
    if (query.exec({id}))
        while (query.next())
            lines.append(query.value(0).toString());
    return lines;
}

} // namespace

class TestEntryWriter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entryRules_data();
    void entryRules();
    void failureHalfwayLeavesTheEntriesAsTheyWere();
    void replacementKeepsStatisticsUnderANewId();
    void deletingTakesTheLinesAlong();

private:
    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<EntryWriter> m_writer;
};

void TestEntryWriter::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_db = std::make_unique<Database>();
    QVERIFY(m_db->open(m_fixture->path()));
    m_writer = std::make_unique<EntryWriter>(*m_db, m_fixture->clock);
}

void TestEntryWriter::entryRules_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("headword of blanks") << u" \t\u00a0"_s << QStringList{u"x"_s} << false;
    QTest::newRow("27 lines") << u"h"_s << QStringList(27, u"x"_s) << false;
    QTest::newRow("101 characters last")
        << u"h"_s << QStringList{u"x"_s, QString(101, u'd')} << false;
    // A headword keeps its blanks.
    QTest::newRow("at the limits")
        << u" "_s + QString(48, u'h') + u" "_s << QStringList(26, QString(100, u'd')) << true;
}

void TestEntryWriter::entryRules()
{
    QFETCH(QString, headword);
    QFETCH(QStringList, lines);
    QFETCH(bool, accepted);
    StoreError error;
    const std::optional<qint64> id = m_writer->addEntry(headword, lines, &error);
    QCOMPARE(id.has_value(), accepted);
    if (!accepted) {
        QCOMPARE(error.kind, StoreError::Kind::InvalidValue);
        QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Headwords"_s), 0);
        QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Definitions"_s), 0);
        return;
    }
    QCOMPARE(SqlQuery::scalar(*m_db, u"SELECT Headword FROM Headwords"_s)->toString(), headword);
    QCOMPARE(linesOf(*m_db, *id), lines);
}

void TestEntryWriter::failureHalfwayLeavesTheEntriesAsTheyWere()
{
    QVERIFY(m_writer->addEntry(u"gato"_s, {u"cat"_s, u"tomcat"_s}));
    // The engine fails after some lines of a new entry are written.
    QVERIFY(m_fixture->execRaw(
        u"CREATE TRIGGER Full BEFORE INSERT ON Definitions "
        "WHEN new.Definition = 'third' BEGIN SELECT RAISE(ABORT, 'disk full'); END;"_s));
    StoreError error;
    QVERIFY(!m_writer->addEntry(u"h"_s, {u"first"_s, u"second"_s, u"third"_s}, &error));
    QCOMPARE(error.kind, StoreError::Kind::Engine);
    QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Headwords"_s), 1);
    QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Definitions"_s), 2);
    QCOMPARE(queryNumber(*m_db, u"SELECT Lines FROM Headwords"_s), 2);
}

void TestEntryWriter::replacementKeepsStatisticsUnderANewId()
{
    const qint64 oldId = m_writer->addEntry(u"perro"_s, {u"dog"_s}).value();
    const qint64 other = m_writer->addEntry(u"gato"_s, {u"cat"_s}).value();
    answer(*m_db, oldId, u"2026-01-30T10:00:00Z"_s, true);
    answer(*m_db, other, u"2026-01-31T10:00:00Z"_s, true);
    answer(*m_db, oldId, u"2026-02-01T10:00:00Z"_s, false);
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET LastTestedOn = '2026-02-01', Tested = 7, "
                               "Correct = 3, LastOK = 0 WHERE Headword = 'perro'"_s));
    const QString answers = answersOf(*m_db, oldId);
    const auto replaced = m_writer->replaceEntry(oldId, u"el perro"_s, {u"dog"_s, u"hound"_s});
    QVERIFY(replaced && !replaced->previousMissing);
    QVERIFY(replaced->newId > oldId);
    QCOMPARE(entryStatistics(*m_db, u"el perro"_s), u"2026-02-01 7 3 0"_s);
    // The answers and the memory state that follows from them go to the new entry.
    QVERIFY(answers.contains(u":0 | "_s));
    QCOMPARE(answersOf(*m_db, replaced->newId), answers);
    QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Answers"_s), 3);
    QCOMPARE(linesOf(*m_db, replaced->newId), (QStringList{u"dog"_s, u"hound"_s}));
    QVERIFY(linesOf(*m_db, oldId).isEmpty());
}

void TestEntryWriter::deletingTakesTheLinesAlong()
{
    const qint64 keep = m_writer->addEntry(u"a"_s, {u"one"_s}).value();
    const qint64 drop = m_writer->addEntry(u"b"_s, {u"two"_s, u"three"_s}).value();
    for (const qint64 id : {keep, drop})
        answer(*m_db, id, u"2026-02-01T10:00:00Z"_s, true);
    QVERIFY(m_writer->deleteEntry(drop));
    QCOMPARE(queryNumber(*m_db, u"SELECT count(*) FROM Definitions"_s), 1);
    QCOMPARE(linesOf(*m_db, keep), QStringList{u"one"_s});
    QCOMPARE(queryNumber(*m_db, u"SELECT group_concat(Entry) FROM Answers"_s), keep);
}

QTEST_GUILESS_MAIN(TestEntryWriter)
#include "TestEntryWriter.moc"
