#include "interchange/DelimitedText.h"

#include <QCoreApplication>
#include <QHash>

namespace lexmint::delimitedtext {

namespace {

// The separator is told from the first records within the first characters.
constexpr int DetectionRecords = 50;
constexpr qsizetype DetectionCharacters = 64 * 1024;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Reads the records of a text, one field at a time.
class RecordParser {
public:
    RecordParser(QStringView text, QChar separator, int firstLine)
        : m_text(text), m_separator(separator), m_line(firstLine)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }

    /// The next record; nothing when a quoted field is never closed.
    std::optional<TextRecord> next()
    {
        TextRecord record{m_line, {}};
        for (;;) {
            std::optional<QString> field = atQuote() ? quotedField() : plainField();
            if (!field)
                return std::nullopt;
            record.fields.append(std::move(*field));
            if (!atEnd() && m_text[m_pos] == m_separator) {
                ++m_pos;
                continue;
            }
            skipLineEnd();
            return record;
        }
    }

private:
    bool atQuote() const { return !atEnd() && m_text[m_pos] == u'"'; }

    qsizetype fieldEnd() const
    {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text[end] != m_separator && !isLineEnd(m_text[end]))
            ++end;
        return end;
    }

    QString plainField()
    {
        const qsizetype end = fieldEnd();
        QString field = m_text.sliced(m_pos, end - m_pos).toString();
        m_pos = end;
        return field;
    }

    std::optional<QString> quotedField()
    {
        QString field;
        qsizetype chunk = ++m_pos;
        while (!atEnd()) {
            const QChar c = m_text[m_pos];
            if (c == u'"') {
                field += m_text.sliced(chunk, m_pos - chunk);
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                    field += u'"';
                    m_pos += 2;
                    chunk = m_pos;
                    continue;
                }
                ++m_pos;
                // Anything between the closing quote and the separator is kept as it stands.
                const qsizetype end = fieldEnd();
                field += m_text.sliced(m_pos, end - m_pos);
                m_pos = end;
                return field;
            }
            if (c == u'\n' || (c == u'\r' && !followedByLineFeed()))
                ++m_line;
            ++m_pos;
        }
        return std::nullopt;
    }

    bool followedByLineFeed() const
    {
        return m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n';
    }

    void skipLineEnd()
    {
        if (atEnd())
            return;
        if (m_text[m_pos] == u'\r' && followedByLineFeed())
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line;
};

struct NamedSeparator {
    const char* name;
    char16_t separator;
};
// The names are also the captions the dialogs show, in the user's language.
constexpr NamedSeparator NamedSeparators[] = {
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "tab"), u'\t'},
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "comma"), u','},
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "semicolon"), u';'},
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "space"), u' '},
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "pipe"), u'|'},
    {QT_TRANSLATE_NOOP("lexmint::DelimitedText", "colon"), u':'},
};

bool isEmptyLine(const TextRecord& record)
{
    return record.fields.size() == 1 && record.fields.constFirst().isEmpty();
}

} // namespace

ParsedRecords parse(QStringView text, QChar separator, int firstLine, int maxRecords)
{
    ParsedRecords parsed;
    RecordParser parser(text, separator, firstLine);
    while (!parser.atEnd() && (maxRecords == 0 || parsed.records.size() < maxRecords)) {
        const int line = parser.line();
        std::optional<TextRecord> record = parser.next();
        if (!record) {
            parsed.unterminatedLine = line;
            break;
        }
        if (!isEmptyLine(*record))
            parsed.records.append(std::move(*record));
    }
    return parsed;
}

std::optional<QChar> detectSeparator(QStringView text)
{
    static constexpr char16_t Candidates[] = {u'\t', u',', u';', u'|'};
    std::optional<QChar> best;
    double bestShare = 0;
    qsizetype bestFields = 0;
    for (const char16_t candidate : Candidates) {
        const QList<TextRecord> records =
            parse(text.first(std::min(text.size(), DetectionCharacters)), candidate, 1,
                  DetectionRecords)
                .records;
        QHash<qsizetype, int> recordsByFieldCount;
        for (const TextRecord& record : records)
            ++recordsByFieldCount[record.fields.size()];
        // The field count most records have; among equals, the larger one.
        qsizetype fields = 0;
        int count = 0;
        for (auto it = recordsByFieldCount.cbegin(); it != recordsByFieldCount.cend(); ++it) {
            if (it.value() > count || (it.value() == count && it.key() > fields)) {
                fields = it.key();
                count = it.value();
            }
        }
        if (fields < 2)
            continue;
        const double share = double(count) / double(records.size());
        if (share > bestShare || (share == bestShare && fields > bestFields)) {
            best = QChar(candidate);
            bestShare = share;
            bestFields = fields;
        }
    }
    return best;
}

std::optional<QChar> separatorNamed(QStringView name)
{
    for (const NamedSeparator& named : NamedSeparators) {
        if (name.compare(QLatin1StringView(named.name), Qt::CaseInsensitive) == 0)
            return QChar(named.separator);
    }
    if (name.size() == 1 && name[0] != u'"' && !isLineEnd(name[0]))
        return name[0];
    return std::nullopt;
}

QString separatorCaption(QChar separator)
{
    for (const NamedSeparator& named : NamedSeparators) {
        if (separator == named.separator)
            return QCoreApplication::translate("lexmint::DelimitedText", named.name);
    }
    return separator;
}

QString quoted(const QString& field, QChar separator)
{
    const bool needsQuotes = field.contains(separator) || field.contains(u'"')
        || field.contains(u'\n') || field.contains(u'\r') || field.startsWith(u'#')
        || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!needsQuotes)
        return field;
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace lexmint::delimitedtext
