#include "traybarsc.h"

#include "property/assignifchanged.h"

#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "menus/roleitemmodel.h"
#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"
#include "ui/translator.h"

#include <climits>

namespace {
const int kTrayTickMs = 1000;
const int kTouchWindowMs = 2000;
const int kPreheatLimitMs = 3600000;
const int kPreheatLimitShortMs = 900000; // customers who preheat for 15 minutes
const int kDecrementStepSecs = 300;      // each touch in the window takes 5 minutes off
const int kAtTargetMarginDegrees = 5;
const qint64 kRecordFlagWindowMs = 2000;

const int kCustomerRivev = 2;
const int kCustomerDez = 3;
const int kCustomerVadev = 5;

const int kAlarmWarning = 1;
const int kAlarmDiscard = 2;

enum HoldActivity {
    ActivityStopped = 0,
    ActivityChanged = 1,
    ActivityStarted = 2,
    ActivityRestored = 3,
    ActivitySet = 4,
    ActivityExpired = 5,
    ActivityRefresh = 6,
};
} // namespace

TrayBarSc::TrayBarSc(QObject *parent)
    : TarnStateMachine(parent)
{
    trayTimer.setInterval(kTrayTickMs);
    trayStartTimer.setInterval(kTouchWindowMs);
    m_preheatingTimer.setInterval(kPreheatLimitMs);
}

TrayBarSc::TrayBarSc(MenuManager *menus, DayPartManager *dayParts, ZoneManager *zone, int binNumber,
                     QObject *parent)
    : TrayBarSc(parent)
{
    m_binNumber = binNumber;
    m_menus = menus;
    m_dpmgr = dayParts;
    m_zonemgr = zone;
    setObjectName(QStringLiteral("tbsc%1").arg(binNumber));
    m_customerId = cabinetSetting("customerId").toInt();
    m_timerDecrementEnable = cabinetSetting("timerDecrementEnable").toBool();
    m_preheatingTimer.setInterval(m_customerId == kCustomerDez ? kPreheatLimitShortMs : kPreheatLimitMs);
    if (m_zonemgr)
        connect(m_zonemgr, &ZoneManager::disabledFlagChanged, this, &TrayBarSc::processZoneDisabledFlag);
    // Before the machine registers its own transition on goToHeatOff(), so
    // the flag is set when preheating is left for heat-off.
    connect(this, &TrayBarSc::goToHeatOff, this, &TrayBarSc::ignorePreheatExitAlarm);
    buildMachine();
}

// The settings live on the cabinet core, an ancestor of the bar (the zone's
// parent while the zone builds its bars).
QVariant TrayBarSc::cabinetSetting(const char *name) const
{
    for (QObject *o = parent(); o; o = o->parent()) {
        const QVariant value = o->property(name);
        if (value.isValid())
            return value;
    }
    return QVariant();
}

