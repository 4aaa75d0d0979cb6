#include "kivriot.h"

#include "iot/iotservices.h"
#include "iot/iotwire.h"
#include "iot/keyvaluelines.h"
#include "platform/boundedfile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "property/keyvaluetext.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>

#include <limits>

using IotWire::hex;
using IotWire::nearestSecond;

namespace {

const char kRiotType[] = "DEZ_RIOT";

// A tag record's hold status once a reset ended its hold.
constexpr int HoldEndedStatus = 4;
// Another cabinet's start of the same pan must be this much later than ours
// before the pan counts as taken over there.
constexpr qint64 TakeOverMarginMs = 500;
// The error catalogue's main code of the cloud software's own errors.
constexpr int SdkErrorMainCode = 8;

// Files in the application directory that carry update offers, outcomes and
// new identity numbers across runs.
const char kFirmwareInfoFile[] = "updates/firmwareUpdateInfo.txt";
const char kFirmwareResultFile[] = "updates/firmwareUpdateResult.txt";
const char kMenuInfoFile[] = "updates/menuUpdateInfo.txt";
const char kMenuStatusFile[] = "updates/menuUpdateStatus.txt";
const char kModelFile[] = "newModelInfo.txt";
const char kSerialFile[] = "newSerialInfo.txt";
const char kModelKey[] = "modelNumber";
const char kSerialKey[] = "serialNumber";
// The cloud process's credentials, tied to the cabinet's identity.
const char kCredentialsFile[] = "/creds.cfg";

QStringList offerKeys()
{
    return {QStringLiteral("fileName"), QStringLiteral("fileVersion"), QStringLiteral("attemptedAt"),
            QStringLiteral("checksumExpected")};
}

// A JSON number as a 64-bit integer, the fraction dropped; anything else,
// and a number no 64-bit integer holds, reads as 0.
qint64 jsonInteger(const QJsonValue &value)
{
    const double number = value.toDouble();
    if (!value.isDouble() || !(number > -9.2e18 && number < 9.2e18))
        return 0;
    return qint64(number);
}

// Seconds since the epoch as milliseconds; 0 for a time no 64-bit count of
// milliseconds holds.
qint64 jsonSecondsAsMsecs(const QJsonValue &value)
{
    const qint64 seconds = jsonInteger(value);
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 1000;
    if (seconds > limit || seconds < -limit)
        return 0;
    return seconds * 1000;
}

// Writes a parked file whole. It is emptied first: its readers take the last
// line of a key, so an old line left behind a shorter new content would win.
void writeParkedFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    const bool written = file.open(QIODevice::ReadWrite | QIODevice::Truncate) && file.write(content) == content.size()
        && file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    if (!written)
        qWarning().noquote() << QStringLiteral("RIOT: could not write %1: %2").arg(path, file.errorString());
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
}

// The content of a report's file; false, logged, when it cannot be read.
bool readReportFile(const QString &path, QByteArray *content)
{
    if (BoundedFile::read(path, BoundedFile::SmallFileLimit, content) == BoundedFile::Read)
        return true;
    qDebug().noquote() << "Unable to Open File !!!" << path;
    return false;
}

enum class ParkedNumber { Absent, Read, Unreadable };

// Takes a parked identity number: the value of the last "key=value" line
// whose value holds no further "=" (empty when there is none). The file is
// deleted once read; one that cannot be read stays for the next start.
ParkedNumber takeParkedNumber(const char *name, const char *key, QString *value)
{
    const QString path = KivRoot::appFile(QLatin1String(name));
    if (!QFile::exists(path))
        return ParkedNumber::Absent;
    QByteArray text;
    if (!readReportFile(path, &text))
        return ParkedNumber::Unreadable;
    value->clear();
    for (const KeyValueLines::Entry &entry : KeyValueLines::decode(text))
        if (entry.first == QLatin1String(key) && !entry.second.contains(QLatin1Char('=')))
            *value = entry.second;
    QFile::remove(path);
    return ParkedNumber::Read;
}

} // namespace

KivRiot::KivRiot(QObject *parent)
    : QObject(parent)
{
    connect(this, &KivRiot::sendEcoModeSettings, this, &KivRiot::handle_event_ecoModeSettings,
            Qt::QueuedConnection);
}

QString KivRiot::serialise(const QJsonObject &event)
{
    return QString::fromUtf8(QJsonDocument(event).toJson(QJsonDocument::Indented));
}

bool KivRiot::riotLayout() const
{
    return m_services && m_services->iotType() == QLatin1String(kRiotType);
}

void KivRiot::addIdentity(QJsonObject *event) const
{
    event->insert(QStringLiteral("modelNumber"), m_services->modelNumber());
    event->insert(QStringLiteral("serialNumber"), m_services->serialNumber());
    event->insert(QStringLiteral("location"), m_services->storeNumber());
}

