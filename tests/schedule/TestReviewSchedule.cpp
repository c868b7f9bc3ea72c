#include "schedule/ReviewSchedule.h"

#include <QTest>

using namespace lexmint;
using namespace lexmint::schedule;
using namespace Qt::StringLiterals;

namespace {

QDateTime local(const QString& text)
{
    return QDateTime::fromString(text, u"yyyy-MM-dd HH:mm"_s);
}

} // namespace

class TestReviewSchedule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ratings_data();
    void ratings();
    void calendarDays_data();
    void calendarDays();
    void dueDays_data();
    void dueDays();
};

void TestReviewSchedule::initTestCase()
{
    // Central European time, with its change to summer time on 29 March 2026.
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
}

void TestReviewSchedule::ratings_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<qint64>("durationMs");
    QTest::addColumn<int>("rating");

    QTest::newRow("wrong at once") << false << qint64(800) << int(fsrs::Rating::Again);
    QTest::newRow("right in exactly 20 s") << true << qint64(20'000) << int(fsrs::Rating::Good);
    QTest::newRow("right after 20 s") << true << qint64(20'001) << int(fsrs::Rating::Hard);
    QTest::newRow("right, not measured") << true << qint64(-1) << int(fsrs::Rating::Good);
}

void TestReviewSchedule::ratings()
{
    QFETCH(bool, right);
    QFETCH(qint64, durationMs);
    QFETCH(int, rating);
    const Answer answer{QDateTime(), right,
                        durationMs < 0 ? std::nullopt : std::optional<qint64>(durationMs)};
    QCOMPARE(int(ratingOf(answer)), rating);
}

void TestReviewSchedule::calendarDays_data()
{
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("later");
    QTest::addColumn<int>("days");

    QTest::newRow("over midnight") << u"2026-03-14 23:59"_s << u"2026-03-15 00:01"_s << 1;
    QTest::newRow("within a day") << u"2026-03-14 00:01"_s << u"2026-03-14 23:59"_s << 0;
    QTest::newRow("over the change to summer time")
        << u"2026-03-28 12:00"_s << u"2026-03-30 00:30"_s << 2;
    QTest::newRow("clock set back") << u"2026-03-14 10:00"_s << u"2026-03-12 10:00"_s << 0;
}

void TestReviewSchedule::calendarDays()
{
    QFETCH(QString, earlier);
    QFETCH(QString, later);
    QFETCH(int, days);
    LocalCalendar calendar;
    QCOMPARE(calendar.daysBetween(local(earlier), local(later).toUTC()), days);
    // Asked again, the calendar answers from what it remembers, alike.
    QCOMPARE(calendar.daysBetween(local(earlier).toUTC(), local(later)), days);
}

void TestReviewSchedule::dueDays_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("dueOn");

    // A new entry answered right goes to its 10-minute step, wrong to its 1-minute step.
    QTest::newRow("learning step before midnight")
        << QString() << u"2026-03-14 23:55"_s << true << u"2026-03-15"_s;
    QTest::newRow("learning step in the day")
        << QString() << u"2026-03-14 09:00"_s << false << u"2026-03-14"_s;
    // Its second right answer that day schedules it 2 calendar days on, although 48 hours
    // later it is a day later, the night having lost an hour.
    QTest::newRow("interval over the change to summer time")
        << u"2026-03-27 23:20"_s << u"2026-03-27 23:30"_s << true << u"2026-03-29"_s;
}

void TestReviewSchedule::dueDays()
{
    QFETCH(QString, previous);
    QFETCH(QString, moment);
    QFETCH(bool, right);
    QFETCH(QString, dueOn);

    LocalCalendar calendar;
    fsrs::MemoryState memory;
    std::optional<QDateTime> previousMoment;
    if (!previous.isEmpty()) {
        previousMoment = local(previous).toUTC();
        memory = answerReview(memory, std::nullopt, {*previousMoment, true, 1000}, calendar).memory;
    }
    const ScheduledMemory after =
        answerReview(memory, previousMoment, {local(moment).toUTC(), right, 1000}, calendar);
    QCOMPARE(after.dueOn.toString(Qt::ISODate), dueOn);
}

QTEST_GUILESS_MAIN(TestReviewSchedule)
#include "TestReviewSchedule.moc"
