#include "shell/PathTitles.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lexmint {

QString vocabularyFilter()
{
    return QCoreApplication::translate("lexmint::PathTitles", "Lex Mint File (*.lxm)");
}

QString olderVocabularyFilter()
{
    return QCoreApplication::translate("lexmint::PathTitles", "Lex Mint 2.0 File (*.mdb)");
}

QString absolutePath(const QString& path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool samePath(QStringView first, QStringView second)
{
    return first.compare(second, FileNameCase) == 0;
}

bool isInsideFolder(QStringView path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QString prefix = absolutePath(folder);
    if (!prefix.endsWith(PathSeparator))
        prefix += PathSeparator;
    return path.size() > prefix.size() && path.startsWith(prefix, FileNameCase);
}

qsizetype lastPosAfter(QStringView text, QChar separator)
{
    // lastIndexOf() is 0-based and -1 when absent; one past the separator, 1-based.
    return text.lastIndexOf(separator) + 2;
}

QString dirOfPath(const QString& path)
{
    return path.first(lastPosAfter(path, PathSeparator) - 1);
}

QString fileTitle(const QString& path)
{
    return properTitle(QStringView(path).sliced(lastPosAfter(path, PathSeparator) - 1));
}

QString properTitle(QStringView name)
{
    if (name.endsWith(u".lxm", Qt::CaseInsensitive))
        name.chop(4);
    QString title;
    title.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool startsPiece = i == 0 || name[i - 1] == u'-';
        // Character by character, so that the title keeps the length of the name.
        title += startsPiece ? name[i].toUpper() : name[i].toLower();
    }
    return title;
}

} // namespace lexmint