void KivRiot::send(const QJsonObject &event)
{
    emit sendRiotInfo(serialise(event));
}

void KivRiot::sendAfterPowerOn(const QJsonObject &event)
{
    const QString text = serialise(event);
    if (m_powerOnReported)
        emit sendRiotInfo(text);
    else
        m_pendingEvents.append(text);
}

// ---------------------------------------------------------------------------
// Events of the back-end itself.

void KivRiot::handle_event_commandError(QString command, qint64 cmdTimeStamp, QString batchId, QString description)
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("commandError"));
    event.insert(QStringLiteral("timestamp"), QString::number(KivClock::msecsSinceEpoch() / 1000));
    event.insert(QStringLiteral("command"), command);
    event.insert(QStringLiteral("commandTs"), cmdTimeStamp);
    event.insert(QStringLiteral("batch"), QJsonObject{{QStringLiteral("id"), batchId}});
    event.insert(QStringLiteral("errorDesc"), description);
    send(event);
}

void KivRiot::handle_event_iotSettings(QString iotType)
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("iotSettings"));
    event.insert(QStringLiteral("timestamp"), QString::number(KivClock::msecsSinceEpoch() / 1000));
    event.insert(QStringLiteral("settings"), iotType);
    send(event);
}

// ---------------------------------------------------------------------------
// Holding events.

QJsonObject KivRiot::holdEventBase(const QString &event, const QString &timeStamp, const QString &productType,
                                   const QString &panId, int *bin) const
{
    QJsonObject object;
    object.insert(QStringLiteral("event"), event);
    object.insert(QStringLiteral("timestamp"), timeStamp);
    object.insert(QStringLiteral("panId"), panId);
    // The product is looked up under the bin as reported, before a
    // double-size pan moves the bin to the even one of its pair.
    object.insert(QStringLiteral("productId"), m_services->productIdFromBin(*bin) & 0xff);
    object.insert(QStringLiteral("productName"), productType.left(NameLength));
    if (m_services->nfcEnabled() && m_services->productPanSizeFromBin(*bin) == 2)
        *bin &= ~1;
    return object;
}

void KivRiot::handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString)
{
    if (!m_services)
        return;
    const trayInfo tray = m_services->getTrayInfo(zone);
    const quint64 pan = panID.toULongLong(nullptr, 16);
    int bin = zone;
    QJsonObject event = holdEventBase(QStringLiteral("holdStart"), timeStamp, productType, panID, &bin);
    const int productId = event.value(QStringLiteral("productId")).toInt();

    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(pan, &tag);
    if (riotLayout()) {
        addIdentity(&event);
        event.insert(QStringLiteral("zoneNumber"), bin + 1);
        event.insert(QStringLiteral("state"), QStringLiteral("holding"));
        if (known) {
            // A new batch id names this holding cycle; it is saved at once so
            // that it survives a restart.
            m_services->setPanBatchId(pan, hex(pan) + QLatin1Char('-') + timeStamp);
            m_services->findPanTag(pan, &tag);
            event.insert(QStringLiteral("eventUuid"), tag.batchId);
            event.insert(QStringLiteral("inCabinet"), tag.seenInCabinet);
            m_services->savePanTags();
        } else {
            event.insert(QStringLiteral("eventUuid"), QStringLiteral("null"));
            event.insert(QStringLiteral("inCabinet"), false);
        }
        event.insert(QStringLiteral("batchActive"), true);
        event.insert(QStringLiteral("holdSecondsRemaining"), m_services->productHoldTime(productId));
    } else {
        const QJsonObject batch = m_services->openHoldBatch(pan, known, timeStamp, tray.expectedTime, &tag);
        event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                            {QStringLiteral("bin"), bin + 1},
                                                            {QStringLiteral("inCabinet"), known && tag.seenInCabinet}});
        event.insert(QStringLiteral("batch"), batch);
    }
    send(event);
}

