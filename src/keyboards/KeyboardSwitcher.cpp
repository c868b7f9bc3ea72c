#include "keyboards/KeyboardSwitcher.h"

#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardCatalogue.h"
#include "platform/MessageService.h"

namespace lexmint {

KeyboardSwitcher::KeyboardSwitcher(KeyboardBackend& backend, MessageService& messages)
    : m_backend(backend), m_messages(messages)
{
}

qint32 KeyboardSwitcher::activateKeyboard(qint32 requested)
{
    if (requested == KeybCurrent)
        return KeybCurrent;

    const qint32 previous = m_backend.activeLayout();
    if (m_backend.installedLayouts().contains(requested)) {
        // A switch the platform refuses leaves the layout unusable, just like a missing one:
        // nothing was switched, and the user is told so.
        if (requested == previous || m_backend.activate(requested))
            return previous;
    }
    reportMissing(requested);
    return KeybCurrent;
}

void KeyboardSwitcher::reportMissing(qint32 layout)
{
    if (m_reportedMissing.contains(layout))
        return;
    m_reportedMissing.insert(layout);

    Message message;
    message.title = QStringLiteral("Keyboard Not Installed");
    message.text = QStringLiteral("The keyboard locale \"") + keyboardName(layout)
                   + QStringLiteral("\" is not installed or is using a different layout.\r\n"
                                    "Please adjust your desktop keyboard setting or change the keyboard "
                                    "selection for this vocabulary.");
    message.icon = MessageIcon::Exclamation;
    message.buttons = MessageButtons::Ok;
    m_messages.show(message);
}

} // namespace lexmint
