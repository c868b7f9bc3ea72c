#include "store/SqlClock.h"

#include "platform/Clock.h"

#include <QDateTime>

#include <sqlite3.h>

#include <atomic>
#include <mutex>

namespace lexmint {
namespace {

// Milliseconds from the start of the Julian day count to the Unix epoch.
constexpr sqlite3_int64 UnixEpochInJulianMs = 210866760000000LL;

std::atomic<const Clock*> g_clock{nullptr};
sqlite3_vfs* g_system = nullptr;
sqlite3_vfs g_clocked;

int currentTimeInt64(sqlite3_vfs*, sqlite3_int64* julianMs)
{
    const Clock* clock = g_clock.load();
    if (!clock) {
        if (g_system->iVersion >= 2 && g_system->xCurrentTimeInt64)
            return g_system->xCurrentTimeInt64(g_system, julianMs);
        double days = 0;
        const int rc = g_system->xCurrentTime(g_system, &days);
        *julianMs = sqlite3_int64(days * 86400000.0);
        return rc;
    }
    // Noon of the clock's day: local noon lies on that date whichever way 'localtime' shifts it.
    const QDateTime noon(clock->today(), QTime(12, 0));
    *julianMs = noon.toMSecsSinceEpoch() + UnixEpochInJulianMs;
    return SQLITE_OK;
}

int currentTime(sqlite3_vfs* vfs, double* julianDays)
{
    sqlite3_int64 ms = 0;
    const int rc = currentTimeInt64(vfs, &ms);
    *julianDays = double(ms) / 86400000.0;
    return rc;
}

} // namespace

void setSqlClock(const Clock& clock)
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        // The default file system layer, copied with only its clock replaced, becomes the
        // default for every connection opened from now on.
        g_system = sqlite3_vfs_find(nullptr);
        g_clocked = *g_system;
        g_clocked.zName = "lexmint-clock";
        g_clocked.pNext = nullptr;
        g_clocked.xCurrentTime = currentTime;
        if (g_clocked.iVersion >= 2)
            g_clocked.xCurrentTimeInt64 = currentTimeInt64;
        sqlite3_vfs_register(&g_clocked, 1);
    });
    g_clock = &clock;
}

void releaseSqlClock(const Clock& clock)
{
    const Clock* expected = &clock;
    g_clock.compare_exchange_strong(expected, nullptr);
}

} // namespace lexmint
