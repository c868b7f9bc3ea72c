#include "interchange/FileKind.h"

#include <QFileInfo>

namespace lexmint {

std::optional<FileKind> fileKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"lxm")
        return FileKind::Vocabulary;
    if (suffix == u"csv")
        return FileKind::Csv;
    if (suffix == u"tsv")
        return FileKind::Tsv;
    if (suffix == u"txt")
        return FileKind::FlashCard;
    if (suffix == u"kvtml")
        return FileKind::Kvtml;
    return std::nullopt;
}

FileKind sniffFileKind(const QByteArray& head)
{
    QByteArray start = head.left(512);
    for (const char* byteOrderMark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (start.startsWith(byteOrderMark))
            start.remove(0, qstrlen(byteOrderMark));
    }
    start.replace('\0', QByteArray());
    start = start.trimmed();
    if (start.startsWith("<?xml") || start.startsWith("<kvtml"))
        return FileKind::Kvtml;
    if (start.startsWith("#separator:") || start.startsWith("#html:") || start.startsWith("#columns:"))
        return FileKind::FlashCard;
    return FileKind::Csv;
}

QString fileKindFilter(FileKind kind)
{
    switch (kind) {
    case FileKind::Vocabulary:
        break; // the vocabulary dialogs have their own filters
    case FileKind::Csv:
        return QStringLiteral("CSV file (*.csv)");
    case FileKind::Tsv:
        return QStringLiteral("Tab-separated text (*.tsv)");
    case FileKind::FlashCard:
        return QStringLiteral("Flash-card text (*.txt)");
    case FileKind::Kvtml:
        return QStringLiteral("KVTML file (*.kvtml)");
    }
    return {};
}

const QList<FileKind>& exportKinds()
{
    static const QList<FileKind> kinds{FileKind::Csv, FileKind::Tsv, FileKind::FlashCard,
                                       FileKind::Kvtml};
    return kinds;
}

} // namespace lexmint
