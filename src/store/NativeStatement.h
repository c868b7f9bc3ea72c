#pragma once

#include "store/StoreError.h"

#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace lexmint {

class Database;

/// A statement run through the database engine's own interface, for the store's work on many
/// rows at once, where the cost of Qt's SQL layer for each row would outweigh the engine's own
/// work. Like SqlQuery, it takes every value as a bound value.
class NativeStatement {
public:
    NativeStatement(const Database& db, const char* sql);
    ~NativeStatement();
    NativeStatement(const NativeStatement&) = delete;
    NativeStatement& operator=(const NativeStatement&) = delete;

    /// Resets the statement and binds the values in order: integers, reals, text, or
    /// std::nullopt for NULL.
    template <typename... Values>
    NativeStatement& bind(const Values&... values)
    {
        reset();
        [[maybe_unused]] int index = 0;
        (bindValue(++index, values), ...);
        return *this;
    }

    /// Steps to the next row; false at the end, and on a failure, which failed() then tells.
    bool next();
    /// Runs the statement to its end; false, with the reason in `error`, on a failure.
    bool run(StoreError* error);
    /// Whether preparing, binding or the last step failed; the reason goes into `error`.
    bool failed(StoreError* error) const;

    /// The row ID of the row the last insert on the connection made.
    qint64 insertedId() const;

    qint64 integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;

private:
    void reset();
    void bindValue(int index, qint64 value);
    void bindValue(int index, int value) { bindValue(index, qint64(value)); }
    void bindValue(int index, double value);
    void bindValue(int index, const QString& value);
    void bindValue(int index, std::nullopt_t);
    void bindValue(int index, const std::optional<qint64>& value);
    void check(int result);

    const Database& m_database;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    int m_result = 0;
};

} // namespace lexmint
