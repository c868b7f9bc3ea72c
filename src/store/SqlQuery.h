#pragma once

#include "store/StoreError.h"

#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>

namespace lexmint {

/// A prepared, forward-only statement with bound values, for the store's own SQL.
/// User text only ever reaches the engine as a bound value.
class SqlQuery {
public:
    SqlQuery(const QSqlDatabase& db, const QString& sql);

    /// Binds the values in order and runs the statement.
    bool exec(std::initializer_list<QVariant> values = {}, StoreError* error = nullptr);
    bool exec(const QVariantList& values, StoreError* error = nullptr);
    bool next() { return m_query.next(); }
    QVariant value(int column) const { return m_query.value(column); }
    QVariant lastInsertId() const { return m_query.lastInsertId(); }
    int numRowsAffected() const { return m_query.numRowsAffected(); }
    void finish() { m_query.finish(); }
    QSqlQuery& query() { return m_query; }

    /// Runs a statement and returns the first column of its first row, if any.
    static std::optional<QVariant> scalar(const QSqlDatabase& db, const QString& sql,
                                          const QVariantList& values = {},
                                          StoreError* error = nullptr);

private:
    QSqlQuery m_query;
    bool m_prepared = false;
};

/// An identifier quoted for SQL, for names that come from the file's own schema.
QString quotedIdentifier(const QString& name);

/// Turns the engine's last error into a StoreError (read-only files get their own kind).
StoreError engineError(const QSqlError& error);

} // namespace lexmint
