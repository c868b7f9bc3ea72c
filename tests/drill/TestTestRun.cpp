#include "support/FakeMessageService.h"
#include "support/StoreFixture.h"

#include "store/SqlQuery.h"
#include "store/VocabularySources.h"
#include "drill/TestRun.h"

#include <QProcess>
#include <QTest>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

using Verdict = TestRun::Verdict;

namespace {

// In the order of every test mode: Apfel, Baum, Haus.
const QStringList Entries{u"Haus|house"_s, u"Apfel|apple"_s, u"Baum|tree"_s};
const QDate TestDay(2026, 4, 1);

} // namespace

class TestTestRun : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void walksTheModeInOrderAddingToTheStatistics();
    void answersAreRecordedWithTheirTime_data();
    void answersAreRecordedWithTheirTime();
    void unsavedAnswerIsReportedOncePerRun();
    void killedRunLeavesAnswersAndStatisticsInAgreement();
    void unreadableNextEntryEndsTheRunWithItsCause();

private:
    TestRun& run() { return *m_run; }
    QString statistics(const QString& headword) const
    {
        return entryStatistics(*m_sources->database(), headword);
    }
    QString answers() const
    {
        return SqlQuery::scalar(*m_sources->database(),
                                u"SELECT group_concat(h.Headword || ' ' || a.WasRight || ' ' || "
                                "a.Duration || ' ' || a.Moment, ', ') FROM Answers AS a "
                                "JOIN Headwords AS h ON h.ID = a.Entry"_s)
            .value_or(QVariant())
            .toString();
    }

    std::unique_ptr<StoreFixture> m_fixture;
    std::unique_ptr<VocabularySources> m_sources;
    FakeMessageService m_messages;
    TestClock m_clock{TestDay};
    std::unique_ptr<TestRun> m_run;
};

void TestTestRun::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QCOMPARE(m_fixture->addEntries(Entries).size(), Entries.size());
    m_sources = std::make_unique<VocabularySources>();
    QVERIFY(m_sources->attach(m_fixture->path()));
    m_run = std::make_unique<TestRun>(
        m_sources->testWords(), AnswerJudge(AnswerJudge::LetterCase::Ignored), m_messages, m_clock);
    m_messages.clear();
}

void TestTestRun::cleanup()
{
    QVERIFY(m_messages.allAnswersUsed());
    m_run.reset();
    m_sources.reset();
}

void TestTestRun::walksTheModeInOrderAddingToTheStatistics()
{
    QVERIFY(m_fixture->execRaw(u"UPDATE Headwords SET (Tested, Correct, LastOK) = (4, 2, 1) "
                               "WHERE Headword = 'Haus'"_s));
    QVERIFY(run().start(u"All"_s));
    QStringList walked{run().current().headword};
    run().next();
    walked.append(run().current().headword);
    run().next();
    walked.append(run().current().headword);
    QCOMPARE(walked, (QStringList{u"Apfel"_s, u"Baum"_s, u"Haus"_s}));
    QCOMPARE(run().answer(u"Haus!"_s), Verdict::Wrong);
    QCOMPARE(statistics(u"Haus"_s), u"2026-04-01 5 2 0"_s);
}

