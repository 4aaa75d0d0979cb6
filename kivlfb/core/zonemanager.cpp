#include "zonemanager.h"

#include "property/assignifchanged.h"

#include "core/traybarsc.h"
#include "menus/daypartmanager.h"
#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>

#include <algorithm>

namespace {
// Temperature handling and layout codes of the cabinet layout.
const int kHandlingAveraged = 0;
const int kHandlingIndividual = 1;
const int kLayoutFrontBack = 0;
const int kLayoutLeftRight = 1;
const int kLayoutTopBottom = 2;
// Allowed deviation from a target, whole degrees.
const int kErrorMarginIndividual = 30;
const int kErrorMarginAveraged = 10;
// A reading at or above this is an open or missing sensor, not a temperature.
const int kSensorFaultReading = 3275;
// How long a zone may stay too cold or too hot before it is an error.
const qint64 kTooLowLimitSecs = 900;
const qint64 kTooLowPreheatLimitSecs = 3600;
const qint64 kTooHighMinSecs = 901;
const int kTempStatusEvalMs = 1000;
const int kTargetTempsSettleMs = 50;
const int kFirstMoveCheckMs = 2;
const int kMoveCheckMs = 30;
const int kAutoEcoScanMs = 1000;
// Fan target of a cabinet without fans.
const int kNoFanTarget = 80;
// Customer ids with rules of their own.
const int kCustomerRivev = 2;
const int kCustomerDez = 3;
// Configuration values of eco mode.
const int kEcoEnableModeOff = 0;
const int kEcoEnableModeAuto = 1;
const int kEcoTempModeUser = 1;
const int kDefaultEcoShelfHeatTemp = 125;
// Bar temperatures shown in heat-off during and after cleaning.
const int kCleaningHoldOffTemp = 120;
const int kAfterCleaningEcoTemp = 125;

// Disable reasons by flag bit, highest first.
struct DisableReason
{
    uint flag;
    const char *text;
};
const DisableReason kDisableReasons[] = {
    {ZoneManager::ZE_TEMP_SENSOR_ERROR, QT_TRANSLATE_NOOP("ZoneManager", "Zone error: temperature sensor error")},
    {ZoneManager::ZE_PRIMARY_UI_COMM_LOSS, QT_TRANSLATE_NOOP("ZoneManager", "Primary UI communication loss.")},
    {ZoneManager::ZE_PRIMARY_IO_COMM_LOSS, QT_TRANSLATE_NOOP("ZoneManager", "Primary I/O board comm lost.")},
    {ZoneManager::ZE_IO_COMM_LOSS, QT_TRANSLATE_NOOP("ZoneManager", "I/O board comm loss.")},
    {ZoneManager::ZE_TEMP_B_TOO_HIGH_ERROR, QT_TRANSLATE_NOOP("ZoneManager", "Zone error: temp. B too high")},
    {ZoneManager::ZE_TEMP_B_TOO_LOW_ERROR, QT_TRANSLATE_NOOP("ZoneManager", "Zone error: temp. B too low.")},
    {ZoneManager::ZE_TEMP_TOO_HIGH_ERROR, QT_TRANSLATE_NOOP("ZoneManager", "Zone error: temperature too high")},
    {ZoneManager::ZE_TEMP_TOO_LOW_ERROR, QT_TRANSLATE_NOOP("ZoneManager", "Zone error: temperature too low.")},
};

bool hasProduct(const TrayBarSc *tray)
{
    return tray->get_productId() != 0;
}
} // namespace

