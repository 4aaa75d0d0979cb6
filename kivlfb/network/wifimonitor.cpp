#include "wifimonitor.h"

#include "config/configurationmanager.h"
#include "network/dadazodaru.h"
#include "network/networkhost.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "property/assignifchanged.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardItemModel>

#include <algorithm>
#include <cmath>

namespace {

const QString kLogDir = QStringLiteral("/var/log/");
const QString kExportDir = QStringLiteral("/media/sda1/");
const QString kLogPrefix = QStringLiteral("wifiStatsLog");
const QString kIwconfig = QStringLiteral("/sbin/iwconfig");
const QString kIfconfig = QStringLiteral("/sbin/ifconfig");
const QString kPing = QStringLiteral("/bin/ping");
const QString kIfdown = QStringLiteral("/sbin/ifdown");
const QString kIfup = QStringLiteral("/sbin/ifup");
const QString kWpaCli = QStringLiteral("/usr/sbin/wpa_cli");
const QString kTar = QStringLiteral("/bin/tar");
const QString kSync = QStringLiteral("/bin/sync");
const QString kWifiInterface = QStringLiteral("wlan0");
constexpr int kTarTimeoutMs = 30000;

std::optional<QString> firstCapture(const QString &text, const QRegularExpression &pattern)
{
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1);
}

// The signal level on the 0 to 100 scale from a level in dBm.
double levelFromDecibel(double dbm)
{
    if (dbm > -50)
        return 100;
    if (dbm >= -95)
        return 2 * (dbm + 100);
    return 0;
}

} // namespace

WifiMonitor::LinkReading WifiMonitor::parseLinkStatus(const QString &output)
{
    // The name ends at the quote that closes it: drivers print further
    // quoted fields (a nickname) after it on the same line.
    static const QRegularExpression essid(QStringLiteral("ESSID:\"(.+?)\"(?=\\s|$)"));
    static const QRegularExpression accessPoint(
        QStringLiteral("Access Point: (\\w{2}:\\w{2}:\\w{2}:\\w{2}:\\w{2}:\\w{2})"));
    static const QRegularExpression linkQuality(QStringLiteral("Link Quality=(\\d+)/(\\d+)"));
    static const QRegularExpression signalLevel(QStringLiteral("Signal level=(\\-+\\d+|\\d+\\/\\d+)"));
    static const QRegularExpression fraction(QStringLiteral("(\\d+)\\/(\\d+)"));
    static const QRegularExpression frequency(QStringLiteral("Frequency:(\\d\\.\\d+) GHz"));

    LinkReading reading;
    reading.essid = firstCapture(output, essid);
    reading.accessPoint = firstCapture(output, accessPoint);
    reading.frequency = firstCapture(output, frequency);

    const QRegularExpressionMatch link = linkQuality.match(output);
    if (link.hasMatch()) {
        const double q = link.captured(1).toDouble();
        const double max = link.captured(2).toDouble();
        // A maximum of 0 says nothing about the link.
        reading.linkQuality = max > 0 ? std::round(q / max * 1000) / 1000 : 0.0;
    }

    if (const std::optional<QString> level = firstCapture(output, signalLevel)) {
        const QRegularExpressionMatch parts = fraction.match(*level);
        if (parts.hasMatch()) {
            const double n = parts.captured(1).toInt();
            reading.signalLevel = n;
            reading.signalLevelDecibel = n * 0.5 - 100;
        } else {
            const double dbm = level->toDouble();
            reading.signalLevelDecibel = dbm;
            reading.signalLevel = levelFromDecibel(dbm);
        }
    }
    return reading;
}

WifiMonitor::AddressReading WifiMonitor::parseAddresses(const QString &output)
{
    static const QRegularExpression inet(QStringLiteral("inet (\\d+\\.\\d+\\.\\d+\\.\\d+)"));
    static const QRegularExpression netmask(QStringLiteral("netmask (\\d+\\.\\d+\\.\\d+\\.\\d+)"));
    static const QRegularExpression broadcast(QStringLiteral("broadcast (\\d+\\.\\d+\\.\\d+\\.\\d+)"));
    return {firstCapture(output, inet), firstCapture(output, netmask), firstCapture(output, broadcast)};
}