void TestTestRun::answersAreRecordedWithTheirTime_data()
{
    QTest::addColumn<qint64>("thinkingMs");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("countedAsRight"); // by the user, after the mistake was shown
    QTest::addColumn<QString>("memory");

    // A new entry starts at the stability of its first rating, and learns in short steps.
    QTest::newRow("right at once")
        << qint64(1'500) << u"Apfel"_s << false << u"2.3065 1 1 2026-04-01"_s;
    QTest::newRow("wrong") << qint64(900) << u"Apfelbaum"_s << false << u"0.212 1 0 2026-04-01"_s;
    // Rewritten as a right answer: statistics, log and memory state alike.
    QTest::newRow("wrong, counted as right")
        << qint64(1'500) << u"Apfl"_s << true << u"2.3065 1 1 2026-04-01"_s;
}

void TestTestRun::answersAreRecordedWithTheirTime()
{
    QFETCH(qint64, thinkingMs);
    QFETCH(QString, answer);
    QFETCH(bool, countedAsRight);
    QFETCH(QString, memory);

    QVERIFY(run().start(u"All"_s));
    m_clock.advance(thinkingMs);
    bool right = run().answer(answer) == Verdict::Right;
    if (countedAsRight) {
        QVERIFY(!right);
        QVERIFY(run().countLastAnswerAsRight());
        right = true;
    }
    QCOMPARE(statistics(u"Apfel"_s), right ? u"2026-04-01 1 1 1"_s : u"2026-04-01 1 0 0"_s);
    QCOMPARE(answers(),
             u"Apfel %1 %2 %3"_s.arg(right ? 1 : 0)
                 .arg(thinkingMs)
                 .arg(m_clock.now().toMSecsSinceEpoch()));
    QCOMPARE(SqlQuery::scalar(*m_sources->database(),
                              u"SELECT Stability || ' ' || LearningState || ' ' || LearningStep "
                              "|| ' ' || DueOn FROM Headwords WHERE Headword = 'Apfel'"_s)
                 ->toString(),
             memory);
}

void TestTestRun::unsavedAnswerIsReportedOncePerRun()
{
    QVERIFY(run().start(u"All"_s));
    QCOMPARE(run().answer(u"Apfel"_s), Verdict::Right);
    run().next();
    QVERIFY(SqlQuery(*m_sources->database(), u"PRAGMA query_only = ON"_s).exec());

    // The run goes on and counts every answer, but tells about the lost ones only once.
    QCOMPARE(run().answer(u"Baum"_s), Verdict::Right);
    run().next();
    QCOMPARE(run().answer(u"Hut"_s), Verdict::Wrong);
    run().next();
    QVERIFY(run().hasEnded());
    QCOMPARE((QList<qint32>{run().testedCount(), run().correctCount()}), (QList<qint32>{3, 2}));
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(m_messages.shown().constFirst().text.contains(u"read-only"_s));
    // What the file held stays whole: the answer written before, the others as they were.
    QCOMPARE((QStringList{statistics(u"Apfel"_s), statistics(u"Baum"_s), statistics(u"Haus"_s)}),
             (QStringList{u"2026-04-01 1 1 1"_s, UntestedStatistics, UntestedStatistics}));
    QVERIFY(answers().startsWith(u"Apfel 1 "_s) && !answers().contains(u','));
}

void TestTestRun::killedRunLeavesAnswersAndStatisticsInAgreement()
{
    m_run.reset();
    m_sources.reset();
    const QString path = m_fixture->path();
    Database db;
    QVERIFY(db.open(path));
    constexpr int Rounds = 6;
    for (int round = 0; round < Rounds; ++round) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(LEXMINT_ANSWER_FOREVER), {path});
        QVERIFY(child.waitForStarted());
        // It is killed once it has answered a few, at whatever point of a write it is.
        qsizetype answered = 0;
        QTRY_VERIFY_WITH_TIMEOUT((answered += child.readAllStandardOutput().size()) >= 3 + round,
                                 30'000);
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // No entry's statistics disagree with its recorded answers.
        QCOMPARE(SqlQuery::scalar(db,
                                  u"SELECT ifnull(group_concat(Headword), '') FROM (SELECT h.*, "
                                  "(SELECT count(*) FROM Answers WHERE Entry = h.ID) AS answers, "
                                  "(SELECT total(WasRight) FROM Answers WHERE Entry = h.ID) AS "
                                  "rights FROM Headwords AS h) WHERE Tested <> answers OR Correct "
                                  "<> rights"_s),
                 QVariant(QString()));
    }
    QVERIFY(SqlQuery::scalar(db, u"SELECT count(*) FROM Answers"_s)->toInt() >= 3 * Rounds);
}

void TestTestRun::unreadableNextEntryEndsTheRunWithItsCause()
{
    QVERIFY(run().start(u"All"_s));
    QCOMPARE(run().answer(u"Apfel"_s), Verdict::Right);
    QVERIFY(damageFile(m_fixture->path()));
    run().next();
    // The run cannot go on, and the user learns why instead of seeing it simply end.
    QVERIFY(run().hasEnded());
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(
        m_messages.shown().constFirst().text,
        u"The next entry could not be read, so the test ends here.\r\nfile is not a database"_s);
}

QTEST_GUILESS_MAIN(TestTestRun)
#include "TestTestRun.moc"
