#include "drill/AnswerJudge.h"

namespace lexmint {

namespace {

constexpr char16_t CapitalDottedI = u'\u0130';
constexpr char16_t SmallDotlessI = u'\u0131';

// The Turkic case pairs, folded to the small letter of each pair. The rest of the text keeps
// the common folding, which knows neither pair: it has no small letter for İ, and takes I
// to i.
QString foldTurkicI(QString text)
{
    for (QChar& c : text) {
        if (c == u'I')
            c = SmallDotlessI;
        else if (c == CapitalDottedI)
            c = u'i';
    }
    return text;
}

} // namespace

AnswerJudge::AnswerJudge(LetterCase letterCase, const QLocale& locale)
    : m_letterCase(letterCase),
      m_turkicCase(locale.language() == QLocale::Turkish
                   || locale.language() == QLocale::Azerbaijani)
{
}

bool AnswerJudge::isRight(const QString& answer, const QString& headword) const
{
    const QString typed = answer.normalized(QString::NormalizationForm_C);
    const QString stored = headword.normalized(QString::NormalizationForm_C);
    if (m_letterCase == LetterCase::Significant)
        return typed == stored;
    // Unicode case folding, letter by letter and independent of the locale. A Turkish user may
    // also type a word of another language, so both foldings count there.
    if (typed.compare(stored, Qt::CaseInsensitive) == 0)
        return true;
    return m_turkicCase
        && foldTurkicI(typed).compare(foldTurkicI(stored), Qt::CaseInsensitive) == 0;
}

} // namespace lexmint
