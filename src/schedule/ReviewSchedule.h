#pragma once

#include "schedule/Fsrs.h"

#include <QDateTime>
#include <QHash>

#include <optional>

namespace lexmint::schedule {

/// A right answer that took longer than this counts as remembered with effort.
inline constexpr qint64 SlowAnswerMs = 20'000;
/// Stabilities from which an entry counts as known and as well known.
inline constexpr double KnownDays = 21;
inline constexpr double WellKnownDays = 100;

/// An answer as the test records it.
struct Answer {
    QDateTime moment;
    bool right = false;
    /// From showing the entry to confirming the answer; nothing when not measured.
    std::optional<qint64> durationMs;
};

/// A wrong answer rates Again; a right one Good, or Hard when it came slowly.
fsrs::Rating ratingOf(const Answer& answer);

/// The learner's local calendar: a day begins at local midnight. It remembers the offset from
/// UTC of each day it has looked at, since the time zone rules are slow to apply and replaying
/// many answers asks for the same days again and again.
class LocalCalendar {
public:
    QDate dateOf(const QDateTime& moment);
    /// Whole days between two moments; never negative, so that a clock set back does not count
    /// as a time before.
    int daysBetween(const QDateTime& earlier, const QDateTime& later);

private:
    /// The offset from UTC in seconds through each UTC day, by days since 1970; nothing for a
    /// day on which the offset changes.
    QHash<qint64, std::optional<int>> m_offsets;
};

/// An entry's memory after an answer and the local day on which it is due again.
struct ScheduledMemory {
    fsrs::MemoryState memory;
    QDate dueOn;
};

/// Reviews an entry with the answer given after the one at `previousMoment` (none for the
/// first answer).
ScheduledMemory answerReview(const fsrs::MemoryState& before,
                             const std::optional<QDateTime>& previousMoment, const Answer& answer,
                             LocalCalendar& calendar);

} // namespace lexmint::schedule
