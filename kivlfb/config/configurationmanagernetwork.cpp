// ConfigurationManager, continued: the cabinet's Ethernet and Wi-Fi set-up.
// The store generates the system's network files from its settings, brings
// the interfaces down and up with the system's tools, restarts the Wi-Fi
// service, scans for access points, and every 20 s reads back what the
// system actually gave each interface.
//
// The tools run through ToolRunner with argument lists, so no setting ever
// reaches a shell. The blocking ones keep the 30 s limits the board's
// tools need when the radio is slow.

#include "configurationmanager.h"

#include "config/networksetupcodec.h"
#include "core/kivdefs.h"

#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivroot.h"
#include "platform/networkinterfaces.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {

const QLatin1String kEthernet("eth0");
const QLatin1String kWifi("wlan0");
const char kRiotIotType[] = "DEZ_RIOT";

const char kInterfacesFile[] = "/etc/network/interfaces";
const char kInterfacesBackup[] = "/etc/network/interfaces.bak";
const char kSupplicantFile[] = "/etc/wpa_supplicant.conf";
const char kSupplicantBackup[] = "/etc/wpa_supplicant.bak";
const char kCredentialsFile[] = "/creds.cfg";

const QFileDevice::Permissions kPublicFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
const QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

constexpr int kToolTimeoutMs = 30000;
constexpr int kRefreshIntervalMs = 20000;
// After the supplicant has re-read its file, the radio needs a moment
// before the interface is brought up again.
constexpr int kRiotIfupDelayMs = 15000;
constexpr int kWifiRestartThreshold = 10;
// A pid file names one process; 0, 1 and negative ids would signal a
// process group, init or every process.
constexpr qint64 kLowestSignalledPid = 2;

void runTool(const QString &program, const QStringList &arguments)
{
    ToolRunner::run(program, arguments, nullptr, kToolTimeoutMs);
}

QString outputOf(QProcess *process)
{
    return QString::fromLocal8Bit(process->readAllStandardOutput() + process->readAllStandardError());
}

} // namespace

void ConfigurationManager::createNetworkRefresh()
{
    auto *refresh = new QTimer(this);
    refresh->setObjectName(QStringLiteral("networkRefreshTimer"));
    refresh->setInterval(kRefreshIntervalMs);
    connect(refresh, SIGNAL(timeout()), this, SLOT(reLoadNetworkDeviceConfig()));
    refresh->start();
}

QProcess *ConfigurationManager::startTool(const QString &name, const QString &program,
                                          const QStringList &arguments,
                                          const std::function<void(QProcess *, bool)> &done)
{
    QProcess *process = ToolRunner::start(program, arguments, this, name);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, process, done](int, QProcess::ExitStatus status) {
                process->disconnect(this);
                process->deleteLater();
                done(process, status == QProcess::NormalExit);
            });
    return process;
}

// ---------------------------------------------------------------------------
// Reading back what the system gave the interfaces

void ConfigurationManager::reLoadNetworkDeviceConfig()
{
    loadNetworkDeviceConfig(NETWORK_MODE_ETH);
    loadNetworkDeviceConfig(NETWORK_MODE_WIFI);
    // The RIoT agent looks after the Wi-Fi connection itself.
    if (m_iotType == QLatin1String(kRiotIotType))
        return;
    if (m_wifiEnabled && m_wifiIpAddr.isNull()) {
        // Not lowered by a restart: Wi-Fi is restarted at every refresh
        // until it has an address.
        if (++m_wifiRestartCount > kWifiRestartThreshold) {
            ifdownWifi();
            wpaSupplicantReconfigure();
            ifupWifi();
        }
    } else {
        m_wifiRestartCount = 0;
    }
}

ConfigurationManager::InterfaceReading ConfigurationManager::readInterface(int netMode)
{
    const QString kind = netMode == NETWORK_MODE_WIFI ? QStringLiteral("wlan") : QStringLiteral("eth");
    InterfaceReading reading;
    const QList<NetworkInterfaces::Interface> interfaces = NetworkInterfaces::all();
    for (const NetworkInterfaces::Interface &i : interfaces) {
        if (!i.name.contains(kind))
            continue;
        reading.name = i.name;
        set_macAddress(i.hardwareAddress);
        if (!i.ipv4.isEmpty()) {
            reading.address = i.ipv4.first().address;
            reading.netmask = i.ipv4.first().netmask;
            reading.broadcast = i.ipv4.first().broadcast;
        }
        break;
    }
    QByteArray routes;
    ToolRunner::run(QStringLiteral("/sbin/route"), {QStringLiteral("-n")}, &routes, kToolTimeoutMs);
    reading.gateway = NetworkSetupCodec::defaultGateway(routes, reading.name);
    return reading;
}

