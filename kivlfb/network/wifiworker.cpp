#include "wifiworker.h"

#include "platform/networkinterfaces.h"
#include "platform/toolrunner.h"

#include <QHostAddress>

const QString WifiWorker::kNmcli = QStringLiteral("/usr/bin/nmcli");

namespace {

const QString kActiveProcess = QStringLiteral("findActiveConnectionsProcess");
const QString kInfoProcess = QStringLiteral("wifiInfoProcess");
const QString kWifiInterface = QStringLiteral("wlan0");
const int kDhcpClientTimeoutMs = 30000;

// The value after a line's first colon; none when the line starts with the
// colon or has nothing after it.
QString valueOf(const QString &line)
{
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon + 1 >= line.size())
        return QString();
    QString value = line.mid(colon + 1);
    while (value.endsWith(QLatin1Char('\n')))
        value.chop(1);
    return value;
}

QString afterMarker(const QString &line, const QString &marker)
{
    const int at = line.indexOf(marker);
    return at < 0 ? QString() : line.mid(at + marker.size());
}

QString dotted(quint32 value)
{
    return QHostAddress(value).toString();
}

// The mask of a prefix length; 0 or above 32 gives none.
quint32 maskOfPrefix(int prefix)
{
    if (prefix <= 0 || prefix > 32)
        return 0;
    return prefix == 32 ? 0xffffffffu : ~(0xffffffffu >> prefix);
}

// An IPv4 address written as exactly four dotted numbers 0..255.
bool parseDotted(const QString &text, quint32 *value)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    quint32 result = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint byte = part.toUInt(&ok);
        if (!ok || part.isEmpty() || byte > 255)
            return false;
        result = (result << 8) | byte;
    }
    *value = result;
    return true;
}

} // namespace

QString WifiWorker::outputText(const QByteArray &output)
{
    const int nul = output.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? output : output.left(nul));
}

WifiWorker::ActiveConnections WifiWorker::parseActiveConnections(const QString &output)
{
    ActiveConnections result;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char(':'), 0, 0);
        if (line.contains(QLatin1String(":wlan"))) {
            result.wifiFound = true;
            result.wifi = name;
        }
        if (line.contains(QLatin1String(":eth"))) {
            result.ethFound = true;
            result.eth = name;
        }
    }
    return result;
}

QString WifiWorker::netmaskOfPrefix(int prefix)
{
    return dotted(maskOfPrefix(prefix));
}

WifiWorker::WifiSettings WifiWorker::parseWifiSettings(const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'));
    WifiSettings s;
    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("ipv4.method:")) && valueOf(line) == QLatin1String("manual"))
            s.dhcp = false;

    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("GENERAL.NAME:"))) {
            s.name = valueOf(line);
            s.nameFound = true;
        } else if (line.startsWith(QLatin1String("802-11-wireless-security.psk:"))) {
            s.password = valueOf(line);
        } else if (s.dhcp) {
            if (line.contains(QLatin1String(":subnet_mask")))
                s.netmask = afterMarker(line, QStringLiteral("subnet_mask = "));
            else if (line.contains(QLatin1String(":routers")))
                s.gateway = afterMarker(line, QStringLiteral("routers = "));
            else if (line.contains(QLatin1String(":broadcast_address")))
                s.broadcast = afterMarker(line, QStringLiteral("broadcast_address = "));
            else if (line.contains(QLatin1String(":ip_address")))
                s.ipAddr = afterMarker(line, QStringLiteral("ip_address = "));
        } else if (line.contains(QLatin1String("ipv4.gateway"))) {
            s.gateway = valueOf(line);
        } else if (line.contains(QLatin1String("ipv4.addresses"))) {
            // "a.b.c.d/prefix"; anything else gives no address at all rather
            // than a broadcast address computed from part of one.
            const QString value = valueOf(line);
            const int slash = value.indexOf(QLatin1Char('/'));
            quint32 address = 0;
            bool prefixOk = false;
            const int prefix = slash < 0 ? 0 : value.mid(slash + 1).toInt(&prefixOk);
            if (slash > 0 && prefixOk && parseDotted(value.left(slash), &address)) {
                s.ipAddr = value.left(slash);
                s.netmask = netmaskOfPrefix(prefix);
                s.broadcast = dotted(address | ~maskOfPrefix(prefix));
            } else {
                s.ipAddr.clear();
                s.netmask.clear();
                s.broadcast.clear();
            }
        }
    }
    return s;
}

WifiWorker::WifiWorker(QObject *parent)
    : QObject(parent)
{
}