WifiMonitor::WifiMonitor(ConfigurationManager *config, QObject *parent, std::unique_ptr<NetworkHost> host)
    : TarnStateMachine(parent)
    , m_config(config)
    , m_host(host ? std::move(host) : std::make_unique<NetworkHost>())
{
    m_wifiStatsDataLog.setObjectName(QStringLiteral("wifiStatsDataLog"));
    netWpaConnectionCheckTimer.setObjectName(QStringLiteral("netWpaConnectionCheckTimer"));
    wifiIpCheckTimer.setObjectName(QStringLiteral("wifiIpCheckTimer"));
    pingWifiGwTimer.setObjectName(QStringLiteral("pingWifiGwTimer"));
    restartWifiStepTimer.setObjectName(QStringLiteral("restartWifiStepTimer"));
    buildMachine();
    if (m_config)
        connect(m_config, &ConfigurationManager::wifiEnabledChanged, this, &WifiMonitor::wifiEnabledChangedRelay,
                Qt::DirectConnection);
}

WifiMonitor::~WifiMonitor() = default;

// --- chart ------------------------------------------------------------------

void WifiMonitor::buildMachine()
{
    StateMachineBuilder b(this);
    QState *wifiNotEnabledState = b.state(this, "wifiNotEnabledState");
    QState *wifiEnabledState = b.state(this, "wifiEnabledState", QState::ParallelStates);
    setInitialState(wifiNotEnabledState);

    b.transition(wifiNotEnabledState, wifiEnabledState, "t1_wifiEnabled", QStringLiteral("this"), this,
                 SIGNAL(wifiEnabled()));
    b.transition(wifiEnabledState, wifiNotEnabledState, "t2_wifiDisabled", QStringLiteral("this"), this,
                 SIGNAL(wifiDisabled()));

    buildNetworkingRegion(wifiEnabledState);
    buildAssociationRegion(wifiEnabledState);
}

void WifiMonitor::buildNetworkingRegion(QState *wifiEnabledState)
{
    StateMachineBuilder b(this);
    QState *wifiNetworkingState = b.state(wifiEnabledState, "wifiNetworkingState");
    QState *netWpaNotConnectedState = b.state(wifiNetworkingState, "netWpaNotConnectedState");
    QState *ipNotAcquiredState = b.state(wifiNetworkingState, "ipNotAcquiredState");
    QState *ipAcquiredState = b.state(wifiNetworkingState, "ipAcquiredState");
    wifiNetworkingState->setInitialState(netWpaNotConnectedState);

    b.transition(netWpaNotConnectedState, ipNotAcquiredState, "t_wpaConnected", QStringLiteral("this"), this,
                 SIGNAL(wpaConnected()));
    b.transition(ipNotAcquiredState, ipAcquiredState, "t_ipChecked", QStringLiteral("this"), this,
                 SIGNAL(ipAcquired()));
    b.action(b.transition(ipNotAcquiredState, nullptr, "t_ipChkTimer", QStringLiteral("&wifiIpCheckTimer"),
                          &wifiIpCheckTimer, SIGNAL(timeout())),
             "wifiIpCheck");
    b.action(b.transition(ipAcquiredState, nullptr, "t_pingGwTimer", QStringLiteral("&pingWifiGwTimer"),
                          &pingWifiGwTimer, SIGNAL(timeout())),
             "pingWifiGw");

    buildRestartSequence(wifiNetworkingState, netWpaNotConnectedState);
}

// A restart of the interface, ready for use: no transition enters it yet,
// and nothing reacts to the error signals that might call for it.
void WifiMonitor::buildRestartSequence(QState *wifiNetworkingState, QState *netWpaNotConnectedState)
{
    StateMachineBuilder b(this);
    QState *restartWifiState = b.state(wifiNetworkingState, "restartWifiState");
    QState *wlan0ifdownState = b.state(restartWifiState, "wlan0ifdownState");
    QState *wpaReconfigureState = b.state(restartWifiState, "wpaReconfigureState");
    QState *wlan0ifupState = b.state(restartWifiState, "wlan0ifupState");
    restartWifiState->setInitialState(wlan0ifdownState);

    const QString timer = QStringLiteral("&restartWifiStepTimer");
    b.action(b.transition(wlan0ifdownState, nullptr, "t_ifdownTimer", timer, &restartWifiStepTimer, SIGNAL(timeout())),
             "wlan0Ifdown");
    b.action(b.transition(wpaReconfigureState, nullptr, "t_wpaRcfgTimer", timer, &restartWifiStepTimer,
                          SIGNAL(timeout())),
             "wpaReconfigure");
    b.action(b.transition(wlan0ifupState, nullptr, "t_ifupTimer", timer, &restartWifiStepTimer, SIGNAL(timeout())),
             "wlan0Ifup");
    b.transition(wlan0ifdownState, wpaReconfigureState, "t_ifdownDone", QStringLiteral("this"), this,
                 SIGNAL(wlan0IfdownOK()));
    b.transition(wpaReconfigureState, wlan0ifupState, "t_wpaRcfg", QStringLiteral("this"), this,
                 SIGNAL(wpaReconfigureOK()));
    b.transition(restartWifiState, netWpaNotConnectedState, "t_restartWifiDone", QStringLiteral("this"), this,
                 SIGNAL(wlan0IfupOK()));
}

