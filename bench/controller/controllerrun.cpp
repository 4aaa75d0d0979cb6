#include "controllerrun.h"

#include "benchmenu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

bool BenchPlatform::start(Setup *setup)
{
    if (!m_work.isValid() || !m_bus.start() || !m_serial.open())
        return false;
    setup->workDir = m_work.path();
    setup->environment = QProcessEnvironment::systemEnvironment();
    setup->environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    setup->environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    setup->environment.insert(QStringLiteral("KIV_CAN"), QStringLiteral("virtual"));
    setup->environment.insert(QStringLiteral("KIV_SERIAL_PORT"), m_serial.devicePath());
    setup->environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_bus.address());
    return true;
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> parts = f.readAll().split(' ');
    return QString::fromLatin1(parts.mid(0, 3).join(' '));
}

QString newControllerRoot(Setup &setup)
{
    const QString root = setup.workDir + QStringLiteral("/root%1").arg(++setup.rootCount);
    QDir().mkpath(root + QStringLiteral("/root"));
    QDir().mkpath(root + QStringLiteral("/dev"));
    QFile::copy(QStringLiteral(":/primary.hcc"), root + QStringLiteral("/root/cabinet.hcc"));
    QFile::setPermissions(root + QStringLiteral("/root/cabinet.hcc"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile menu(root + QStringLiteral("/root/menu.json"));
    if (menu.open(QIODevice::WriteOnly))
        menu.write(kBenchMenu);
    return root;
}

QProcessEnvironment controllerEnvironment(const Setup &setup, const QString &root)
{
    QProcessEnvironment env = setup.environment;
    env.insert(QStringLiteral("KIV_ROOT"), root);
    env.insert(QStringLiteral("KIV_VCAN_DIR"), root + QStringLiteral("/run/vcan/can0"));
    return env;
}

QString logName(const Setup &setup, const QString &what)
{
    return setup.workDir + QStringLiteral("/") + what + QStringLiteral(".log");
}

Idle idle(ChildProcess &child, int seconds, int steadyMs)
{
    Idle result;
    pauseMs(kSettleMs);
    if (child.msSinceStart() < steadyMs)
        pauseMs(int(steadyMs - child.msSinceStart()));
    const ChildProcess::Usage before = child.usage();
    QElapsedTimer wall;
    wall.start();
    double rssSum = 0;
    int samples = 0;
    while (wall.elapsed() < seconds * 1000LL && !ChildProcess::stopRequested()) {
        pauseMs(int(std::min<qint64>(1000, seconds * 1000LL - wall.elapsed())));
        const ChildProcess::Usage now = child.usage();
        if (!child.isRunning() || now.rssKb < 0)
            return result;
        rssSum += now.rssKb;
        ++samples;
    }
    if (ChildProcess::stopRequested())
        return result;
    const ChildProcess::Usage after = child.usage();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    if (before.cpuSeconds < 0 || after.cpuSeconds < 0 || samples == 0)
        return result;
    result.ok = true;
    result.cpuMsPerSecond = (after.cpuSeconds - before.cpuSeconds) * 1000 / wallSeconds;
    result.meanRssMb = rssSum / samples / 1024;
    result.peakRssMb = after.peakRssKb / 1024.0;
    return result;
}
