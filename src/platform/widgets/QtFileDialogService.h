#pragma once

#include "platform/FileDialogService.h"

#include <QPointer>
#include <QWidget>

namespace lexmint {

/// Open and save dialogs as QFileDialog.
class QtFileDialogService final : public FileDialogService {
public:
    explicit QtFileDialogService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_parent;
};

} // namespace lexmint
