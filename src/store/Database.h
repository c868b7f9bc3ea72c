#pragma once

#include "store/StoreError.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

struct sqlite3;

namespace lexmint {

class NativeStatement;

/// A prepared statement kept for reuse by SqlQuery.
struct PreparedStatement {
    QSqlQuery query;
    bool prepared = false;
    bool writes = false; ///< the statement may change the file
};

/// One connection to a vocabulary file: the database engine layer.
///
/// The file is untrusted input. It is opened read-write without ever creating it, with the
/// engine's defensive configuration: no writes to the schema tables, schema code treated as
/// untrusted, no extension loading. A file that cannot be written is opened read-only.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool open(const QString& path, StoreError* error = nullptr);
    /// Opens for reading only, as for a file on read-only media. A refused write then gives
    /// `reason` as its description, when there is one: the reason the program keeps the file
    /// read-only.
    bool openReadOnly(const QString& path, StoreError* error = nullptr, const QString& reason = {});
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    /// True also once the program keeps the file read-only (see readOnlyReason()).
    bool isReadOnly() const;
    const QString& readOnlyReason() const { return m_readOnlyReason; }

    /// Runs `check` once, right before the first statement that would change the file, so
    /// that the file is known to be sound before anything is written into it. When the check
    /// gives a reason, nothing is written through this connection from then on and every
    /// write fails with that reason.
    void checkBeforeFirstWrite(std::function<QString(const Database&)> check)
    {
        m_firstWriteCheck = std::move(check);
    }
    /// Whether a statement that changes the file may run; runs the first-write check when it
    /// is due.
    bool mayWrite(StoreError* error) const;

    /// Takes a saved query out of use for as long as the connection is open, after it took
    /// longer to read than it may; true when it was in use until now.
    bool leaveOut(const QString& query) { return !std::exchange(m_leftOut[query], true); }
    bool isLeftOut(const QString& query) const { return m_leftOut.value(query); }

    /// Names of the saved queries (the file's views) in the order the file lists them.
    std::optional<QStringList> queryNames(StoreError* error = nullptr) const;
    bool hasTable(const QString& table) const;
    QStringList columnNames(const QString& table) const;
    /// Declared character size of a text column, as in VARCHAR(50); 0 when none is declared.
    std::optional<int> textColumnSize(const QString& table, const QString& column,
                                      StoreError* error = nullptr) const;

    /// Named long-integer properties kept in the file.
    std::optional<qint32> property(const QString& name, StoreError* error = nullptr) const;
    bool setProperty(const QString& name, qint32 value, StoreError* error = nullptr);
    bool createProperty(const QString& name, qint32 value, StoreError* error = nullptr);

    bool transaction(StoreError* error = nullptr);
    bool commit(StoreError* error = nullptr);
    void rollback();
    /// Whether a transaction begun with transaction() is still open.
    bool inTransaction() const;

    /// Goes on with a private copy of the open file in memory: from then on, changes reach
    /// the copy only, never the file.
    bool copyIntoMemory(StoreError* error = nullptr);
    /// Refuses every change from now on, as for a file that cannot be written.
    bool refuseWrites(StoreError* error = nullptr);

    enum class Existing { Refuse, Replace };
    /// Copies source (a template) to destination. An existing destination makes the copy fail,
    /// or, when asked, is replaced only once the copy is complete, so that a failed copy never
    /// costs the file that was there.
    static bool copyDatabase(const QString& source, const QString& destination,
                             StoreError* error = nullptr, Existing existing = Existing::Refuse);

    sqlite3* handle() const;

    /// The statement for `sql`, prepared once per connection and reused while nobody else
    /// holds it.
    std::shared_ptr<PreparedStatement> statement(const QString& sql) const;
    /// The engine's own statement for `sql` (a string that lives as long as the program),
    /// prepared once per connection and finalized when the connection closes; for writes of
    /// many rows, each bound and run at once.
    NativeStatement& nativeStatement(const char* sql) const;

private:
    bool openWithMode(const QString& path, QLatin1String mode, StoreError* error);

    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_path;
    bool m_refusesWrites = false;
    mutable QString m_readOnlyReason;
    mutable std::function<QString(const Database&)> m_firstWriteCheck;
    QHash<QString, bool> m_leftOut;
    mutable QHash<QString, std::shared_ptr<PreparedStatement>> m_statements;
    mutable std::unordered_map<const char*, std::unique_ptr<NativeStatement>> m_nativeStatements;
};

/// Runs `write` inside a transaction that is committed only when it succeeds; returns what
/// `write` returned, or an empty value when it or the transaction failed. Inside the caller's
/// own transaction, `write` joins it and the caller decides what is kept.
template <typename Write>
auto inTransaction(Database& db, StoreError* error, Write write) -> decltype(write())
{
    if (db.inTransaction())
        return write();
    if (!db.transaction(error))
        return {};
    auto result = write();
    if (!result) {
        db.rollback();
        return {};
    }
    if (!db.commit(error))
        return {};
    return result;
}

} // namespace lexmint
