#include "kivclocktimer.h"

#include "kivclock.h"

#include <QMutex>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <limits>

namespace {
// Longest sleep between two looks at the running system clock: a clock
// moved by a time change is noticed within this.
const qint64 kMaxWakeMs = 1000;

// The started timers, for the clock to find when it is moved. A timer's own
// thread starts, stops and destroys it; the lock covers the list and the
// start counter only.
QMutex s_activeLock;
QList<KivClockTimer *> s_active;
quint64 s_starts = 0;
} // namespace

KivClockTimer::KivClockTimer(QObject *parent)
    : QObject(parent)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &KivClockTimer::check);
}

KivClockTimer::~KivClockTimer()
{
    setActive(false);
}

void KivClockTimer::setActive(bool active)
{
    QMutexLocker lock(&s_activeLock);
    if (active) {
        m_startOrder = ++s_starts;
        if (!m_active)
            s_active.append(this);
    } else if (m_active) {
        s_active.removeOne(this);
    }
    m_active = active;
}

void KivClockTimer::start()
{
    m_deadline = KivClock::msecsSinceEpoch() + m_interval;
    setActive(true);
    scheduleNextCheck();
}

void KivClockTimer::start(int msecs)
{
    m_interval = msecs;
    start();
}

void KivClockTimer::stop()
{
    setActive(false);
    m_wake.stop();
}

int KivClockTimer::remainingTime() const
{
    if (!m_active)
        return -1;
    return int(qBound<qint64>(0, m_deadline - KivClock::msecsSinceEpoch(), std::numeric_limits<int>::max()));
}

void KivClockTimer::check()
{
    if (!m_active)
        return;
    if (KivClock::msecsSinceEpoch() < m_deadline) {
        scheduleNextCheck();
        return;
    }
    setActive(false);
    m_wake.stop();
    emit timeout();
}

void KivClockTimer::scheduleNextCheck()
{
    const qint64 left = m_deadline - KivClock::msecsSinceEpoch();
    // A frozen clock moves only through KivClock, which tells the timers.
    if (left > 0 && KivClock::isFrozen())
        m_wake.stop();
    else
        m_wake.start(int(qBound<qint64>(0, left, kMaxWakeMs)));
}

void KivClockTimer::clockMoved()
{
    QList<QPointer<KivClockTimer>> here;
    {
        QMutexLocker lock(&s_activeLock);
        if (s_active.isEmpty())
            return;
        QThread *current = QThread::currentThread();
        for (KivClockTimer *timer : qAsConst(s_active)) {
            if (timer->thread() == current)
                here.append(timer);
            else
                QMetaObject::invokeMethod(timer, "check", Qt::QueuedConnection);
        }
    }
    std::sort(here.begin(), here.end(), [](const QPointer<KivClockTimer> &a, const QPointer<KivClockTimer> &b) {
        return a->m_deadline != b->m_deadline ? a->m_deadline < b->m_deadline : a->m_startOrder < b->m_startOrder;
    });
    // A handler may stop, restart or delete a timer further down the list:
    // each one looks at its state again when its turn comes.
    for (const QPointer<KivClockTimer> &timer : qAsConst(here))
        if (timer)
            timer->check();
}
