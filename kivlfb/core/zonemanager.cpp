#include "zonemanager.h"

#include "core/traybarsc.h"
#include "statemachine/statemachinebuilder.h"

namespace {
// Temperature handling and layout codes of the cabinet layout.
const int kHandlingIndividual = 1;
const int kLayoutLeftRight = 1;
const int kLayoutTopBottom = 2;
const int kLayoutFrontBack = 0;
const int kHandlingAveraged = 0;
// Allowed deviation from a target, whole degrees.
const int kErrorMarginIndividual = 30;
const int kErrorMarginAveraged = 10;
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

void ZoneManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *s1 = b.state(this, "s1", QState::ParallelStates);
    QState *dayparts = b.state(s1, "dayparts");
    QState *mirroredZone = b.state(dayparts, "mirroredZone");
    QState *move2DayPart = b.state(dayparts, "move2DayPart");
    QState *tempStatus = b.state(s1, "tempStatus");
    QState *tsUnknown = b.state(tempStatus, "tsUnknown");

    setInitialState(s1);
    dayparts->setInitialState(m_mirrorFlag ? mirroredZone : move2DayPart);
    tempStatus->setInitialState(tsUnknown);
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
}

void ZoneManager::set_zState(int value)
{
    if (m_zState == value)
        return;
    m_zState = value;
    emit zStateChanged(m_zState);
}

void ZoneManager::set_tempStatus(int value)
{
    if (m_tempStatus == value)
        return;
    m_tempStatus = value;
    emit tempStatusChanged(m_tempStatus);
}

void ZoneManager::set_tempError(bool value)
{
    if (m_tempError == value)
        return;
    m_tempError = value;
    emit tempErrorChanged(m_tempError);
}

void ZoneManager::set_disabledFlag(bool value)
{
    if (m_disabledFlag == value)
        return;
    m_disabledFlag = value;
    emit disabledFlagChanged(m_disabledFlag);
}

void ZoneManager::set_disableReason(const QString &value)
{
    if (m_disableReason == value)
        return;
    m_disableReason = value;
    emit disableReasonChanged(m_disableReason);
}

void ZoneManager::set_errorFlags(uint value)
{
    if (m_errorFlags == value)
        return;
    m_errorFlags = value;
    emit errorFlagsChanged(m_errorFlags);
}

void ZoneManager::set_donePreheating(bool value)
{
    if (m_donePreheating == value)
        return;
    m_donePreheating = value;
    emit donePreheatingChanged(m_donePreheating);
}

void ZoneManager::set_tpStatus(uint value)
{
    if (m_tpStatus == value)
        return;
    m_tpStatus = value;
    emit tpStatusChanged(m_tpStatus);
}

void ZoneManager::set_tempRangeErrorDisable(bool value)
{
    if (m_tempRangeErrorDisable == value)
        return;
    m_tempRangeErrorDisable = value;
    emit tempRangeErrorDisableChanged(m_tempRangeErrorDisable);
}

void ZoneManager::set_ecoModeEnabled(bool value)
{
    if (m_ecoModeEnabled == value)
        return;
    m_ecoModeEnabled = value;
    emit ecoModeEnabledChanged(m_ecoModeEnabled);
}

void ZoneManager::set_heatOffEnabled(bool value)
{
    if (m_heatOffEnabled == value)
        return;
    m_heatOffEnabled = value;
    emit heatOffEnabledChanged(m_heatOffEnabled);
}

void ZoneManager::set_suggestEcoModeEnable(bool value)
{
    if (m_suggestEcoModeEnable == value)
        return;
    m_suggestEcoModeEnable = value;
    emit suggestEcoModeEnableChanged(m_suggestEcoModeEnable);
}

void ZoneManager::set_activelyHolding(bool value)
{
    if (m_activelyHolding == value)
        return;
    m_activelyHolding = value;
    emit activelyHoldingChanged(m_activelyHolding);
}

void ZoneManager::set_actualTemp(int value)
{
    m_actualTemp = value;
    emit actualTempChanged(m_actualTemp);
}

void ZoneManager::set_errorHighTemp(int value)
{
    if (m_errorHighTemp == value)
        return;
    m_errorHighTemp = value;
    emit errorHighTempChanged(m_errorHighTemp);
}

void ZoneManager::set_errorLowTemp(int value)
{
    if (m_errorLowTemp == value)
        return;
    m_errorLowTemp = value;
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

void ZoneManager::set_actualTempN(int, int, int) {}
void ZoneManager::set_actualFanSpeedN(int, int, int) {}
void ZoneManager::processDaypartUpdate(int) {}
void ZoneManager::nextDayPartForced() {}
void ZoneManager::restoreZoneDayPart(int, int) {}
void ZoneManager::reEmitErrorFlags() {}
void ZoneManager::resetTempErrorDisplayTime() {}
void ZoneManager::cancelSuggetEcoMode() {}
void ZoneManager::updateZoneTargetTempFromTray(int) {}
void ZoneManager::updateZoneTargetFanSpeedFromTray(int) {}
void ZoneManager::updateTrayBarHoldingInfo(trayInfo) {}
void ZoneManager::updateTrayBarHoldingInfoMirror(int) {}
void ZoneManager::updateZoneOperationMode() {}
void ZoneManager::autoEcoEnableScan() {}
void ZoneManager::updateDisableReason(uint) {}
void ZoneManager::signalIfZoneBinsOk2move() {}
void ZoneManager::processNextDayPartAssigned() {}
void ZoneManager::restateTargetTemp() {}

void ZoneManager::s1_onEntry() {}
void ZoneManager::s1_onExit() {}
void ZoneManager::dayparts_onEntry() {}
void ZoneManager::dayparts_onExit() {}
void ZoneManager::mirroredZone_onEntry() {}
void ZoneManager::mirroredZone_onExit() {}
void ZoneManager::move2DayPart_onEntry() {}
void ZoneManager::move2DayPart_onExit() {}
void ZoneManager::tempStatus_onEntry() {}
void ZoneManager::tempStatus_onExit() {}
void ZoneManager::tsUnknown_onEntry() {}
void ZoneManager::tsUnknown_onExit() {}
