#pragma once

#include <QString>

namespace lexmint::textkeys {

/// The text in Unicode normalization form C with every letter case-folded, in any script.
/// Two headwords match when their fold keys are equal.
QString foldKey(const QString& text);

/// A key whose code-point order is dictionary order: base letters first, without regard to
/// accents and letter case, then accents, then case, then the exact text. It is stored as
/// plain text, so that the file stays usable by other tools and the engine can index it.
QString sortKey(const QString& text);

/// The part of the sort key that ignores letter case: every key of a text equal to `text`
/// without regard to case starts with it, and keys that sort before it are smaller.
QString caseInsensitiveSortBound(const QString& text);

/// The base-letter part of the sort key of `prefix`: the sort key of every text that starts
/// with `prefix` (after folding) starts with it.
QString primaryPrefix(const QString& prefix);

/// The smallest text greater than every text that starts with `prefix`, or an empty text
/// when there is none.
QString prefixUpperBound(const QString& prefix);

} // namespace lexmint::textkeys