ZoneManager::ZoneManager(int zoneNumber, int traysPerZone, MenuManager *menus,
                         DayPartManager *dayParts, int tempHandling, int tempLayout,
                         bool mirrorDisplay, QObject *parent)
    : TarnStateMachine(parent)
    , m_zoneNumber(zoneNumber)
    , m_traysPerZone(traysPerZone)
    , m_tempHandling(tempHandling)
    , m_tempLayout(tempLayout)
    , m_mirrorFlag(mirrorDisplay)
    , m_menus(menus)
    , m_dayParts(dayParts)
    , m_stateEntryTime(KivClock::msecsSinceEpoch())
    , m_waitingTimer(new QTimer(this))
    , m_tempStatusEvalTimer(new QTimer(this))
    , m_targetTempsTimer(new QTimer(this))
{
    const int margin = tempHandling == kHandlingIndividual ? kErrorMarginIndividual
                                                           : kErrorMarginAveraged;
    m_errorHighTemp = margin;
    m_errorLowTemp = margin;

    const int sensors = sensorCount(tempLayout, tempHandling, traysPerZone);
    for (int i = 0; i < sensors; ++i) {
        m_actualTempsList.append(0);
        m_targetTempsList.append(0);
    }
    for (int i = 0; i < traysPerZone; ++i)
        m_targetFansList.append(0);

    for (int i = 0; i < traysPerZone; ++i)
        m_trays.append(new TrayBarSc(menus, dayParts, this, zoneNumber * traysPerZone + i, this));

    // Named so that the tracer (and a test) can tell them apart.
    m_waitingTimer->setObjectName(QStringLiteral("waitingTimer"));
    m_tempStatusEvalTimer->setObjectName(QStringLiteral("m_tempStatusEvalTimer"));
    m_tempStatusEvalTimer->setInterval(kTempStatusEvalMs);
    m_targetTempsTimer->setObjectName(QStringLiteral("targetTempsTimer"));
    m_targetTempsTimer->setInterval(kTargetTempsSettleMs);
    m_targetTempsTimer->setSingleShot(true);

    connectTrays();
    connect(this, &ZoneManager::errorFlagsChanged, this, &ZoneManager::updateDisableReason);
    connect(m_targetTempsTimer, &QTimer::timeout, this, &ZoneManager::targetTempsListChanged);
    if (cabinetValue("iAmMaster").toBool())
        connectPrimaryDisplay();

    buildMachine();
}

int ZoneManager::sensorCount(int tempLayout, int tempHandling, int traysPerZone)
{
    if (tempLayout == kLayoutTopBottom)
        return 2; // index 0 bottom, index 1 top
    if (tempLayout == kLayoutLeftRight && tempHandling == kHandlingIndividual)
        return traysPerZone;
    if (tempLayout == kLayoutFrontBack && tempHandling == kHandlingAveraged)
        return traysPerZone;
    return 1;
}

void ZoneManager::connectTrays()
{
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        connect(tray, &TrayBarSc::holdTemperatureChanged, this, &ZoneManager::updateZoneTargetTempFromTray);
        connect(tray, &TrayBarSc::upperTemperatureChanged, this, &ZoneManager::updateZoneTargetTempFromTray);
        connect(tray, &TrayBarSc::lowerTemperatureChanged, this, &ZoneManager::updateZoneTargetTempFromTray);
        connect(tray, &TrayBarSc::trayStateChanged, this, &ZoneManager::binStateChanged);
        connect(tray, &TrayBarSc::targetFanSpeedChanged, this, &ZoneManager::updateZoneTargetFanSpeedFromTray);
        connect(tray, &TrayBarSc::holdingStartedSignal, this, &ZoneManager::updateTrayBarHoldingInfo, Qt::QueuedConnection);
        connect(tray, &TrayBarSc::holdingStoppedSignal, this, &ZoneManager::updateTrayBarHoldingInfo, Qt::QueuedConnection);
        connect(tray, &TrayBarSc::holdingUpdateSignal, this, &ZoneManager::updateTrayBarHoldingInfo, Qt::QueuedConnection);
        if (m_mirrorFlag)
            connect(tray, &TrayBarSc::trayStateChanged, this, &ZoneManager::updateTrayBarHoldingInfoMirror, Qt::QueuedConnection);
    }
}

// The primary display drives the heaters: it turns eco and heat-off into
// tray set points and watches for idle zones.
void ZoneManager::connectPrimaryDisplay()
{
    connect(this, &ZoneManager::ecoModeEnabledChanged, this, &ZoneManager::updateZoneOperationMode, Qt::QueuedConnection);
    connect(this, &ZoneManager::heatOffEnabledChanged, this, &ZoneManager::updateZoneOperationMode, Qt::QueuedConnection);

    // The eco settings are connected by name: only those the configuration
    // store carries.
    if (QObject *config = configManager()) {
        const QMetaObject *meta = config->metaObject();
        const auto connectIfPresent = [&](const char *signal, const char *slot) {
            if (meta->indexOfSignal(QMetaObject::normalizedSignature(signal + 1)) >= 0)
                connect(config, signal, this, slot, Qt::QueuedConnection);
            else
                qDebug().noquote() << objectName() << "configuration has no" << (signal + 1);
        };
        connectIfPresent(SIGNAL(ecoActivateTimeoutChanged(int)), SLOT(cancelSuggetEcoMode()));
        connectIfPresent(SIGNAL(ecoShelfHeatModeChanged(int)), SLOT(updateZoneOperationMode()));
        connectIfPresent(SIGNAL(ecoShelfHeatTempChanged(int)), SLOT(updateZoneOperationMode()));
    }

    if (cabinetValue("advancedZoneOptionsEnable").toBool()) {
        m_autoEcoTimer = new QTimer(this);
        m_autoEcoTimer->setObjectName(QStringLiteral("autoEcoTimer"));
        m_autoEcoTimer->setInterval(kAutoEcoScanMs);
        connect(m_autoEcoTimer, &QTimer::timeout, this, &ZoneManager::autoEcoEnableScan);
        m_autoEcoTimer->start();
    }
}

