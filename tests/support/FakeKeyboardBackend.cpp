#include "FakeKeyboardBackend.h"

#include <algorithm>

namespace lexmint::test {

FakeKeyboardBackend::FakeKeyboardBackend(QList<qint32> ring, qint32 active)
    : m_ring(std::move(ring)), m_active(active)
{
}

QList<qint32> FakeKeyboardBackend::installedLayouts() const
{
    const qsizetype start = std::max<qsizetype>(m_ring.indexOf(m_active), 0);
    return m_ring.mid(start) + m_ring.first(start);
}

bool FakeKeyboardBackend::activate(qint32 layout)
{
    m_activations.append(layout);
    if (!m_ring.contains(layout) || m_refused.contains(layout))
        return false;
    m_active = layout;
    return true;
}

} // namespace lexmint::test
