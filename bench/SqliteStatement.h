#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace lexmint::bench {

/// A prepared statement of the hand-written floors. A statement the engine refuses ends the
/// run: the floors are the benchmark's own SQL, so any failure is a fault of the benchmark.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, QByteArrayView sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement& operator=(SqliteStatement&&) = delete;

    /// Resets the statement and binds the values to its parameters in order.
    template <typename... Values>
    SqliteStatement& bind(const Values&... values)
    {
        reset();
        [[maybe_unused]] int index = 0;
        (bindValue(++index, values), ...);
        return *this;
    }

    /// Steps once; true when that produced a row.
    bool step();
    /// Ends the current run, releasing what it holds in the file as a finished run does, and
    /// forgets the bound values.
    void reset();
    /// Steps through every row, reading each value as a program would; returns the row count.
    int run();

    qint64 integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    QByteArray text(int column) const;
    /// The engine's own value of a column of the current row, to bind it elsewhere unchanged.
    sqlite3_value* value(int column) const;

private:
    void bindValue(int index, qint64 value);
    void bindValue(int index, int value) { bindValue(index, qint64(value)); }
    void bindValue(int index, double value);
    void bindValue(int index, const QString& value);
    void bindValue(int index, const char* value);
    void bindValue(int index, sqlite3_value* value);
    void check(int result) const;

    sqlite3_stmt* m_statement = nullptr;
};

} // namespace lexmint::bench