#define KIV_WORKER_SETTER(Type, name)                   \
    void WifiWorker::set_##name(Type value)             \
    {                                                   \
        if (m_##name == value)                          \
            return;                                     \
        m_##name = value;                               \
        emit name##Changed(m_##name);                   \
    }

KIV_WORKER_SETTER(const QString &, wifiConnectionName)
KIV_WORKER_SETTER(const QString &, wifiPassword)
KIV_WORKER_SETTER(const QString &, ethConnectionName)
KIV_WORKER_SETTER(const QString &, wifiDevice)
KIV_WORKER_SETTER(const QString &, wifiIpAddr)
KIV_WORKER_SETTER(bool, wifiDhcpEnabled)
KIV_WORKER_SETTER(const QString &, wifiNetmask)
KIV_WORKER_SETTER(const QString &, wifiBroadcastAddr)
KIV_WORKER_SETTER(const QString &, wifiGateway)
KIV_WORKER_SETTER(const QString &, wifiMacAddr)
#undef KIV_WORKER_SETTER

void WifiWorker::setNetworkSettingsUpdated()
{
    m_networkSettingsUpdated = true;
}

void WifiWorker::findActiveConnections()
{
    for (const NetworkInterfaces::Interface &iface : NetworkInterfaces::all())
        if (iface.name == kWifiInterface)
            set_wifiMacAddr(iface.hardwareAddress);

    QProcess *process = ToolRunner::start(kNmcli, {QStringLiteral("-t"), QStringLiteral("--fields"),
                                                   QStringLiteral("name,device"), QStringLiteral("con"),
                                                   QStringLiteral("show"), QStringLiteral("--active")},
                                          nullptr, kActiveProcess);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &WifiWorker::processWrapUp_findActiveConnections);
}

void WifiWorker::processWrapUp_findActiveConnections(int, QProcess::ExitStatus exitStatus)
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process) {
        emit findActiveConnectionsProcessFinished();
        return;
    }
    disconnect(process, nullptr, this, nullptr);
    if (process->objectName() != kActiveProcess) {
        emit wifiConnectionStatus(false);
        emit findActiveConnectionsProcessFinished();
        return;
    }
    if (exitStatus != QProcess::NormalExit) {
        // A tool that never started is reported as finished so the chart
        // does not wait for an answer that will not come; a crash is not.
        const bool neverStarted = process->error() == QProcess::FailedToStart;
        process->deleteLater();
        if (neverStarted)
            emit findActiveConnectionsProcessFinished();
        return;
    }
    const ActiveConnections found = parseActiveConnections(outputText(process->readAllStandardOutput()));
    process->readAllStandardError();
    process->deleteLater();

    if (found.wifiFound || found.ethFound) {
        set_wifiConnectionName(found.wifi);
        emit wifiConnection(found.wifi);
        set_ethConnectionName(found.eth);
        emit ethConnection(found.eth);
    }
    if (!found.wifiFound)
        emit wifiConnectionStatus(false);
    emit findActiveConnectionsProcessFinished();
}

void WifiWorker::loadWifiNetworkConfig()
{
    if (m_wifiConnectionName.isEmpty())
        return;
    // The name goes to the tool as one argument, whatever it holds.
    QProcess *process = ToolRunner::start(kNmcli, {QStringLiteral("-t"), QStringLiteral("--show-secrets"),
                                                   QStringLiteral("connection"), QStringLiteral("show"),
                                                   m_wifiConnectionName},
                                          nullptr, kInfoProcess);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &WifiWorker::processWrapUp_loadWifiNetworkConfig);
}

void WifiWorker::processWrapUp_loadWifiNetworkConfig(int, QProcess::ExitStatus)
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process)
        return;
    disconnect(process, nullptr, this, nullptr);
    if (process->objectName() != kInfoProcess)
        return;
    const QByteArray output = process->readAllStandardOutput();
    process->readAllStandardError();
    process->deleteLater();

    const WifiSettings s = parseWifiSettings(outputText(output));
    if (s.nameFound) {
        const bool changed = s.name != m_wifiConnectionName || s.ipAddr != m_wifiIpAddr
            || s.gateway != m_wifiGateway || s.netmask != m_wifiNetmask
            || s.broadcast != m_wifiBroadcastAddr || s.password != m_wifiPassword;
        set_wifiConnectionName(s.name);
        set_wifiIpAddr(s.ipAddr);
        set_wifiGateway(s.gateway);
        set_wifiNetmask(s.netmask);
        set_wifiDhcpEnabled(s.dhcp);
        set_wifiBroadcastAddr(s.broadcast);
        set_wifiPassword(s.password);
        if (changed || m_networkSettingsUpdated) {
            emit refreshNetworkInfo();
            // Blocks only this thread.
            ToolRunner::run(QStringLiteral("dhclient"), {kWifiInterface}, nullptr, kDhcpClientTimeoutMs);
            m_networkSettingsUpdated = false;
        }
    }
    if (!s.ipAddr.isEmpty())
        emit wifiConnectionStatus(true);
}
