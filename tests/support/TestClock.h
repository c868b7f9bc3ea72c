#pragma once

#include "platform/Clock.h"

namespace lexmint::test {

/// A clock that stands still on the day a test sets.
class TestClock final : public Clock {
public:
    explicit TestClock(QDate day = QDate(2026, 3, 14)) : m_day(day) {}
    QDate today() const override { return m_day; }
    void setToday(QDate day) { m_day = day; }

private:
    QDate m_day;
};

} // namespace lexmint::test
