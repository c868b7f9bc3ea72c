#include "SqliteStatement.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace lexmint::bench {

SqliteStatement::SqliteStatement(sqlite3* db, QByteArrayView sql)
{
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr)
        != SQLITE_OK)
        qFatal("Cannot prepare \"%.*s\": %s", static_cast<int>(sql.size()), sql.data(),
               sqlite3_errmsg(db));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
{
}

void SqliteStatement::check(int result) const
{
    if (result != SQLITE_OK)
        qFatal("\"%s\" failed: %s", sqlite3_sql(m_statement),
               sqlite3_errmsg(sqlite3_db_handle(m_statement)));
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

void SqliteStatement::bindValue(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_statement, index, value));
}

void SqliteStatement::bindValue(int index, double value)
{
    check(sqlite3_bind_double(m_statement, index, value));
}

void SqliteStatement::bindValue(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                            SQLITE_TRANSIENT));
}

void SqliteStatement::bindValue(int index, const char* value)
{
    check(sqlite3_bind_text(m_statement, index, value, -1, SQLITE_STATIC));
}

void SqliteStatement::bindValue(int index, sqlite3_value* value)
{
    check(sqlite3_bind_value(m_statement, index, value));
}

bool SqliteStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    check(result == SQLITE_DONE ? SQLITE_OK : result);
    return false;
}

int SqliteStatement::run()
{
    int rows = 0;
    while (step()) {
        ++rows;
        for (int column = 0, count = sqlite3_column_count(m_statement); column < count; ++column) {
            if (sqlite3_column_type(m_statement, column) == SQLITE_TEXT)
                benchmark::DoNotOptimize(sqlite3_column_text(m_statement, column));
            else
                benchmark::DoNotOptimize(sqlite3_column_int64(m_statement, column));
        }
    }
    return rows;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

QByteArray SqliteStatement::text(int column) const
{
    return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
                      sqlite3_column_bytes(m_statement, column));
}

sqlite3_value* SqliteStatement::value(int column) const
{
    return sqlite3_column_value(m_statement, column);
}

} // namespace lexmint::bench
