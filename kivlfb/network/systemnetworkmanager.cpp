#include "systemnetworkmanager.h"

#include "config/configurationmanager.h"
#include "network/networkhost.h"
#include "network/wifiworker.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kScanProcess = QStringLiteral("scanWifiProcess");
const QString kListProcess = QStringLiteral("listNetworkConnectionsProcess");
const QString kRemoveProcess = QStringLiteral("removeAllNetworkConnectionsProcess");
const QString kReconfProcess = QStringLiteral("reconfNetworkProcess");

} // namespace

QString SystemNetworkManager::scanResultText(const QString &output)
{
    QJsonArray entries;
    for (QString line : output.split(QLatin1Char('\n'))) {
        line.replace(QLatin1String("\\:"), QLatin1String("."));
        const QStringList f = line.split(QLatin1Char(':'));
        const QString bssid = f.value(0);
        if (bssid.isEmpty())
            continue;
        const QString ssid = f.value(1);
        const int signal = f.value(2).toInt();
        QString freq = f.value(3);
        freq.remove(QLatin1String(" MHz"));

        QJsonObject entry{
            {QStringLiteral("cell"), entries.size()},
            {QStringLiteral("macAddr"), QString(bssid).replace(QLatin1Char('.'), QLatin1Char(':'))},
            {QStringLiteral("ssid"), ssid},
            {QStringLiteral("signalLevel"), QString::number(signal) + QLatin1String("/100")},
            {QStringLiteral("freq"), QString::number(freq.toDouble() / 1000.0, 'g', 6)},
            {QStringLiteral("chan"), f.value(4)},
            {QStringLiteral("inUse"), f.value(5).contains(QLatin1Char('*')) ? QStringLiteral("y") : QStringLiteral("n")},
        };

        int known = -1;
        for (int i = 0; i < entries.size() && known < 0; ++i)
            if (entries.at(i).toObject().value(QStringLiteral("ssid")).toString() == ssid)
                known = i;
        if (known < 0) {
            entries.append(entry);
            continue;
        }
        const QJsonObject held = entries.at(known).toObject();
        if (signal > held.value(QStringLiteral("signalLevel")).toString().section(QLatin1Char('/'), 0, 0).toInt()) {
            // The stronger access point takes the place of the weaker one.
            entry.insert(QStringLiteral("cell"), held.value(QStringLiteral("cell")));
            entries.replace(known, entry);
        }
    }
    if (entries.isEmpty())
        return QStringLiteral("false");
    return QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Indented));
}

