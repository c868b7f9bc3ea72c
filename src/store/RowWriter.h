#pragma once

#include "store/EntryStatistics.h"
#include "store/StoreError.h"

#include <QVariantMap>

#include <optional>

namespace lexmint {

class Database;

/// Writes rows of the two tables of a vocabulary, keeping the computed search keys with the
/// headword and checking every value against the entry rules. Column names are checked
/// against the columns a program may write; anything else is refused.
class RowWriter {
public:
    explicit RowWriter(Database& db);

    std::optional<qint64> insertHeadword(const QVariantMap& values, StoreError* error = nullptr);
    bool updateHeadword(qint64 id, const QVariantMap& changes, StoreError* error = nullptr);
    bool deleteHeadword(qint64 id, StoreError* error = nullptr);

    std::optional<qint64> insertDefinition(const QVariantMap& values, StoreError* error = nullptr);
    bool updateDefinition(qint64 rowId, const QVariantMap& changes, StoreError* error = nullptr);
    bool deleteDefinition(qint64 rowId, StoreError* error = nullptr);

    /// Inserts the headword row of a new entry created on `createdOn`, with its search keys, by
    /// a statement prepared once per connection, as many entries may follow.
    /// An entry that brings `statistics` gets them, and their date where they have one.
    std::optional<qint64> insertEntry(const QString& headword, QDate createdOn,
                                      const EntryStatistics* statistics,
                                      StoreError* error = nullptr);
    /// Inserts one definition line of an entry.
    bool insertLine(qint64 id, const QString& line, StoreError* error = nullptr);

    /// Stores the search keys of a headword into its row, leaving the rest of the row alone.
    bool storeKeys(qint64 id, const QString& headword, StoreError* error = nullptr);
    /// Counts every entry's definition lines afresh where the stored count is wrong.
    bool recountLines(StoreError* error = nullptr);

private:
    bool checkHeadwordValues(const QVariantMap& values, StoreError* error);
    bool checkDefinitionValues(const QVariantMap& values, StoreError* error);
    std::optional<qint64> insertedHeadword(std::optional<qint64> id, StoreError* error) const;
    const QString& storedDate(QDate date);

    Database& m_db;
    int m_headwordSize = 0;
    std::pair<QDate, QString> m_storedDate;
};

} // namespace lexmint
