#include "controllerrun.h"

#include "benchmenu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

QProcessEnvironment benchEnvironment(const QString &busAddress)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("KIV_CAN"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
    return env;
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> parts = f.readAll().split(' ');
    return QString::fromLatin1(parts.mid(0, 3).join(' '));
}

QString newControllerRoot(const QString &workDir, int number)
{
    const QString root = workDir + QStringLiteral("/root%1").arg(number);
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
