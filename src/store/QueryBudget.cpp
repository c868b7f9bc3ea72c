#include "QueryBudget.h"

#include "store/Database.h"

#include <sqlite3.h>

#include <atomic>

namespace lexmint {

namespace {

// Generous beside the program's own test modes, which read 100,000 entries in a small part
// of this, and short enough that a file whose queries never end still opens.
std::atomic<std::chrono::milliseconds::rep> g_timeLimitMs{3000};

// The engine calls back after this many of its instructions: often enough to stop within
// milliseconds, rarely enough to cost nothing measurable.
constexpr int InstructionsPerCheck = 10000;

} // namespace

QueryBudget::QueryBudget(const Database& db) : m_handle(db.handle()), m_deadline(timeLimit())
{
    if (m_handle)
        sqlite3_progress_handler(m_handle, InstructionsPerCheck, &QueryBudget::onProgress, this);
}

QueryBudget::~QueryBudget()
{
    if (m_handle)
        sqlite3_progress_handler(m_handle, 0, nullptr, nullptr);
}

std::chrono::milliseconds QueryBudget::timeLimit()
{
    return std::chrono::milliseconds(g_timeLimitMs.load());
}

void QueryBudget::setTimeLimit(std::chrono::milliseconds limit)
{
    g_timeLimitMs = limit.count();
}

int QueryBudget::onProgress(void* budget)
{
    return static_cast<QueryBudget*>(budget)->m_deadline.hasExpired() ? 1 : 0;
}

} // namespace lexmint
