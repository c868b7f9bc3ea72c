#include "Database.h"

#include "SqlQuery.h"
#include "store/FileFormat.h"
#include "store/NativeStatement.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>
#include <QStorageInfo>
#include <QUrl>

#include <sqlite3.h>

namespace lexmint {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("lexmint-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool configureDefensively(sqlite3* handle)
{
    int applied = 0;
    return handle && sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, &applied) == SQLITE_OK
        && sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &applied) == SQLITE_OK
        && sqlite3_db_config(handle, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, &applied)
        == SQLITE_OK
        // Plans do not depend on bound values, so a prepared statement is not prepared again
        // for every new value; the store narrows its searches with explicit ranges instead.
        && sqlite3_db_config(handle, SQLITE_DBCONFIG_ENABLE_QPSG, 1, &applied) == SQLITE_OK;
}

// Why writing a copy failed: a full disk by its name, as the file's own error often says
// nothing useful then.
bool failedWrite(StoreError* error, const QString& destination, qint64 bytesLeft,
                 const QString& fileError)
{
    const QStorageInfo disk(QFileInfo(destination).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < std::max<qint64>(bytesLeft, 1))
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate("lexmint::Database",
                                                "The disk is full: there is no room for \"%1\".")
                        .arg(QDir::toNativeSeparators(destination)),
                    SQLITE_FULL);
    return fail(error, StoreError::Kind::Engine,
                QCoreApplication::translate("lexmint::Database", "Cannot write \"%1\": %2")
                    .arg(destination, fileError),
                SQLITE_IOERR);
}

// Whether a prepared statement may change the file; reading, transaction control and the
// connection's own settings do not.
bool changesFile(const QSqlQuery& query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return true;
    return sqlite3_stmt_readonly(*static_cast<sqlite3_stmt* const*>(handle.constData())) == 0;
}

} // namespace

Database::Database() : m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    close();
}

bool Database::open(const QString& path, StoreError* error)
{
    // "rw" opens an existing file without ever creating one; a file that cannot be written
    // is opened read-only.
    return openWithMode(path, QLatin1String("rw"), error);
}

bool Database::openReadOnly(const QString& path, StoreError* error, const QString& reason)
{
    if (!openWithMode(path, QLatin1String("ro"), error))
        return false;
    m_readOnlyReason = reason;
    return true;
}

bool Database::openWithMode(const QString& path, QLatin1String mode, StoreError* error)
{
    close();
    // Opening anything but a regular file could block (a named pipe waits for a writer).
    if (const QString notAFile = whyNotAFile(path); !notAFile.isEmpty())
        return fail(error, StoreError::Kind::Engine, notAFile, SQLITE_CANTOPEN);
    const QFileInfo info(path);

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                         + QStringLiteral("?mode=") + mode);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!m_db.open()) {
        if (error)
            *error = engineError(m_db.lastError(), *this);
        close();
        return false;
    }
    // Extended result codes tell a file deleted or a folder that is read-only from a file that
    // is read-only.
    if (!configureDefensively(handle())
        || sqlite3_extended_result_codes(handle(), 1) != SQLITE_OK) {
        close();
        return fail(
            error, StoreError::Kind::Engine,
            QCoreApplication::translate("lexmint::Database",
                                        "The database engine could not be configured safely."));
    }
    // Reading the schema now rejects files that are not databases before anyone relies on them.
    StoreError readError;
    // A larger page cache keeps the indexes of a big vocabulary in memory while the user
    // browses and searches it.
    const bool readable =
        SqlQuery(*this, QStringLiteral("PRAGMA cell_size_check = ON")).exec({}, &readError)
        && SqlQuery(*this, QStringLiteral("PRAGMA cache_size = -16384")).exec({}, &readError)
        && SqlQuery::scalar(*this, QStringLiteral("SELECT count(*) FROM sqlite_schema"), {},
                            &readError);
    if (!readable) {
        if (error)
            *error = readError;
        close();
        return false;
    }
    m_path = info.absoluteFilePath();
    return true;
}

void Database::close()
{
    m_statements.clear();
    m_nativeStatements.clear();
    m_leftOut.clear();
    m_readOnlyReason.clear();
    m_firstWriteCheck = nullptr;
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_path.clear();
    m_refusesWrites = false;
}