// ---- the chart ----

void ZoneManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *s1 = b.state(this, "s1", QState::ParallelStates);
    QState *dayparts = b.state(s1, "dayparts");
    QState *tempStatus = b.state(s1, "tempStatus");
    setInitialState(s1);
    buildDayPartRegion(dayparts);
    buildTempStatusRegion(tempStatus);
}

void ZoneManager::buildDayPartRegion(QState *dayparts)
{
    StateMachineBuilder b(this);
    QState *mirroredZone = b.state(dayparts, "mirroredZone");
    QState *unassigned = b.state(dayparts, "unassigned");
    QState *move2DayPart = b.state(dayparts, "move2DayPart");
    QState *onDayPart = b.state(dayparts, "onDayPart");
    dayparts->setInitialState(m_mirrorFlag ? mirroredZone : move2DayPart);

    b.transition(unassigned, move2DayPart, "t_assigned", QStringLiteral("this"), this,
                 SIGNAL(nextDayPartChanged(int)));
    b.transition(onDayPart, move2DayPart, "t_moving", QStringLiteral("this"), this,
                 SIGNAL(nextDayPartChanged(int)), "differentNextDayPart");
    b.transition(move2DayPart, onDayPart, "t_moving_bothOK", QStringLiteral("this"), this,
                 SIGNAL(bothBinsOk2move()));
    b.transition(move2DayPart, move2DayPart, "t_moving_binUpdate", QStringLiteral("this"), this,
                 SIGNAL(binStateChanged(int)));
    QSignalTransition *timer = b.transition(move2DayPart, nullptr, "t_moving_timer",
                                            QStringLiteral("&waitingTimer"), m_waitingTimer,
                                            SIGNAL(timeout()));
    b.action(timer, "signalIfZoneBinsOk2move");
}

void ZoneManager::buildTempStatusRegion(QState *tempStatus)
{
    StateMachineBuilder b(this);
    QState *tsUnknown = b.state(tempStatus, "tsUnknown");
    QState *tsOK = b.state(tempStatus, "tsOK");
    QState *tsTooLow = b.state(tempStatus, "tsTooLow");
    QState *tsTooLowError = b.state(tempStatus, "tsTooLowError");
    QState *tsTooHigh = b.state(tempStatus, "tsTooHigh");
    QState *tsTooHighError = b.state(tempStatus, "tsTooHighError");
    tempStatus->setInitialState(tsUnknown);

    // A mirror display only shows the status the primary display sends.
    if (cabinetValue("mirrorDisplay").toBool())
        return;

    const QString self = QStringLiteral("this");
    const char *actualTemp = SIGNAL(actualTempChanged(int));
    const QString evalTimer = QStringLiteral("&m_tempStatusEvalTimer");
    const char *tick = SIGNAL(timeout());

    b.transition(tsUnknown, tsOK, "t_ts1", self, this, actualTemp);
    b.transition(tsOK, tsTooLow, "t_tok1", self, this, actualTemp, "isTempTooLow");
    b.transition(tsOK, tsTooHigh, "t_tok2", self, this, actualTemp, "isTempTooHigh");
    b.transition(tsTooLow, tsTooLowError, "t_tlow1", evalTimer, m_tempStatusEvalTimer, tick, "isTempTooLowError");
    b.transition(tsTooLow, tsOK, "t_tlow2", self, this, actualTemp, "isTempOk");
    b.transition(tsTooLow, tsTooHigh, "t_tlow3", self, this, actualTemp, "isTempTooHigh");
    b.transition(tsTooHigh, tsTooHighError, "t_thigh1", evalTimer, m_tempStatusEvalTimer, tick, "isTempTooHighError");
    b.transition(tsTooHigh, tsOK, "t_thigh2", self, this, actualTemp, "isTempOk");
    b.transition(tsTooHigh, tsTooLow, "t_thigh3", self, this, actualTemp, "isTempTooLow");
    b.transition(tsTooLowError, tsOK, "t_tlowE1", self, this, actualTemp, "isTempOk");
    b.transition(tsTooLowError, tsTooHigh, "t_tlowE2", self, this, actualTemp, "isTempTooHigh");
    b.transition(tsTooHighError, tsOK, "t_thighE1", self, this, actualTemp, "isTempOk");
    b.transition(tsTooHighError, tsTooLow, "t_thighE2", self, this, actualTemp, "isTempTooLow");
    b.transition(tempStatus, tsOK, "t_tsResetError", self, this, SIGNAL(resetTempError()));
}