SystemNetworkManager::SystemNetworkManager(QObject *parent, std::unique_ptr<NetworkHost> host)
    : TarnStateMachine(parent)
    , m_host(host ? std::move(host) : std::make_unique<NetworkHost>())
{
    m_workerThread.setObjectName(QStringLiteral("wifiWorkerThread"));
    m_worker = new WifiWorker;
    m_worker->moveToThread(&m_workerThread);
    connect(&m_workerThread, &QThread::finished, m_worker, &QObject::deleteLater);

    const auto q = Qt::QueuedConnection;
    connect(this, &SystemNetworkManager::workerFindActiveConnections, m_worker, &WifiWorker::findActiveConnections, q);
    connect(this, &SystemNetworkManager::workerLoadWifiNetworkConfig, m_worker, &WifiWorker::loadWifiNetworkConfig, q);
    connect(this, &SystemNetworkManager::networkSettingsUpdated, m_worker, &WifiWorker::setNetworkSettingsUpdated, q);
    connect(m_worker, &WifiWorker::wifiConnectionStatus, this, &SystemNetworkManager::wifiConnectionStatus, q);
    connect(m_worker, &WifiWorker::wifiConnection, this, &SystemNetworkManager::set_wifiConnectionName, q);
    connect(m_worker, &WifiWorker::wifiConnection, this, &SystemNetworkManager::wifiConnection, q);
    connect(m_worker, &WifiWorker::ethConnection, this, &SystemNetworkManager::set_ethConnectionName, q);
    connect(m_worker, &WifiWorker::ethConnection, this, &SystemNetworkManager::ethConnection, q);
    connect(m_worker, &WifiWorker::findActiveConnectionsProcessFinished, this,
            &SystemNetworkManager::findActiveConnectionsProcessFinished, q);
    connect(m_worker, &WifiWorker::refreshNetworkInfo, this, &SystemNetworkManager::refreshNetworkInfo, q);
    connect(m_worker, &WifiWorker::noNetworkConnection, this, &SystemNetworkManager::checkWifiReconnectNeeded, q);
    connect(m_worker, &WifiWorker::wifiConnectionNameChanged, this, &SystemNetworkManager::set_wifiConnectionName, q);
    connect(m_worker, &WifiWorker::wifiPasswordChanged, this, &SystemNetworkManager::set_wifiPassword, q);
    connect(m_worker, &WifiWorker::ethConnectionNameChanged, this, &SystemNetworkManager::set_ethConnectionName, q);
    connect(m_worker, &WifiWorker::wifiDeviceChanged, this, &SystemNetworkManager::set_wifiDevice, q);
    connect(m_worker, &WifiWorker::wifiIpAddrChanged, this, &SystemNetworkManager::set_wifiIpAddr, q);
    connect(m_worker, &WifiWorker::wifiDhcpEnabledChanged, this, &SystemNetworkManager::set_wifiDhcpEnabled, q);
    connect(m_worker, &WifiWorker::wifiNetmaskChanged, this, &SystemNetworkManager::set_wifiNetmask, q);
    connect(m_worker, &WifiWorker::wifiBroadcastAddrChanged, this, &SystemNetworkManager::set_wifiBroadcastAddr, q);
    connect(m_worker, &WifiWorker::wifiGatewayChanged, this, &SystemNetworkManager::set_wifiGateway, q);
    connect(m_worker, &WifiWorker::wifiMacAddrChanged, this, &SystemNetworkManager::set_wifiMacAddr, q);

    // The timer is single-shot on the cabinet clock: rearm it while idle.
    m_findActiveConnectionsTimer.setInterval(FindActiveConnectionsPeriodMs);
    connect(&m_findActiveConnectionsTimer, &KivClockTimer::timeout, this, [this] {
        m_findActiveConnectionsTimer.start();
    });

    buildMachine();
    m_workerThread.start(QThread::InheritPriority);
}

SystemNetworkManager::~SystemNetworkManager()
{
    m_workerThread.quit();
    m_workerThread.wait();
}

void SystemNetworkManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *findActiveConnections = b.state(this, "findActiveConnections");
    QState *idle = b.state(this, "idle");
    QState *busy = b.state(this, "busy");
    QState *busy_a = b.state(busy, "busy_a");
    QState *wifiDhcp = b.state(busy, "wifiDhcp");
    QState *wifiDhcp_a = b.state(wifiDhcp, "wifiDhcp_a");
    QState *wifiDhcp_b = b.state(wifiDhcp, "wifiDhcp_b");
    QState *wifiStatic = b.state(busy, "wifiStatic");
    QState *wifiStatic_a = b.state(wifiStatic, "wifiStatic_a");
    QState *wifiStatic_b = b.state(wifiStatic, "wifiStatic_b");
    QState *wifiStatic_c = b.state(wifiStatic, "wifiStatic_c");
    setInitialState(findActiveConnections);
    busy->setInitialState(busy_a);
    wifiDhcp->setInitialState(wifiDhcp_a);
    wifiStatic->setInitialState(wifiStatic_a);

    // A transition whose action is to send one of the manager's signals.
    auto emits = [this](QSignalTransition *t, void (SystemNetworkManager::*signal)(), const char *name) {
        connect(t, &QSignalTransition::triggered, this, signal, Qt::DirectConnection);
        t->setProperty("action", QStringLiteral("signal, this::%1()").arg(QLatin1String(name)));
    };

    b.transition(findActiveConnections, idle, "fact1", QStringLiteral("this"), this,
                 SIGNAL(findActiveConnectionsProcessFinished()));
    emits(b.transition(idle, nullptr, "idlet1", QStringLiteral("&m_findActiveConnectionsTimer"),
                       &m_findActiveConnectionsTimer, SIGNAL(timeout())),
          &SystemNetworkManager::workerFindActiveConnections, "workerFindActiveConnections");
    emits(b.transition(idle, nullptr, "idlet1a", QStringLiteral("this"), this,
                       SIGNAL(findActiveConnectionsProcessFinished())),
          &SystemNetworkManager::workerLoadWifiNetworkConfig, "workerLoadWifiNetworkConfig");
    b.transition(idle, wifiDhcp, "idlet2", QStringLiteral("this"), this, SIGNAL(reconfigureNetworkDevicesSignal()));
    b.transition(wifiDhcp, idle, "wifiDhcpt1", QStringLiteral("this"), this, SIGNAL(finishedNetworkConfig()));
    b.transition(wifiDhcp_a, wifiDhcp_b, "wifiDhcp_at1", QStringLiteral("this"), this, SIGNAL(nextStep()));
    b.transition(idle, wifiStatic, "idlet3", QStringLiteral("this"), this, SIGNAL(setWifiStaticSignal()));
    b.transition(wifiStatic, idle, "wifiStatict1", QStringLiteral("this"), this, SIGNAL(finishedNetworkConfig()));
    b.transition(wifiStatic_a, wifiStatic_b, "wifiStatic_at1", QStringLiteral("this"), this, SIGNAL(nextStep()));
    b.transition(wifiStatic_b, wifiStatic_c, "wifiStatic_at2", QStringLiteral("this"), this, SIGNAL(nextStep()));
}

