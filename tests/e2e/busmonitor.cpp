#include "busmonitor.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

BusMonitor::BusMonitor(QObject *parent)
    : QObject(parent)
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &BusMonitor::readOutput);
}

BusMonitor::~BusMonitor()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

bool BusMonitor::start(const QString &busAddress, const QString &path, int timeoutMs)
{
    m_process.start(QStringLiteral("dbus-monitor"),
                    {QStringLiteral("--address"), busAddress,
                     QStringLiteral("type='signal',path='%1'").arg(path),
                     // The bus's own greeting tells that the monitor is in place.
                     QStringLiteral("type='signal',member='NameAcquired'")});
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    return QTest::qWaitFor([this] { return !signalsNamed(QStringLiteral("NameAcquired")).isEmpty(); }, timeoutMs);
}

QList<BusMonitor::Signal> BusMonitor::signalsNamed(const QString &member) const
{
    QList<Signal> found;
    for (Signal s : m_signals) {
        if (s.member != member)
            continue;
        // A string argument as it was sent, without the quotes around it.
        for (QString &arg : s.args)
            if (arg.size() >= 2 && arg.startsWith(QLatin1Char('"')) && arg.endsWith(QLatin1Char('"')))
                arg = arg.mid(1, arg.size() - 2);
        found.append(s);
    }
    return found;
}

QList<QJsonObject> BusMonitor::cloudEvents(const QString &name) const
{
    QList<QJsonObject> found;
    for (const Signal &s : signalsNamed(QStringLiteral("riotEvent"))) {
        if (s.args.isEmpty())
            continue;
        const QJsonObject event = QJsonDocument::fromJson(s.args.first().toUtf8()).object();
        if (event.value(QStringLiteral("event")).toString() == name)
            found.append(event);
    }
    return found;
}

void BusMonitor::readOutput()
{
    m_partial += m_process.readAllStandardOutput();
    int newline;
    while ((newline = m_partial.indexOf('\n')) >= 0) {
        takeLine(QString::fromUtf8(m_partial.left(newline)));
        m_partial.remove(0, newline + 1);
    }
}

// dbus-monitor's default form: a header line per message ("signal time=..
// member=riotEvent"), then one line per basic argument indented by three
// spaces ("   string "{..}"", "   int32 5"). A string with line breaks (the
// cloud events are indented JSON) goes on over the lines that follow, which
// never start with three spaces and a type name.
void BusMonitor::takeLine(const QString &line)
{
    static const QRegularExpression header(QStringLiteral("^(signal|method call|method return|error) time="));
    static const QRegularExpression argument(QStringLiteral("^   ([a-z0-9]+) (.*)$"));
    if (header.match(line).hasMatch()) {
        m_inSignal = line.startsWith(QLatin1String("signal "));
        if (m_inSignal) {
            const int at = line.indexOf(QLatin1String("member="));
            m_signals.append({at < 0 ? QString() : line.mid(at + 7).section(QLatin1Char(' '), 0, 0), {}});
        }
        return;
    }
    if (!m_inSignal)
        return;
    QStringList &args = m_signals.last().args;
    const QRegularExpressionMatch m = argument.match(line);
    if (m.hasMatch())
        args.append(m.captured(2));
    else if (!args.isEmpty())
        args.last() += QLatin1Char('\n') + line;
}