std::shared_ptr<PreparedStatement> Database::statement(const QString& sql) const
{
    // Statements are few and fixed; the bound only guards against unforeseen growth.
    constexpr qsizetype MaxCachedStatements = 200;
    std::shared_ptr<PreparedStatement>& cached = m_statements[sql];
    if (cached && cached.use_count() == 1)
        return cached;
    auto fresh = std::make_shared<PreparedStatement>(PreparedStatement{QSqlQuery(m_db), false});
    fresh->query.setForwardOnly(true);
    fresh->prepared = fresh->query.prepare(sql);
    fresh->writes = fresh->prepared && changesFile(fresh->query);
    if (!cached && m_statements.size() <= MaxCachedStatements)
        cached = fresh;
    else if (!cached)
        m_statements.remove(sql);
    return fresh;
}

NativeStatement& Database::nativeStatement(const char* sql) const
{
    std::unique_ptr<NativeStatement>& cached = m_nativeStatements[sql];
    if (!cached)
        cached = std::make_unique<NativeStatement>(*this, sql);
    return *cached;
}

bool Database::isOpen() const
{
    return m_db.isOpen();
}

sqlite3* Database::handle() const
{
    if (!m_db.isOpen())
        return nullptr;
    const QVariant v = m_db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

bool Database::isReadOnly() const
{
    sqlite3* h = handle();
    return !h || m_refusesWrites || sqlite3_db_readonly(h, "main") != 0
        || !m_readOnlyReason.isEmpty();
}

bool Database::mayWrite(StoreError* error) const
{
    if (m_firstWriteCheck) {
        const auto check = std::exchange(m_firstWriteCheck, nullptr);
        m_readOnlyReason = check(*this);
    }
    return m_readOnlyReason.isEmpty()
        || fail(error, StoreError::Kind::ReadOnly, m_readOnlyReason, SQLITE_READONLY);
}

std::optional<QStringList> Database::queryNames(StoreError* error) const
{
    SqlQuery query(*this,
                   QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'view' "
                                  "ORDER BY rowid"));
    if (!query.exec({}, error))
        return std::nullopt;
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

bool Database::hasTable(const QString& table) const
{
    return SqlQuery::scalar(*this,
                            QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND "
                                           "name = ? COLLATE NOCASE"),
                            {table})
        .has_value();
}

QStringList Database::columnNames(const QString& table) const
{
    SqlQuery query(*this, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    QStringList names;
    if (query.exec({table}))
        while (query.next())
            names.append(query.value(0).toString());
    return names;
}

std::optional<int> Database::textColumnSize(const QString& table, const QString& column,
                                            StoreError* error) const
{
    const auto type = SqlQuery::scalar(
        *this,
        QStringLiteral("SELECT type FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
        {table, column}, error);
    if (!type) {
        if (error && !*error)
            fail(error, StoreError::Kind::NotVocabulary,
                 QCoreApplication::translate("lexmint::Database", "The table %1 has no column %2.")
                     .arg(table, column));
        return std::nullopt;
    }
    static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d{1,9})\\s*\\)"));
    const QRegularExpressionMatch match = size.match(type->toString());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::optional<qint32> Database::property(const QString& name, StoreError* error) const
{
    if (!hasTable(QStringLiteral("Properties"))) {
        fail(error, StoreError::Kind::PropertyMissing,
             QCoreApplication::translate("lexmint::Database", "Property \"%1\" does not exist.")
                 .arg(name));
        return std::nullopt;
    }
    StoreError readError;
    const auto value = SqlQuery::scalar(
        *this, QStringLiteral("SELECT Value FROM Properties WHERE Name = ?"), {name}, &readError);
    if (!value) {
        if (readError)
            fail(error, readError.kind, readError.description, readError.number);
        else
            fail(error, StoreError::Kind::PropertyMissing,
                 QCoreApplication::translate("lexmint::Database", "Property \"%1\" does not exist.")
                     .arg(name));
        return std::nullopt;
    }
    bool ok = false;
    const qint64 number = value->toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min()
        || number > std::numeric_limits<qint32>::max()) {
        fail(error, StoreError::Kind::InvalidValue,
             QCoreApplication::translate("lexmint::Database",
                                         "Property \"%1\" does not hold a long integer.")
                 .arg(name));
        return std::nullopt;
    }
    return static_cast<qint32>(number);
}

