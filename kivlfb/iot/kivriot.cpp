#include "kivriot.h"

#include "iot/iotservices.h"
#include "platform/kivclock.h"
#include "property/keyvaluetext.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

const char kRiotType[] = "DEZ_RIOT";

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
        QJsonObject batch;
        if (known) {
            m_services->setPanBatchId(pan, hex(pan) + QLatin1Char(':') + timeStamp);
            m_services->findPanTag(pan, &tag);
            batch.insert(QStringLiteral("id"), tag.batchId);
            batch.insert(QStringLiteral("expiration"), nearestSecond(tag.expTime));
        } else {
            batch.insert(QStringLiteral("id"), 0);
            batch.insert(QStringLiteral("expiration"), nearestSecond(tray.expectedTime));
        }
        batch.insert(QStringLiteral("active"), true);
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
// The update reports, the hold-cycle and holding-list handlers, the
// connection messages and the update offers come with their own work; until
// then these have no effect, and a cycle reset finds no cycle.

void KivRiot::handle_event_menuUpdated(QString, int, bool) {}
void KivRiot::handle_event_firmwareUpdated(QString, QString, QString, int, bool) {}
void KivRiot::handle_event_resetHoldCycle(QJsonObject) {}
bool KivRiot::handle_event_resetDezHoldCycle(QString, bool) { return false; }
void KivRiot::handle_event_holdingListReceived(QJsonObject) {}
void KivRiot::handle_event_sdkErrorReceived(QJsonObject) {}
void KivRiot::handle_event_wifiSettingsReceived(QJsonObject) {}
void KivRiot::handle_event_pingResponse(QJsonObject) {}
void KivRiot::handle_event_firmwareUpdateInfo(QJsonObject) {}
void KivRiot::handle_event_menuUpdateInfo(QJsonObject) {}
void KivRiot::writeTempModelNumber(QString) {}
void KivRiot::writeTempSerialNumber(QString) {}
void KivRiot::checkModelSerialUpdates() {}
void KivRiot::checkMenuUpdateDone() {}
