#include "store/ScheduleSchema.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <memory>

namespace lexmint::scheduleschema {

namespace {

const QStringList StateColumns{QStringLiteral("Stability"), QStringLiteral("Difficulty"),
                               QStringLiteral("DueOn"), QStringLiteral("LearningState"),
                               QStringLiteral("LearningStep")};
const QStringList Tables{QStringLiteral("Answers")};
// Indexes, triggers and queries that come with the tables; each is added where it is missing.
const QStringList Companions{
    QStringLiteral("HeadwordsByDueOn"),   QStringLiteral("HeadwordsByStability"),
    QStringLiteral("AnswersByEntry"),     QStringLiteral("AnswersByMoment"),
    QStringLiteral("AnswersUnscheduled"), QStringLiteral("EntryAnswersRemoved"),
    QStringLiteral("Due Today")};

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

/// The template's schema, built in memory from the text the template is made of.
class TemplateSchema {
public:
    bool load(StoreError* error)
    {
        QFile file(QStringLiteral(":/lexmint/template.sql"));
        sqlite3* db = nullptr;
        const bool opened = sqlite3_open(":memory:", &db) == SQLITE_OK;
        m_db.reset(db);
        if (!opened || !file.open(QIODevice::ReadOnly)
            || sqlite3_exec(db, file.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return fail(error, StoreError::Kind::Engine,
                        QCoreApplication::translate("lexmint::ScheduleSchema",
                                                    "The vocabulary template could not be read."));
        return true;
    }

    /// The statements that make the named objects, in the template's order.
    QStringList definitions(const QStringList& names) const
    {
        QStringList statements;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db.get(), "SELECT name, sql FROM sqlite_schema ORDER BY rowid", -1,
                           &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            if (names.contains(text(statement, 0)))
                statements.append(text(statement, 1));
        }
        sqlite3_finalize(statement);
        return statements;
    }

    /// The definition of a column of Headwords, as ADD COLUMN takes it.
    QString headwordColumn(const QString& name) const
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db.get(),
                           "SELECT type, \"notnull\", dflt_value "
                           "FROM pragma_table_info('Headwords') WHERE name = ?",
                           -1, &statement, nullptr);
        const QByteArray utf8 = name.toUtf8();
        sqlite3_bind_text(statement, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        QString definition;
        if (sqlite3_step(statement) == SQLITE_ROW) {
            definition = quotedIdentifier(name) + u' ' + text(statement, 0);
            if (sqlite3_column_int(statement, 1))
                definition += QStringLiteral(" NOT NULL");
            if (sqlite3_column_type(statement, 2) != SQLITE_NULL)
                definition += QStringLiteral(" DEFAULT ") + text(statement, 2);
        }
        sqlite3_finalize(statement);
        return definition;
    }

private:
    static QString text(sqlite3_stmt* statement, int column)
    {
        return QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    }

    std::unique_ptr<sqlite3, SqliteCloser> m_db;
};

QStringList missingColumns(const Database& db)
{
    const QStringList present = db.columnNames(QStringLiteral("Headwords"));
    QStringList missing;
    for (const QString& column : StateColumns) {
        if (!present.contains(column, Qt::CaseInsensitive))
            missing.append(column);
    }
    return missing;
}

QStringList missingObjects(const Database& db, const QStringList& names)
{
    QStringList missing;
    for (const QString& name : names) {
        if (!SqlQuery::scalar(db,
                              QStringLiteral("SELECT 1 FROM sqlite_schema WHERE name = ? "
                                             "COLLATE NOCASE"),
                              {name}))
            missing.append(name);
    }
    return missing;
}

} // namespace

bool isPresent(const Database& db)
{
    return missingColumns(db).isEmpty() && missingObjects(db, Tables).isEmpty();
}

bool upgrade(Database& db, StoreError* error)
{
    if (isPresent(db))
        return true;
    TemplateSchema schema;
    if (!schema.load(error))
        return false;
    QStringList statements;
    for (const QString& column : missingColumns(db))
        statements.append(QStringLiteral("ALTER TABLE Headwords ADD COLUMN ")
                          + schema.headwordColumn(column));
    statements += schema.definitions(missingObjects(db, Tables + Companions));

    if (!db.transaction(error))
        return false;
    for (const QString& statement : std::as_const(statements)) {
        if (!SqlQuery(db, statement).exec({}, error)) {
            db.rollback();
            return false;
        }
    }
    return db.commit(error);
}

} // namespace lexmint::scheduleschema