void TrayBarSc::buildMachine()
{
    StateMachineBuilder b(this);
    const bool touchLeavesPreheat = m_customerId == kCustomerRivev || m_customerId == kCustomerDez
        || m_customerId == kCustomerVadev;

    QState *unassigned = b.state(this, "unassigned");
    QState *assigned = b.state(this, "assigned");
    QState *preheating = b.state(assigned, "preheating");
    QState *readyToHold = b.state(assigned, "readyToHold");
    QState *holding = b.state(assigned, "holding");
    QState *standard = b.state(holding, "standard");
    QState *warning = b.state(holding, "warning");
    QState *restore = b.state(holding, "restore");
    QState *autoXfr = b.state(holding, "autoXfr");
    QState *discard = b.state(holding, "discard");
    QState *waiting = b.state(assigned, "waiting");
    QState *holdingOff = b.state(assigned, "holdingOff");
    setInitialState(unassigned);
    assigned->setInitialState(preheating);
    holding->setInitialState(standard);
    // Customer 3 skips preheating after a day-part wait.
    QState *afterWait = m_customerId == kCustomerDez ? readyToHold : preheating;

    QSignalTransition *t = b.transition(unassigned, nullptr, "t_unassigned_dp_changed", "m_dpmgr",
                                        m_dpmgr, SIGNAL(nextDayPartChanged(int)));
    connect(t, &QAbstractTransition::triggered, this, &TrayBarSc::assign);
    t->setProperty("action", QStringLiteral("signal, this::assign()\n"));
    b.transition(unassigned, assigned, "t_unassigned_assign", "this", this, SIGNAL(assign()));
    b.transition(assigned, unassigned, "t_assigned_unassign", "this", this, SIGNAL(unassign()));
    t = b.transition(assigned, autoXfr, "t_assigned_holding", "this", this, SIGNAL(goToHold()));
    b.action(t, "notifyHoldingStartedAuto");
    b.transition(assigned, discard, "t_assigned_discard", "this", this, SIGNAL(trayDiscard()));
    t = b.transition(assigned, discard, "t_assigned_reset", "this", this, SIGNAL(trayExpired()));
    b.action(t, "resetHoldingTime");
    b.transition(assigned, holdingOff, "t_assign_holdingOff", "this", this, SIGNAL(goToHeatOff()));

    b.transition(preheating, readyToHold, "t_preheating_atTarget", "this", this, SIGNAL(atTarget()),
                 "productNotZero");
    if (touchLeavesPreheat)
        b.transition(preheating, readyToHold, "t_preheating_exitPreheat", "this", this,
                     SIGNAL(userClicked()));
    b.transition(preheating, restore, "t_holding_restore", "this", this, SIGNAL(restoreHolding()));
    t = b.transition(preheating, nullptr, "t_newDayPart_ph", "m_zonemgr", m_zonemgr,
                     SIGNAL(nextDayPartChanged(int)));
    b.action(t, "loadNewProduct");
    b.transition(preheating, waiting, "t_preheat_checkForWait", "m_zonemgr", m_zonemgr,
                 SIGNAL(checkForWaitState()));
    t = b.transition(preheating, nullptr, "t_currDayPart_ph", "m_zonemgr", m_zonemgr,
                     SIGNAL(currentDayPartChanged(int)));
    b.action(t, "loadNewProduct");
    b.transition(preheating, readyToHold, "t_preheating_to", "&m_preheatingTimer", &m_preheatingTimer,
                 SIGNAL(timeout()), "productNotZero");
    t = b.transition(preheating, nullptr, "t_preheating_newTemp", "this", this,
                     SIGNAL(actualTemperatureChanged(int)));
    b.action(t, "checkIfAtTarget");
    t = b.transition(preheating, nullptr, "t_preheating_daypartForcedLoad", "m_zonemgr", m_zonemgr,
                     SIGNAL(forceDayPartReload()));
    b.action(t, "loadNewProduct");

    if (m_timerDecrementEnable) {
        t = b.transition(readyToHold, nullptr, "t_readyToHold_updatePreSetTime", "this", this,
                         SIGNAL(userClicked()));
        b.action(t, "updateHoldTimePreSetValue");
        t = b.transition(readyToHold, nullptr, "t_readyToHold_startHolding", "&trayStartTimer",
                         &trayStartTimer, SIGNAL(timeout()));
    } else {
        t = b.transition(readyToHold, nullptr, "t_readyToHold_startHolding", "this", this,
                         SIGNAL(userClicked()));
    }
    b.action(t, "userRequestsManualTimerStart");
    b.transition(readyToHold, restore, "t__r2h_holding_restore", "this", this, SIGNAL(restoreHolding()));
    b.transition(readyToHold, waiting, "t_nextDayPart", "m_zonemgr", m_zonemgr,
                 SIGNAL(movingToAnotherDayPart()));
    b.transition(readyToHold, waiting, "t_dayPartUpdate", "m_dpmgr", m_dpmgr,
                 SIGNAL(newDayPartDefinition(int)));
    t = b.transition(readyToHold, nullptr, "t_readyToHold_newHoldTime", "this", this,
                     SIGNAL(holdTimeChanged(int)));
    b.action(t, "setRemainingTimeToHoldTime");
    t = b.transition(readyToHold, nullptr, "t_readyToHold_daypartForcedLoad", "m_zonemgr", m_zonemgr,
                     SIGNAL(forceDayPartReload()));
    b.action(t, "loadNewProduct");

    b.transition(holding, readyToHold, "t_cancelDue2Error", "m_zonemgr", m_zonemgr,
                 SIGNAL(cancelHoldingDue2Error()));
    t = b.transition(holding, waiting, "t_holding_cancel_diffP", "this", this, SIGNAL(cancelHolding()),
                     "dayPartChanging");
    b.action(t, "deregisterNfcTag");
    b.action(t, "notifyHoldingStopped");
    t = b.transition(holding, readyToHold, "t_holding_cancel_sameP", "this", this,
                     SIGNAL(cancelHolding()), "dayPartNotChanging");
    b.action(t, "deregisterNfcTag");
    b.action(t, "notifyHoldingStopped");
    t = b.transition(holding, nullptr, "t_holding_timer", "&trayTimer", &trayTimer, SIGNAL(timeout()));
    b.action(t, "decreaseRemainingTime");
    b.transition(holding, waiting, "t_holding_trayremoved_diffP", "this", this, SIGNAL(trayRemoved()),
                 "dayPartChanging");
    b.transition(holding, readyToHold, "t_holding_trayremoved_sameP", "this", this,
                 SIGNAL(trayRemoved()), "dayPartNotChanging");

    t = b.transition(standard, warning, "t_standard_warning", "this", this, SIGNAL(warningPeriod()));
    b.action(t, "requestWarningAlarm");
    t = b.transition(standard, discard, "t_standard_holdTimeExpired", "this", this,
                     SIGNAL(holdTimeExpired()));
    b.action(t, "requestDiscardAlarm");
    t = b.transition(warning, discard, "t_warning_holdTimeExpired", "this", this,
                     SIGNAL(holdTimeExpired()));
    b.action(t, "requestDiscardAlarm");
    b.transition(restore, standard, "t_std_hold_restore", "this", this, SIGNAL(standardHold()));
    t = b.transition(restore, warning, "t_holding_restore_warning", "this", this, SIGNAL(warningPeriod()));
    b.action(t, "requestWarningAlarm");
    t = b.transition(restore, discard, "t_warning_restore_holdTimeExpired", "this", this,
                     SIGNAL(holdTimeExpired()));
    b.action(t, "requestDiscardAlarm");
    b.transition(autoXfr, standard, "t_xfr_std", "this", this, SIGNAL(standardHold()));
    b.transition(autoXfr, warning, "t_xfr_warn", "this", this, SIGNAL(warningPeriod()));
    b.transition(autoXfr, discard, "t_xfr_discard", "this", this, SIGNAL(holdTimeExpired()));

    t = b.transition(discard, waiting, "t_discard_ack_diffP", "this", this, SIGNAL(userClicked()),
                     "dayPartChanging");
    b.action(t, "deregisterNfcTag");
    t = b.transition(discard, readyToHold, "t_discard_ack_sameP", "this", this, SIGNAL(userClicked()),
                     "dayPartNotChanging");
    b.action(t, "deregisterNfcTag");
    b.transition(discard, waiting, "t_discard_trayremoved_diffP", "this", this, SIGNAL(trayRemoved()),
                 "dayPartChanging");
    b.transition(discard, readyToHold, "t_discard_trayremoved_sameP", "this", this,
                 SIGNAL(trayRemoved()), "dayPartNotChanging");
    t = b.transition(discard, nullptr, "t_discard_timer", "&trayTimer", &trayTimer, SIGNAL(timeout()));
    b.action(t, "decreaseRemainingTime");
    t = b.transition(discard, readyToHold, "t_discard_cancel", "this", this, SIGNAL(cancelHolding()));
    b.action(t, "deregisterNfcTag");

    b.transition(waiting, afterWait, "t_end_wait", "m_zonemgr", m_zonemgr,
                 SIGNAL(currentDayPartChanged(int)));
    b.transition(waiting, afterWait, "t_wait_2_ready", "m_zonemgr", m_zonemgr, SIGNAL(zStateChanged(int)),
                 "zoneStateIsDayPart");
    b.transition(waiting, afterWait, "t_wait_no_need", "this", this, SIGNAL(endWait()));
    b.transition(holdingOff, preheating, "t_holdingOff_exit", "this", this, SIGNAL(exitHeatOff()));
    t = b.transition(holdingOff, nullptr, "t_holdingOff_update_temp", "this", this, SIGNAL(goToHeatOff()));
    b.action(t, "holdingOffUpdateTemp");
}

