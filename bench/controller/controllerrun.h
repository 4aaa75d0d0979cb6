#pragma once

#include "childprocess.h"

#include <QProcessEnvironment>
#include <QString>

// What the benches that run the whole controller share: the environment
// every measured program runs in, a fresh file-system root for each
// controller, and the idle figures of a running program.

constexpr int kReadyTimeoutMs = 180000;
constexpr int kSettleMs = 2000;
// The controller's last one-off start-up timer (the first power-line poll)
// fires 30 s after start: its idle is measured from here on.
constexpr int kControllerSteadyMs = 40000;

struct Idle
{
    bool ok = false;
    double cpuMsPerSecond = 0;
    double meanRssMb = 0;
    double peakRssMb = 0;
};

QString loadAverage();
// Headless (offscreen, software rendering), on the virtual CAN bus, on the
// given private D-Bus daemon.
QProcessEnvironment benchEnvironment(const QString &busAddress);
// A fresh root "root<number>" in the work directory for one controller: the
// primary display's personality file and the bench menu, as the simulation
// run lays it out.
QString newControllerRoot(const QString &workDir, int number);
// CPU per wall second and resident memory of a running program over the
// window, after it has settled: kSettleMs from now and steadyMs from its
// start.
Idle idle(ChildProcess &child, int seconds, int steadyMs);
