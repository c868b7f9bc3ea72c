#include "interchange/WordListWriter.h"

#include "interchange/DelimitedText.h"
#include "interchange/KvtmlWriter.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace lexmint::wordlistwriter {

namespace {

QString delimitedText(const QList<VocabularyEntry>& entries, QChar separator, QStringView lineEnd)
{
    QString text;
    text.reserve(entries.size() * 48);
    const auto appendRow = [&](const QString& headword, const QString& definitions) {
        text += delimitedtext::quoted(headword, separator);
        text += separator;
        text += delimitedtext::quoted(definitions, separator);
        text += lineEnd;
    };
    appendRow(QStringLiteral("Headword"), QStringLiteral("Definitions"));
    for (const VocabularyEntry& entry : entries)
        appendRow(entry.headword, entry.lines.join(u'\n'));
    return text;
}

QString flashCardText(const QList<VocabularyEntry>& entries)
{
    // The header's column titles stand in for the title row.
    QString text = delimitedText(entries, u'\t', u"\n");
    return QStringLiteral("#separator:tab\n#html:false\n#columns:") + text;
}

} // namespace

QByteArray write(const QList<VocabularyEntry>& entries, const ExportSettings& settings)
{
    switch (settings.kind) {
    case FileKind::Csv:
        return (settings.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray())
            + delimitedText(entries, settings.separator, u"\r\n").toUtf8();
    case FileKind::Tsv: return delimitedText(entries, u'\t', u"\r\n").toUtf8();
    case FileKind::FlashCard: return flashCardText(entries).toUtf8();
    case FileKind::Kvtml: return kvtmlwriter::write(entries, settings.title);
    case FileKind::Vocabulary: break;
    }
    return {};
}

bool writeFile(const QString& path, const QList<VocabularyEntry>& entries,
               const ExportSettings& settings, QString* error)
{
    if (settings.kind == FileKind::Vocabulary) {
        if (error)
            *error = QCoreApplication::translate(
                "lexmint::WordListWriter",
                "A vocabulary is made by importing into it, not by exporting.");
        return false;
    }
    QSaveFile file(path);
    const QByteArray content = write(entries, settings);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace lexmint::wordlistwriter