void TrayBarSc::set_trayState(int value)
{
    if (assignIfChanged(m_trayState, value))
        emit trayStateChanged(m_trayState);
}

void TrayBarSc::set_assigned(bool value)
{
    if (assignIfChanged(m_assigned, value))
        emit assignedChanged(m_assigned);
}

void TrayBarSc::set_productName(const QString &value)
{
    if (assignIfChanged(m_productName, value))
        emit productNameChanged(m_productName);
}

void TrayBarSc::set_productAb(const QString &value)
{
    if (assignIfChanged(m_productAb, value))
        emit productAbChanged(m_productAb);
}

void TrayBarSc::set_productAb8(const QString &value)
{
    if (assignIfChanged(m_productAb8, value))
        emit productAb8Changed(m_productAb8);
}

void TrayBarSc::set_holding(bool value)
{
    if (assignIfChanged(m_holding, value))
        emit holdingChanged(m_holding);
}

void TrayBarSc::set_holdTime(int value)
{
    if (assignIfChanged(m_holdTime, value))
        emit holdTimeChanged(m_holdTime);
}

void TrayBarSc::set_holdTimePreSet(int value)
{
    if (assignIfChanged(m_holdTimePreSet, value))
        emit holdTimePreSetChanged(m_holdTimePreSet);
}

