#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// One measured program run by the bench driver. Its standard output (the
// controller's log) goes to a file; its standard error is read for the
// "bench: ..." result lines. The launch moment (CLOCK_MONOTONIC) is handed
// over in KIV_BENCH_LAUNCH_NS, taken just before the process is started.
class ChildProcess : public QObject
{
    Q_OBJECT

public:
    // What the kernel counts for the whole process (all its threads).
    struct Usage
    {
        double cpuSeconds = -1; // time on a CPU of the threads alive now
        long rssKb = -1;        // VmRSS now
        long peakRssKb = -1;    // VmHWM since start
    };

    explicit ChildProcess(QObject *parent = nullptr);
    ~ChildProcess() override;

    // Makes SIGINT, SIGTERM, SIGHUP and SIGPIPE a stop request: the running
    // child is asked to stop at once (a controller left running would keep
    // its ports), waits end, no new child starts, and the caller winds up
    // normally so that its own helpers (the D-Bus daemon) go too.
    static void installStopHandler();
    static bool stopRequested();

    bool start(const QString &program, const QStringList &arguments, QProcessEnvironment environment,
               const QString &logFile);
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    QString logFile() const { return m_logFile; }
    qint64 msSinceStart() const { return m_sinceStart.elapsed(); }

    // Waits for the next result line "bench: <key> ..." and returns its
    // fields after the key; false on time-out, on the program's end, or on
    // an "error" line (then errorText() says what went wrong).
    bool waitForLine(const QByteArray &key, int timeoutMs, QList<QByteArray> *fields = nullptr);
    // The fields of every result line with this key seen so far.
    QList<QList<QByteArray>> linesWithKey(const QByteArray &key) const;
    QByteArray errorText() const { return m_error; }

    Usage usage() const;

    bool waitForExit(int timeoutMs);
    // Asks the program to stop (SIGTERM), then kills it if it lingers.
    void stop();

signals:
    // Every result line as it comes in, split at spaces, the key first.
    void resultLine(const QList<QByteArray> &fields);

private:
    void readResults();

    QProcess m_process;
    QElapsedTimer m_sinceStart;
    QString m_logFile;
    QByteArray m_partial;
    QList<QByteArray> m_lines;
    int m_cursor = 0;
    QByteArray m_error;
};

// Sleeps in the event loop, so the children's output keeps being read; a
// stop request ends it early.
void pauseMs(int ms);
