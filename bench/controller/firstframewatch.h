#pragma once

#include <QObject>
#include <QString>

#include <atomic>

// Watches the application's events for the top-level Qt Quick window of the
// given object name and reports its first frame on standard error as
//   "bench: first-frame <ms since launch> <ms since process start>"
// The first figure counts from the moment the launcher stored in
// KIV_BENCH_LAUNCH_NS (CLOCK_MONOTONIC, just before it started us; -1 when
// unset), the second from the kernel's start time of this process
// (/proc/self/stat, 10 ms steps). Install it as an application event filter
// before the window is created.
class FirstFrameWatch : public QObject
{
    Q_OBJECT

public:
    FirstFrameWatch(const QString &windowName, bool quitAfterFirstFrame, QObject *parent = nullptr);

    static double msSinceLaunch();
    static double msSinceProcessStart();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frameSwapped();

    QString m_windowName;
    bool m_quitAfterFirstFrame;
    bool m_hooked = false;
    std::atomic_bool m_reported{false};
};
