#include "kiviotagentadapter.h"

#include "core/cabinetiotservices.h"
#include "alarms/kiverrorcontrollert.h"
#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "network/wifimonitor.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "ui/translator.h"
#include "iot/iotwire.h"
#include "iot/iotservices.h"
#include "iot/kivriot.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>
#include <limits>

const char KivIotAgentAdapter::kPath[] = "/iotproxy";
const char KivIotAgentAdapter::kInterface[] = "org.orbanta.IoTProxy";
const char KivIotAgentAdapter::kMember[] = "iotproxy";

using IotWire::hex;
using IotWire::nearestSecond;

namespace {

const char kUpdatesDir[] = "/home/orbanta/updates/";
const int kUnzipTimeoutMs = 30000;
const int kErrorDescLength = 32;
const int kHoldStatusEnded = 4;
const int kWifiMode = 1;
const int kCustomerBrandedA = 1;

quint64 parseHex(const QString &text)
{
    return text.toULongLong(nullptr, 16);
}

QString nowText()
{
    return QString::number(KivClock::msecsSinceEpoch() / 1000);
}

QString nowRoundedText()
{
    return QString::number(nearestSecond(KivClock::msecsSinceEpoch()));
}

int productOfPan(quint64 pan)
{
    return int((pan >> 40) & 0xff);
}

// The language indexes a customer's menus carry names in.
int languageCount(int customerId)
{
    if (customerId == 2 || customerId == 3)
        return 3;
    if (customerId == 5)
        return 2;
    return 15;
}

// A menu value as an integer, or the fallback when it is not a number.
int numberOr(const QVariant &value, int fallback)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

} // namespace

KivIotAgentAdapter::KivIotAgentAdapter(QObject *parent)
    : QObject(parent)
{
}

// ---------------------------------------------------------------------------
// Pointers and services.

void KivIotAgentAdapter::set_cabinetManager(CabinetManager *cabinetManager)
{
    m_cabinetManager = cabinetManager;
    rebuildServices();
}

void KivIotAgentAdapter::set_menuManager(MenuManager *menuManager)
{
    m_menuManager = menuManager;
    rebuildServices();
}

void KivIotAgentAdapter::set_configManager(ConfigurationManager *configManager)
{
    m_configManager = configManager;
    rebuildServices();
}

void KivIotAgentAdapter::set_dayPartManager(DayPartManager *dayPartManager)
{
    m_dayPartManager = dayPartManager;
    rebuildServices();
}

void KivIotAgentAdapter::set_translator(Translator *translator)
{
    m_translator = translator;
    rebuildServices();
}

void KivIotAgentAdapter::rebuildServices()
{
    delete m_cabinetServices;
    // The cabinet's own components are found through it.
    CabinetManager *cabinet = m_cabinetManager;
    CabinetIotServices::Components components;
    components.cabinet = cabinet;
    components.config = m_configManager;
    components.menus = m_menuManager;
    components.dayParts = m_dayPartManager;
    components.nfc = cabinet ? cabinet->findChild<NFCmanager *>() : nullptr;
    components.io = cabinet ? cabinet->findChild<MasterIoManager *>() : nullptr;
    components.errors = cabinet ? cabinet->findChild<KivErrorControllerT *>() : nullptr;
    components.wifi = cabinet ? cabinet->findChild<WifiMonitor *>() : nullptr;
    m_cabinetServices = new CabinetIotServices(components, this);
    m_services = m_cabinetServices;
    m_servicesGiven = false;
}

void KivIotAgentAdapter::setServices(IotServices *services)
{
    m_services = services;
    m_servicesGiven = true;
}

bool KivIotAgentAdapter::ready(int needs, const char *operation) const
{
    if (needs == 0)
        return true;
    if (!m_services) {
        qWarning().noquote() << "KivIotAgentAdapter:" << operation << "ignored: no cabinet components set";
        return false;
    }
    if (m_servicesGiven)
        return true;
    QStringList missing;
    if ((needs & NeedCabinet) && !m_cabinetManager)
        missing << QStringLiteral("cabinet manager");
    if ((needs & NeedMenu) && !m_menuManager)
        missing << QStringLiteral("menu manager");
    if ((needs & NeedConfig) && !m_configManager)
        missing << QStringLiteral("configuration manager");
    if ((needs & NeedDayParts) && !m_dayPartManager)
        missing << QStringLiteral("day-part manager");
    if ((needs & NeedTranslator) && !m_translator)
        missing << QStringLiteral("translator");
    if (missing.isEmpty())
        return true;
    qWarning().noquote() << "KivIotAgentAdapter:" << operation
                         << "ignored: not set:" << missing.join(QStringLiteral(", "));
    return false;
}

// ---------------------------------------------------------------------------
// Backup properties.

void KivIotAgentAdapter::set_systemBackupActive(bool value)
{
    if (m_systemBackupActive == value)
        return;
    m_systemBackupActive = value;
    emit systemBackupActiveChanged(value);
}

void KivIotAgentAdapter::set_systemBackupProgress(int value)
{
    if (m_systemBackupProgress == value)
        return;
    m_systemBackupProgress = value;
    emit systemBackupProgressChanged(value);
}

void KivIotAgentAdapter::set_forcedPackageActive(bool value)
{
    if (m_forcedPackageActive == value)
        return;
    m_forcedPackageActive = value;
    emit forcedPackageActiveChanged(value);
}

// ---------------------------------------------------------------------------
// The frame.

void KivIotAgentAdapter::writeDbusMessage(QString path, QString interface, QString member, QString &json)
{
    if (m_sender) {
        m_sender(path, interface, member, json);
        return;
    }
    QDBusMessage message = QDBusMessage::createSignal(path, interface, member);
    message << json;
    QDBusConnection::systemBus().send(message);
}

