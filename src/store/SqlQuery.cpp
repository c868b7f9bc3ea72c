#include "SqlQuery.h"

#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>

#include <sqlite3.h>

namespace lexmint {

namespace {

// What the user can do about the failures that have a cause outside the program; empty where
// the engine's own description is all there is to say.
QString explanation(int result, const Database& db)
{
    const QString file = QDir::toNativeSeparators(db.path());
    switch (result) {
    case SQLITE_READONLY_DBMOVED:
        // The engine notices that its file is gone only as a refusal to write.
        return QFileInfo::exists(db.path())
            ? QCoreApplication::translate(
                  "lexmint::SqlQuery",
                  "The vocabulary file %1 was replaced by another file after it was "
                  "opened, so the change was not saved.")
                  .arg(file)
            : QCoreApplication::translate(
                  "lexmint::SqlQuery",
                  "The vocabulary file %1 is no longer there; it was moved or deleted.")
                  .arg(file);
    case SQLITE_READONLY_DIRECTORY:
        return QCoreApplication::translate(
            "lexmint::SqlQuery",
            "The folder of the vocabulary file is read-only. Saving a change "
            "needs a temporary journal file beside the vocabulary, so the "
            "change was not saved, although the file itself could be written.");
    default: break;
    }
    switch (result & 0xff) {
    case SQLITE_BUSY:
        return QCoreApplication::translate(
            "lexmint::SqlQuery",
            "The vocabulary is in use by another program. Nothing was changed; "
            "try again once the other program has finished with it.");
    case SQLITE_READONLY:
        return db.readOnlyReason().isEmpty() ? QCoreApplication::translate(
                   "lexmint::SqlQuery",
                   "The vocabulary file is read-only, so the change was not saved.")
                                             : db.readOnlyReason();
    case SQLITE_CORRUPT:
        return QCoreApplication::translate("lexmint::SqlQuery", "The vocabulary file is damaged.");
    case SQLITE_FULL:
        return QCoreApplication::translate("lexmint::SqlQuery",
                                           "The disk is full, so the change was not saved.");
    default: return {};
    }
}

StoreError::Kind kindOf(int primaryResult)
{
    switch (primaryResult) {
    case SQLITE_READONLY: return StoreError::Kind::ReadOnly;
    case SQLITE_INTERRUPT: // only query budgets interrupt the engine
        return StoreError::Kind::TooSlow;
    default: return StoreError::Kind::Engine;
    }
}

} // namespace

StoreError engineError(const QSqlError& error, const Database& db)
{
    bool ok = false;
    const int result = error.nativeErrorCode().toInt(&ok);
    return engineError(ok ? result : 0,
                       error.databaseText().isEmpty() ? error.text() : error.databaseText(), db);
}

StoreError engineError(int resultCode, const QString& text, const Database& db)
{
    QString description = resultCode != 0 ? explanation(resultCode, db) : QString();
    if (description.isEmpty())
        description = text;
    const int primary = resultCode & 0xff;
    return StoreError{kindOf(primary), primary, description};
}

QString quotedIdentifier(const QString& name)
{
    QString quoted = name;
    return QLatin1Char('"') + quoted.replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

SqlQuery::SqlQuery(const Database& db, const QString& sql)
    : m_db(db), m_statement(db.statement(sql))
{
}

SqlQuery::~SqlQuery()
{
    m_statement->query.finish();
}

QSqlQuery& SqlQuery::query() const
{
    return m_statement->query;
}

bool SqlQuery::exec(std::initializer_list<QVariant> values, StoreError* error)
{
    return exec(QVariantList(values), error);
}

bool SqlQuery::exec(const QVariantList& values, StoreError* error)
{
    QSqlQuery& statement = query();
    if (m_statement->prepared && m_statement->writes && !m_db.mayWrite(error))
        return false;
    if (m_statement->prepared) {
        for (int i = 0; i < values.size(); ++i)
            statement.bindValue(i, values.at(i));
        if (statement.exec())
            return true;
    }
    if (error)
        *error = engineError(statement.lastError(), m_db);
    return false;
}

StoreError SqlQuery::lastError() const
{
    const QSqlError error = query().lastError();
    return error.isValid() ? engineError(error, m_db) : StoreError{};
}

std::optional<QVariant> SqlQuery::scalar(const Database& db, const QString& sql,
                                         const QVariantList& values, StoreError* error)
{
    SqlQuery query(db, sql);
    if (!query.exec(values, error) || !query.next())
        return std::nullopt;
    return query.value(0);
}

} // namespace lexmint
