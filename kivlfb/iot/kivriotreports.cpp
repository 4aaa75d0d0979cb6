// The cabinet's reports to the cloud service, apart from the holding events:
// the holding list and the menu snapshots, the power-on and performance
// reports, the pan and mismatch events, preheating and day parts, settings
// and access, and errors. Each reads the cabinet through the services at the
// moment it is built and goes out by the common path in kivriot.cpp.

#include "kivriot.h"

#include "config/configurationmanager.h"
#include "core/kivdefs.h"
#include "core/traybarsc.h"
#include "iot/iotservices.h"
#include "iot/iotwire.h"
#include "nfc/nfctagitem2.h"
#include "platform/kivclock.h"

#include <QDebug>

#include <climits>

using IotWire::hex;
using IotWire::nearestSecond;

namespace {

// Names exist for the languages of the user interface's table.
const int kLanguages = 15;
const char kNull[] = "null";

QString nowText()
{
    return QString::number((KivClock::msecsSinceEpoch() + 500) / 1000);
}

QString firmwareVersion()
{
    return QString::fromLatin1(ConfigurationManager::kFirmwareVersion);
}

// What a bin is doing, as the cloud names it.
QString binState(int trayState)
{
    switch (trayState) {
    case TrayBarSc::TRAY_STATE_PREHEATING:
        return QStringLiteral("preheating");
    case TrayBarSc::TRAY_STATE_READY2HOLD:
        return QStringLiteral("ready");
    case TrayBarSc::TRAY_STATE_STANDARD:
    case TrayBarSc::TRAY_STATE_WARNING:
        return QStringLiteral("holding");
    case TrayBarSc::TRAY_STATE_DISCARD:
        return QStringLiteral("overholding");
    case TrayBarSc::TRAY_STATE_WAITING:
        return QStringLiteral("unready");
    default:
        return QStringLiteral("off");
    }
}

// One piece of a dotted error code; a missing or unreadable piece reads 0.
int codePiece(const QStringList &pieces, int index)
{
    return pieces.value(index).toInt();
}

} // namespace

// ---------------------------------------------------------------------------
// Shared by the families below.

QString KivRiot::menuName(const QString &imported)
{
    if (imported.contains(QLatin1String(".kiv")) || imported.contains(QLatin1String(".json")))
        return imported.left(imported.lastIndexOf(QLatin1Char('.')));
    return imported;
}

QJsonObject KivRiot::riotSoftwareVersion() const
{
    return QJsonObject{{QStringLiteral("firmwareIO"), m_services->ioBoardFirmwareVersion()},
                       {QStringLiteral("firmwareIoT"), m_services->iotSoftwareVersion()},
                       {QStringLiteral("firmwareReaderBoard"), m_services->readerFirmwareVersion()},
                       {QStringLiteral("firmwareUI"), firmwareVersion()},
                       {QStringLiteral("riotSdk"), m_services->iotSdkVersion()}};
}

QJsonObject KivRiot::riotMenuVersion() const
{
    return QJsonObject{{QStringLiteral("menu"), menuName(m_services->importedMenu())}};
}

QString KivRiot::currentDayPartName() const
{
    return m_services->dayPartName(m_services->currentDayPart()).left(NameLength);
}

void KivRiot::addNames(QJsonObject *item, const QString &prefix, const QString &namesKey,
                       const std::function<QString(int)> &nameIn) const
{
    const int customer = m_services->customerId();
    const bool englishAndSpanish = customer == KivDefs::CUSTOMER_ID_DEZ || customer == KivDefs::CUSTOMER_ID_RIVEV;
    if (riotLayout()) {
        if (englishAndSpanish) {
            item->insert(prefix + QLatin1String("EngUSA"), nameIn(0).left(NameLength));
            item->insert(prefix + QLatin1String("Spa"), nameIn(1).left(NameLength));
        }
        return;
    }
    const int languages = englishAndSpanish ? 3 : customer == KivDefs::CUSTOMER_ID_VADEV ? 2 : kLanguages;
    QJsonObject names;
    for (int language = 0; language < languages; ++language)
        names.insert(m_services->languageCode(language), nameIn(language));
    item->insert(namesKey, names);
}

