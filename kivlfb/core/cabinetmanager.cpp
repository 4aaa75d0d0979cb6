#include "cabinetmanager.h"

#include "core/kivdefs.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QWidget>
#include <QtQml>

CabinetManager *cabinetManager = nullptr;


void CabinetManager::registerQmlTypes()
{
    qmlRegisterUncreatableType<CabinetManager>("CabinetManagerDefs", 1, 0, "CabmgrDefs",
                                               QStringLiteral("CabmgrDefs carries enumerations only"));
}

bool CabinetManager::transferTimersLessThan(const TimerTransferInfo &a, const TimerTransferInfo &b)
{
    return a.expectedTime < b.expectedTime;
}

bool CabinetManager::eventFilter(QObject *watched, QEvent *event)
{
    // Runs for every event of the application: one type test, and on a press
    // one timer restart. The event always goes on to its target.
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
        m_userInteractionTimer->start();
    return QObject::eventFilter(watched, event);
}

// Property writers

void CabinetManager::set_iAmMaster(bool value)
{
    if (m_iAmMaster == value)
        return;
    m_iAmMaster = value;
    emit iAmMasterChanged(m_iAmMaster);
}

void CabinetManager::set_uiRole(int value)
{
    if (m_uiRole == value)
        return;
    m_uiRole = value;
    emit uiRoleChanged(m_uiRole);
}

void CabinetManager::set_mirrorDisplay(bool value)
{
    if (m_mirrorDisplay == value)
        return;
    m_mirrorDisplay = value;
    emit mirrorDisplayChanged(m_mirrorDisplay);
}

void CabinetManager::set_orientationPortrait(bool value)
{
    if (m_orientationPortrait == value)
        return;
    m_orientationPortrait = value;
    emit orientationPortraitChanged(m_orientationPortrait);
}

void CabinetManager::set_singleColumnUnit(bool value)
{
    if (m_singleColumnUnit == value)
        return;
    m_singleColumnUnit = value;
    emit singleColumnUnitChanged(m_singleColumnUnit);
}

void CabinetManager::set_verticalFlip(bool value)
{
    if (m_verticalFlip == value)
        return;
    m_verticalFlip = value;
    emit verticalFlipChanged(m_verticalFlip);
}

void CabinetManager::set_cabinetConfiguration(int value)
{
    if (m_cabinetConfiguration == value)
        return;
    m_cabinetConfiguration = value;
    emit cabinetConfigurationChanged(m_cabinetConfiguration);
}

void CabinetManager::set_hasMirrorDisplay(bool value)
{
    if (m_hasMirrorDisplay == value)
        return;
    m_hasMirrorDisplay = value;
    emit hasMirrorDisplayChanged(m_hasMirrorDisplay);
}

void CabinetManager::set_hasSecondaryDisplay(bool value)
{
    if (m_hasSecondaryDisplay == value)
        return;
    m_hasSecondaryDisplay = value;
    emit hasSecondaryDisplayChanged(m_hasSecondaryDisplay);
}

void CabinetManager::set_numberOfZones(int value)
{
    if (m_numberOfZones == value)
        return;
    m_numberOfZones = value;
    emit numberOfZonesChanged(m_numberOfZones);
}

void CabinetManager::set_zonesPerRow(int value)
{
    if (m_zonesPerRow == value)
        return;
    m_zonesPerRow = value;
    emit zonesPerRowChanged(m_zonesPerRow);
}

void CabinetManager::set_traysPerZone(int value)
{
    if (m_traysPerZone == value)
        return;
    m_traysPerZone = value;
    emit traysPerZoneChanged(m_traysPerZone);
}

void CabinetManager::set_traysPerCabinet(int value)
{
    if (m_traysPerCabinet == value)
        return;
    m_traysPerCabinet = value;
    emit traysPerCabinetChanged(m_traysPerCabinet);
}

