#pragma once

#include "platform/HelpService.h"

#include <QHash>
#include <QList>

namespace lexmint::test {

/// Records every help request; pop-up texts come from what the test sets.
class FakeHelpService final : public HelpService {
public:
    void showContents() override;
    void showTopic(int context) override;
    QString popupText(int context) const override;

    void setPopupText(int context, const QString& text) { m_popups.insert(context, text); }

    /// How often the contents were asked for.
    int contentsCount() const { return m_contentsCount; }
    /// The contexts of the topics asked for, in order.
    const QList<int>& shownContexts() const { return m_shownContexts; }
    void clear();

private:
    int m_contentsCount = 0;
    QList<int> m_shownContexts;
    QHash<int, QString> m_popups;
};

} // namespace lexmint::test
