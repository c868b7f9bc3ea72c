#include "support/StoreFixture.h"

#include "store/AnswerLog.h"
#include "store/EntryWriter.h"
#include "store/SearchKeys.h"
#include "store/SqlQuery.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

int count(Database& db, const QString& sql)
{
    return SqlQuery::scalar(db, sql).value_or(-1).toInt();
}

QVariantList statistics(Database& db, qint64 id)
{
    SqlQuery query(db,
                   u"SELECT LastTestedOn, Tested, Correct, LastOK FROM Headwords "
                   "WHERE ID = ?"_s);
    if (!query.exec({id}) || !query.next())
        return {};
    return {query.value(0), query.value(1), query.value(2), query.value(3)};
}

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

int answerCount(Database& db)
{
    return SqlQuery::scalar(db, u"SELECT count(*) FROM Answers"_s).value_or(-1).toInt();
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
    void refusesBadEntriesWithoutWriting_data();
    void refusesBadEntriesWithoutWriting();
    void keepsEntriesAtTheirLimits();
    void newEntriesGetTheKeysOfTheirHeadwords();
    void failureHalfwayLeavesNothing();
    void replacementKeepsStatisticsUnderANewId();
    void failedReplacementKeepsTheOldEntryWhole();
    void deletingTakesTheLinesAlong();
    void readOnlyFileIsReportedAndUnchanged();

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

void TestEntryWriter::refusesBadEntriesWithoutWriting_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no headword") << QString() << QStringList{u"x"_s};
    QTest::newRow("headword of blanks") << u" \t\u00a0"_s << QStringList{u"x"_s};
    QTest::newRow("headword too long") << QString(51, u'h') << QStringList{u"x"_s};
    QTest::newRow("headword too long, in characters of two units")
        << u"\U0001F600"_s.repeated(51) << QStringList{u"x"_s};
    QTest::newRow("no lines") << u"h"_s << QStringList{};
    QTest::newRow("27 lines") << u"h"_s << QStringList(27, u"x"_s);
    QTest::newRow("empty line among good ones") << u"h"_s << QStringList{u"x"_s, QString(), u"y"_s};
    QTest::newRow("101 characters last") << u"h"_s << QStringList{u"x"_s, QString(101, u'd')};
}

void TestEntryWriter::refusesBadEntriesWithoutWriting()
{
    QFETCH(QString, headword);
    QFETCH(QStringList, lines);
    StoreError error;
    QVERIFY(!m_writer->addEntry(headword, lines, &error));
    QCOMPARE(error.kind, StoreError::Kind::InvalidValue);
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Headwords"_s), 0);
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Definitions"_s), 0);
    QVERIFY(m_writer->addEntry(u"h"_s, QStringList(26, u"x"_s)));
}

void TestEntryWriter::keepsEntriesAtTheirLimits()
{
    // Lengths count characters, one of two UTF-16 units once; a headword keeps its blanks.
    const QString emoji = u"\U0001F600"_s;
    const qint64 id =
        m_writer->addEntry(u" "_s + emoji.repeated(48) + u" "_s, {emoji.repeated(100)}).value_or(0);
    QCOMPARE(linesOf(*m_db, id), QStringList{emoji.repeated(100)});
    QCOMPARE(count(*m_db, u"SELECT length(Headword) FROM Headwords WHERE ID = %1"_s.arg(id)), 50);
}

void TestEntryWriter::newEntriesGetTheKeysOfTheirHeadwords()
{
    // Accents composed and apart, letter case, and words that tie but for case.
    for (const QString& headword : {u"\u00c9clair"_s, u"E\u0301clair"_s, u"\u00e9clair"_s,
                                    u"ECLAIR"_s, u"Stra\u00dfe"_s, u"STRASSE"_s})
        QVERIFY(m_writer->addEntry(headword, {u"x"_s}));
    QVERIFY(m_writer->addEntry(u"alt"_s, {u"old"_s}, EntryStatistics{QDate(2025, 1, 1), 2, 1, 1}));
    const auto keys = [this] {
        return SqlQuery::scalar(*m_db,
                                u"SELECT group_concat(FoldKey || ' ' || SortKey, ' | ') "
                                "FROM (SELECT * FROM Headwords ORDER BY ID)"_s)
            ->toString();
    };
    const QString written = keys();
    // The keys made again, one entry at a time, as for entries another tool added.
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET FoldKey = NULL, SortKey = NULL"_s));
    QVERIFY(searchkeys::update(*m_db));
    QCOMPARE(keys(), written);
}

void TestEntryWriter::failureHalfwayLeavesNothing()
{
    QVERIFY(m_fixture->execRaw(
        u"CREATE TRIGGER Full BEFORE INSERT ON Definitions "
        "WHEN new.Definition = 'third' BEGIN SELECT RAISE(ABORT, 'disk full'); END;"_s));
    StoreError error;
    QVERIFY(!m_writer->addEntry(u"h"_s, {u"first"_s, u"second"_s, u"third"_s}, &error));
    QCOMPARE(error.kind, StoreError::Kind::Engine);
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Headwords"_s), 0);
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Definitions"_s), 0);
}

