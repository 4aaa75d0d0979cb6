#pragma once

#include <QtGlobal>

// The earliest a coarse timer of that interval may fire, in ms after it was
// started: Qt lets it run 5 % early, with its deadline cut to whole
// milliseconds.
inline qint64 coarseTimerFloor(int intervalMs)
{
    return intervalMs * 95 / 100 - 1;
}
