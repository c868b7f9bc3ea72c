#include "FakeHelpService.h"

namespace lexmint::test {

void FakeHelpService::showContents()
{
    ++m_contentsCount;
}

void FakeHelpService::showTopic(int context)
{
    m_shownContexts.append(context);
}

QString FakeHelpService::popupText(int context) const
{
    return m_popups.value(context);
}

void FakeHelpService::clear()
{
    m_contentsCount = 0;
    m_shownContexts.clear();
}

} // namespace lexmint::test
