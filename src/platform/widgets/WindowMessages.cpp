#include "platform/widgets/WindowMessages.h"

#include <QPointer>
#include <QWidget>

namespace lexmint {

WindowMessages::WindowMessages(MessageService& messages, QWidget* window)
    : m_messages(messages), m_window(window)
{
}

MessageAnswer WindowMessages::show(const Message& message)
{
    Message owned = message;
    owned.window = m_window;
    // The window's focus widget is the field that has the focus, or had it last.
    const QPointer<QWidget> field = m_window->focusWidget();
    const MessageAnswer answer = m_messages.show(owned);
    if (m_window->isVisible()) {
        m_window->activateWindow();
        if (field && field->isVisible() && field->isEnabled())
            field->setFocus(Qt::ActiveWindowFocusReason);
    }
    return answer;
}

} // namespace lexmint
