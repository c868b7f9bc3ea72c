#include "TableRows.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

namespace lexmint {

namespace {

KeyedRows::Shape tableShape(Database& db, const QString& table)
{
    // The search keys and line counts are the store's own bookkeeping, not data of the entry.
    static const QStringList internalColumns{QStringLiteral("FoldKey"), QStringLiteral("SortKey"),
                                             QStringLiteral("Lines")};
    KeyedRows::Shape shape;
    for (const QString& column : db.columnNames(table)) {
        if (internalColumns.contains(column, Qt::CaseInsensitive))
            continue;
        shape.columns.append(column);
        shape.selects.append(quotedIdentifier(column));
    }
    shape.keys = QStringList{QStringLiteral("rowid")};
    shape.from = table;
    return shape;
}

} // namespace

TableRows::TableRows(Database& db, Table table)
    : KeyedRows(db,
                tableShape(db,
                           table == Table::Headwords ? QStringLiteral("Headwords")
                                                     : QStringLiteral("Definitions"))),
      m_table(table),
      m_name(table == Table::Headwords ? QStringLiteral("Headwords")
                                       : QStringLiteral("Definitions")),
      m_writer(db)
{
}

int TableRows::count()
{
    return readScalar(QStringLiteral("SELECT count(*) FROM %1").arg(m_name)).value_or(0).toInt();
}

int TableRows::positionOf(const Row& row)
{
    if (reread(row).values.isEmpty())
        return -1;
    return readScalar(QStringLiteral("SELECT count(*) FROM %1 WHERE rowid < ?").arg(m_name),
                      {row.key.value(0)})
        .value_or(-1)
        .toInt();
}

std::optional<Row> TableRows::at(int position)
{
    if (position < 0)
        return std::nullopt;
    QList<Row> rows = select(nullptr, Direction::Forward, nullptr, false, 1, position);
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

bool TableRows::update(const Row& row, const QVariantMap& changes, StoreError* error)
{
    const qint64 rowId = row.key.value(0).toLongLong();
    return m_table == Table::Headwords ? m_writer.updateHeadword(rowId, changes, error)
                                       : m_writer.updateDefinition(rowId, changes, error);
}

bool TableRows::remove(const Row& row, StoreError* error)
{
    const qint64 rowId = row.key.value(0).toLongLong();
    return m_table == Table::Headwords ? m_writer.deleteHeadword(rowId, error)
                                       : m_writer.deleteDefinition(rowId, error);
}

std::optional<qint64> TableRows::insert(const QVariantMap& values, StoreError* error)
{
    return m_table == Table::Headwords ? m_writer.insertHeadword(values, error)
                                       : m_writer.insertDefinition(values, error);
}

} // namespace lexmint
