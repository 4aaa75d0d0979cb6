#include "clocktick.h"

#include "clockfilecodec.h"

#include <QTimeZone>

namespace {

constexpr qint64 kSecsPerDay = 86400;

// Rounds toward minus infinity, so that a clock before 1970 (a board whose
// clock was never set, in a zone west of UTC) keeps whole periods.
qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

bool ClockTick::Mark::reached(qint64 secs)
{
    // The first tick counts as the one after a tick a second earlier, so a
    // start on a mark still acts on it.
    if (!m_started) {
        m_last = floorDiv(secs - 1, m_length);
        m_started = true;
    }
    const qint64 period = floorDiv(secs, m_length);
    const bool next = period == m_last + 1;
    m_last = period;
    return next;
}

ClockTick::Actions ClockTick::tick(qint64 utcSecs, const QString &zoneId, bool dst, bool hourlyNtp,
                                   bool countsMinutes)
{
    Actions actions;
    const qint64 shown = utcSecs + shownOffset(zoneId, dst);
    const qint64 secsOfDay = shown - floorDiv(shown, kSecsPerDay) * kSecsPerDay;
    actions.timeOfDay = QTime::fromMSecsSinceStartOfDay(int(secsOfDay * 1000));

    // Every mark follows the clock on every tick, whether or not its
    // schedule runs, so that a schedule started later does not take a
    // period it was not there for as new.
    const bool hour = m_hour.reached(shown);
    const bool halfMinute = m_halfMinute.reached(shown);
    const bool tenMinutes = m_tenMinutes.reached(shown);

    if (hourlyNtp && hour && !m_ntpCycle)
        startNtpCycle();
    if (m_ntpCycle && halfMinute) {
        if (m_ntpTries < MaxNtpTries) {
            ++m_ntpTries;
            actions.ntpRead = true;
        } else {
            m_ntpCycle = false;
            actions.ntpGaveUp = true;
        }
    }
    actions.countMinutes = countsMinutes && tenMinutes;
    return actions;
}

void ClockTick::startNtpCycle()
{
    m_ntpCycle = true;
    m_ntpTries = 0;
}

int ClockTick::shownOffset(const QString &zoneId, bool dst)
{
    if (!m_zoneKnown || zoneId != m_zoneId) {
        m_zoneId = zoneId;
        m_zoneOffset = ClockFileCodec::offsetWithoutDate(QTimeZone(zoneId.toLatin1()));
        m_zoneKnown = true;
    }
    return m_zoneOffset + (dst ? ClockFileCodec::DstSecs : 0);
}
