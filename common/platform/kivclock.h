#pragma once

#include <QDateTime>
#include <QtGlobal>

// The one place the system reads the current time. Holding, expiry, purges
// and day parts all depend on it, so tests can freeze it and move it on: a
// two-hour hold then takes milliseconds. Safe to read from any thread.
class KivClock
{
public:
    static qint64 msecsSinceEpoch();
    static qint64 secsSinceEpoch() { return msecsSinceEpoch() / 1000; }
    static QDateTime now();      // local time
    static QDateTime nowUtc();

    // Test controls. A frozen clock stays where it is set until advanced;
    // advancing the running system clock shifts it by an offset. Every move
    // fires the KivClockTimers that it makes due.
    static void freezeAt(qint64 msecsSinceEpoch);
    static void advance(qint64 msecs);
    static void useSystemClock();
    static bool isFrozen();
};
