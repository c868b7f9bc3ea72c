#pragma once

#include "store/StoreError.h"

#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>
#include <memory>

namespace lexmint {

class Database;
struct PreparedStatement;

/// A prepared, forward-only statement with bound values, for the store's own SQL.
/// User text only ever reaches the engine as a bound value. The statement is released when
/// the object goes, so that no read lingers on the file.
class SqlQuery {
public:
    SqlQuery(const Database& db, const QString& sql);
    ~SqlQuery();
    SqlQuery(const SqlQuery&) = delete;
    SqlQuery& operator=(const SqlQuery&) = delete;

    /// Binds the values in order and runs the statement.
    bool exec(std::initializer_list<QVariant> values = {}, StoreError* error = nullptr);
    bool exec(const QVariantList& values, StoreError* error = nullptr);
    bool next() { return query().next(); }
    /// What stopped the statement, when next() ended on an error rather than at the last row.
    StoreError lastError() const;
    QVariant value(int column) const { return query().value(column); }
    QVariant lastInsertId() const { return query().lastInsertId(); }
    int numRowsAffected() const { return query().numRowsAffected(); }
    void finish() { query().finish(); }

    /// Runs a statement and returns the first column of its first row, if any.
    static std::optional<QVariant> scalar(const Database& db, const QString& sql,
                                          const QVariantList& values = {},
                                          StoreError* error = nullptr);

private:
    QSqlQuery& query() const;

    const Database& m_db;
    std::shared_ptr<PreparedStatement> m_statement;
};

/// An identifier quoted for SQL, for names that come from the file's own schema.
QString quotedIdentifier(const QString& name);

/// Turns the engine's last error on `db` into a StoreError that names the real cause in the
/// user's terms where the program knows it (read-only files get their own kind).
StoreError engineError(const QSqlError& error, const Database& db);
/// The same for an engine result code and the engine's text, where the engine is used directly.
StoreError engineError(int resultCode, const QString& text, const Database& db);

} // namespace lexmint
