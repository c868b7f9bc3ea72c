#pragma once

#include <QObject>
#include <QSet>

namespace lexmint {

class KeyboardBackend;
class MessageService;
struct Message;

/// Switches to the layout a typing context asks for and tells the user, once per layout for
/// as long as this object lives (one run of the program), when that layout is not installed.
/// On a desktop that lets no program switch layouts it tells the user that instead, once.
/// Either message comes only after the field asking has taken the focus.
class KeyboardSwitcher {
public:
    KeyboardSwitcher(KeyboardBackend& backend, MessageService& messages);

    /// Makes `requested` active and returns the layout that was active before, for the context
    /// to restore later. Returns KeybCurrent when nothing was switched: `requested` is
    /// KeybCurrent, or it could not be made active (the active layout then stays as it was).
    qint32 activateKeyboard(qint32 requested);
    /// The platform's layouts, for offering them to choose from.
    const KeyboardBackend& backend() const { return m_backend; }

private:
    void reportMissing(qint32 layout);
    void tellCannotSwitch();
    void tellLater(const Message& message);

    KeyboardBackend& m_backend;
    MessageService& m_messages;
    QSet<qint32> m_reportedMissing;
    bool m_toldCannotSwitch = false;
    /// Ends a message still waiting to be shown when the switcher goes.
    QObject m_pending;
};

} // namespace lexmint
