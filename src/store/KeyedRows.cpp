#include "KeyedRows.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

namespace lexmint {

KeyedRows::KeyedRows(Database& db, Shape shape) : m_db(db), m_shape(std::move(shape)) {}

QList<Row> KeyedRows::select(const SqlCondition* condition, Direction direction, const Row* from,
                             bool includeFrom, int limit, int offset)
{
    QStringList where;
    QVariantList values;
    if (!m_shape.where.isEmpty())
        where.append(m_shape.where);
    if (condition) {
        where.append(QLatin1Char('(') + condition->sql + QLatin1Char(')'));
        values.append(condition->values);
    }
    const bool forward = direction == Direction::Forward;
    if (from) {
        const QString op = forward ? (includeFrom ? QStringLiteral(">=") : QStringLiteral(">"))
                                   : (includeFrom ? QStringLiteral("<=") : QStringLiteral("<"));
        QStringList placeholders;
        for (int i = 0; i < m_shape.keys.size(); ++i)
            placeholders.append(QStringLiteral("?"));
        where.append(QStringLiteral("(%1) %2 (%3)")
                         .arg(m_shape.keys.join(QStringLiteral(", ")), op,
                              placeholders.join(QStringLiteral(", "))));
        values.append(from->key);
    }
    QStringList order;
    for (const QString& key : m_shape.keys)
        order.append(forward ? key : key + QStringLiteral(" DESC"));
    const QString sql =
        QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY %5 LIMIT ? OFFSET ?")
            .arg(m_shape.selects.join(QStringLiteral(", ")),
                 m_shape.keys.join(QStringLiteral(", ")), m_shape.from,
                 where.isEmpty() ? QString()
                                 : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")),
                 order.join(QStringLiteral(", ")));
    values.append(limit);
    values.append(offset);

    QList<Row> rows;
    SqlQuery query(m_db, sql);
    if (StoreError error; !query.exec(values, &error)) {
        readFailed(error);
        return rows;
    }
    const int columnCount = m_shape.columns.size();
    while (query.next()) {
        Row row;
        for (int i = 0; i < columnCount; ++i)
            row.values.append(query.value(i));
        for (int i = 0; i < m_shape.keys.size(); ++i)
            row.key.append(query.value(columnCount + i));
        rows.append(std::move(row));
    }
    return rows;
}

std::optional<QVariant> KeyedRows::readScalar(const QString& sql, const QVariantList& values)
{
    StoreError error;
    std::optional<QVariant> value = SqlQuery::scalar(m_db, sql, values, &error);
    if (error)
        readFailed(error);
    return value;
}

namespace {
std::optional<Row> firstOf(QList<Row> rows)
{
    if (rows.isEmpty())
        return std::nullopt;
    return std::move(rows.first());
}
} // namespace

std::optional<Row> KeyedRows::first(const SqlCondition* condition)
{
    return firstOf(select(condition, Direction::Forward, nullptr, false, 1));
}

std::optional<Row> KeyedRows::last(const SqlCondition* condition)
{
    return firstOf(select(condition, Direction::Backward, nullptr, false, 1));
}

std::optional<Row> KeyedRows::after(const Row& row, const SqlCondition* condition)
{
    return firstOf(select(condition, Direction::Forward, &row, false, 1));
}

QList<Row> KeyedRows::rowsFrom(const Row& row, int count)
{
    return select(nullptr, Direction::Forward, &row, true, count);
}

Row KeyedRows::reread(const Row& row)
{
    QList<Row> rows = select(nullptr, Direction::Forward, &row, true, 1);
    if (!rows.isEmpty() && rows.first().key == row.key)
        return rows.first();
    return Row{row.key, {}};
}

} // namespace lexmint
