#pragma once

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

    /// Stores the search keys of a headword into its row, leaving the rest of the row alone.
    bool storeKeys(qint64 id, const QString& headword, StoreError* error = nullptr);
    /// Counts every entry's definition lines afresh where the stored count is wrong.
    bool recountLines(StoreError* error = nullptr);

private:
    bool checkHeadwordValues(const QVariantMap& values, StoreError* error);
    bool checkDefinitionValues(const QVariantMap& values, StoreError* error);

    Database& m_db;
    int m_headwordSize = 0;
};

} // namespace lexmint
