#include "interchange/DelimitedReader.h"

#include "interchange/DelimitedText.h"

#include <QCoreApplication>
#include <QSet>

namespace lexmint::delimitedreader {

bool looksLikeHeader(const QStringList& fields)
{
    static const QSet<QString> titles{
        QStringLiteral("headword"),   QStringLiteral("headwords"),   QStringLiteral("word"),
        QStringLiteral("words"),      QStringLiteral("term"),        QStringLiteral("terms"),
        QStringLiteral("definition"), QStringLiteral("definitions"), QStringLiteral("meaning"),
        QStringLiteral("meanings"),   QStringLiteral("translation"), QStringLiteral("translations"),
        QStringLiteral("front"),      QStringLiteral("back"),        QStringLiteral("question"),
        QStringLiteral("answer"),     QStringLiteral("expression"),  QStringLiteral("notes"),
        QStringLiteral("comment"),    QStringLiteral("example"),     QStringLiteral("tags"),
    };
    bool anyTitle = false;
    for (const QString& field : fields) {
        const QString title = field.trimmed().toLower();
        if (title.isEmpty())
            continue;
        if (!titles.contains(title))
            return false;
        anyTitle = true;
    }
    return anyTitle;
}

SourceTable read(QStringView text, QChar separator, Choice header, int firstLine)
{
    ParsedRecords parsed = delimitedtext::parse(text, separator, firstLine);
    SourceTable table;
    if (parsed.unterminatedLine > 0)
        table.unreadable.append(
            {parsed.unterminatedLine,
             QCoreApplication::translate("lexmint::DelimitedReader",
                                         "A quoted field begins here and is never closed; "
                                         "nothing from here on was read.")});
    if (!parsed.records.isEmpty()
        && (header == Choice::Yes
            || (header == Choice::Automatic
                && looksLikeHeader(parsed.records.constFirst().fields))))
        table.columns = parsed.records.takeFirst().fields;
    table.records.reserve(parsed.records.size());
    for (TextRecord& record : parsed.records)
        table.records.append({record.line, std::move(record.fields), {}});
    return table;
}

} // namespace lexmint::delimitedreader
