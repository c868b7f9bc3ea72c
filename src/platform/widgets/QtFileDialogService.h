#pragma once

#include "platform/FileDialogService.h"

namespace lexmint {

/// Open and save dialogs as QFileDialog, each over the window that asked (see dialogOwner()).
class QtFileDialogService final : public FileDialogService {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);
};

} // namespace lexmint
