#include "SqlCondition.h"

#include "store/TextKeys.h"

namespace lexmint {

namespace {

// A LIKE pattern as a GLOB pattern over fold keys: `*` and `?` keep their meaning, `[`
// is made literal, and everything else already stands for itself in GLOB.
QString globPattern(const QString& likeText)
{
    QString folded = textkeys::foldKey(likeText);
    return folded.replace(u'[', QStringLiteral("[[]"));
}

// The text before the first wildcard: every match starts with it.
QString literalPrefix(const QString& likeText)
{
    const auto wildcard = std::find_if(likeText.cbegin(), likeText.cend(),
                                       [](QChar c) { return c == u'*' || c == u'?'; });
    return likeText.left(wildcard - likeText.cbegin());
}

} // namespace

SqlCondition SqlCondition::fromCriteria(const Criteria& criteria, const QString& alias)
{
    switch (criteria.op) {
    case Criteria::Op::IdEquals: return {alias + QStringLiteral("ID = ?"), {criteria.id}};
    case Criteria::Op::HeadwordEquals:
        return {alias + QStringLiteral("FoldKey = ?"), {textkeys::foldKey(criteria.text)}};
    case Criteria::Op::HeadwordAtLeast:
        return {alias + QStringLiteral("SortKey >= ?"),
                {textkeys::caseInsensitiveSortBound(criteria.text)}};
    case Criteria::Op::HeadwordBelow:
        return {alias + QStringLiteral("SortKey < ?"),
                {textkeys::caseInsensitiveSortBound(criteria.text)}};
    case Criteria::Op::HeadwordLike: break;
    }
    // Matches lie in the sort-key range of the pattern's literal start, so the sort-key
    // index narrows the search before the pattern is tried.
    SqlCondition condition{alias + QStringLiteral("FoldKey GLOB ?"), {globPattern(criteria.text)}};
    if (const auto range = textkeys::prefixRange(literalPrefix(criteria.text))) {
        condition.sql += QStringLiteral(" AND %1SortKey >= ? AND %1SortKey < ?").arg(alias);
        condition.values << range->low << range->high;
    }
    return condition;
}

} // namespace lexmint
