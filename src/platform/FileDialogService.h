#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QObject;

namespace lexmint {

/// What an open or save dialog shows. Filters are in Qt's form, such as "Lex Mint File (*.lxm)".
struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QStringList filters;
    int selectedFilter = 0;
    QString defaultSuffix;
    /// The window that asks, over which the dialog stays; the main window when there is none.
    QObject* window = nullptr;
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
