#pragma once

#include "platform/BrowserService.h"

#include <QList>
#include <QQueue>

namespace lexmint::test {

/// Records every address it is asked to open and answers from a queue of scripted results
/// (true: the browser started). A request with no scripted result left succeeds and is counted
/// as unexpected; allResultsUsed() tells whether the script was played out exactly.
class FakeBrowserService final : public BrowserService {
public:
    bool open(const QUrl& address) override
    {
        m_opened.append(address);
        if (m_results.isEmpty()) {
            ++m_unexpected;
            return true;
        }
        return m_results.dequeue();
    }

    void expect(bool started) { m_results.enqueue(started); }

    const QList<QUrl>& opened() const { return m_opened; }
    bool allResultsUsed() const { return m_results.isEmpty() && m_unexpected == 0; }

private:
    QQueue<bool> m_results;
    QList<QUrl> m_opened;
    int m_unexpected = 0;
};

} // namespace lexmint::test