void TrayBarSc::set_remainingTime(int value)
{
    if (assignIfChanged(m_remainingTime, value))
        emit remainingTimeChanged(m_remainingTime);
}

void TrayBarSc::set_warningTime(int value)
{
    if (assignIfChanged(m_warningTime, value))
        emit warningTimeChanged(m_warningTime);
}

void TrayBarSc::set_restoreTime(int value)
{
    if (assignIfChanged(m_restoreTime, value))
        emit restoreTimeChanged(m_restoreTime);
}

void TrayBarSc::set_panSize(int value)
{
    if (assignIfChanged(m_panSize, value))
        emit panSizeChanged(m_panSize);
}

void TrayBarSc::set_panSizeX(const QString &value)
{
    if (assignIfChanged(m_panSizeX, value))
        emit panSizeXChanged(m_panSizeX);
}

void TrayBarSc::set_holdTemperature(int value)
{
    if (assignIfChanged(m_holdTemperature, value))
        emit holdTemperatureChanged(m_holdTemperature);
}

void TrayBarSc::set_lowerTemperature(int value)
{
    if (assignIfChanged(m_lowerTemperature, value))
        emit lowerTemperatureChanged(m_lowerTemperature);
}

void TrayBarSc::set_upperTemperature(int value)
{
    if (assignIfChanged(m_upperTemperature, value))
        emit upperTemperatureChanged(m_upperTemperature);
}

void TrayBarSc::set_actualTemperature(int value)
{
    if (assignIfChanged(m_actualTemperature, value))
        emit actualTemperatureChanged(m_actualTemperature);
}

void TrayBarSc::set_holdOffTemperature(int value)
{
    if (assignIfChanged(m_holdOffTemperature, value))
        emit holdOffTemperatureChanged(m_holdOffTemperature);
}

void TrayBarSc::set_actualFanSpeed(int value)
{
    if (assignIfChanged(m_actualFanSpeed, value))
        emit actualFanSpeedChanged(m_actualFanSpeed);
}

void TrayBarSc::set_targetFanSpeed(int value)
{
    if (assignIfChanged(m_targetFanSpeed, value))
        emit targetFanSpeedChanged(m_targetFanSpeed);
}

void TrayBarSc::set_lidType(int value)
{
    if (assignIfChanged(m_lidType, value))
        emit lidTypeChanged(m_lidType);
}

void TrayBarSc::set_bottomType(int value)
{
    if (assignIfChanged(m_bottomType, value))
        emit bottomTypeChanged(m_bottomType);
}

void TrayBarSc::set_productId(int value)
{
    if (assignIfChanged(m_productId, value))
        emit productIdChanged(m_productId);
}

void TrayBarSc::set_useBin(bool value)
{
    if (assignIfChanged(m_useBin, value))
        emit useBinChanged(m_useBin);
}

void TrayBarSc::set_groupID(int value)
{
    if (assignIfChanged(m_groupID, value))
        emit groupIDChanged(m_groupID);
}

void TrayBarSc::set_groupIndex(int value)
{
    if (assignIfChanged(m_groupIndex, value))
        emit groupIndexChanged(m_groupIndex);
}

void TrayBarSc::set_groupPList(const QVariant &value)
{
    if (assignIfChanged(m_groupPList, value))
        emit groupPListChanged(m_groupPList);
}

void TrayBarSc::set_warningReason(int value)
{
    if (assignIfChanged(m_warningReason, value))
        emit warningReasonChanged(m_warningReason);
}

void TrayBarSc::set_heatTime(int value)
{
    if (assignIfChanged(m_heatTime, value))
        emit heatTimeChanged(m_heatTime);
}

void TrayBarSc::set_panId(qulonglong value)
{
    if (m_panId == value)
        return;
    m_panId = value;
    emit panIdChanged(m_panId);
    m_panIdStr = m_panId ? QString::number(m_panId, 16) : QString();
    emit panIdStrChanged(m_panIdStr);
}

void TrayBarSc::set_timerBackColor(const QString &value)
{
    if (assignIfChanged(m_timerBackColor, value))
        emit timerBackColorChanged();
}

void TrayBarSc::set_timerForeColor(const QString &value)
{
    if (assignIfChanged(m_timerForeColor, value))
        emit timerForeColorChanged();
}

// Guards

bool TrayBarSc::productNotZero() const
{
    return m_productId != 0;
}

