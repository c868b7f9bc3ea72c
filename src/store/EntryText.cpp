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
        if (lines.at(i).size() > entryrules::MaxDefinitionLength)
            positions.append(i);
    }
    return positions;
}

QString truncated(const QString& line)
{
    qsizetype length = std::min<qsizetype>(line.size(), entryrules::MaxDefinitionLength);
    if (length < line.size() && line.at(length - 1).isHighSurrogate())
        --length;
    return line.left(length);
}

bool tooManyLines(const QStringList& lines)
{
    return lines.size() > entryrules::MaxDefinitionLines;
}

} // namespace lexmint::entrytext
