#pragma once

#include "store/StoreError.h"

#include <QHash>
#include <QList>

#include <optional>

namespace lexmint {

class Database;

/// Where each entry's rows start among all rows of the data sheet in dictionary order: one row
/// per definition line, and one for an entry without lines. Built by one pass over the
/// sort-key index; afterwards counting, locating a row by its position and finding the
/// position of an entry take no further reads of the file.
class LinePositions {
public:
    struct Place {
        qint64 id = 0;
        int line = 0; ///< index of the line within its entry
    };

    /// What the line counts stored with the entries are worth. They come with the file, so
    /// they are used only when they agree with the definition lines that are there.
    struct StoredCounts {
        bool trusted = false;
        int rows = 0; ///< rows of the data sheet by the stored counts, when trusted
    };
    static StoredCounts checkStoredCounts(const Database& db);

    /// Builds the positions from the stored line counts, or, when they cannot be trusted, by
    /// counting each entry's lines; false, with the engine's reason, when the file could not be
    /// read.
    bool load(Database& db, bool trustStoredCounts, StoreError* error = nullptr);

    int rowCount() const { return m_starts.isEmpty() ? 0 : m_totalRows; }
    /// The first row's position of an entry, or nothing when the entry is not listed.
    std::optional<int> startOf(qint64 id) const;
    std::optional<Place> placeOf(int position) const;

private:
    QList<qint64> m_ids;
    QList<int> m_starts;
    QHash<qint64, int> m_indexOfId;
    int m_totalRows = 0;
};

} // namespace lexmint