void KivIotAgentAdapter::send(const QJsonObject &event)
{
    QString text = KivRiot::serialise(event);
    writeDbusMessage(QLatin1String(kPath), QLatin1String(kInterface), QLatin1String(kMember), text);
}

void KivIotAgentAdapter::addIdentity(QJsonObject *event, bool withLocation) const
{
    event->insert(QStringLiteral("modelNumber"), m_services->modelNumber());
    event->insert(QStringLiteral("serialNumber"), m_services->serialNumber());
    if (withLocation)
        event->insert(QStringLiteral("location"), m_services->storeNumber());
    event->insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
}

void KivIotAgentAdapter::sendCommandError(QString command, qlonglong cmdTimeStamp, QString batchId, QString description)
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("commandError"));
    event.insert(QStringLiteral("timestamp"), nowText());
    event.insert(QStringLiteral("commandTs"), cmdTimeStamp);
    event.insert(QStringLiteral("command"), command);
    event.insert(QStringLiteral("batch"), QJsonObject{{QStringLiteral("id"), batchId}});
    event.insert(QStringLiteral("errorDesc"), description);
    send(event);
}

// ---------------------------------------------------------------------------
// Commands.

void KivIotAgentAdapter::handleReceivedIoTInfo(QString iotJsonInfo)
{
    if (!ready(NeedCabinet, "handleReceivedIoTInfo"))
        return;
    const QJsonDocument document = QJsonDocument::fromJson(iotJsonInfo.toUtf8());
    if (m_services->systemBackupInProgress())
        return;
    qDebug().noquote() << "handleReceivedIoTInfo:\n" + QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    qDebug().noquote() << QString(48, QLatin1Char('*'));
    if (document.isNull()) {
        qDebug() << "RIOT Received Document Error!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    if (!document.isObject()) {
        qDebug() << "RIOT Received Object Error!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    const QJsonObject object = document.object();
    const QString event = object.value(QStringLiteral("event")).toString();

    if (event == QLatin1String("locationUpdate")) {
        const QString value = object.value(QStringLiteral("value")).toString();
        if (!value.isEmpty() && ready(NeedConfig, "locationUpdate")) {
            m_services->setStoreNumber(value);
            m_services->saveConfigFile();
        }
    } else if (event == QLatin1String("reset") || event == QLatin1String("restart")) {
        handleResetHoldCycleCommand(object);
    } else if (event == QLatin1String("holdingList")) {
        handleHoldingListCommand(object);
    } else if (object.value(QStringLiteral("command")).toString() == QLatin1String("performanceDataIntervalCmd")) {
        if (ready(NeedConfig, "performanceDataIntervalCmd")) {
            m_services->setPerformanceDataInterval(object.value(QStringLiteral("value")).toInt());
            m_services->saveConfigFile();
        }
    } else if (event == QLatin1String("sdkError")) {
        handleSdkErrorReceivedCommand(object);
    } else if (event == QLatin1String("firmwareUpdateAvailable")) {
        qDebug() << "Firmware update command received!!!!";
    } else if (event == QLatin1String("menuUpdateAvailable")) {
        qDebug() << "Menu update command received";
    } else if (event == QLatin1String("UpdateAvailable")) {
        handleMenuUpdateCommand(object);
    } else if (event == QLatin1String("networkSettings")) {
        handleNetworkSettingsCommand(object);
    } else if (event == QLatin1String("iotSwVersion")) {
        const QString version = object.value(QStringLiteral("value")).toString();
        qDebug().noquote() << "iotSwVersion command received ===>" + version;
        if (ready(NeedConfig, "iotSwVersion"))
            m_services->setIotSoftwareVersion(version);
    } else if (event == QLatin1String("IoTConnectionStatus")) {
        if (ready(NeedConfig, "IoTConnectionStatus"))
            m_services->setIotConnected(object.value(QStringLiteral("status")).toString() ==
                                        QLatin1String("connected"));
    } else {
        handleUnkownIoTCommand(object);
    }
}

void KivIotAgentAdapter::handleUnkownIoTCommand(QJsonObject iotJsonObj)
{
    const QJsonValue batch = iotJsonObj.value(QStringLiteral("batch"));
    sendCommandError(iotJsonObj.value(QStringLiteral("event")).toString(),
                     IotWire::wholeNumber(iotJsonObj.value(QStringLiteral("timestamp"))),
                     batch.isObject() ? batch.toObject().value(QStringLiteral("id")).toString() : QString(),
                     QStringLiteral("Unkown IoT Event"));
}

void KivIotAgentAdapter::handleSdkErrorReceivedCommand(QJsonObject iotJsonObj)
{
    const int code = iotJsonObj.value(QStringLiteral("errorCode")).toString().toInt();
    const QPair<int, int> group = IotWire::sdkErrorGroup(code);
    emit iotSdkErrorInfo(8, group.first, group.second, 0);
}

void KivIotAgentAdapter::handleResetHoldCycleCommand(QJsonObject iotJsonObj)
{
    if (!ready(NeedConfig | NeedCabinet | NeedMenu, "handleResetHoldCycleCommand"))
        return;
    const QString command = iotJsonObj.value(QStringLiteral("event")).toString();
    const qint64 commandTs = IotWire::wholeNumber(iotJsonObj.value(QStringLiteral("timestamp")));
    const QJsonObject cabinet = iotJsonObj.value(QStringLiteral("cabinet")).toObject();
    const QString batchId = iotJsonObj.value(QStringLiteral("batch")).toObject().value(QStringLiteral("id")).toString();

    QString error;
    if (cabinet.value(QStringLiteral("serialNumber")).toString() != m_services->serialNumber()) {
        error = QStringLiteral("Serial number error");
    } else if (cabinet.value(QStringLiteral("cabinetUuid")).toString() != m_services->uuidNumber()) {
        error = QStringLiteral("Cabinet UUID error");
    } else {
        const quint64 uid = parseHex(iotJsonObj.value(QStringLiteral("panId")).toString());
        const qint64 now = KivClock::msecsSinceEpoch();
        IotServices::PanTag tag;
        if (!m_services->findPanTag(uid, &tag) || tag.batchId != batchId) {
            error = QStringLiteral("Hold record not found");
        } else {
            // A record's position is a byte from outside; one past the
            // cabinet's bins cannot be the pan's bin, so the pan counts as
            // not in its bin.
            const int position = tag.position;
            const bool inOwnBin = position >= 0 && position < IotServices::MaxBins &&
                                  position < m_services->traysPerCabinet() &&
                                  m_services->binTagUid(position) == tag.uid;
            if (inOwnBin) {
                m_services->stopBinTimer(position);
                m_services->setPanHoldStatus(uid, kHoldStatusEnded);
                m_services->setPanActivationTimeStamp(uid, now);
            } else {
                m_services->deregisterPanTag(uid);
            }
            m_services->emitHoldStopped(QString::number(now / 1000), m_services->productName(productOfPan(tag.uid)),
                                          hex(uid), position, QStringLiteral("auto"), 0);
            if (command == QLatin1String("restart"))
                m_services->setPanRestartRequested(uid, true);
        }
    }
    if (!error.isEmpty())
        sendCommandError(command, commandTs, batchId, error);
}

void KivIotAgentAdapter::handleNetworkSettingsCommand(QJsonObject iotJsonObj)
{
    if (!ready(NeedConfig, "handleNetworkSettingsCommand"))
        return;
    const qint64 commandTs = IotWire::wholeNumber(iotJsonObj.value(QStringLiteral("timestamp")));
    if (iotJsonObj.value(QStringLiteral("networkMode")).toString() != QLatin1String("wifi")) {
        sendCommandError(QStringLiteral("networkSettings"), commandTs, QString(),
                         QStringLiteral("Invalid network mode!"));
        return;
    }
    m_services->setWifiSSID(iotJsonObj.value(QStringLiteral("SSID")).toString());
    m_services->setWifiPassword(iotJsonObj.value(QStringLiteral("password")).toString());
    m_services->setStaticIPEnabled(false);
    m_services->saveConfigFile();
}

void KivIotAgentAdapter::handleHoldingListCommand(QJsonObject iotJsonObj)
{
    if (!ready(NeedConfig | NeedCabinet, "handleHoldingListCommand"))
        return;
    const qint64 commandTs = IotWire::wholeNumber(iotJsonObj.value(QStringLiteral("timestamp")));
    const QJsonObject cabinet = iotJsonObj.value(QStringLiteral("cabinet")).toObject();
    if (cabinet.value(QStringLiteral("location")).toString() != m_services->storeNumber()) {
        sendCommandError(QStringLiteral("holdingList"), commandTs, QString(), QStringLiteral("Invalid location!"));
        return;
    }
    const QString uuid = cabinet.value(QStringLiteral("cabinetUuid")).toString();
    if (uuid == m_services->uuidNumber())
        return;
    const QJsonValue holdInfo = iotJsonObj.value(QStringLiteral("holdInfo"));
    if (!holdInfo.isArray())
        return;

    QList<IotServices::PanTag> records;
    for (const QJsonValue &element : holdInfo.toArray()) {
        const QJsonObject entry = element.toObject();
        const QJsonValue panId = entry.value(QStringLiteral("panId"));
        bool ok = false;
        const quint64 uid = panId.toString().toULongLong(&ok, 16);
        if (!panId.isString() || !ok)
            continue;
        IotServices::PanTag record;
        record.uid = uid;
        record.holdStatus = int(IotWire::wholeNumber(entry.value(QStringLiteral("status"))) & 0xff);
        record.position = int(IotWire::wholeNumber(entry.value(QStringLiteral("bin"))) & 0xff);
        record.seenInCabinet = entry.value(QStringLiteral("inCabinet")).toBool();
        record.crc32 = quint32(IotWire::wholeNumber(entry.value(QStringLiteral("crc32"))));
        record.batchId = entry.value(QStringLiteral("batch")).toObject().value(QStringLiteral("id")).toString();
        // Seconds on the wire, milliseconds in the record; a value too large
        // to become milliseconds is not a time.
        const qint64 expiration = IotWire::wholeNumber(entry.value(QStringLiteral("expiration")));
        const qint64 activation = IotWire::wholeNumber(entry.value(QStringLiteral("activationTS")));
        const qint64 limit = std::numeric_limits<qint64>::max() / 1000;
        record.expTime = qAbs(expiration) <= limit ? expiration * 1000 : 0;
        record.activationTimeStamp = qAbs(activation) <= limit ? activation * 1000 : 0;
        records.append(record);
    }
    m_services->replaceRemoteHoldingList(uuid, records);

    // A pan started again in the other cabinet after its start here has
    // moved there.
    for (const IotServices::PanTag &record : qAsConst(records)) {
        IotServices::PanTag local;
        if (m_services->findPanTag(record.uid, &local) && local.activationTimeStamp + 500 < record.activationTimeStamp)
            m_services->removePanTagAndStopTimer(record.uid);
    }
}

void KivIotAgentAdapter::handleMenuUpdateCommand(QJsonObject)
{
    const QString platformDir = QLatin1String(kUpdatesDir);
    const QDir dir(KivRoot::path(platformDir));
    if (!dir.exists())
        return;
    const QStringList files =
        dir.entryList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const auto zip = std::find_if(files.cbegin(), files.cend(), [](const QString &name) {
        return name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
    });
    if (zip == files.cend())
        return;
    // The paths go to the tool as separate arguments, so a name with a space
    // stays one name.
    const QString zipPath = KivRoot::path(platformDir + *zip);
    ToolRunner::run(
        QStringLiteral("/usr/bin/unzip"),
        {QStringLiteral("-o"), zipPath, QStringLiteral("-d"), KivRoot::path(platformDir + QLatin1String("menu/"))},
        nullptr, 2 * kUnzipTimeoutMs);
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    QFile::remove(zipPath);
}

// ---------------------------------------------------------------------------
// Package notices.

void KivIotAgentAdapter::packageCheckResult(bool packageName, QString packageState)
{
    qDebug().noquote() << "packageCheckResults" << (packageName ? "true" : "false") << ":" << packageState;
}

void KivIotAgentAdapter::forcedPackageChecked(QString packageName, bool packageState)
{
    qDebug().noquote() << "forcedPackageChecked" << packageName << ":" << (packageState ? "true" : "false");
    set_forcedPackageActive(packageState);
}

void KivIotAgentAdapter::newPackageAvailable(QString packageName, QString packageState)
{
    qDebug().noquote() << "newPackageAvailable" << packageName << ":" << packageState;
}

void KivIotAgentAdapter::packageUpdateState(QString, QString packageState)
{
    if (packageState == QLatin1String("System Backup Started")) {
        qDebug() << "System Backup Started !!!!!!!!!!!!!!";
        set_systemBackupActive(true);
    } else if (packageState == QLatin1String("System Update Started")) {
        qDebug() << "System Update Started !!!!!!!!!!!!!!";
        set_systemBackupActive(false);
    } else {
        const int progress = IotWire::firstNumber(packageState);
        if (progress < 0)
            return;
        set_systemBackupProgress(progress);
        if (progress > 0)
            set_systemBackupActive(true);
    }
}

// ---------------------------------------------------------------------------
// Settings and status events.

void KivIotAgentAdapter::sendNetworkSettings()
{
    if (!ready(NeedConfig, "sendNetworkSettings"))
        return;
    if (!m_services->networkSettingsUpdated())
        return;
    m_services->setNetworkSettingsUpdated(false);
    const IotServices::NetworkSettings network = m_services->networkSettings();

    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("networkSettings"));
    event.insert(QStringLiteral("timestamp"), nowText());
    if (network.mode == kWifiMode) {
        event.insert(QStringLiteral("networkMode"), QStringLiteral("wifi"));
        event.insert(QStringLiteral("ssid"), network.wifiSSID);
        event.insert(QStringLiteral("password"), network.wifiPassword);
        if (network.wpaEnabled) {
            event.insert(QStringLiteral("security type"), QStringLiteral("WPA2-EAP"));
            event.insert(QStringLiteral("identity"), network.wifiIdentity);
        } else if (!network.wifiPassword.isEmpty()) {
            event.insert(QStringLiteral("security type"), QStringLiteral("WPA2-PSK"));
        } else {
            event.insert(QStringLiteral("security type"), QStringLiteral("None"));
        }
        event.insert(QStringLiteral("dhcp"), network.wifiStaticIp ? QStringLiteral("No") : QStringLiteral("Yes"));
        event.insert(QStringLiteral("ip"), network.wifiIpAddr);
        event.insert(QStringLiteral("gateway"), network.wifiGateway);
        event.insert(QStringLiteral("broadcast"), network.wifiBroadcast);
        event.insert(QStringLiteral("netmask"), network.wifiNetmask);
    } else {
        event.insert(QStringLiteral("networkMode"), QStringLiteral("ethernet"));
        event.insert(QStringLiteral("dhcp"), network.staticIPEnabled ? QStringLiteral("No") : QStringLiteral("Yes"));
        event.insert(QStringLiteral("ip"), network.ipAddress);
        event.insert(QStringLiteral("gateway"), network.gateway);
        event.insert(QStringLiteral("broadcast"), network.ethBroadcast);
        event.insert(QStringLiteral("netmask"), network.netmask);
    }
    send(event);
}