bool KivRiot::binTemperatures(int bin, int *actual, int *target, const char *event) const
{
    const QVector<IotServices::BinTemperatures> bins = m_services->binInfos();
    if (bin < 0 || bin >= bins.size()) {
        qWarning().noquote() << QStringLiteral("RIOT %1: bin %2 is not in the bin list; not reported")
                                    .arg(QLatin1String(event))
                                    .arg(bin);
        return false;
    }
    *actual = bins.at(bin).actualTemp;
    *target = bins.at(bin).targetTemp;
    return true;
}

// ---------------------------------------------------------------------------
// Holding list and menu snapshots.

void KivRiot::handle_event_holdingListChange(QString timeStamp)
{
    if (!m_services)
        return;
    const bool riot = riotLayout();
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("holdingList"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    if (riot) {
        addIdentity(&event);
    } else {
        event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                            {QStringLiteral("location"), m_services->storeNumber()},
                                                            {QStringLiteral("cabinetUuid"), m_services->uuidNumber()}});
    }

    // The batch id ends in its hold's start time, after the separator of
    // the layout it was made in.
    const QChar separator = riot ? QLatin1Char('-') : QLatin1Char(':');
    QJsonArray holdInfo;
    const QList<quint64> pans = m_services->registeredPanIds();
    for (quint64 pan : pans) {
        IotServices::PanTag tag;
        if (!m_services->findPanTag(pan, &tag))
            continue;
        const QStringList parts = tag.batchId.split(separator);
        const qint64 start = parts.size() == 2 ? parts.at(1).toLongLong() : 0;
        QJsonObject batch;
        batch.insert(QStringLiteral("id"), tag.batchId);
        batch.insert(QStringLiteral("start"), start);
        batch.insert(QStringLiteral("expiration"), nearestSecond(tag.expTime));
        batch.insert(QStringLiteral("active"), tag.holdStatus != NfcTagItem2::HoldEnded);
        QJsonObject record;
        record.insert(QStringLiteral("panId"), hex(pan));
        record.insert(QStringLiteral("status"), tag.holdStatus);
        record.insert(QStringLiteral("bin"), tag.position);
        record.insert(QStringLiteral("activationTS"), nearestSecond(tag.activationTimeStamp));
        record.insert(QStringLiteral("inCabinet"), tag.seenInCabinet);
        record.insert(QStringLiteral("batch"), batch);
        record.insert(QStringLiteral("crc32"), qint64(tag.crc32));
        holdInfo.append(record);
    }
    event.insert(QStringLiteral("holdInfo"), holdInfo);
    send(event);
}

QJsonArray KivRiot::getHoldingLayout()
{
    QJsonArray layout;
    if (!m_services)
        return layout;
    const QString binKey = riotLayout() ? QStringLiteral("zoneNumber") : QStringLiteral("bin");
    const int bins = qMin(m_services->traysPerCabinet(), int(IotServices::MaxBins));
    const int dayParts = m_services->dayPartsCount();
    for (int dayPart = 0; dayPart < dayParts; ++dayPart) {
        QJsonObject item;
        addNames(&item, QStringLiteral("daypartName"), QStringLiteral("daypartName"),
                 [this, dayPart](int language) { return m_services->dayPartName(language, dayPart); });
        QJsonArray locations;
        for (int bin = 1; bin <= bins; ++bin)
            locations.append(QJsonObject{{binKey, bin},
                                         {QStringLiteral("productId"), m_services->productIdOnBin(dayPart, bin - 1)}});
        item.insert(QStringLiteral("productLocations"), locations);
        layout.append(item);
    }
    return layout;
}

QJsonArray KivRiot::getProducts()
{
    QJsonArray products;
    if (!m_services)
        return products;
    const bool riot = riotLayout();
    const int rows = m_services->menuRowCount();
    for (int i = 0; i < rows; ++i) {
        const IotServices::MenuRow row = m_services->menuRow(i);
        if (row.groupId != 0 || row.id == 0)
            continue;
        QJsonObject product;
        product.insert(QStringLiteral("productId"), row.id);
        addNames(&product, QStringLiteral("productName"), QStringLiteral("productName"),
                 [this, &row](int language) { return m_services->productName(language, row.id); });
        if (riot) {
            product.insert(QStringLiteral("temperatureHold"), row.upperTemp);
            product.insert(QStringLiteral("zoneSplits"), row.panSize);
        } else {
            product.insert(QStringLiteral("lowerTemp"), row.lowerTemp);
            product.insert(QStringLiteral("upperTemp"), row.upperTemp);
            product.insert(QStringLiteral("zoneSplits"), row.panSizeX);
        }
        product.insert(QStringLiteral("holdTime"), row.holdTime);
        product.insert(QStringLiteral("warningTime"), row.warningTime);
        product.insert(QStringLiteral("lidType"), row.lidType);
        product.insert(QStringLiteral("bottomType"), row.bottomType);
        products.append(product);
    }
    return products;
}