void CabinetManager::set_numOfTempProbes(int value)
{
    if (m_numOfTempProbes == value)
        return;
    m_numOfTempProbes = value;
    emit numOfTempProbesChanged(m_numOfTempProbes);
}

void CabinetManager::set_tempHandling(int value)
{
    if (m_tempHandling == value)
        return;
    m_tempHandling = value;
    emit tempHandlingChanged(m_tempHandling);
}

void CabinetManager::set_tempLayout(int value)
{
    if (m_tempLayout == value)
        return;
    m_tempLayout = value;
    emit tempLayoutChanged(m_tempLayout);
}

void CabinetManager::set_isIndividualDpSelectable(bool value)
{
    if (m_isIndividualDpSelectable == value)
        return;
    m_isIndividualDpSelectable = value;
    emit isIndividualDpSelectableChanged(m_isIndividualDpSelectable);
}

void CabinetManager::set_hasFan(bool value)
{
    if (m_hasFan == value)
        return;
    m_hasFan = value;
    emit hasFanChanged(m_hasFan);
}

void CabinetManager::set_temperatureUnit(int value)
{
    if (m_temperatureUnit == value)
        return;
    m_temperatureUnit = value;
    emit temperatureUnitChanged(m_temperatureUnit);
}

void CabinetManager::set_discardFlash(bool value)
{
    if (m_discardFlash == value)
        return;
    m_discardFlash = value;
    emit discardFlashChanged(m_discardFlash);
}

void CabinetManager::set_discardText(int value)
{
    if (m_discardText == value)
        return;
    m_discardText = value;
    emit discardTextChanged(m_discardText != 0);
}

void CabinetManager::set_shelfNumbersEnable(bool value)
{
    if (m_shelfNumbersEnable == value)
        return;
    m_shelfNumbersEnable = value;
    emit shelfNumbersEnableChanged(m_shelfNumbersEnable);
}

void CabinetManager::set_shelfNumberingOrder(int value)
{
    if (m_shelfNumberingOrder == value)
        return;
    m_shelfNumberingOrder = value;
    emit shelfNumberingOrderChanged(m_shelfNumberingOrder);
}

void CabinetManager::set_startingShelfNumber(int value)
{
    if (m_startingShelfNumber == value)
        return;
    m_startingShelfNumber = value;
    emit startingShelfNumberChanged(m_startingShelfNumber);
}

void CabinetManager::set_haccpEnabled(bool value)
{
    if (m_haccpEnabled == value)
        return;
    m_haccpEnabled = value;
    emit haccpEnabledChanged(m_haccpEnabled);
}

void CabinetManager::set_touchBasedTransfer(bool value)
{
    if (m_touchBasedTransfer == value)
        return;
    m_touchBasedTransfer = value;
    emit touchBasedTransferChanged(m_touchBasedTransfer);
}

void CabinetManager::set_productIdDisplayEnable(bool value)
{
    if (m_productIdDisplayEnable == value)
        return;
    m_productIdDisplayEnable = value;
    emit productIdDisplayEnableChanged(m_productIdDisplayEnable);
}

void CabinetManager::set_advancedZoneOptionsEnable(bool value)
{
    if (m_advancedZoneOptionsEnable == value)
        return;
    m_advancedZoneOptionsEnable = value;
    emit advancedZoneOptionsEnableChanged(m_advancedZoneOptionsEnable);
}

void CabinetManager::set_viewZoneTemperatureEnable(bool value)
{
    if (m_viewZoneTemperatureEnable == value)
        return;
    m_viewZoneTemperatureEnable = value;
    emit viewZoneTemperatureEnableChanged(m_viewZoneTemperatureEnable);
}

void CabinetManager::set_cleaningModeEnable(bool value)
{
    if (m_cleaningModeEnable == value)
        return;
    m_cleaningModeEnable = value;
    emit cleaningModeEnableChanged(m_cleaningModeEnable);
}

void CabinetManager::set_sysTime(const QTime &value)
{
    if (m_sysTime == value)
        return;
    m_sysTime = value;
    emit sysTimeChanged(m_sysTime);
}

