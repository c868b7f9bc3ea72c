#include "store/EntryText.h"

#include "store/EntryRules.h"

namespace lexmint::entrytext {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029);
}

QStringList definitionLines(const QString& text)
{
    // Called for every field of an import, so it scans the text once rather than matching a
    // pattern.
    QStringList lines;
    const auto addTrimmed = [&](QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            return;
        // A text of one line with nothing to trim is kept as it is, without a copy.
        lines.append(trimmed.size() == text.size() ? text : trimmed.toString());
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreak(text[i]))
            continue;
        addTrimmed(QStringView(text).sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    addTrimmed(QStringView(text).sliced(start));
    return lines;
}

QList<qsizetype> overlongLines(const QStringList& lines)
{
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (entryrules::characterCount(lines.at(i)) > entryrules::MaxDefinitionLength)
            positions.append(i);
    }
    return positions;
}

QString truncated(const QString& text, qsizetype limit)
{
    return entryrules::firstCharacters(text, limit);
}

QString shownText(const QString& text, qsizetype limit)
{
    const QString shown = truncated(text, limit);
    return shown.size() == text.size() ? text : shown + QChar(0x2026);
}

bool tooManyLines(const QStringList& lines)
{
    return lines.size() > entryrules::MaxDefinitionLines;
}

} // namespace lexmint::entrytext