QJsonArray KivRiot::getGroups()
{
    QJsonArray groups;
    if (!m_services)
        return groups;
    const bool riot = riotLayout();
    const int rows = m_services->menuRowCount();
    for (int i = 0; i < rows; ++i) {
        const IotServices::MenuRow row = m_services->menuRow(i);
        if (row.groupId == 0 || row.id == 0)
            continue;
        QJsonObject group;
        group.insert(riot ? QStringLiteral("productGroupId") : QStringLiteral("groupId"), row.id);
        addNames(&group, QStringLiteral("productGroupName"), QStringLiteral("groupName"),
                 [this, &row](int language) { return m_services->productName(language, row.id); });
        if (riot) {
            group.insert(QStringLiteral("temperatureHold"), row.upperTemp);
            group.insert(QStringLiteral("zoneSplits"), row.panSize);
        } else {
            group.insert(QStringLiteral("lowerTemp"), row.lowerTemp);
            group.insert(QStringLiteral("upperTemp"), row.upperTemp);
            group.insert(QStringLiteral("zoneSplits"), row.panSizeX);
        }
        group.insert(QStringLiteral("lidType"), row.lidType);
        QJsonArray members;
        const QList<int> productIds = m_services->groupProducts(row.id);
        for (int productId : productIds)
            members.append(QJsonObject{{QStringLiteral("productId"), productId}});
        group.insert(QStringLiteral("products"), members);
        groups.append(group);
    }
    return groups;
}

// ---------------------------------------------------------------------------
// Power-on and performance reports.

void KivRiot::handle_event_powerOn()
{
    // Once per run: a later firmware-version change reports nothing.
    if (!m_services || m_powerOnReported)
        return;
    m_powerOnReported = true;

    const bool riot = riotLayout();
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("powerOn"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("language"), m_services->languageId());
    event.insert(QStringLiteral("layout"), getHoldingLayout());
    event.insert(QStringLiteral("products"), getProducts());
    event.insert(QStringLiteral("productGroups"), getGroups());
    if (riot) {
        event.insert(QStringLiteral("state"), QStringLiteral("unready"));
        event.insert(QStringLiteral("macAddress"), m_services->macAddress());
        event.insert(QStringLiteral("temperatureUnits"),
                     m_services->tempUnit() == 1 ? QStringLiteral("C") : QStringLiteral("F"));
        event.insert(QStringLiteral("errorCount"), m_services->errorLogCount());
        // Rounded to the nearest hour; the cabinet counts no heated time of
        // its own, so both carry the plugged-in time.
        const int hours = (m_services->pluggedInMinutes() + 30) / 60;
        event.insert(QStringLiteral("pluggedInHours"), hours);
        event.insert(QStringLiteral("heatedHours"), hours);
        event.insert(QStringLiteral("softwareVersion"), riotSoftwareVersion());
        event.insert(QStringLiteral("menuVersion"), riotMenuVersion());
    } else {
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("passcode"), m_services->passwdL1());
        event.insert(QStringLiteral("firmware"),
                     QJsonObject{{QStringLiteral("firmwareVersionIO"), m_services->ioBoardFirmwareVersion()},
                                 {QStringLiteral("firmwareVersionIoT"), m_services->iotSoftwareVersion()},
                                 {QStringLiteral("firmwareVersionReaderBoard"), m_services->readerFirmwareVersion()},
                                 {QStringLiteral("firmwareVersionUI"), firmwareVersion()}});
        event.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuDescription"),
                                                          menuName(m_services->importedMenu())},
                                                         {QStringLiteral("menuVersion"), QString()}});
    }
    send(event);

    // Both answers come back through queued connections, so they leave
    // after the events held until now.
    if (!riot)
        m_services->checkFirmwareUpdateDone();
    if (m_services->customerId() != KivDefs::CUSTOMER_ID_DEZ)
        emit sendEcoModeSettings();
    const QStringList pending = m_pendingEvents;
    m_pendingEvents.clear();
    for (const QString &text : pending)
        emit sendRiotInfo(text);
}