void WifiMonitor::buildAssociationRegion(QState *wifiEnabledState)
{
    StateMachineBuilder b(this);
    QState *wifiWpaConnectionCheckState = b.state(wifiEnabledState, "wifiWpaConnectionCheckState");
    QState *wifiWpaNotConnected = b.state(wifiWpaConnectionCheckState, "wifiWpaNotConnected");
    QState *wifiWpaConnected = b.state(wifiWpaConnectionCheckState, "wifiWpaConnected");
    wifiWpaConnectionCheckState->setInitialState(wifiWpaNotConnected);

    b.action(b.transition(wifiWpaConnectionCheckState, nullptr, "t_wpaChkTmr",
                          QStringLiteral("&netWpaConnectionCheckTimer"), &netWpaConnectionCheckTimer,
                          SIGNAL(timeout())),
             "wpaConnectionCheck");
    b.transition(wifiWpaNotConnected, wifiWpaConnected, "t_wwpaCon", QStringLiteral("this"), this,
                 SIGNAL(wpaConnected()));
    b.action(b.transition(wifiWpaNotConnected, nullptr, "t_wwpaNotConEvalErr", QStringLiteral("this"), this,
                          SIGNAL(wpaDisconnected())),
             "evalWpaNotConnectedError");
    b.transition(wifiWpaConnected, wifiWpaNotConnected, "t_wwpaNotCon", QStringLiteral("this"), this,
                 SIGNAL(wpaDisconnected()));
}

void WifiMonitor::wifiEnabledChangedRelay(bool value)
{
    if (value)
        emit wifiEnabled();
    else
        emit wifiDisabled();
}

void WifiMonitor::wifiNotEnabledState_onEntry()
{
    if (m_config && m_config->get_wifiEnabled())
        emit wifiEnabled();
}

void WifiMonitor::ipNotAcquiredState_onEntry()
{
    m_ipNotAcquiredSinceMs = KivClock::msecsSinceEpoch();
    wifiIpCheck();
}

void WifiMonitor::ipNotAcquiredState_onExit() { wifiIpCheckTimer.stop(); }

void WifiMonitor::ipAcquiredState_onEntry()
{
    m_ipAcquiredSinceMs = KivClock::msecsSinceEpoch();
    pingWifiGw();
}

void WifiMonitor::ipAcquiredState_onExit() { pingWifiGwTimer.stop(); }

void WifiMonitor::wlan0ifdownState_onEntry()
{
    m_restartStepSinceMs = KivClock::msecsSinceEpoch();
    wlan0Ifdown();
}

void WifiMonitor::wpaReconfigureState_onEntry()
{
    m_restartStepSinceMs = KivClock::msecsSinceEpoch();
    wpaReconfigure();
}

void WifiMonitor::wlan0ifupState_onEntry()
{
    m_restartStepSinceMs = KivClock::msecsSinceEpoch();
    wlan0Ifup();
}

void WifiMonitor::wlan0ifdownState_onExit() { restartWifiStepTimer.stop(); }
void WifiMonitor::wpaReconfigureState_onExit() { restartWifiStepTimer.stop(); }
void WifiMonitor::wlan0ifupState_onExit() { restartWifiStepTimer.stop(); }

void WifiMonitor::wifiWpaConnectionCheckState_onEntry() { wpaConnectionCheck(); }

void WifiMonitor::wifiWpaConnectionCheckState_onExit()
{
    netWpaConnectionCheckTimer.stop();
    if (m_wpaCheckProcess && m_wpaCheckProcess->state() != QProcess::NotRunning)
        m_wpaCheckProcess->kill();
    setApConnected(false);
}

