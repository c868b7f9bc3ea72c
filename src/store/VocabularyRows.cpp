#include "VocabularyRows.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

#include <QCoreApplication>

namespace lexmint {

namespace {

enum KeyIndex { SortKeyIndex, IdIndex, LineRowIdIndex };

// The entries that have their keys; the others wait until the file can be written.
const QString ListedCondition = QStringLiteral("h.SortKey IS NOT NULL");

KeyedRows::Shape vocabularyShape()
{
    KeyedRows::Shape shape;
    shape.columns =
        QStringList{QStringLiteral("Headword"), QStringLiteral("Definition"), QStringLiteral("ID")};
    shape.selects = QStringList{QStringLiteral("h.Headword"), QStringLiteral("d.Definition"),
                                QStringLiteral("h.ID")};
    shape.keys = QStringList{QStringLiteral("h.SortKey"), QStringLiteral("h.ID"),
                             QStringLiteral("coalesce(d.rowid, 0)")};
    // The headwords are the outer loop, so that the sort-key index gives the order and only
    // each entry's few lines are sorted.
    shape.from = QStringLiteral("Headwords AS h LEFT JOIN Definitions AS d ON d.ID = h.ID");
    shape.where = ListedCondition;
    return shape;
}

} // namespace

VocabularyRows::VocabularyRows(Database& db) : KeyedRows(db, vocabularyShape()), m_writer(db) {}

std::optional<qint64> VocabularyRows::entryCount(const Database& db)
{
    const auto count = SqlQuery::scalar(
        db, QStringLiteral("SELECT count(*) FROM Headwords AS h WHERE ") + ListedCondition);
    if (!count)
        return std::nullopt;
    return count->toLongLong();
}

const LinePositions::StoredCounts& VocabularyRows::storedCounts()
{
    if (!m_storedCounts)
        m_storedCounts = LinePositions::checkStoredCounts(db());
    return *m_storedCounts;
}

const LinePositions* VocabularyRows::positions()
{
    if (!m_positionsLoaded) {
        StoreError error;
        m_positionsLoaded = m_positions.load(db(), storedCounts().trusted, &error);
        if (!m_positionsLoaded)
            readFailed(error);
    }
    return m_positionsLoaded ? &m_positions : nullptr;
}

int VocabularyRows::count()
{
    if (m_positionsLoaded)
        return m_positions.rowCount();
    // Counting alone does not need to know where each entry's rows start, as long as the
    // stored counts can be trusted. Edits in place change no count, so it holds until the
    // rows are read again.
    if (storedCounts().trusted)
        return storedCounts().rows;
    const LinePositions* lines = positions();
    return lines ? lines->rowCount() : 0;
}

int VocabularyRows::positionOf(const Row& row)
{
    const LinePositions* lines = positions();
    const auto start = lines ? lines->startOf(row.key.value(IdIndex).toLongLong()) : std::nullopt;
    if (!start)
        return -1;
    const auto before =
        readScalar(QStringLiteral("SELECT count(*) FROM Definitions WHERE ID = ? AND rowid < ?"),
                   {row.key.value(IdIndex), row.key.value(LineRowIdIndex)});
    return before ? *start + before->toInt() : -1;
}

std::optional<Row> VocabularyRows::rowOfLine(qint64 id, qint64 lineRowId)
{
    // Line 0 stands for an entry without lines; once it has one, that line is the entry's row.
    const SqlCondition line = lineRowId == 0
        ? SqlCondition{QStringLiteral("h.ID = ?"), {id}}
        : SqlCondition{QStringLiteral("h.ID = ? AND d.rowid = ?"), {id, lineRowId}};
    QList<Row> rows = select(&line, Direction::Forward, nullptr, false, 1);
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

std::optional<Row> VocabularyRows::at(int position)
{
    if (position == 0)
        return first(nullptr);
    const LinePositions* lines = positions();
    const auto place = lines ? lines->placeOf(position) : std::nullopt;
    if (!place)
        return std::nullopt;
    const auto lineRowId = readScalar(
        QStringLiteral(
            "SELECT rowid FROM Definitions WHERE ID = ? ORDER BY rowid LIMIT 1 OFFSET ?"),
        {place->id, place->line});
    if (!lineRowId && place->line > 0)
        return std::nullopt;
    return rowOfLine(place->id, lineRowId.value_or(0).toLongLong());
}

Row VocabularyRows::reread(const Row& row)
{
    // A changed headword moves the row, so it is found again by entry and line, not by key.
    const auto found =
        rowOfLine(row.key.value(IdIndex).toLongLong(), row.key.value(LineRowIdIndex).toLongLong());
    return found ? *found : Row{row.key, {}};
}

bool VocabularyRows::update(const Row& row, const QVariantMap& changes, StoreError* error)
{
    QVariantMap headwordChanges;
    QVariantMap lineChanges;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.key() == QLatin1String("Headword"))
            headwordChanges.insert(it.key(), it.value());
        else if (it.key() == QLatin1String("Definition"))
            lineChanges.insert(it.key(), it.value());
        else
            return fail(error, StoreError::Kind::InvalidValue,
                        QCoreApplication::translate("lexmint::VocabularyRows",
                                                    "The column %1 cannot be changed here.")
                            .arg(it.key()));
    }
    if (!db().transaction(error))
        return false;
    const bool written =
        (headwordChanges.isEmpty()
         || m_writer.updateHeadword(row.key.value(IdIndex).toLongLong(), headwordChanges, error))
        && (lineChanges.isEmpty() || writeLine(row, lineChanges, error));
    if (!written) {
        db().rollback();
        return false;
    }
    if (!db().commit(error))
        return false;
    if (!headwordChanges.isEmpty())
        m_positionsLoaded = false;
    return true;
}

bool VocabularyRows::writeLine(const Row& row, const QVariantMap& changes, StoreError* error)
{
    const qint64 lineRowId = row.key.value(LineRowIdIndex).toLongLong();
    if (lineRowId != 0)
        return m_writer.updateDefinition(lineRowId, changes, error);
    QVariantMap line = changes;
    line.insert(QStringLiteral("ID"), row.key.value(IdIndex));
    return m_writer.insertDefinition(line, error).has_value();
}

bool VocabularyRows::remove(const Row&, StoreError* error)
{
    return fail(
        error, StoreError::Kind::InvalidValue,
        QCoreApplication::translate("lexmint::VocabularyRows",
                                    "Rows of the data sheet cannot be deleted; delete the entry."));
}

std::optional<qint64> VocabularyRows::insert(const QVariantMap&, StoreError* error)
{
    fail(error, StoreError::Kind::InvalidValue,
         QCoreApplication::translate("lexmint::VocabularyRows",
                                     "Rows cannot be added to the data sheet; add an entry."));
    return std::nullopt;
}

} // namespace lexmint
