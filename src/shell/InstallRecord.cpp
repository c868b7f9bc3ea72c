#include "shell/InstallRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace lexmint {

InstallRecord::InstallRecord()
    : InstallRecord(QDir::cleanPath(QCoreApplication::applicationDirPath()
                                    + QStringLiteral("/" LEXMINT_DATA_FROM_BIN "/install.ini")))
{
}

InstallRecord::InstallRecord(QString filePath) : m_filePath(std::move(filePath)) {}

QString InstallRecord::machineSetting(const QString& name, const QString& defaultValue) const
{
    const QSettings record(m_filePath, QSettings::IniFormat);
    const QVariant value = record.value(name);
    if (value.typeId() != QMetaType::QString)
        return defaultValue;
    return trimAtNul(value.toString());
}

QString InstallRecord::programDir() const
{
    return machineSetting(QStringLiteral("ProgramDir"), QString());
}

QString trimAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.first(nul);
}

} // namespace lexmint
