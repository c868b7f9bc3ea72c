#include "VocabularyRows.h"

#include "store/Database.h"
#include "store/SqlQuery.h"

namespace lexmint {

namespace {

enum KeyIndex { SortKeyIndex, IdIndex, LineRowIdIndex };

KeyedRows::Shape vocabularyShape()
{
    KeyedRows::Shape shape;
    shape.columns = QStringList{QStringLiteral("Headword"), QStringLiteral("Definition"),
                                QStringLiteral("ID")};
    shape.selects = QStringList{QStringLiteral("h.Headword"), QStringLiteral("d.Definition"),
                                QStringLiteral("h.ID")};
    shape.keys = QStringList{QStringLiteral("h.SortKey"), QStringLiteral("h.ID"),
                             QStringLiteral("d.rowid")};
    // CROSS JOIN keeps the headwords as the outer loop, so that the sort-key index gives the
    // order and no sorting is needed.
    shape.from = QStringLiteral("Headwords AS h CROSS JOIN Definitions AS d ON d.ID = h.ID");
    shape.where = QStringLiteral("h.SortKey IS NOT NULL");
    return shape;
}

} // namespace

VocabularyRows::VocabularyRows(Database& db) : KeyedRows(db, vocabularyShape()), m_writer(db) {}

const LinePositions* VocabularyRows::positions()
{
    if (!m_positionsLoaded) {
        StoreError error;
        m_positionsLoaded = m_positions.load(db(), &error);
        if (!m_positionsLoaded)
            readFailed(error);
    }
    return m_positionsLoaded ? &m_positions : nullptr;
}

int VocabularyRows::count()
{
    if (m_positionsLoaded)
        return m_positions.lineCount();
    // Counting alone does not need to know where each entry's lines start. Edits in place
    // change no line count, so the count holds until the rows are read again.
    if (m_count)
        return *m_count;
    const std::optional<QVariant> lines = readScalar(
        QStringLiteral("SELECT total(Lines) FROM Headwords WHERE SortKey IS NOT NULL"));
    // A count that could not be read is not kept, so that the next question reads again.
    if (!lines)
        return 0;
    m_count = lines->toInt();
    return *m_count;
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
    const SqlCondition line{QStringLiteral("h.ID = ? AND d.rowid = ?"), {id, lineRowId}};
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
        QStringLiteral("SELECT rowid FROM Definitions WHERE ID = ? ORDER BY rowid LIMIT 1 OFFSET ?"),
        {place->id, place->line});
    if (!lineRowId)
        return std::nullopt;
    return rowOfLine(place->id, lineRowId->toLongLong());
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
                        QStringLiteral("The column %1 cannot be changed here.").arg(it.key()));
    }
    if (!db().transaction(error))
        return false;
    const bool written =
        (headwordChanges.isEmpty()
         || m_writer.updateHeadword(row.key.value(IdIndex).toLongLong(), headwordChanges, error))
        && (lineChanges.isEmpty()
            || m_writer.updateDefinition(row.key.value(LineRowIdIndex).toLongLong(), lineChanges,
                                         error));
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

bool VocabularyRows::remove(const Row&, StoreError* error)
{
    return fail(error, StoreError::Kind::InvalidValue,
                QStringLiteral("Rows of the data sheet cannot be deleted; delete the entry."));
}

std::optional<qint64> VocabularyRows::insert(const QVariantMap&, StoreError* error)
{
    fail(error, StoreError::Kind::InvalidValue,
         QStringLiteral("Rows cannot be added to the data sheet; add an entry."));
    return std::nullopt;
}

} // namespace lexmint
