#pragma once

#include <QDate>

namespace lexmint {

/// The source of "today", injected so that dates written into vocabularies can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

/// Today's date on the local calendar.
class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace lexmint
