#include "support/StoreFixture.h"

#include "progress/ProgressReport.h"

#include <QTest>

#include <numeric>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

using Strengths = ProgressReport::Strengths;

// Local time in New York, five hours behind UTC in March until the 8th, four after.
const QByteArray NewYork = "EST5EDT,M3.2.0,M11.1.0";

// An answer given at a local time, with the stability it left.
QString answer(const QString& entry, const QString& localTime, bool right, double stability)
{
    const QDateTime moment = QDateTime::fromString(localTime, u"yyyy-MM-dd HH:mm"_s);
    return u"INSERT INTO Answers (Entry, Moment, WasRight, Stability) SELECT ID, %1, %2, %3 "
           "FROM Headwords WHERE Headword = '%4';"_s.arg(moment.toMSecsSinceEpoch())
               .arg(right ? 1 : 0)
               .arg(stability)
               .arg(entry);
}

QString state(const QString& entry, const QString& stability, const QString& dueOn)
{
    return u"UPDATE Headwords SET Stability = %1, DueOn = %2 WHERE Headword = '%3';"_s.arg(
        stability, dueOn, entry);
}

} // namespace

class TestProgressReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TZ", NewYork); }
    void init();
    void answersCountOnLocalDays();
    void strengthsNowAndMonthAgo();
    void reviewsDuePerDay();
    void scheduleCounts();

private:
    ProgressReport read();

    std::unique_ptr<StoreFixture> m_fixture;
};

void TestProgressReport::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    m_fixture->clock.setNow(QDateTime(QDate(2026, 3, 14), QTime(12, 0)));
    QCOMPARE(m_fixture->addEntries({u"a|1"_s, u"b|2"_s, u"c|3"_s, u"d|4"_s, u"e|5"_s}).size(), 5);
}

ProgressReport TestProgressReport::read()
{
    Database db;
    if (!db.open(m_fixture->path()))
        return {};
    return readProgress(db, m_fixture->clock).value_or(ProgressReport());
}

void TestProgressReport::answersCountOnLocalDays()
{
    QVERIFY(m_fixture->execRaw(
        answer(u"a"_s, u"2026-03-14 00:01"_s, true, 1)
        + answer(u"b"_s, u"2026-03-14 11:59"_s, false, 1)
        // Yesterday evening in New York, though already today in UTC.
        + answer(u"a"_s, u"2026-03-13 23:30"_s, true, 1)
        + answer(u"c"_s, u"2025-12-15 00:00"_s, true, 1)    // 89 days before today: the first day
        + answer(u"d"_s, u"2025-12-14 23:59"_s, true, 1))); // the day before: not shown
    const ProgressReport report = read();
    QCOMPARE(report.firstAnswerDay(), QDate(2025, 12, 15));
    QCOMPARE(report.answersPerDay.last().right, 1);
    QCOMPARE(report.answersPerDay.last().wrong, 1);
    QCOMPARE(report.answersPerDay.at(88).right, 1);
    QCOMPARE(report.answersPerDay.first().right, 1);
    int shown = 0;
    for (const ProgressReport::Answers& day : report.answersPerDay)
        shown += day.total();
    QCOMPARE(shown, 4);
    // Weeks end today; the oldest of the 90 days makes a week of six.
    QCOMPARE(report.answersPerWeek.last().total(), 3);
    QCOMPARE(report.answersPerWeek.first().total(), 1);
    QCOMPARE(report.weekStart(12), QDate(2026, 3, 8));
    QCOMPARE(report.weekStart(0), report.firstAnswerDay());
}

void TestProgressReport::strengthsNowAndMonthAgo()
{
    // a: known a month ago, well known now; b: learning then, known now; c: first answered
    // this month; d: known then, forgotten since; e: never answered.
    QVERIFY(
        m_fixture->execRaw(answer(u"a"_s, u"2026-02-01 10:00"_s, true, 40)
                           + answer(u"a"_s, u"2026-03-10 10:00"_s, true, 120)
                           + answer(u"b"_s, u"2026-02-11 23:00"_s, true, 5)
                           + answer(u"b"_s, u"2026-02-12 10:00"_s, true, 21)
                           + answer(u"c"_s, u"2026-03-01 10:00"_s, true, 3)
                           + answer(u"d"_s, u"2026-01-01 10:00"_s, true, 100)
                           + answer(u"d"_s, u"2026-03-02 10:00"_s, false, 4)
                           + state(u"a"_s, u"120"_s, u"NULL"_s) + state(u"b"_s, u"21"_s, u"NULL"_s)
                           + state(u"c"_s, u"3"_s, u"NULL"_s) + state(u"d"_s, u"4"_s, u"NULL"_s)));
    const ProgressReport report = read();
    QCOMPARE(report.strengthToday, (Strengths{1, 2, 1, 1}));
    QCOMPARE(report.strengthBefore, (Strengths{2, 1, 1, 1}));
}

void TestProgressReport::reviewsDuePerDay()
{
    QVERIFY(m_fixture->execRaw(
        state(u"a"_s, u"2"_s, u"'2026-01-02'"_s) + state(u"b"_s, u"2"_s, u"'2026-03-14'"_s)
        + state(u"c"_s, u"2"_s, u"'2026-04-12'"_s) + state(u"d"_s, u"2"_s, u"'2026-04-13'"_s)));
    const ProgressReport report = read();
    QCOMPARE(report.duePerDay.size(), ProgressReport::DueDays);
    QCOMPARE(report.duePerDay.first(), 2); // today's and the overdue one
    QCOMPARE(report.duePerDay.last(), 1);  // 29 days on; 30 days on is beyond the chart
    QCOMPARE(std::accumulate(report.duePerDay.cbegin(), report.duePerDay.cend(), qint64(0)), 3);
}

void TestProgressReport::scheduleCounts()
{
    QVERIFY(m_fixture->execRaw(state(u"a"_s, u"21"_s, u"'2026-03-15'"_s)
                               + state(u"b"_s, u"20.99"_s, u"'2026-03-14'"_s)
                               + state(u"c"_s, u"400"_s, u"'2025-03-14'"_s)));
    Database db;
    QVERIFY(db.open(m_fixture->path()));
    const std::optional<ScheduleCounts> counts = readScheduleCounts(db, QDate(2026, 3, 14));
    QVERIFY(counts);
    QCOMPARE(counts->dueToday, 2);
    QCOMPARE(counts->known, 2);
}

QTEST_GUILESS_MAIN(TestProgressReport)
#include "TestProgressReport.moc"
