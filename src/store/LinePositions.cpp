#include "LinePositions.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <sqlite3.h>

#include <algorithm>

#include <QCoreApplication>

namespace lexmint {

LinePositions::StoredCounts LinePositions::checkStoredCounts(const Database& db)
{
    // One pass over the sort-key index, which holds the counts, and the size of the lines'
    // index. Totals that agree with no negative count bound every count by the lines there are.
    SqlQuery stored(db,
                    QStringLiteral("SELECT total(Lines), min(Lines), "
                                   "total(CASE WHEN SortKey IS NOT NULL THEN max(Lines, 1) END), "
                                   "(SELECT count(*) FROM Definitions) FROM Headwords"));
    if (!stored.exec() || !stored.next())
        return {};
    const double total = stored.value(0).toDouble();
    const bool noneNegative = stored.value(1).isNull() || stored.value(1).toLongLong() >= 0;
    const double rows = stored.value(2).toDouble();
    bool agree = noneNegative && total == stored.value(3).toDouble();
    if (!agree && noneNegative) {
        // Lines whose entry is gone belong to no count; only such files pay for this.
        agree = total
            == SqlQuery::scalar(db,
                                QStringLiteral("SELECT count(*) FROM Definitions AS d WHERE "
                                               "d.ID IN (SELECT ID FROM Headwords)"))
                   .value_or(-1)
                   .toDouble();
    }
    if (!agree || rows > INT_MAX)
        return {};
    return {true, static_cast<int>(rows)};
}

bool LinePositions::load(Database& db, bool trustStoredCounts, StoreError* error)
{
    m_ids.clear();
    m_starts.clear();
    m_indexOfId.clear();
    m_totalRows = 0;

    // This pass touches every entry, so it steps the engine directly rather than paying for a
    // QVariant per value.
    sqlite3* handle = db.handle();
    if (!handle)
        return fail(
            error, StoreError::Kind::Engine,
            QCoreApplication::translate("lexmint::LinePositions", "The vocabulary is not open."));
    const auto failed = [&db, handle, error](int result) {
        if (error)
            *error = engineError(result, QString::fromUtf8(sqlite3_errmsg(handle)), db);
        return false;
    };
    const char* sql = trustStoredCounts
        ? "SELECT ID, max(Lines, 1) FROM Headwords WHERE SortKey IS NOT NULL ORDER BY SortKey, ID"
        : "SELECT h.ID, max((SELECT count(*) FROM Definitions AS d WHERE d.ID = h.ID), 1) "
          "FROM Headwords AS h WHERE h.SortKey IS NOT NULL ORDER BY h.SortKey, h.ID";
    sqlite3_stmt* statement = nullptr;
    if (const int prepared = sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
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
    m_totalRows = static_cast<int>(std::min<qint64>(total, INT_MAX));
    if (result == SQLITE_ROW)
        fail(error, StoreError::Kind::InvalidValue,
             QCoreApplication::translate(
                 "lexmint::LinePositions",
                 "The vocabulary has more definition lines than can be shown."));
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
    if (position < 0 || position >= rowCount())
        return std::nullopt;
    const auto next = std::upper_bound(m_starts.cbegin(), m_starts.cend(), position);
    const auto index = static_cast<int>(next - m_starts.cbegin()) - 1;
    return Place{m_ids.at(index), position - m_starts.at(index)};
}

} // namespace lexmint
