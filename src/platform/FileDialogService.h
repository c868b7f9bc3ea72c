#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lexmint {

/// What an open or save dialog shows. Filters are in Qt's form, such as "Lex Mint File (*.lxm)".
struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QStringList filters;
    int selectedFilter = 0;
    QString defaultSuffix;
};

/// Asks the user for a file. The result is the chosen path, or nothing when the user cancelled.
/// The open dialog accepts only existing files; the save dialog asks before it overwrites one.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace lexmint