void KivIotAgentAdapter::sendPreheatStarted(QString)
{
    if (!ready(NeedConfig | NeedDayParts, "sendPreheatStarted"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("preheatStart"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("daypart"), m_services->dayPartName(m_services->currentDayPart()));
    send(event);
}

void KivIotAgentAdapter::sendPreheatCompleted(QString, int bin, int)
{
    if (!ready(NeedConfig, "sendPreheatCompleted"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("preheatComplete"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("bin"), bin + 1);
    send(event);
}

void KivIotAgentAdapter::sendDaypartChanged(QString, int zoneIndex, int newDaypart, int prevDaypart)
{
    if (!ready(NeedConfig | NeedDayParts, "sendDaypartChanged"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("daypartChange"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("daypart"),
                 QJsonObject{{QStringLiteral("zone"), zoneIndex + 1},
                             {QStringLiteral("new"), m_services->dayPartName(newDaypart)},
                             {QStringLiteral("prev"), m_services->dayPartName(prevDaypart)}});
    send(event);
}

void KivIotAgentAdapter::sendLanguageChanged(int languageId)
{
    if (!ready(NeedConfig, "sendLanguageChanged"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("languageChange"));
    event.insert(QStringLiteral("timestamp"), nowRoundedText());
    addIdentity(&event);
    event.insert(QStringLiteral("language"), languageId);
    send(event);
}

void KivIotAgentAdapter::sendPasscodeChanged(QString newPasscode)
{
    if (!ready(NeedConfig, "sendPasscodeChanged"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("passcodeChange"));
    event.insert(QStringLiteral("timestamp"), nowRoundedText());
    addIdentity(&event);
    event.insert(QStringLiteral("passcode"), newPasscode);
    send(event);
}

void KivIotAgentAdapter::sendPasscodeEntered(QString screen, int userLevel, bool authenticated)
{
    if (!ready(NeedConfig, "sendPasscodeEntered"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("passcodeEntered"));
    event.insert(QStringLiteral("timestamp"), nowRoundedText());
    addIdentity(&event);
    event.insert(QStringLiteral("screen"), screen);
    event.insert(QStringLiteral("authenticated"), authenticated);
    event.insert(QStringLiteral("userType"), userLevel);
    send(event);
}

QJsonObject KivIotAgentAdapter::mismatchEvent(const QString &name, const QString &timeStamp, int binIndex,
                                              const QString &binProductType) const
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), name);
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("eventId"), m_services->misMatchId(binIndex));
    event.insert(QStringLiteral("timer"),
                 QJsonObject{{QStringLiteral("bin"), binIndex + 1},
                             {QStringLiteral("productName"), binProductType},
                             {QStringLiteral("productId"), m_services->productIdFromBin(binIndex)}});
    const quint64 pan = m_services->misMatchedPanId(binIndex);
    event.insert(QStringLiteral("pan"),
                 QJsonObject{{QStringLiteral("panId"), hex(pan)},
                             {QStringLiteral("productName"), m_services->productName(productOfPan(pan))},
                             {QStringLiteral("productId"), productOfPan(pan)}});
    return event;
}

void KivIotAgentAdapter::sendBinMismatchAlert(QString timeStamp, QString, QString, int binIndex, QString binProductType)
{
    if (ready(NeedConfig | NeedCabinet | NeedMenu, "sendBinMismatchAlert"))
        send(mismatchEvent(QStringLiteral("binMisMatchAlert"), timeStamp, binIndex, binProductType));
}

void KivIotAgentAdapter::sendBinMismatchClear(QString timeStamp, QString, QString, int binIndex, QString binProductType)
{
    if (ready(NeedConfig | NeedCabinet | NeedMenu, "sendBinMismatchClear"))
        send(mismatchEvent(QStringLiteral("binMisMatchClear"), timeStamp, binIndex, binProductType));
}

void KivIotAgentAdapter::sendRestaurantNumberUpdated(QString restaurantNumber, QString oldValue)
{
    if (!ready(NeedConfig, "sendRestaurantNumberUpdated"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("restaurantNumberUpdated"));
    event.insert(QStringLiteral("timestamp"), nowRoundedText());
    addIdentity(&event, false);
    event.insert(QStringLiteral("locationNumber"),
                 QJsonObject{{QStringLiteral("new"), restaurantNumber}, {QStringLiteral("prev"), oldValue}});
    send(event);
}

void KivIotAgentAdapter::sendSystemUpdated(QString timeStamp, bool result)
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("Updated"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    event.insert(QStringLiteral("status"), result ? QStringLiteral("Success") : QStringLiteral("Failed"));
    send(event);
}

void KivIotAgentAdapter::sendFirmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method,
                                             bool result)
{
    if (!ready(NeedConfig, "sendFirmwareUpdated"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("firmwareUpdated"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("firmware"), QJsonObject{{QStringLiteral("success"), result},
                                                         {QStringLiteral("method"), method},
                                                         {QStringLiteral("new"), newVersion},
                                                         {QStringLiteral("prev"), prevVersion}});
    send(event);
}

void KivIotAgentAdapter::sendPerformanceDataInterval(int value)
{
    if (!ready(NeedConfig, "sendPerformanceDataInterval"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("performanceDataInterval"));
    event.insert(QStringLiteral("timestamp"), nowRoundedText());
    addIdentity(&event);
    event.insert(QStringLiteral("performanceDataInterval"), value);
    send(event);
}

// ---------------------------------------------------------------------------
// Menu snapshots.

QJsonObject KivIotAgentAdapter::languageNames(const std::function<QString(int)> &nameIn) const
{
    QJsonObject names;
    for (int language = 0; language < languageCount(m_services->customerId()); ++language)
        names.insert(m_services->languageCode(language), nameIn(language));
    return names;
}

QJsonArray KivIotAgentAdapter::dayPartsInfoToJsonArray()
{
    QJsonArray dayParts;
    if (!ready(NeedCabinet | NeedDayParts | NeedTranslator, "dayPartsInfoToJsonArray"))
        return dayParts;
    const int count = m_services->dayPartsCount();
    // The slot table holds IotServices::MaxBins bins per day part.
    const int bins = qBound(0, m_services->traysPerCabinet(), IotServices::MaxBins);
    for (int dayPart = 0; dayPart < count; ++dayPart) {
        QJsonArray locations;
        for (int bin = 0; bin < bins; ++bin)
            locations.append(QJsonObject{{QStringLiteral("bin"), bin + 1},
                                         {QStringLiteral("productId"), m_services->productIdOnBin(dayPart, bin)}});
        dayParts.append(QJsonObject{{QStringLiteral("daypartName"), languageNames([&](int language) {
                                         return m_services->dayPartName(language, dayPart);
                                     })},
                                    {QStringLiteral("productLocations"), locations}});
    }
    return dayParts;
}

QJsonArray KivIotAgentAdapter::productsInfoToJsonArray()
{
    QJsonArray products;
    if (!ready(NeedCabinet | NeedMenu | NeedTranslator, "productsInfoToJsonArray"))
        return products;
    const int rows = m_services->menuRowCount();
    for (int row = 0; row < rows; ++row) {
        const IotServices::MenuRowValues values = m_services->menuRowValues(row);
        if (values.groupId.toInt() != 0)
            continue;
        const int id = values.id.toInt();
        QJsonObject product;
        product.insert(QStringLiteral("productId"), values.id.toString());
        product.insert(QStringLiteral("productName"),
                       languageNames([&](int language) { return m_services->productName(language, id); }));
        product.insert(QStringLiteral("holdTime"), numberOr(values.holdTime, -1));
        product.insert(QStringLiteral("warningTime"), numberOr(values.warningTime, -1));
        product.insert(QStringLiteral("holdTemp"), numberOr(values.lowerTemp, -1));
        product.insert(QStringLiteral("productTemp"), numberOr(values.upperTemp, -1));
        product.insert(QStringLiteral("lidType"), values.lidType.toString());
        product.insert(QStringLiteral("bottomType"), values.bottomType.toString());
        product.insert(QStringLiteral("zoneSplits"), values.panSizeX.toString());
        products.append(product);
    }
    return products;
}

QJsonArray KivIotAgentAdapter::productGroupsInfoToJsonArray()
{
    QJsonArray groups;
    if (!ready(NeedCabinet | NeedMenu | NeedTranslator, "productGroupsInfoToJsonArray"))
        return groups;
    const int rows = m_services->menuRowCount();
    for (int row = 0; row < rows; ++row) {
        const IotServices::MenuRowValues values = m_services->menuRowValues(row);
        if (values.groupId.toInt() == 0)
            continue;
        const int groupId = values.id.toInt();
        if (groupId <= 0)
            continue;
        QJsonArray members;
        for (int productId : m_services->groupProducts(groupId))
            members.append(QJsonObject{{QStringLiteral("productId"), productId}});
        QJsonObject group;
        group.insert(QStringLiteral("groupId"), groupId);
        group.insert(QStringLiteral("groupName"),
                     languageNames([&](int language) { return m_services->productName(language, groupId); }));
        group.insert(QStringLiteral("holdTemp"), numberOr(values.lowerTemp, 0));
        group.insert(QStringLiteral("productTemp"), numberOr(values.upperTemp, 0));
        group.insert(QStringLiteral("lidType"), values.lidType.toString());
        group.insert(QStringLiteral("zoneSplits"), numberOr(values.panSizeX, 0));
        group.insert(QStringLiteral("products"), members);
        groups.append(group);
    }
    return groups;
}

// ---------------------------------------------------------------------------
// Power-on, performance, menu and error events.

void KivIotAgentAdapter::sendPowerOn()
{
    if (!ready(NeedConfig | NeedCabinet | NeedMenu | NeedDayParts | NeedTranslator, "sendPowerOn"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("powerOn"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("brandId"), m_services->customerId() == kCustomerBrandedA
                                                ? QStringLiteral("KALDMOREN-LORNET")
                                                : QStringLiteral("VESPRO"));
    event.insert(QStringLiteral("dataMode"), QStringLiteral("realtime"));
    event.insert(QStringLiteral("language"), m_services->languageId());
    event.insert(QStringLiteral("passcode"), m_services->passwdL1());
    event.insert(QStringLiteral("firmware"),
                 QJsonObject{{QStringLiteral("firmwareVersionUI"), QLatin1String(ConfigurationManager::kFirmwareVersion)},
                             {QStringLiteral("firmwareVersionIoT"), m_services->iotSoftwareVersion()},
                             {QStringLiteral("firmwareVersionIO"), m_services->ioBoardFirmwareVersion()},
                             {QStringLiteral("firmwareVersionReaderBoard"), m_services->readerFirmwareVersion()}});
    event.insert(QStringLiteral("menu"),
                 QJsonObject{{QStringLiteral("menuVersion"), QStringLiteral("current menu version")},
                             {QStringLiteral("menuDescriptionId"), QStringLiteral("current menu description id")}});
    event.insert(QStringLiteral("layout"), dayPartsInfoToJsonArray());
    event.insert(QStringLiteral("products"), productsInfoToJsonArray());
    event.insert(QStringLiteral("productGroups"), productGroupsInfoToJsonArray());
    send(event);
}

void KivIotAgentAdapter::sendPerformanceData()
{
    if (!ready(NeedConfig | NeedCabinet | NeedMenu | NeedDayParts, "sendPerformanceData"))
        return;
    const qint64 now = nearestSecond(KivClock::msecsSinceEpoch());
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("performanceData"));
    event.insert(QStringLiteral("timestamp"), QString::number(now));
    addIdentity(&event);
    event.insert(QStringLiteral("language"), m_services->languageId());
    event.insert(QStringLiteral("daypart"), m_services->currentDayPart());
    event.insert(QStringLiteral("wifiLevel"), m_services->wifiSignalLevel());

    const QVector<IotServices::BinTemperatures> bins = m_services->binInfos();
    const int count = std::min({m_services->traysPerCabinet(), int(bins.size()), IotServices::MaxBins});
    QJsonArray heater;
    QJsonArray timer;
    for (int bin = 0; bin < count; ++bin) {
        const IotServices::BinTemperatures &temperatures = bins.at(bin);
        heater.append(QJsonObject{{QStringLiteral("bin"), temperatures.binNumber + 1},
                                  {QStringLiteral("setpoint"), temperatures.targetTemp},
                                  {QStringLiteral("temperature"), temperatures.actualTemp}});
        const trayInfo record = m_services->getTrayInfo(bin);
        const int state = m_services->trayState(bin);
        const qint64 remaining = IotWire::countsToExpectedEnd(state) ? nearestSecond(record.expectedTime) - now
                                                                          : qint64(record.remainingTime);
        // The record's id is unsigned; one past the int range reads as 0.
        const int productId = record.groupId > quint32(std::numeric_limits<int>::max()) ? 0 : int(record.groupId);
        const int row = m_services->productIndex(productId);
        timer.append(QJsonObject{{QStringLiteral("bin"), record.binNumber + 1},
                                 {QStringLiteral("productId"), productId},
                                 {QStringLiteral("mode"), IotWire::trayMode(state)},
                                 {QStringLiteral("timeRemaining"), remaining},
                                 {QStringLiteral("panSize"), m_services->menuRowValues(row).panSizeX.toString()}});
    }
    event.insert(QStringLiteral("heater"), heater);
    event.insert(QStringLiteral("timer"), timer);
    send(event);
}

void KivIotAgentAdapter::sendMenuUpdated(QString timeStamp, int method, bool result)
{
    if (!ready(NeedConfig | NeedCabinet | NeedMenu | NeedDayParts | NeedTranslator, "sendMenuUpdated"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("menuUpdated"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("success"), result);
    event.insert(QStringLiteral("method"), method);
    event.insert(QStringLiteral("menu"),
                 QJsonObject{{QStringLiteral("new"), IotWire::menuDescription(m_services->importedMenu())},
                             {QStringLiteral("prev"), QString()}});
    event.insert(QStringLiteral("menuVersion"), QStringLiteral("0"));
    event.insert(QStringLiteral("layout"), dayPartsInfoToJsonArray());
    event.insert(QStringLiteral("products"), productsInfoToJsonArray());
    event.insert(QStringLiteral("groups"), productGroupsInfoToJsonArray());
    send(event);
}

QJsonObject KivIotAgentAdapter::errorEvent(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                                           const QString &value, int status) const
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("error"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("firmware"),
                 QJsonObject{{QStringLiteral("firmwareVersion"), QLatin1String(ConfigurationManager::kFirmwareVersion)}});
    event.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuVersion"), QString()},
                                                     {QStringLiteral("menuDescription"),
                                                      IotWire::menuDescription(m_services->importedMenu())}});
    event.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("errorCode"), errorCode},
                                                      {QStringLiteral("errorDesc"), errorDesc.left(kErrorDescLength)},
                                                      {QStringLiteral("errorValue"), value},
                                                      {QStringLiteral("errorStatus"), status}});
    return event;
}

namespace {

// Network-socket and IoT-SDK errors are the agent's own and go back to it.
bool agentsOwnError(const QString &errorCode)
{
    const int mainCode = errorCode.split(QLatin1Char('.')).first().toInt();
    return mainCode == 6 || mainCode == 8;
}

} // namespace

void KivIotAgentAdapter::sendError(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    if (agentsOwnError(errorCode) || !ready(NeedConfig, "sendError"))
        return;
    send(errorEvent(timeStamp, errorCode, errorDesc, value, 1));
}

void KivIotAgentAdapter::sendErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    if (agentsOwnError(errorCode) || !ready(NeedConfig, "sendErrorClear"))
        return;
    send(errorEvent(timeStamp, errorCode, errorDesc, value, 0));
}

// ---------------------------------------------------------------------------
// Holding and pan events.

int KivIotAgentAdapter::adjustedBin(int bin, bool adjust) const
{
    // A double-size pan covers bins 2k and 2k + 1 and is reported under 2k.
    if (adjust && m_services->productPanSizeFromBin(bin & 0xff) == 2)
        return bin & ~1;
    return bin;
}

QJsonObject KivIotAgentAdapter::panEvent(const QString &name, const QString &timeStamp, const QString &panId,
                                         int productId, const QString &productName, int bin, bool inCabinet) const
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), name);
    event.insert(QStringLiteral("timestamp"), timeStamp);
    event.insert(QStringLiteral("panId"), panId);
    event.insert(QStringLiteral("productId"), productId);
    event.insert(QStringLiteral("productName"), productName);
    event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                        {QStringLiteral("bin"), bin + 1},
                                                        {QStringLiteral("inCabinet"), inCabinet}});
    return event;
}

