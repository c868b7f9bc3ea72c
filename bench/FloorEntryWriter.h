#pragma once

#include "SqliteStatement.h"
#include "VocabularyGenerator.h"

namespace lexmint::bench {

/// The hand-written counterpart of EntryWriter: the same rows written with the same search
/// keys, by statements prepared once.
class FloorEntryWriter {
public:
    FloorEntryWriter(sqlite3* db, QDate today);

    qint64 add(const GeneratedEntry& entry);
    /// Adds all entries in one transaction, as an import does.
    void addAll(const QList<GeneratedEntry>& entries);
    /// Writes the entry under a new ID with the statistics of `oldId`, and removes `oldId`.
    qint64 replace(qint64 oldId, const GeneratedEntry& entry);

private:
    qint64 insert(const GeneratedEntry& entry);

    sqlite3* m_db;
    QString m_today;
    SqliteStatement m_begin;
    SqliteStatement m_commit;
    SqliteStatement m_insertHeadword;
    SqliteStatement m_insertLine;
    SqliteStatement m_copyStatistics;
    SqliteStatement m_delete;
};

} // namespace lexmint::bench
