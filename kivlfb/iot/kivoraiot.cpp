#include "kivoraiot.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/cabinetshadowservices.h"
#include "iot/iotservices.h"
#include "iot/shadowformat.h"
#include "iot/shadowservices.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "ui/translator.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QUuid>

namespace {
const int dataIntervalMs = 10000;
const int defaultModeMs = ShadowFormat::defaultModeSecs * 1000;
const int purgeDelayMs = 120000;
const int uptimeIntervalMs = 300000;

const QString warmMode = QStringLiteral("warm");
const QString operationalMode = QStringLiteral("operational");
const QString serviceMode = QStringLiteral("service");
const QString liveViewModeName = QStringLiteral("liveViewMode");

const QString stateEnable = QStringLiteral("enable");
const QString stateDisable = QStringLiteral("disable");
const QString stateExtend = QStringLiteral("extend");
const QString successful = QStringLiteral("successful");

const QString schemaString = QStringLiteral("string");
const QString schemaInt = QStringLiteral("int");
const QString schemaFloat = QStringLiteral("float");
const QString schemaBool = QStringLiteral("bool");
const QString unitSeconds = QStringLiteral("seconds");
const QString unitFahrenheit = QStringLiteral("\u00B0F");

// Everything a message needs: the serial number names the device.
const int forMessages = ShadowServices::ConfigStore;
const int forCabinet = ShadowServices::ConfigStore | ShadowServices::CabinetCore;
const int forBins = ShadowServices::ConfigStore | ShadowServices::CabinetCore | ShadowServices::Menus;

QString uptimeFilePath() { return KivRoot::appFile(QStringLiteral("systemUpTimeInfo.txt")); }
QString errorsFilePath() { return KivRoot::appFile(QStringLiteral("activeErrorsList.txt")); }

QJsonObject stringProperty(const QString &name, const QString &value)
{
    return KivOraIot::buildJsonProperty(name, value, schemaString, QString());
}
} // namespace

struct KivOraIot::HoldFacts
{
    int productId = 0;
    int holdTime = 0;
    float panSize = 1.0f;
    trayInfo tray;
    QString processId;
};

KivOraIot::KivOraIot(QObject *parent)
    : QObject(parent)
    , m_errorsWriter(errorsFilePath())
    , m_uptimeWriter(uptimeFilePath())
{
    m_diagnosticMode = warmMode;
    m_diagnosticDataTimer.setInterval(dataIntervalMs);
    connect(&m_diagnosticDataTimer, &KivClockTimer::timeout, this, &KivOraIot::diagnosticDataTick);
    m_diagnosticModeTimer.setInterval(defaultModeMs);
    connect(&m_diagnosticModeTimer, &KivClockTimer::timeout, this, &KivOraIot::diagModeTimeOut);

    m_liveViewMode = warmMode;
    m_liveViewDataTimer.setInterval(dataIntervalMs);
    connect(&m_liveViewDataTimer, &KivClockTimer::timeout, this, &KivOraIot::liveViewDataTick);
    m_liveViewModeTimer.setInterval(defaultModeMs);
    connect(&m_liveViewModeTimer, &KivClockTimer::timeout, this, &KivOraIot::liveViewModeTimeOut);

    connect(&m_errorsWriter, &SafeFileWriter::saveFinished, this, &KivOraIot::errorsSaveFinished);
    loadAtciveErrorsList();
    connect(&m_purgeTimer, &KivClockTimer::timeout, this, &KivOraIot::clearOldErrors);
    m_purgeTimer.start(purgeDelayMs);

    m_systemStartTime = KivClock::now();
    m_prevStartTime = m_systemStartTime;
    loadPrevSystemUpTime();

    connect(&m_uptimeWriter, &SafeFileWriter::saveFinished, this, &KivOraIot::uptimeSaveFinished);
    connect(&m_uptimeTimer, &KivClockTimer::timeout, this, &KivOraIot::uptimeTick);
    m_uptimeTimer.start(uptimeIntervalMs);

    QProcess *uptime = ToolRunner::start(QStringLiteral("/bin/uptime"), {QStringLiteral("-s")}, this,
                                         QStringLiteral("readStartTimeProcess"));
    connect(uptime, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &KivOraIot::readStartTimeProcessWrapUp);
}

// ---- Managers and services ----

void KivOraIot::set_cabinetManager(CabinetManager *cabinetManager)
{
    m_cabinetManager = cabinetManager;
    rebuildServices();
}

void KivOraIot::set_configManager(ConfigurationManager *configManager)
{
    m_configManager = configManager;
    rebuildServices();
}

