#include "store/EntryText.h"

#include "store/EntryRules.h"

#include <QRegularExpression>

namespace lexmint::entrytext {

QStringList definitionLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    QStringList lines;
    for (const QString& line : text.split(lineBreak)) {
        QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(std::move(trimmed));
    }
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
