#pragma once

#include <QDeadlineTimer>

#include <chrono>

struct sqlite3;

namespace lexmint {

class Database;

/// Bounds the time the engine may spend on the statements of one connection while the budget
/// lives. Saved queries come with the file and may never end (an endless recursive query, say);
/// once the time is up the running statement is interrupted and fails, which the store reports
/// as StoreError::Kind::TooSlow.
class QueryBudget {
public:
    explicit QueryBudget(const Database& db);
    ~QueryBudget();
    QueryBudget(const QueryBudget&) = delete;
    QueryBudget& operator=(const QueryBudget&) = delete;

    /// The time every budget grants; a test sets a shorter one.
    static std::chrono::milliseconds timeLimit();
    static void setTimeLimit(std::chrono::milliseconds limit);

private:
    static int onProgress(void* budget);

    sqlite3* m_handle;
    QDeadlineTimer m_deadline;
};

} // namespace lexmint