void KivOraIot::set_dayPartManager(DayPartManager *dayPartManager)
{
    m_dayPartManager = dayPartManager;
}

void KivOraIot::set_menuManager(MenuManager *menuManager)
{
    m_menuManager = menuManager;
    rebuildServices();
}

void KivOraIot::set_translator(Translator *translator)
{
    m_translator = translator;
}

void KivOraIot::rebuildServices()
{
    delete m_ownServices;
    auto *services =
        new CabinetShadowServices(m_cabinetManager, m_configManager, m_menuManager, m_dayPartManager, this);
    m_ownServices = services;
    m_services = services;
    m_shadowServices = services;
}

void KivOraIot::setServices(IotServices *services, ShadowServices *shadowServices)
{
    delete m_ownServices;
    m_ownServices = nullptr;
    m_services = services;
    m_shadowServices = shadowServices;
}

bool KivOraIot::has(int sources) const
{
    return m_services && m_shadowServices && m_shadowServices->available(sources);
}

// ---- Identity, records and messages ----

QString KivOraIot::getDeviceUuid() const
{
    const QString serial = m_services ? m_services->serialNumber() : QString();
    return serial + QStringLiteral("_VESPRO_") + QStringLiteral("HOLDINGCABINET");
}

QString KivOraIot::getNewTransactionId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QJsonObject KivOraIot::buildJsonProperty(const QString &name, const QString &value, const QString &schema,
                                         const QString &unit)
{
    return ShadowFormat::property(name, value, schema, unit);
}

QJsonObject KivOraIot::buildJsonProperty(const QString &name, int value, const QString &schema,
                                         const QString &unit)
{
    return ShadowFormat::property(name, value, schema, unit);
}

QJsonObject KivOraIot::buildJsonProperty(const QString &name, long long value, const QString &schema,
                                         const QString &unit)
{
    return ShadowFormat::property(name, qint64(value), schema, unit);
}

QJsonObject KivOraIot::buildJsonProperty(const QString &name, bool value, const QString &schema,
                                         const QString &unit)
{
    return ShadowFormat::property(name, value, schema, unit);
}

QJsonObject KivOraIot::buildJsonProperty(const QString &name, float value, const QString &schema,
                                         const QString &unit)
{
    return ShadowFormat::property(name, double(value), schema, unit);
}

QString KivOraIot::panSizeText(int productId) const
{
    return m_services->menuRow(m_services->productIndex(productId)).panSizeX;
}

float KivOraIot::getFloatPanSize(const QString &panSize) const
{
    return ShadowFormat::panSizeTrays(panSize, m_services ? m_services->traysPerZone() : 0);
}

qint64 KivOraIot::timeStamp(Stamp stamp)
{
    const qint64 ms = KivClock::msecsSinceEpoch();
    return stamp == Stamp::NearestSecond ? (ms + 500) / 1000 : ms / 1000;
}

QJsonObject KivOraIot::eventMessage(const QString &eventType, qint64 stamp, const QString &arrayKey,
                                    const QJsonArray &records) const
{
    return ShadowFormat::eventMessage(eventType, stamp, getDeviceUuid(), getNewTransactionId(), arrayKey,
                                      records);
}

QJsonObject KivOraIot::shadowMessage(const QString &section, const QJsonArray &records) const
{
    return ShadowFormat::shadowMessage(section, timeStamp(Stamp::Truncated), getDeviceUuid(),
                                       getNewTransactionId(), records);
}

void KivOraIot::send(const QJsonObject &message, Delivery delivery)
{
    const QString text = ShadowFormat::serialise(message);
    if (delivery == Delivery::HeldUntilPowerOn && !m_powerOnReported) {
        m_pendingEvents << text;
        return;
    }
    emit sendIotInfo(text);
}

// ---- Commands ----

void KivOraIot::handleReceivedIoTInfo(QString iotJsonInfo)
{
    if (!has(forMessages))
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(iotJsonInfo.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug() << "Invalid IoT JSON message!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    if (!document.isObject()) {
        qDebug() << "Invalid IoT JSON object!!!!!!!!!!!!!!!!!!!!!";
        return;
    }
    const QJsonObject command = document.object();
    const QString event = command.value(QStringLiteral("event")).toString();
    if (event == QLatin1String("firmwareUpdateAvailable")) {
        qDebug() << "Firmware update command received!!!!";
        return;
    }
    if (event == QLatin1String("menuUpdateAvailable")) {
        qDebug() << "Menu update command received";
        return;
    }
    if (event == QLatin1String("iotSwVersion")) {
        const QString version = command.value(QStringLiteral("value")).toString();
        qDebug().noquote() << "iotSwVersion command received ===>" + version;
        m_services->setIotSoftwareVersion(version);
        return;
    }
    if (command.value(QStringLiteral("deviceUuid")).toString() != getDeviceUuid()) {
        qDebug() << "Invalid device UUID value!!!";
        return;
    }
    const QString eventType = command.value(QStringLiteral("eventType")).toString();
    if (eventType == QLatin1String("dataModeCommand"))
        handleDataModeCommand(command);
    else if (eventType == QLatin1String("liveViewCommand"))
        handleLiveViewCommand(command);
}

