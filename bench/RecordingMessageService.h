#pragma once

#include "platform/MessageService.h"

#include <QStringList>

namespace lexmint::bench {

/// Answers every message box with its first button and keeps its text. A benchmark run in
/// which the store told the user anything did not measure the normal path.
class RecordingMessageService final : public MessageService {
public:
    MessageAnswer show(const Message& message) override
    {
        m_shown.append(message.text);
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    const QStringList& shown() const { return m_shown; }

private:
    QStringList m_shown;
};

} // namespace lexmint::bench