void KivRiot::handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString,
                                    int timeRemaining)
{
    if (!m_services)
        return;
    const trayInfo tray = m_services->getTrayInfo(zone);
    const quint64 pan = panID.toULongLong(nullptr, 16);

    // With tags, a stop is reported only for a pan the cabinet knows; the
    // cloud service also takes the tagless stop (pan 0) in its own layout.
    IotServices::PanTag record;
    bool haveRecord = false;
    if (m_services->nfcEnabled()) {
        haveRecord = m_services->findPanTag(pan, &record);
        if (!haveRecord && !(riotLayout() && pan == 0))
            return;
    }

    int bin = zone;
    QJsonObject event = holdEventBase(QStringLiteral("holdStop"), timeStamp, productType, hex(pan), &bin);
    if (riotLayout()) {
        IotServices::PanTag tag;
        const bool known = m_services->findPanTag(pan, &tag);
        addIdentity(&event);
        event.insert(QStringLiteral("zoneNumber"), bin + 1);
        event.insert(QStringLiteral("state"), QStringLiteral("ready"));
        event.insert(QStringLiteral("eventUuid"), known ? tag.batchId : QStringLiteral("null"));
        event.insert(QStringLiteral("inCabinet"), known && tag.seenInCabinet);
        event.insert(QStringLiteral("batchActive"), false);
        event.insert(QStringLiteral("holdSecondsRemaining"), timeRemaining);
    } else {
        QJsonObject batch;
        if (haveRecord) {
            batch.insert(QStringLiteral("id"), record.batchId);
            batch.insert(QStringLiteral("expiration"), nearestSecond(record.expTime));
        } else {
            batch.insert(QStringLiteral("id"), 0);
            batch.insert(QStringLiteral("expiration"), nearestSecond(tray.expectedTime));
        }
        batch.insert(QStringLiteral("active"), false);
        event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                            {QStringLiteral("bin"), bin + 1},
                                                            {QStringLiteral("inCabinet"), haveRecord && record.seenInCabinet}});
        event.insert(QStringLiteral("batch"), batch);
    }
    send(event);

    // A reset command may have asked for a new cycle of this pan: it starts
    // here, and its hold-start event brings a new batch id.
    if (haveRecord && record.restartRequested) {
        const int position = record.position;
        const int holdSeconds = m_services->productHoldTime(m_services->productIdFromBin(position));
        const qint64 now = KivClock::msecsSinceEpoch();
        m_services->setPanExpTime(pan, now + qint64(holdSeconds) * 1000);
        m_services->setPanHoldStatus(pan, 0);
        m_services->setPanActivationTimeStamp(pan, now);
        m_services->startBinTimer(position, holdSeconds, pan);
        m_services->sendHoldStartedEvent(position, pan, QStringLiteral("auto"));
        m_services->setPanRestartRequested(pan, false);
    }
}

void KivRiot::handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int binIndex)
{
    if (!m_services)
        return;
    const quint64 pan = panID.toULongLong(nullptr, 16);
    int bin = binIndex;
    QJsonObject event = holdEventBase(QStringLiteral("holdExpired"), timeStamp, productType, panID, &bin);
    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(pan, &tag);
    if (riotLayout()) {
        addIdentity(&event);
        event.insert(QStringLiteral("zoneNumber"), bin + 1);
        event.insert(QStringLiteral("state"), QStringLiteral("overHolding"));
        event.insert(QStringLiteral("eventUuid"), known ? tag.batchId : QStringLiteral("null"));
        event.insert(QStringLiteral("inCabinet"), known && tag.seenInCabinet);
        event.insert(QStringLiteral("batchActive"), true);
        event.insert(QStringLiteral("holdSecondsRemaining"), 0);
    } else {
        // The cloud side reads this event's bin and, without a record, its
        // expiration as texts.
        QJsonObject batch;
        if (known) {
            batch.insert(QStringLiteral("id"), tag.batchId);
            batch.insert(QStringLiteral("expiration"), nearestSecond(tag.expTime));
        } else {
            batch.insert(QStringLiteral("id"), 0);
            batch.insert(QStringLiteral("expiration"), QString::number(nearestSecond(KivClock::msecsSinceEpoch())));
        }
        batch.insert(QStringLiteral("active"), true);
        event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                            {QStringLiteral("bin"), QString::number(bin + 1)},
                                                            {QStringLiteral("inCabinet"), known && tag.seenInCabinet}});
        event.insert(QStringLiteral("batch"), batch);
    }
    send(event);
}

// ---------------------------------------------------------------------------
// Inbound messages.