// ---- Timed modes ----
//
// The diagnostic data mode and live view take their commands and reply the
// same way; they differ in names, in the modes they accept, and in what the
// mode falls back to when it ends (live view takes the diagnostic mode).

KivClockTimer &KivOraIot::dataTimer(ModeKind kind)
{
    return kind == ModeKind::DiagnosticData ? m_diagnosticDataTimer : m_liveViewDataTimer;
}

KivClockTimer &KivOraIot::modeTimer(ModeKind kind)
{
    return kind == ModeKind::DiagnosticData ? m_diagnosticModeTimer : m_liveViewModeTimer;
}

QString &KivOraIot::modeOf(ModeKind kind)
{
    return kind == ModeKind::DiagnosticData ? m_diagnosticMode : m_liveViewMode;
}

QString KivOraIot::restingMode(ModeKind kind) const
{
    return kind == ModeKind::DiagnosticData ? warmMode : m_diagnosticMode;
}

void KivOraIot::runModeCommand(const QJsonObject &iotObj, ModeKind kind)
{
    if (!has(forMessages))
        return;
    const bool diagnostic = kind == ModeKind::DiagnosticData;
    const QString arrayKey = diagnostic ? QStringLiteral("diagnosticModeCommand") : QStringLiteral("liveViewCommand");
    const QString modeName = diagnostic ? QStringLiteral("Diagnostic data mode") : QStringLiteral("Live view mode");
    const ShadowFormat::ModeCommand command = ShadowFormat::parseModeCommand(iotObj, arrayKey);
    if (!command.hasArray) {
        sendModeFailed(kind, QString(), arrayKey + QStringLiteral(" array not found"), QString());
        return;
    }
    const bool validMode = diagnostic ? command.mode == operationalMode || command.mode == serviceMode
                                      : command.mode == liveViewModeName;
    if (!validMode) {
        sendModeFailed(kind, command.mode, QStringLiteral("Invalid mode requested"), QString());
        return;
    }
    KivClockTimer &modeTimer = this->modeTimer(kind);
    QString &mode = modeOf(kind);
    const bool active = modeTimer.isActive();
    const qint64 secs = command.durationSecs > 0 ? command.durationSecs : ShadowFormat::defaultModeSecs;
    if (command.state == stateEnable) {
        if (active) {
            sendModeFailed(kind, command.mode, modeName + QStringLiteral(" is already enabled"), stateEnable);
            return;
        }
        modeTimer.setInterval(ShadowFormat::secsToTimerMs(secs));
        dataTimer(kind).start();
        modeTimer.start();
        mode = command.mode;
        sendModeStatus(kind, stateEnable, successful, mode);
    } else if (command.state == stateDisable) {
        if (!active) {
            sendModeFailed(kind, command.mode, modeName + QStringLiteral(" is already disabled"), stateDisable);
            return;
        }
        dataTimer(kind).stop();
        modeTimer.stop();
        mode = restingMode(kind);
        sendModeStatus(kind, stateDisable, successful, command.mode);
    } else if (command.state == stateExtend) {
        if (!active) {
            sendModeFailed(kind, command.mode, QStringLiteral("Cannot Extend. ") + modeName + QStringLiteral(" is not active"),
                           stateDisable);
            return;
        }
        if (diagnostic && command.mode != mode) {
            sendModeFailed(kind, command.mode, QStringLiteral("Cannot Extend. ") + modeName + QStringLiteral(" is different"),
                           stateEnable);
            return;
        }
        const qint64 left = modeTimer.remainingTime() / 1000;
        modeTimer.stop();
        modeTimer.start(ShadowFormat::secsToTimerMs(left + secs));
        sendModeStatus(kind, stateExtend, successful, mode);
    } else {
        sendModeFailed(kind, command.mode, QStringLiteral("Invalid state requested"), active ? stateEnable : stateDisable);
    }
}

