#include "store/ScheduleSchema.h"

#include "store/Database.h"
#include "store/SqlQuery.h"
#include "store/TemplateSchema.h"

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