void KivRiot::handleReceivedRiotInfo(QString riotJsonString)
{
    const QJsonDocument document = QJsonDocument::fromJson(riotJsonString.toUtf8());
    if (document.isNull()) {
        qDebug() << "RIOT Received Document Error!!!";
        return;
    }
    if (!document.isObject()) {
        qDebug() << "RIOT Received Object Error!!!";
        return;
    }
    if (!m_services)
        return;
    const QJsonObject message = document.object();
    const QString event = message.value(QStringLiteral("event")).toString();
    if (event == QLatin1String("command")) {
        handleCommand(message);
        return;
    }

    const QString setting = message.value(QStringLiteral("settings")).toString();
    if (event == QLatin1String("holdingList")) {
        handle_event_holdingListReceived(message);
    } else if (event == QLatin1String("firmwareUpdateAvailable")) {
        if (riotLayout())
            handle_event_firmwareUpdateInfo(message);
    } else if (event == QLatin1String("menuUpdateAvailable")) {
        if (riotLayout())
            handle_event_menuUpdateInfo(message);
    } else if (event == QLatin1String("riotConnectionStatus")) {
        if (setting == QLatin1String("connected")) {
            // Updates that finished while the service was unreachable are
            // reported now.
            m_services->setIotConnected(true);
            m_services->checkFirmwareUpdateDone();
            checkMenuUpdateDone();
        } else {
            m_services->setIotConnected(false);
        }
    } else if (event == QLatin1String("iotSwVersion")) {
        m_services->setIotSoftwareVersion(message.value(QStringLiteral("value")).toString());
    } else if (event == QLatin1String("wifiSettings")) {
        handle_event_wifiSettingsReceived(message);
    } else if (event == QLatin1String("networkReset")) {
        if (riotLayout())
            m_services->restartWifiNetworkRIoT();
        else
            m_services->restartWifiNetwork();
    } else if (event == QLatin1String("ping")) {
        handle_event_pingResponse(message);
    } else if (message.value(QStringLiteral("command")).toString() == QLatin1String("performanceDataIntervalCmd")) {
        m_services->setPerformanceDataInterval(message.value(QStringLiteral("value")).toInt());
        m_services->saveConfigFile();
    } else if (event == QLatin1String("locationUpdate")) {
        const QString location = message.value(QStringLiteral("value")).toString();
        if (!isKeyValueText(location)) {
            // The store would refuse it: a line of the configuration file
            // cannot hold it.
            handle_event_commandError(event, qint64(message.value(QStringLiteral("timestamp")).toDouble()), QString(),
                                      QStringLiteral("Invalid location!"));
        } else if (!location.isEmpty()) {
            m_services->setStoreNumber(location);
            m_services->saveConfigFile();
        }
    } else if (event == QLatin1String("reset") || event == QLatin1String("restart")) {
        handle_event_resetHoldCycle(message);
    } else if (event == QLatin1String("sdkError")) {
        handle_event_sdkErrorReceived(message);
    } else if (event == QLatin1String("provisioningState")) {
        handleProvisioningState(message.value(QStringLiteral("state")).toString());
    } else if (event == QLatin1String("certificateState")) {
        handleCertificateState(message.value(QStringLiteral("state")).toString());
    }
}

void KivRiot::handleCommand(const QJsonObject &message)
{
    QJsonObject reply;
    reply.insert(QStringLiteral("event"), QStringLiteral("commandStatus"));
    reply.insert(QStringLiteral("timestamp"), QString::number(nearestSecond(KivClock::msecsSinceEpoch())));
    addIdentity(&reply);

    const QString command = message.value(QStringLiteral("command")).toString();
    const QJsonValue commandValue = message.value(QStringLiteral("commandValue"));
    // Only a text value counts; anything else reads as an empty text.
    const QString value = commandValue.toString();
    const QString restartText = QStringLiteral(
        "New serial/model number received successfully. Please restart the unit to apply the changes");
    const QString executed = QStringLiteral("Command executed");

    bool success = false;
    QString details;
    if (command == QLatin1String("updatePerformanceDataInterval")) {
        bool ok = false;
        const int seconds = value.toInt(&ok, 10);
        if (ok) {
            m_services->setPerformanceDataInterval(seconds);
            m_services->saveConfigFile();
        }
        success = ok;
        details = ok ? executed : QStringLiteral("Unknown commnd value");
    } else if (command == QLatin1String("updateSerialNumber")) {
        // The number is parked in a key=value file until the next start.
        success = isKeyValueText(value);
        if (success)
            writeTempSerialNumber(value);
        details = success ? restartText : QStringLiteral("Unknown command value");
    } else if (command == QLatin1String("updateModelNumber")) {
        static const QStringList accepted = {QStringLiteral("TBV40KWL3E"), QStringLiteral("TBV40KWT3E"),
                                             QStringLiteral("TBV42KWT4E"), QStringLiteral("TBV70KWT3E"),
                                             QStringLiteral("TBV72KWT3E")};
        success = accepted.contains(value);
        if (success)
            writeTempModelNumber(value);
        details = success ? restartText : QStringLiteral("Model number not accepted");
    } else if (command == QLatin1String("resetCycle") || command == QLatin1String("restartCycle")) {
        success = handle_event_resetDezHoldCycle(value, command == QLatin1String("restartCycle"));
        details = success ? executed : QStringLiteral("Cycle eventUuid not found");
    } else if (command == QLatin1String("togglePanDetailMessages")) {
        success = value == QLatin1String("on") || value == QLatin1String("off");
        if (success) {
            m_services->setPanMessagesEnable(value == QLatin1String("on"));
            m_services->saveConfigFile();
        }
        details = success ? executed : QStringLiteral("Unknown command value");
    } else {
        reply.insert(QStringLiteral("commandStatus"), QStringLiteral("failure"));
        reply.insert(QStringLiteral("commandStatusDetails"), QStringLiteral("Unknown command!"));
        send(reply);
        return;
    }
    reply.insert(QStringLiteral("command"), command);
    reply.insert(QStringLiteral("commandValue"), commandValue);
    reply.insert(QStringLiteral("commandStatus"), success ? QStringLiteral("success") : QStringLiteral("failure"));
    reply.insert(QStringLiteral("commandStatusDetails"), details);
    send(reply);
}

