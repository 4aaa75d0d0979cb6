#include "childprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <time.h>
#include <unistd.h>

namespace {

const QByteArray kPrefix = "bench: ";

volatile sig_atomic_t stopFlag = 0;
volatile sig_atomic_t runningChild = 0; // one child runs at a time

void onStopSignal(int)
{
    stopFlag = 1;
    const pid_t child = runningChild;
    if (child > 0)
        kill(child, SIGTERM);
}

long statusKb(qint64 pid, const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

void pauseMs(int ms)
{
    // In short steps, so that a stop request ends the pause.
    QElapsedTimer paused;
    paused.start();
    for (qint64 left = ms; left > 0 && !ChildProcess::stopRequested(); left = ms - paused.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int(std::min<qint64>(left, 100)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void ChildProcess::installStopHandler()
{
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        sigaction(signal, &action, nullptr);
}

bool ChildProcess::stopRequested()
{
    return stopFlag != 0;
}

ChildProcess::ChildProcess(QObject *parent)
    : QObject(parent)
{
    connect(&m_process, &QProcess::readyReadStandardError, this, &ChildProcess::readResults);
    connect(&m_process, &QProcess::stateChanged, this, [this](QProcess::ProcessState state) {
        if (state == QProcess::NotRunning)
            runningChild = 0;
    });
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::start(const QString &program, const QStringList &arguments,
                         QProcessEnvironment environment, const QString &logFile)
{
    m_logFile = logFile;
    m_process.setStandardOutputFile(logFile);
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    environment.insert(QStringLiteral("KIV_BENCH_LAUNCH_NS"),
                       QString::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
    m_process.setProcessEnvironment(environment);
    if (stopRequested()) {
        m_error = "stopped";
        return false;
    }
    m_sinceStart.start();
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return false;
    runningChild = sig_atomic_t(m_process.processId());
    // A stop request that came while the child was being started.
    if (stopRequested())
        m_process.terminate();
    return true;
}

void ChildProcess::readResults()
{
    m_partial += m_process.readAllStandardError();
    int end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        const QByteArray line = m_partial.left(end);
        m_partial.remove(0, end + 1);
        if (line.startsWith(kPrefix)) {
            m_lines.append(line.mid(kPrefix.size()));
            emit resultLine(m_lines.last().split(' '));
        }
    }
}

bool ChildProcess::waitForLine(const QByteArray &key, int timeoutMs, QList<QByteArray> *fields)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        readResults();
        while (m_cursor < m_lines.size()) {
            const QList<QByteArray> parts = m_lines.at(m_cursor++).split(' ');
            if (parts.first() == "error") {
                m_error = m_lines.at(m_cursor - 1).mid(6);
                return false;
            }
            if (parts.first() == key) {
                if (fields)
                    *fields = parts.mid(1);
                return true;
            }
        }
        if (m_process.state() != QProcess::Running || stopRequested()) {
            m_error = stopRequested() ? QByteArray("stopped") : "the program ended (exit code " + QByteArray::number(m_process.exitCode()) + ")";
            return false;
        }
        if (waited.elapsed() > timeoutMs) {
            m_error = "no \"" + key + "\" line within " + QByteArray::number(timeoutMs / 1000) + " s";
            return false;
        }
        pauseMs(20);
    }
}

QList<QList<QByteArray>> ChildProcess::linesWithKey(const QByteArray &key) const
{
    QList<QList<QByteArray>> found;
    for (const QByteArray &line : m_lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.first() == key)
            found.append(parts.mid(1));
    }
    return found;
}

ChildProcess::Usage ChildProcess::usage() const
{
    Usage u;
    const qint64 id = pid();
    if (id <= 0)
        return u;
    // Time on a CPU in nanoseconds, summed over the threads now alive: an
    // idle display uses a few clock ticks a second, too few to compare two
    // of them by the ticks of /proc/<pid>/stat.
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(id));
    qint64 onCpuNs = 0;
    bool read = false;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly)) {
            onCpuNs += schedstat.readAll().split(' ').first().toLongLong();
            read = true;
        }
    }
    if (read)
        u.cpuSeconds = onCpuNs / 1e9;
    u.rssKb = statusKb(id, "VmRSS");
    u.peakRssKb = statusKb(id, "VmHWM");
    return u;
}

bool ChildProcess::waitForExit(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(timeoutMs);
    readResults();
    return m_process.state() == QProcess::NotRunning;
}

void ChildProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!waitForExit(15000)) {
        m_process.kill();
        waitForExit(5000);
    }
}
