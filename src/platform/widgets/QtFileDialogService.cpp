#include "QtFileDialogService.h"

#include "platform/widgets/DialogOwner.h"

#include <QDir>
#include <QFileDialog>

namespace lexmint {

std::optional<QString> QtFileDialogService::openFile(const FileDialogRequest& request)
{
    return run(request, false);
}

std::optional<QString> QtFileDialogService::saveFile(const FileDialogRequest& request)
{
    return run(request, true);
}

std::optional<QString> QtFileDialogService::run(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(dialogOwner(request.window), request.title, request.directory);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

} // namespace lexmint