void KivRiot::handleProvisioningState(const QString &state)
{
    if (state == QLatin1String("notProvisioned")) {
        m_services->setIotConnected(false);
        emit iotProvisioningState(tr("<b>Provisioning Status:</b> Not provisioned"));
    } else if (state == QLatin1String("provisioning")) {
        emit iotProvisioningState(tr("<b>Provisioning Status:</b> Provisioning"));
    } else if (state == QLatin1String("permanent")) {
        // The settings screen shows its own connection text from here on.
        m_services->setIotConnected(true);
    } else {
        qDebug() << "Undefined provisioningState value!";
    }
}

void KivRiot::handleCertificateState(const QString &state)
{
    if (state == QLatin1String("certificateRequested")) {
        emit iotCertificateState(m_certificateRequestTimedOut
                                     ? tr("<b>Certificate Status:</b> Certificate request timeout, retrying...")
                                     : tr("<b>Certificate Status:</b> Certificate requested"));
    } else if (state == QLatin1String("certificateReceived")) {
        emit iotCertificateState(tr("<b>Certificate Status:</b> Certificate received"));
    } else if (state == QLatin1String("certificateReqTimeout")) {
        m_certificateRequestTimedOut = true;
        emit iotCertificateState(tr("<b>Certificate Status:</b> Certificate request timeout"));
    } else {
        qDebug() << "Undefined certificateState value!";
    }
}

// ---------------------------------------------------------------------------
// Hold cycles and other cabinets' holding lists.

void KivRiot::resetPanHoldCycle(const IotServices::PanTag &tag, bool newCycle)
{
    const int bin = tag.position;
    if (m_services->binTagUid(bin) == tag.uid) {
        // Still in its bin: the bin's timer ends the hold there.
        m_services->stopBinTimer(bin);
        m_services->setPanHoldStatus(tag.uid, HoldEndedStatus);
        m_services->setPanActivationTimeStamp(tag.uid, KivClock::msecsSinceEpoch());
    } else {
        m_services->deregisterPanTag(tag.uid);
    }
    m_services->emitHoldStopped(QString::number(KivClock::msecsSinceEpoch() / 1000),
                                m_services->productName(int((tag.uid >> 40) & 0xff)), hex(tag.uid), bin,
                                QStringLiteral("auto"), 0);
    if (newCycle)
        m_services->setPanRestartRequested(tag.uid, true);
    m_services->savePanTags();
}

bool KivRiot::handle_event_resetDezHoldCycle(QString eventUuid, bool restart)
{
    if (!m_services)
        return false;
    const QStringList parts = eventUuid.split(QLatin1Char('-'));
    const quint64 uid = parts.size() == 2 ? parts.first().toULongLong(nullptr, 16) : 0;
    IotServices::PanTag tag;
    if (!m_services->findPanTag(uid, &tag) || tag.batchId != eventUuid)
        return false;
    resetPanHoldCycle(tag, restart);
    return true;
}

void KivRiot::handle_event_resetHoldCycle(QJsonObject message)
{
    if (!m_services)
        return;
    const QString event = message.value(QStringLiteral("event")).toString();
    const QJsonObject cabinet = message.value(QStringLiteral("cabinet")).toObject();
    const QString batchId = message.value(QStringLiteral("batch")).toObject().value(QStringLiteral("id")).toString();

    QString error;
    IotServices::PanTag tag;
    if (cabinet.value(QStringLiteral("serialNumber")).toString() != m_services->serialNumber()) {
        error = QStringLiteral("Serial number error");
    } else if (cabinet.value(QStringLiteral("cabinetUuid")).toString() != m_services->uuidNumber()) {
        error = QStringLiteral("Cabinet UUID error");
    } else {
        const quint64 uid = message.value(QStringLiteral("panId")).toString().toULongLong(nullptr, 16);
        if (!m_services->findPanTag(uid, &tag) || tag.batchId != batchId)
            error = QStringLiteral("Hold record not found");
    }
    if (!error.isEmpty()) {
        handle_event_commandError(event, jsonInteger(message.value(QStringLiteral("timestamp"))), batchId, error);
        return;
    }
    resetPanHoldCycle(tag, event == QLatin1String("restart"));
}