void ConfigurationManager::loadNetworkDeviceConfig(int netMode)
{
    if (netMode != NETWORK_MODE_ETH && netMode != NETWORK_MODE_WIFI) {
        qWarning().noquote() << "loadNetworkDeviceConfig: no network mode" << netMode;
        return;
    }
    const InterfaceReading r = readInterface(netMode);
    if (netMode == NETWORK_MODE_ETH) {
        set_ipAddress(r.address);
        set_netmask(r.netmask);
        set_gateway(r.gateway);
        set_interfaceName(r.name);
        set_ethBroadcast(r.broadcast);
    } else {
        set_wifiIpAddr(r.address);
        set_wifiNetmask(r.netmask);
        set_wifiGateway(r.gateway);
        set_wifiInterfaceName(r.name);
        set_wifiBroadcast(r.broadcast);
    }
    emit networkInfoRefreshed();
}

void ConfigurationManager::loadSystemNetworkConfig()
{
    const InterfaceReading r = readInterface(NETWORK_MODE_ETH);
    set_interfaceName(r.name);
    set_ipAddress(r.address);
    set_netmask(r.netmask);
    set_gateway(r.gateway);
}

// ---------------------------------------------------------------------------
// The system files

bool ConfigurationManager::replaceSystemFile(const QString &platformPath, const QString &backupPath,
                                             const QByteArray &content,
                                             QFileDevice::Permissions freshPermissions)
{
    const QString path = KivRoot::path(platformPath);
    const QFileInfo previous(path);
    if (previous.exists()) {
        const QString backup = KivRoot::path(backupPath);
        QFile::remove(backup);
        if (!QFile::copy(path, backup))
            qWarning().noquote() << "Unable to back up" << platformPath << "to" << backupPath;
    }
    DurableFile out(path);
    if (out.open()) {
        // The new file takes the place of the old one, and its access too:
        // the supplicant's file holds the pass phrase.
        static_cast<QFileDevice *>(out.device())
            ->setPermissions(previous.exists() ? previous.permissions() : freshPermissions);
        out.write(content);
    }
    if (out.commit() != DurableFile::Replaced) {
        qWarning().noquote() << "Unable to write" << platformPath + ":" << out.errorString()
                             << "- it keeps its previous content";
        return false;
    }
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    return true;
}

void ConfigurationManager::reconfigureNetworkDevices()
{
    ifdownEth0();
    ifdownWifi();
    wpaSupplicantUpdate();

    const NetworkSetupCodec::InterfaceBlock ethernet{kEthernet, m_ethEnabled, m_staticIPEnabled, get_ipAddress(),
                                                     get_netmask(), get_gateway()};
    const NetworkSetupCodec::InterfaceBlock wifi{kWifi, m_wifiEnabled, m_wifiStaticIp, get_wifiIpAddr(),
                                                 get_wifiNetmask(), get_wifiGateway()};
    QString refused;
    const QByteArray interfaces = NetworkSetupCodec::interfacesFile(ethernet, wifi, &refused);
    if (interfaces.isEmpty())
        qWarning().noquote() << "The" << refused << "cannot go into" << kInterfacesFile
                             << "- it keeps its previous content";
    else
        replaceSystemFile(QLatin1String(kInterfacesFile), QLatin1String(kInterfacesBackup), interfaces,
                          kPublicFile);

    if (m_wifiEnabled)
        ifupWifi();
    if (m_ethEnabled)
        ifupEth0();
}

