#include "FileFormat.h"

#include <QFile>

namespace lexmint {

FileFormat detectFileFormat(const QString& path)
{
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