void KivRiot::handle_event_performanceData()
{
    if (!m_services)
        return;
    const qint64 now = nearestSecond(KivClock::msecsSinceEpoch());
    const bool riot = riotLayout();
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("performanceData"));
    event.insert(QStringLiteral("timestamp"), QString::number(now));
    addIdentity(&event);
    event.insert(QStringLiteral("daypart"), currentDayPartName());
    if (riot) {
        event.insert(QStringLiteral("signalStrength"), m_services->wifiSignalLevelDecibel());
    } else {
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("language"), m_services->languageId());
        event.insert(QStringLiteral("wifiLevel"), m_services->wifiSignalLevel());
    }

    const QVector<IotServices::BinTemperatures> bins = m_services->binInfos();
    const int count = qMin(m_services->traysPerCabinet(), bins.size());
    const bool dezHeaters = m_services->customerId() == KivDefs::CUSTOMER_ID_DEZ;
    const int traysPerZone = m_services->traysPerZone();
    QJsonArray zones;
    QJsonArray heaters;
    QJsonArray timers;
    for (int i = 0; i < count; ++i) {
        const IotServices::BinTemperatures &bin = bins.at(i);
        const trayInfo tray = m_services->getTrayInfo(i);
        const int state = m_services->trayState(i);
        // A running hold counts down to its end; a negative count says by
        // how much it is overdue.
        const qint64 remaining = IotWire::countsToExpectedEnd(state) ? nearestSecond(tray.expectedTime) - now : tray.remainingTime;
        const int productId = int(tray.groupId);
        const int productRow = m_services->productIndex(productId);
        if (riot) {
            const quint64 uid = m_services->uidInBin(bin.binNumber);
            IotServices::PanTag tag;
            const bool known = uid != 0 && m_services->findPanTag(uid, &tag);
            QJsonObject zone;
            zone.insert(QStringLiteral("eventUuid"), known ? tag.batchId : QString::fromLatin1(kNull));
            zone.insert(QStringLiteral("holdSecondsRemaining"), remaining);
            zone.insert(QStringLiteral("panSize"), m_services->menuRow(productRow).panSize);
            zone.insert(QStringLiteral("productId"), qint64(tray.groupId));
            zone.insert(QStringLiteral("productName"), m_services->productName(productId).left(NameLength));
            zone.insert(QStringLiteral("state"), binState(state));
            zone.insert(QStringLiteral("temperatureMeasured"), bin.actualTemp);
            zone.insert(QStringLiteral("temperatureSetpoint"), bin.targetTemp);
            zone.insert(QStringLiteral("timerMode"), IotWire::trayMode(state));
            zone.insert(QStringLiteral("zoneNumber"), bin.binNumber + 1);
            zones.append(zone);
            continue;
        }
        QJsonObject heater;
        heater.insert(QStringLiteral("bin"), bin.binNumber + 1);
        if (dezHeaters) {
            heater.insert(QStringLiteral("setpoint"), bin.targetTemp);
            heater.insert(QStringLiteral("temperature"), bin.actualTemp);
        } else {
            // A bin whose zone the cabinet cannot name reports zeros.
            QList<int> targets;
            QList<int> actuals;
            if (traysPerZone > 0)
                m_services->zoneTemperatures(bin.binNumber / traysPerZone, &targets, &actuals);
            heater.insert(QStringLiteral("setpointLower"), targets.value(0));
            heater.insert(QStringLiteral("setpointUpper"), targets.value(1));
            heater.insert(QStringLiteral("temperatureLower"), actuals.value(0));
            heater.insert(QStringLiteral("temperatureUpper"), actuals.value(1));
        }
        heaters.append(heater);
        QJsonObject timer;
        timer.insert(QStringLiteral("bin"), tray.binNumber + 1);
        timer.insert(QStringLiteral("mode"), IotWire::trayMode(state));
        timer.insert(QStringLiteral("panSize"), m_services->menuRow(productRow).panSizeX);
        timer.insert(QStringLiteral("productId"), tray.groupId > quint32(INT_MAX) ? 0 : productId);
        timer.insert(QStringLiteral("timeRemaining"), remaining);
        timers.append(timer);
    }
    if (riot) {
        event.insert(QStringLiteral("zone"), zones);
    } else {
        event.insert(QStringLiteral("heater"), heaters);
        event.insert(QStringLiteral("timer"), timers);
    }
    send(event);
}

