#include "interchange/FlashCardReader.h"

#include "interchange/DelimitedReader.h"
#include "interchange/DelimitedText.h"
#include "interchange/HtmlText.h"

#include <QCoreApplication>

namespace lexmint::flashcardreader {

namespace {

struct Header {
    std::optional<QChar> separator;
    std::optional<bool> html;
    std::optional<QString> columns;
    QStringList ignoredKeys;
    int firstDataLine = 1;
    qsizetype dataOffset = 0;
};

// The "#key:value" lines at the top of the text.
Header readHeader(QStringView text)
{
    Header header;
    while (header.dataOffset < text.size() && text[header.dataOffset] == u'#') {
        qsizetype end = text.indexOf(u'\n', header.dataOffset);
        if (end < 0)
            end = text.size();
        const QStringView line = text.sliced(header.dataOffset, end - header.dataOffset).trimmed();
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            break;
        const QString key = line.sliced(1, colon - 1).trimmed().toString().toLower();
        const QStringView value = line.sliced(colon + 1);
        if (key == u"separator")
            header.separator = delimitedtext::separatorNamed(value.trimmed());
        else if (key == u"html")
            header.html = value.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
        else if (key == u"columns")
            header.columns = value.toString();
        else if (!header.ignoredKeys.contains(key))
            header.ignoredKeys.append(key);
        header.dataOffset = std::min(end + 1, text.size());
        ++header.firstDataLine;
    }
    return header;
}

} // namespace

FlashCardText read(QStringView text, std::optional<QChar> separator, Choice html)
{
    const Header header = readHeader(text);
    const QStringView data = text.sliced(header.dataOffset);

    FlashCardText result;
    result.separator = separator.value_or(
        header.separator.value_or(delimitedtext::detectSeparator(data).value_or(QChar(u'\t'))));
    result.html = html == Choice::Automatic ? header.html.value_or(false) : html == Choice::Yes;
    result.htmlFound = htmltext::looksLikeHtml(data);
    result.table = delimitedreader::read(data, result.separator, Choice::No, header.firstDataLine);
    if (header.columns)
        result.table.columns = header.columns->split(result.separator);
    for (const QString& key : header.ignoredKeys)
        result.table.notes.append(
            QCoreApplication::translate("lexmint::FlashCardReader",
                                        "The header line \"#%1:\" was ignored.")
                .arg(key));
    if (result.html) {
        for (SourceRecord& record : result.table.records) {
            for (QString& field : record.fields)
                field = htmltext::toPlainText(field);
        }
    }
    return result;
}

} // namespace lexmint::flashcardreader