void KivIotAgentAdapter::sendHoldStart(QString timeStamp, QString productType, QString panID, int zone, QString)
{
    if (!ready(NeedConfig | NeedCabinet, "sendHoldStart"))
        return;
    const trayInfo tray = m_services->getTrayInfo(zone);
    const quint64 pan = parseHex(panID);
    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(pan, &tag);
    QJsonObject event =
        panEvent(QStringLiteral("holdStart"), timeStamp, panID, m_services->productIdFromBin(zone & 0xff), productType,
                 adjustedBin(zone, m_services->nfcEnabled()), known && tag.seenInCabinet);
    // The batch id names this holding cycle for every later event of the pan.
    event.insert(QStringLiteral("batch"), m_services->openHoldBatch(pan, known, timeStamp, tray.expectedTime, &tag));
    send(event);
}

void KivIotAgentAdapter::sendHoldStop(QString timeStamp, QString productType, QString panID, int zone, QString, int)
{
    if (!ready(NeedConfig | NeedCabinet | NeedMenu, "sendHoldStop"))
        return;
    const trayInfo tray = m_services->getTrayInfo(zone);
    const quint64 pan = parseHex(panID);
    IotServices::PanTag record;
    bool haveRecord = false;
    if (m_services->nfcEnabled()) {
        haveRecord = m_services->findPanTag(pan, &record);
        if (!haveRecord)
            return;
    }
    QString productName = productType;
    if (tray.isGroup == 1 && tray.groupId != 0)
        productName = m_services->productName(int(tray.groupId));

    QJsonObject event =
        panEvent(QStringLiteral("holdStop"), timeStamp, hex(pan), m_services->productIdFromBin(zone & 0xff),
                 productName, adjustedBin(zone, m_services->nfcEnabled()), haveRecord && record.seenInCabinet);
    QJsonObject batch;
    if (haveRecord) {
        batch.insert(QStringLiteral("id"), record.batchId);
        batch.insert(QStringLiteral("expiration"), nearestSecond(record.expTime));
    } else {
        batch.insert(QStringLiteral("id"), 0);
        batch.insert(QStringLiteral("expiration"), nearestSecond(tray.expectedTime));
    }
    batch.insert(QStringLiteral("active"), false);
    event.insert(QStringLiteral("batch"), batch);
    send(event);

    // A restart command asked for a new cycle of this pan: it starts now.
    if (haveRecord && record.restartRequested) {
        const int holdSeconds = m_services->productHoldTime(m_services->productIdFromBin(record.position));
        const qint64 now = KivClock::msecsSinceEpoch();
        m_services->setPanExpTime(pan, now + 1000 * qint64(holdSeconds));
        m_services->setPanHoldStatus(pan, 0);
        m_services->setPanActivationTimeStamp(pan, now);
        if (record.seenInCabinet)
            m_services->startBinTimer(record.position, holdSeconds, pan);
        m_services->sendHoldStartedEvent(record.position, pan, QStringLiteral("auto"));
        m_services->setPanRestartRequested(pan, false);
    }
}