bool TrayBarSc::dayPartChanging() const
{
    return m_zonemgr && m_zonemgr->get_currentDayPart() != m_zonemgr->get_nextDayPart();
}

bool TrayBarSc::dayPartNotChanging() const
{
    return !dayPartChanging();
}

bool TrayBarSc::zoneStateIsDayPart() const
{
    return m_zonemgr && m_zonemgr->get_zState() == ZoneManager::ZONE_STATE_ON_DAYPART;
}

// Entry and exit actions

void TrayBarSc::assigned_onEntry()
{
    set_assigned(true);
}

void TrayBarSc::preheating_onEntry()
{
    m_preheatingTimer.start();
    emit enterPreheat();
    m_preheatStartSecs = KivClock::secsSinceEpoch();
    loadNewProduct();
    holdingActivityUpdate(ActivityChanged);
    set_trayState(TRAY_STATE_PREHEATING);
    if (m_zonemgr)
        m_zonemgr->resetTempErrorDisplayTime();
    m_ignorePreheatExitAlarm = false;
    m_recordFlag = false;
    m_trayInfo.processId = 0;
}

void TrayBarSc::preheating_onExit()
{
    m_preheatingTimer.stop();
    emit exitPreheat();
    if (!m_ignorePreheatExitAlarm)
        emit requestAlarm(kAlarmWarning, true);
    loadNewProduct();
    if (m_zonemgr)
        m_zonemgr->resetTempErrorDisplayTime();
    m_heatTime = int(KivClock::secsSinceEpoch() - m_preheatStartSecs);
}

void TrayBarSc::readyToHold_onEntry()
{
    emit currentUseSignal(m_binNumber, m_productId, false);
    loadProduct(false);
    set_remainingTime(m_holdTime);
    set_holdTimePreSet(0);
    if (int(m_trayInfo.groupId) != m_productId)
        holdingActivityUpdate(ActivityChanged);
    if (m_panId != 0)
        set_panId(0);
    else
        emit panIdStrChanged(m_panIdStr);
    set_trayState(TRAY_STATE_READY2HOLD);
    sendIot_trayIotInfo();
    m_recordFlag = false;
    m_trayInfo.processId = 0;
}

void TrayBarSc::holding_onEntry()
{
    emit currentUseSignal(m_binNumber, m_productId, true);
    startTicking();
    holdingActivityUpdate(ActivityStarted);
    sendIot_trayIotInfo();
    if (m_lastDiscardExitKnown
        && KivClock::msecsSinceEpoch() - m_lastDiscardExitMs <= kRecordFlagWindowMs)
        m_recordFlag = true;
}

void TrayBarSc::holding_onExit()
{
    holdingActivityUpdate(ActivityStopped);
    trayTimer.stop();
    m_restored = false;
}

void TrayBarSc::standard_onEntry()
{
    set_trayState(TRAY_STATE_STANDARD);
}

void TrayBarSc::warning_onEntry()
{
    set_trayState(TRAY_STATE_WARNING);
}

void TrayBarSc::restore_onEntry()
{
    set_groupID(m_restoreGroupId);
    set_groupIndex(m_restoreGroupIndex);
    loadProduct(false);
    set_remainingTime(m_restoreTime);
    holdingActivityUpdate(ActivityRestored);
    m_trayInfo.processId = m_restoreProcessId;
    // Unlike a fresh hold, a restored one is in warning only strictly below
    // the warning time and expired only below zero.
    if (m_remainingTime < 0)
        emit holdTimeExpired();
    else if (m_remainingTime < m_warningTime)
        emit warningPeriod();
    else
        emit standardHold();
}

void TrayBarSc::autoXfr_onEntry()
{
    emit closeCancelPanel();
    if (m_remainingTime < 1)
        emit holdTimeExpired();
    else if (m_remainingTime <= m_warningTime)
        emit warningPeriod();
    else
        emit standardHold();
}

void TrayBarSc::discard_onEntry()
{
    set_trayState(TRAY_STATE_DISCARD);
    emit currentUseSignal(m_binNumber, m_productId, false);
    startTicking();
    holdingActivityUpdate(ActivityExpired);
    if (m_panId == 0)
        emit requestHoldExpiredEvent(uchar(m_binNumber), 0);
}

void TrayBarSc::discard_onExit()
{
    trayTimer.stop();
    emit requestAlarm(kAlarmDiscard, false);
    notifyHoldingStopped();
    m_lastDiscardExitMs = KivClock::msecsSinceEpoch();
    m_lastDiscardExitKnown = true;
}

void TrayBarSc::waiting_onEntry()
{
    set_trayState(TRAY_STATE_WAITING);
    set_groupID(0);
    if (zoneStateIsDayPart())
        emit endWait();
}

