#include "simdisplayprocess.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace {

constexpr int kLogLinesKept = 300;
const QLatin1String kCookMark(" - sim: ");

} // namespace

SimDisplayProcess::SimDisplayProcess(const QString &program, const QString &name, QObject *parent)
    : QObject(parent)
    , m_program(program)
    , m_name(name)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &SimDisplayProcess::readOutput);
}

SimDisplayProcess::~SimDisplayProcess()
{
    // A failed test shows what the display logged.
    if (QTest::currentTestFailed())
        qInfo().noquote() << tail();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool SimDisplayProcess::prepare()
{
    return m_root.isValid() && m_bus.start() && m_pty.open();
}

qint64 SimDisplayProcess::clockMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

bool SimDisplayProcess::start(const QString &canBusDir, const QStringList &arguments)
{
    m_lines.clear();
    m_partial.clear();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KIV_ROOT"), m_root.path());
    env.insert(QStringLiteral("KIV_CAN"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("KIV_VCAN_DIR"), canBusDir);
    env.insert(QStringLiteral("KIV_SERIAL_PORT"), m_pty.devicePath());
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_bus.address());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    m_process.setProcessEnvironment(env);
    m_log << QStringLiteral("[%1 starts: %2]").arg(m_name, arguments.join(QLatin1Char(' ')));
    m_process.start(m_program, arguments + QStringList{QStringLiteral("--control")});
    return m_process.waitForStarted(10000);
}

bool SimDisplayProcess::stop(int signal, int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return false;
    ::kill(pid_t(m_process.processId()), signal);
    return QTest::qWaitFor([this] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
}

void SimDisplayProcess::send(const QString &command)
{
    m_process.write(command.toUtf8() + '\n');
}

QString SimDisplayProcess::ask(const QString &command, const QString &answerPrefix, int timeoutMs)
{
    const int from = m_lines.size();
    send(command);
    const int at = waitFor(answerPrefix, timeoutMs, from);
    return at < 0 ? QString() : m_lines.at(at).text;
}

int SimDisplayProcess::find(const QString &prefix, int from) const
{
    for (int i = qMax(from, 0); i < m_lines.size(); ++i)
        if (m_lines.at(i).text.startsWith(prefix))
            return i;
    return -1;
}

bool SimDisplayProcess::askUntil(const QString &command, const QString &answerPrefix,
                                 const std::function<bool(const QString &)> &ok, QString &answer, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        answer = ask(command, answerPrefix);
        return ok(answer);
    }, timeoutMs);
}

int SimDisplayProcess::waitFor(const QString &prefix, int timeoutMs, int from)
{
    int at = -1;
    const bool found = QTest::qWaitFor([&] {
        at = find(prefix, from);
        return at >= 0;
    }, timeoutMs);
    return found ? at : -1;
}

QString SimDisplayProcess::tail() const
{
    return QStringLiteral("--- %1 ---\n").arg(m_name) + m_log.join(QLatin1Char('\n'));
}

QString SimDisplayProcess::field(const QString &line, const QString &key)
{
    const QRegularExpression start(QStringLiteral("(^| )%1=").arg(QRegularExpression::escape(key)));
    const QRegularExpressionMatch m = start.match(line);
    if (!m.hasMatch())
        return QString();
    const int from = m.capturedEnd();
    static const QRegularExpression next(QStringLiteral(" [A-Za-z][A-Za-z0-9]*="));
    const QRegularExpressionMatch n = next.match(line, from);
    return line.mid(from, n.hasMatch() ? n.capturedStart() - from : -1);
}

void SimDisplayProcess::readOutput()
{
    m_partial += m_process.readAllStandardOutput();
    int newline;
    while ((newline = m_partial.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_partial.left(newline));
        m_partial.remove(0, newline + 1);
        const int mark = line.indexOf(kCookMark);
        if (mark >= 0)
            m_lines.append({clockMs(), line.mid(mark + kCookMark.size())});
        // The log repeats itself (every reader poll); keep one of a run.
        const QString message = line.mid(line.indexOf(QLatin1String(" - ")) + 1);
        if (!m_log.isEmpty() && m_log.last().mid(m_log.last().indexOf(QLatin1String(" - ")) + 1) == message)
            continue;
        m_log << line;
        if (m_log.size() > kLogLinesKept)
            m_log.removeFirst();
    }
}
