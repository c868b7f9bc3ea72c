#include "KeysetRows.h"

#include "store/Database.h"
#include "store/QueryBudget.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QSet>

namespace lexmint {

namespace {

enum KeyIndex { IdIndex, PositionIndex };

} // namespace

KeysetRows::KeysetRows(Database& db, const QString& query, StoreError* error)
    : m_db(db), m_writer(db)
{
    if (db.isLeftOut(query)) {
        fail(
            error, StoreError::Kind::TooSlow,
            QCoreApplication::translate("lexmint::KeysetRows", "The test mode \"%1\" was left out.")
                .arg(query));
        return;
    }
    m_columns = db.columnNames(query);
    const QStringList tableColumns = db.columnNames(QStringLiteral("Headwords"));
    QStringList selects;
    for (const QString& column : std::as_const(m_columns))
        selects.append(tableColumns.contains(column, Qt::CaseInsensitive) ? quotedIdentifier(column)
                                                                          : QStringLiteral("NULL"));
    m_valuesSql = QStringLiteral("SELECT %1 FROM Headwords WHERE ID = ?")
                      .arg(selects.join(QStringLiteral(", ")));
    if (!m_columns.contains(QStringLiteral("ID"), Qt::CaseInsensitive)) {
        fail(error, StoreError::Kind::NotVocabulary,
             QCoreApplication::translate("lexmint::KeysetRows",
                                         "The test mode \"%1\" does not list the entries' IDs.")
                 .arg(query));
        return;
    }

    const QueryBudget budget(db);
    // One row more than may be read tells that the query has too many.
    SqlQuery ids(
        db,
        QStringLiteral("SELECT ID FROM %1 LIMIT %2").arg(quotedIdentifier(query)).arg(MaxRows + 1));
    if (!ids.exec({}, error))
        return;
    while (ids.next())
        m_ids.append(ids.value(0).toLongLong());
    if (const StoreError stepError = ids.lastError(); stepError) {
        m_ids.clear();
        if (error)
            *error = stepError;
    } else if (m_ids.size() > MaxRows) {
        m_ids.clear();
        fail(error, StoreError::Kind::TooSlow,
             QCoreApplication::translate("lexmint::KeysetRows",
                                         "The test mode \"%1\" returns too many rows.")
                 .arg(query));
    }
}

std::optional<Row> KeysetRows::rowAt(int position)
{
    const qint64 id = m_ids.at(position);
    Row row{{id, position}, {}};
    SqlQuery values(m_db, m_valuesSql);
    if (StoreError error; !values.exec({id}, &error)) {
        readFailed(error);
        return std::nullopt;
    }
    if (values.next()) {
        for (int i = 0; i < m_columns.size(); ++i)
            row.values.append(values.value(i));
    }
    return row;
}

std::optional<Row> KeysetRows::scan(int start, int step, const SqlCondition* condition)
{
    QSet<qint64> matching;
    if (condition) {
        SqlQuery query(m_db, QStringLiteral("SELECT ID FROM Headwords WHERE ") + condition->sql);
        if (StoreError error; !query.exec(condition->values, &error)) {
            readFailed(error);
            return std::nullopt;
        }
        while (query.next())
            matching.insert(query.value(0).toLongLong());
    }
    for (int position = start; position >= 0 && position < m_ids.size(); position += step) {
        if (!condition || matching.contains(m_ids.at(position)))
            return rowAt(position);
    }
    return std::nullopt;
}

std::optional<Row> KeysetRows::first(const SqlCondition* condition)
{
    return scan(0, 1, condition);
}

std::optional<Row> KeysetRows::last(const SqlCondition* condition)
{
    return scan(static_cast<int>(m_ids.size()) - 1, -1, condition);
}

std::optional<Row> KeysetRows::after(const Row& row, const SqlCondition* condition)
{
    return scan(row.key.value(PositionIndex).toInt() + 1, 1, condition);
}

int KeysetRows::positionOf(const Row& row)
{
    return row.key.value(PositionIndex).toInt();
}

std::optional<Row> KeysetRows::at(int position)
{
    if (position < 0 || position >= m_ids.size())
        return std::nullopt;
    return rowAt(position);
}

QList<Row> KeysetRows::rowsFrom(const Row& row, int count)
{
    QList<Row> rows;
    const int start = row.key.value(PositionIndex).toInt();
    for (int position = start; position < m_ids.size() && rows.size() < count; ++position) {
        std::optional<Row> read = rowAt(position);
        if (!read)
            break;
        rows.append(std::move(*read));
    }
    return rows;
}

Row KeysetRows::reread(const Row& row)
{
    return rowAt(row.key.value(PositionIndex).toInt()).value_or(Row{row.key, {}});
}

bool KeysetRows::update(const Row& row, const QVariantMap& changes, StoreError* error)
{
    return m_writer.updateHeadword(row.key.value(IdIndex).toLongLong(), changes, error);
}

bool KeysetRows::remove(const Row& row, StoreError* error)
{
    return m_writer.deleteHeadword(row.key.value(IdIndex).toLongLong(), error);
}

std::optional<qint64> KeysetRows::insert(const QVariantMap& values, StoreError* error)
{
    return m_writer.insertHeadword(values, error);
}

} // namespace lexmint