void KivIotAgentAdapter::sendHoldExpired(QString timeStamp, QString productType, QString panID, int bin)
{
    if (!ready(NeedConfig | NeedCabinet, "sendHoldExpired"))
        return;
    const quint64 pan = parseHex(panID);
    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(pan, &tag);
    QJsonObject event =
        panEvent(QStringLiteral("holdExpired"), timeStamp, panID, m_services->productIdFromBin(bin & 0xff), productType,
                 adjustedBin(bin, m_services->nfcEnabled()), known && tag.seenInCabinet);
    QJsonObject batch;
    if (known) {
        batch.insert(QStringLiteral("id"), tag.batchId);
        batch.insert(QStringLiteral("expiration"), nearestSecond(tag.expTime));
    } else {
        batch.insert(QStringLiteral("id"), 0);
        batch.insert(QStringLiteral("expiration"), nowRoundedText());
    }
    batch.insert(QStringLiteral("active"), true);
    event.insert(QStringLiteral("batch"), batch);
    send(event);
}

void KivIotAgentAdapter::sendPanEvent(const QString &name, qlonglong timeStamp, int whichBin, quint64 panID,
                                      bool adjustAlways, bool productFromPan, bool activeByStatus)
{
    const trayInfo tray = m_services->getTrayInfo(whichBin);
    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(panID, &tag);
    const int productId = productFromPan ? productOfPan(panID) : m_services->productIdFromBin(whichBin & 0xff);
    QJsonObject event = panEvent(
        name, QString::number(nearestSecond(timeStamp)), hex(panID), productId, m_services->productName(productId),
        adjustedBin(whichBin, adjustAlways || m_services->nfcEnabled()), known && tag.seenInCabinet);
    QJsonObject batch;
    if (known) {
        batch.insert(QStringLiteral("id"), tag.batchId);
        batch.insert(QStringLiteral("expiration"), nearestSecond(tag.expTime));
        batch.insert(QStringLiteral("active"), activeByStatus ? tag.holdStatus == 0 : true);
    } else {
        batch.insert(QStringLiteral("id"), 0);
        batch.insert(QStringLiteral("expiration"), nearestSecond(tray.expectedTime));
        batch.insert(QStringLiteral("active"), !activeByStatus);
    }
    event.insert(QStringLiteral("batch"), batch);
    send(event);
}

