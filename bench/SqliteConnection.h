#pragma once

#include <QString>

struct sqlite3;

namespace lexmint::bench {

/// A connection of the hand-written floors: the engine's C API with nothing in between, in
/// the engine's default journal and sync settings, as the program uses them. Its query plans
/// never depend on bound values (the engine's query planner stability guarantee).
class SqliteConnection {
public:
    /// Opens an existing file for reading and writing; a failure ends the run.
    explicit SqliteConnection(const QString& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return m_handle; }

private:
    sqlite3* m_handle = nullptr;
};

} // namespace lexmint::bench