void CabinetManager::set_restoreHoldingFlag(bool value)
{
    if (m_restoreHoldingFlag == value)
        return;
    m_restoreHoldingFlag = value;
    emit restoreHoldingFlagChanged(m_restoreHoldingFlag);
}

void CabinetManager::set_orientationId(int value)
{
    if (m_orientationId == value)
        return;
    m_orientationId = value;
    emit orientationIdChanged(m_orientationId);
}

void CabinetManager::set_slaveUiFound(bool value)
{
    if (m_slaveUiFound == value)
        return;
    m_slaveUiFound = value;
    emit slaveUiFoundChanged(m_slaveUiFound);
}

void CabinetManager::set_slaveReadyForMaster(bool value)
{
    if (m_slaveReadyForMaster == value)
        return;
    m_slaveReadyForMaster = value;
    emit slaveReadyForMasterChanged(m_slaveReadyForMaster);
}

void CabinetManager::set_holdRestoreReady(bool value)
{
    if (m_holdRestoreReady == value)
        return;
    m_holdRestoreReady = value;
    emit holdRestoreReadyChanged(m_holdRestoreReady);
}

void CabinetManager::set_activelyHolding(bool value)
{
    if (m_activelyHolding == value)
        return;
    m_activelyHolding = value;
    emit activelyHoldingChanged(m_activelyHolding);
}

void CabinetManager::set_numberOfRows(int value)
{
    if (m_numberOfRows == value)
        return;
    m_numberOfRows = value;
    emit numberOfRowsChanged(m_numberOfRows);
}

void CabinetManager::set_nfcEnabled(bool value)
{
    if (m_nfcEnabled == value)
        return;
    m_nfcEnabled = value;
    emit nfcEnabledChanged(m_nfcEnabled);
}

void CabinetManager::set_zoneViewType(int value)
{
    if (m_zoneViewType == value)
        return;
    m_zoneViewType = value;
    emit zoneViewTypeChanged(m_zoneViewType);
}

void CabinetManager::set_perBinTemps(bool value)
{
    if (m_perBinTemps == value)
        return;
    m_perBinTemps = value;
    emit perBinTempsChanged(m_perBinTemps);
}

void CabinetManager::set_powerSourceChoice(bool value)
{
    if (m_powerSourceChoice == value)
        return;
    m_powerSourceChoice = value;
    emit powerSourceChoiceChanged(m_powerSourceChoice);
}

void CabinetManager::set_uiDebug(bool value)
{
    if (m_uiDebug == value)
        return;
    m_uiDebug = value;
    emit uiDebugChanged(m_uiDebug);
}

void CabinetManager::set_zones2handle(int value)
{
    if (m_zones2handle == value)
        return;
    m_zones2handle = value;
    emit zones2handleChanged(m_zones2handle);
}

void CabinetManager::set_zones2handleStart(int value)
{
    if (m_zones2handleStart == value)
        return;
    m_zones2handleStart = value;
    emit zones2handleStartChanged(m_zones2handleStart);
}

void CabinetManager::set_tempRangeErrorDisable(bool value)
{
    if (m_tempRangeErrorDisable == value)
        return;
    m_tempRangeErrorDisable = value;
    emit tempRangeErrorDisableChanged(m_tempRangeErrorDisable);
}

void CabinetManager::set_pressGoBannerEnable(bool value)
{
    if (m_pressGoBannerEnable == value)
        return;
    m_pressGoBannerEnable = value;
    emit pressGoBannerEnableChanged(m_pressGoBannerEnable);
}

void CabinetManager::set_pressGoDockPosition(int value)
{
    if (m_pressGoDockPosition == value)
        return;
    m_pressGoDockPosition = value;
    emit pressGoDockPositionChanged(m_pressGoDockPosition);
}

