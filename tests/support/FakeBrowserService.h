#pragma once

#include "platform/BrowserService.h"

#include <QList>

namespace lexmint::test {

/// Records every address it is asked to open; the browser starts unless the test says not.
class FakeBrowserService final : public BrowserService {
public:
    bool open(const QUrl& address) override
    {
        m_opened.append(address);
        return m_starts;
    }

    void setStarts(bool starts) { m_starts = starts; }
    const QList<QUrl>& opened() const { return m_opened; }

private:
    bool m_starts = true;
    QList<QUrl> m_opened;
};

} // namespace lexmint::test