void KivOraIot::modeTimedOut(ModeKind kind)
{
    const QString endedMode = modeOf(kind);
    dataTimer(kind).stop();
    modeOf(kind) = restingMode(kind);
    sendModeStatus(kind, stateDisable, QStringLiteral("timeout"), endedMode);
}

void KivOraIot::sendModeReply(ModeKind kind, const QJsonArray &records)
{
    if (kind == ModeKind::DiagnosticData)
        send(eventMessage(QStringLiteral("dataModeStatus"), timeStamp(Stamp::Truncated),
                          QStringLiteral("diagnosticModeStatus"), records),
             Delivery::AtOnce);
    else
        send(eventMessage(QStringLiteral("liveViewStatus"), timeStamp(Stamp::Truncated),
                          QStringLiteral("liveViewStatus"), records),
             Delivery::AtOnce);
}

void KivOraIot::sendModeFailed(ModeKind kind, const QString &requestedMode, const QString &failureDesc,
                               const QString &status)
{
    if (!has(forMessages))
        return;
    QJsonArray records{
        stringProperty(QStringLiteral("modeRequested"), requestedMode),
        stringProperty(QStringLiteral("requestStatus"), QStringLiteral("failed")),
        stringProperty(QStringLiteral("finalActiveMode"), modeOf(kind)),
        stringProperty(QStringLiteral("requestFailureCode"), failureDesc),
    };
    if (!status.isEmpty())
        records.append(stringProperty(QStringLiteral("state"), status));
    sendModeReply(kind, records);
}

void KivOraIot::sendModeStatus(ModeKind kind, const QString &status, const QString &requestStatus,
                               const QString &requestedMode)
{
    if (!has(forMessages))
        return;
    sendModeReply(kind, {
                            stringProperty(QStringLiteral("modeRequested"), requestedMode),
                            stringProperty(QStringLiteral("state"), status),
                            stringProperty(QStringLiteral("requestStatus"), requestStatus),
                            stringProperty(QStringLiteral("finalActiveMode"), modeOf(kind)),
                        });
}

void KivOraIot::handleDataModeCommand(QJsonObject iotObj)
{
    runModeCommand(iotObj, ModeKind::DiagnosticData);
}

void KivOraIot::diagModeTimeOut()
{
    modeTimedOut(ModeKind::DiagnosticData);
}

void KivOraIot::sendDataModeFailed(QString requestedMode, QString failureDesc, QString status)
{
    sendModeFailed(ModeKind::DiagnosticData, requestedMode, failureDesc, status);
}

void KivOraIot::sendDataModeStatus(QString status, QString requestStatus, QString requestedMode)
{
    sendModeStatus(ModeKind::DiagnosticData, status, requestStatus, requestedMode);
}

void KivOraIot::handleLiveViewCommand(QJsonObject iotObj)
{
    runModeCommand(iotObj, ModeKind::LiveView);
}

void KivOraIot::liveViewModeTimeOut()
{
    modeTimedOut(ModeKind::LiveView);
}

void KivOraIot::sendLiveViewModeFailed(QString requestedMode, QString failureDesc, QString status)
{
    sendModeFailed(ModeKind::LiveView, requestedMode, failureDesc, status);
}

void KivOraIot::sendLiveViewModeStatus(QString status, QString requestStatus, QString requestedMode)
{
    sendModeStatus(ModeKind::LiveView, status, requestStatus, requestedMode);
}

void KivOraIot::diagnosticDataTick()
{
    m_diagnosticDataTimer.start();
    sendDiagnosticsModeData();
}

void KivOraIot::sendDiagnosticsModeData()
{
    QString eventType;
    if (m_diagnosticMode == operationalMode)
        eventType = QStringLiteral("operationalDiagnostics");
    else if (m_diagnosticMode == serviceMode)
        eventType = QStringLiteral("serviceDiagnostics");
    if (eventType.isEmpty() || !has(forBins))
        return;
    const qint64 stamp = timeStamp(Stamp::NearestSecond);
    send(eventMessage(eventType, stamp, QStringLiteral("eventData"), binRecords(stamp)), Delivery::AtOnce);
}