void CabinetManager::set_flashDriveMounted(bool value)
{
    if (m_flashDriveMounted == value)
        return;
    m_flashDriveMounted = value;
    qDebug().noquote() << "Flash Drive Mounted = " + QLatin1String(value ? "true" : "false");
    emit flashDriveMountedChanged(m_flashDriveMounted);
}

void CabinetManager::set_linkedUseFirst(bool value)
{
    if (m_linkedUseFirst == value)
        return;
    m_linkedUseFirst = value;
    emit linkedUseFirstChanged(m_linkedUseFirst);
}

void CabinetManager::set_maxCurrent(int value)
{
    if (m_maxCurrent == value)
        return;
    m_maxCurrent = value;
    emit maxCurrentChanged(m_maxCurrent);
}

void CabinetManager::set_controlBoardType(int value)
{
    if (m_controlBoardType == value)
        return;
    m_controlBoardType = value;
    emit controlBoardTypeChanged(m_controlBoardType);
}

void CabinetManager::set_numIOBoards(int value)
{
    if (m_numIOBoards == value)
        return;
    m_numIOBoards = value;
    emit numIOBoardsChanged(m_numIOBoards);
}

void CabinetManager::set_topTempOffset(int value)
{
    if (m_topTempOffset == value)
        return;
    m_topTempOffset = value;
    emit topTempOffsetChanged(m_topTempOffset);
}

void CabinetManager::set_topHeaterResistance(int value)
{
    if (m_topHeaterResistance == value)
        return;
    m_topHeaterResistance = value;
    emit topHeaterResistanceChanged(m_topHeaterResistance);
}

void CabinetManager::set_bottomTempOffset(int value)
{
    if (m_bottomTempOffset == value)
        return;
    m_bottomTempOffset = value;
    emit bottomTempOffsetChanged(m_bottomTempOffset);
}

void CabinetManager::set_bottomHeaterResistance(int value)
{
    if (m_bottomHeaterResistance == value)
        return;
    m_bottomHeaterResistance = value;
    emit bottomHeaterResistanceChanged(m_bottomHeaterResistance);
}

void CabinetManager::set_singleBinZone(int value)
{
    if (m_singleBinZone == value)
        return;
    m_singleBinZone = value;
    emit singleBinZoneChanged(m_singleBinZone);
}

void CabinetManager::set_zoneNumberingOrder(int value)
{
    if (m_zoneNumberingOrder == value)
        return;
    m_zoneNumberingOrder = value;
    emit zoneNumberingOrderChanged(m_zoneNumberingOrder);
}

void CabinetManager::set_screenCleanModeEnable(bool value)
{
    if (m_screenCleanModeEnable == value)
        return;
    m_screenCleanModeEnable = value;
    emit screenCleanModeEnableChanged();
}

void CabinetManager::set_timerColorEnable(bool value)
{
    if (m_timerColorEnable == value)
        return;
    m_timerColorEnable = value;
    emit timerColorEnableChanged();
}

void CabinetManager::set_timerDecrementEnable(bool value)
{
    if (m_timerDecrementEnable == value)
        return;
    m_timerDecrementEnable = value;
    emit timerDecrementEnableChanged(m_timerDecrementEnable);
}

void CabinetManager::set_preferencesPageLock(bool value)
{
    if (m_preferencesPageLock == value)
        return;
    m_preferencesPageLock = value;
    emit preferencesPageLockChanged(m_preferencesPageLock);
}

void CabinetManager::set_customerId(int value)
{
    if (m_customerId == value)
        return;
    m_customerId = value;
    emit customerIdChanged(m_customerId);
}

void CabinetManager::set_powerSource(int value)
{
    if (m_powerSource == value)
        return;
    m_powerSource = value;
    emit powerSourceChanged(m_powerSource);
}

void CabinetManager::set_pluggedInMinutes(int value)
{
    if (m_pluggedInMinutes == value)
        return;
    m_pluggedInMinutes = value;
    emit pluggedInMinutesChanged(m_pluggedInMinutes);
}

