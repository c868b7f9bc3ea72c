#include "SqliteConnection.h"

#include <QtGlobal>

#include <sqlite3.h>

namespace lexmint::bench {

SqliteConnection::SqliteConnection(const QString& path)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr)
        != SQLITE_OK)
        qFatal("Cannot open %s: %s", qPrintable(path), sqlite3_errmsg(m_handle));
    // A pattern bound to GLOB otherwise makes the engine prepare the statement afresh at every
    // run, in case the pattern's literal start allows an index; the floors bound their ranges
    // themselves and keep their statements prepared.
    sqlite3_db_config(m_handle, SQLITE_DBCONFIG_ENABLE_QPSG, 1, nullptr);
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close_v2(m_handle);
}

} // namespace lexmint::bench