// One record per tray position, named after the I/O board's bin number.
// Positions beyond the board's bin list are not read, a zone that is not
// there or a temperature list that is too short reports 0, and with no trays
// per zone no zone is looked up.
QJsonArray KivOraIot::binRecords(qint64 stamp) const
{
    QJsonArray records;
    const QVector<IotServices::BinTemperatures> bins = m_services->binInfos();
    const int positions = qMin(m_services->traysPerCabinet(), bins.size());
    const int traysPerZone = m_services->traysPerZone();
    for (int i = 0; i < positions; ++i) {
        const int bin = bins.at(i).binNumber;
        const int productId = m_services->productIdFromBin(bin);
        QList<int> target;
        QList<int> actual;
        if (traysPerZone > 0)
            m_services->zoneTemperatures(bin / traysPerZone, &target, &actual);
        const int trayState = m_services->trayState(bin);
        const QString timerMode = ShadowFormat::timerModeWord(trayState);
        const trayInfo tray = m_services->getTrayInfo(i);
        const bool counting = trayState >= 6 && trayState <= 8;
        const long long holdSecondsRemaining =
            counting ? (tray.expectedTime + 500) / 1000 - stamp : tray.remainingTime;

        const QJsonArray values{
            buildJsonProperty(QStringLiteral("productId"), productId, schemaInt, QString()),
            buildJsonProperty(QStringLiteral("productName"), m_services->productName(productId),
                              schemaString, QString()),
            buildJsonProperty(QStringLiteral("holdDuration"), m_services->productHoldTime(productId), schemaInt,
                              unitSeconds),
            buildJsonProperty(QStringLiteral("panSize"),
                              getFloatPanSize(panSizeText(productId)), schemaFloat,
                              QString()),
            buildJsonProperty(QStringLiteral("setpointUpper"), target.value(1), schemaInt, unitFahrenheit),
            buildJsonProperty(QStringLiteral("setpointLower"), target.value(0), schemaInt, unitFahrenheit),
            buildJsonProperty(QStringLiteral("temperatureUpper"), actual.value(1), schemaInt, unitFahrenheit),
            buildJsonProperty(QStringLiteral("temperatureLower"), actual.value(0), schemaInt, unitFahrenheit),
            buildJsonProperty(QStringLiteral("timerMode"), timerMode, schemaString, QString()),
            buildJsonProperty(QStringLiteral("holdSecondsRemaining"), holdSecondsRemaining, schemaInt,
                              unitSeconds),
        };
        records.append(QJsonObject{
            {QStringLiteral("name"), QStringLiteral("Bin %1").arg(bin + 1)},
            {QStringLiteral("value"), values},
            {QStringLiteral("schema"), QStringLiteral("ARRAY")},
            {QStringLiteral("unit"), QString()},
        });
    }
    return records;
}

void KivOraIot::liveViewDataTick()
{
    m_liveViewDataTimer.start();
    sendLiveViewModeData();
}

void KivOraIot::sendLiveViewModeData()
{
    if (m_liveViewMode != liveViewModeName || !has(forMessages))
        return;
    const qint64 stamp = timeStamp(Stamp::NearestSecond);
    const qint64 start = (m_systemStartTime.toMSecsSinceEpoch() + 500) / 1000;
    const qint64 upTime = qMax<qint64>(0, stamp - start);
    m_totalSystemUpTime += upTime - m_currentUpTime;
    m_currentUpTime = upTime;
    const QJsonArray records{
        buildJsonProperty(QStringLiteral("systemUpTime"), (long long)upTime, schemaInt, unitSeconds),
        buildJsonProperty(QStringLiteral("totalSystemUpTime"), (long long)m_totalSystemUpTime, schemaInt,
                          unitSeconds),
    };
    send(eventMessage(QStringLiteral("liveViewData"), stamp, QStringLiteral("eventData"), records),
         Delivery::AtOnce);
}

// ---- Reports ----

void KivOraIot::sendPowerOn()
{
    if (m_powerOnReported || !has(forCabinet))
        return;
    m_powerOnReported = true;
    const qint64 powerOnTime = (m_prevStartTime.toMSecsSinceEpoch() + 500) / 1000;
    const QJsonArray records{
        buildJsonProperty(QStringLiteral("systemPowerOnTime"), (long long)powerOnTime, schemaInt, unitSeconds),
        buildJsonProperty(QStringLiteral("systemUpTime"), (long long)m_prevUpTime, schemaInt, unitSeconds),
        buildJsonProperty(QStringLiteral("totalSystemUpTime"), (long long)m_totalSystemUpTime, schemaInt,
                          QString()),
        buildJsonProperty(QStringLiteral("binsPerCabinet"), m_services->traysPerCabinet(), schemaInt,
                          QString()),
    };
    send(eventMessage(QStringLiteral("systemBootData"), timeStamp(Stamp::NearestSecond),
                      QStringLiteral("eventData"), records),
         Delivery::AtOnce);
    const QStringList held = m_pendingEvents;
    m_pendingEvents.clear();
    for (const QString &text : held)
        emit sendIotInfo(text);
}