void CabinetManager::set_heatersTestEnabled(bool value)
{
    if (m_heatersTestEnabled == value)
        return;
    m_heatersTestEnabled = value;
    emit heatersTestEnabledChanged(m_heatersTestEnabled);
}

void CabinetManager::set_holdRestoreReadyTrue()
{
    set_holdRestoreReady(true);
}

// The slots below are the interface the other components are wired to. Their
// behaviour arrives with the subsystems that own it; until then they do
// nothing and answer with neutral values.

bool CabinetManager::uiidIsValid()
{
    return false;
}

// Identity and network addresses

void CabinetManager::updateBroadcastAddr()
{
}

void CabinetManager::updateMacAddress(QString /*value*/)
{
}

void CabinetManager::processWifiState(int /*link*/, int /*level*/)
{
}


// Display-to-display messages, file transfer, application install and remote displays

void CabinetManager::processFileMpm(int /*mpmid*/)
{
}

void CabinetManager::processDayPartChange(int /*value*/)
{
}

void CabinetManager::sendFileViaCanbus(QString /*filename*/, int /*fileTxfId*/)
{
}

void CabinetManager::sendFileViaCanbus(int /*filetxfid*/)
{
}

void CabinetManager::processSlaveUIDayPartRequest(int /*tdayPart*/)
{
}

void CabinetManager::processCurrentDateTimeChangeRequest(QByteArray */*msg*/)
{
}

void CabinetManager::processStartBinTimer(QByteArray */*msg*/)
{
}

void CabinetManager::processShowProductMismatch(QByteArray */*msg*/)
{
}

void CabinetManager::processStopBinTimer(QByteArray */*msg*/)
{
}

void CabinetManager::processBinTimerExpired(QByteArray */*msg*/)
{
}

void CabinetManager::install_applicationUpdate(QString /*newAppName*/)
{
}

void CabinetManager::passCan2Dbus(uint /*id*/, QByteArray /*data*/)
{
}

void CabinetManager::passDbus2Can(int /*node*/, uint /*id*/, QByteArray /*data*/)
{
}

void CabinetManager::sendMenuFilesUpdate()
{
}

void CabinetManager::sendSlaveErrorsFile()
{
}


// Holding, bin timers, transfer, use maps, persistence, HACCP feed, cleaning and link faults

int CabinetManager::binRemainingTime(int /*bin*/)
{
    return 0;
}

void CabinetManager::updateTrayBarHoldingInfo(trayInfo /*ti*/)
{
}

void CabinetManager::writeTrayBarHoldingInfo()
{
}

void CabinetManager::writeTrayBarHoldingInfoWrapUp(int /*exitCode*/, QProcess::ExitStatus /*status*/)
{
}

void CabinetManager::writeNewDaypartRestoreInfo()
{
}

qint64 CabinetManager::get_trayBarExpectedTime(int /*trayBarRemainingTime*/)
{
    return 0;
}

void CabinetManager::readTrayBarHoldingInfoTxt()
{
}

void CabinetManager::readTrayBarHoldingInfo()
{
}

void CabinetManager::restoreNewDaypartIfo()
{
}

void CabinetManager::calculateRemainingTimeForHoldingRestore(bool /*expireAll*/)
{
}

void CabinetManager::cancelAllHolding()
{
}

bool CabinetManager::nothingBeingHeld()
{
    return false;
}

bool CabinetManager::isBinOnThisUI(uchar /*whichBin*/)
{
    return false;
}

void CabinetManager::indicateNfcTagDetected(uchar /*whichBin*/, bool /*showHide*/)
{
}

void CabinetManager::soundNfcChime(bool /*isUniversalTag*/)
{
}

void CabinetManager::showProductMismatch(uchar /*bin*/, bool /*show*/, int /*reason*/, bool /*sound*/)
{
}

void CabinetManager::sendHoldStartedEventToDbus(uchar /*bin*/, qulonglong /*panId*/, QString /*method*/)
{
}