// ---------------------------------------------------------------------------
// Pan and bin-mismatch events.

void KivRiot::handle_event_panRemoved(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining)
{
    sendPanEvent(PanMove::Removed, timeStamp, whichBin, panID, timeRemaining);
}

void KivRiot::handle_event_panReturned(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining)
{
    sendPanEvent(PanMove::Returned, timeStamp, whichBin, panID, timeRemaining);
}

void KivRiot::handle_event_transfer(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining)
{
    sendPanEvent(PanMove::Transferred, timeStamp, whichBin, panID, timeRemaining);
}

void KivRiot::sendPanEvent(PanMove move, qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining)
{
    if (!m_services)
        return;
    // Removals and returns can be switched off by the cloud; transfers
    // always go out.
    if (move != PanMove::Transferred && !m_services->panMessagesEnable())
        return;
    const trayInfo tray = m_services->getTrayInfo(whichBin);
    const bool riot = riotLayout();

    QString name;
    switch (move) {
    case PanMove::Removed:
        name = QStringLiteral("panRemoved");
        break;
    case PanMove::Returned:
        name = QStringLiteral("panReturned");
        break;
    case PanMove::Transferred:
        name = riot ? QStringLiteral("panTransfer") : QStringLiteral("transfer");
        break;
    }
    // A lifted pan names its own product; a pan put into a bin is reported
    // with the bin's.
    const int productId = move == PanMove::Removed ? int((panID >> 40) & 0xff) : m_services->productIdFromBin(whichBin);
    QJsonObject event;
    event.insert(QStringLiteral("event"), name);
    event.insert(QStringLiteral("timestamp"), QString::number(nearestSecond(timeStamp)));
    event.insert(QStringLiteral("panId"), hex(panID));
    event.insert(QStringLiteral("productId"), productId);
    event.insert(QStringLiteral("productName"), m_services->productName(productId).left(NameLength));

    int bin = whichBin;
    const bool adjust = move != PanMove::Transferred || m_services->nfcEnabled();
    if (adjust && m_services->productPanSizeFromBin(whichBin) == 2)
        bin &= ~1;

    IotServices::PanTag tag;
    const bool known = m_services->findPanTag(panID, &tag);
    const bool recordActive = known && tag.holdStatus != NfcTagItem2::HoldEnded;
    bool active = true;
    if (move == PanMove::Removed || (move == PanMove::Returned && riot))
        active = recordActive;

    if (riot) {
        addIdentity(&event);
        event.insert(QStringLiteral("zoneNumber"), bin + 1);
        event.insert(QStringLiteral("eventUuid"), known ? tag.batchId : QString::fromLatin1(kNull));
        event.insert(QStringLiteral("inCabinet"), known && tag.seenInCabinet);
        event.insert(QStringLiteral("batchActive"), active);
        event.insert(QStringLiteral("holdSecondsRemaining"), timeRemaining);
        if (move == PanMove::Transferred)
            event.insert(QStringLiteral("state"), binState(m_services->trayState(bin)));
    } else {
        QJsonObject batch;
        batch.insert(QStringLiteral("id"), known ? QJsonValue(tag.batchId) : QJsonValue(0));
        batch.insert(QStringLiteral("expiration"), nearestSecond(known ? tag.expTime : tray.expectedTime));
        batch.insert(QStringLiteral("active"), active);
        event.insert(QStringLiteral("cabinet"), QJsonObject{{QStringLiteral("serialNumber"), m_services->serialNumber()},
                                                            {QStringLiteral("bin"), bin + 1},
                                                            {QStringLiteral("inCabinet"), known && tag.seenInCabinet}});
        event.insert(QStringLiteral("batch"), batch);
    }
    send(event);
}

void KivRiot::handle_event_binMisMatchAlert(QString timeStamp, QString, QString, int binIndex, QString)
{
    sendMismatchEvent(true, timeStamp, binIndex);
}

