#include "SqlQuery.h"

#include "store/Database.h"

#include <QSqlError>

namespace lexmint {

namespace {

enum PrimaryResult { Busy = 5, ReadOnly = 8, Full = 13 };

// What the user can do about the failures that have a cause outside the program.
QString explanation(int primaryResult)
{
    switch (primaryResult) {
    case Busy:
        return QStringLiteral("The vocabulary is in use by another program. Nothing was changed; "
                              "try again once the other program has finished with it.");
    case ReadOnly:
        return QStringLiteral("The vocabulary file is read-only, so the change was not saved.");
    case Full:
        return QStringLiteral("The disk is full, so the change was not saved.");
    default:
        return {};
    }
}

} // namespace

StoreError engineError(const QSqlError& error)
{
    bool ok = false;
    const int number = error.nativeErrorCode().toInt(&ok);
    return engineError(ok ? number : 0,
                       error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

StoreError engineError(int resultCode, const QString& text)
{
    const int primary = resultCode & 0xff;
    QString description = explanation(primary);
    if (description.isEmpty())
        description = text;
    const auto kind = primary == ReadOnly ? StoreError::Kind::ReadOnly : StoreError::Kind::Engine;
    return StoreError{kind, resultCode, description};
}

QString quotedIdentifier(const QString& name)
{
    QString quoted = name;
    return QLatin1Char('"') + quoted.replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

SqlQuery::SqlQuery(const Database& db, const QString& sql) : m_statement(db.statement(sql)) {}

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
    if (m_statement->prepared) {
        for (int i = 0; i < values.size(); ++i)
            statement.bindValue(i, values.at(i));
        if (statement.exec())
            return true;
    }
    if (error)
        *error = engineError(statement.lastError());
    return false;
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