QList<QObject *> ZoneManager::get_traysListProperty() const
{
    QList<QObject *> list;
    for (TrayBarSc *t : m_trays)
        list.append(t);
    return list;
}

void ZoneManager::set_currentDayPart(int value)
{
    if (m_currentDayPart == value)
        return;
    if (m_prevDayPart != m_currentDayPart) {
        m_prevDayPart = m_currentDayPart;
        emit prevDayPartChanged(m_prevDayPart);
    }
    m_currentDayPart = value;
    emit currentDayPartChanged(m_currentDayPart);
}

void ZoneManager::set_nextDayPart(int value)
{
    if (m_nextDayPart == value)
        return;
    m_nextDayPart = value;
    emit nextDayPartChanged(m_nextDayPart);
    // A bar that is holding decides for itself whether it waits for the
    // new day part: one check per such bar.
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        if (tray->get_trayState() == TrayBarSc::TRAY_STATE_STANDARD)
            emit checkForWaitState();
    }
}

void ZoneManager::set_zState(int value)
{
    if (assignIfChanged(m_zState, value))
        emit zStateChanged(m_zState);
}

void ZoneManager::set_tempStatus(int value)
{
    if (assignIfChanged(m_tempStatus, value))
        emit tempStatusChanged(m_tempStatus);
}

void ZoneManager::set_tempError(bool value)
{
    if (assignIfChanged(m_tempError, value))
        emit tempErrorChanged(m_tempError);
}

void ZoneManager::set_disabledFlag(bool value)
{
    if (assignIfChanged(m_disabledFlag, value))
        emit disabledFlagChanged(m_disabledFlag);
}

void ZoneManager::set_disableReason(const QString &value)
{
    if (assignIfChanged(m_disableReason, value))
        emit disableReasonChanged(m_disableReason);
}

void ZoneManager::set_errorFlags(uint value)
{
    if (assignIfChanged(m_errorFlags, value))
        emit errorFlagsChanged(m_errorFlags);
}

void ZoneManager::set_donePreheating(bool value)
{
    if (assignIfChanged(m_donePreheating, value))
        emit donePreheatingChanged(m_donePreheating);
}

void ZoneManager::set_tpStatus(uint value)
{
    if (assignIfChanged(m_tpStatus, value))
        emit tpStatusChanged(m_tpStatus);
}

void ZoneManager::set_tempRangeErrorDisable(bool value)
{
    if (assignIfChanged(m_tempRangeErrorDisable, value))
        emit tempRangeErrorDisableChanged(m_tempRangeErrorDisable);
}

void ZoneManager::set_ecoModeEnabled(bool value)
{
    if (assignIfChanged(m_ecoModeEnabled, value))
        emit ecoModeEnabledChanged(m_ecoModeEnabled);
}

void ZoneManager::set_heatOffEnabled(bool value)
{
    if (assignIfChanged(m_heatOffEnabled, value))
        emit heatOffEnabledChanged(m_heatOffEnabled);
}

void ZoneManager::set_suggestEcoModeEnable(bool value)
{
    if (assignIfChanged(m_suggestEcoModeEnable, value))
        emit suggestEcoModeEnableChanged(m_suggestEcoModeEnable);
}

void ZoneManager::set_activelyHolding(bool value)
{
    if (assignIfChanged(m_activelyHolding, value))
        emit activelyHoldingChanged(m_activelyHolding);
}

void ZoneManager::set_actualTemp(int value)
{
    m_actualTemp = value;
    emit actualTempChanged(m_actualTemp);
}

void ZoneManager::set_errorHighTemp(int value)
{
    if (assignIfChanged(m_errorHighTemp, value))
        emit errorHighTempChanged(m_errorHighTemp);
}

