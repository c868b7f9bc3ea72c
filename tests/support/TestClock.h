#pragma once

#include "platform/Clock.h"

namespace lexmint::test {

/// A clock that stands still at the moment a test sets: noon of the given day unless told
/// otherwise.
class TestClock final : public Clock {
public:
    explicit TestClock(QDate day = QDate(2026, 3, 14)) : m_now(day, QTime(12, 0)) {}
    QDate today() const override { return m_now.date(); }
    QDateTime now() const override { return m_now; }
    void setToday(QDate day) { m_now.setDate(day); }
    void setNow(const QDateTime& now) { m_now = now.toLocalTime(); }
    void advance(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

} // namespace lexmint::test
