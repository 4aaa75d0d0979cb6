#include "kivclocktimer.h"

#include "kivclock.h"

namespace {
// Longest sleep between two looks at the clock: a clock moved on by a test
// or by a time change is noticed within this.
const qint64 kMaxWakeMs = 1000;
} // namespace

KivClockTimer::KivClockTimer(QObject *parent)
    : QObject(parent)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &KivClockTimer::check);
}

void KivClockTimer::start()
{
    m_deadline = KivClock::msecsSinceEpoch() + m_interval;
    m_active = true;
    scheduleNextCheck();
}

void KivClockTimer::start(int msecs)
{
    m_interval = msecs;
    start();
}

void KivClockTimer::stop()
{
    m_active = false;
    m_wake.stop();
}

void KivClockTimer::check()
{
    if (!m_active)
        return;
    if (KivClock::msecsSinceEpoch() < m_deadline) {
        scheduleNextCheck();
        return;
    }
    m_active = false;
    emit timeout();
}

void KivClockTimer::scheduleNextCheck()
{
    const qint64 left = m_deadline - KivClock::msecsSinceEpoch();
    m_wake.start(int(qBound<qint64>(0, left, kMaxWakeMs)));
}