void KivRiot::handle_event_holdingListReceived(QJsonObject message)
{
    if (!m_services)
        return;
    const qint64 timeStamp = jsonInteger(message.value(QStringLiteral("timestamp")));
    const QJsonObject sender =
        riotLayout() ? message : message.value(QStringLiteral("cabinet")).toObject();
    const QString serialNumber = sender.value(QStringLiteral("serialNumber")).toString();
    if (sender.value(QStringLiteral("location")).toString() != m_services->storeNumber()) {
        handle_event_commandError(QStringLiteral("holdingList"), timeStamp, QString(),
                                  QStringLiteral("Invalid location!"));
        return;
    }
    if (serialNumber == m_services->serialNumber())
        return;
    const QJsonValue holdInfo = message.value(QStringLiteral("holdInfo"));
    if (!holdInfo.isArray())
        return;

    QList<IotServices::PanTag> records;
    const QJsonArray elements = holdInfo.toArray();
    for (const QJsonValue &element : elements) {
        const QJsonObject item = element.toObject();
        bool readable = false;
        IotServices::PanTag record;
        record.uid = item.value(QStringLiteral("panId")).toString().toULongLong(&readable, 16);
        if (!readable)
            continue;
        const QJsonObject batch = item.value(QStringLiteral("batch")).toObject();
        record.holdStatus = quint8(jsonInteger(item.value(QStringLiteral("status"))));
        record.position = quint8(jsonInteger(item.value(QStringLiteral("bin"))));
        record.seenInCabinet = item.value(QStringLiteral("inCabinet")).toBool();
        record.crc32 = quint32(jsonInteger(item.value(QStringLiteral("crc32"))));
        record.batchId = batch.value(QStringLiteral("id")).toString();
        record.expTime = jsonSecondsAsMsecs(batch.value(QStringLiteral("expiration")));
        record.activationTimeStamp = jsonSecondsAsMsecs(item.value(QStringLiteral("activationTS")));
        records.append(record);
    }
    m_services->replaceRemoteHoldingList(serialNumber, records);

    // A pan that the other cabinet started later than this one did has been
    // taken over there. Half a second covers the two cabinets' clocks.
    for (const IotServices::PanTag &record : qAsConst(records)) {
        IotServices::PanTag local;
        if (!m_services->findPanTag(record.uid, &local))
            continue;
        if (local.activationTimeStamp + TakeOverMarginMs < record.activationTimeStamp) {
            m_services->removePanTagAndStopTimer(record.uid);
            qDebug().noquote() << QStringLiteral("%3:Removed and cancelled holding for #%1. Cabinet %2 has it!")
                                      .arg(hex(record.uid), serialNumber)
                                      .arg(nearestSecond(KivClock::msecsSinceEpoch()));
        }
    }
}

// ---------------------------------------------------------------------------
// The link to the cloud service: ping, Wi-Fi settings, SDK errors.

void KivRiot::handle_event_pingResponse(QJsonObject)
{
    if (!riotLayout())
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("pingResponse"));
    event.insert(QStringLiteral("timestamp"), QString::number(nearestSecond(KivClock::msecsSinceEpoch())));
    addIdentity(&event);
    event.insert(QStringLiteral("errorCount"), m_services->errorLogCount());
    event.insert(QStringLiteral("macAddress"), m_services->macAddress());
    event.insert(QStringLiteral("menuVersion"), riotMenuVersion());
    event.insert(QStringLiteral("softwareVersion"), riotSoftwareVersion());
    send(event);
}

void KivRiot::handle_event_wifiSettingsReceived(QJsonObject message)
{
    if (!m_services)
        return;
    const bool riot = riotLayout();
    const QString password = message.value(QStringLiteral("password")).toString();
    const QString ssid = message.value(riot ? QStringLiteral("ssid") : QStringLiteral("SSID")).toString();
    if (ssid == m_services->wifiSSID() && password == m_services->wifiPassword() && m_services->wifiApConnected())
        return;
    m_services->setWifiSSID(ssid);
    m_services->setWifiPassword(password);
    m_services->setWifiStaticIp(false);
    m_services->saveConfigFile();
    // The cloud's own process restarts the network with a later
    // "networkReset"; other back-ends expect the cabinet to do it.
    if (!riot)
        m_services->reconfigureNetworkDevices();
}