void WifiMonitor::wifiWpaNotConnected_onEntry() { m_notAssociatedSinceSecs = KivClock::secsSinceEpoch(); }

void WifiMonitor::wifiNotEnabledState_onExit() {}
void WifiMonitor::wifiEnabledState_onEntry() {}
void WifiMonitor::wifiEnabledState_onExit() {}
void WifiMonitor::wifiNetworkingState_onEntry() {}
void WifiMonitor::wifiNetworkingState_onExit() {}
void WifiMonitor::netWpaNotConnectedState_onEntry() {}
void WifiMonitor::netWpaNotConnectedState_onExit() {}
void WifiMonitor::restartWifiState_onEntry() {}
void WifiMonitor::restartWifiState_onExit() {}
void WifiMonitor::wifiWpaNotConnected_onExit() {}
void WifiMonitor::wifiWpaConnected_onEntry() {}
void WifiMonitor::wifiWpaConnected_onExit() {}

// --- tools --------------------------------------------------------------------

void WifiMonitor::startTool(QProcess *&process, const QString &program, const QStringList &arguments,
                            void (WifiMonitor::*wrapUp)(int, QProcess::ExitStatus))
{
    if (process && process->state() != QProcess::NotRunning)
        return;
    process = ToolRunner::start(program, arguments, this);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, wrapUp);
}

QByteArray WifiMonitor::finishTool(QProcess *&process)
{
    auto *finished = qobject_cast<QProcess *>(sender());
    if (!finished)
        return QByteArray();
    if (finished == process)
        process = nullptr;
    const QByteArray output = finished->readAllStandardOutput();
    finished->deleteLater();
    return output;
}

void WifiMonitor::setApConnected(bool value)
{
    if (DADazodaru *network = m_host->cabinetNetwork())
        network->set_wifiApConnected(value);
}

void WifiMonitor::wpaConnectionCheck()
{
    startTool(m_wpaCheckProcess, kIwconfig, {kWifiInterface}, &WifiMonitor::processWrapUp_wpaConnectionCheck);
}

void WifiMonitor::processWrapUp_wpaConnectionCheck(int /*exitCode*/, QProcess::ExitStatus exitStatus)
{
    const QByteArray output = finishTool(m_wpaCheckProcess);
    bool rowFlag = false;
    if (exitStatus != QProcess::NormalExit) {
        qDebug() << "processWrapUp_wpaConnectionCheck... exit status not normal";
    } else {
        const int zero = output.indexOf('\0');
        const LinkReading reading = parseLinkStatus(QString::fromUtf8(zero < 0 ? output : output.left(zero)));
        if (reading.essid)
            set_essid(*reading.essid);
        if (reading.accessPoint)
            set_accessPoint(*reading.accessPoint);
        if (reading.linkQuality)
            set_linkQuality(*reading.linkQuality);
        if (reading.signalLevel)
            set_signalLevel(*reading.signalLevel);
        if (reading.signalLevelDecibel)
            set_signalLevelDecibel(*reading.signalLevelDecibel);
        if (reading.frequency)
            set_frequency(*reading.frequency);

        const QString ssid = m_config ? m_config->get_wifiSSID() : QString();
        const bool associated = reading.essid.value_or(QString()) == ssid && reading.accessPoint.has_value();
        if (associated) {
            emit wpaConnected();
            // Without an address of its own the cabinet cannot reach the
            // others over Wi-Fi yet.
            setApConnected(m_config && !m_config->get_wifiIpAddr().isEmpty());
            rowFlag = true;
        } else {
            emit wpaDisconnected();
            setApConnected(false);
        }
    }

    m_wifiStatsDataLog.appendItem(rowFlag, m_essid, m_accessPoint, m_linkQuality, m_signalLevel,
                                  KivClock::now().toString(QStringLiteral("yy/MM/dd,HH:mm:ss")));
    emit newWifiStats();
    netWpaConnectionCheckTimer.start(m_wpaCheckPeriodSecs * 1000);
}

void WifiMonitor::evalWpaNotConnectedError()
{
    const qint64 now = KivClock::secsSinceEpoch();
    if (now - m_notAssociatedSinceSecs >= NotAssociatedErrorSecs) {
        m_notAssociatedSinceSecs = now;
        emit wpaDisconnectedError();
    }
}

