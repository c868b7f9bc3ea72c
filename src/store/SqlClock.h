#pragma once

namespace lexmint {

class Clock;

/// Makes "now" in SQL follow `clock` in every SQLite connection of this process instead of
/// the system's time, so that the file's test modes that depend on today ("Not Tested for a
/// Week", "Due for Review") and dates the file fills in itself agree with the program's own
/// idea of today. The files stay plain SQLite: the views keep using date('now'), and another
/// tool reading them gets its own system time. Call it before opening the first vocabulary.
void setSqlClock(const Clock& clock);

/// Goes back to the system's time if `clock` is the clock in use; call it before the clock
/// goes away.
void releaseSqlClock(const Clock& clock);

} // namespace lexmint