void TrayBarSc::holdingOff_onEntry()
{
    set_trayState(TRAY_STATE_HOLDINGOFF);
    holdingOffUpdateTemp();
}

void TrayBarSc::holdingOff_onExit()
{
    loadProduct(false);
}

// Actions

void TrayBarSc::holdingActivityUpdate(int activity)
{
    m_trayInfo.binNumber = quint8(m_binNumber);
    m_trayInfo.holdActivity = quint8(activity);
    m_trayInfo.dayPart = quint8(m_zonemgr ? m_zonemgr->get_currentDayPart() : 0);
    m_trayInfo.flag = m_recordFlag ? 1 : 0;
    if (m_groupID != 0) {
        m_trayInfo.isGroup = 1;
        m_trayInfo.groupId = quint32(m_groupID);
        m_trayInfo.groupIndex = quint8(m_groupIndex);
    } else {
        m_trayInfo.isGroup = 0;
        m_trayInfo.groupId = quint32(m_productId);
        m_trayInfo.groupIndex = 0;
    }
    if (activity < ActivityStarted) {
        m_trayInfo.remainingTime = 0;
    } else {
        m_trayInfo.remainingTime = m_remainingTime;
        m_trayInfo.expectedTime = KivClock::msecsSinceEpoch() + qint64(m_remainingTime) * 1000;
    }

    if (activity == ActivityStopped) {
        emit holdingStoppedSignal(m_trayInfo);
    } else if (activity == ActivityStarted) {
        // A restored hold keeps its original start and is not announced again.
        if (m_restored)
            return;
        if (m_trayInfo.processId == 0)
            m_trayInfo.processId = KivClock::msecsSinceEpoch();
        emit holdingStartedSignal(m_trayInfo);
    } else {
        emit holdingUpdateSignal(m_trayInfo);
    }
}

void TrayBarSc::startTicking()
{
    trayTimer.start(kTrayTickMs);
    m_tickStartMs = KivClock::msecsSinceEpoch();
    m_secondsTicked = 0;
}

void TrayBarSc::adjustForClockChange(qlonglong offsetMs)
{
    m_tickStartMs += offsetMs;
}

void TrayBarSc::decreaseRemainingTime()
{
    // Each tick takes at least one second off; when the project clock says
    // more time has passed since the countdown started (an event loop held
    // up, a test moving the clock on), the countdown catches up with it. A
    // clock set back never gives time back.
    const qint64 due = (KivClock::msecsSinceEpoch() - m_tickStartMs) / 1000;
    const qint64 step = qMax<qint64>(1, due - m_secondsTicked);
    m_secondsTicked += step;
    set_remainingTime(int(qMax<qint64>(qint64(m_remainingTime) - step, INT_MIN)));
    if (m_remainingTime < 1)
        emit holdTimeExpired();
    else if (m_remainingTime <= m_warningTime)
        emit warningPeriod();
    if (m_latchedPanIdStr != m_panIdStr)
        m_latchedPanIdStr = m_panIdStr;
}

void TrayBarSc::checkIfAtTarget()
{
    if (m_actualTemperature >= m_holdTemperature - kAtTargetMarginDegrees && m_holdTemperature != 0
        && m_productId != 0)
        emit atTarget();
}

void TrayBarSc::holdingOffUpdateTemp()
{
    set_lowerTemperature(m_holdOffTemperature);
    set_upperTemperature(m_holdOffTemperature);
    set_holdTemperature(m_holdOffTemperature);
}

void TrayBarSc::set_groupIndexFromMaster(int n)
{
    loadSubProduct(n);
    holdingActivityUpdate(ActivityChanged);
}

void TrayBarSc::trayInserted()
{
    emit goToHold();
}

void TrayBarSc::deregisterNfcTag()
{
    emit deregisterTag(m_panId);
}

void TrayBarSc::binTimerStartedByUser()
{
    emit binTimerStartedByUser(uchar(m_binNumber));
}

void TrayBarSc::userRequestsManualTimerStart()
{
    if (m_productId != 0)
        emit userRequestsManualTimerStart(uchar(m_binNumber));
}

QString TrayBarSc::timeStampSecs() const
{
    return QString::number(KivClock::secsSinceEpoch());
}

void TrayBarSc::notifyHoldingStartedManual()
{
    emit holdingStarted(timeStampSecs(), m_productName, m_panIdStr, m_binNumber, QStringLiteral("manual"));
}

void TrayBarSc::notifyHoldingStartedAuto()
{
    emit holdingStarted(timeStampSecs(), m_productName, m_panIdStr, m_binNumber, QStringLiteral("auto"));
}