void KivRiot::handle_event_sdkErrorReceived(QJsonObject message)
{
    struct SdkError
    {
        int code;
        int subCode1;
        int subCode2;
    };
    static const SdkError table[] = {
        {-100, 1, 0},   {-110, 1, 1},   {-150, 1, 2},   {-160, 1, 3},   {-161, 1, 4},   {-162, 1, 5},
        {-163, 1, 6},   {-164, 1, 7},   {-165, 1, 8},   {-166, 1, 9},   {-167, 1, 10},  {-200, 2, 0},
        {-201, 2, 1},   {-202, 2, 2},   {-203, 2, 3},   {-204, 2, 4},   {-299, 2, 5},   {-2100, 3, 0},
        {-2101, 3, 1},  {-2102, 3, 2},  {-2103, 3, 3},  {-2200, 3, 4},  {-2201, 3, 5},  {-2202, 3, 6},
        {-2210, 3, 7},  {-3000, 3, 8},  {-3005, 3, 9},  {-3010, 3, 10}, {-8512, 4, 0},  {-8513, 4, 1},
        {-8514, 4, 2},  {-8515, 4, 3},  {-8599, 4, 4},
    };
    // Only a text carries the code; anything else reads as 0, which no
    // entry has.
    const int code = message.value(QStringLiteral("errorCode")).toString().toInt(nullptr, 10);
    int subCode1 = 4;
    int subCode2 = 5;
    for (const SdkError &entry : table) {
        if (entry.code == code) {
            subCode1 = entry.subCode1;
            subCode2 = entry.subCode2;
            break;
        }
    }
    emit riotSdkErrorInfo(SdkErrorMainCode, subCode1, subCode2, 0);
}

// ---------------------------------------------------------------------------
// Update offers, parked identity numbers and the update reports.

void KivRiot::recordUpdateOffer(const QJsonObject &message, const QString &kind)
{
    const QString fileName = message.value(QStringLiteral("fileName")).toString();
    const QString version = message.value(QStringLiteral("version")).toString();
    const QString noEarlierThan = message.value(QStringLiteral("noEarlierThan")).toString();
    const QString checksum = message.value(QStringLiteral("checksum")).toString();
    if (!QFileInfo(KivRoot::appFile(QStringLiteral("updates/%1").arg(kind))).isDir()) {
        qDebug().noquote() << QStringLiteral("updates/%1 directory is missing!").arg(kind);
        return;
    }
    // A line break in a value would end its line and start one of the
    // sender's choosing.
    for (const QString &value : {fileName, version, noEarlierThan, checksum}) {
        if (!isKeyValueText(value)) {
            qWarning().noquote() << QStringLiteral("RIOT %1 update offer refused: a value holds a line break or "
                                                   "another control character")
                                        .arg(kind);
            return;
        }
    }
    writeParkedFile(KivRoot::appFile(QStringLiteral("updates/%1UpdateInfo.txt").arg(kind)),
                    KeyValueLines::encode({{QStringLiteral("fileName"), fileName},
                                           {QStringLiteral("fileVersion"), version},
                                           {QStringLiteral("attemptedAt"), noEarlierThan},
                                           {QStringLiteral("checksumExpected"), checksum}}));
}

void KivRiot::handle_event_firmwareUpdateInfo(QJsonObject message)
{
    recordUpdateOffer(message, QStringLiteral("firmware"));
}

void KivRiot::handle_event_menuUpdateInfo(QJsonObject message)
{
    recordUpdateOffer(message, QStringLiteral("menu"));
}

void KivRiot::writeTempModelNumber(QString modelNumber)
{
    writeParkedFile(KivRoot::appFile(QLatin1String(kModelFile)),
                    KeyValueLines::encode({{QLatin1String(kModelKey), modelNumber}}));
}

void KivRiot::writeTempSerialNumber(QString serialNumber)
{
    writeParkedFile(KivRoot::appFile(QLatin1String(kSerialFile)),
                    KeyValueLines::encode({{QLatin1String(kSerialKey), serialNumber}}));
}

void KivRiot::checkModelSerialUpdates()
{
    if (!m_services)
        return;
    QString modelNumber;
    const ParkedNumber model = takeParkedNumber(kModelFile, kModelKey, &modelNumber);
    if (model == ParkedNumber::Unreadable)
        return;
    if (model == ParkedNumber::Read) {
        m_services->setModelNumber(modelNumber);
        m_services->saveCabinetSerialModelNumbers();
    }
    QString serialNumber;
    const ParkedNumber serial = takeParkedNumber(kSerialFile, kSerialKey, &serialNumber);
    if (serial == ParkedNumber::Unreadable)
        return;
    if (serial == ParkedNumber::Read) {
        m_services->setSerialNumber(serialNumber);
        m_services->saveCabinetSerialModelNumbers();
    }
    // The cloud's process must provision the cabinet again under its new
    // identity.
    if (model == ParkedNumber::Read || serial == ParkedNumber::Read)
        QFile::remove(KivRoot::path(QLatin1String(kCredentialsFile)));
}

