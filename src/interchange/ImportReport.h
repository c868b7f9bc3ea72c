#pragma once

#include "interchange/SourceTable.h"

namespace lexmint {

/// What an import did with the rows of its file.
struct ImportReport {
    int added = 0;
    int merged = 0;  ///< rows whose new definition lines went into an entry already there
    int skipped = 0; ///< rows whose headword was there already and that brought nothing new
    QList<RefusedRow> refused; ///< by line
    QStringList notes;

    /// "12 added, 3 merged, 1 skipped, 2 refused", skipped only when there were any.
    QString summary() const;
    /// The report as the user reads and saves it: the file, the summary, every refused row
    /// with its line and reason, and the notes.
    QString text(const QString& source) const;
};

} // namespace lexmint