void TrayBarSc::notifyHoldingStopped()
{
    emit holdingStopped(timeStampSecs(), m_productName, m_latchedPanIdStr, m_binNumber,
                        QStringLiteral("manual"), m_remainingTime);
}

void TrayBarSc::setRemainingTimeToHoldTime()
{
    set_remainingTime(m_holdTime);
}

void TrayBarSc::requestWarningAlarm()
{
    emit requestAlarm(kAlarmWarning, true);
}

void TrayBarSc::requestDiscardAlarm()
{
    emit requestAlarm(kAlarmDiscard, true);
}

void TrayBarSc::resetHoldingTime()
{
    m_remainingTime = 0;
    emit remainingTimeChanged(m_remainingTime);
    requestDiscardAlarm();
}

void TrayBarSc::updateHoldTimePreSetValue()
{
    if (!trayStartTimer.isActive()) {
        set_holdTimePreSet(m_holdTime);
        trayStartTimer.start(kTouchWindowMs);
        return;
    }
    trayStartTimer.stop();
    if (m_holdTimePreSet > 0)
        set_holdTimePreSet(m_holdTimePreSet - kDecrementStepSecs);
    if (m_holdTimePreSet > 0)
        trayStartTimer.start(kTouchWindowMs);
    else
        set_holdTimePreSet(0);
}

void TrayBarSc::ignorePreheatExitAlarm()
{
    m_ignorePreheatExitAlarm = true;
}

void TrayBarSc::sendIot_trayIotInfo()
{
    emit trayIotInfo(timeStampSecs(), m_binNumber, m_productName, m_holdTemperature, m_holdTime,
                     m_remainingTime, m_useBin);
}

void TrayBarSc::updateTrayInfo()
{
    holdingActivityUpdate(ActivityRefresh);
}

void TrayBarSc::holdTempEmit()
{
    emit holdTemperatureChanged(m_holdTemperature);
    emit upperTemperatureChanged(m_upperTemperature);
    emit lowerTemperatureChanged(m_lowerTemperature);
}

void TrayBarSc::disableGroupSelection(int binNum)
{
    if (binNum == m_binNumber)
        emit disableGroupSelectionSignal();
}

void TrayBarSc::refreshAll()
{
    emit productIdChanged(m_productId);
    emit holdingChanged(m_holding);
    emit holdTimeChanged(m_holdTime);
    emit remainingTimeChanged(m_remainingTime);
    emit actualTemperatureChanged(m_actualTemperature);
    emit useBinChanged(m_useBin);
    emit groupIndexChanged(m_groupIndex);
    emit groupIDChanged(m_groupID);
    emit trayStateChanged(m_trayState);
    emit holdTemperatureChanged(m_holdTemperature);
    emit sendActionTrayLoadProduct(m_productId, false);
    emit targetFanSpeedChanged(m_targetFanSpeed);
    emit panIdChanged(m_panId);
}

void TrayBarSc::processZoneDisabledFlag(bool disabled)
{
    if (!disabled)
        return;
    emit cancelHolding();
    if (m_panId != 0)
        emit deregisterTag(m_panId);
}

void TrayBarSc::restoreTrayBarHoldingInfo(trayInfo ti)
{
    if (ti.binNumber != m_binNumber || ti.holdActivity < ActivityStarted)
        return;
    set_restoreTime(ti.remainingTime);
    m_restoreProcessId = ti.processId;
    m_restoreGroupId = int(ti.groupId);
    m_restoreGroupIndex = ti.groupIndex;
    m_restored = true;
    if (m_zonemgr)
        m_zonemgr->set_currentDayPart(ti.dayPart);
    emit restoreHolding();
}

// Product loading

int TrayBarSc::currentLanguage() const
{
    // The translator sits beside the menu, on the cabinet core.
    QObject *owner = m_menus ? m_menus->parent() : nullptr;
    const Translator *translator =
        owner ? owner->findChild<Translator *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return translator ? translator->getLanguage() : -1;
}

QString TrayBarSc::nameInLanguage(const QVariantMap &record, int lang)
{
    const QStringList names = record.value(QStringLiteral("namesList")).toStringList();
    if (lang >= 0 && lang < names.size())
        return names.at(lang);
    return record.value(QStringLiteral("name")).toString();
}

void TrayBarSc::loadProduct(bool defaultProduct)
{
    if (!m_menus || !m_dpmgr)
        return;
    const int dayPart = m_zonemgr ? m_zonemgr->get_currentDayPart() : 0;
    const int id = m_dpmgr->getProdIdOnBin(dayPart, m_binNumber);
    loadProductFromMenuManager(defaultProduct, id, m_menus->getProductIndex(id));
    emit sendActionTrayLoadProduct(id, defaultProduct);
}

