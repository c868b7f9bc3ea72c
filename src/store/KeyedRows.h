#pragma once

#include "store/RowSet.h"

namespace lexmint {

class Database;

/// Rows read straight from SQL in the order of a key that the engine can seek in an index.
/// Moving to a neighbour is one indexed query from the current key, however large the source.
class KeyedRows : public RowSet {
public:
    struct Shape {
        QStringList columns; ///< names of the source's columns
        QStringList selects; ///< the SQL expression of each column
        QStringList keys;    ///< SQL expressions of the order key, most significant first
        QString from;        ///< FROM clause
        QString where;       ///< condition every row of the source meets, or empty
    };

    KeyedRows(Database& db, Shape shape);

    QStringList columns() const override { return m_shape.columns; }
    std::optional<Row> first(const SqlCondition* condition) override;
    std::optional<Row> last(const SqlCondition* condition) override;
    std::optional<Row> after(const Row& row, const SqlCondition* condition) override;
    QList<Row> rowsFrom(const Row& row, int count) override;
    Row reread(const Row& row) override;

protected:
    enum class Direction { Forward, Backward };

    /// Rows in key order (or against it), starting after, before or at `from` when given.
    QList<Row> select(const SqlCondition* condition, Direction direction, const Row* from,
                      bool includeFrom, int limit, int offset = 0);
    /// The first column of the first row of `sql`; nothing when there is none or the read
    /// failed.
    std::optional<QVariant> readScalar(const QString& sql, const QVariantList& values = {});
    Database& db() { return m_db; }

private:
    Database& m_db;
    Shape m_shape;
};

} // namespace lexmint
