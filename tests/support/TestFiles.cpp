#include "TestFiles.h"

#include <QFile>
#include <QProcessEnvironment>

namespace lexmint::test {

QString buildDataDir()
{
    return QProcessEnvironment::systemEnvironment().value(QStringLiteral("LEXMINT_BUILD_DATA"));
}

QString copyToDir(const QString& source, const QString& dir, const QString& name)
{
    const QString target = dir + QLatin1Char('/') + name;
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool damageFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.write(QByteArray(100, 'x')) == 100;
}

} // namespace lexmint::test
