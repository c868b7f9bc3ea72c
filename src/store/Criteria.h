#pragma once

#include <QString>

#include <optional>

namespace lexmint {

/// A search condition of a data source. Conditions come in five forms only:
///   ID = 17
///   Headword = "text"     Headword >= "text"     Headword < "text"
///   Headword LIKE "text*"
/// where every double quote inside the text is doubled (see quoteForCriteria). Text
/// comparisons ignore letter case in every script, with full Unicode case folding ("STRASSE"
/// equals "Straße"); in LIKE, `*` matches any run of characters
/// and `?` one character, while every other character, `%` and `_` included, stands for itself.
struct Criteria {
    enum class Op { IdEquals, HeadwordEquals, HeadwordAtLeast, HeadwordBelow, HeadwordLike };

    Op op = Op::IdEquals;
    qint64 id = 0;
    QString text;

    /// Parses criteria text; anything outside the five forms gives nothing.
    static std::optional<Criteria> parse(const QString& criteria);
};

/// Returns text with every double quote doubled, for use inside criteria. The wildcards
/// `*` and `?` are left as they are.
QString quoteForCriteria(const QString& text);

} // namespace lexmint
