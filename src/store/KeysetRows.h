#pragma once

#include "store/RowSet.h"
#include "store/RowWriter.h"

namespace lexmint {

class Database;

/// The rows of a test mode (a saved query over Headwords). Which entries the query returns,
/// and in which order, is fixed when the rows are read: a run of a test goes through the same
/// entries even when answering takes an entry out of its mode, and a random order stays put.
/// The values of a row are read from Headwords by ID, so they are always current; changes go
/// to Headwords.
class KeysetRows final : public RowSet {
public:
    /// At most this many rows are read from a test mode.
    static constexpr qsizetype MaxRows = 1'000'000;

    /// Reads the entry IDs of `query` within a query budget and at most MaxRows of them;
    /// `error` tells when the query could not be read (StoreError::Kind::TooSlow when it went
    /// past the budget, or the file's query is already left out).
    KeysetRows(Database& db, const QString& query, StoreError* error);

    QStringList columns() const override { return m_columns; }
    std::optional<Row> first(const SqlCondition* condition) override;
    std::optional<Row> last(const SqlCondition* condition) override;
    std::optional<Row> after(const Row& row, const SqlCondition* condition) override;
    int count() override { return static_cast<int>(m_ids.size()); }
    int positionOf(const Row& row) override;
    std::optional<Row> at(int position) override;
    QList<Row> rowsFrom(const Row& row, int count) override;
    Row reread(const Row& row) override;
    bool update(const Row& row, const QVariantMap& changes, StoreError* error) override;
    bool remove(const Row& row, StoreError* error) override;
    std::optional<qint64> insert(const QVariantMap& values, StoreError* error) override;

private:
    /// The nearest position from `start` on, stepping by `step`, whose entry matches.
    std::optional<Row> scan(int start, int step, const SqlCondition* condition);
    /// The row at a position, without values when its entry is gone; nothing when it could
    /// not be read.
    std::optional<Row> rowAt(int position);

    Database& m_db;
    RowWriter m_writer;
    QStringList m_columns;
    QString m_valuesSql;
    QList<qint64> m_ids;
};

} // namespace lexmint
