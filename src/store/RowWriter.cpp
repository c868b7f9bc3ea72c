#include "RowWriter.h"

#include "store/AnswerLog.h"
#include "store/Database.h"
#include "store/EntryRules.h"
#include "store/NativeStatement.h"
#include "store/SqlQuery.h"
#include "store/TextKeys.h"

#include <QCoreApplication>
#include <QDate>

#include <sqlite3.h>

#include <limits>

namespace lexmint {

namespace {

const QStringList HeadwordColumns =
    QStringList{QStringLiteral("Headword"), QStringLiteral("LastTestedOn"),
                QStringLiteral("Tested"), QStringLiteral("Correct"), QStringLiteral("LastOK")}
    + AnswerLog::memoryColumns();
const QStringList DefinitionColumns{QStringLiteral("ID"), QStringLiteral("Definition")};

// The rows of a new entry; the columns not named keep the file's defaults.
constexpr const char* InsertEntrySql =
    "INSERT INTO Headwords (Headword, LastTestedOn, FoldKey, SortKey) VALUES (?, ?, ?, ?)";
constexpr const char* InsertEntryWithStatisticsSql =
    "INSERT INTO Headwords (Headword, LastTestedOn, FoldKey, SortKey, Tested, Correct, LastOK) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)";
constexpr const char* InsertLineSql = "INSERT INTO Definitions (ID, Definition) VALUES (?, ?)";

// Dates are kept as ISO text, which the engine's date functions understand.
QVariant storable(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().toString(Qt::ISODate);
    return value;
}

bool checkColumns(const QVariantMap& values, const QStringList& allowed, const QString& table,
                  StoreError* error)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!allowed.contains(it.key()))
            return fail(
                error, StoreError::Kind::InvalidValue,
                QCoreApplication::translate("lexmint::RowWriter", "%1 has no writable column %2.")
                    .arg(table, it.key()));
    }
    return true;
}

std::optional<qint64> insertRow(Database& db, const QString& table, const QVariantMap& values,
                                StoreError* error)
{
    QStringList placeholders;
    QVariantList bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        placeholders.append(QStringLiteral("?"));
        bound.append(storable(it.value()));
    }
    SqlQuery query(db,
                   QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(table, values.keys().join(QStringLiteral(", ")),
                            placeholders.join(QStringLiteral(", "))));
    if (!query.exec(bound, error))
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

bool updateRow(Database& db, const QString& table, const QString& keyColumn, qint64 key,
               const QVariantMap& changes, StoreError* error)
{
    if (changes.isEmpty())
        return true;
    QStringList assignments;
    QVariantList bound;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        assignments.append(it.key() + QStringLiteral(" = ?"));
        bound.append(storable(it.value()));
    }
    bound.append(key);
    SqlQuery query(db,
                   QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                       .arg(table, assignments.join(QStringLiteral(", ")), keyColumn));
    if (!query.exec(bound, error))
        return false;
    if (query.numRowsAffected() == 0)
        return fail(error, StoreError::Kind::RowMissing,
                    QCoreApplication::translate("lexmint::RowWriter",
                                                "The row to change no longer exists."));
    return true;
}

bool deleteRow(Database& db, const QString& table, const QString& keyColumn, qint64 key,
               StoreError* error)
{
    SqlQuery query(db, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, keyColumn));
    if (!query.exec({key}, error))
        return false;
    if (query.numRowsAffected() == 0)
        return fail(error, StoreError::Kind::RowMissing,
                    QCoreApplication::translate("lexmint::RowWriter",
                                                "The row to delete no longer exists."));
    return true;
}

// The engine numbers new entries after the highest number ever used; at the largest integer
// there is no next one, which it reports as a full database.
bool idsExhausted(const Database& db)
{
    return SqlQuery::scalar(
               db,
               QStringLiteral("SELECT max(coalesce((SELECT max(ID) FROM Headwords), 0), "
                              "coalesce((SELECT max(seq) FROM sqlite_sequence "
                              "WHERE name = 'Headwords'), 0))"))
               .value_or(0)
               .toLongLong()
        == std::numeric_limits<qint64>::max();
}

} // namespace

RowWriter::RowWriter(Database& db) : m_db(db)
{
    m_headwordSize =
        db.textColumnSize(QStringLiteral("Headwords"), QStringLiteral("Headword")).value_or(0);
}

bool RowWriter::checkHeadwordValues(const QVariantMap& values, StoreError* error)
{
    if (!checkColumns(values, HeadwordColumns, QStringLiteral("Headwords"), error))
        return false;
    const auto headword = values.constFind(QStringLiteral("Headword"));
    return headword == values.cend()
        || entryrules::checkHeadword(headword->toString(), m_headwordSize, error);
}

bool RowWriter::checkDefinitionValues(const QVariantMap& values, StoreError* error)
{
    if (!checkColumns(values, DefinitionColumns, QStringLiteral("Definitions"), error))
        return false;
    const auto definition = values.constFind(QStringLiteral("Definition"));
    return definition == values.cend()
        || entryrules::checkDefinition(definition->toString(), error);
}

