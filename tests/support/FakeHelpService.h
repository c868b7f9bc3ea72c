#pragma once

#include "platform/HelpService.h"

#include <QList>

namespace lexmint::test {

/// Records every help request; it has no pop-up texts.
class FakeHelpService final : public HelpService {
public:
    void showContents() override { ++m_contentsCount; }
    void showTopic(int context) override { m_shownContexts.append(context); }
    QString popupText(int) const override { return {}; }

    /// How often the contents were asked for.
    int contentsCount() const { return m_contentsCount; }
    /// The contexts of the topics asked for, in order.
    const QList<int>& shownContexts() const { return m_shownContexts; }

private:
    int m_contentsCount = 0;
    QList<int> m_shownContexts;
};

} // namespace lexmint::test