void WifiMonitor::wifiIpCheck()
{
    startTool(m_ipCheckProcess, kIfconfig, {kWifiInterface}, &WifiMonitor::processWrapUp_wifiIpCheck);
}

void WifiMonitor::processWrapUp_wifiIpCheck(int /*exitCode*/, QProcess::ExitStatus exitStatus)
{
    const QByteArray output = finishTool(m_ipCheckProcess);
    if (exitStatus == QProcess::NormalExit) {
        const AddressReading reading = parseAddresses(QString::fromUtf8(output));
        if (reading.inet)
            set_inet(*reading.inet);
        if (reading.netmask)
            set_netmask(*reading.netmask);
        if (reading.broadcast)
            set_broadcast(*reading.broadcast);
        if (reading.inet) {
            emit ipAcquired();
            return;
        }
        if (KivClock::msecsSinceEpoch() - m_ipNotAcquiredSinceMs > IpNotAcquiredErrorMs)
            emit ipNotAcquiredError();
    }
    wifiIpCheckTimer.start(IpCheckRetryMs);
}

void WifiMonitor::pingWifiGw()
{
    QStringList arguments{QStringLiteral("-c8"), QStringLiteral("-w4")};
    if (!m_wifiGateway.isEmpty())
        arguments << m_wifiGateway;
    startTool(m_pingProcess, kPing, arguments, &WifiMonitor::processWrapUp_pingWifiGw);
}

void WifiMonitor::processWrapUp_pingWifiGw(int /*exitCode*/, QProcess::ExitStatus exitStatus)
{
    finishTool(m_pingProcess);
    if (exitStatus == QProcess::NormalExit) {
        emit pingWifiGwOk();
    } else if (KivClock::msecsSinceEpoch() - m_ipAcquiredSinceMs > PingErrorMs) {
        // Pinging stops until the address is acquired again.
        emit pingWifiGwError();
        return;
    }
    pingWifiGwTimer.start(PingPeriodMs);
}

void WifiMonitor::wlan0Ifdown()
{
    startTool(m_ifdownProcess, kIfdown, {kWifiInterface}, &WifiMonitor::processWrapUp_wlan0Ifdown);
}

void WifiMonitor::wpaReconfigure()
{
    startTool(m_wpaReconfigureProcess, kWpaCli, {QStringLiteral("reconfigure")},
              &WifiMonitor::processWrapUp_wpaReconfigure);
}

void WifiMonitor::wlan0Ifup()
{
    startTool(m_ifupProcess, kIfup, {kWifiInterface}, &WifiMonitor::processWrapUp_wlan0Ifup);
}

void WifiMonitor::restartStepFinished(QProcess::ExitStatus exitStatus, void (WifiMonitor::*ok)(),
                                      void (WifiMonitor::*err)())
{
    if (exitStatus == QProcess::NormalExit)
        emit(this->*ok)();
    else if (KivClock::msecsSinceEpoch() - m_restartStepSinceMs > RestartStepErrorMs)
        emit(this->*err)();
    else
        restartWifiStepTimer.start(RestartStepRetryMs);
}

void WifiMonitor::processWrapUp_wlan0Ifdown(int, QProcess::ExitStatus exitStatus)
{
    finishTool(m_ifdownProcess);
    restartStepFinished(exitStatus, &WifiMonitor::wlan0IfdownOK, &WifiMonitor::wlan0IfdownErr);
}

void WifiMonitor::processWrapUp_wpaReconfigure(int, QProcess::ExitStatus exitStatus)
{
    finishTool(m_wpaReconfigureProcess);
    restartStepFinished(exitStatus, &WifiMonitor::wpaReconfigureOK, &WifiMonitor::wpaReconfigureErr);
}

void WifiMonitor::processWrapUp_wlan0Ifup(int, QProcess::ExitStatus exitStatus)
{
    finishTool(m_ifupProcess);
    restartStepFinished(exitStatus, &WifiMonitor::wlan0IfupOK, &WifiMonitor::wlan0IfupErr);
}

// --- statistics files -----------------------------------------------------------

