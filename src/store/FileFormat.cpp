#include "FileFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lexmint {

QString whyNotAFile(const QString& path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return QCoreApplication::translate("lexmint::FileFormat", "The file \"%1\" does not exist.")
            .arg(shown);
    if (info.isDir())
        return QCoreApplication::translate("lexmint::FileFormat", "\"%1\" is a folder, not a file.")
            .arg(shown);
    if (!info.isFile())
        return QCoreApplication::translate(
                   "lexmint::FileFormat",
                   "\"%1\" is not a regular file but, for example, a named pipe or a "
                   "device, which cannot hold a vocabulary.")
            .arg(shown);
    return {};
}

FileFormat detectFileFormat(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileFormat::Missing;
    if (!info.isFile())
        return FileFormat::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFormat::Missing;
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        return file.size() == 0 ? FileFormat::Empty : FileFormat::Missing;
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileFormat::Sqlite;
    const QByteArray engineName = head.mid(4, 15);
    if (engineName == "Standard Jet DB" || engineName == "Standard ACE DB")
        return FileFormat::Access;
    return FileFormat::Unknown;
}

} // namespace lexmint