void KivOraIot::sendDeviceIdentifier()
{
    if (!has(forCabinet))
        return;
    const QString brand = m_services->customerId() == 1 ? QStringLiteral("KALDMOREN-LORNET")
                                                              : QStringLiteral("VESPRO");
    const QJsonArray records{
        stringProperty(QStringLiteral("Serial #"), m_services->serialNumber()),
        stringProperty(QStringLiteral("Model #"), m_services->modelNumber()),
        stringProperty(QStringLiteral("Store #"), m_services->storeNumber()),
        stringProperty(QStringLiteral("brandId"), brand),
    };
    send(shadowMessage(QStringLiteral("deviceIdData"), records), Delivery::HeldUntilPowerOn);
    m_services->checkFirmwareUpdateDone();
}

void KivOraIot::sendVersionInfo()
{
    if (!has(forCabinet))
        return;
    QJsonArray records{
        stringProperty(QStringLiteral("firmwareVersionUI"), QString::fromLatin1(ConfigurationManager::kFirmwareVersion)),
        stringProperty(QStringLiteral("firmwareVersionIoT"), m_services->iotSoftwareVersion()),
        stringProperty(QStringLiteral("firmwareVersionIO"), m_services->ioBoardFirmwareVersion()),
    };
    if (m_services->nfcEnabled())
        records.append(stringProperty(QStringLiteral("firmwareVersionReaderBoard"),
                                      m_services->readerFirmwareVersion()));
    send(shadowMessage(QStringLiteral("versionData"), records), Delivery::HeldUntilPowerOn);
}

void KivOraIot::sendMenuInfo()
{
    if (!has(forMessages))
        return;
    const QJsonArray records{
        stringProperty(QStringLiteral("menuVersion"), m_shadowServices->menuVersion()),
        stringProperty(QStringLiteral("menuDescription"), m_shadowServices->menuDescription()),
    };
    send(eventMessage(QStringLiteral("menuInformation"), timeStamp(Stamp::Truncated), QStringLiteral("menuData"),
                      records),
         Delivery::HeldUntilPowerOn);
}

void KivOraIot::sendStoreNumberUpdated(QString newValue)
{
    if (!has(forMessages))
        return;
    send(shadowMessage(QStringLiteral("configurationData"), {stringProperty(QStringLiteral("Store #"), newValue)}),
         Delivery::HeldUntilPowerOn);
}

void KivOraIot::sendMenuUpdated(QString timeStamp, int method, bool result)
{
    Q_UNUSED(timeStamp)
    if ((method != 0 && method != 2) || !has(forMessages))
        return;
    const QJsonArray records{
        stringProperty(QStringLiteral("event"), QStringLiteral("menuUpdated")),
        stringProperty(QStringLiteral("updateStatus"), result ? successful : QStringLiteral("failed")),
        stringProperty(QStringLiteral("menuVersion"), m_shadowServices->menuVersion()),
        stringProperty(QStringLiteral("menuDescription"), m_shadowServices->menuDescription()),
    };
    send(eventMessage(QStringLiteral("transaction"), KivOraIot::timeStamp(Stamp::Truncated),
                      QStringLiteral("eventData"), records),
         Delivery::HeldUntilPowerOn);
}

void KivOraIot::sendFirmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method,
                                    bool result)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(newVersion)
    Q_UNUSED(prevVersion)
    Q_UNUSED(method)
    if (!has(forMessages))
        return;
    const QJsonArray records{
        stringProperty(QStringLiteral("event"), QStringLiteral("firmwareUpdated")),
        stringProperty(QStringLiteral("updateStatus"), result ? successful : QStringLiteral("failed")),
    };
    send(eventMessage(QStringLiteral("transaction"), KivOraIot::timeStamp(Stamp::Truncated),
                      QStringLiteral("eventData"), records),
         Delivery::HeldUntilPowerOn);
}

void KivOraIot::sendLogData()
{
    if (!has(forBins))
        return;
    const qint64 stamp = timeStamp(Stamp::NearestSecond);
    send(eventMessage(QStringLiteral("logData"), stamp, QStringLiteral("eventData"), binRecords(stamp)),
         Delivery::AtOnce);
}

// ---- Hold events ----

KivOraIot::HoldFacts KivOraIot::holdFacts(int bin) const
{
    HoldFacts facts;
    facts.productId = m_services->productIdFromBin(bin & 0xff);
    facts.holdTime = m_services->productHoldTime(facts.productId);
    facts.panSize = getFloatPanSize(panSizeText(facts.productId));
    facts.tray = m_services->getTrayInfo(bin);
    facts.processId = ShadowFormat::processIdText(m_services->serialNumber(), bin, facts.tray.processId);
    return facts;
}