void TrayBarSc::loadNewProduct()
{
    loadProduct(true);
    holdingActivityUpdate(ActivityChanged);
}

void TrayBarSc::loadSubProduct(int n)
{
    if (m_groupID < 1)
        return;
    set_groupIndex(n);
    loadProduct(false);
}

void TrayBarSc::loadProductFromMenuManager(bool &defaultProduct, int id, int np)
{
    if (np != m_lastProductIndex) {
        m_lastProductIndex = np;
        defaultProduct = true;
    }
    const QAbstractItemModel *model = m_menus->productsModel();
    QVariantMap record = RoleItemModel::getModelData(model, np);
    const int gid = record.value(QStringLiteral("groupID")).toInt();
    QVariant groupList;
    int groupIndex = m_groupIndex;
    if (gid >= 1) {
        groupList = record.value(QStringLiteral("productList"));
        const QStringList list = groupList.toStringList();
        if (m_groupIndex >= 0 && m_groupIndex < list.size() && !defaultProduct) {
            id = list.at(m_groupIndex).toInt();
        } else {
            defaultProduct = true;
            const int d = record.value(QStringLiteral("default")).toInt();
            if (list.isEmpty()) {
                // A group without products loads nothing: the bar stays in
                // preheating as a bin without a product does.
                id = 0;
                groupIndex = 0;
            } else if (d >= 0 && d < list.size()) {
                id = list.at(d).toInt();
                groupIndex = d;
            } else {
                // A default outside the list: the first product is loaded,
                // and the index says so.
                id = list.first().toInt();
                groupIndex = 0;
            }
        }
        record = RoleItemModel::getModelData(model, m_menus->getProductIndex(id));
    }

    set_productId(id);
    set_productName(nameInLanguage(record, currentLanguage()));
    set_productAb(record.value(QStringLiteral("abreviation")).toString());
    set_productAb8(record.value(QStringLiteral("abreviation8")).toString());
    set_holdTime(record.value(QStringLiteral("holdTime")).toInt());
    set_warningTime(record.value(QStringLiteral("warningTime")).toInt());
    set_panSize(record.value(QStringLiteral("panSize")).toInt());
    set_panSizeX(record.value(QStringLiteral("panSizeX")).toString());
    set_lowerTemperature(record.value(QStringLiteral("lowerTemp")).toInt());
    set_upperTemperature(record.value(QStringLiteral("upperTemp")).toInt());
    if (m_customerId == kCustomerDez) {
        set_holdTemperature(m_upperTemperature);
    } else {
        m_holdTemperature = (m_lowerTemperature + m_upperTemperature) / 2;
        emit holdTemperatureChanged(m_holdTemperature);
    }
    set_targetFanSpeed(record.value(QStringLiteral("targetFanSpeed")).toInt());
    const QString timerColor = record.value(QStringLiteral("timerColor")).toString();
    set_timerBackColor(timerColor);
    set_timerForeColor(m_menus->getProductTimerForeColor(timerColor).toString());
    const QString lid = record.value(QStringLiteral("lidType")).toString();
    set_lidType(lid == QLatin1String("Solid") ? 1 : lid == QLatin1String("Vented") ? 2 : 0);
    set_bottomType(record.value(QStringLiteral("bottomType")).toString() == QLatin1String("False") ? 1 : 0);

    set_productId(id);
    set_groupPList(groupList);
    if (gid >= 1 && defaultProduct)
        set_groupIndex(groupIndex);
    set_groupID(gid >= 1 ? gid : 0);
}

void TrayBarSc::languageChanged(int lang)
{
    if (!m_menus || !m_dpmgr)
        return;
    const int dayPart = m_zonemgr ? m_zonemgr->get_currentDayPart() : 0;
    const QAbstractItemModel *model = m_menus->productsModel();
    QVariantMap record = RoleItemModel::getModelData(
        model, m_menus->getProductIndex(m_dpmgr->getProdIdOnBin(dayPart, m_binNumber)));
    if (record.value(QStringLiteral("groupID")).toInt() >= 1) {
        const QStringList list = record.value(QStringLiteral("productList")).toStringList();
        const int index = m_groupIndex < 0 ? 0 : m_groupIndex;
        // An empty group or an index past its end leaves the name as it is.
        if (index >= list.size())
            return;
        record = RoleItemModel::getModelData(model, m_menus->getProductIndex(list.at(index).toInt()));
    }
    set_productName(nameInLanguage(record, lang));
}
