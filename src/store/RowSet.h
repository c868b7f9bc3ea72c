#pragma once

#include "store/SqlCondition.h"
#include "store/StoreError.h"

#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace lexmint {

/// One row of a data source: the key that identifies it within its source and its values in
/// the order of the source's columns. A row that was deleted after it was read has no values.
struct Row {
    QVariantList key;
    QVariantList values;
};

/// The rows of one table or saved query of a vocabulary, in the source's order. Every
/// operation reads what it needs from the file; nothing holds the whole source in memory
/// except where the source's order cannot be recomputed (test modes fix their rows when read).
///
/// A read of the file that fails gives no row, as if there was none; the failure and its
/// cause go to the read-failure handler.
class RowSet {
public:
    using ReadFailureHandler = std::function<void(const StoreError&)>;

    virtual ~RowSet() = default;

    void setReadFailureHandler(ReadFailureHandler handler) { m_readFailed = std::move(handler); }

    virtual QStringList columns() const = 0;
    /// The SQL condition of criteria over this source's columns.
    virtual SqlCondition condition(const Criteria& criteria) const
    {
        return SqlCondition::fromCriteria(criteria, QString());
    }

    /// The first (last) row matching the condition, or any row when it is null.
    virtual std::optional<Row> first(const SqlCondition* condition) = 0;
    virtual std::optional<Row> last(const SqlCondition* condition) = 0;
    /// The nearest matching row after the row with the given key.
    virtual std::optional<Row> after(const Row& row, const SqlCondition* condition) = 0;

    virtual int count() = 0;
    /// Gets ready to answer positions quickly, where that takes a pass over the source.
    virtual void preparePositions() {}
    /// Zero-based position of a row, -1 when it is no longer there.
    virtual int positionOf(const Row& row) = 0;
    virtual std::optional<Row> at(int position) = 0;
    /// Up to `count` rows starting at the row with the given key (that row included).
    virtual QList<Row> rowsFrom(const Row& row, int count) = 0;

    /// Reads a row again after it was changed.
    virtual Row reread(const Row& row) = 0;
    virtual bool update(const Row& row, const QVariantMap& changes, StoreError* error) = 0;
    virtual bool remove(const Row& row, StoreError* error) = 0;
    virtual std::optional<qint64> insert(const QVariantMap& values, StoreError* error) = 0;

protected:
    void readFailed(const StoreError& error) const
    {
        if (m_readFailed)
            m_readFailed(error);
    }

private:
    ReadFailureHandler m_readFailed;
};

} // namespace lexmint