// The records every hold event opens with, in their order.
QJsonArray KivOraIot::holdRecords(const QString &event, int bin, const HoldFacts &facts,
                                  const QString &productType)
{
    return QJsonArray{
        buildJsonProperty(QStringLiteral("event"), event, schemaString, QString()),
        buildJsonProperty(QStringLiteral("binNumber"), bin + 1, schemaInt, QString()),
        buildJsonProperty(QStringLiteral("productId"), facts.productId, schemaInt, QString()),
        buildJsonProperty(QStringLiteral("productName"), productType, schemaString, QString()),
    };
}

void KivOraIot::sendHoldEvent(const QJsonArray &records)
{
    send(eventMessage(QStringLiteral("operation"), timeStamp(Stamp::Truncated), QStringLiteral("eventData"), records),
         Delivery::AtOnce);
}

void KivOraIot::sendHoldStart(QString timeStamp, QString productType, QString panID, int zone, QString method)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(panID)
    Q_UNUSED(method)
    if (!has(forBins))
        return;
    const HoldFacts facts = holdFacts(zone);
    QJsonArray records = holdRecords(QStringLiteral("holdStart"), zone, facts, productType);
    records.append(buildJsonProperty(QStringLiteral("panSize"), facts.panSize, schemaFloat, QString()));
    records.append(buildJsonProperty(QStringLiteral("holdTime"), int(facts.tray.remainingTime), schemaInt, unitSeconds));
    records.append(buildJsonProperty(QStringLiteral("doubleTap"), facts.tray.flag != 0, schemaBool, QString()));
    records.append(buildJsonProperty(QStringLiteral("processId"), facts.processId, schemaString, QString()));
    sendHoldEvent(records);
}

void KivOraIot::sendHoldStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                             int timeRemaining)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(panID)
    Q_UNUSED(method)
    if (!has(forBins))
        return;
    const HoldFacts facts = holdFacts(zone);
    const long long holdDuration = (long long)facts.holdTime - timeRemaining;
    QJsonArray records = holdRecords(QStringLiteral("holdStop"), zone, facts, productType);
    records.append(buildJsonProperty(QStringLiteral("holdDuration"), holdDuration, schemaInt, unitSeconds));
    records.append(buildJsonProperty(QStringLiteral("panSize"), facts.panSize, schemaFloat, QString()));
    records.append(buildJsonProperty(QStringLiteral("isHoldExpired"), timeRemaining < 0, schemaBool, QString()));
    records.append(buildJsonProperty(QStringLiteral("processId"), facts.processId, schemaString, QString()));
    sendHoldEvent(records);
}

void KivOraIot::sendHoldExpired(QString timeStamp, QString productType, QString panID, int zone)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(panID)
    if (!has(forBins))
        return;
    const HoldFacts facts = holdFacts(zone);
    QJsonArray records = holdRecords(QStringLiteral("holdExpired"), zone, facts, productType);
    records.append(buildJsonProperty(QStringLiteral("panSize"), facts.panSize, schemaFloat, QString()));
    records.append(buildJsonProperty(QStringLiteral("holdDuration"), facts.holdTime, schemaInt, unitSeconds));
    records.append(buildJsonProperty(QStringLiteral("processId"), facts.processId, schemaString, QString()));
    sendHoldEvent(records);
}

// ---- Errors ----

QJsonObject KivOraIot::errorMessage(const QString &errorCode, const QString &state) const
{
    const QJsonArray records{
        stringProperty(QStringLiteral("errorCode"), errorCode),
        stringProperty(QStringLiteral("state"), state),
    };
    return eventMessage(QStringLiteral("error"), timeStamp(Stamp::Truncated), QStringLiteral("errorData"), records);
}

void KivOraIot::sendErrorInfo(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(errorDesc)
    Q_UNUSED(value)
    if (!has(forMessages))
        return;
    // An error an earlier run left active and that comes back before the
    // purge is active again, but was reported then already.
    if (!m_previousErrors.contains(errorCode) && !m_activeErrors.contains(errorCode))
        send(errorMessage(errorCode, QStringLiteral("active")), Delivery::HeldUntilPowerOn);
    if (m_activeErrors.contains(errorCode))
        return;
    m_activeErrors.append(errorCode);
    m_previousErrors.removeOne(errorCode);
    saveAtciveErrorsList();
}