std::optional<qint64> RowWriter::insertHeadword(const QVariantMap& values, StoreError* error)
{
    QVariantMap row = values;
    if (!row.contains(QStringLiteral("Headword"))) {
        fail(error, StoreError::Kind::InvalidValue,
             QCoreApplication::translate("lexmint::RowWriter", "A headword cannot be empty."));
        return std::nullopt;
    }
    if (!checkHeadwordValues(row, error))
        return std::nullopt;
    const QString headword = row.value(QStringLiteral("Headword")).toString();
    row.insert(QStringLiteral("FoldKey"), textkeys::foldKey(headword));
    row.insert(QStringLiteral("SortKey"), textkeys::sortKey(headword));
    return insertedHeadword(insertRow(m_db, QStringLiteral("Headwords"), row, error), error);
}

std::optional<qint64> RowWriter::insertedHeadword(std::optional<qint64> id, StoreError* error) const
{
    if (!id && error && error->number == SQLITE_FULL && idsExhausted(m_db))
        fail(error, StoreError::Kind::Engine,
             QCoreApplication::translate(
                 "lexmint::RowWriter",
                 "The vocabulary has no entry numbers left: the file already holds "
                 "the highest number an entry can have (%1), so no entry can be added "
                 "to it. Create a new vocabulary for further entries.")
                 .arg(std::numeric_limits<qint64>::max()),
             SQLITE_FULL);
    return id;
}

const QString& RowWriter::storedDate(QDate date)
{
    if (date != m_storedDate.first)
        m_storedDate = {date, storable(date).toString()};
    return m_storedDate.second;
}

std::optional<qint64> RowWriter::insertEntry(const QString& headword, QDate createdOn,
                                             const EntryStatistics* statistics, StoreError* error)
{
    if (!entryrules::checkHeadword(headword, m_headwordSize, error) || !m_db.mayWrite(error))
        return std::nullopt;
    const QString foldKey = textkeys::foldKey(headword);
    const QString sortKey = textkeys::sortKey(headword);
    NativeStatement& insert = statistics
        ? m_db.nativeStatement(InsertEntryWithStatisticsSql)
              .bind(headword,
                    storedDate(statistics->lastTestedOn.isValid() ? statistics->lastTestedOn
                                                                  : createdOn),
                    foldKey, sortKey, statistics->tested, statistics->correct, statistics->lastOk)
        : m_db.nativeStatement(InsertEntrySql)
              .bind(headword, storedDate(createdOn), foldKey, sortKey);
    return insertedHeadword(insert.run(error) ? std::optional(insert.insertedId()) : std::nullopt,
                            error);
}

bool RowWriter::insertLine(qint64 id, const QString& line, StoreError* error)
{
    return entryrules::checkDefinition(line, error) && m_db.mayWrite(error)
        && m_db.nativeStatement(InsertLineSql).bind(id, line).run(error);
}

bool RowWriter::updateHeadword(qint64 id, const QVariantMap& changes, StoreError* error)
{
    if (!checkHeadwordValues(changes, error))
        return false;
    const auto headword = changes.constFind(QStringLiteral("Headword"));
    if (headword == changes.cend())
        return updateRow(m_db, QStringLiteral("Headwords"), QStringLiteral("ID"), id, changes,
                         error);
    // The file clears the keys of a headword renamed without new keys, for the sake of other
    // tools that know nothing of them, and a rename to the same word written another way
    // looks just like that. So the keys are stored after the headword, in a change of their
    // own that the file does not watch.
    return inTransaction(m_db, error, [&] {
        return updateRow(m_db, QStringLiteral("Headwords"), QStringLiteral("ID"), id, changes,
                         error)
            && storeKeys(id, headword->toString(), error);
    });
}

bool RowWriter::deleteHeadword(qint64 id, StoreError* error)
{
    return deleteRow(m_db, QStringLiteral("Headwords"), QStringLiteral("ID"), id, error);
}

std::optional<qint64> RowWriter::insertDefinition(const QVariantMap& values, StoreError* error)
{
    if (!values.contains(QStringLiteral("ID")) || !values.contains(QStringLiteral("Definition"))) {
        fail(error, StoreError::Kind::InvalidValue,
             QCoreApplication::translate("lexmint::RowWriter",
                                         "A definition line needs its entry and its text."));
        return std::nullopt;
    }
    if (!checkDefinitionValues(values, error))
        return std::nullopt;
    return insertRow(m_db, QStringLiteral("Definitions"), values, error);
}

bool RowWriter::updateDefinition(qint64 rowId, const QVariantMap& changes, StoreError* error)
{
    return checkDefinitionValues(changes, error)
        && updateRow(m_db, QStringLiteral("Definitions"), QStringLiteral("rowid"), rowId, changes,
                     error);
}

bool RowWriter::deleteDefinition(qint64 rowId, StoreError* error)
{
    return deleteRow(m_db, QStringLiteral("Definitions"), QStringLiteral("rowid"), rowId, error);
}

bool RowWriter::storeKeys(qint64 id, const QString& headword, StoreError* error)
{
    return SqlQuery(m_db,
                    QStringLiteral("UPDATE Headwords SET FoldKey = ?, SortKey = ? WHERE ID = ?"))
        .exec({textkeys::foldKey(headword), textkeys::sortKey(headword), id}, error);
}

bool RowWriter::recountLines(StoreError* error)
{
    return SqlQuery(
               m_db,
               QStringLiteral("UPDATE Headwords SET Lines = (SELECT count(*) FROM Definitions AS d "
                              "WHERE d.ID = Headwords.ID) WHERE Lines IS NOT (SELECT count(*) "
                              "FROM Definitions AS d WHERE d.ID = Headwords.ID)"))
        .exec({}, error);
}

} // namespace lexmint
