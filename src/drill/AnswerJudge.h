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
class AnswerJudge {
public:
    enum class LetterCase { Significant, Ignored };

    /// `locale` gives the case rules of the user's language where they differ from the
    /// common ones: in Turkish and Azerbaijani, I is the capital of dotless ı and İ that of i.
    /// A Turkish user may also type a word of another language, so both rules count there.
    explicit AnswerJudge(LetterCase letterCase, const QLocale& locale = QLocale());

    bool isRight(const QString& answer, const QString& headword) const;

private:
    LetterCase m_letterCase;
    bool m_turkicCase;
};

} // namespace lexmint
