#include "FakeBrowserService.h"

namespace lexmint::test {

bool FakeBrowserService::open(const QUrl& address)
{
    m_opened.append(address);
    if (m_results.isEmpty()) {
        ++m_unexpected;
        return true;
    }
    return m_results.dequeue();
}

} // namespace lexmint::test
