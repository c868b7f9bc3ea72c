#pragma once

#include "schedule/ReviewSchedule.h"
#include "store/StoreError.h"

#include <QStringList>

#include <functional>

namespace lexmint {

class Database;
class NativeStatement;

/// The answers given in tests and the memory states of the entries, which follow from them.
/// Every answer keeps the entry's stability after it, so that how firmly the entries were
/// known on an earlier day can be looked up rather than replayed.
class AnswerLog {
public:
    explicit AnswerLog(Database& db);

    /// The columns of Headwords that hold an entry's memory state.
    static const QStringList& memoryColumns();

    /// Adds an answer to an entry and moves the entry's memory state on by it. Meant for the
    /// transaction that writes the entry's statistics, so that both always agree.
    bool record(qint64 entryId, const schedule::Answer& answer, StoreError* error = nullptr);

    /// Counts the entry's last answer as right after all, as for a typo, and computes the
    /// entry's memory state again from its answers.
    bool countLastAnswerAsRight(qint64 entryId, StoreError* error = nullptr);

    /// Gives the answers of an entry to the entry that replaces it.
    bool moveAnswers(qint64 fromId, qint64 toId, StoreError* error = nullptr);

    /// Reports progress as entries done of entries to do.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    /// Computes afresh, in one transaction, the memory states of the entries that have answers
    /// not yet taken into account (answers without a stability, as another tool or a failed
    /// computation leaves them).
    bool rebuildStaleStates(const Progress& progress = {}, StoreError* error = nullptr);

private:
    /// Computes the memory states of the entries with IDs from `first` to `last` again from
    /// their answers, and the stability after each answer.
    bool replay(qint64 first, qint64 last, schedule::LocalCalendar& calendar, StoreError* error);
    bool writeMemory(NativeStatement& update, qint64 entryId,
                     const schedule::ScheduledMemory& scheduled, StoreError* error);

    Database& m_db;
};

} // namespace lexmint
