#include "drill/AnswerDiff.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace lexmint {

namespace {

// Beyond this many characters on either side the alignment table would grow large for no
// benefit to the learner.
constexpr qsizetype MaxCharacters = 256;

QStringList characters(const QString& text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        result.append(text.mid(start, finder.position() - start));
        start = finder.position();
    }
    return result;
}

void append(QList<AnswerPiece>& pieces, AnswerPiece::Kind kind, const QString& typed,
            const QString& expected)
{
    if (!pieces.isEmpty() && pieces.last().kind == kind) {
        pieces.last().typed += typed;
        pieces.last().expected += expected;
    } else {
        pieces.append({kind, typed, expected});
    }
}

} // namespace

QList<AnswerPiece> compareAnswer(const QString& typed, const QString& headword,
                                 const SameCharacter& same)
{
    const QStringList a = characters(typed.normalized(QString::NormalizationForm_C));
    const QStringList b = characters(headword.normalized(QString::NormalizationForm_C));
    if (a.size() > MaxCharacters || b.size() > MaxCharacters) {
        if (a.isEmpty() && b.isEmpty())
            return {};
        return {{AnswerPiece::Kind::Changed, a.join(QString()), b.join(QString())}};
    }

    // cost[i][j]: the fewest changes that turn the first i typed characters into the first j
    // characters of the headword.
    const qsizetype rows = a.size() + 1;
    const qsizetype columns = b.size() + 1;
    std::vector<int> cost(size_t(rows * columns));
    const auto at = [&](qsizetype i, qsizetype j) -> int& { return cost[size_t(i * columns + j)]; };
    for (qsizetype i = 0; i < rows; ++i)
        at(i, 0) = int(i);
    for (qsizetype j = 0; j < columns; ++j)
        at(0, j) = int(j);
    for (qsizetype i = 1; i < rows; ++i) {
        for (qsizetype j = 1; j < columns; ++j) {
            const int match = at(i - 1, j - 1) + (same(a[i - 1], b[j - 1]) ? 0 : 1);
            at(i, j) = std::min({match, at(i - 1, j) + 1, at(i, j - 1) + 1});
        }
    }

    // Walks back from the end; the steps are then joined into pieces from the front.
    struct Step {
        AnswerPiece::Kind kind;
        QString typed;
        QString expected;
    };
    std::vector<Step> steps;
    qsizetype i = a.size();
    qsizetype j = b.size();
    // On a tie an extra or missing character is taken first, so that it is marked as late in
    // the word as the fewest changes allow ("Hauss": the last s is the extra one).
    while (i > 0 || j > 0) {
        if (i > 0 && at(i, j) == at(i - 1, j) + 1) {
            steps.push_back({AnswerPiece::Kind::Extra, a[i - 1], QString()});
            --i;
        } else if (j > 0 && at(i, j) == at(i, j - 1) + 1) {
            steps.push_back({AnswerPiece::Kind::Missing, QString(), b[j - 1]});
            --j;
        } else {
            const bool equal = same(a[i - 1], b[j - 1]);
            steps.push_back(
                {equal ? AnswerPiece::Kind::Same : AnswerPiece::Kind::Changed, a[i - 1], b[j - 1]});
            --i;
            --j;
        }
    }
    QList<AnswerPiece> pieces;
    for (auto step = steps.crbegin(); step != steps.crend(); ++step)
        append(pieces, step->kind, step->typed, step->expected);
    return pieces;
}

} // namespace lexmint
