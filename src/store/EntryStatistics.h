#pragma once

#include <QDate>

namespace lexmint {

/// What drilling has left in an entry: when it was last tested (for an entry never tested,
/// when it was created), how often it was answered, how often right, and whether the last
/// answer was right (1), wrong (0) or never given (-1).
struct EntryStatistics {
    QDate lastTestedOn;
    int tested = 0;
    int correct = 0;
    int lastOk = -1;

    friend bool operator==(const EntryStatistics&, const EntryStatistics&) = default;
};

} // namespace lexmint
