#pragma once

#include "platform/MessageService.h"

#include <functional>

namespace lexmint {

/// Message boxes as QMessageBox dialogs, each over the window that asked (see dialogOwner()).
/// The Help button of a box calls the help opener with the box's help context and leaves the
/// box open.
class QtMessageService final : public MessageService {
public:
    using HelpOpener = std::function<void(int helpContext)>;

    explicit QtMessageService(HelpOpener openHelp = {});

    MessageAnswer show(const Message& message) override;

private:
    HelpOpener m_openHelp;
};

} // namespace lexmint
