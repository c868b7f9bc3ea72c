#pragma once

#include "store/StoreError.h"

#include <QVariant>

namespace lexmint {

/// The limits every entry keeps, wherever it is written from. Lengths count characters: one
/// outside the basic plane, which takes two UTF-16 units, counts once.
namespace entryrules {

inline constexpr int MaxDefinitionLines = 26;
inline constexpr int MaxDefinitionLength = 100;
/// The longest text a field takes where no smaller limit is declared.
inline constexpr int MaxFieldLength = 32767;

/// The number of characters of a text.
qsizetype characterCount(QStringView text);
/// The first `count` characters of a text, never cutting a character in two.
QString firstCharacters(const QString& text, qsizetype count);
/// Whether a text is empty once the blanks at its ends are trimmed.
bool isBlank(const QString& text);

/// Checks a headword: not blank, and no longer than the declared size (0 = no limit). The
/// headword itself is stored as typed, blanks and all.
bool checkHeadword(const QString& headword, int declaredSize, StoreError* error = nullptr);
/// Checks one definition line: not blank, and at most MaxDefinitionLength characters.
bool checkDefinition(const QString& line, StoreError* error = nullptr);

} // namespace entryrules
} // namespace lexmint
