#pragma once

#include "store/KeyedRows.h"
#include "store/RowWriter.h"

namespace lexmint {

/// The rows of the table Headwords or Definitions, in the order they were added.
class TableRows final : public KeyedRows {
public:
    enum class Table { Headwords, Definitions };

    TableRows(Database& db, Table table);

    int count() override;
    int positionOf(const Row& row) override;
    std::optional<Row> at(int position) override;
    bool update(const Row& row, const QVariantMap& changes, StoreError* error) override;
    bool remove(const Row& row, StoreError* error) override;
    std::optional<qint64> insert(const QVariantMap& values, StoreError* error) override;

private:
    Table m_table;
    QString m_name;
    RowWriter m_writer;
};

} // namespace lexmint
