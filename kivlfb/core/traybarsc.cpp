#include "traybarsc.h"

#include "core/zonemanager.h"
#include "statemachine/statemachinebuilder.h"

namespace {
const int kTrayTickMs = 1000;
const int kTouchWindowMs = 2000;
const int kPreheatLimitMs = 3600000;
} // namespace

TrayBarSc::TrayBarSc(QObject *parent)
    : TarnStateMachine(parent)
{
    trayTimer.setInterval(kTrayTickMs);
    trayStartTimer.setInterval(kTouchWindowMs);
    trayStartTimer.setSingleShot(true);
    m_preheatingTimer.setInterval(kPreheatLimitMs);
    m_preheatingTimer.setSingleShot(true);
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
    if (m_zonemgr)
        connect(m_zonemgr, &ZoneManager::disabledFlagChanged, this, &TrayBarSc::processZoneDisabledFlag);
    buildMachine();
}

void TrayBarSc::buildMachine()
{
    StateMachineBuilder b(this);
    QState *unassigned = b.state(this, "unassigned");
    setInitialState(unassigned);
}

void TrayBarSc::set_trayState(int value)
{
    if (m_trayState == value)
        return;
    m_trayState = value;
    emit trayStateChanged(m_trayState);
}

void TrayBarSc::set_assigned(bool value)
{
    if (m_assigned == value)
        return;
    m_assigned = value;
    emit assignedChanged(m_assigned);
}

void TrayBarSc::set_productName(const QString &value)
{
    if (m_productName == value)
        return;
    m_productName = value;
    emit productNameChanged(m_productName);
}

void TrayBarSc::set_productAb(const QString &value)
{
    if (m_productAb == value)
        return;
    m_productAb = value;
    emit productAbChanged(m_productAb);
}

void TrayBarSc::set_productAb8(const QString &value)
{
    if (m_productAb8 == value)
        return;
    m_productAb8 = value;
    emit productAb8Changed(m_productAb8);
}

void TrayBarSc::set_holding(bool value)
{
    if (m_holding == value)
        return;
    m_holding = value;
    emit holdingChanged(m_holding);
}

void TrayBarSc::set_holdTime(int value)
{
    if (m_holdTime == value)
        return;
    m_holdTime = value;
    emit holdTimeChanged(m_holdTime);
}

void TrayBarSc::set_holdTimePreSet(int value)
{
    if (m_holdTimePreSet == value)
        return;
    m_holdTimePreSet = value;
    emit holdTimePreSetChanged(m_holdTimePreSet);
}

void TrayBarSc::set_remainingTime(int value)
{
    if (m_remainingTime == value)
        return;
    m_remainingTime = value;
    emit remainingTimeChanged(m_remainingTime);
}

void TrayBarSc::set_warningTime(int value)
{
    if (m_warningTime == value)
        return;
    m_warningTime = value;
    emit warningTimeChanged(m_warningTime);
}

void TrayBarSc::set_restoreTime(int value)
{
    if (m_restoreTime == value)
        return;
    m_restoreTime = value;
    emit restoreTimeChanged(m_restoreTime);
}

void TrayBarSc::set_panSize(int value)
{
    if (m_panSize == value)
        return;
    m_panSize = value;
    emit panSizeChanged(m_panSize);
}

void TrayBarSc::set_panSizeX(const QString &value)
{
    if (m_panSizeX == value)
        return;
    m_panSizeX = value;
    emit panSizeXChanged(m_panSizeX);
}

void TrayBarSc::set_holdTemperature(int value)
{
    if (m_holdTemperature == value)
        return;
    m_holdTemperature = value;
    emit holdTemperatureChanged(m_holdTemperature);
}

void TrayBarSc::set_lowerTemperature(int value)
{
    if (m_lowerTemperature == value)
        return;
    m_lowerTemperature = value;
    emit lowerTemperatureChanged(m_lowerTemperature);
}

void TrayBarSc::set_upperTemperature(int value)
{
    if (m_upperTemperature == value)
        return;
    m_upperTemperature = value;
    emit upperTemperatureChanged(m_upperTemperature);
}

void TrayBarSc::set_actualTemperature(int value)
{
    if (m_actualTemperature == value)
        return;
    m_actualTemperature = value;
    emit actualTemperatureChanged(m_actualTemperature);
}

