#include "FakeMessageService.h"

namespace lexmint::test {

MessageAnswer FakeMessageService::show(const Message& message)
{
    m_shown.append(message);
    if (m_onShow)
        m_onShow(message);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    if (message.buttons != MessageButtons::Ok)
        ++m_unexpected;
    switch (message.buttons) {
    case MessageButtons::YesNo: return MessageAnswer::Yes;
    case MessageButtons::OkCancel:
    case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
}

void FakeMessageService::clear()
{
    m_answers.clear();
    m_shown.clear();
    m_unexpected = 0;
}

} // namespace lexmint::test
