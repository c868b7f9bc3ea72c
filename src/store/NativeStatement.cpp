#include "store/NativeStatement.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <sqlite3.h>

namespace lexmint {

NativeStatement::NativeStatement(const Database& db, const char* sql)
    : m_database(db), m_db(db.handle())
{
    m_result = m_db ? sqlite3_prepare_v2(m_db, sql, -1, &m_statement, nullptr) : SQLITE_MISUSE;
}

NativeStatement::~NativeStatement()
{
    sqlite3_finalize(m_statement);
}

void NativeStatement::check(int result)
{
    if (result != SQLITE_OK && m_result == SQLITE_OK)
        m_result = result;
}

void NativeStatement::reset()
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_result = SQLITE_OK;
}

void NativeStatement::bindValue(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_statement, index, value));
}

void NativeStatement::bindValue(int index, double value)
{
    check(sqlite3_bind_double(m_statement, index, value));
}

void NativeStatement::bindValue(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()),
                            SQLITE_TRANSIENT));
}

void NativeStatement::bindValue(int index, std::nullopt_t)
{
    check(sqlite3_bind_null(m_statement, index));
}

void NativeStatement::bindValue(int index, const std::optional<qint64>& value)
{
    if (value)
        bindValue(index, *value);
    else
        bindValue(index, std::nullopt);
}

bool NativeStatement::next()
{
    if (m_result != SQLITE_OK)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_result = result;
    return false;
}

bool NativeStatement::run(StoreError* error)
{
    while (next()) {
    }
    return !failed(error);
}

bool NativeStatement::failed(StoreError* error) const
{
    if (m_result == SQLITE_OK)
        return false;
    if (error) {
        const int number = m_db ? sqlite3_extended_errcode(m_db) : m_result;
        *error = engineError(number,
                             m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                  : QCoreApplication::translate("lexmint::NativeStatement",
                                                                "The vocabulary is not open."),
                             m_database);
    }
    return true;
}

qint64 NativeStatement::insertedId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

qint64 NativeStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double NativeStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool NativeStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace lexmint