void KivRiot::handle_event_binMisMatchClear(QString timeStamp, QString, QString, int binIndex, QString)
{
    sendMismatchEvent(false, timeStamp, binIndex);
}

void KivRiot::sendMismatchEvent(bool alert, const QString &timeStamp, int binIndex)
{
    if (!m_services)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    int bin = binIndex;
    if (m_services->productPanSizeFromBin(binIndex) == 2)
        bin &= ~1;
    const quint64 pan = m_services->misMatchedPanId(bin);
    const int panProduct = int((pan >> 40) & 0xff);
    const int binProduct = m_services->productIdFromBin(bin);
    if (riotLayout()) {
        event.insert(QStringLiteral("event"), alert ? QStringLiteral("alarm") : QStringLiteral("alarmCleared"));
        event.insert(QStringLiteral("zoneNumber"), bin + 1);
        event.insert(QStringLiteral("state"), alert ? QStringLiteral("alarm") : QStringLiteral("ready"));
        event.insert(QStringLiteral("daypart"), currentDayPartName());
        event.insert(QStringLiteral("alarmCode"), QStringLiteral("A1"));
        event.insert(QStringLiteral("alarmDesc"), QStringLiteral("binMismatchAlert"));
        event.insert(QStringLiteral("alarmValue"), QString::number(bin + 1));
        event.insert(QStringLiteral("zoneProductId"), binProduct);
        event.insert(QStringLiteral("zoneProductName"), m_services->productName(binProduct).left(NameLength));
        event.insert(QStringLiteral("panId"), hex(pan));
        event.insert(QStringLiteral("productId"), panProduct);
        event.insert(QStringLiteral("productName"), m_services->productName(panProduct).left(NameLength));
    } else {
        event.insert(QStringLiteral("event"),
                     alert ? QStringLiteral("binMisMatchAlert") : QStringLiteral("binMisMatchClear"));
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("eventId"), m_services->misMatchId(bin));
        event.insert(QStringLiteral("timer"),
                     QJsonObject{{QStringLiteral("bin"), bin + 1},
                                 {QStringLiteral("productId"), binProduct},
                                 {QStringLiteral("productName"), m_services->productName(binProduct).left(NameLength)}});
        event.insert(QStringLiteral("pan"), QJsonObject{{QStringLiteral("panId"), hex(pan)},
                                                        {QStringLiteral("productId"), panProduct},
                                                        {QStringLiteral("productName"), m_services->productName(panProduct)}});
    }
    send(event);
}

// ---------------------------------------------------------------------------
// Preheating and day parts. These carry the time the cabinet saw the change
// and wait for the power-on report.