#define KIV_SNM_SETTER(Type, name)                          \
    void SystemNetworkManager::set_##name(Type value)       \
    {                                                       \
        if (m_##name == value)                              \
            return;                                         \
        m_##name = value;                                   \
        emit name##Changed(m_##name);                       \
    }

KIV_SNM_SETTER(const QString &, wifiConnectionName)
KIV_SNM_SETTER(const QString &, wifiPassword)
KIV_SNM_SETTER(const QString &, ethConnectionName)
KIV_SNM_SETTER(const QString &, wifiDevice)
KIV_SNM_SETTER(const QString &, wifiIpAddr)
KIV_SNM_SETTER(bool, wifiDhcpEnabled)
KIV_SNM_SETTER(const QString &, wifiNetmask)
KIV_SNM_SETTER(const QString &, wifiBroadcastAddr)
KIV_SNM_SETTER(const QString &, wifiGateway)
KIV_SNM_SETTER(const QString &, wifiMacAddr)
#undef KIV_SNM_SETTER

void SystemNetworkManager::checkWifiReconnectNeeded()
{
    if (m_config && m_config->get_wifiEnabled())
        emit reconfigureNetworkDevicesSignal();
}

// --- tools --------------------------------------------------------------------

void SystemNetworkManager::startTool(const QStringList &arguments, const QString &name,
                                     void (SystemNetworkManager::*wrapUp)(int, QProcess::ExitStatus))
{
    QProcess *process = ToolRunner::start(WifiWorker::kNmcli, arguments, nullptr, name);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, wrapUp);
}

QProcess *SystemNetworkManager::takeFinished(const QString &expectedName)
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process)
        return nullptr;
    disconnect(process, nullptr, this, nullptr);
    if (process->objectName() != expectedName)
        return nullptr;
    process->readAllStandardError();
    process->deleteLater();
    return process;
}

void SystemNetworkManager::scanWifi()
{
    startTool({QStringLiteral("-t"), QStringLiteral("-f"), QStringLiteral("bssid,ssid,signal,freq,chan,in-use"),
               QStringLiteral("device"), QStringLiteral("wifi"), QStringLiteral("list")},
              kScanProcess, &SystemNetworkManager::processWrapUp_scanWifi);
}

void SystemNetworkManager::processWrapUp_scanWifi(int, QProcess::ExitStatus)
{
    if (QProcess *process = takeFinished(kScanProcess))
        emit wifiScanString(scanResultText(WifiWorker::outputText(process->readAllStandardOutput())));
}

// Deleting every profile takes two runs: the listing of their identifiers,
// then the deletion of those (none when the listing names none).
void SystemNetworkManager::removeAllNetworkConnections()
{
    startTool({QStringLiteral("-t"), QStringLiteral("-f"), QStringLiteral("uuid"), QStringLiteral("con"),
               QStringLiteral("show")},
              kListProcess, &SystemNetworkManager::processWrapUp_listNetworkConnections);
}

