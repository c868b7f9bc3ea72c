#include "interchange/KvtmlReader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMap>
#include <QXmlStreamReader>

namespace lexmint::kvtmlreader {

namespace {

struct Translation {
    QString text;
    QString comment;
    std::optional<EntryStatistics> statistics;
};

struct Identifier {
    int id = 0;
    QString title;
};

// Test statistics from a translation's grade; nothing for a word never practised.
std::optional<EntryStatistics> statisticsOfGrade(const QMap<QString, QString>& grade)
{
    const int count = grade.value(QStringLiteral("count")).toInt();
    if (count <= 0)
        return std::nullopt;
    const int errors = std::clamp(grade.value(QStringLiteral("errorcount")).toInt(), 0, count);
    EntryStatistics statistics;
    statistics.tested = count;
    statistics.correct = count - errors;
    const QString date = grade.value(QStringLiteral("date")).trimmed();
    bool seconds = false;
    const qint64 secondsSinceEpoch = date.toLongLong(&seconds);
    statistics.lastTestedOn = seconds ? QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).date()
                                      : QDateTime::fromString(date, Qt::ISODate).date();
    if (!statistics.lastTestedOn.isValid())
        statistics.lastTestedOn = QDate::fromString(date, Qt::ISODate);
    // A grade above zero means that the word was known at its last practice.
    const auto currentGrade = grade.constFind(QStringLiteral("currentgrade"));
    statistics.lastOk = currentGrade != grade.cend() ? (currentGrade->toInt() > 0 ? 1 : 0)
                                                     : (errors < count ? 1 : 0);
    return statistics;
}

class KvtmlParser {
public:
    explicit KvtmlParser(const QByteArray& bytes) : m_xml(bytes) {}

    SourceTable parse()
    {
        if (readRoot()) {
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == u"identifiers")
                    readIdentifiers();
                else if (m_xml.name() == u"entries")
                    readEntries();
                else
                    readText();
            }
        }
        if (m_xml.hasError()) {
            m_table.error = m_xml.error() == QXmlStreamReader::CustomError
                ? m_xml.errorString()
                : QCoreApplication::translate("lexmint::KvtmlReader",
                                              "The file is not well-formed XML at line %1: %2")
                      .arg(m_xml.lineNumber())
                      .arg(m_xml.errorString());
            m_table.errorLine = int(m_xml.lineNumber());
            return std::move(m_table);
        }
        finishTable();
        return std::move(m_table);
    }