void ZoneManager::set_errorLowTemp(int value)
{
    if (assignIfChanged(m_errorLowTemp, value))
        emit errorLowTempChanged(m_errorLowTemp);
}

void ZoneManager::setErrorFlags(uint mask)
{
    m_errorFlags |= mask;
    emit errorFlagsChanged(m_errorFlags);
}

void ZoneManager::clearErrorFlags(uint mask)
{
    m_errorFlags &= ~mask;
    emit errorFlagsChanged(m_errorFlags);
}


// ---- what the zone reads of its cabinet ----

QVariant ZoneManager::cabinetValue(const char *name) const
{
    return parent() ? parent()->property(name) : QVariant();
}

QObject *ZoneManager::configManager() const
{
    return cabinetValue("configManager").value<QObject *>();
}

QVariant ZoneManager::configValue(const char *name) const
{
    const QObject *config = configManager();
    return config ? config->property(name) : QVariant();
}

int ZoneManager::customerId() const
{
    return cabinetValue("customerId").toInt();
}

bool ZoneManager::heatingHeldBack() const
{
    return m_ecoModeEnabled || m_heatOffEnabled || cabinetValue("cleaningInProgress").toBool();
}

bool ZoneManager::someTrayHasProduct() const
{
    return std::any_of(m_trays.cbegin(), m_trays.cend(), hasProduct);
}

int ZoneManager::trayIndex(const TrayBarSc *tray) const
{
    return m_traysPerZone > 0 ? tray->get_binNumber() % m_traysPerZone : -1;
}

// ---- sensor readings and fans ----

void ZoneManager::set_actualTempN(int zone, int tempIdx, int actualTemp)
{
    if (zone != m_zoneNumber || tempIdx < 0 || tempIdx >= m_actualTempsList.size())
        return;
    m_actualTempsList[tempIdx] = actualTemp;
    emit actualTempsListChanged();

    qint64 sum = 0;
    for (int reading : qAsConst(m_actualTempsList))
        sum += reading;
    const int mean = int(sum / m_actualTempsList.size());
    set_actualTemp(mean);

    if (m_tempHandling == kHandlingIndividual) {
        if (tempIdx < m_trays.size())
            m_trays.at(tempIdx)->set_actualTemperature(actualTemp);
        set_actualTemp(mean);
    } else {
        for (TrayBarSc *tray : qAsConst(m_trays))
            tray->set_actualTemperature(mean);
    }
}

void ZoneManager::set_actualFanSpeedN(int zone, int idx, int actualFanSpeed)
{
    if (zone != m_zoneNumber || idx < 0)
        return;
    if (idx < m_actualFansList.size())
        m_actualFansList[idx] = actualFanSpeed;
    if (idx < m_trays.size())
        m_trays.at(idx)->set_actualFanSpeed(actualFanSpeed);
}

// ---- temperature status ----

bool ZoneManager::isTempTooHigh()
{
    bool tooHigh = false;
    if (!heatingHeldBack() && someTrayHasProduct()) {
        for (int i = 0; i < m_targetTempsList.size() && i < m_actualTempsList.size(); ++i) {
            if (m_actualTempsList.at(i) > m_targetTempsList.at(i) + m_errorHighTemp) {
                m_highErrorSensorIndex = i;
                tooHigh = true;
                break;
            }
        }
    }
    // A broken sensor is always reported, whatever the zone is doing.
    for (int i = 0; i < m_actualTempsList.size(); ++i) {
        if (m_actualTempsList.at(i) >= kSensorFaultReading) {
            m_highErrorSensorIndex = i;
            setErrorFlags(ZE_TEMP_SENSOR_ERROR);
            return true;
        }
    }
    clearErrorFlags(ZE_TEMP_SENSOR_ERROR);
    return tooHigh;
}

bool ZoneManager::isTempTooLow()
{
    if (heatingHeldBack() || isTempTooHigh() || !someTrayHasProduct())
        return false;
    for (int i = 0; i < m_targetTempsList.size() && i < m_actualTempsList.size(); ++i) {
        if (m_actualTempsList.at(i) < m_targetTempsList.at(i) - m_errorLowTemp) {
            m_lowErrorSensorIndex = i;
            return true;
        }
    }
    return false;
}

bool ZoneManager::isTempOk()
{
    return !heatingHeldBack() && !isTempTooLow() && !isTempTooHigh();
}

