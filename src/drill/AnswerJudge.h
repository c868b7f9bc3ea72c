#pragma once

#include <QLocale>
#include <QString>

namespace lexmint {

/// Decides whether a typed answer is the headword of the entry asked for.
///
/// The answer counts exactly as typed: blanks and punctuation are significant and nothing is
/// trimmed. Both texts are compared in Unicode normalization form C, so that a letter typed as
/// one precomposed character equals the same letter stored as a base letter with combining
/// marks. Letter case is significant when the vocabulary says so; otherwise both texts are
/// compared with full Unicode case folding, in every script that has letter case, so that
/// "STRASSE" answers "Straße".
/// When the vocabulary lets accents be left out, an accent (a combining mark of the headword's
/// decomposed form) that the answer leaves out is not missed; an accent typed wrongly still is.
class AnswerJudge {
public:
    enum class LetterCase { Significant, Ignored };
    enum class Accents { Required, MayBeLeftOut };

    /// `locale` gives the case rules of the user's language where they differ from the
    /// common ones: in Turkish and Azerbaijani, I is the capital of dotless ı and İ that of i.
    /// A Turkish user may also type a word of another language, so both rules count there.
    explicit AnswerJudge(LetterCase letterCase, Accents accents = Accents::Required,
                         const QLocale& locale = QLocale());

    bool isRight(const QString& answer, const QString& headword) const;

private:
    bool isSpelledAs(const QString& answer, const QString& headword) const;

    LetterCase m_letterCase;
    Accents m_accents;
    bool m_turkicCase;
};

} // namespace lexmint
