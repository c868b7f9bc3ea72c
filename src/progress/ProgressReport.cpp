#include "progress/ProgressReport.h"

#include "platform/Clock.h"
#include "schedule/ReviewSchedule.h"
#include "store/ScheduleSchema.h"
#include "store/SqlQuery.h"

namespace lexmint {

namespace {

constexpr int DaysPerWeek = 7;

// The strength of an entry with the stability `expression`, as the index of schedule::Strength.
QString strengthCase(const QString& expression)
{
    return QStringLiteral("CASE WHEN %1 IS NULL THEN 0 WHEN %1 < %2 THEN 1 WHEN %1 < %3 THEN 2 "
                          "ELSE 3 END")
        .arg(expression)
        .arg(schedule::KnownDays)
        .arg(schedule::WellKnownDays);
}

qint64 startOf(QDate day)
{
    return day.startOfDay().toMSecsSinceEpoch();
}

bool readAnswers(const Database& db, ProgressReport& report, StoreError* error)
{
    const std::optional<QVariant> any =
        SqlQuery::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM Answers)"), {}, error);
    if (!any)
        return false;
    report.hasAnswers = any->toBool();
    // Day by day, since days begin at local midnight and are not all equally long.
    SqlQuery perDay(db,
                    QStringLiteral("SELECT count(*), total(WasRight) FROM Answers "
                                   "WHERE Moment >= ? AND Moment < ?"));
    for (QDate day = report.firstAnswerDay(); day <= report.today; day = day.addDays(1)) {
        if (!perDay.exec({startOf(day), startOf(day.addDays(1))}, error) || !perDay.next())
            return false;
        const int total = perDay.value(0).toInt();
        const int right = perDay.value(1).toInt();
        report.answersPerDay.append({right, total - right});
    }
    for (qsizetype end = report.answersPerDay.size(); end > 0; end -= DaysPerWeek) {
        ProgressReport::Answers week;
        for (qsizetype day = std::max<qsizetype>(0, end - DaysPerWeek); day < end; ++day) {
            week.right += report.answersPerDay.at(day).right;
            week.wrong += report.answersPerDay.at(day).wrong;
        }
        report.answersPerWeek.prepend(week);
    }
    return true;
}

bool readStrengths(const Database& db, ProgressReport& report, StoreError* error)
{
    SqlQuery today(db,
                   QStringLiteral("SELECT %1, count(*) FROM Headwords GROUP BY 1")
                       .arg(strengthCase(QStringLiteral("Stability"))));
    if (!today.exec({}, error))
        return false;
    while (today.next())
        report.strengthToday.at(today.value(0).toInt()) = today.value(1).toLongLong();
    report.strengthBefore = report.strengthToday;

    // Only the entries answered since then were of another strength before.
    SqlQuery changed(
        db,
        QStringLiteral("WITH Recent AS MATERIALIZED (SELECT h.Stability AS Now, "
                       "(SELECT a.Stability FROM Answers AS a WHERE a.Entry = h.ID "
                       "AND a.Moment < ? ORDER BY a.Moment DESC LIMIT 1) AS Before "
                       "FROM Headwords AS h WHERE h.ID IN "
                       "(SELECT Entry FROM Answers WHERE Moment >= ?)) "
                       "SELECT %1, %2, count(*) FROM Recent GROUP BY 1, 2")
            .arg(strengthCase(QStringLiteral("Before")), strengthCase(QStringLiteral("Now"))));
    const qint64 since = startOf(report.today.addDays(-ProgressReport::StrengthLookBackDays));
    if (!changed.exec({since, since}, error))
        return false;
    while (changed.next()) {
        const qint64 count = changed.value(2).toLongLong();
        report.strengthBefore.at(changed.value(0).toInt()) += count;
        report.strengthBefore.at(changed.value(1).toInt()) -= count;
    }
    return true;
}

bool readDue(const Database& db, ProgressReport& report, StoreError* error)
{
    report.duePerDay.fill(0, ProgressReport::DueDays);
    SqlQuery due(db,
                 QStringLiteral("SELECT max(julianday(DueOn) - julianday(?), 0), count(*) "
                                "FROM Headwords WHERE DueOn < ? GROUP BY 1"));
    if (!due.exec({report.today.toString(Qt::ISODate),
                   report.today.addDays(ProgressReport::DueDays).toString(Qt::ISODate)},
                  error))
        return false;
    while (due.next()) {
        const qsizetype day = due.value(0).toInt();
        if (day < report.duePerDay.size())
            report.duePerDay[day] += due.value(1).toLongLong();
    }
    return true;
}

} // namespace

QDate ProgressReport::weekStart(qsizetype week) const
{
    const qsizetype fromEnd = answersPerWeek.size() - 1 - week;
    return std::max(firstAnswerDay(), today.addDays(1 - DaysPerWeek * (fromEnd + 1)));
}

std::optional<ProgressReport> readProgress(const Database& db, const Clock& clock,
                                           StoreError* error)
{
    ProgressReport report;
    report.today = clock.today();
    // A file from before answers were recorded, opened read-only, has none to show.
    if (!scheduleschema::isPresent(db))
        return report;
    if (!readAnswers(db, report, error) || !readStrengths(db, report, error)
        || !readDue(db, report, error))
        return std::nullopt;
    return report;
}

std::optional<ScheduleCounts> readScheduleCounts(const Database& db, QDate today, StoreError* error)
{
    const std::optional<QVariant> due =
        SqlQuery::scalar(db, QStringLiteral("SELECT count(*) FROM Headwords WHERE DueOn <= ?"),
                         {today.toString(Qt::ISODate)}, error);
    const std::optional<QVariant> known = due
        ? SqlQuery::scalar(db,
                           QStringLiteral("SELECT count(*) FROM Headwords WHERE "
                                          "Stability >= ?"),
                           {schedule::KnownDays}, error)
        : std::nullopt;
    if (!known)
        return std::nullopt;
    return ScheduleCounts{due->toLongLong(), known->toLongLong()};
}

} // namespace lexmint