bool ZoneManager::isTempTooLowError()
{
    // A product that is still coming up to temperature gets an hour.
    qint64 limit = kTooLowLimitSecs;
    for (int i = 0; i < m_traysPerZone && i < m_trays.size(); ++i) {
        const TrayBarSc *tray = m_trays.at(i);
        if (tray->get_trayState() == TrayBarSc::TRAY_STATE_PREHEATING && hasProduct(tray)) {
            limit = customerId() == kCustomerDez ? kTooLowLimitSecs : kTooLowPreheatLimitSecs;
            break;
        }
    }
    return someTrayHasProduct() && isTempTooLow() && !m_tempRangeErrorDisable
        && secondsInState() > limit && !cabinetValue("heatersTestEnabled").toBool();
}

bool ZoneManager::isTempTooHighError()
{
    return someTrayHasProduct() && isTempTooHigh() && !m_tempRangeErrorDisable
        && secondsInState() >= kTooHighMinSecs && !cabinetValue("heatersTestEnabled").toBool();
}

qint64 ZoneManager::secondsInState() const
{
    return (KivClock::msecsSinceEpoch() - m_stateEntryTime) / 1000;
}

void ZoneManager::resetTempErrorDisplayTime()
{
    m_stateEntryTime = KivClock::msecsSinceEpoch();
}

void ZoneManager::tsUnknown_onEntry()
{
    set_tempStatus(ZONE_TEMP_STATUS_UNKNOWN);
}

void ZoneManager::tsOK_onEntry()
{
    set_tempError(false);
    set_tempStatus(ZONE_TEMP_STATUS_OK);
    m_stateEntryTime = KivClock::msecsSinceEpoch();
    m_tempStatusEvalTimer->stop();
}

void ZoneManager::tsTooLow_onEntry()
{
    set_tempStatus(ZONE_TEMP_STATUS_TOO_LOW);
    m_stateEntryTime = KivClock::msecsSinceEpoch();
    m_tempStatusEvalTimer->start();
}

void ZoneManager::tsTooLow_onExit()
{
    m_tempStatusEvalTimer->stop();
}

void ZoneManager::tsTooLowError_onEntry()
{
    set_tempError(true);
    set_tempStatus(ZONE_TEMP_STATUS_TOO_LOW_ERROR);
    // The guards keep evaluating while the error stands and may move the
    // sensor index on: the withdrawal must name the sensor reported here.
    m_reportedSensorIndex = m_lowErrorSensorIndex;
    emit zoneErrorInfo(3, 0, m_zoneNumber, m_reportedSensorIndex);
    setErrorFlags(ZE_TEMP_TOO_LOW_ERROR);
    emit cancelHoldingDue2Error();
}

void ZoneManager::tsTooLowError_onExit()
{
    clearErrorFlags(ZE_TEMP_TOO_LOW_ERROR);
    emit zoneErrorClearInfo(3, 0, m_zoneNumber, m_reportedSensorIndex);
}

void ZoneManager::tsTooHigh_onEntry()
{
    set_tempStatus(ZONE_TEMP_STATUS_TOO_HIGH);
    m_stateEntryTime = KivClock::msecsSinceEpoch();
    m_tempStatusEvalTimer->start();
}

void ZoneManager::tsTooHigh_onExit()
{
    m_tempStatusEvalTimer->stop();
}

void ZoneManager::tsTooHighError_onEntry()
{
    set_tempError(true);
    set_tempStatus(ZONE_TEMP_STATUS_TOO_HIGH_ERROR);
    m_reportedSensorIndex = m_highErrorSensorIndex;
    emit zoneErrorInfo(3, 1, m_zoneNumber, m_reportedSensorIndex);
    setErrorFlags(ZE_TEMP_TOO_HIGH_ERROR);
    emit cancelHoldingDue2Error();
}

void ZoneManager::tsTooHighError_onExit()
{
    clearErrorFlags(ZE_TEMP_TOO_HIGH_ERROR);
    emit zoneErrorClearInfo(3, 1, m_zoneNumber, m_reportedSensorIndex);
}

// ---- error flags and the disable reason ----

void ZoneManager::reEmitErrorFlags()
{
    emit errorFlagsChanged(m_errorFlags);
}

void ZoneManager::updateDisableReason(uint flags)
{
    for (const DisableReason &reason : kDisableReasons) {
        if (flags & reason.flag) {
            set_disableReason(tr(reason.text));
            set_disabledFlag(true);
            return;
        }
    }
    set_disableReason(QString());
    set_disabledFlag(false);
}