void SystemNetworkManager::processWrapUp_listNetworkConnections(int, QProcess::ExitStatus)
{
    QStringList uuids;
    if (QProcess *process = takeFinished(kListProcess))
        uuids = WifiWorker::outputText(process->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (uuids.isEmpty()) {
        emit nextStep();
        return;
    }
    startTool(QStringList{QStringLiteral("con"), QStringLiteral("delete")} + uuids, kRemoveProcess,
              &SystemNetworkManager::processWrapUp_removeAllNetworkConnections);
}

void SystemNetworkManager::processWrapUp_removeAllNetworkConnections(int, QProcess::ExitStatus)
{
    if (QProcess *process = takeFinished(kRemoveProcess))
        process->readAllStandardOutput();
    emit nextStep();
}

void SystemNetworkManager::reconfigureNetworkDevices()
{
    if (!m_host->iAmMaster() || !m_config || !m_config->get_wifiEnabled()) {
        emit finishedNetworkConfig();
        return;
    }
    const QString ssid = m_config->get_wifiSSID();
    const QString password = m_config->get_wifiPassword();
    // Each value is one argument to the tool, whatever quotes or blanks it
    // holds. DNS servers and the /24 prefix are fixed by design.
    QStringList arguments;
    if (!m_config->get_wifiStaticIp()) {
        arguments = QStringList{QStringLiteral("device"), QStringLiteral("wifi"), QStringLiteral("con"), ssid,
                     QStringLiteral("password"), password};
    } else {
        arguments = QStringList{QStringLiteral("con"), QStringLiteral("add"), QStringLiteral("con-name"), ssid,
                     QStringLiteral("type"), QStringLiteral("wifi"), QStringLiteral("ifname"), QStringLiteral("wlan0"),
                     QStringLiteral("ssid"), ssid, QStringLiteral("--"), QStringLiteral("wifi-sec.key-mgmt"),
                     QStringLiteral("wpa-psk"), QStringLiteral("wifi-sec.psk"), password,
                     QStringLiteral("ipv4.method"), QStringLiteral("manual"), QStringLiteral("ipv4.address"),
                     m_config->get_wifiIpAddr() + QLatin1String("/24"), QStringLiteral("ipv4.dns"),
                     QStringLiteral("8.8.8.8,8.8.8.4"), QStringLiteral("ipv4.gateway"), m_config->get_wifiGateway()};
    }
    startTool(arguments, kReconfProcess, &SystemNetworkManager::processWrapUp_reconfigureNetworkDevices);
}

void SystemNetworkManager::processWrapUp_reconfigureNetworkDevices(int, QProcess::ExitStatus)
{
    if (QProcess *process = takeFinished(kReconfProcess)) {
        process->readAllStandardOutput();
        emit finishedNetworkConfig();
    }
}

// --- states -------------------------------------------------------------------

void SystemNetworkManager::findActiveConnections_onEntry() { emit workerFindActiveConnections(); }
void SystemNetworkManager::findActiveConnections_onExit() {}
void SystemNetworkManager::idle_onEntry() { m_findActiveConnectionsTimer.start(); }
void SystemNetworkManager::idle_onExit() { m_findActiveConnectionsTimer.stop(); }
void SystemNetworkManager::busy_onEntry() {}
void SystemNetworkManager::busy_onExit() {}
void SystemNetworkManager::busy_a_onEntry() {}
void SystemNetworkManager::busy_a_onExit() {}
void SystemNetworkManager::wifiDhcp_onEntry() {}
void SystemNetworkManager::wifiDhcp_onExit() { emit networkSettingsUpdated(); }
void SystemNetworkManager::wifiDhcp_a_onEntry() { removeAllNetworkConnections(); }
void SystemNetworkManager::wifiDhcp_a_onExit() {}
void SystemNetworkManager::wifiDhcp_b_onEntry() { reconfigureNetworkDevices(); }
void SystemNetworkManager::wifiDhcp_b_onExit() {}
void SystemNetworkManager::wifiStatic_onEntry() {}
void SystemNetworkManager::wifiStatic_onExit() {}
void SystemNetworkManager::wifiStatic_a_onEntry() { removeAllNetworkConnections(); }
void SystemNetworkManager::wifiStatic_a_onExit() {}
void SystemNetworkManager::wifiStatic_b_onEntry() {}
void SystemNetworkManager::wifiStatic_b_onExit() {}
void SystemNetworkManager::wifiStatic_c_onEntry() {}
void SystemNetworkManager::wifiStatic_c_onExit() {}
