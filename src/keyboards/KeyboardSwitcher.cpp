#include "keyboards/KeyboardSwitcher.h"

#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardCatalogue.h"
#include "platform/MessageService.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

namespace lexmint {

KeyboardSwitcher::KeyboardSwitcher(KeyboardBackend& backend, MessageService& messages)
    : m_backend(backend), m_messages(messages)
{
}

qint32 KeyboardSwitcher::activateKeyboard(qint32 requested)
{
    if (requested == KeybCurrent)
        return KeybCurrent;
    if (!m_backend.canSwitch()) {
        tellCannotSwitch();
        return KeybCurrent;
    }

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
    message.title =
        QCoreApplication::translate("lexmint::KeyboardSwitcher", "Keyboard Not Installed");
    message.text =
        QCoreApplication::translate(
            "lexmint::KeyboardSwitcher",
            "The keyboard locale \"%1\" is not installed or is using a different layout.\r\n"
            "Please adjust your desktop keyboard setting or change the keyboard "
            "selection for this vocabulary.")
            .arg(keyboardName(layout));
    message.icon = MessageIcon::Exclamation;
    message.buttons = MessageButtons::Ok;
    tellLater(message);
}

void KeyboardSwitcher::tellCannotSwitch()
{
    if (std::exchange(m_toldCannotSwitch, true))
        return;
    Message message;
    message.title = QCoreApplication::translate("lexmint::KeyboardSwitcher", "Keyboard Layouts");
    message.text = QCoreApplication::translate(
        "lexmint::KeyboardSwitcher",
        "This desktop does not let programs switch the keyboard layout, so Lex Mint cannot switch "
        "to the layouts this vocabulary asks for.\r\n"
        "The status bar still names the layout each field wants. Switch to it by hand with your "
        "desktop's keyboard layout indicator or its shortcut (often Super+Space).");
    message.icon = MessageIcon::Information;
    message.buttons = MessageButtons::Ok;
    tellLater(message);
}

void KeyboardSwitcher::tellLater(const Message& message)
{
    // A modal box shown while a field takes the focus would take the focus from it halfway.
    QTimer::singleShot(0, &m_pending, [this, message] { m_messages.show(message); });
}

} // namespace lexmint
