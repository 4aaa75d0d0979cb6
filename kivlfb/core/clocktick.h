#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

// What the cabinet's once-a-second clock tick decides: the time of day the
// screens show, the hourly NTP read cycle with its retries on the half
// minutes, and the ten-minute steps of the plugged-in minutes. The caller
// does the work (the request, the log, the file); this class holds only the
// schedule, so a tick costs a few additions.
//
// The tick's timer drifts and the event loop can be late, so a mark is not
// an exact second: a mark is reached by the first tick that finds the clock
// in the next period. A late tick still acts and two ticks within one second
// act once. A step of more than one period, or back, is a clock that was
// set: the schedules only take up the new time.
class ClockTick
{
public:
    static constexpr int MaxNtpTries = 4;

    struct Actions
    {
        QTime timeOfDay;           // the shown time, whole seconds
        bool ntpRead = false;      // send one NTP request now
        bool ntpGaveUp = false;    // the cycle ended without a reply
        bool countMinutes = false; // ten more plugged-in minutes
    };

    // utcSecs: the clock, in seconds since the epoch. zoneId: the configured
    // zone, whose offset is taken without a date (the zone's offset at the
    // start of 1970); dst adds an hour. The NTP cycle starts on the hour only
    // when hourlyNtp (the primary display with NTP on), and minutes are
    // counted only when countsMinutes (the primary display).
    Actions tick(qint64 utcSecs, const QString &zoneId, bool dst, bool hourlyNtp, bool countsMinutes);

    // A read cycle from the next half minute on; a running one starts over.
    void startNtpCycle();
    // A reply came: no more tries.
    void endNtpCycle() { m_ntpCycle = false; }
    bool ntpCycleRunning() const { return m_ntpCycle; }

    // The shown time's offset from UTC in seconds; the zone is looked up
    // again only when its id changes.
    int shownOffset(const QString &zoneId, bool dst);

private:
    // The periods of one length that the clock has entered.
    class Mark
    {
    public:
        explicit constexpr Mark(qint64 length) : m_length(length) {}
        // True when secs lies in the period after the previous call's.
        bool reached(qint64 secs);

    private:
        qint64 m_length;
        qint64 m_last = 0;
        bool m_started = false;
    };

    Mark m_hour{3600};
    Mark m_halfMinute{30};
    Mark m_tenMinutes{600};
    bool m_ntpCycle = false;
    int m_ntpTries = 0;

    QString m_zoneId;
    int m_zoneOffset = 0;
    bool m_zoneKnown = false;
};
