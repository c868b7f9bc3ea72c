#include "drill/AnswerJudge.h"

#include "store/TextKeys.h"

namespace lexmint {

AnswerJudge::AnswerJudge(LetterCase letterCase, const QLocale& locale)
    : m_letterCase(letterCase),
      m_turkicCase(locale.language() == QLocale::Turkish
                   || locale.language() == QLocale::Azerbaijani)
{
}

bool AnswerJudge::isRight(const QString& answer, const QString& headword) const
{
    using textkeys::CaseRules;
    if (m_letterCase == LetterCase::Significant)
        return answer.normalized(QString::NormalizationForm_C)
            == headword.normalized(QString::NormalizationForm_C);
    if (textkeys::foldKey(answer) == textkeys::foldKey(headword))
        return true;
    return m_turkicCase
        && textkeys::foldKey(answer, CaseRules::Turkic)
               == textkeys::foldKey(headword, CaseRules::Turkic);
}

} // namespace lexmint
