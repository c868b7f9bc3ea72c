#include "interchange/FileKind.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lexmint {

namespace {

struct KindName {
    FileKind kind;
    const char* suffix;
    const char* description; ///< for file dialogs; none for vocabularies, which have their own
};

constexpr KindName KindNames[] = {
    {FileKind::Vocabulary, "lxm", nullptr},
    {FileKind::Csv, "csv", QT_TRANSLATE_NOOP("lexmint::FileKind", "CSV file")},
    {FileKind::Tsv, "tsv", QT_TRANSLATE_NOOP("lexmint::FileKind", "Tab-separated text")},
    {FileKind::FlashCard, "txt", QT_TRANSLATE_NOOP("lexmint::FileKind", "Flash-card text")},
    {FileKind::Kvtml, "kvtml", QT_TRANSLATE_NOOP("lexmint::FileKind", "KVTML file")},
};

const KindName& nameOf(FileKind kind)
{
    for (const KindName& name : KindNames) {
        if (name.kind == kind)
            return name;
    }
    return KindNames[0];
}

} // namespace

std::optional<FileKind> fileKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const KindName& name : KindNames) {
        if (suffix == QLatin1StringView(name.suffix))
            return name.kind;
    }
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
    if (start.startsWith("#separator:") || start.startsWith("#html:")
        || start.startsWith("#columns:"))
        return FileKind::FlashCard;
    return FileKind::Csv;
}

QString fileKindSuffix(FileKind kind)
{
    return QLatin1StringView(nameOf(kind).suffix);
}

QString fileKindFilter(FileKind kind)
{
    const KindName& name = nameOf(kind);
    return name.description
        ? QStringLiteral("%1 (*.%2)")
              .arg(QCoreApplication::translate("lexmint::FileKind", name.description),
                   QLatin1StringView(name.suffix))
        : QString();
}

const QList<FileKind>& exportKinds()
{
    static const QList<FileKind> kinds{FileKind::Csv, FileKind::Tsv, FileKind::FlashCard,
                                       FileKind::Kvtml};
    return kinds;
}

} // namespace lexmint