void KivRiot::handle_event_preheatStart(QString timeStamp)
{
    if (!m_services || !riotLayout())
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("preheatStart"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
    event.insert(QStringLiteral("dayPart"), currentDayPartName());
    sendAfterPowerOn(event);
}

void KivRiot::handle_event_zonePreheatStart(QString timeStamp, int binIndex)
{
    if (!m_services || !riotLayout())
        return;
    int actual = 0;
    int target = 0;
    if (!binTemperatures(binIndex, &actual, &target, "preheatStart"))
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("preheatStart"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    event.insert(QStringLiteral("dayPart"), currentDayPartName());
    event.insert(QStringLiteral("state"), QStringLiteral("preheating"));
    event.insert(QStringLiteral("temperatureMeasured"), actual);
    event.insert(QStringLiteral("temperatureSetpoint"), target);
    event.insert(QStringLiteral("zoneNumber"), binIndex + 1);
    sendAfterPowerOn(event);
}

void KivRiot::handle_event_preheatComplete(QString timeStamp, int binIndex, int heatTime)
{
    if (!m_services)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("preheatComplete"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    if (riotLayout()) {
        int actual = 0;
        int target = 0;
        if (!binTemperatures(binIndex, &actual, &target, "preheatComplete"))
            return;
        event.insert(QStringLiteral("zoneNumber"), binIndex + 1);
        event.insert(QStringLiteral("state"), QStringLiteral("ready"));
        event.insert(QStringLiteral("dayPart"), currentDayPartName());
        event.insert(QStringLiteral("temperatureSetpoint"), target);
        event.insert(QStringLiteral("temperatureMeasured"), actual);
        event.insert(QStringLiteral("heatTime"), QString::number(heatTime));
    } else {
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("bin"), binIndex + 1);
    }
    sendAfterPowerOn(event);
}

// One zone's change reaches the cloud as one event per bin of the zone.
void KivRiot::handle_event_daypartChange(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart)
{
    if (!m_services)
        return;
    const bool riot = riotLayout();
    const QString next = m_services->dayPartName(newDaypart).left(NameLength);
    const QString previous = m_services->dayPartName(prevDaypart).left(NameLength);
    const int traysPerZone = m_services->traysPerZone();
    for (int i = 0; i < traysPerZone; ++i) {
        const int bin = zoneIndex * traysPerZone + i;
        QJsonObject event;
        event.insert(QStringLiteral("timestamp"), timeStamp);
        addIdentity(&event);
        if (riot) {
            event.insert(QStringLiteral("event"), QStringLiteral("settingChange"));
            event.insert(QStringLiteral("setting"), QStringLiteral("daypart"));
            event.insert(QStringLiteral("zoneNumber"), bin + 1);
            event.insert(QStringLiteral("settingValue"), next);
            event.insert(QStringLiteral("settingValuePrev"), previous);
        } else {
            event.insert(QStringLiteral("event"), QStringLiteral("daypartChange"));
            event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
            event.insert(QStringLiteral("daypart"), QJsonObject{{QStringLiteral("zone"), bin + 1},
                                                                {QStringLiteral("new"), next},
                                                                {QStringLiteral("prev"), previous}});
        }
        sendAfterPowerOn(event);
    }
}

// ---------------------------------------------------------------------------
// Settings and access. These go out at once.

void KivRiot::handle_event_ecoModeSettings()
{
    if (!m_services)
        return;
    const IotServices::EcoSettings eco = m_services->ecoSettings();
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("ecoModeSettings"));
    event.insert(QStringLiteral("timestamp"), nowText());
    event.insert(QStringLiteral("serialNumber"), m_services->serialNumber());
    event.insert(QStringLiteral("shelfTemperatureSetting"), eco.shelfHeatMode != 0 ? eco.shelfHeatTemp : 0);
    event.insert(QStringLiteral("configuredSuggestionTime"), eco.activateMode != 0 ? eco.activateTimeout : 0);
    send(event);
}

void KivRiot::handle_event_languageChange(int languageId)
{
    if (!m_services)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    if (riotLayout()) {
        event.insert(QStringLiteral("event"), QStringLiteral("settingChange"));
        event.insert(QStringLiteral("setting"), QStringLiteral("language"));
        event.insert(QStringLiteral("zoneNumber"), QString::fromLatin1(kNull));
        event.insert(QStringLiteral("settingValue"), m_services->languageCode(languageId));
        event.insert(QStringLiteral("settingValuePrev"), m_services->prevLanguageId());
    } else {
        event.insert(QStringLiteral("event"), QStringLiteral("languageChange"));
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("language"), languageId);
    }
    send(event);
}

void KivRiot::handle_event_passcodeChange(QString newPasscode)
{
    if (!m_services)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    if (riotLayout()) {
        event.insert(QStringLiteral("event"), QStringLiteral("settingChange"));
        event.insert(QStringLiteral("setting"), QStringLiteral("passcode"));
        event.insert(QStringLiteral("zoneNumber"), QString::fromLatin1(kNull));
        event.insert(QStringLiteral("settingValue"), newPasscode);
        event.insert(QStringLiteral("settingValuePrev"), m_services->prevPasswdL1());
    } else {
        event.insert(QStringLiteral("event"), QStringLiteral("passcodeChange"));
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("passcode"), newPasscode);
    }
    send(event);
}

// The cloud service hears only the entries that opened a protected screen;
// other back-ends hear every entry with its outcome.
void KivRiot::handle_event_passcodeEntered(QString screen, int userLevel, bool authenticated)
{
    if (!m_services)
        return;
    const bool riot = riotLayout();
    if (riot && !authenticated)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    if (riot) {
        event.insert(QStringLiteral("event"), QStringLiteral("programModeEnter"));
        event.insert(QStringLiteral("programScreen"), screen);
        event.insert(QStringLiteral("programLevel"), userLevel);
    } else {
        event.insert(QStringLiteral("event"), QStringLiteral("passcodeEntered"));
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("screen"), screen);
        event.insert(QStringLiteral("authenticated"), authenticated);
        event.insert(QStringLiteral("userType"), userLevel);
    }
    send(event);
}

