#include "schedule/ReviewSchedule.h"

namespace lexmint::schedule {

fsrs::Rating ratingOf(const Answer& answer)
{
    if (!answer.right)
        return fsrs::Rating::Again;
    return answer.durationMs.value_or(0) > SlowAnswerMs ? fsrs::Rating::Hard : fsrs::Rating::Good;
}

int calendarDaysBetween(const QDateTime& earlier, const QDateTime& later)
{
    return std::max<qint64>(0, earlier.toLocalTime().date().daysTo(later.toLocalTime().date()));
}

ScheduledMemory answerReview(const fsrs::MemoryState& before,
                             const std::optional<QDateTime>& previousMoment, const Answer& answer)
{
    const int elapsed = previousMoment ? calendarDaysBetween(*previousMoment, answer.moment) : 0;
    const fsrs::Review review = fsrs::review(before, elapsed, ratingOf(answer));
    const QDateTime local = answer.moment.toLocalTime();
    // Intervals count calendar days, so that a change to or from summer time moves no due day.
    const QDate dueOn = review.intervalDays > 0
        ? local.date().addDays(review.intervalDays)
        : local.addSecs(qint64(review.dueMinutes) * 60).date();
    return {review.memory, dueOn};
}

Strength strengthOf(std::optional<double> stability)
{
    if (!stability)
        return Strength::New;
    if (*stability >= WellKnownDays)
        return Strength::WellKnown;
    return *stability >= KnownDays ? Strength::Known : Strength::Learning;
}

} // namespace lexmint::schedule
