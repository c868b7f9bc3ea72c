#include "drill/AnswerJudge.h"

#include "store/TextKeys.h"

namespace lexmint {

namespace {

bool sameLetterAnyCase(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// The headword without the accents that the answer leaves out: both are decomposed, and a
// combining mark of the headword where the answer has no such character goes. Where the texts
// part in any other way, the headword is kept whole, and the judgement finds the difference.
QString withoutAccentsLeftOut(const QString& answer, const QString& headword)
{
    const QString typed = answer.normalized(QString::NormalizationForm_D);
    const QString stored = headword.normalized(QString::NormalizationForm_D);
    QString kept;
    qsizetype t = 0;
    for (const QChar c : stored) {
        if (t < typed.size() && sameLetterAnyCase(typed.at(t), c)) {
            kept.append(c);
            ++t;
        } else if (!c.isMark()) {
            return headword;
        }
    }
    return t == typed.size() ? kept : headword;
}

} // namespace

AnswerJudge::AnswerJudge(LetterCase letterCase, Accents accents, const QLocale& locale)
    : m_letterCase(letterCase),
      m_accents(accents),
      m_turkicCase(locale.language() == QLocale::Turkish
                   || locale.language() == QLocale::Azerbaijani)
{
}

bool AnswerJudge::isRight(const QString& answer, const QString& headword) const
{
    if (isSpelledAs(answer, headword))
        return true;
    return m_accents == Accents::MayBeLeftOut
        && isSpelledAs(answer, withoutAccentsLeftOut(answer, headword));
}

bool AnswerJudge::isSpelledAs(const QString& answer, const QString& headword) const
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
