#pragma once

#include <QDateTime>

namespace lexmint {

/// The source of "today" and "now", injected so that dates and moments written into
/// vocabularies can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    /// Today's date on the learner's local calendar.
    virtual QDate today() const = 0;
    /// The present moment.
    virtual QDateTime now() const = 0;
};

/// The system's clock.
class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

} // namespace lexmint
