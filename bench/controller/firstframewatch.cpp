#include "firstframewatch.h"

#include "benchline.h"

#include <QCoreApplication>
#include <QFile>
#include <QQuickWindow>

#include <time.h>
#include <unistd.h>

namespace {

double nowMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace

FirstFrameWatch::FirstFrameWatch(const QString &windowName, bool quitAfterFirstFrame, QObject *parent)
    : QObject(parent)
    , m_windowName(windowName)
    , m_quitAfterFirstFrame(quitAfterFirstFrame)
{
}

double FirstFrameWatch::msSinceLaunch()
{
    bool ok = false;
    const qint64 launchNs = qEnvironmentVariable("KIV_BENCH_LAUNCH_NS").toLongLong(&ok);
    if (!ok)
        return -1;
    return nowMs(CLOCK_MONOTONIC) - launchNs / 1e6;
}

double FirstFrameWatch::msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold spaces and parentheses: fields are counted
    // from the last ')', which ends field 2; the start time is field 22.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const int startTimeIndex = 22 - 3;
    if (fields.size() <= startTimeIndex)
        return -1;
    const double startMs = fields.at(startTimeIndex).toDouble() * 1e3 / sysconf(_SC_CLK_TCK);
    return nowMs(CLOCK_BOOTTIME) - startMs;
}

bool FirstFrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    // The window gets its object name while it is built, before it is shown:
    // hook it at the first event it receives by that name.
    if (!m_hooked && watched->objectName() == m_windowName) {
        if (auto *window = qobject_cast<QQuickWindow *>(watched)) {
            m_hooked = true;
            // Direct: the figure is taken where the frame is swapped, on
            // whichever thread renders.
            connect(window, &QQuickWindow::frameSwapped, this, &FirstFrameWatch::frameSwapped,
                    Qt::DirectConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameWatch::frameSwapped()
{
    if (m_reported.exchange(true))
        return;
    const double launch = msSinceLaunch();
    const double start = msSinceProcessStart();
    auto *window = qobject_cast<QQuickWindow *>(sender());
    if (window)
        disconnect(window, &QQuickWindow::frameSwapped, this, &FirstFrameWatch::frameSwapped);
    benchLine(QByteArray("first-frame ") + QByteArray::number(launch, 'f', 1) + ' '
              + QByteArray::number(start, 'f', 1));
    QMetaObject::invokeMethod(this, [this] {
        qApp->removeEventFilter(this);
        if (m_quitAfterFirstFrame)
            QCoreApplication::quit();
    }, Qt::QueuedConnection);
}
