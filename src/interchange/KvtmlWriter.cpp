#include "interchange/KvtmlWriter.h"

#include "platform/AppIdentity.h"

#include <QTime>
#include <QXmlStreamWriter>

namespace lexmint::kvtmlwriter {

namespace {

void writeIdentifier(QXmlStreamWriter& xml, int id, const QString& name)
{
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), name);
    // The language is not known; "und" is the tag for an undetermined one.
    xml.writeTextElement(QStringLiteral("locale"), QStringLiteral("und"));
    xml.writeEndElement();
}

void writeGrade(QXmlStreamWriter& xml, const EntryStatistics& statistics)
{
    xml.writeStartElement(QStringLiteral("grade"));
    xml.writeTextElement(QStringLiteral("currentgrade"),
                         QString::number(statistics.lastOk == 1 ? 1 : 0));
    xml.writeTextElement(QStringLiteral("count"), QString::number(statistics.tested));
    xml.writeTextElement(QStringLiteral("errorcount"),
                         QString::number(statistics.tested - statistics.correct));
    xml.writeTextElement(QStringLiteral("date"),
                         statistics.lastTestedOn.startOfDay().toString(Qt::ISODate));
    xml.writeEndElement();
}

void writeTranslation(QXmlStreamWriter& xml, int id, const QString& text,
                      const EntryStatistics* statistics)
{
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("text"), text);
    if (statistics)
        writeGrade(xml, *statistics);
    xml.writeEndElement();
}

} // namespace

QByteArray write(const QList<VocabularyEntry>& entries, const QString& title)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                                "\"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), applicationTitle());
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(xml, 0, QStringLiteral("Headword"));
    writeIdentifier(xml, 1, QStringLiteral("Definitions"));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("entries"));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const VocabularyEntry& entry = entries.at(i);
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        writeTranslation(xml, 0, entry.headword,
                         entry.statistics.tested > 0 ? &entry.statistics : nullptr);
        writeTranslation(xml, 1, entry.lines.join(QStringLiteral("; ")), nullptr);
        xml.writeEndElement();
    }
    xml.writeEndElement();

    // Programs that group entries in lessons show only the entries of some lesson.
    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
    }
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace lexmint::kvtmlwriter