void CabinetManager::sendHoldExpiredEventToDbus(uchar /*bin*/, qulonglong /*panId*/)
{
}

void CabinetManager::sendHoldStoppedEventToDbus(uchar /*bin*/, qulonglong /*panId*/, QString /*method*/, int /*timeRemaining*/)
{
}

void CabinetManager::emitHoldStoppedEvent(QString /*timestamp*/, QString /*productType*/, QString /*panID*/, int /*zone*/, QString /*method*/, int /*timeRemaining*/)
{
}

void CabinetManager::startBinTimer(uchar /*bin*/, int /*seconds*/, qulonglong /*panId*/)
{
}

void CabinetManager::stopBinTimer(uchar /*bin*/)
{
}

void CabinetManager::setBinTimerExpired(uchar /*bin*/)
{
}

TrayBarSc *CabinetManager::getTrayPtr(uchar /*bin*/)
{
    return nullptr;
}

ZoneManager *CabinetManager::getZonePtr(uchar /*zone*/)
{
    return nullptr;
}

uint CabinetManager::getProductHoldTime(int /*prodId*/)
{
    return 0;
}

int CabinetManager::getProductIDfromBinNumber(uchar /*bin*/)
{
    return 0;
}

int CabinetManager::getProductPanSizeFromBinNumber(uchar /*bin*/)
{
    return 0;
}

bool CabinetManager::doTheseBinsMatch(uchar /*binA*/, uchar /*binB*/)
{
    return false;
}

void CabinetManager::recordErrorModbusBrokenLink(bool /*value*/)
{
}

void CabinetManager::recordErrorTpOpen()
{
}

void CabinetManager::recordErrorTpShorted()
{
}

void CabinetManager::notifyZonesOfBrokenLinkStatus(bool /*value*/)
{
}

void CabinetManager::notifyZonesOfBrokenCanLinkStatus(bool /*broken*/)
{
}

void CabinetManager::canRestoreActions()
{
}

void CabinetManager::processIobStatusChange(int /*board*/, int /*status*/)
{
}

void CabinetManager::setBinToTray(int /*binNum*/, int /*pid*/, int /*tid*/)
{
}

bool CabinetManager::getTrayAlertStatus(uchar /*whichBin*/)
{
    return false;
}

void CabinetManager::clearHoldingHistory()
{
}

void CabinetManager::updateTiListProdId(int /*prodId*/)
{
}

void CabinetManager::registerTagAtTimerUsingBin(qulonglong /*uid*/, int /*bin*/)
{
}

quint64 CabinetManager::getTagUidAtBin(uchar /*binNum*/)
{
    return 0;
}

void CabinetManager::setTagUidAtTrayTimer(uchar /*bin*/, qulonglong /*uid*/)
{
}

void CabinetManager::refreshMirror()
{
}

trayInfo CabinetManager::getTrayInfo(int /*binIndex*/)
{
    return trayInfo();
}

qlonglong CabinetManager::get_misMatchedPanId(int /*binIndex*/)
{
    return 0;
}

void CabinetManager::set_misMatchedPanId(int /*binIndex*/, qlonglong /*panId*/)
{
}

QString CabinetManager::get_misMatchId(int /*binIndex*/)
{
    return QString();
}

void CabinetManager::updateTrayStates(int /*trayState*/)
{
}

int CabinetManager::get_trayState(int /*binNum*/)
{
    return 0;
}

void CabinetManager::broadCastHodlingInfo()
{
}

void CabinetManager::processReceivedHoldingInfo(QByteArray /*data*/, QHostAddress /*sender*/)
{
}

void CabinetManager::showProductTransferWindow(int /*bin*/, int /*groupIndex*/, int /*productId*/)
{
}

int CabinetManager::getTransferTimersCount()
{
    return 0;
}

QVariant CabinetManager::getTransferTimerValue(int /*index*/, int /*role*/)
{
    return QVariant();
}

