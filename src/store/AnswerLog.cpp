#include "store/AnswerLog.h"

#include "store/Database.h"
#include "store/NativeStatement.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <cmath>

namespace lexmint {

namespace {

constexpr qsizetype BatchEntries = 1000;
constexpr const char* UpdateMemorySql = "UPDATE Headwords SET Stability = ?, Difficulty = ?, "
                                        "DueOn = ?, LearningState = ?, LearningStep = ? "
                                        "WHERE ID = ?";
// Pages enough for the answers of a large vocabulary (a million answers take about 60 MB).
constexpr int LargePageCacheKb = 192 * 1024;

/// Keeps the pages that a long computation changes in memory until it commits, rather than
/// writing them to the file halfway and again at the end, for as long as it lives.
class LargePageCache {
public:
    explicit LargePageCache(Database& db)
        : m_db(db),
          m_previous(SqlQuery::scalar(db, QStringLiteral("PRAGMA cache_size")).value_or(0))
    {
        SqlQuery(db, QStringLiteral("PRAGMA cache_size = %1").arg(-LargePageCacheKb)).exec();
    }
    ~LargePageCache()
    {
        SqlQuery(m_db, QStringLiteral("PRAGMA cache_size = %1").arg(m_previous.toLongLong()))
            .exec();
    }
    LargePageCache(const LargePageCache&) = delete;
    LargePageCache& operator=(const LargePageCache&) = delete;

private:
    Database& m_db;
    QVariant m_previous;
};

// Moments are stored as milliseconds since 1970 in UTC.
QDateTime momentFrom(qint64 stored)
{
    return QDateTime::fromMSecsSinceEpoch(stored, Qt::UTC);
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

bool AnswerLog::writeMemory(NativeStatement& update, qint64 entryId,
                            const schedule::ScheduledMemory& scheduled, StoreError* error)
{
    const fsrs::MemoryState& memory = scheduled.memory;
    return update
        .bind(memory.stability, memory.difficulty, scheduled.dueOn.toString(Qt::ISODate),
              int(memory.state), memory.step, entryId)
        .run(error);
}

bool AnswerLog::record(qint64 entryId, const schedule::Answer& answer, StoreError* error)
{
    SqlQuery before(m_db,
                    QStringLiteral("SELECT Stability, Difficulty, LearningState, "
                                   "LearningStep, (SELECT max(Moment) FROM Answers "
                                   "WHERE Entry = h.ID) FROM Headwords AS h WHERE ID = ?"));
    if (!before.exec({entryId}, error))
        return false;
    if (!before.next())
        return fail(error, StoreError::Kind::RowMissing,
                    QCoreApplication::translate("lexmint::AnswerLog",
                                                "The entry is no longer in the vocabulary."));
    const fsrs::MemoryState memory =
        memoryFrom(before.value(0), before.value(1), before.value(2), before.value(3));
    const QVariant lastMoment = before.value(4);
    before.finish();

    schedule::LocalCalendar calendar;
    const schedule::ScheduledMemory after = schedule::answerReview(
        memory,
        lastMoment.isNull() ? std::nullopt
                            : std::optional<QDateTime>(momentFrom(lastMoment.toLongLong())),
        answer, calendar);
    NativeStatement update(m_db, UpdateMemorySql);
    return SqlQuery(m_db,
                    QStringLiteral("INSERT INTO Answers (Entry, Moment, WasRight, Duration, "
                                   "Stability) VALUES (?, ?, ?, ?, ?)"))
               .exec({entryId, answer.moment.toMSecsSinceEpoch(), answer.right ? 1 : 0,
                      answer.durationMs ? QVariant(*answer.durationMs) : QVariant(),
                      after.memory.stability},
                     error)
        && writeMemory(update, entryId, after, error);
}

bool AnswerLog::moveAnswers(qint64 fromId, qint64 toId, StoreError* error)
{
    return SqlQuery(m_db, QStringLiteral("UPDATE Answers SET Entry = ? WHERE Entry = ?"))
        .exec({toId, fromId}, error);
}

bool AnswerLog::countLastAnswerAsRight(qint64 entryId, StoreError* error)
{
    schedule::LocalCalendar calendar;
    return SqlQuery(m_db,
                    QStringLiteral("UPDATE Answers SET WasRight = 1 WHERE ID = (SELECT ID "
                                   "FROM Answers WHERE Entry = ? ORDER BY Moment DESC, ID "
                                   "DESC LIMIT 1)"))
               .exec({entryId}, error)
        && replay(entryId, entryId, calendar, error);
}

bool AnswerLog::replay(qint64 first, qint64 last, schedule::LocalCalendar& calendar,
                       StoreError* error)
{
    NativeStatement answers(m_db,
                            "SELECT ID, Entry, Moment, WasRight, Duration FROM Answers "
                            "WHERE Entry BETWEEN ? AND ? ORDER BY Entry, Moment, ID");
    // Read in full before anything is written, since writing changes the index they are read
    // in order of.
    struct Row {
        qint64 id;
        qint64 entry;
        schedule::Answer answer;
    };
    QList<Row> rows;
    answers.bind(first, last);
    while (answers.next())
        rows.append({answers.integer(0),
                     answers.integer(1),
                     {momentFrom(answers.integer(2)), answers.integer(3) != 0,
                      answers.isNull(4) ? std::nullopt : std::optional(answers.integer(4))}});
    if (answers.failed(error))
        return false;

    NativeStatement setStability(m_db, "UPDATE Answers SET Stability = ? WHERE ID = ?");
    NativeStatement setMemory(m_db, UpdateMemorySql);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        schedule::ScheduledMemory memory;
        std::optional<QDateTime> previous;
        for (; i < rows.size(); ++i) {
            memory = schedule::answerReview(memory.memory, previous, rows.at(i).answer, calendar);
            previous = rows.at(i).answer.moment;
            if (!setStability.bind(memory.memory.stability, rows.at(i).id).run(error))
                return false;
            if (i + 1 == rows.size() || rows.at(i + 1).entry != rows.at(i).entry)
                break;
        }
        if (!writeMemory(setMemory, rows.at(i).entry, memory, error))
            return false;
    }
    return true;
}

bool AnswerLog::rebuildStaleStates(const Progress& progress, StoreError* error)
{
    QList<qint64> entries;
    {
        NativeStatement stale(m_db,
                              "SELECT DISTINCT Entry FROM Answers WHERE Stability IS NULL "
                              "ORDER BY Entry");
        stale.bind();
        while (stale.next())
            entries.append(stale.integer(0));
        if (stale.failed(error))
            return false;
    }
    if (entries.isEmpty())
        return true;

    const LargePageCache cache(m_db);
    schedule::LocalCalendar calendar;
    return inTransaction(m_db, error, [&] {
        for (qsizetype first = 0; first < entries.size(); first += BatchEntries) {
            const qsizetype last = std::min(first + BatchEntries, entries.size()) - 1;
            if (!replay(entries.at(first), entries.at(last), calendar, error))
                return false;
            if (progress)
                progress(last + 1, entries.size());
        }
        return true;
    });
}

} // namespace lexmint
