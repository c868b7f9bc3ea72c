#include "FileSoundness.h"

#include "store/Database.h"
#include "store/SqlQuery.h"
#include "store/TemplateSchema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace lexmint {

namespace {

// Definitions compare without regard to how their lines are broken and indented.
QString normalised(const QString& definition)
{
    return definition.simplified();
}

// The triggers of the program's own schema, read once.
const QSet<QString>& ownTriggers()
{
    static const QSet<QString> triggers = [] {
        TemplateSchema schema;
        QSet<QString> definitions;
        if (schema.load()) {
            for (const QString& definition : schema.triggerDefinitions())
                definitions.insert(normalised(definition));
        }
        Q_ASSERT(!definitions.isEmpty());
        return definitions;
    }();
    return triggers;
}

} // namespace

QString WriteRefusal::reason() const
{
    switch (cause) {
    case Cause::Damaged:
        return QCoreApplication::translate(
            "lexmint::FileSoundness",
            "The vocabulary file is damaged, so Lex Mint keeps it read-only and "
            "writes nothing into it.");
    case Cause::ForeignTriggers:
        return QCoreApplication::translate(
                   "lexmint::FileSoundness",
                   "The vocabulary file contains triggers that Lex Mint did not create "
                   "(%1), so Lex Mint keeps it read-only and writes nothing into it.")
            .arg(triggers.join(QStringLiteral(", ")));
    case Cause::Unprepared:
        return QCoreApplication::translate(
                   "lexmint::FileSoundness",
                   "The vocabulary file could not be prepared for use, so Lex Mint "
                   "keeps it read-only: %1")
            .arg(detail);
    case Cause::None: break;
    }
    return {};
}

namespace filesoundness {

bool isCutShort(const Database& db)
{
    // One shorter than its header says does not get this far: the engine refuses to read it.
    const qint64 pageSize =
        SqlQuery::scalar(db, QStringLiteral("PRAGMA page_size")).value_or(0).toLongLong();
    return pageSize <= 0 || QFileInfo(db.path()).size() % pageSize != 0;
}

bool isDamaged(const Database& db)
{
    // The quick check walks every page of every table and index; reading fails as well when
    // the damage is beyond what it can report.
    return isCutShort(db)
        || SqlQuery::scalar(db, QStringLiteral("PRAGMA quick_check(1)")).value_or(QVariant())
        != QVariant(QStringLiteral("ok"));
}

QStringList foreignTriggers(const Database& db)
{
    SqlQuery triggers(db,
                      QStringLiteral("SELECT name, sql FROM sqlite_schema "
                                     "WHERE type = 'trigger' ORDER BY rowid"));
    QStringList foreign;
    if (!triggers.exec())
        return foreign;
    while (triggers.next()) {
        if (!ownTriggers().contains(normalised(triggers.value(1).toString())))
            foreign.append(triggers.value(0).toString());
    }
    return foreign;
}

WriteRefusal checkAtOpen(const Database& db)
{
    if (isCutShort(db))
        return {WriteRefusal::Cause::Damaged, {}, {}};
    if (QStringList triggers = foreignTriggers(db); !triggers.isEmpty())
        return {WriteRefusal::Cause::ForeignTriggers, std::move(triggers), {}};
    return {};
}

QString damageBeforeFirstWrite(const Database& db)
{
    return isDamaged(db) ? WriteRefusal{WriteRefusal::Cause::Damaged, {}, {}}.reason() : QString();
}

} // namespace filesoundness
} // namespace lexmint
