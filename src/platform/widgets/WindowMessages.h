#pragma once

#include "platform/MessageService.h"

class QWidget;

namespace lexmint {

/// The message service as one window uses it. Every box it shows belongs to that window, and
/// once the box is closed the window is active again with the keyboard focus in the field
/// that had it, whichever window the desktop activated meanwhile: typing goes on where it
/// was, never in another window.
class WindowMessages final : public MessageService {
public:
    WindowMessages(MessageService& messages, QWidget* window);

    MessageAnswer show(const Message& message) override;

private:
    MessageService& m_messages;
    QWidget* m_window;
};

} // namespace lexmint
