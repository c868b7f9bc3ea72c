#pragma once

#include "store/StoreError.h"

#include <QHash>
#include <QList>

#include <optional>

namespace lexmint {

class Database;

/// Where each entry's definition lines start among all lines in dictionary order.
/// Built by one pass over the sort-key index; afterwards counting, locating a row by its
/// position and finding the position of an entry take no further reads of the file.
class LinePositions {
public:
    struct Place {
        qint64 id = 0;
        int line = 0; ///< index of the line within its entry
    };

    /// Reads the positions; false, with the engine's reason, when the file could not be read.
    bool load(Database& db, StoreError* error = nullptr);

    int lineCount() const { return m_starts.isEmpty() ? 0 : m_totalLines; }
    /// The first line's position of an entry, or nothing when the entry is not listed.
    std::optional<int> startOf(qint64 id) const;
    std::optional<Place> placeOf(int position) const;

private:
    QList<qint64> m_ids;
    QList<int> m_starts;
    QHash<qint64, int> m_indexOfId;
    int m_totalLines = 0;
};

} // namespace lexmint
