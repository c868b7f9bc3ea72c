#pragma once

#include "store/EntryStatistics.h"

#include <QStringList>

#include <optional>

namespace lexmint {

/// An entry as an import would store it, or why it cannot be stored.
struct ImportedEntry {
    int line = 0;      ///< where its row begins in the source file
    QString headword;  ///< in normalization form C, without blanks at either end
    QStringList lines; ///< in normalization form C, trimmed, none empty
    std::optional<EntryStatistics> statistics; ///< brought from the file, where it keeps any
    QString refusal; ///< why the entry breaks the entry rules; empty when it keeps them

    bool accepted() const { return refusal.isEmpty(); }
};

/// The entry that a row of a word list makes, under the rules every entry keeps: the
/// headword is one line, not empty and within the declared size (0: no limit); every
/// definition field is split into lines at line breaks and at `splitAt` (when not empty),
/// lines are trimmed and empty ones dropped, and one to 26 lines of at most 100 characters
/// remain. Text is put into normalization form C first, so that limits count what is stored.
ImportedEntry importedEntry(int line, const QString& headword, const QStringList& definitionFields,
                            const QString& splitAt, int headwordSize);

} // namespace lexmint
