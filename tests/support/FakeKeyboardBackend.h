#pragma once

#include "keyboards/KeyboardBackend.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <algorithm>

namespace lexmint::test {

/// A fixed ring of installed layouts with one of them active. Records every activation asked
/// for; activating a layout that is not installed, or one the test marked as refused, fails and
/// leaves the active layout as it was. Layouts have no description unless the test gives one.
class FakeKeyboardBackend final : public KeyboardBackend {
public:
    FakeKeyboardBackend(QList<qint32> ring, qint32 active)
        : m_ring(std::move(ring)), m_active(active)
    {
    }

    /// The ring, starting at the active layout.
    QList<qint32> installedLayouts() const override
    {
        const qsizetype start = std::max<qsizetype>(m_ring.indexOf(m_active), 0);
        return m_ring.mid(start) + m_ring.first(start);
    }
    qint32 activeLayout() const override { return m_active; }
    bool activate(qint32 layout) override
    {
        m_activations.append(layout);
        if (!m_ring.contains(layout) || m_refused.contains(layout))
            return false;
        m_active = layout;
        return true;
    }
    QString layoutDescription(qint32 layout) const override { return m_descriptions.value(layout); }

    void describe(qint32 layout, const QString& description)
    {
        m_descriptions.insert(layout, description);
    }
    void refuse(qint32 layout) { m_refused.insert(layout); }
    const QList<qint32>& activations() const { return m_activations; }

private:
    QList<qint32> m_ring;
    qint32 m_active;
    QSet<qint32> m_refused;
    QHash<qint32, QString> m_descriptions;
    QList<qint32> m_activations;
};

} // namespace lexmint::test
