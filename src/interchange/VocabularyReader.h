#pragma once

#include "interchange/VocabularyEntry.h"
#include "store/StoreError.h"

#include <QList>

#include <optional>

namespace lexmint {

class Database;

namespace vocabularyreader {

/// The entries of a test mode of an open vocabulary, in the mode's order, each with its
/// definition lines in their order and its statistics; the mode "All" gives every entry.
/// Nothing, with the reason, when the mode is not one of the file's saved queries or cannot
/// be read.
std::optional<QList<VocabularyEntry>> read(const Database& db, const QString& mode,
                                           StoreError* error = nullptr);

} // namespace vocabularyreader
} // namespace lexmint