private:
    // Reads up to the root element, refusing a document type that declares entities.
    bool readRoot()
    {
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::DTD
                && (!m_xml.entityDeclarations().isEmpty() || m_xml.text().contains(u"<!ENTITY"))) {
                m_xml.raiseError(
                    QCoreApplication::translate("lexmint::KvtmlReader",
                                                "The file declares XML entities, which a word list "
                                                "never needs; it was not read."));
                return false;
            }
            if (token == QXmlStreamReader::StartElement) {
                const QStringView version = m_xml.attributes().value(QStringLiteral("version"));
                if (m_xml.name() != u"kvtml" || !version.startsWith(u"2.")) {
                    m_xml.raiseError(QCoreApplication::translate("lexmint::KvtmlReader",
                                                                 "This is not a KVTML 2.0 file."));
                    return false;
                }
                return true;
            }
        }
        return false;
    }

    // The text inside the current element, its child elements' text included; leaves the
    // reader on the element's end. A reference to an entity the file does not declare is
    // refused rather than left out.
    QString readText()
    {
        QString text;
        int depth = 1;
        while (depth > 0 && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters: text += m_xml.text(); break;
            case QXmlStreamReader::EntityReference:
                m_xml.raiseError(QCoreApplication::translate(
                                     "lexmint::KvtmlReader",
                                     "The file refers to the XML entity \"%1\", which it "
                                     "does not declare; it was not read.")
                                     .arg(m_xml.name()));
                return {};
            case QXmlStreamReader::StartElement: ++depth; break;
            case QXmlStreamReader::EndElement: --depth; break;
            default: break;
            }
        }
        return text;
    }

    std::optional<int> idAttribute()
    {
        bool ok = false;
        const int id = m_xml.attributes().value(QStringLiteral("id")).toInt(&ok);
        return ok ? std::optional<int>(id) : std::nullopt;
    }

    void readIdentifiers()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"identifier") {
                readText();
                continue;
            }
            const std::optional<int> id = idAttribute();
            QString name;
            QString locale;
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == u"name")
                    name = readText().trimmed();
                else if (m_xml.name() == u"locale")
                    locale = readText().trimmed();
                else
                    readText();
            }
            if (!id) {
                note(QCoreApplication::translate(
                    "lexmint::KvtmlReader", "An identifier without a numeric id was ignored."));
                continue;
            }
            const QString title = !name.isEmpty() ? name
                : !locale.isEmpty()
                ? locale
                : QCoreApplication::translate("lexmint::KvtmlReader", "Identifier %1").arg(*id);
            m_identifiers.append({*id, title});
        }
    }

    void readEntries()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"entry") {
                readText();
                continue;
            }
            const int line = int(m_xml.lineNumber());
            QMap<int, Translation> translations;
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != u"translation") {
                    readText();
                    continue;
                }
                const std::optional<int> id = idAttribute();
                Translation translation = readTranslation();
                if (id)
                    translations.insert(*id, std::move(translation));
                else
                    note(QCoreApplication::translate(
                        "lexmint::KvtmlReader", "Translations without a numeric id were ignored."));
            }
            m_entries.append({line, std::move(translations)});
        }
    }

    Translation readTranslation()
    {
        Translation translation;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"text")
                translation.text = readText();
            else if (m_xml.name() == u"comment")
                translation.comment = readText();
            else if (m_xml.name() == u"grade" && !translation.statistics)
                translation.statistics = statisticsOfGrade(readGrade());
            else
                readText();
        }
        return translation;
    }

    QMap<QString, QString> readGrade()
    {
        QMap<QString, QString> values;
        while (m_xml.readNextStartElement()) {
            const QString name = m_xml.name().toString();
            values.insert(name, readText());
        }
        return values;
    }

    void note(const QString& text)
    {
        if (!m_table.notes.contains(text))
            m_table.notes.append(text);
    }

    // Lays the entries out in the identifiers' columns.
    void finishTable()
    {
        const bool single = m_identifiers.size() == 1;
        for (const Identifier& identifier : std::as_const(m_identifiers))
            m_table.columns.append(identifier.title);
        if (single)
            m_table.columns.append(QCoreApplication::translate("lexmint::KvtmlReader", "Comment"));
        // Translations list their meanings separated by "; ", a comment is one hint.
        m_table.usualMapping = ColumnMapping{0, {1}, single ? QString() : QStringLiteral("; ")};
        m_table.records.reserve(m_entries.size());
        for (const auto& [line, translations] : std::as_const(m_entries)) {
            SourceRecord record{line, {}, {}};
            bool any = false;
            for (const Identifier& identifier : std::as_const(m_identifiers)) {
                const auto translation = translations.constFind(identifier.id);
                any = any || translation != translations.cend();
                const Translation found =
                    translation != translations.cend() ? *translation : Translation();
                record.fields.append(found.text);
                record.statistics.append(found.statistics);
                if (single) {
                    record.fields.append(found.comment);
                    record.statistics.append(std::nullopt);
                }
            }
            if (any)
                m_table.records.append(std::move(record));
            else
                m_table.unreadable.append(
                    {line,
                     QCoreApplication::translate(
                         "lexmint::KvtmlReader",
                         "The entry has no translation of the file's identifiers.")});
        }
    }

    QXmlStreamReader m_xml;
    QList<Identifier> m_identifiers;
    QList<std::pair<int, QMap<int, Translation>>> m_entries;
    SourceTable m_table;
};

} // namespace

SourceTable read(const QByteArray& bytes)
{
    return KvtmlParser(bytes).parse();
}

} // namespace lexmint::kvtmlreader