void TestEntryWriter::replacementKeepsStatisticsUnderANewId()
{
    const QVariantList stats{u"2026-02-01"_s, 7, 3, 0};
    const qint64 oldId = m_writer->addEntry(u"perro"_s, {u"dog"_s}).value();
    const qint64 other = m_writer->addEntry(u"gato"_s, {u"cat"_s}).value();
    answer(*m_db, oldId, u"2026-01-30T10:00:00Z"_s, true);
    answer(*m_db, other, u"2026-01-31T10:00:00Z"_s, true);
    answer(*m_db, oldId, u"2026-02-01T10:00:00Z"_s, false);
    QVERIFY(SqlQuery(*m_db,
                     u"UPDATE Headwords SET LastTestedOn = ?, Tested = ?, "
                     "Correct = ?, LastOK = ? WHERE ID = ?"_s)
                .exec(stats + QVariantList{oldId}));
    const QString answers = answersOf(*m_db, oldId);
    const auto replaced = m_writer->replaceEntry(oldId, u"el perro"_s, {u"dog"_s, u"hound"_s});
    QVERIFY(replaced);
    QVERIFY(!replaced->previousMissing);
    QVERIFY(replaced->newId > oldId);
    QCOMPARE(statistics(*m_db, replaced->newId), stats);
    // The answers and the memory state that follows from them go to the new entry.
    QVERIFY(answers.contains(u":0 | "_s));
    QCOMPARE(answersOf(*m_db, replaced->newId), answers);
    QCOMPARE(answerCount(*m_db), 3);
    QCOMPARE(linesOf(*m_db, replaced->newId), (QStringList{u"dog"_s, u"hound"_s}));
    QVERIFY(statistics(*m_db, oldId).isEmpty());
    QVERIFY(linesOf(*m_db, oldId).isEmpty());

    // IDs are never handed out twice, even after the newest entry is deleted.
    QVERIFY(m_writer->deleteEntry(replaced->newId));
    QVERIFY(m_writer->addEntry(u"x"_s, {u"y"_s}).value() > replaced->newId);
}

void TestEntryWriter::failedReplacementKeepsTheOldEntryWhole()
{
    const qint64 oldId = m_writer->addEntry(u"gato"_s, {u"cat"_s, u"tomcat"_s}).value();
    // The engine fails between writing the new entry and removing the old one.
    QVERIFY(m_fixture->execRaw(u"CREATE TRIGGER Crash BEFORE DELETE ON Headwords "
                               "BEGIN SELECT RAISE(ABORT, 'crash'); END;"_s));
    StoreError error;
    QVERIFY(!m_writer->replaceEntry(oldId, u"el gato"_s, {u"cat"_s}, &error));
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Headwords"_s), 1);
    QCOMPARE(linesOf(*m_db, oldId), (QStringList{u"cat"_s, u"tomcat"_s}));
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Definitions"_s), 2);
    QCOMPARE(count(*m_db, u"SELECT Lines FROM Headwords"_s), 2);
}

void TestEntryWriter::deletingTakesTheLinesAlong()
{
    const qint64 keep = m_writer->addEntry(u"a"_s, {u"one"_s}).value();
    const qint64 drop = m_writer->addEntry(u"b"_s, {u"two"_s, u"three"_s}).value();
    const qint64 dropByAnotherTool = m_writer->addEntry(u"c"_s, {u"four"_s}).value();
    for (const qint64 id : {keep, drop, dropByAnotherTool})
        answer(*m_db, id, u"2026-02-01T10:00:00Z"_s, true);
    QVERIFY(m_writer->deleteEntry(drop));
    QVERIFY(m_fixture->execRaw(u"DELETE FROM Headwords WHERE ID = %1"_s.arg(dropByAnotherTool)));
    QCOMPARE(count(*m_db, u"SELECT count(*) FROM Definitions"_s), 1);
    QCOMPARE(linesOf(*m_db, keep), QStringList{u"one"_s});
    QCOMPARE(count(*m_db, u"SELECT group_concat(Entry) FROM Answers"_s), keep);
    StoreError error;
    QVERIFY(!m_writer->deleteEntry(drop, &error));
    QCOMPARE(error.kind, StoreError::Kind::RowMissing);
}

void TestEntryWriter::readOnlyFileIsReportedAndUnchanged()
{
    const qint64 id = m_writer->addEntry(u"a"_s, {u"one"_s}).value();
    m_writer.reset();
    m_db->close();
    const QByteArray before = fileBytes(m_fixture->path());
    QVERIFY(m_db->openReadOnly(m_fixture->path()));
    EntryWriter writer(*m_db, m_fixture->clock);
    StoreError error;
    QVERIFY(!writer.addEntry(u"b"_s, {u"two"_s}, &error));
    QCOMPARE(error.kind, StoreError::Kind::ReadOnly);
    QVERIFY(!writer.replaceEntry(id, u"c"_s, {u"three"_s}, &error));
    QCOMPARE(error.kind, StoreError::Kind::ReadOnly);
    QVERIFY(!writer.deleteEntry(id, &error));
    m_db->close();
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

QTEST_GUILESS_MAIN(TestEntryWriter)
#include "TestEntryWriter.moc"
