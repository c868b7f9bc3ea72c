#include "help/HelpPopups.h"

#include <QXmlStreamReader>

namespace lexmint {

namespace {

// The context number of an element id "popup-<number>", or 0.
int popupContext(QStringView id)
{
    static constexpr QStringView prefix = u"popup-";
    if (!id.startsWith(prefix))
        return 0;
    bool ok = false;
    const int context = id.mid(prefix.size()).toInt(&ok);
    return ok ? context : 0;
}

} // namespace

QHash<int, QString> parsePopupTexts(const QByteArray& xhtml)
{
    // The reader works on the decoded text, so its character offsets cut that same text.
    const QString text = QString::fromUtf8(xhtml);
    QXmlStreamReader reader(text);
    QHash<int, QString> texts;
    int context = 0;     // the pop-up being read, 0 outside one
    int depth = 0;       // nesting of elements inside it
    qsizetype start = 0; // offset just after its start tag
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (context != 0) {
                ++depth;
            } else if (const int found =
                           popupContext(reader.attributes().value(QLatin1String("id")));
                       found) {
                context = found;
                depth = 0;
                start = reader.characterOffset();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (context != 0 && depth-- == 0) {
                // The end tag is what precedes the current offset; an empty element has none.
                const qsizetype end = text.lastIndexOf(u'<', reader.characterOffset() - 1);
                texts.insert(context,
                             end > start ? text.sliced(start, end - start).trimmed() : QString());
                context = 0;
            }
            break;
        default: break;
        }
    }
    return texts;
}

} // namespace lexmint