void CabinetManager::doProductTransfer(int /*index*/)
{
}

void CabinetManager::productTransferConfirmed()
{
}

void CabinetManager::handleTimerResetRequest(QByteArray /*data*/)
{
}

void CabinetManager::handleHaccpTimerNfcTransfer(int /*bin*/)
{
}

void CabinetManager::logHaccpTimerStopInfo(QString /*timestamp*/, QString /*productType*/, QString /*panID*/, int /*zone*/, QString /*method*/, int /*timeRemaining*/)
{
}

void CabinetManager::logHaccpTimerStartInfo(QString /*timestamp*/, QString /*productType*/, QString /*panID*/, int /*zone*/, QString /*method*/)
{
}

void CabinetManager::removeHaccpLogTimerStartInfo(int /*binNumber*/, int /*productId*/, qlonglong /*expectedTime*/)
{
}

void CabinetManager::startCleaningMode()
{
}

void CabinetManager::exitCleaningMode()
{
}

bool CabinetManager::isCoolingDownDone()
{
    return false;
}

int CabinetManager::getCoolingDownTemp()
{
    return 0;
}

void CabinetManager::processSlaveErrorsSlot()
{
}


// Screens and inactivity

void CabinetManager::userInteractionTimerTO()
{
}

int CabinetManager::getUiTrayHeight()
{
    return 0;
}

int CabinetManager::get_numberOfTraysOnThisUI()
{
    return 0;
}

void CabinetManager::autoScreenCleanScan()
{
}

void CabinetManager::cancelSuggetCleanMode()
{
}

void CabinetManager::stopAmbientTempAlarmSlot()
{
}

int CabinetManager::convertToCelsius(int /*valueF*/)
{
    return 0;
}

int CabinetManager::convertToFahrenheit(int /*valueC*/)
{
    return 0;
}


// Date, time and NTP

void CabinetManager::requestSysTimeUpdate(bool /*request*/)
{
}

void CabinetManager::sysTimeUpdate()
{
}

void CabinetManager::setSysTimeFromString(QString /*time*/, QString /*tformat*/, QString /*date*/, QString /*dformat*/)
{
}

void CabinetManager::setSystemDateTime(QDateTime /*dateTime*/)
{
}

QString CabinetManager::getSystemDateString()
{
    return QString();
}

void CabinetManager::ntpServerTimeRequest()
{
}

void CabinetManager::lookedUpNtpHost(QHostInfo /*info*/)
{
}

void CabinetManager::ntpConnectSuccess()
{
}

void CabinetManager::ntpReadReceivedDatagrams()
{
}

QDateTime CabinetManager::adjustToLocalDateTime(QDateTime &/*dt*/)
{
    return QDateTime();
}


// USB, diagnostics, watchdog and performance data

void CabinetManager::removeOldBackups()
{
}

void CabinetManager::exportMenuFiles()
{
}

void CabinetManager::importMenuFiles()
{
}

void CabinetManager::performanceData()
{
}

void CabinetManager::setPerformanceDataInterval(int /*value*/)
{
}

void CabinetManager::screenShot()
{
}

void CabinetManager::exportScreenShots()
{
}

bool CabinetManager::isFlashDriveMounted()
{
    return false;
}

QString CabinetManager::readFlashDrivePath()
{
    return QString();
}

void CabinetManager::exportKernelLog()
{
}

void CabinetManager::exportKernelLogProcessWrapUp(int /*exitCode*/, QProcess::ExitStatus /*exitStatus*/)
{
}

void CabinetManager::exportIotLog()
{
}

void CabinetManager::checkNotoSansCjkFont()
{
}

void CabinetManager::kickWdtTimerTO()
{
}

void CabinetManager::checkSystemErrors()
{
}

void CabinetManager::checkSystemErrorsProcessWrapUp(int /*exitCode*/, QProcess::ExitStatus /*exitStatus*/)
{
}

void CabinetManager::updateUseMap2()
{
}
