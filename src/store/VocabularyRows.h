#pragma once

#include "store/KeyedRows.h"
#include "store/LinePositions.h"
#include "store/RowWriter.h"

namespace lexmint {

/// The rows of the saved query "Vocabulary": one row per definition line (Headword,
/// Definition, ID), in dictionary order of the headwords, then in the order of the lines. An
/// entry without lines, which only another program can leave behind, shows as one row with an
/// empty definition, so that it can be seen and mended.
/// Headword and Definition can be edited in place; rows are neither added nor deleted here.
/// A definition typed into the row of an entry without lines becomes its first line.
class VocabularyRows final : public KeyedRows {
public:
    explicit VocabularyRows(Database& db);

    SqlCondition condition(const Criteria& criteria) const override
    {
        return SqlCondition::fromCriteria(criteria, QStringLiteral("h."));
    }
    int count() override;
    void preparePositions() override { positions(); }
    int positionOf(const Row& row) override;
    std::optional<Row> at(int position) override;
    Row reread(const Row& row) override;
    bool update(const Row& row, const QVariantMap& changes, StoreError* error) override;
    bool remove(const Row& row, StoreError* error) override;
    std::optional<qint64> insert(const QVariantMap& values, StoreError* error) override;

    /// The entries the data sheet lists, as the status bar counts them.
    static std::optional<qint64> entryCount(const Database& db);

private:
    const LinePositions* positions();
    const LinePositions::StoredCounts& storedCounts();
    std::optional<Row> rowOfLine(qint64 id, qint64 lineRowId);
    bool writeLine(const Row& row, const QVariantMap& changes, StoreError* error);

    RowWriter m_writer;
    LinePositions m_positions;
    bool m_positionsLoaded = false;
    std::optional<LinePositions::StoredCounts> m_storedCounts;
};

} // namespace lexmint