void KivIotAgentAdapter::sendPanRemoved(qlonglong timeStamp, int whichBin, qulonglong panID, int)
{
    if (ready(NeedConfig | NeedCabinet | NeedMenu, "sendPanRemoved"))
        sendPanEvent(QStringLiteral("panRemoved"), timeStamp, whichBin, panID, true, true, true);
}

void KivIotAgentAdapter::sendPanReturned(qlonglong timeStamp, int whichBin, qulonglong panID, int)
{
    if (ready(NeedConfig | NeedCabinet | NeedMenu, "sendPanReturned"))
        sendPanEvent(QStringLiteral("panReturned"), timeStamp, whichBin, panID, true, false, false);
}

void KivIotAgentAdapter::sendTransfer(qlonglong timeStamp, int whichBin, qulonglong panID, int)
{
    if (ready(NeedConfig | NeedCabinet | NeedMenu, "sendTransfer"))
        sendPanEvent(QStringLiteral("transfer"), timeStamp, whichBin, panID, false, false, false);
}

void KivIotAgentAdapter::sendHoldingList(QString timeStamp)
{
    if (!ready(NeedConfig | NeedCabinet, "sendHoldingList"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("holdingList"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                        {QStringLiteral("location"), m_services->storeNumber()},
                                                        {QStringLiteral("cabinetUuid"), m_services->uuidNumber()}});
    QJsonArray holdInfo;
    for (quint64 uid : m_services->registeredPanIds()) {
        IotServices::PanTag tag;
        if (!m_services->findPanTag(uid, &tag))
            continue;
        QJsonObject batch{{QStringLiteral("id"), tag.batchId},
                          {QStringLiteral("start"), IotWire::batchStart(tag.batchId)},
                          {QStringLiteral("expiration"), nearestSecond(tag.expTime)},
                          {QStringLiteral("active"), tag.holdStatus != kHoldStatusEnded}};
        holdInfo.append(QJsonObject{{QStringLiteral("panId"), hex(tag.uid)},
                                    {QStringLiteral("status"), tag.holdStatus},
                                    {QStringLiteral("bin"), tag.position},
                                    {QStringLiteral("activationTS"), nearestSecond(tag.activationTimeStamp)},
                                    {QStringLiteral("inCabinet"), tag.seenInCabinet},
                                    {QStringLiteral("batch"), batch},
                                    {QStringLiteral("crc32"), qint64(tag.crc32)}});
    }
    event.insert(QStringLiteral("holdInfo"), holdInfo);
    send(event);
}