// ---- targets from the trays ----

void ZoneManager::setTargetEntry(int index, int value)
{
    if (index >= 0 && index < m_targetTempsList.size())
        m_targetTempsList[index] = value;
}

void ZoneManager::updateZoneTargetTempFromTray(int value)
{
    const auto *sender = qobject_cast<const TrayBarSc *>(QObject::sender());
    if (!sender)
        return;
    const int index = trayIndex(sender);
    const bool dez = customerId() == kCustomerDez;

    if (hasProduct(sender)) {
        if (cabinetValue("tempHandling").toInt() == kHandlingIndividual) {
            setTargetEntry(index, sender->get_holdTemperature());
            for (const TrayBarSc *tray : qAsConst(m_trays)) {
                if (tray != sender && !hasProduct(tray))
                    setTargetEntry(trayIndex(tray), sender->get_holdTemperature());
            }
        } else if (dez) {
            for (int &target : m_targetTempsList)
                target = sender->get_holdTemperature();
        } else {
            setTargetEntry(0, sender->get_lowerTemperature());
            setTargetEntry(1, sender->get_upperTemperature());
        }
    } else {
        const auto other = std::find_if(m_trays.cbegin(), m_trays.cend(), hasProduct);
        if (other != m_trays.cend()) {
            if (dez) {
                for (int &target : m_targetTempsList)
                    target = (*other)->get_holdTemperature();
            } else {
                setTargetEntry(0, (*other)->get_lowerTemperature());
                setTargetEntry(1, (*other)->get_upperTemperature());
            }
        } else {
            for (int &target : m_targetTempsList)
                target = value;
        }
    }
    // Several trays change at once when a day part loads: the I/O board
    // hears of the settled list once.
    m_targetTempsTimer->start();
}

void ZoneManager::updateZoneTargetFanSpeedFromTray(int value)
{
    const auto *sender = qobject_cast<const TrayBarSc *>(QObject::sender());
    if (!sender)
        return;
    const int index = trayIndex(sender);
    if (index < 0 || index >= m_targetFansList.size())
        return;
    m_targetFansList[index] = cabinetValue("hasFan").toBool() ? value : kNoFanTarget;
    emit targetFansListChanged();
}

// ---- day parts ----

void ZoneManager::processDaypartUpdate(int)
{
    emit forceDayPartReload();
}

void ZoneManager::nextDayPartForced()
{
    set_nextDayPart(m_currentDayPart);
    emit nextDayPartChanged(m_nextDayPart);
}

void ZoneManager::restoreZoneDayPart(int zone, int dayPart)
{
    if (zone != m_zoneNumber)
        return;
    set_nextDayPart(dayPart);
    if (customerId() != kCustomerDez)
        emit checkForWaitState();
}

bool ZoneManager::differentNextDayPart() const
{
    return m_nextDayPart != m_currentDayPart;
}

void ZoneManager::unassigned_onEntry()
{
    set_zState(ZONE_STATE_UNASSIGNED);
}

void ZoneManager::move2DayPart_onEntry()
{
    set_zState(ZONE_STATE_MOVE_2_DAYPART);
    emit movingToAnotherDayPart();
    m_waitingTimer->start(kFirstMoveCheckMs);
}

void ZoneManager::move2DayPart_onExit()
{
    m_waitingTimer->stop();
}

void ZoneManager::onDayPart_onEntry()
{
    if (m_nextDayPart != m_currentDayPart)
        set_currentDayPart(m_nextDayPart);
    set_zState(ZONE_STATE_ON_DAYPART);
}

void ZoneManager::signalIfZoneBinsOk2move()
{
    const bool binsReady = std::all_of(m_trays.cbegin(), m_trays.cend(), [](const TrayBarSc *tray) {
        const int state = tray->get_trayState();
        return (state == TrayBarSc::TRAY_STATE_PREHEATING || state == TrayBarSc::TRAY_STATE_READY2HOLD
                || state == TrayBarSc::TRAY_STATE_WAITING)
            && tray->get_warningReason() <= 0;
    });
    bool productsInPlace = m_dayParts != nullptr;
    for (int i = 0; productsInPlace && i < m_trays.size(); ++i)
        productsInPlace = m_trays.at(i)->get_productId()
            == m_dayParts->dayPartGetProductId(m_nextDayPart, m_zoneNumber, i);

    if (m_trays.isEmpty() || binsReady || m_currentDayPart == m_nextDayPart || productsInPlace)
        emit bothBinsOk2move();
    m_waitingTimer->start(kMoveCheckMs);
}

