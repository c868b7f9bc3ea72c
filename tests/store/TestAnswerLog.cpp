#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"

#include "store/AnswerLog.h"
#include "store/SqlQuery.h"
#include "store/VocabularyFile.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

// Answers as "day hour right-or-wrong", in the order they were given.
const QStringList Answers{u"2026-03-01 09 R"_s, u"2026-03-01 10 R"_s, u"2026-03-03 18 W"_s,
                          u"2026-03-04 08 R"_s, u"2026-03-09 21 R"_s};

schedule::Answer answerFrom(const QString& text)
{
    const QStringList parts = text.split(u' ');
    return {QDateTime(QDate::fromString(parts.at(0), Qt::ISODate), QTime(parts.at(1).toInt(), 0),
                      Qt::UTC),
            parts.at(2) == u"R"_s, 3000};
}

// What another tool writes: an answer without the stability that follows from it.
QString rawAnswer(qint64 entry, const QString& text)
{
    const schedule::Answer answer = answerFrom(text);
    return u"INSERT INTO Answers (Entry, Moment, WasRight, Duration) VALUES (%1, %2, %3, 3000);"_s
        .arg(entry)
        .arg(answer.moment.toMSecsSinceEpoch())
        .arg(answer.right ? 1 : 0);
}

// The memory state of an entry and the stabilities of its answers, in the order given.
QString memoryOf(Database& db, qint64 id)
{
    return SqlQuery::scalar(db,
                            u"SELECT Stability || ' ' || Difficulty || ' ' || DueOn || ' ' "
                            "|| LearningState || ' ' || LearningStep || ' | ' || "
                            "(SELECT group_concat(Stability, ' ') FROM (SELECT Stability "
                            "FROM Answers WHERE Entry = h.ID ORDER BY Moment)) "
                            "FROM Headwords AS h WHERE ID = ?"_s,
                            {id})
        .value_or(QVariant())
        .toString();
}

} // namespace

class TestAnswerLog : public QObject {
    Q_OBJECT
private slots:
    void statesAreRebuiltFromTheAnswers_data();
    void statesAreRebuiltFromTheAnswers();
    void nonsenseStateStartsAfresh();
};

void TestAnswerLog::statesAreRebuiltFromTheAnswers_data()
{
    QTest::addColumn<QList<int>>("recordedFirst");
    QTest::addColumn<QList<int>>("addedByAnotherTool");

    // Indexes into Answers.
    QTest::newRow("added out of order") << QList<int>{} << QList<int>{4, 2, 0, 3, 1};
    QTest::newRow("an earlier answer added later") << QList<int>{0, 1, 3, 4} << QList<int>{2};
}

void TestAnswerLog::statesAreRebuiltFromTheAnswers()
{
    QFETCH(QList<int>, recordedFirst);
    QFETCH(QList<int>, addedByAnotherTool);

    StoreFixture fixture;
    const QList<qint64> ids =
        fixture.addEntries({u"live|recorded as given"_s, u"late|recorded later"_s});
    {
        Database db;
        QVERIFY(db.open(fixture.path()));
        for (const QString& answer : Answers)
            QVERIFY(AnswerLog(db).record(ids.at(0), answerFrom(answer)));
        for (const int index : recordedFirst)
            QVERIFY(AnswerLog(db).record(ids.at(1), answerFrom(Answers.at(index))));
    }
    QString raw;
    for (const int index : addedByAnotherTool)
        raw += rawAnswer(ids.at(1), Answers.at(index));
    QVERIFY(fixture.execRaw(raw));

    // Opening the file computes the late entry's state as if its answers had come in order.
    QList<std::pair<qint64, qint64>> progress;
    VocabInfo info;
    FakeMessageService messages;
    QVERIFY(vocabularyfile::inspect(fixture.path(), info, VocabInfo(), messages, nullptr,
                                    [&](qint64 done, qint64 total) {
                                        progress.append({done, total});
                                    }));
    QCOMPARE(progress, (QList<std::pair<qint64, qint64>>{{1, 1}}));
    Database db;
    QVERIFY(db.open(fixture.path()));
    const QString expected = memoryOf(db, ids.at(0));
    QVERIFY2(expected.contains(u"2026-03-"_s), qPrintable(expected));
    QCOMPARE(memoryOf(db, ids.at(1)), expected);
}

void TestAnswerLog::nonsenseStateStartsAfresh()
{
    StoreFixture fixture;
    const QList<qint64> ids = fixture.addEntries({u"fresh|never answered"_s, u"odd|edited"_s});
    QVERIFY(fixture.execRaw(u"UPDATE Headwords SET Stability = -3, Difficulty = 'x', "
                            "LearningState = 7 WHERE Headword = 'odd'"_s));
    Database db;
    QVERIFY(db.open(fixture.path()));
    for (const qint64 id : ids)
        QVERIFY(AnswerLog(db).record(id, answerFrom(Answers.at(0))));
    QCOMPARE(memoryOf(db, ids.at(1)), memoryOf(db, ids.at(0)));
}

QTEST_GUILESS_MAIN(TestAnswerLog)
#include "TestAnswerLog.moc"
