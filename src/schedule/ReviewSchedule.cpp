#include "schedule/ReviewSchedule.h"

namespace lexmint::schedule {

namespace {

constexpr qint64 DayMs = 24 * 60 * 60 * 1000;
constexpr qint64 UnixEpochJulianDay = 2440588;

qint64 daysSinceEpoch(qint64 ms)
{
    return ms / DayMs - (ms % DayMs < 0 ? 1 : 0);
}

int localOffset(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toLocalTime().offsetFromUtc();
}

} // namespace

fsrs::Rating ratingOf(const Answer& answer)
{
    if (!answer.right)
        return fsrs::Rating::Again;
    return answer.durationMs.value_or(0) > SlowAnswerMs ? fsrs::Rating::Hard : fsrs::Rating::Good;
}

QDate LocalCalendar::dateOf(const QDateTime& moment)
{
    const qint64 ms = moment.toMSecsSinceEpoch();
    const qint64 day = daysSinceEpoch(ms);
    auto found = m_offsets.constFind(day);
    if (found == m_offsets.cend()) {
        const int first = localOffset(day * DayMs);
        found = m_offsets.insert(
            day,
            first == localOffset((day + 1) * DayMs - 1) ? std::optional<int>(first) : std::nullopt);
    }
    if (!*found)
        return moment.toLocalTime().date();
    return QDate::fromJulianDay(daysSinceEpoch(ms + qint64(**found) * 1000) + UnixEpochJulianDay);
}

int LocalCalendar::daysBetween(const QDateTime& earlier, const QDateTime& later)
{
    return std::max<qint64>(0, dateOf(earlier).daysTo(dateOf(later)));
}

ScheduledMemory answerReview(const fsrs::MemoryState& before,
                             const std::optional<QDateTime>& previousMoment, const Answer& answer,
                             LocalCalendar& calendar)
{
    const int elapsed = previousMoment ? calendar.daysBetween(*previousMoment, answer.moment) : 0;
    const fsrs::Review review = fsrs::review(before, elapsed, ratingOf(answer));
    // Intervals count calendar days, so that a change to or from summer time moves no due day.
    const QDate dueOn = review.intervalDays > 0
        ? calendar.dateOf(answer.moment).addDays(review.intervalDays)
        : calendar.dateOf(answer.moment.addSecs(qint64(review.dueMinutes) * 60));
    return {review.memory, dueOn};
}

} // namespace lexmint::schedule
