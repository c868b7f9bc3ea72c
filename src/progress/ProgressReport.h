#pragma once

#include "store/StoreError.h"

#include <QDate>
#include <QList>

#include <array>
#include <optional>

namespace lexmint {

class Clock;
class Database;

/// What the progress charts show of one vocabulary on one day.
struct ProgressReport {
    static constexpr int AnswerDays = 90;
    static constexpr int StrengthLookBackDays = 30;
    static constexpr int DueDays = 30;
    /// The share of right answers that the schedule aims at.
    static constexpr double TargetShare = 0.9;

    struct Answers {
        int right = 0;
        int wrong = 0;
        int total() const { return right + wrong; }
    };
    /// How many entries are new, learning, known and well known (schedule::Strength order).
    using Strengths = std::array<qint64, 4>;

    QDate today;
    /// Whether the vocabulary has any answer recorded.
    bool hasAnswers = false;
    /// Answers given on each of the last AnswerDays days, the oldest first, today last.
    QList<Answers> answersPerDay;
    /// The answers of each week of those days: seven days each, ending today, the oldest
    /// (which may be shorter) first.
    QList<Answers> answersPerWeek;
    Strengths strengthToday{};
    Strengths strengthBefore{}; ///< as it was StrengthLookBackDays days ago
    /// Reviews due on each of the next DueDays days, today first; today's count includes the
    /// overdue ones.
    QList<qint64> duePerDay;

    /// The first day of answersPerDay.
    QDate firstAnswerDay() const { return today.addDays(1 - AnswerDays); }
    /// The first day of the given week of answersPerWeek.
    QDate weekStart(qsizetype week) const;
};

/// Reads the progress of the vocabulary open on `db` as of the clock's present moment.
std::optional<ProgressReport> readProgress(const Database& db, const Clock& clock,
                                           StoreError* error = nullptr);

/// How many entries are due for review today (the overdue ones included) and how many are
/// known, as the progress charts count them.
struct ScheduleCounts {
    qint64 dueToday = 0;
    qint64 known = 0;
};

std::optional<ScheduleCounts> readScheduleCounts(const Database& db, QDate today,
                                                 StoreError* error = nullptr);

} // namespace lexmint