void TrayBarSc::set_holdOffTemperature(int value)
{
    if (m_holdOffTemperature == value)
        return;
    m_holdOffTemperature = value;
    emit holdOffTemperatureChanged(m_holdOffTemperature);
}

void TrayBarSc::set_actualFanSpeed(int value)
{
    if (m_actualFanSpeed == value)
        return;
    m_actualFanSpeed = value;
    emit actualFanSpeedChanged(m_actualFanSpeed);
}

void TrayBarSc::set_targetFanSpeed(int value)
{
    if (m_targetFanSpeed == value)
        return;
    m_targetFanSpeed = value;
    emit targetFanSpeedChanged(m_targetFanSpeed);
}

void TrayBarSc::set_lidType(int value)
{
    if (m_lidType == value)
        return;
    m_lidType = value;
    emit lidTypeChanged(m_lidType);
}

void TrayBarSc::set_bottomType(int value)
{
    if (m_bottomType == value)
        return;
    m_bottomType = value;
    emit bottomTypeChanged(m_bottomType);
}

void TrayBarSc::set_productId(int value)
{
    if (m_productId == value)
        return;
    m_productId = value;
    emit productIdChanged(m_productId);
}

void TrayBarSc::set_useBin(bool value)
{
    if (m_useBin == value)
        return;
    m_useBin = value;
    emit useBinChanged(m_useBin);
}

void TrayBarSc::set_groupID(int value)
{
    if (m_groupID == value)
        return;
    m_groupID = value;
    emit groupIDChanged(m_groupID);
}

void TrayBarSc::set_groupIndex(int value)
{
    if (m_groupIndex == value)
        return;
    m_groupIndex = value;
    emit groupIndexChanged(m_groupIndex);
}

void TrayBarSc::set_groupPList(const QVariant &value)
{
    if (m_groupPList == value)
        return;
    m_groupPList = value;
    emit groupPListChanged(m_groupPList);
}

void TrayBarSc::set_warningReason(int value)
{
    if (m_warningReason == value)
        return;
    m_warningReason = value;
    emit warningReasonChanged(m_warningReason);
}

void TrayBarSc::set_heatTime(int value)
{
    if (m_heatTime == value)
        return;
    m_heatTime = value;
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
    if (m_timerBackColor == value)
        return;
    m_timerBackColor = value;
    emit timerBackColorChanged();
}

void TrayBarSc::set_timerForeColor(const QString &value)
{
    if (m_timerForeColor == value)
        return;
    m_timerForeColor = value;
    emit timerForeColorChanged();
}

void TrayBarSc::set_groupIndexFromMaster(int) {}
void TrayBarSc::trayInserted() {}
void TrayBarSc::deregisterNfcTag() {}
void TrayBarSc::binTimerStartedByUser() {}
void TrayBarSc::userRequestsManualTimerStart() {}
void TrayBarSc::notifyHoldingStartedManual() {}
void TrayBarSc::notifyHoldingStartedAuto() {}
void TrayBarSc::notifyHoldingStopped() {}
void TrayBarSc::setRemainingTimeToHoldTime() {}
void TrayBarSc::requestWarningAlarm() {}
void TrayBarSc::requestDiscardAlarm() {}
void TrayBarSc::resetHoldingTime() {}
void TrayBarSc::updateHoldTimePreSetValue() {}
void TrayBarSc::ignorePreheatExitAlarm() {}
void TrayBarSc::sendIot_trayIotInfo() {}
void TrayBarSc::updateTrayInfo() {}
void TrayBarSc::holdTempEmit() {}
void TrayBarSc::disableGroupSelection(int) {}
void TrayBarSc::refreshAll() {}
void TrayBarSc::processZoneDisabledFlag(bool) {}
void TrayBarSc::restoreTrayBarHoldingInfo(trayInfo) {}
void TrayBarSc::loadNewProduct() {}
void TrayBarSc::loadSubProduct(int) {}
void TrayBarSc::loadProduct(bool) {}
void TrayBarSc::languageChanged(int) {}

void TrayBarSc::unassigned_onEntry() {}
void TrayBarSc::unassigned_onExit() {}