bool Database::setProperty(const QString& name, qint32 value, StoreError* error)
{
    SqlQuery query(*this, QStringLiteral("UPDATE Properties SET Value = ? WHERE Name = ?"));
    if (!query.exec({value, name}, error))
        return false;
    if (query.numRowsAffected() == 0)
        return fail(
            error, StoreError::Kind::PropertyMissing,
            QCoreApplication::translate("lexmint::Database", "Property \"%1\" does not exist.")
                .arg(name));
    return true;
}

bool Database::createProperty(const QString& name, qint32 value, StoreError* error)
{
    return SqlQuery(*this,
                    QStringLiteral("CREATE TABLE IF NOT EXISTS Properties ("
                                   "Name TEXT PRIMARY KEY COLLATE NOCASE, "
                                   "Value INTEGER NOT NULL)"))
               .exec({}, error)
        && SqlQuery(*this, QStringLiteral("INSERT INTO Properties (Name, Value) VALUES (?, ?)"))
               .exec({name, value}, error);
}

// The statements run as the store's own, so that a failure keeps the engine's result code
// and with it the real cause, such as a full disk at the commit.
bool Database::transaction(StoreError* error)
{
    return SqlQuery(*this, QStringLiteral("BEGIN")).exec({}, error);
}

bool Database::commit(StoreError* error)
{
    if (SqlQuery(*this, QStringLiteral("COMMIT")).exec({}, error))
        return true;
    rollback();
    return false;
}

void Database::rollback()
{
    // Some failures end the transaction themselves; then there is nothing left to roll back.
    if (sqlite3* h = handle(); h && !sqlite3_get_autocommit(h))
        SqlQuery(*this, QStringLiteral("ROLLBACK")).exec();
}

bool Database::inTransaction() const
{
    sqlite3* h = handle();
    return h && sqlite3_get_autocommit(h) == 0;
}

bool Database::copyIntoMemory(StoreError* error)
{
    sqlite3* h = handle();
    if (!h)
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate("lexmint::Database", "No file is open."));
    // Statements prepared on the file would keep reading it.
    m_statements.clear();
    m_nativeStatements.clear();
    sqlite3_int64 size = 0;
    unsigned char* copy = sqlite3_serialize(h, "main", &size, 0);
    if (!copy)
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate(
                        "lexmint::Database", "There is not enough memory for a copy of the file."),
                    SQLITE_NOMEM);
    // A copy in memory has no write-ahead log to read: it is marked as kept with a rollback
    // journal, which it can be read and changed with.
    constexpr sqlite3_int64 JournalModeBytes = 18;
    if (size >= JournalModeBytes + 2)
        copy[JournalModeBytes] = copy[JournalModeBytes + 1] = 1;
    // The engine owns the copy from here on, and frees it even when this fails.
    const int result =
        sqlite3_deserialize(h, "main", copy, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (result != SQLITE_OK)
        return fail(error, StoreError::Kind::Engine, QString::fromUtf8(sqlite3_errstr(result)),
                    result);
    return true;
}

bool Database::refuseWrites(StoreError* error)
{
    m_refusesWrites = SqlQuery(*this, QStringLiteral("PRAGMA query_only = ON")).exec({}, error);
    return m_refusesWrites;
}

bool Database::copyDatabase(const QString& source, const QString& destination, StoreError* error,
                            Existing existing)
{
    if (existing == Existing::Refuse && QFileInfo::exists(destination))
        return fail(
            error, StoreError::Kind::Engine,
            QCoreApplication::translate("lexmint::Database", "The file \"%1\" already exists.")
                .arg(destination),
            SQLITE_CANTOPEN);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate("lexmint::Database", "Cannot read \"%1\": %2")
                        .arg(source, in.errorString()),
                    SQLITE_CANTOPEN);
    // The copy appears under its name, replacing what was there, only once it is complete.
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return fail(error, StoreError::Kind::Engine,
                    QCoreApplication::translate("lexmint::Database", "Cannot write \"%1\": %2")
                        .arg(destination, out.errorString()),
                    SQLITE_CANTOPEN);
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(error, StoreError::Kind::Engine,
                        QCoreApplication::translate("lexmint::Database", "Cannot read \"%1\": %2")
                            .arg(source, in.errorString()),
                        SQLITE_IOERR);
        // A write cut short (by a full disk, say) must not leave a partial copy behind, even
        // where the file does not report an error of its own.
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return failedWrite(error, destination, in.size() - copied, out.errorString());
        }
        copied += chunk.size();
    }
    if (!out.commit())
        return failedWrite(error, destination, in.size() - copied, out.errorString());
    return true;
}

} // namespace lexmint
