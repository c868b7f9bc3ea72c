#include "QtFileDialogService.h"

#include "platform/widgets/DialogOwner.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace lexmint {

namespace {

// The extension of a filter's first pattern, such as "kvtml" for "KVTML file (*.kvtml)".
QString filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

} // namespace

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
    // A name typed without an extension gets the one of the file type chosen.
    if (save && !request.defaultSuffix.isEmpty()) {
        const auto followFilter = [&dialog](const QString& filter) {
            if (const QString suffix = filterSuffix(filter); !suffix.isEmpty())
                dialog.setDefaultSuffix(suffix);
        };
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

} // namespace lexmint
