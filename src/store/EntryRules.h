#pragma once

#include "store/StoreError.h"

#include <QVariant>

namespace lexmint {

/// The limits every entry keeps, wherever it is written from.
namespace entryrules {

inline constexpr int MaxDefinitionLines = 26;
inline constexpr int MaxDefinitionLength = 100;

/// Checks a headword: not empty, and no longer than the declared size (0 = no limit).
bool checkHeadword(const QString& headword, int declaredSize, StoreError* error = nullptr);
/// Checks one definition line: not empty, and at most MaxDefinitionLength characters.
bool checkDefinition(const QString& line, StoreError* error = nullptr);

} // namespace entryrules
} // namespace lexmint