void KivRiot::sendUpdateStatus(const QHash<QString, QString> &offer, const QString &type, const QString &status,
                               const QString &detail)
{
    const QString fileName = offer.value(QStringLiteral("fileName"));
    const QString version = offer.value(QStringLiteral("fileVersion"));
    const QString checksum = offer.value(QStringLiteral("checksumExpected"));
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("updateStatus"));
    event.insert(QStringLiteral("timestamp"), QString::number(nearestSecond(KivClock::msecsSinceEpoch())));
    addIdentity(&event);
    event.insert(QStringLiteral("updateType"), type);
    event.insert(QStringLiteral("status"), status);
    event.insert(QStringLiteral("statusDetail"), detail);
    event.insert(QStringLiteral("fileName"), fileName);
    event.insert(QStringLiteral("version"), version);
    event.insert(QStringLiteral("checksumExpected"), checksum);
    // No checksum of the installed file is computed here: the report
    // repeats the offered one.
    event.insert(QStringLiteral("checksumCalculated"), checksum);
    event.insert(QStringLiteral("updateEventId"), fileName + version + m_services->serialNumber()
                                                      + offer.value(QStringLiteral("attemptedAt")));
    send(event);
}

void KivRiot::handle_event_menuUpdated(QString timestamp, int method, bool success)
{
    if (!m_services)
        return;
    if (riotLayout()) {
        // The report waits for the next connection of the cloud's process.
        if (!QFileInfo(KivRoot::appFile(QStringLiteral("updates/menu"))).isDir())
            return;
        const QString status = success ? QStringLiteral("updated") : QStringLiteral("update failed");
        const QString detail = success ? QStringLiteral("updated") : QStringLiteral("Invalid menu file");
        writeParkedFile(KivRoot::appFile(QLatin1String(kMenuStatusFile)),
                        KeyValueLines::encode({{QStringLiteral("status"), status},
                                               {QStringLiteral("statusDetail"), detail}}));
        return;
    }
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("menuUpdated"));
    event.insert(QStringLiteral("timestamp"), timestamp);
    addIdentity(&event);
    event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
    event.insert(QStringLiteral("groups"), getGroups());
    event.insert(QStringLiteral("layout"), getHoldingLayout());
    event.insert(QStringLiteral("products"), getProducts());
    event.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("new"), QString()}, {QStringLiteral("prev"), QString()}});
    event.insert(QStringLiteral("menuVersion"), QStringLiteral("0"));
    event.insert(QStringLiteral("method"), method);
    event.insert(QStringLiteral("success"), success);
    sendAfterPowerOn(event);
}

void KivRiot::handle_event_firmwareUpdated(QString timestamp, QString newVersion, QString prevVersion, int method,
                                           bool success)
{
    if (!m_services)
        return;
    if (!riotLayout()) {
        QJsonObject event;
        event.insert(QStringLiteral("event"), QStringLiteral("firmwareUpdated"));
        event.insert(QStringLiteral("timestamp"), timestamp);
        addIdentity(&event);
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("firmware"),
                     QJsonObject{{QStringLiteral("new"), newVersion}, {QStringLiteral("prev"), prevVersion}});
        event.insert(QStringLiteral("method"), method);
        event.insert(QStringLiteral("success"), success);
        send(event);
        return;
    }

    const QString infoPath = KivRoot::appFile(QLatin1String(kFirmwareInfoFile));
    QByteArray info;
    if (!readReportFile(infoPath, &info))
        return; // the result file waits for a later report
    QFile::remove(infoPath);

    bool successful = false;
    QString detail = QStringLiteral("Firmware update did not start");
    const QString resultPath = KivRoot::appFile(QLatin1String(kFirmwareResultFile));
    QByteArray result;
    if (readReportFile(resultPath, &result)) {
        for (const KeyValueLines::Entry &entry : KeyValueLines::decode(result)) {
            if (entry.first == QLatin1String("updateResult") && entry.second == QLatin1String("successful"))
                successful = true;
            else if (entry.first == QLatin1String("resultDetail"))
                detail = entry.second;
        }
        QFile::remove(resultPath);
    }
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    sendUpdateStatus(KeyValueLines::lastValues(info, offerKeys()), QStringLiteral("firmware"),
                     successful ? QStringLiteral("updated") : QStringLiteral("update failed"), detail);
}

void KivRiot::checkMenuUpdateDone()
{
    if (!m_services)
        return;
    const QString infoPath = KivRoot::appFile(QLatin1String(kMenuInfoFile));
    QByteArray info;
    if (!readReportFile(infoPath, &info))
        return;
    const QString statusPath = KivRoot::appFile(QLatin1String(kMenuStatusFile));
    QString status = QStringLiteral("update failed");
    QString detail = QStringLiteral("Menu update did not start");
    QByteArray statusText;
    if (readReportFile(statusPath, &statusText)) {
        const QHash<QString, QString> values =
            KeyValueLines::lastValues(statusText, {QStringLiteral("status"), QStringLiteral("statusDetail")});
        status = values.value(QStringLiteral("status"));
        detail = values.value(QStringLiteral("statusDetail"));
    }
    QFile::remove(infoPath);
    QFile::remove(statusPath);
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    qDebug() << "RIOT Event Received:\n";
    sendUpdateStatus(KeyValueLines::lastValues(info, offerKeys()), QStringLiteral("menu"), status, detail);
}
