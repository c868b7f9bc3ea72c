#pragma once

#include <QString>

namespace lexmint {

/// The read-only record the installation leaves beside the program: an INI file whose value
/// "ProgramDir" names the folder with the template, the samples and the help, ending in "/".
class InstallRecord {
public:
    /// The record of this installation, <program folder>/../share/lexmint/install.ini; the build
    /// tree has one at the same place. Needs a QCoreApplication.
    InstallRecord();
    explicit InstallRecord(QString filePath);

    /// The text of a value, or defaultValue when the record, the value or a plain text value
    /// is missing (a list or any other kind of value is not plain text). Never fails otherwise.
    /// The text is cut at its first NUL character.
    QString machineSetting(const QString& name, const QString& defaultValue) const;

    /// The install folder ending in "/", or the empty text without a record, so that a file name
    /// appended to it still names something to look for.
    QString programDir() const;

private:
    QString m_filePath;
};

/// The part of text before its first NUL character; the whole text when it holds none.
QString trimAtNul(const QString& text);

} // namespace lexmint
