#include "store/AnswerLog.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <cmath>

namespace lexmint {

namespace {

constexpr qsizetype BatchEntries = 1000;

// Moments are stored as milliseconds since 1970 in UTC.
QDateTime momentFrom(const QVariant& stored)
{
    return QDateTime::fromMSecsSinceEpoch(stored.toLongLong(), Qt::UTC);
}

schedule::Answer answerFrom(const SqlQuery& row, int first)
{
    const QVariant duration = row.value(first + 2);
    return {momentFrom(row.value(first)),
            row.value(first + 1).toInt() != 0,
            duration.isNull() ? std::nullopt : std::optional<qint64>(duration.toLongLong())};
}

// The state as the file holds it. Values that no computation gives (written by another tool)
// start the entry afresh rather than carry nonsense into its schedule.
fsrs::MemoryState memoryFrom(const QVariant& stability, const QVariant& difficulty,
                             const QVariant& state, const QVariant& step)
{
    fsrs::MemoryState memory;
    const double s = stability.toDouble();
    const double d = difficulty.toDouble();
    const int learningState = state.toInt();
    if (stability.isNull() || difficulty.isNull() || !std::isfinite(s) || !std::isfinite(d)
        || s <= 0 || learningState < int(fsrs::LearningState::Learning)
        || learningState > int(fsrs::LearningState::Relearning))
        return memory;
    memory.state = static_cast<fsrs::LearningState>(learningState);
    memory.step = std::max(0, step.toInt());
    memory.stability = s;
    memory.difficulty = std::clamp(d, 1.0, 10.0);
    return memory;
}

} // namespace

AnswerLog::AnswerLog(Database& db) : m_db(db) {}

const QStringList& AnswerLog::memoryColumns()
{
    static const QStringList columns{QStringLiteral("Stability"), QStringLiteral("Difficulty"),
                                     QStringLiteral("DueOn"), QStringLiteral("LearningState"),
                                     QStringLiteral("LearningStep")};
    return columns;
}

bool AnswerLog::writeMemory(qint64 entryId, const schedule::ScheduledMemory& scheduled,
                            StoreError* error)
{
    const fsrs::MemoryState& memory = scheduled.memory;
    return SqlQuery(m_db, QStringLiteral("UPDATE Headwords SET Stability = ?, Difficulty = ?, "
                                         "DueOn = ?, LearningState = ?, LearningStep = ? "
                                         "WHERE ID = ?"))
        .exec({memory.stability, memory.difficulty, scheduled.dueOn.toString(Qt::ISODate),
               int(memory.state), memory.step, entryId},
              error);
}

bool AnswerLog::record(qint64 entryId, const schedule::Answer& answer, StoreError* error)
{
    SqlQuery before(m_db, QStringLiteral("SELECT Stability, Difficulty, LearningState, "
                                         "LearningStep, (SELECT max(Moment) FROM Answers "
                                         "WHERE Entry = h.ID) FROM Headwords AS h WHERE ID = ?"));
    if (!before.exec({entryId}, error))
        return false;
    if (!before.next())
        return fail(error, StoreError::Kind::RowMissing,
                    QStringLiteral("The entry is no longer in the vocabulary."));
    const fsrs::MemoryState memory =
        memoryFrom(before.value(0), before.value(1), before.value(2), before.value(3));
    const QVariant lastMoment = before.value(4);
    before.finish();

    const schedule::ScheduledMemory after = schedule::answerReview(
        memory,
        lastMoment.isNull() ? std::nullopt : std::optional<QDateTime>(momentFrom(lastMoment)),
        answer);
    return SqlQuery(m_db, QStringLiteral("INSERT INTO Answers (Entry, Moment, WasRight, Duration, "
                                         "Stability) VALUES (?, ?, ?, ?, ?)"))
               .exec({entryId, answer.moment.toMSecsSinceEpoch(), answer.right ? 1 : 0,
                      answer.durationMs ? QVariant(*answer.durationMs) : QVariant(),
                      after.memory.stability},
                     error)
        && writeMemory(entryId, after, error);
}

bool AnswerLog::moveAnswers(qint64 fromId, qint64 toId, StoreError* error)
{
    return SqlQuery(m_db, QStringLiteral("UPDATE Answers SET Entry = ? WHERE Entry = ?"))
        .exec({toId, fromId}, error);
}

bool AnswerLog::countLastAnswerAsRight(qint64 entryId, StoreError* error)
{
    return SqlQuery(m_db, QStringLiteral("UPDATE Answers SET WasRight = 1 WHERE ID = (SELECT ID "
                                         "FROM Answers WHERE Entry = ? ORDER BY Moment DESC, ID "
                                         "DESC LIMIT 1)"))
               .exec({entryId}, error)
        && replay(entryId, entryId, error);
}

bool AnswerLog::replay(qint64 first, qint64 last, StoreError* error)
{
    SqlQuery answers(m_db, QStringLiteral("SELECT ID, Entry, Moment, WasRight, Duration "
                                          "FROM Answers WHERE Entry BETWEEN ? AND ? "
                                          "ORDER BY Entry, Moment, ID"));
    if (!answers.exec({first, last}, error))
        return false;
    // Read in full before anything is written, since writing changes the index they are read
    // in order of.
    struct Row {
        qint64 id;
        qint64 entry;
        schedule::Answer answer;
    };
    QList<Row> rows;
    while (answers.next())
        rows.append({answers.value(0).toLongLong(), answers.value(1).toLongLong(),
                     answerFrom(answers, 2)});
    answers.finish();

    SqlQuery setStability(m_db, QStringLiteral("UPDATE Answers SET Stability = ? WHERE ID = ?"));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        schedule::ScheduledMemory memory;
        std::optional<QDateTime> previous;
        for (; i < rows.size(); ++i) {
            memory = schedule::answerReview(memory.memory, previous, rows.at(i).answer);
            previous = rows.at(i).answer.moment;
            if (!setStability.exec({memory.memory.stability, rows.at(i).id}, error))
                return false;
            if (i + 1 == rows.size() || rows.at(i + 1).entry != rows.at(i).entry)
                break;
        }
        if (!writeMemory(rows.at(i).entry, memory, error))
            return false;
    }
    return true;
}

bool AnswerLog::rebuildStaleStates(const Progress& progress, StoreError* error)
{
    SqlQuery staleEntries(m_db, QStringLiteral("SELECT DISTINCT Entry FROM Answers "
                                               "WHERE Stability IS NULL ORDER BY Entry"));
    if (!staleEntries.exec({}, error))
        return false;
    QList<qint64> entries;
    while (staleEntries.next())
        entries.append(staleEntries.value(0).toLongLong());
    staleEntries.finish();
    if (entries.isEmpty())
        return true;

    return inTransaction(m_db, error, [&] {
        for (qsizetype first = 0; first < entries.size(); first += BatchEntries) {
            const qsizetype last = std::min(first + BatchEntries, entries.size()) - 1;
            if (!replay(entries.at(first), entries.at(last), error))
                return false;
            if (progress)
                progress(last + 1, entries.size());
        }
        return true;
    });
}

} // namespace lexmint
