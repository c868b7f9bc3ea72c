#include "FloorEntryWriter.h"

#include "store/TextKeys.h"

#include <sqlite3.h>

namespace lexmint::bench {

FloorEntryWriter::FloorEntryWriter(sqlite3* db, QDate today)
    : m_db(db),
      m_today(today.toString(Qt::ISODate)),
      m_begin(db, "BEGIN"),
      m_commit(db, "COMMIT"),
      m_insertHeadword(db,
                       "INSERT INTO Headwords (Headword, LastTestedOn, FoldKey, SortKey) "
                       "VALUES (?, ?, ?, ?)"),
      m_insertLine(db, "INSERT INTO Definitions (ID, Definition) VALUES (?, ?)"),
      m_copyStatistics(db,
                       "UPDATE Headwords SET (LastTestedOn, Tested, Correct, LastOK) = "
                       "(SELECT LastTestedOn, Tested, Correct, LastOK FROM Headwords "
                       "WHERE ID = ?1) WHERE ID = ?2"),
      // The file's trigger removes the definition lines with their entry.
      m_delete(db, "DELETE FROM Headwords WHERE ID = ?")
{
}

qint64 FloorEntryWriter::insert(const GeneratedEntry& entry)
{
    m_insertHeadword
        .bind(entry.headword, m_today, textkeys::foldKey(entry.headword),
              textkeys::sortKey(entry.headword))
        .run();
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    for (const QString& line : entry.lines)
        m_insertLine.bind(id, line).run();
    return id;
}

qint64 FloorEntryWriter::add(const GeneratedEntry& entry)
{
    m_begin.bind().run();
    const qint64 id = insert(entry);
    m_commit.bind().run();
    return id;
}

void FloorEntryWriter::addAll(const QList<GeneratedEntry>& entries)
{
    m_begin.bind().run();
    for (const GeneratedEntry& entry : entries)
        insert(entry);
    m_commit.bind().run();
}

qint64 FloorEntryWriter::replace(qint64 oldId, const GeneratedEntry& entry)
{
    m_begin.bind().run();
    const qint64 id = insert(entry);
    m_copyStatistics.bind(oldId, id).run();
    m_delete.bind(oldId).run();
    m_commit.bind().run();
    return id;
}

} // namespace lexmint::bench
