#pragma once

#include <QString>

#include <optional>

/// The keys of a text are made from its first 1024 characters only, so that making them takes
/// little time whatever a file holds.
namespace lexmint::textkeys {

/// Which case pairs folding follows.
enum class CaseRules {
    Common, ///< Unicode's default folding, for every language
    Turkic, ///< Turkish and Azerbaijani: I is the capital of dotless ı, İ that of i
};

/// The text with full Unicode case folding, in normalization form C. Two texts are the same
/// word without regard to case when their fold keys are equal: "Straße" and "STRASSE", "ﬁle"
/// and "FILE", a letter with its accent composed or written apart.
QString foldKey(const QString& text, CaseRules rules = CaseRules::Common);

/// A key whose code-point order is dictionary order by the Unicode collation rules: base
/// letters first, then accents, then case. Texts that are equal after normalization have
/// equal keys. It is plain ASCII text, so that the file stays usable by other tools and the
/// engine can index it.
QString sortKey(const QString& text);

/// The part of the sort key that ignores letter case: keys of texts equal to `text` without
/// regard to case are not smaller, and keys of texts that sort before it are smaller.
QString caseInsensitiveSortBound(const QString& text);

/// Sort keys from `low` up to, not including, `high`.
struct KeyRange {
    QString low;
    QString high;
};

/// The range that holds the sort key of every text whose fold key starts with the fold key of
/// `prefix`; nothing when the prefix does not narrow the search.
std::optional<KeyRange> prefixRange(const QString& prefix);

/// Names the way this build computes keys: the scheme and the version of the collation data.
/// Keys stored under another version have to be computed again.
qint32 keyVersion();

} // namespace lexmint::textkeys
