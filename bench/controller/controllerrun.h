#pragma once

#include "childprocess.h"

#include "privatebus.h"
#include "ptypair.h"

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// What the benches that run the whole controller share: the stand-ins every
// measured program runs on, a fresh file-system root for each controller,
// the environment that points at them, and the idle figures of a running
// program.

constexpr int kReadyTimeoutMs = 180000;
constexpr int kSettleMs = 2000;
// The controller's last one-off start-up timer (the first power-line poll)
// fires 30 s after start: its idle is measured from here on.
constexpr int kControllerSteadyMs = 40000;

struct Setup
{
    QProcessEnvironment environment;
    QString workDir;
    QString probe;
    QString minimal;
    QString kivlfb;
    int rootCount = 0;
};

// A work directory, a private D-Bus daemon and a pseudo-terminal for the
// serial line, alive as long as the object; headless, on the virtual CAN bus.
class BenchPlatform
{
public:
    bool start(Setup *setup);
    void keepWorkDir() { m_work.setAutoRemove(false); }

private:
    QTemporaryDir m_work;
    PrivateBus m_bus;
    PtyPair m_serial;
};

struct Idle
{
    bool ok = false;
    double cpuMsPerSecond = 0;
    double meanRssMb = 0;
    double peakRssMb = 0;
};

QString loadAverage();
// A fresh root for one controller: the primary display's personality file
// and the bench menu, as the simulation run lays it out.
QString newControllerRoot(Setup &setup);
QProcessEnvironment controllerEnvironment(const Setup &setup, const QString &root);
QString logName(const Setup &setup, const QString &what);
// CPU per wall second and resident memory of a running program over the
// window, after it has settled: kSettleMs from now and steadyMs from its
// start.
Idle idle(ChildProcess &child, int seconds, int steadyMs);