void KivRiot::handle_event_programModeExit(QString screen, int userLevel)
{
    if (!m_services)
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("programModeExit"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("programLevel"), userLevel);
    event.insert(QStringLiteral("programScreen"), screen);
    send(event);
}

void KivRiot::handle_event_restaurantNumberUpdated(QString restaurantNumber, QString oldValue)
{
    if (!m_services || riotLayout())
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("restaurantNumberUpdated"));
    event.insert(QStringLiteral("timestamp"), nowText());
    event.insert(QStringLiteral("modelNumber"), m_services->modelNumber());
    event.insert(QStringLiteral("serialNumber"), m_services->serialNumber());
    event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
    event.insert(QStringLiteral("locationNumber"),
                 QJsonObject{{QStringLiteral("new"), restaurantNumber}, {QStringLiteral("prev"), oldValue}});
    send(event);
}

void KivRiot::handle_event_performanceDataInterval(int value)
{
    if (!m_services || riotLayout())
        return;
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("performanceDataInterval"));
    event.insert(QStringLiteral("timestamp"), nowText());
    addIdentity(&event);
    event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
    event.insert(QStringLiteral("performanceDataInterval"), QString::number(value));
    send(event);
}

// ---------------------------------------------------------------------------
// Errors.

void KivRiot::handle_event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    if (!m_services)
        return;
    enum MainCode { SensorHeaterPower = 2, ZoneDisabled = 3, IotSdk = 8 };
    const QStringList pieces = errorCode.split(QLatin1Char('.'));
    const int mainCode = codePiece(pieces, 0);
    // The cloud itself reported these.
    if (mainCode == IotSdk)
        return;

    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("error"));
    event.insert(QStringLiteral("timestamp"), timeStamp);
    addIdentity(&event);
    if (!riotLayout()) {
        event.insert(QStringLiteral("cabinetUuid"), m_services->uuidNumber());
        event.insert(QStringLiteral("firmware"), QJsonObject{{QStringLiteral("firmwareVersion"), firmwareVersion()}});
        event.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuDescription"), QString()},
                                                         {QStringLiteral("menuVersion"), QString()}});
        event.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("errorCode"), errorCode},
                                                          {QStringLiteral("errorDesc"), errorDesc},
                                                          {QStringLiteral("errorValue"), value}});
        sendAfterPowerOn(event);
        return;
    }

    event.insert(QStringLiteral("errorCode"), errorCode);
    event.insert(QStringLiteral("errorDesc"), errorDesc);
    // Sensor errors name their bin directly (those from sub-code 4 on name
    // none); a disabled zone names it by zone and place within the zone.
    int bin = -1;
    bool pointsAtBin = false;
    if (mainCode == SensorHeaterPower && codePiece(pieces, 1) <= 3) {
        bin = codePiece(pieces, 2);
        pointsAtBin = true;
    } else if (mainCode == ZoneDisabled) {
        bin = m_services->traysPerZone() * codePiece(pieces, 2) + codePiece(pieces, 3);
        pointsAtBin = true;
    }
    if (pointsAtBin) {
        const QVector<IotServices::BinTemperatures> bins = m_services->binInfos();
        int measured = 0;
        int setpoint = 0;
        if (bin >= 0 && bin < bins.size()) {
            measured = bins.at(bin).actualTemp;
            setpoint = bins.at(bin).targetTemp;
            event.insert(QStringLiteral("zoneNumber"), bins.at(bin).binNumber + 1);
        }
        event.insert(QStringLiteral("temperatureMeasured"), QString::number(measured));
        event.insert(QStringLiteral("temperatureSetpoint"), QString::number(setpoint));
        event.insert(QStringLiteral("errorValue"), QString::number(measured));
    } else {
        const QString null = QString::fromLatin1(kNull);
        event.insert(QStringLiteral("temperatureMeasured"), null);
        event.insert(QStringLiteral("temperatureSetpoint"), null);
        event.insert(QStringLiteral("errorValue"), null);
        if (mainCode != SensorHeaterPower)
            event.insert(QStringLiteral("zoneNumber"), null);
    }
    sendAfterPowerOn(event);
}
