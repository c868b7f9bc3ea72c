#pragma once

#include "platform/MessageService.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace lexmint {

/// Message boxes as QMessageBox dialogs. The Help button of a box calls the help opener with
/// the box's help context and leaves the box open.
class QtMessageService final : public MessageService {
public:
    using HelpOpener = std::function<void(int helpContext)>;

    explicit QtMessageService(QWidget* parent = nullptr, HelpOpener openHelp = {});
    void setParent(QWidget* parent) { m_parent = parent; }

    MessageAnswer show(const Message& message) override;

private:
    QPointer<QWidget> m_parent;
    HelpOpener m_openHelp;
};

} // namespace lexmint