void ZoneManager::processNextDayPartAssigned() {}

// ---- holding activity, heat-off and eco mode ----

void ZoneManager::updateTrayBarHoldingInfo(trayInfo)
{
    updateTrayBarHoldingInfoMirror(0);
    if (m_activelyHolding) {
        set_ecoModeEnabled(false);
        set_heatOffEnabled(false);
    }
}

void ZoneManager::updateTrayBarHoldingInfoMirror(int)
{
    set_activelyHolding(std::any_of(m_trays.cbegin(), m_trays.cend(), [](const TrayBarSc *tray) {
        const int state = tray->get_trayState();
        return state >= TrayBarSc::TRAY_STATE_HOLDING && state <= TrayBarSc::TRAY_STATE_DISCARD;
    }));
}

void ZoneManager::restateTargetTemp() {}

void ZoneManager::updateZoneOperationMode()
{
    const int shelfHeatMode = configValue("ecoShelfHeatMode").toInt();
    const QVariant shelfHeatTemp = configValue("ecoShelfHeatTemp");
    const int ecoTemp = shelfHeatTemp.isValid() ? shelfHeatTemp.toInt() : kDefaultEcoShelfHeatTemp;
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        if (m_ecoModeEnabled) {
            tray->set_holdOffTemperature(shelfHeatMode == kEcoTempModeUser ? ecoTemp : 0);
            emit tray->goToHeatOff();
        } else if (m_heatOffEnabled) {
            tray->set_holdOffTemperature(0);
            emit tray->goToHeatOff();
        } else {
            emit tray->exitHeatOff();
        }
    }
}

void ZoneManager::enterCleaningMode()
{
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        tray->set_holdOffTemperature(kCleaningHoldOffTemp);
        emit tray->goToHeatOff();
    }
}

void ZoneManager::exitCleaningMode()
{
    for (TrayBarSc *tray : qAsConst(m_trays)) {
        if (!m_ecoModeEnabled && !m_heatOffEnabled) {
            emit tray->exitHeatOff();
            continue;
        }
        tray->set_holdOffTemperature(m_ecoModeEnabled ? kAfterCleaningEcoTemp : 0);
        emit tray->goToHeatOff();
    }
}

int ZoneManager::ecoCountdownStart() const
{
    return 60 * configValue("ecoActivateTimeout").toInt();
}

void ZoneManager::sendToRemoteDisplay(const char *sender, bool value)
{
    if (QObject *cabinet = parent())
        QMetaObject::invokeMethod(cabinet, sender, Qt::DirectConnection, Q_ARG(int, m_zoneNumber),
                                  Q_ARG(bool, value));
}

void ZoneManager::autoEcoEnableScan()
{
    const int mode = configValue("ecoActivateMode").toInt();
    if (m_ecoCountdown < 0 || mode == kEcoEnableModeOff) {
        m_ecoCountdown = ecoCountdownStart();
        return;
    }
    if (mode != kEcoEnableModeAuto) {
        set_suggestEcoModeEnable(false);
        return;
    }

    // Idle: products are loaded and every one of them waits, ready to hold.
    bool anyProduct = false;
    bool allReady = true;
    for (const TrayBarSc *tray : qAsConst(m_trays)) {
        if (!hasProduct(tray))
            continue;
        anyProduct = true;
        allReady = allReady && tray->get_trayState() == TrayBarSc::TRAY_STATE_READY2HOLD;
    }
    if (!anyProduct || !allReady) {
        m_ecoCountdown = ecoCountdownStart();
        set_suggestEcoModeEnable(false);
        return;
    }

    if (--m_ecoCountdown > 0)
        return;
    m_ecoCountdown = ecoCountdownStart();
    if (m_ecoModeEnabled)
        return;
    if (customerId() == kCustomerRivev) {
        set_ecoModeEnabled(true);
        sendToRemoteDisplay("sendZoneEcoModeToRemoteDisplay", true);
    } else {
        sendToRemoteDisplay("sendSuggestEcoModeToRemoteDisplay", true);
        set_suggestEcoModeEnable(true);
    }
}

void ZoneManager::cancelSuggetEcoMode()
{
    m_ecoCountdown = ecoCountdownStart();
    set_suggestEcoModeEnable(false);
    sendToRemoteDisplay("sendSuggestEcoModeToRemoteDisplay", false);
}