void ConfigurationManager::wpaSupplicantUpdate()
{
    const NetworkSetupCodec::WifiSettings settings{m_wpaEnabled, m_wifiSSID, m_wifiPassword, m_wifiIdentity};
    QString refused;
    const QByteArray text = NetworkSetupCodec::wpaSupplicantFile(settings, &refused);
    if (text.isEmpty()) {
        // A line break in a quoted value would add directives of its own.
        qWarning().noquote() << "The Wi-Fi" << refused << "holds a control character;" << kSupplicantFile
                             << "keeps its previous content";
    } else {
        if (m_wpaEnabled) {
            // The log is exported; the password stays out of it.
            NetworkSetupCodec::WifiSettings shown = settings;
            shown.password = QStringLiteral("********");
            qDebug().noquote() << "Sublicant file =" << NetworkSetupCodec::wpaSupplicantFile(shown);
        }
        replaceSystemFile(QLatin1String(kSupplicantFile), QLatin1String(kSupplicantBackup), text,
                          kPrivateFile);
    }
    wpaSupplicantReconfigure();
}

// ---------------------------------------------------------------------------
// Single steps

void ConfigurationManager::wpaSupplicantReconfigure()
{
    runTool(QStringLiteral("/usr/sbin/wpa_cli"), {QStringLiteral("reconfigure")});
}

void ConfigurationManager::ifdownWifi()
{
    runTool(QStringLiteral("/sbin/ifdown"), {kWifi});
    runTool(QStringLiteral("/sbin/ifconfig"), {kWifi, QStringLiteral("0.0.0.0")});
}

void ConfigurationManager::ifdownEth0()
{
    runTool(QStringLiteral("/sbin/ifdown"), {kEthernet});
    runTool(QStringLiteral("/sbin/ifconfig"), {kEthernet, QStringLiteral("0.0.0.0")});
}

void ConfigurationManager::ifupWifi()
{
    startTool(QStringLiteral("wlan0Startup"), QStringLiteral("/sbin/ifup"), {kWifi},
              [this](QProcess *, bool) { loadNetworkDeviceConfig(NETWORK_MODE_WIFI); });
}

void ConfigurationManager::ifupEth0()
{
    startTool(QStringLiteral("eth0Startup"), QStringLiteral("/sbin/ifup"), {kEthernet},
              [this](QProcess *, bool) { loadNetworkDeviceConfig(NETWORK_MODE_ETH); });
}

// ---------------------------------------------------------------------------
// Applying the Ethernet address at once

void ConfigurationManager::reconfigureNetwork(bool staticIp)
{
    emit requestNmReconfigure();
    if (staticIp) {
        runTool(QStringLiteral("/sbin/ifconfig"),
                {m_interfaceName, get_ipAddress(), QStringLiteral("netmask"), get_netmask()});
        runTool(QStringLiteral("/sbin/route"),
                {QStringLiteral("add"), QStringLiteral("default"), QStringLiteral("gw"), get_gateway(),
                 m_interfaceName});
        return;
    }
    // SIGUSR1 makes the DHCP client renew its lease.
    QFile pidFile(KivRoot::path(QStringLiteral("/var/run/udhcpc.") + m_interfaceName
                                + QStringLiteral(".pid")));
    if (!pidFile.open(QIODevice::ReadOnly)) {
        qDebug() << "Unable to open udhcpc PID file";
        return;
    }
    constexpr qint64 kPidFileLimit = 64;
    const QByteArray content = pidFile.read(kPidFileLimit);
    const qint64 pid = NetworkSetupCodec::processId(content);
    if (pid < kLowestSignalledPid) {
        qWarning().noquote() << QStringLiteral("The udhcpc PID file %1 names no DHCP client (\"%2\"); no signal sent")
                                    .arg(pidFile.fileName(), QString::fromLatin1(content.trimmed().left(20)));
        return;
    }
    runTool(QStringLiteral("/bin/kill"), {QStringLiteral("-SIGUSR1"), QString::number(pid)});
}

void ConfigurationManager::processIPConfigChange(bool staticIp)
{
    reconfigureNetwork(staticIp);
}

// ---------------------------------------------------------------------------
// Restarting Wi-Fi

void ConfigurationManager::restartWifiNetwork()
{
    runWifiRestartStep(0);
}

// Each step starts when the one before has ended normally (its exit code
// does not matter); a step that crashed or could not start ends the chain.
void ConfigurationManager::runWifiRestartStep(int step)
{
    struct Step {
        const char *name;
        const char *script;
        const char *argument;
    };
    static const Step steps[] = {
        {"S39wlanStop", "/etc/init.d/S39wlan", "stop"},
        {"S45networkStop", "/etc/init.d/S45network", "stop"},
        {"S39wlanStart", "/etc/init.d/S39wlan", "start"},
        {"S45networkStart", "/etc/init.d/S45network", "start"},
    };
    if (step < 0 || step >= int(sizeof steps / sizeof steps[0]))
        return;
    const Step &s = steps[step];
    startTool(QLatin1String(s.name), QLatin1String(s.script), {QLatin1String(s.argument)},
              [this, step](QProcess *, bool normal) {
                  if (normal)
                      runWifiRestartStep(step + 1);
              });
}