void KivOraIot::sendErrorClearInfo(QString timeStamp, QString errorCode, QString errorDesc, QString value)
{
    Q_UNUSED(timeStamp)
    Q_UNUSED(errorDesc)
    Q_UNUSED(value)
    if (!has(forMessages))
        return;
    const QJsonObject message = errorMessage(errorCode, QStringLiteral("inactive"));
    if (m_activeErrors.removeOne(errorCode))
        saveAtciveErrorsList();
    send(message, Delivery::HeldUntilPowerOn);
}

void KivOraIot::clearOldErrors()
{
    while (!m_previousErrors.isEmpty()) {
        const std::array<int, 4> code = ShadowFormat::errorCodeParts(m_previousErrors.last());
        emit oldErrorClearInfo(code[0], code[1], code[2], code[3]);
        m_previousErrors.removeLast();
    }
    saveAtciveErrorsList();
}

void KivOraIot::saveAtciveErrorsList()
{
    m_errorsWriter.save(ShadowFormat::errorsFile(m_activeErrors + m_previousErrors));
}

void KivOraIot::errorsSaveFinished(SafeFileWriter::Result result)
{
    if (result == SafeFileWriter::OpenFailed)
        qDebug() << "Unable to Open activeErrorsList.txt File for saving!!!";
}

void KivOraIot::loadAtciveErrorsList()
{
    m_previousErrors.clear();
    QFile file(errorsFilePath());
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Unable to Open File: " + file.fileName();
        return;
    }
    m_previousErrors = ShadowFormat::parseErrorsFile(file.readAll());
}

// ---- Uptime ----

void KivOraIot::readStartTimeProcessWrapUp(int exitCode, QProcess::ExitStatus status)
{
    Q_UNUSED(exitCode)
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process) {
        systemUpTimeUpdate();
        return;
    }
    disconnect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
               &KivOraIot::readStartTimeProcessWrapUp);
    if (status == QProcess::CrashExit) {
        m_systemStartTime = KivClock::now();
    } else {
        QByteArray output = process->readAll();
        const int nul = output.indexOf('\0');
        if (nul >= 0)
            output.truncate(nul);
        const QString text = QString::fromUtf8(output).remove(QLatin1Char('\n'));
        const QDateTime boot = QDateTime::fromString(text, QLatin1String(ShadowFormat::uptimeTimeFormat()));
        // A boot time that does not parse would count the decades since
        // the epoch as uptime: take the time now, as for a crashed tool.
        if (boot.isValid()) {
            m_systemStartTime = boot;
        } else {
            qDebug().noquote() << "Boot time not understood, counting uptime from now:" << text;
            m_systemStartTime = KivClock::now();
        }
    }
    process->deleteLater();
    systemUpTimeUpdate();
}

void KivOraIot::uptimeTick()
{
    m_uptimeTimer.start();
    systemUpTimeUpdate();
}

void KivOraIot::systemUpTimeUpdate()
{
    const qint64 now = KivClock::msecsSinceEpoch() / 1000;
    const qint64 start = m_systemStartTime.toMSecsSinceEpoch() / 1000;
    const qint64 upTime = qMax<qint64>(0, now - start);
    const qint64 total = m_totalSystemUpTime + upTime - m_currentUpTime;
    m_uptimeSaveRefused = false;
    m_uptimeWriter.save(ShadowFormat::uptimeFile(m_systemStartTime, upTime, total));
    // A file that cannot even be opened changes nothing: the next update
    // counts the growth from the last values that were stored.
    if (m_uptimeSaveRefused)
        return;
    m_currentUpTime = upTime;
    m_totalSystemUpTime = total;
}

void KivOraIot::uptimeSaveFinished(SafeFileWriter::Result result)
{
    if (result != SafeFileWriter::OpenFailed && result != SafeFileWriter::WriteFailed)
        return;
    m_uptimeSaveRefused = true;
    qDebug() << "Unable to Open systemUpTimeInfo.txt File for write!!!";
}

void KivOraIot::loadPrevSystemUpTime()
{
    QFile file(uptimeFilePath());
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Unable to Open File: " + file.fileName();
        return;
    }
    const ShadowFormat::Uptime previous = ShadowFormat::parseUptimeFile(file.readAll());
    // A start time that does not parse keeps the one held: the boot report
    // must not name a time that never was.
    if (previous.hasStartTime && previous.startTime.isValid())
        m_prevStartTime = previous.startTime;
    if (previous.hasUpTime)
        m_prevUpTime = previous.upTime;
    if (previous.hasTotalUpTime)
        m_totalSystemUpTime = previous.totalUpTime;
}
