#include "TextKeys.h"

#include <QList>

namespace lexmint::textkeys {

namespace {

// Separates the levels of a sort key; smaller than any character a level may contain, so
// that a text sorts before its own extensions.
constexpr QChar LevelSeparator(0x0001);

bool isMark(char32_t c)
{
    const auto category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

// Drops the control characters that could sort below the level separator.
QString withoutControls(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return text;
}

QString folded(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The folded text decomposed, so that accents stand apart from their base letters.
QString decomposedFold(const QString& text)
{
    return withoutControls(folded(text)).normalized(QString::NormalizationForm_D);
}

QString baseLetters(const QString& decomposed)
{
    QString result;
    result.reserve(decomposed.size());
    for (const uint c : decomposed.toUcs4()) {
        if (!isMark(c)) {
            const auto codePoint = static_cast<char32_t>(c);
            result.append(QString::fromUcs4(&codePoint, 1));
        }
    }
    return result;
}

} // namespace

QString foldKey(const QString& text)
{
    return folded(text);
}

QString caseInsensitiveSortBound(const QString& text)
{
    const QString decomposed = decomposedFold(text);
    return baseLetters(decomposed) + LevelSeparator + decomposed;
}

QString sortKey(const QString& text)
{
    return caseInsensitiveSortBound(text) + LevelSeparator
        + withoutControls(text.normalized(QString::NormalizationForm_C));
}

QString primaryPrefix(const QString& prefix)
{
    return baseLetters(decomposedFold(prefix));
}

QString prefixUpperBound(const QString& prefix)
{
    QList<uint> codePoints = prefix.toUcs4();
    while (!codePoints.isEmpty()) {
        uint& last = codePoints.last();
        // Skip the surrogate range, which holds no characters of its own.
        const uint next = last == 0xD7FF ? 0xE000 : last + 1;
        if (next <= 0x10FFFF) {
            last = next;
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                                     codePoints.size());
        }
        codePoints.removeLast();
    }
    return {};
}

} // namespace lexmint::textkeys
