#include "networksetupcodec.h"

#include "property/keyvaluetext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// A value in a quoted line of a file that is read line by line.
bool hasControlCharacter(const QString &value)
{
    return !isKeyValueText(value);
}

bool hasBlank(const QString &value)
{
    for (const QChar c : value)
        if (c.isSpace())
            return true;
    return false;
}

QString interfaceBlock(const NetworkSetupCodec::InterfaceBlock &b)
{
    const QString p = b.enabled ? QString() : QStringLiteral("#");
    const QString &i = b.interface;
    if (!b.staticAddress)
        return p + QStringLiteral("auto ") + i + QStringLiteral(" \n") + p + QStringLiteral("iface ") + i
            + QStringLiteral(" inet dhcp\n");
    return p + QStringLiteral("auto ") + i + QStringLiteral(" \n")
        + p + QStringLiteral("iface ") + i + QStringLiteral(" inet static \n")
        + p + QStringLiteral("    address ") + b.address + QStringLiteral(" \n")
        + p + QStringLiteral("    netmask ") + b.netmask + QStringLiteral(" \n")
        + p + QStringLiteral("    gateway ") + b.gateway + QStringLiteral(" \n");
}

// The first value that may not go into a file, by the name the log shows.
QString firstRefused(const QList<QPair<const char *, QString>> &values, bool (*refused)(const QString &))
{
    for (const auto &v : values)
        if (refused(v.second))
            return QLatin1String(v.first);
    return QString();
}

bool notAToken(const QString &value)
{
    return hasControlCharacter(value) || hasBlank(value);
}

const char kSupplicantHead[] = "ctrl_interface=/var/run/wpa_supplicant\n"
                               "ctrl_interface_group=0\n";
const char kPersonalHead[] = "eapol_version=1\n"
                             "ap_scan=1\n"
                             "fast_reauth=1\n"
                             "\n"
                             "country=US\n"
                             "\n";

QString quoted(const QString &value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

QByteArray NetworkSetupCodec::interfacesFile(const InterfaceBlock &ethernet, const InterfaceBlock &wifi,
                                             QString *refusedField)
{
    const QString refused = firstRefused({{"Ethernet interface", ethernet.interface},
                                          {"Ethernet address", ethernet.address},
                                          {"Ethernet netmask", ethernet.netmask},
                                          {"Ethernet gateway", ethernet.gateway},
                                          {"Wi-Fi interface", wifi.interface},
                                          {"Wi-Fi address", wifi.address},
                                          {"Wi-Fi netmask", wifi.netmask},
                                          {"Wi-Fi gateway", wifi.gateway}},
                                         notAToken);
    if (refusedField)
        *refusedField = refused;
    if (!refused.isEmpty())
        return QByteArray();
    const QString text = QStringLiteral("auto lo\niface lo inet loopback\n\n") + interfaceBlock(ethernet)
        + QLatin1Char('\n') + interfaceBlock(wifi);
    return text.toUtf8();
}

QByteArray NetworkSetupCodec::wpaSupplicantFile(const WifiSettings &s, QString *refusedField)
{
    const QString refused = firstRefused({{"SSID", s.ssid}, {"password", s.password}, {"identity", s.identity}},
                                         hasControlCharacter);
    if (refusedField)
        *refusedField = refused;
    if (!refused.isEmpty())
        return QByteArray();

    QString text = QLatin1String(kSupplicantHead);
    if (s.enterprise) {
        text += QStringLiteral("update_config=1\n"
                               "ap_scan=1\n"
                               "network={\n"
                               "  ssid=%1\n"
                               "  scan_ssid=1\n"
                               "  key_mgmt=WPA-EAP\n"
                               "  identity=%2\n"
                               "  password=%3\n"
                               "  eap=PEAP\n"
                               "  phase1=\"peaplabel=0\"\n"
                               "  phase2=\"auth=MSCHAPV2\"\n"
                               "  proto=RSN\n"
                               "}\n")
                    .arg(quoted(s.ssid), quoted(s.identity), quoted(s.password));
    } else if (s.password.isEmpty()) {
        text += QLatin1String(kPersonalHead)
            + QStringLiteral("network={\n"
                             "  ssid=%1\n"
                             "  scan_ssid=1\n"
                             "  key_mgmt=NONE\n"
                             "}\n")
                  .arg(quoted(s.ssid));
    } else {
        text += QLatin1String(kPersonalHead)
            + QStringLiteral("network={\n"
                             "  ssid=%1\n"
                             "  scan_ssid=1\n"
                             "  psk=%2\n"
                             "  proto=RSN\n"
                             "  key_mgmt=WPA-PSK\n"
                             "}\n")
                  .arg(quoted(s.ssid), quoted(s.password));
    }
    return text.toUtf8();
}

NetworkSetupCodec::Credentials NetworkSetupCodec::readCredentials(const QByteArray &text)
{
    Credentials c;
    QTextStream in(text);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        // The lines of a supplicant's network block are indented.
        const QStringList parts = in.readLine().trimmed().split(QLatin1Char('='));
        if (parts.size() != 2)
            continue;
        // The value's first and last characters are its quotes.
        const QString value = parts.at(1).size() >= 2 ? parts.at(1).mid(1, parts.at(1).size() - 2) : QString();
        if (parts.at(0) == QLatin1String("ssid")) {
            c.hasSsid = true;
            c.ssid = value;
        } else if (parts.at(0) == QLatin1String("psk")) {
            c.hasPassword = true;
            c.password = value;
        }
    }
    return c;
}

