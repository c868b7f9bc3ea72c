#pragma once

#include "store/EntryStatistics.h"
#include "store/RowWriter.h"
#include "store/StoreError.h"

#include <QStringList>

#include <optional>

namespace lexmint {

class Clock;
class Database;

/// Writes whole entries: a headword with its definition lines. Each operation is one
/// transaction, so that a failure or a killed process at any moment leaves either the old
/// state of the file or the new one, never part of an entry. An operation called while the
/// caller holds a transaction of its own joins it; the caller then commits or rolls back.
/// New entries are dated the day the writer is made, which is meant for one change or one
/// import.
class EntryWriter {
public:
    EntryWriter(Database& db, const Clock& clock);

    /// Adds an entry dated today, with fresh statistics; returns its new ID.
    std::optional<qint64> addEntry(const QString& headword, const QStringList& lines,
                                   StoreError* error = nullptr);
    /// Adds an entry that brings its statistics with it; returns its new ID.
    std::optional<qint64> addEntry(const QString& headword, const QStringList& lines,
                                   const EntryStatistics& statistics, StoreError* error = nullptr);

    /// Adds definition lines after those an entry has; its ID and statistics stay. Refused
    /// when the entry would have more lines than it may hold.
    bool appendLines(qint64 id, const QStringList& lines, StoreError* error = nullptr);

    struct Replacement {
        qint64 newId = 0;
        bool previousMissing = false; ///< the old entry was gone; the new one has fresh statistics
    };
    /// Replaces an edited entry: a new entry (new ID) that keeps the old one's statistics,
    /// and the old entry removed.
    std::optional<Replacement> replaceEntry(qint64 oldId, const QString& headword,
                                            const QStringList& lines, StoreError* error = nullptr);

    /// Deletes an entry with its definition lines.
    bool deleteEntry(qint64 id, StoreError* error = nullptr);

private:
    std::optional<qint64> writeEntry(const QString& headword, const QStringList& lines,
                                     const EntryStatistics* statistics, StoreError* error);
    bool writeLines(qint64 id, const QStringList& lines, StoreError* error);

    Database& m_db;
    QDate m_today;
    RowWriter m_writer;
};

} // namespace lexmint