void ConfigurationManager::restartWifiNetworkRIoT()
{
    startTool(QStringLiteral("ifdownProcess"), QStringLiteral("/sbin/ifdown"), {kWifi},
              [this](QProcess *ifdown, bool normal) {
        qDebug().noquote() << "/sbin/ifdown wlan0 ==> " + outputOf(ifdown);
        if (!normal)
            return;
        startTool(QStringLiteral("wpa_cliProcess"), QStringLiteral("/usr/sbin/wpa_cli"),
                  {QStringLiteral("-i"), kWifi, QStringLiteral("reconfigure")},
                  [this](QProcess *wpaCli, bool normal) {
            qDebug().noquote() << "/usr/sbin/wpa_cli -i wlan0 reconfigure ==> " + outputOf(wpaCli);
            if (!normal)
                return;
            auto *delay = new QTimer(this);
            delay->setObjectName(QStringLiteral("riotIfupDelay"));
            delay->setSingleShot(true);
            connect(delay, &QTimer::timeout, this, [this, delay]() {
                delay->deleteLater();
                startTool(QStringLiteral("ifupProcess"), QStringLiteral("/sbin/ifup"), {kWifi},
                          [](QProcess *ifup, bool) {
                              qDebug().noquote() << "/sbin/ifup wlan0 ==> " + outputOf(ifup);
                          });
            });
            delay->start(kRiotIfupDelayMs);
        });
    });
}

// ---------------------------------------------------------------------------
// Scanning

void ConfigurationManager::scanWifi()
{
    startTool(QStringLiteral("wlan0Scan"), QStringLiteral("/sbin/iwlist"), {kWifi, QStringLiteral("scan")},
              [this](QProcess *scan, bool) {
                  const QString found = NetworkSetupCodec::scanResults(scan->readAllStandardOutput());
                  // A scan that saw nothing leaves the last list on the screen.
                  if (!found.isEmpty())
                      set_wifiScanString(found);
              });
}

// ---------------------------------------------------------------------------
// Credentials from drop files

void ConfigurationManager::applyWifiCredentialFile(const QString &name)
{
    QByteArray content;
    if (BoundedFile::read(KivRoot::appFile(name), BoundedFile::SmallFileLimit, &content) == BoundedFile::Read) {
        const NetworkSetupCodec::Credentials credentials = NetworkSetupCodec::readCredentials(content);
        if (credentials.hasSsid)
            set_wifiSSID(credentials.ssid);
        if (credentials.hasPassword)
            set_wifiPassword(credentials.password);
        set_wifiStaticIp(false);
        set_wifiEnabled(true);
        set_ethEnabled(false);
        emit networkInfoRefreshed();
    }
    saveConfigFile();
    reconfigureNetworkDevices();
}

void ConfigurationManager::initializeRiotWifiConnection()
{
    const QString credentials = KivRoot::path(QLatin1String(kCredentialsFile));
    if (QFile::exists(credentials))
        QFile::remove(credentials);
    applyWifiCredentialFile(QStringLiteral("updates/wpa_supplicant.conf"));
}

void ConfigurationManager::resetToDefaultNetwork()
{
    deleteNetworkCertificate();
    applyWifiCredentialFile(QStringLiteral("updates/defaultNetwork.txt"));
}

void ConfigurationManager::deleteNetworkCertificate()
{
    if (cabinetFact("customerId").toInt() != KivDefs::CUSTOMER_ID_RIVEV)
        return;
    qDebug() << "Delete network certificate files!";
    const QDir certs(KivRoot::appFile(QStringLiteral("certs/")), QString(), QDir::NoSort,
                     QDir::Files | QDir::System | QDir::Hidden);
    const QStringList names = certs.entryList({QStringLiteral("device_*")});
    for (const QString &name : names)
        if (!QFile::remove(certs.filePath(name)))
            qWarning().noquote() << "Unable to delete" << certs.filePath(name);
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
}
