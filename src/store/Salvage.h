#pragma once

#include "store/StoreError.h"

#include <QString>

#include <optional>

namespace lexmint {

/// Copies what can still be read of a damaged vocabulary into a new one made from the
/// template at `target` (replacing a file there): every entry whose headword and at least one
/// definition line can be read, with its statistics. The entry rules hold in the copy: text
/// longer than a field allows is cut, and lines beyond an entry's limit are left out. The
/// damaged file is only read. Returns how many entries were saved; on failure nothing is left
/// at `target`.
std::optional<int> salvageVocabulary(const QString& damaged, const QString& templatePath,
                                     const QString& target, StoreError* error = nullptr);

} // namespace lexmint
