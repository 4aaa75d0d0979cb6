#include "kivclock.h"

#include "kivclocktimer.h"

#include <atomic>

namespace {
std::atomic<bool> s_frozen{false};
std::atomic<qint64> s_frozenAt{0};
std::atomic<qint64> s_offset{0};
} // namespace

qint64 KivClock::msecsSinceEpoch()
{
    if (s_frozen.load(std::memory_order_acquire))
        return s_frozenAt.load(std::memory_order_relaxed);
    return QDateTime::currentMSecsSinceEpoch() + s_offset.load(std::memory_order_relaxed);
}

QDateTime KivClock::now()
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch());
}

QDateTime KivClock::nowUtc()
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch(), Qt::UTC);
}

void KivClock::freezeAt(qint64 msecs)
{
    s_frozenAt.store(msecs, std::memory_order_relaxed);
    s_frozen.store(true, std::memory_order_release);
    KivClockTimer::clockMoved();
}

void KivClock::advance(qint64 msecs)
{
    if (s_frozen.load(std::memory_order_acquire))
        s_frozenAt.fetch_add(msecs, std::memory_order_relaxed);
    else
        s_offset.fetch_add(msecs, std::memory_order_relaxed);
    KivClockTimer::clockMoved();
}

void KivClock::useSystemClock()
{
    s_frozen.store(false, std::memory_order_release);
    s_offset.store(0, std::memory_order_relaxed);
    KivClockTimer::clockMoved();
}

bool KivClock::isFrozen()
{
    return s_frozen.load(std::memory_order_acquire);
}