QString NetworkSetupCodec::defaultGateway(const QByteArray &routeOutput, const QString &interface)
{
    QString gateway;
    const QList<QByteArray> lines = routeOutput.split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("0.0.0.0"))
            continue;
        const QStringList fields = QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() >= 2 && fields.last() == interface)
            gateway = fields.at(1);
    }
    return gateway;
}

qint64 NetworkSetupCodec::processId(const QByteArray &pidFile)
{
    bool ok = false;
    const qint64 pid = pidFile.trimmed().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

QString NetworkSetupCodec::signalQuality(int levelDbm)
{
    int quality;
    if (levelDbm > -50)
        quality = 100;
    else if (levelDbm >= -95)
        quality = 2 * (levelDbm + 100);
    else
        quality = 0;
    return QString::number(quality) + QStringLiteral("/100");
}

QString NetworkSetupCodec::scanResults(const QByteArray &iwlistOutput)
{
    static const QRegularExpression header(
        QStringLiteral("Cell (\\d{2}) - Address: (\\w{2}:\\w{2}:\\w{2}:\\w{2}:\\w{2}:\\w{2})"));
    static const QRegularExpression frequency(QStringLiteral("Frequency:(\\d+\\.\\d+) GHz.*Channel (\\d+)"));
    // The name runs to the last quote of its own line: an SSID may hold
    // quotes, and a later line's quote is not part of it.
    static const QRegularExpression essid(QStringLiteral("ESSID:\"(.*)\""));
    static const QRegularExpression signal(QStringLiteral("Signal level=(-+\\d+|\\d+/\\d+)"));
    static const QRegularExpression fraction(QStringLiteral("^(\\d+)/(\\d+)$"));

    const QString output = QString::fromUtf8(iwlistOutput);
    QList<QRegularExpressionMatch> cells;
    QRegularExpressionMatchIterator it = header.globalMatch(output);
    while (it.hasNext())
        cells << it.next();

    QJsonArray list;
    for (int i = 0; i < cells.size(); ++i) {
        const QRegularExpressionMatch &cell = cells.at(i);
        const int end = i + 1 < cells.size() ? cells.at(i + 1).capturedStart() : output.size();
        const QString block = output.mid(cell.capturedStart(), end - cell.capturedStart());

        const QRegularExpressionMatch f = frequency.match(block);
        QString ssid = essid.match(block).captured(1);
        if (ssid.isEmpty())
            ssid = QStringLiteral("--hidden--");
        QString level = signal.match(block).captured(1);
        if (!level.isEmpty() && !fraction.match(level).hasMatch())
            level = signalQuality(level.toInt());

        QJsonObject entry;
        entry.insert(QStringLiteral("cell"), cell.captured(1).toInt());
        entry.insert(QStringLiteral("macAddr"), cell.captured(2));
        entry.insert(QStringLiteral("ssid"), ssid);
        entry.insert(QStringLiteral("signalLevel"), level);
        entry.insert(QStringLiteral("freq"), f.captured(1));
        entry.insert(QStringLiteral("chan"), f.captured(2));

        const auto strength = [](const QJsonValue &v) {
            return v.toString().section(QLatin1Char('/'), 0, 0).toInt();
        };
        int known = -1;
        for (int k = 0; k < list.size() && known < 0; ++k)
            if (list.at(k).toObject().value(QStringLiteral("ssid")).toString() == ssid)
                known = k;
        if (known < 0)
            list.append(entry);
        else if (strength(entry.value(QStringLiteral("signalLevel")))
                 > strength(list.at(known).toObject().value(QStringLiteral("signalLevel"))))
            list.replace(known, entry);
    }
    if (list.isEmpty())
        return QString();
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
}
