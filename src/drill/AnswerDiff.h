#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace lexmint {

/// One stretch of a typed answer set against the headword it should have been.
struct AnswerPiece {
    enum class Kind {
        Same,    ///< typed as the headword has it
        Changed, ///< typed, but the headword has other characters here
        Missing, ///< in the headword, not typed
        Extra,   ///< typed, not in the headword
    };
    Kind kind = Kind::Same;
    QString typed;    ///< what was typed here; empty for Missing
    QString expected; ///< what the headword has here; empty for Extra

    bool operator==(const AnswerPiece&) const = default;
};

/// Tells whether two characters (as the user sees them) are the same for the answer.
using SameCharacter = std::function<bool(const QString& typed, const QString& expected)>;

/// Lines a typed answer up with the headword with the fewest changes, character by character
/// as the user sees them (a letter with combining accents is one), after bringing both to
/// normalization form C. Neighbouring pieces of one kind are joined. Answers and headwords
/// longer than a headword can sensibly be come back as one changed piece, so that the
/// comparison never grows beyond a small, fixed cost.
QList<AnswerPiece> compareAnswer(const QString& typed, const QString& headword,
                                 const SameCharacter& same);

} // namespace lexmint
