#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <QQueue>

#include <functional>

namespace lexmint::test {

/// Records every message box and answers it from a queue of scripted answers.
/// A box shown with no scripted answer left is answered with its first button and, unless OK
/// is all it offers, counted as unexpected; allAnswersUsed() tells whether the script was
/// played out exactly.
class FakeMessageService final : public MessageService {
public:
    MessageAnswer show(const Message& message) override
    {
        m_shown.append(message);
        if (m_onShow)
            m_onShow(message);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        if (message.buttons != MessageButtons::Ok)
            ++m_unexpected;
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    void expect(MessageAnswer answer) { m_answers.enqueue(answer); }
    /// Runs while a box is "open", to look at the program at that moment.
    void setOnShow(std::function<void(const Message&)> onShow) { m_onShow = std::move(onShow); }

    const QList<Message>& shown() const { return m_shown; }
    bool allAnswersUsed() const { return m_answers.isEmpty() && m_unexpected == 0; }
    void clear()
    {
        m_answers.clear();
        m_shown.clear();
        m_unexpected = 0;
    }

private:
    QQueue<MessageAnswer> m_answers;
    QList<Message> m_shown;
    int m_unexpected = 0;
    std::function<void(const Message&)> m_onShow;
};

} // namespace lexmint::test
