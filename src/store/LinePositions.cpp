#include "LinePositions.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <sqlite3.h>

#include <algorithm>

namespace lexmint {

bool LinePositions::load(Database& db, StoreError* error)
{
    m_ids.clear();
    m_starts.clear();
    m_indexOfId.clear();
    m_totalLines = 0;

    // This pass touches every entry, so it steps the engine directly rather than paying for a
    // QVariant per value.
    sqlite3* handle = db.handle();
    if (!handle)
        return fail(error, StoreError::Kind::Engine, QStringLiteral("The vocabulary is not open."));
    const auto failed = [&db, handle, error](int result) {
        if (error)
            *error = engineError(result, QString::fromUtf8(sqlite3_errmsg(handle)), db);
        return false;
    };
    sqlite3_stmt* statement = nullptr;
    if (const int prepared = sqlite3_prepare_v2(
            handle,
            "SELECT ID, Lines FROM Headwords "
            "WHERE SortKey IS NOT NULL AND Lines > 0 ORDER BY SortKey, ID",
            -1, &statement, nullptr);
        prepared != SQLITE_OK) {
        sqlite3_finalize(statement);
        return failed(prepared);
    }
    int result = SQLITE_ROW;
    qint64 total = 0;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW && total <= INT_MAX) {
        const qint64 id = sqlite3_column_int64(statement, 0);
        m_indexOfId.insert(id, static_cast<int>(m_ids.size()));
        m_ids.append(id);
        m_starts.append(static_cast<int>(total));
        total += sqlite3_column_int64(statement, 1);
    }
    m_totalLines = static_cast<int>(std::min<qint64>(total, INT_MAX));
    if (result == SQLITE_ROW)
        fail(error, StoreError::Kind::InvalidValue,
             QStringLiteral("The vocabulary has more definition lines than can be shown."));
    else if (result != SQLITE_DONE)
        failed(result);
    sqlite3_finalize(statement);
    return result == SQLITE_DONE;
}

std::optional<int> LinePositions::startOf(qint64 id) const
{
    const auto it = m_indexOfId.constFind(id);
    if (it == m_indexOfId.cend())
        return std::nullopt;
    return m_starts.at(*it);
}

std::optional<LinePositions::Place> LinePositions::placeOf(int position) const
{
    if (position < 0 || position >= lineCount())
        return std::nullopt;
    const auto next = std::upper_bound(m_starts.cbegin(), m_starts.cend(), position);
    const auto index = static_cast<int>(next - m_starts.cbegin()) - 1;
    return Place{m_ids.at(index), position - m_starts.at(index)};
}

} // namespace lexmint
