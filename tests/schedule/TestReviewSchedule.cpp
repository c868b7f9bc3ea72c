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
    void ratingsFollowRightnessAndTime();
    void calendarDaysAreLocalDays();
    void dueDaysAreCalendarDays();
};

void TestReviewSchedule::initTestCase()
{
    // Central European time, with its change to summer time on 29 March 2026.
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
}

void TestReviewSchedule::ratingsFollowRightnessAndTime()
{
    QCOMPARE(int(ratingOf({QDateTime(), false, 800})), int(fsrs::Rating::Again));
    QCOMPARE(int(ratingOf({QDateTime(), true, 20'000})), int(fsrs::Rating::Good));
    QCOMPARE(int(ratingOf({QDateTime(), true, 20'001})), int(fsrs::Rating::Hard));
    QCOMPARE(int(ratingOf({QDateTime(), true, std::nullopt})), int(fsrs::Rating::Good));
}

void TestReviewSchedule::calendarDaysAreLocalDays()
{
    LocalCalendar calendar;
    QCOMPARE(calendar.daysBetween(local(u"2026-03-14 23:59"_s), local(u"2026-03-15 00:01"_s)), 1);
    const QDateTime saturday = local(u"2026-03-28 12:00"_s);
    const QDateTime monday = local(u"2026-03-30 00:30"_s);
    QCOMPARE(calendar.daysBetween(saturday, monday.toUTC()), 2);
    // Asked again, the calendar answers from what it remembers, alike.
    QCOMPARE(calendar.daysBetween(saturday.toUTC(), monday), 2);
}

void TestReviewSchedule::dueDaysAreCalendarDays()
{
    LocalCalendar calendar;
    // A new entry answered right goes to its 10-minute step, here after midnight.
    const Answer late{local(u"2026-03-14 23:55"_s).toUTC(), true, 1000};
    QCOMPARE(answerReview({}, std::nullopt, late, calendar).dueOn, QDate(2026, 3, 15));
    // Its second right answer that day schedules it 2 calendar days on, although 48 hours
    // later it is a day later, the night having lost an hour.
    const Answer first{local(u"2026-03-27 23:20"_s).toUTC(), true, 1000};
    const Answer second{local(u"2026-03-27 23:30"_s).toUTC(), true, 1000};
    const fsrs::MemoryState learning = answerReview({}, std::nullopt, first, calendar).memory;
    QCOMPARE(answerReview(learning, first.moment, second, calendar).dueOn, QDate(2026, 3, 29));
}

QTEST_GUILESS_MAIN(TestReviewSchedule)
#include "TestReviewSchedule.moc"