void WifiMonitor::saveWifiStats()
{
    if (m_host->systemBackupInProgress())
        return;

    const QString fileName = kLogPrefix + QLatin1Char('_')
        + KivClock::now().toString(QStringLiteral("yyMMdd-HHmmss")) + QStringLiteral(".txt");
    const QString archiveName = fileName + QStringLiteral(".tgz");
    const QString filePath = KivRoot::path(kLogDir + fileName);

    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug().noquote() << "Unable to Open File !!!" << filePath;
    } else {
        const QByteArray text = m_wifiStatsDataLog.statsText().toLocal8Bit();
        const bool written = file.write(text) == text.size() && file.flush();
        file.close();
        const int tarExit = written
            ? ToolRunner::run(kTar, {QStringLiteral("-cvzf"), archiveName, fileName}, nullptr, kTarTimeoutMs, kLogDir)
            : -1;
        // The text goes only once its archive is there; otherwise it stays,
        // and is listed, limited and exported like an archive.
        if (tarExit == 0 && QFile::exists(KivRoot::path(kLogDir + archiveName)))
            QFile::remove(filePath);
        else
            qWarning().noquote() << "Wi-Fi statistics not archived, text kept:" << filePath << "exit" << tarExit;
        ToolRunner::startDetached(kSync, {});
    }
    limitNumberOfWifiLogs(LogsKept);
}

void WifiMonitor::wifiStatsLogClear() { m_wifiStatsDataLog.get_model()->clear(); }

QStringList WifiMonitor::wifiLogsList()
{
    QStringList names = QDir(KivRoot::path(kLogDir)).entryList({kLogPrefix + QLatin1Char('*')}, QDir::Files);
    std::sort(names.begin(), names.end()); // by name, case-sensitive: the save time orders them
    return names;
}

void WifiMonitor::limitNumberOfWifiLogs(int numOfLogsLimit)
{
    if (numOfLogsLimit < 0)
        return;
    const QStringList names = wifiLogsList();
    for (int i = 0; i < names.size() - numOfLogsLimit; ++i) {
        const QString path = KivRoot::path(kLogDir + names.at(i));
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

void WifiMonitor::exportWifiLogs()
{
    const QStringList names = wifiLogsList();
    for (const QString &name : names) {
        const QString source = KivRoot::path(kLogDir + name);
        if (!QFile::exists(source))
            continue;
        // A log leaves only once the drive holds its copy.
        if (QFile::copy(source, KivRoot::path(kExportDir + name)))
            QFile::remove(source);
        else
            qWarning().noquote() << "Wi-Fi log not exported, kept:" << source;
    }
    ToolRunner::startDetached(kSync, {});
}

// --- properties -------------------------------------------------------------------

void WifiMonitor::set_essid(const QString &value)
{
    if (assignIfChanged(m_essid, value))
        emit essidChanged(m_essid);
}

void WifiMonitor::set_accessPoint(const QString &value)
{
    if (assignIfChanged(m_accessPoint, value))
        emit accessPointChanged(m_accessPoint);
}

void WifiMonitor::set_linkQuality(double value)
{
    if (assignIfChanged(m_linkQuality, value))
        emit linkQualityChanged(m_linkQuality);
}

void WifiMonitor::set_signalLevel(double value)
{
    if (assignIfChanged(m_signalLevel, value))
        emit signalLevelChanged(m_signalLevel);
}

void WifiMonitor::set_signalLevelDecibel(double value)
{
    if (assignIfChanged(m_signalLevelDecibel, value))
        emit signalLevelDecibelChanged(m_signalLevelDecibel);
}

void WifiMonitor::set_frequency(const QString &value)
{
    if (assignIfChanged(m_frequency, value))
        emit frequencyChanged(m_frequency);
}

void WifiMonitor::set_inet(const QString &value)
{
    if (assignIfChanged(m_inet, value))
        emit inetChanged(m_inet);
}

void WifiMonitor::set_netmask(const QString &value)
{
    if (assignIfChanged(m_netmask, value))
        emit netmaskChanged(m_netmask);
}

void WifiMonitor::set_broadcast(const QString &value)
{
    if (assignIfChanged(m_broadcast, value))
        emit broadcastChanged(m_broadcast);
}

void WifiMonitor::set_wpaCheckPeriodSecs(int value)
{
    if (assignIfChanged(m_wpaCheckPeriodSecs, value))
        emit wpaCheckPeriodSecsChanged(m_wpaCheckPeriodSecs);
}

void WifiMonitor::set_wifiGateway(const QString &value)
{
    if (assignIfChanged(m_wifiGateway, value))
        emit wifiGatewayChanged(m_wifiGateway);
}
