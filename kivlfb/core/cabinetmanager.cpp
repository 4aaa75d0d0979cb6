#include "cabinetmanager.h"

#include "property/assignifchanged.h"

#include <cmath>

#include "platform/boundedfile.h"
#include "platform/damagedfiles.h"
#include "platform/kivroot.h"

#include "core/canmessagecodec.h"
#include "core/clockfilecodec.h"
#include "core/filetransfer.h"
#include "core/holdingexchange.h"
#include "core/kivdefs.h"
#include "core/systemmaintenance.h"
#include "core/tempprobestatemanager.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "alarms/haccpcontroller.h"
#include "alarms/kiverrorcontrollert.h"
#include "alarms/soundmanager.h"
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "config/configurationmanager.h"
#include "config/eoltesting.h"
#include "crc/etccrc.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "network/dadazodaru.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfcreadersimulator.h"
#include "platform/kivclock.h"
#include "platform/toolrunner.h"

#include <QUdpSocket>
#include <algorithm>
#include <climits>
#include <QtEndian>

#include <QCoreApplication>
#include <QFileInfo>
#include <QDebug>
#include <QEvent>
#include <QQuickWindow>
#include <QWidget>
#include <QtQml>

#include <climits>

CabinetManager *cabinetManager = nullptr;

namespace {
// After the link to the primary display comes back, the restore actions run
// once the first messages have had time to arrive.
constexpr int kRestoreActionsDelayMs = 500;
// The I/O board status that means its link is lost.
constexpr int kIoBoardLinkLost = 2;
// Why a zone is reported disabled to the display that drives it.
constexpr uchar kZoneDisabledIoBoard = 2;
} // namespace

void CabinetManager::registerQmlTypes()
{
    qmlRegisterUncreatableType<CabinetManager>("CabinetManagerDefs", 1, 0, "CabmgrDefs",
                                               QStringLiteral("CabmgrDefs carries enumerations only"));
}

bool CabinetManager::transferTimersLessThan(const TimerTransferInfo &a, const TimerTransferInfo &b)
{
    return HoldingExchange::transferTimersLessThan(a, b);
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
    if (assignIfChanged(m_iAmMaster, value))
        emit iAmMasterChanged(m_iAmMaster);
}

void CabinetManager::set_uiRole(int value)
{
    if (assignIfChanged(m_uiRole, value))
        emit uiRoleChanged(m_uiRole);
}

void CabinetManager::set_mirrorDisplay(bool value)
{
    if (assignIfChanged(m_mirrorDisplay, value))
        emit mirrorDisplayChanged(m_mirrorDisplay);
}

void CabinetManager::set_orientationPortrait(bool value)
{
    if (assignIfChanged(m_orientationPortrait, value))
        emit orientationPortraitChanged(m_orientationPortrait);
}

void CabinetManager::set_singleColumnUnit(bool value)
{
    if (assignIfChanged(m_singleColumnUnit, value))
        emit singleColumnUnitChanged(m_singleColumnUnit);
}

void CabinetManager::set_verticalFlip(bool value)
{
    if (assignIfChanged(m_verticalFlip, value))
        emit verticalFlipChanged(m_verticalFlip);
}

void CabinetManager::set_cabinetConfiguration(int value)
{
    if (assignIfChanged(m_cabinetConfiguration, value))
        emit cabinetConfigurationChanged(m_cabinetConfiguration);
}

void CabinetManager::set_hasMirrorDisplay(bool value)
{
    if (assignIfChanged(m_hasMirrorDisplay, value))
        emit hasMirrorDisplayChanged(m_hasMirrorDisplay);
}

void CabinetManager::set_hasSecondaryDisplay(bool value)
{
    if (assignIfChanged(m_hasSecondaryDisplay, value))
        emit hasSecondaryDisplayChanged(m_hasSecondaryDisplay);
}

void CabinetManager::set_numberOfZones(int value)
{
    if (assignIfChanged(m_numberOfZones, value))
        emit numberOfZonesChanged(m_numberOfZones);
}

void CabinetManager::set_zonesPerRow(int value)
{
    if (assignIfChanged(m_zonesPerRow, value))
        emit zonesPerRowChanged(m_zonesPerRow);
}

void CabinetManager::set_traysPerZone(int value)
{
    if (assignIfChanged(m_traysPerZone, value))
        emit traysPerZoneChanged(m_traysPerZone);
}

void CabinetManager::set_traysPerCabinet(int value)
{
    if (assignIfChanged(m_traysPerCabinet, value))
        emit traysPerCabinetChanged(m_traysPerCabinet);
}

void CabinetManager::set_numOfTempProbes(int value)
{
    if (assignIfChanged(m_numOfTempProbes, value))
        emit numOfTempProbesChanged(m_numOfTempProbes);
}

void CabinetManager::set_tempHandling(int value)
{
    if (assignIfChanged(m_tempHandling, value))
        emit tempHandlingChanged(m_tempHandling);
}

void CabinetManager::set_tempLayout(int value)
{
    if (assignIfChanged(m_tempLayout, value))
        emit tempLayoutChanged(m_tempLayout);
}

void CabinetManager::set_isIndividualDpSelectable(bool value)
{
    if (assignIfChanged(m_isIndividualDpSelectable, value))
        emit isIndividualDpSelectableChanged(m_isIndividualDpSelectable);
}

void CabinetManager::set_hasFan(bool value)
{
    if (assignIfChanged(m_hasFan, value))
        emit hasFanChanged(m_hasFan);
}

void CabinetManager::set_temperatureUnit(int value)
{
    if (assignIfChanged(m_temperatureUnit, value))
        emit temperatureUnitChanged(m_temperatureUnit);
}

void CabinetManager::set_discardFlash(bool value)
{
    if (assignIfChanged(m_discardFlash, value))
        emit discardFlashChanged(m_discardFlash);
}

void CabinetManager::set_discardText(int value)
{
    if (assignIfChanged(m_discardText, value))
        emit discardTextChanged(m_discardText != 0);
}

void CabinetManager::set_shelfNumbersEnable(bool value)
{
    if (assignIfChanged(m_shelfNumbersEnable, value))
        emit shelfNumbersEnableChanged(m_shelfNumbersEnable);
}

void CabinetManager::set_shelfNumberingOrder(int value)
{
    if (assignIfChanged(m_shelfNumberingOrder, value))
        emit shelfNumberingOrderChanged(m_shelfNumberingOrder);
}

void CabinetManager::set_startingShelfNumber(int value)
{
    if (assignIfChanged(m_startingShelfNumber, value))
        emit startingShelfNumberChanged(m_startingShelfNumber);
}

void CabinetManager::set_haccpEnabled(bool value)
{
    if (assignIfChanged(m_haccpEnabled, value))
        emit haccpEnabledChanged(m_haccpEnabled);
}

void CabinetManager::set_touchBasedTransfer(bool value)
{
    if (assignIfChanged(m_touchBasedTransfer, value))
        emit touchBasedTransferChanged(m_touchBasedTransfer);
}

void CabinetManager::set_productIdDisplayEnable(bool value)
{
    if (assignIfChanged(m_productIdDisplayEnable, value))
        emit productIdDisplayEnableChanged(m_productIdDisplayEnable);
}

void CabinetManager::set_advancedZoneOptionsEnable(bool value)
{
    if (assignIfChanged(m_advancedZoneOptionsEnable, value))
        emit advancedZoneOptionsEnableChanged(m_advancedZoneOptionsEnable);
}

void CabinetManager::set_viewZoneTemperatureEnable(bool value)
{
    if (assignIfChanged(m_viewZoneTemperatureEnable, value))
        emit viewZoneTemperatureEnableChanged(m_viewZoneTemperatureEnable);
}

void CabinetManager::set_cleaningModeEnable(bool value)
{
    if (assignIfChanged(m_cleaningModeEnable, value))
        emit cleaningModeEnableChanged(m_cleaningModeEnable);
}

void CabinetManager::set_sysTime(const QTime &value)
{
    if (assignIfChanged(m_sysTime, value))
        emit sysTimeChanged(m_sysTime);
}

void CabinetManager::set_restoreHoldingFlag(bool value)
{
    if (assignIfChanged(m_restoreHoldingFlag, value))
        emit restoreHoldingFlagChanged(m_restoreHoldingFlag);
}

void CabinetManager::set_orientationId(int value)
{
    if (assignIfChanged(m_orientationId, value))
        emit orientationIdChanged(m_orientationId);
}

void CabinetManager::set_slaveUiFound(bool value)
{
    if (assignIfChanged(m_slaveUiFound, value))
        emit slaveUiFoundChanged(m_slaveUiFound);
}

void CabinetManager::set_slaveReadyForMaster(bool value)
{
    if (assignIfChanged(m_slaveReadyForMaster, value))
        emit slaveReadyForMasterChanged(m_slaveReadyForMaster);
}

void CabinetManager::set_holdRestoreReady(bool value)
{
    if (assignIfChanged(m_holdRestoreReady, value))
        emit holdRestoreReadyChanged(m_holdRestoreReady);
}

void CabinetManager::set_activelyHolding(bool value)
{
    if (assignIfChanged(m_activelyHolding, value))
        emit activelyHoldingChanged(m_activelyHolding);
}

void CabinetManager::set_numberOfRows(int value)
{
    if (assignIfChanged(m_numberOfRows, value))
        emit numberOfRowsChanged(m_numberOfRows);
}

void CabinetManager::set_nfcEnabled(bool value)
{
    if (assignIfChanged(m_nfcEnabled, value))
        emit nfcEnabledChanged(m_nfcEnabled);
}

void CabinetManager::set_zoneViewType(int value)
{
    if (assignIfChanged(m_zoneViewType, value))
        emit zoneViewTypeChanged(m_zoneViewType);
}

void CabinetManager::set_perBinTemps(bool value)
{
    if (assignIfChanged(m_perBinTemps, value))
        emit perBinTempsChanged(m_perBinTemps);
}

void CabinetManager::set_powerSourceChoice(bool value)
{
    if (assignIfChanged(m_powerSourceChoice, value))
        emit powerSourceChoiceChanged(m_powerSourceChoice);
}

void CabinetManager::set_uiDebug(bool value)
{
    if (assignIfChanged(m_uiDebug, value))
        emit uiDebugChanged(m_uiDebug);
}

void CabinetManager::set_zones2handle(int value)
{
    if (assignIfChanged(m_zones2handle, value))
        emit zones2handleChanged(m_zones2handle);
}

void CabinetManager::set_zones2handleStart(int value)
{
    if (assignIfChanged(m_zones2handleStart, value))
        emit zones2handleStartChanged(m_zones2handleStart);
}

void CabinetManager::set_tempRangeErrorDisable(bool value)
{
    if (assignIfChanged(m_tempRangeErrorDisable, value))
        emit tempRangeErrorDisableChanged(m_tempRangeErrorDisable);
}

void CabinetManager::set_pressGoBannerEnable(bool value)
{
    if (assignIfChanged(m_pressGoBannerEnable, value))
        emit pressGoBannerEnableChanged(m_pressGoBannerEnable);
}

void CabinetManager::set_pressGoDockPosition(int value)
{
    if (assignIfChanged(m_pressGoDockPosition, value))
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
    if (assignIfChanged(m_linkedUseFirst, value))
        emit linkedUseFirstChanged(m_linkedUseFirst);
}

void CabinetManager::set_maxCurrent(int value)
{
    if (assignIfChanged(m_maxCurrent, value))
        emit maxCurrentChanged(m_maxCurrent);
}

void CabinetManager::set_controlBoardType(int value)
{
    if (assignIfChanged(m_controlBoardType, value))
        emit controlBoardTypeChanged(m_controlBoardType);
}

void CabinetManager::set_numIOBoards(int value)
{
    if (assignIfChanged(m_numIOBoards, value))
        emit numIOBoardsChanged(m_numIOBoards);
}

void CabinetManager::set_topTempOffset(int value)
{
    if (assignIfChanged(m_topTempOffset, value))
        emit topTempOffsetChanged(m_topTempOffset);
}

void CabinetManager::set_topHeaterResistance(int value)
{
    if (assignIfChanged(m_topHeaterResistance, value))
        emit topHeaterResistanceChanged(m_topHeaterResistance);
}

void CabinetManager::set_bottomTempOffset(int value)
{
    if (assignIfChanged(m_bottomTempOffset, value))
        emit bottomTempOffsetChanged(m_bottomTempOffset);
}

void CabinetManager::set_bottomHeaterResistance(int value)
{
    if (assignIfChanged(m_bottomHeaterResistance, value))
        emit bottomHeaterResistanceChanged(m_bottomHeaterResistance);
}

void CabinetManager::set_singleBinZone(int value)
{
    if (assignIfChanged(m_singleBinZone, value))
        emit singleBinZoneChanged(m_singleBinZone);
}

void CabinetManager::set_zoneNumberingOrder(int value)
{
    if (assignIfChanged(m_zoneNumberingOrder, value))
        emit zoneNumberingOrderChanged(m_zoneNumberingOrder);
}

void CabinetManager::set_screenCleanModeEnable(bool value)
{
    if (assignIfChanged(m_screenCleanModeEnable, value))
        emit screenCleanModeEnableChanged();
}

void CabinetManager::set_timerColorEnable(bool value)
{
    if (assignIfChanged(m_timerColorEnable, value))
        emit timerColorEnableChanged();
}

void CabinetManager::set_timerDecrementEnable(bool value)
{
    if (assignIfChanged(m_timerDecrementEnable, value))
        emit timerDecrementEnableChanged(m_timerDecrementEnable);
}

void CabinetManager::set_preferencesPageLock(bool value)
{
    if (assignIfChanged(m_preferencesPageLock, value))
        emit preferencesPageLockChanged(m_preferencesPageLock);
}

void CabinetManager::set_customerId(int value)
{
    if (assignIfChanged(m_customerId, value))
        emit customerIdChanged(m_customerId);
}

void CabinetManager::set_powerSource(int value)
{
    if (assignIfChanged(m_powerSource, value))
        emit powerSourceChanged(m_powerSource);
}

void CabinetManager::set_pluggedInMinutes(int value)
{
    if (assignIfChanged(m_pluggedInMinutes, value))
        emit pluggedInMinutesChanged(m_pluggedInMinutes);
}

void CabinetManager::set_heatersTestEnabled(bool value)
{
    if (assignIfChanged(m_heatersTestEnabled, value))
        emit heatersTestEnabledChanged(m_heatersTestEnabled);
}

void CabinetManager::set_holdRestoreReadyTrue()
{
    set_holdRestoreReady(true);
}

// The slots below are the interface the other components are wired to. Their
// behaviour arrives with the subsystems that own it; until then they do
// nothing and answer with neutral values.

// A display whose id names no known layout asks for one at start.
bool CabinetManager::uiidIsValid()
{
    switch (get_orientationId()) {
    case UIID_5x4_PRIMARY:
    case UIID_5x4_SECOND:
    case UIID_2x4_PRIMARY:
    case UIID_2x4_MIRROR:
    case UIID_2x2_PRIMARY:
    case UIID_2x2_MIRROR:
    case UIID_3x2_PRIMARY:
    case UIID_3x2_MIRROR:
    case UIID_FILE_ID:
    case UIID_5x2_PRIMARY:
    case UIID_4x2_PRIMARY:
    case UIID_4x2_MIRROR:
    case UIID_5x4ZUZ_PRIMARY:
    case UIID_5x4ZUZ_MIRROR:
        return true;
    default:
        return false;
    }
}

// Identity and network addresses

// The cabinet network and the pan-tag tracking broadcast on the subnet of the
// interface the primary display uses.
void CabinetManager::updateBroadcastAddr()
{
    if (!get_iAmMaster() || !m_configManager)
        return;
    if (const auto subnet = m_configManager->activeSubnet()) {
        m_cabinetNetwork->set_broadcastAddr(subnet->broadcast);
        if (get_nfcEnabled()) {
            m_nfcManager->set_broadcastAddr(subnet->broadcast);
            m_nfcManager->set_ipAddrToUse(subnet->ownAddress);
        }
    }
    m_configManager->saveConfigFile();
}

void CabinetManager::updateMacAddress(QString value)
{
    ConfigurationManager *config = m_configManager;
    if (!config || value == config->get_macAddress())
        return;
    config->set_macAddress(value);
    config->saveConfigFile();
    if (m_isConfigured && uiidIsValid() && get_iAmMaster() && config->get_wifiEnabled())
        config->reconfigureNetworkDevices();
}

void CabinetManager::processWifiState(int link, int level)
{
    const int cabinets = m_cabinetNetwork ? m_cabinetNetwork->getNumCabsConnected() : 0;
    // Zone 100 marks a Wi-Fi record among the performance records.
    emit wifiPerformanceData(QString::number(KivClock::secsSinceEpoch()), 100, link, level,
                             QString::number(cabinets));
}


// Display-to-display messages, file transfer, application install and remote displays

void CabinetManager::processFileMpm(int mpmid)
{
    if (mpmid < CanbusManager::KIV_MULTI_FILE_TRANSFER || mpmid > CanbusManager::KIV_MULTI_FILE_TRANSFERLAST
        || !m_canbusManager)
        return;
    const FileTransfer::Stored stored = FileTransfer::store(m_canbusManager->getMpm(mpmid));
    if (stored.ok && stored.fileName.contains(QLatin1String("errorsBuff.txt")))
        emit processSlaveErrors();
}

void CabinetManager::processDayPartChange(int value)
{
    if (configValue("individualDPEnabled").toBool())
        return;
    if (get_iAmMaster() && hasRemoteDisplay())
        sendDayPartInfo(value);
}

void CabinetManager::sendFileViaCanbus(QString filename, int fileTxfId)
{
    const QString path = FileTransfer::platformPath(filename);
    if (!QFileInfo::exists(KivRoot::path(path))) {
        qDebug().noquote() << "sendFileViaCanbus()... file " + path + " not found!";
        return;
    }
    // No role set: there is no other display to send to.
    if (get_uiRole() == 0)
        return;
    const QByteArray payload = FileTransfer::payload(path);
    if (payload.isEmpty())
        return;
    enqueueMulti(fileTxfId, payload);
    qInfo().noquote() << KivClock::now().toString(QStringLiteral("HH:mm:ss.zzz"))
            + " - cabinetManager... sending file: " + path;
}

void CabinetManager::sendFileViaCanbus(int filetxfid)
{
    QString name;
    switch (filetxfid) {
    case CanbusManager::KIV_MULTI_FILE_TRANSFER_PRODS:
        name = QStringLiteral("menu.json");
        break;
    case CanbusManager::KIV_MULTI_FILE_TRASFER_CONFIG:
        name = QStringLiteral("config.txt");
        break;
    case CanbusManager::KIV_MULTI_FILE_TRANSFER_DPS_M:
        name = QStringLiteral("dayParts.json");
        break;
    case CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ID:
        name = QStringLiteral("ui_id.hcc");
        break;
    default:
        return;
    }
    sendFileViaCanbus(QStringLiteral("/root/") + name, filetxfid);
}

void CabinetManager::processSlaveUIDayPartRequest(int tdayPart)
{
    if (configValue("individualDPEnabled").toBool())
        sendDayPartInfo(tdayPart);
    else if (m_dayPartManager)
        m_dayPartManager->set_nextDayPart(tdayPart);
}

void CabinetManager::processCurrentDateTimeChangeRequest(QByteArray *msg)
{
    if (!msg)
        return;
    const ClockFileCodec::DateTimeMessage m = ClockFileCodec::decodeDateTime(*msg);
    if (!m.isValid()) {
        qDebug() << "Date and time change request without a valid date and time; ignored:" << msg->toHex();
        return;
    }
    setSystemDateTime(QDateTime(m.date, m.time, Qt::LocalTime));
    emit timeFormatAMPM(m.ampm);
    emit dstEnabled(m.dst);
    emit dateTimeUpdated();
}

void CabinetManager::processStartBinTimer(QByteArray *msg)
{
    // id, bin, seconds (32 bits, big-endian)
    if (!msg || msg->size() < 6) {
        qDebug() << "processStartBinTimer: short message" << (msg ? msg->toHex() : QByteArray());
        return;
    }
    const uchar bin = uchar(msg->at(1));
    const qint32 seconds = qFromBigEndian<qint32>(reinterpret_cast<const uchar *>(msg->constData()) + 2);
    TrayBarSc *tray = isBinOnThisUI(bin) ? getTrayPtr(bin) : nullptr;
    if (!tray)
        return;
    tray->set_remainingTime(seconds);
    if (seconds < 1)
        emit tray->trayDiscard();
    else
        tray->trayInserted();
    tray->holdingActivityUpdate(4);
}

void CabinetManager::processShowProductMismatch(QByteArray *msg)
{
    // id, bin, show, reason, universal tag
    if (!msg || msg->size() < 5) {
        qDebug() << "processShowProductMismatch: short message" << (msg ? msg->toHex() : QByteArray());
        return;
    }
    const uchar bin = uchar(msg->at(1));
    const bool show = msg->at(2) != 0;
    const int reason = uchar(msg->at(3));
    const bool sound = msg->at(4) != 0;
    TrayBarSc *tray = isBinOnThisUI(bin) ? getTrayPtr(bin) : nullptr;
    if (!tray)
        return;
    const int alarm = sound ? 4 : 3;
    tray->set_warningReason(show ? reason : 0);
    emit tray->requestAlarm(alarm, show);
}

void CabinetManager::processStopBinTimer(QByteArray *msg)
{
    if (!msg || msg->size() < 2) {
        qDebug() << "processStopBinTimer: short message";
        return;
    }
    const uchar bin = uchar(msg->at(1));
    if (TrayBarSc *tray = isBinOnThisUI(bin) ? getTrayPtr(bin) : nullptr)
        emit tray->trayRemoved();
}

void CabinetManager::processBinTimerExpired(QByteArray *msg)
{
    if (!msg || msg->size() < 2) {
        qDebug() << "processBinTimerExpired: short message";
        return;
    }
    const uchar bin = uchar(msg->at(1));
    if (TrayBarSc *tray = isBinOnThisUI(bin) ? getTrayPtr(bin) : nullptr)
        emit tray->trayExpired();
}

void CabinetManager::install_applicationUpdate(QString newAppName)
{
    sendNewAppInstallSucess(FileTransfer::installApplication(newAppName));
}

void CabinetManager::passCan2Dbus(uint id, QByteArray data)
{
    emit sendCan2Dbus(get_iAmMaster() ? 1 : 2, id, data);
}

void CabinetManager::passDbus2Can(int node, uint id, QByteArray data)
{
    if (node == (get_iAmMaster() ? 1 : 2))
        return;
    QByteArray record(12, '\0');
    qToBigEndian<quint32>(id, reinterpret_cast<uchar *>(record.data()));
    for (int i = 0; i < 8 && i < data.size(); ++i)
        record[4 + i] = data.at(i);
    emit dbusCanRcvd(record);
}

void CabinetManager::sendMenuFilesUpdate()
{
    sendFileViaCanbus(CanbusManager::KIV_MULTI_FILE_TRANSFER_PRODS);
    sendFileViaCanbus(CanbusManager::KIV_MULTI_FILE_TRANSFER_DPS_M);
    sendMcUpdate();
    if (m_dayPartManager)
        emit m_dayPartManager->newDayPartDefinition(m_dayPartManager->get_nextDayPart());
}

void CabinetManager::sendSlaveErrorsFile()
{
    sendFileViaCanbus(QStringLiteral("/root/errorsBuff.txt"), CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ERR);
}


// Holding, bin timers, transfer, use maps, persistence, HACCP feed, cleaning and link faults

int CabinetManager::binRemainingTime(int bin)
{
    TrayBarSc *tray = getTrayPtr(uchar(bin));
    return tray ? tray->get_remainingTime() : 0;
}

void CabinetManager::updateTrayBarHoldingInfo(trayInfo ti)
{
    int activity = ti.holdActivity;
    if (ti.binNumber < m_trayInfoList.size()) {
        // A refresh keeps what the bin was doing.
        if (activity == 6)
            ti.holdActivity = m_trayInfoList.at(ti.binNumber).holdActivity;
        activity = ti.holdActivity;
        m_trayInfoList[ti.binNumber] = ti;
        m_holdingSaveDelayTimer.start();
        bool holding = false;
        for (const trayInfo &record : qAsConst(m_trayInfoList))
            holding = holding || (record.holdActivity >= 2 && record.holdActivity <= 5);
        set_activelyHolding(holding);
    }
    m_useMapTimer.start();
    if ((activity == 0 || activity == 2 || activity == 5) && get_linkedUseFirst())
        broadCastHodlingInfo();
}

HoldingFile::State CabinetManager::holdingState() const
{
    HoldingFile::State state;
    state.records = m_trayInfoList;
    state.nextDayPart = m_dayPartManager ? m_dayPartManager->get_nextDayPart() : 0;
    for (const ZoneManager *zone : m_zoneList) {
        state.zoneCurrentDayParts << zone->get_currentDayPart();
        state.zoneNextDayParts << zone->get_nextDayPart();
    }
    return state;
}

void CabinetManager::writeTrayBarHoldingInfo()
{
    // Until this start's restore has finished, the table does not yet hold
    // what the file holds: writing it would throw the stored holds away.
    if (!get_holdRestoreReady())
        return;
    m_holdingSavePeriodTimer.start();
    if (getSystemBackupInProgress())
        return;
    m_holdingWriter->save(HoldingFile::toJson(holdingState(), KivClock::msecsSinceEpoch()));
}

void CabinetManager::writeTrayBarHoldingInfoWrapUp(SafeFileWriter::Result result)
{
    if (result == SafeFileWriter::OpenFailed)
        qDebug().noquote() << " Unable to open " + m_holdingWriter->newFilePath() + " for writing ";
    else if (result != SafeFileWriter::Saved)
        qDebug().noquote() << "Holding state not saved; " + m_holdingWriter->filePath() + " keeps the previous state";
}

void CabinetManager::writeNewDaypartRestoreInfo()
{
    m_holdingSaveDelayTimer.start();
}

qint64 CabinetManager::get_trayBarExpectedTime(int trayBarRemainingTime)
{
    return KivClock::msecsSinceEpoch() + qint64(trayBarRemainingTime) * 1000;
}

void CabinetManager::readTrayBarHoldingInfoTxt()
{
    const QString path = KivRoot::appFile(QStringLiteral("trayBarInfo.txt"));
    const auto useDefaultDayPart = [this] {
        m_dayPartManager->set_nextDayPart(m_dayPartManager->getDayPartToUse(0));
    };
    QFile file(path);
    if (!file.exists()) {
        qDebug().noquote() << "readTrayBarHoldingInfo: file " + path + " not found!";
        useDefaultDayPart();
        return;
    }
    if (file.size() == 0) {
        qDebug().noquote() << "readTrayBarHoldingInfo: file " + path + " exists but it is empty?!?";
        useDefaultDayPart();
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "readTrayBarHoldingInfo: Unable to open " + path + " for reading";
        useDefaultDayPart();
        return;
    }
    HoldingFile::State state = holdingState();
    bool stale = false;
    // The stream's records come first and are few: a longer file is read
    // only as far as a sane one can go.
    if (!HoldingFile::mergeLegacy(file.read(BoundedFile::SmallFileLimit), KivClock::msecsSinceEpoch(), &state, &stale)) {
        qDebug().noquote() << "readTrayBarHoldingInfo: file " + path + " ends early; nothing restored";
        useDefaultDayPart();
        return;
    }
    applyHoldingRestore(state, stale);
}

void CabinetManager::readTrayBarHoldingInfo()
{
    if (m_holdingRestoreDone) {
        qDebug() << "readTrayBarHoldingInfo: holding was restored at start-up already";
        return;
    }
    m_holdingRestoreDone = true;

    const QString legacyPath = KivRoot::appFile(QStringLiteral("trayBarInfo.txt"));
    if (QFileInfo::exists(legacyPath)) {
        // The older file is read once, then the JSON file takes over.
        readTrayBarHoldingInfoTxt();
        QFile::remove(legacyPath);
        m_dayPartManager->set_nextDayPart(m_dayPartManager->getDayPartToUse(0));
        return;
    }

    bool nextDayPartRestored = false;
    const QString path = KivRoot::appFile(QStringLiteral("trayBarInfo.json"));
    QByteArray bytes;
    const BoundedFile::Result read = BoundedFile::read(path, BoundedFile::SmallFileLimit, &bytes);
    bool usable = false;
    if (read == BoundedFile::Read) {
        HoldingFile::State state = holdingState();
        bool stale = false;
        usable = HoldingFile::mergeJson(bytes, KivClock::msecsSinceEpoch(), &state, &stale);
        if (usable)
            nextDayPartRestored = applyHoldingRestore(state, stale);
        else
            qDebug().noquote() << "readTrayBarHoldingInfo: " + path + " is not a holding file; nothing restored";
    }
    if (read != BoundedFile::Missing && !usable) {
        // The next save would overwrite what is left of the file: it goes
        // aside first. The pan tags still know their holds' times.
        const QString kept = DamagedFiles::moveAside(path);
        if (!kept.isEmpty())
            qWarning().noquote() << "readTrayBarHoldingInfo: unusable holding file kept as" << kept;
        if (get_nfcEnabled() && m_nfcManager)
            restoreHoldingFromPanTags();
    }
    if (!nextDayPartRestored)
        m_dayPartManager->set_nextDayPart(m_dayPartManager->getDayPartToUse(0));
}

// Brings holds back from the pan-tag registry, which keeps every tagged
// pan's activation and expiry times apart from the holding file.
void CabinetManager::restoreHoldingFromPanTags()
{
    HoldingFile::State state = holdingState();
    QStringList bins;
    for (int bin = 0; bin < NFCmanager::BinCount && bin < state.records.size(); ++bin) {
        const quint64 uid = m_nfcManager->getUidInBin(quint8(bin));
        const NfcTagItem2 *tag = uid ? m_nfcManager->viewTagInfo2(uid) : nullptr;
        if (!tag || tag->getProductId() == 0 || tag->getHoldStatus() == NfcTagItem2::HoldEnded)
            continue;
        // A two-bin pan runs on the timer of its even bin.
        const int timerBin = getProductPanSizeFromBinNumber(uchar(bin)) == 2 ? (bin & ~1) : bin;
        trayInfo &ti = state.records[timerBin];
        if (HoldingFile::isHoldInProgress(ti.holdActivity))
            continue;
        ti.binNumber = quint8(timerBin);
        ti.holdActivity = HoldingFile::RestoredActivity;
        ti.isGroup = 0;
        ti.groupId = tag->getProductId();
        ti.groupIndex = 0;
        ti.expectedTime = tag->getExpTime();
        ti.processId = tag->getActivationTimeStamp();
        const ZoneManager *zone = m_zoneList.value(timerBin / qMax(1, get_traysPerZone()));
        ti.dayPart = quint8(zone ? zone->get_currentDayPart() : 0);
        bins << QString::number(timerBin);
    }
    if (bins.isEmpty())
        return;
    qWarning().noquote() << "readTrayBarHoldingInfo: holds of bins" << bins.join(QLatin1Char(','))
                         << "restored from their pan tags";
    applyHoldingRestore(state, false);
}

// Turns the records read from a file into holds again. Returns true when the
// file's next day part was taken.
bool CabinetManager::applyHoldingRestore(const HoldingFile::State &restored, bool stale)
{
    m_trayInfoList = restored.records;
    m_restoredZoneDayParts = QVector<int>(get_numberOfZones(), restored.nextDayPart);
    for (int i = 0; i < m_restoredZoneDayParts.size() && i < restored.zoneCurrentDayParts.size(); ++i)
        m_restoredZoneDayParts[i] = restored.zoneCurrentDayParts.at(i);

    const bool holding = std::any_of(m_trayInfoList.cbegin(), m_trayInfoList.cend(), [](const trayInfo &ti) {
        return HoldingFile::isHoldInProgress(ti.holdActivity);
    });
    set_activelyHolding(holding);
    calculateRemainingTimeForHoldingRestore(stale);
    updateUseMap2();

    for (const trayInfo &ti : qAsConst(m_trayInfoList)) {
        if (ti.holdActivity < 2 || ti.holdActivity == 6)
            continue;
        if (isBinOnThisUI(ti.binNumber))
            emit restoreTrayInfoSignal(ti);
        else
            sendRestoreTrayBarHoldingInfo(ti);
    }

    bool nextDayPartRestored = false;
    if (!stale) {
        if (m_dayPartManager->getDayPartIsUsed(restored.nextDayPart)) {
            m_dayPartManager->set_nextDayPart(restored.nextDayPart);
            nextDayPartRestored = true;
        }
        restoreNewDaypartIfo();
    }
    if (holding)
        set_restoreHoldingFlag(true);
    return nextDayPartRestored;
}

void CabinetManager::restoreNewDaypartIfo()
{
    for (int i = 0; i < get_numberOfZones(); ++i)
        emit zoneRestoreDayPartSignal(i, m_restoredZoneDayParts.value(i));
}

void CabinetManager::calculateRemainingTimeForHoldingRestore(bool expireAll)
{
    const qint64 nowMs = KivClock::msecsSinceEpoch();
    for (trayInfo &ti : m_trayInfoList) {
        if (ti.binNumber >= get_traysPerCabinet() || ti.holdActivity == 0)
            continue;
        if (expireAll) {
            // One day over: the bar lands in discard whatever the product.
            ti.expectedTime = nowMs - 86400000;
            ti.remainingTime = -86400;
        } else {
            // Whole seconds first, as the bars count them. A corrupt end
            // time must not wrap round into a long hold.
            const qint64 left = ti.expectedTime / 1000 - nowMs / 1000;
            ti.remainingTime = qint32(qBound<qint64>(-86400, left, INT_MAX));
        }
    }
    if (expireAll && m_nfcManager)
        m_nfcManager->setAllTagExpirationsToInvalid();
}

void CabinetManager::cancelAllHolding()
{
    for (TrayBarSc *tray : qAsConst(m_trayList))
        emit tray->cancelHolding();
    if (!get_iAmMaster())
        return;
    sendCancelAllHolding();
    if (get_nfcEnabled() && m_nfcManager)
        m_nfcManager->resetNFC2();
}

bool CabinetManager::nothingBeingHeld()
{
    return !get_activelyHolding();
}

bool CabinetManager::isBinOnThisUI(uchar whichBin)
{
    // A secondary display shows the second half of the cabinet.
    if (get_uiRole() == 2)
        return whichBin >= m_traysOnThisUi && whichBin < get_traysPerCabinet();
    return whichBin < m_traysOnThisUi;
}

void CabinetManager::indicateNfcTagDetected(uchar whichBin, bool showHide)
{
    const uchar bin = pairedBin(whichBin);
    if (isBinOnThisUI(bin)) {
        if (TrayBarSc *tray = getTrayPtr(bin)) {
            if (showHide)
                emit tray->flashBackground();
            else
                emit tray->cancelFlashBackground();
        }
        return;
    }
    sendNfcTagIndication(bin, showHide);
}

void CabinetManager::soundNfcChime(bool isUniversalTag)
{
    if (!m_soundManager)
        return;
    if (isUniversalTag)
        emit m_soundManager->nfcChimeUniSig();
    else
        emit m_soundManager->nfcChimeSig();
}

void CabinetManager::showProductMismatch(uchar bin, bool show, int reason, bool sound)
{
    if (!binInTables(bin) || m_binMismatch.value(bin) == show)
        return;
    bin = pairedBin(bin);
    if (!binInTables(bin))
        return;
    const QString timeStamp = QString::number(KivClock::secsSinceEpoch());
    if (show) {
        if (m_binMismatch[bin])
            return;
        m_binMismatch[bin] = true;
        const QString serial = m_configManager ? m_configManager->get_serialNumber() : QString();
        m_mismatchTexts[bin] = QStringLiteral("%1:%2:%3").arg(timeStamp, serial).arg(bin);
        indicateNfcTagDetected(bin, false);
    } else {
        m_binMismatch[bin] = false;
    }

    const QString binProduct = productMenuName(getProductIDfromBinNumber(bin));
    const int alarm = sound ? 4 : 3;
    if (isBinOnThisUI(bin)) {
        TrayBarSc *tray = getTrayPtr(bin);
        if (!tray)
            return;
        tray->set_warningReason(show ? reason : 0);
        if (show)
            emit notifyBinMismatchAlert(timeStamp, tray->get_productName(), tray->get_panIdStr(), bin, binProduct);
        else
            emit notifyBinMismatchClear(timeStamp, tray->get_productName(), tray->get_panIdStr(), bin, binProduct);
        emit tray->requestAlarm(alarm, show);
        if (get_iAmMaster() && get_nfcEnabled())
            sendShowProductMismatch(bin, show, reason, sound);
        return;
    }
    // The bar lives on the other display: the notice carries what this one
    // knows, the menu's product and the mismatched tag, if any.
    sendShowProductMismatch(bin, show, reason, sound);
    const quint64 pan = quint64(m_mismatchPanIds.value(bin));
    const QString panText = pan ? QString::number(pan, 16) : QString();
    if (show)
        emit notifyBinMismatchAlert(timeStamp, binProduct, panText, bin, binProduct);
    else
        emit notifyBinMismatchClear(timeStamp, binProduct, panText, bin, binProduct);
}

void CabinetManager::sendHoldStartedEventToDbus(uchar bin, qulonglong panId, QString method)
{
    emit event_holdStarted(QString::number(KivClock::secsSinceEpoch()),
                           productMenuName(getProductIDfromBinNumber(bin)), QString::number(panId, 16),
                           bin, method);
}

void CabinetManager::sendHoldExpiredEventToDbus(uchar bin, qulonglong panId)
{
    if (get_iAmMaster())
        emit event_holdExpired(QString::number(KivClock::secsSinceEpoch()),
                               productMenuName(getProductIDfromBinNumber(bin)),
                               QString::number(panId, 16), bin);
    else if (get_uiRole() == 2)
        sendHoldExpiredEventToMaster(bin, panId);
}

void CabinetManager::sendHoldStoppedEventToDbus(uchar bin, qulonglong panId, QString method, int timeRemaining)
{
    if (get_iAmMaster())
        emit event_holdStopped(QString::number(KivClock::secsSinceEpoch()),
                               productMenuName(getProductIDfromBinNumber(bin)),
                               QString::number(panId, 16), bin, method, timeRemaining);
    else
        sendHoldStoppedEventToMaster(bin, panId, method, timeRemaining);
}

void CabinetManager::emitHoldStoppedEvent(QString /*timestamp*/, QString /*productType*/, QString panID,
                                          int zone, QString method, int timeRemaining)
{
    int bin = zone;
    if (auto *tray = qobject_cast<TrayBarSc *>(sender())) {
        bin = tray->get_binNumber();
        timeRemaining = tray->get_remainingTime();
    }
    sendHoldStoppedEventToDbus(uchar(bin), panID.toULongLong(nullptr, 16), method, timeRemaining);
}

void CabinetManager::startBinTimer(uchar bin, int seconds, qulonglong panId)
{
    if (!binInCabinet(bin))
        return;
    bin = pairedBin(bin);
    indicateNfcTagDetected(bin, false);
    TrayBarSc *tray = get_iAmMaster() && isBinOnThisUI(bin) ? getTrayPtr(bin) : nullptr;
    if (!tray) {
        if (!(get_iAmMaster() && isBinOnThisUI(bin))) {
            sendStartBinTimer(bin, seconds);
            sendBinPanId(bin, panId);
        }
        return;
    }
    tray->set_panId(panId);
    tray->set_remainingTime(seconds);
    if (seconds < 1)
        emit tray->trayDiscard();
    else
        tray->trayInserted();
    tray->holdingActivityUpdate(4);
}

void CabinetManager::stopBinTimer(uchar bin)
{
    if (!binInCabinet(bin))
        return;
    bin = pairedBin(bin);
    if (get_iAmMaster() && isBinOnThisUI(bin)) {
        if (TrayBarSc *tray = getTrayPtr(bin))
            emit tray->trayRemoved();
        return;
    }
    sendStopBinTimer(bin);
}

void CabinetManager::setBinTimerExpired(uchar bin)
{
    if (!binInCabinet(bin))
        return;
    bin = pairedBin(bin);
    // The bar, here or on the secondary display, zeroes its remaining time:
    // the stop it reports no longer tells how long the pan was held.
    if (get_iAmMaster())
        m_haccpHoldCutShort.insert(bin);
    if (get_iAmMaster() && isBinOnThisUI(bin)) {
        if (TrayBarSc *tray = getTrayPtr(bin))
            emit tray->trayExpired();
        return;
    }
    sendBinTimerExpired(bin);
}

TrayBarSc *CabinetManager::getTrayPtr(uchar bin)
{
    TrayBarSc *found = nullptr;
    for (TrayBarSc *tray : qAsConst(m_trayList))
        if (tray->get_binNumber() == bin)
            found = tray;
    if (!found)
        qDebug() << "getTrayPtr result is NULL!!!!!!";
    return found;
}

ZoneManager *CabinetManager::getZonePtr(uchar zone)
{
    for (ZoneManager *z : qAsConst(m_zoneList))
        if (z->get_zoneNumber() == zone)
            return z;
    qDebug() << "getZonePtr result is NULL!!!!!!";
    return nullptr;
}

uint CabinetManager::getProductHoldTime(int prodId)
{
    if (!m_menuManager)
        return 0;
    return m_menuManager->getProductHoldTime(m_menuManager->getProductIndex(prodId)).toUInt();
}

int CabinetManager::getProductIDfromBinNumber(uchar bin)
{
    if (!binInCabinet(bin) || bin >= m_trayInfoList.size() || !m_menuManager)
        return 0;
    const trayInfo &record = m_trayInfoList.at(bin);
    int productId = int(record.groupId);
    if (record.isGroup) {
        const QStringList list = m_menuManager->getProductGroupPList(int(record.groupId)).toStringList();
        productId = record.groupIndex < list.size() ? list.at(record.groupIndex).toInt() : 0;
    }
    if (!get_nfcEnabled() || productId != 0 || bin % 2 == 0)
        return productId;
    // An odd bin without a product of its own may be the second half of a
    // two-bin pan in the bin before it.
    const int before = getProductIDfromBinNumber(bin - 1);
    if (before < 1)
        return before;
    const int panSize = m_menuManager->getProductPanSize(m_menuManager->getProductIndex(before)).toInt();
    return panSize == 2 ? before : 0;
}

int CabinetManager::getProductPanSizeFromBinNumber(uchar bin)
{
    if (!m_menuManager)
        return 0;
    const int productId = getProductIDfromBinNumber(bin);
    return m_menuManager->getProductPanSize(m_menuManager->getProductIndex(productId)).toInt();
}

bool CabinetManager::doTheseBinsMatch(uchar binA, uchar binB)
{
    if (!get_nfcEnabled() || (binA | 1) != (binB | 1))
        return false;
    return getProductPanSizeFromBinNumber(qMin(binA, binB)) == 2;
}

void CabinetManager::recordErrorModbusBrokenLink(bool value)
{
    if (!m_errorController)
        return;
    if (value)
        m_errorController->errorCodesDataProcess(1, 0, 0, 0);
    else
        m_errorController->errorCodesClearDataProcess(1, 0, 0, 0);
    m_errorController->set_sibLinkBroken(value);
}

void CabinetManager::recordErrorTpOpen()
{
    auto *probe = qobject_cast<TempProbeStateManager *>(sender());
    if (probe && m_errorController)
        m_errorController->errorCodesDataProcess(2, 1, probe->get_tpNumber(), 0);
}

void CabinetManager::recordErrorTpShorted()
{
    auto *probe = qobject_cast<TempProbeStateManager *>(sender());
    if (probe && m_errorController)
        m_errorController->errorCodesDataProcess(2, 0, probe->get_tpNumber(), 0);
}

void CabinetManager::notifyZonesOfBrokenLinkStatus(bool value)
{
    for (ZoneManager *zone : qAsConst(m_zoneList)) {
        if (value)
            zone->setErrorFlags(ZoneManager::ZE_PRIMARY_IO_COMM_LOSS);
        else
            zone->clearErrorFlags(ZoneManager::ZE_PRIMARY_IO_COMM_LOSS);
    }
}

void CabinetManager::notifyZonesOfBrokenCanLinkStatus(bool broken)
{
    if (get_iAmMaster() && get_hasSecondaryDisplay()) {
        // The secondary display's holds are forgotten until it sends them
        // again; meanwhile its bins do not count for use-first.
        const int first = get_traysPerZone() * (get_zones2handleStart() + get_zones2handle());
        const int end = qMin(get_traysPerZone() * get_numberOfZones(), int(m_trayInfoList.size()));
        for (int bin = qMax(first, 0); bin < end; ++bin)
            m_trayInfoList[bin].holdActivity = 0;
        updateUseMap2();
        return;
    }
    for (ZoneManager *zone : qAsConst(m_zoneList)) {
        if (broken)
            zone->setErrorFlags(ZoneManager::ZE_PRIMARY_UI_COMM_LOSS);
        else
            zone->clearErrorFlags(ZoneManager::ZE_PRIMARY_UI_COMM_LOSS);
    }
    if (!broken) {
        m_restoreActionsTimer.setSingleShot(true);
        m_restoreActionsTimer.start(kRestoreActionsDelayMs);
    }
}

void CabinetManager::canRestoreActions()
{
    if (get_orientationId() != 2)
        return;
    for (int i = 5; i <= 9 && i < m_zoneList.size(); ++i)
        m_zoneList.at(i)->restateTargetTemp();
}

void CabinetManager::processIobStatusChange(int board, int status)
{
    if (board < 1 || board > m_ioBoardToZoneMap.size())
        return;
    const bool lost = status == kIoBoardLinkLost;
    const IoBoardToZone &io = m_ioBoardToZoneMap.at(board - 1);
    QList<int> zones{io.firstZone};
    if (io.secondZone != io.firstZone)
        zones << io.secondZone;
    for (int zone : qAsConst(zones)) {
        if (zone < 0 || zone > UCHAR_MAX)
            continue;
        // Zones past this display's range are driven by the other display.
        if (zone >= get_zones2handleStart() + get_zones2handle()) {
            sendZoneDisabledInfo(lost, uchar(zone), kZoneDisabledIoBoard);
            continue;
        }
        ZoneManager *z = zoneByNumber(zone);
        if (!z)
            continue;
        if (lost)
            z->setErrorFlags(ZoneManager::ZE_IO_COMM_LOSS);
        else
            z->clearErrorFlags(ZoneManager::ZE_IO_COMM_LOSS);
    }
}

void CabinetManager::setBinToTray(int binNum, int pid, int tid)
{
    if (!binInCabinet(binNum))
        return;
    const quint64 uid = (quint64(qint64(pid)) << 40) | quint64(qint64(tid));
    const int cabinetBins = get_traysPerCabinet();
    const int firstHalf = cabinetBins > 12 ? cabinetBins / 2 : cabinetBins;
    // The readers report tags by reading position; the NFC map says which bin
    // each position serves. Put the pan where the polling will look for this
    // bin (the same place when the map is in bin order).
    const int position = m_nfcMap.contains(binNum) ? int(m_nfcMap.indexOf(binNum)) : binNum;
    NfcReaderSimulator *reader = position < firstHalf ? m_nfcSimulator1 : m_nfcSimulator2;
    const int b = position < firstHalf ? position : position - firstHalf;
    if (!reader)
        return;
    quint16 crc = 0;
    if (uid != 0) {
        uchar bytes[8];
        qToBigEndian<quint64>(uid, bytes);
        crc = etcCrc(bytes + 2, 6);
    }
    reader->setHoldingRegister(3 + 4 * b, crc);
    reader->setHoldingRegister(4 + 4 * b, quint16(uid >> 32));
    reader->setHoldingRegister(5 + 4 * b, quint16(uid >> 16));
    reader->setHoldingRegister(6 + 4 * b, quint16(uid));
}

bool CabinetManager::getTrayAlertStatus(uchar whichBin)
{
    return binInTables(whichBin) && m_binMismatch.value(whichBin);
}

void CabinetManager::clearHoldingHistory()
{
    const struct {
        const char *name;
        const char *log;
    } files[] = {
        {"SavedHash.dat", "Hash file found... erasing"},
        {"trayBarInfo.txt", "trayBarInfo.txt file found... erasing"},
        {"trayBarInfo.json", "trayBarInfo.json file found... erasing"},
    };
    for (const auto &f : files) {
        const QString path = KivRoot::appFile(QString::fromLatin1(f.name));
        if (!QFileInfo::exists(path))
            continue;
        qDebug() << f.log;
        QFile::remove(path);
    }
    QProcess *sync = ToolRunner::start(QStringLiteral("/bin/sync"), {}, this);
    connect(sync, SIGNAL(finished(int,QProcess::ExitStatus)), sync, SLOT(deleteLater()));
}

// A bar that changes product keeps its holding record's product in step;
// only the bars' own signal may do so. The records cover every bin of the
// cabinet, past the twentieth too.
void CabinetManager::updateTiListProdId(int prodId)
{
    const TrayBarSc *tray = senderTray();
    if (!tray)
        return;
    const int bin = tray->get_binNumber();
    if (bin >= 0 && bin < m_trayInfoList.size())
        m_trayInfoList[bin].groupId = quint32(prodId);
}

void CabinetManager::registerTagAtTimerUsingBin(qulonglong uid, int bin)
{
    if (!binInCabinet(bin))
        return;
    bin = pairedBin(uchar(bin));
    if (get_iAmMaster() && isBinOnThisUI(uchar(bin))) {
        if (TrayBarSc *tray = getTrayPtr(uchar(bin)))
            tray->set_panId(uid);
        return;
    }
    sendBinPanId(uchar(bin), uid);
}

quint64 CabinetManager::getTagUidAtBin(uchar binNum)
{
    return m_nfcManager ? m_nfcManager->getUidInBin(binNum) : 0;
}

void CabinetManager::setTagUidAtTrayTimer(uchar bin, qulonglong uid)
{
    if (!binInCabinet(bin))
        return;
    if (isBinOnThisUI(bin)) {
        if (TrayBarSc *tray = getTrayPtr(bin))
            tray->set_panId(uid);
        return;
    }
    sendBinPanId(bin, uid);
}

void CabinetManager::refreshMirror()
{
    if (!hasRemoteDisplay())
        return;
    sendConfigSettingsData();
    // Each bar's change notifications carry its whole state to the mirror.
    if (get_hasMirrorDisplay())
        for (TrayBarSc *tray : qAsConst(m_trayList))
            tray->refreshAll();
}

trayInfo CabinetManager::getTrayInfo(int binIndex)
{
    // An index outside the list gets an empty record rather than a crash.
    return m_trayInfoList.value(binIndex);
}

// The bin numbers come from the tag analysis and the cloud back-ends: one
// outside the per-bin tables reads as nothing and writes nothing.
qlonglong CabinetManager::get_misMatchedPanId(int binIndex)
{
    return binInTables(binIndex) ? qlonglong(m_mismatchPanIds.at(binIndex)) : 0;
}

void CabinetManager::set_misMatchedPanId(int binIndex, qlonglong panId)
{
    if (binInTables(binIndex))
        m_mismatchPanIds[binIndex] = quint64(panId);
}

QString CabinetManager::get_misMatchId(int binIndex)
{
    return binInTables(binIndex) ? m_mismatchTexts.at(binIndex) : QString();
}

void CabinetManager::updateTrayStates(int trayState)
{
    if (const TrayBarSc *tray = senderTray())
        storeTrayState(tray->get_binNumber(), trayState);
}

void CabinetManager::storeTrayState(int bin, int trayState)
{
    if (binInTables(bin))
        m_trayStates[bin] = trayState;
}

// One table for the bins of every display: this display's bars report their
// own, the other display's come over the bus.
int CabinetManager::get_trayState(int binNum)
{
    return binInTables(binNum) ? m_trayStates.at(binNum) : 0;
}

void CabinetManager::broadCastHodlingInfo()
{
    m_holdingExchange->broadcastHoldingInfo();
}

void CabinetManager::processReceivedHoldingInfo(QByteArray data, QHostAddress sender)
{
    m_holdingExchange->processReceivedHoldingInfo(data, sender);
}

// A group tray asks with its current product; the group index plays no part.
void CabinetManager::showProductTransferWindow(int bin, int /*groupIndex*/, int productId)
{
    m_holdingExchange->showProductTransferWindow(bin, productId);
}

int CabinetManager::getTransferTimersCount()
{
    return m_holdingExchange->getTransferTimersCount();
}

QVariant CabinetManager::getTransferTimerValue(int index, int role)
{
    return m_holdingExchange->getTransferTimerValue(index, role);
}

void CabinetManager::doProductTransfer(int index)
{
    m_holdingExchange->doProductTransfer(index);
}

void CabinetManager::productTransferConfirmed()
{
    m_holdingExchange->productTransferConfirmed();
}

bool CabinetManager::handleTimerResetRequest(QByteArray data)
{
    return m_holdingExchange->handleTimerResetRequest(data);
}

// A tagged pan left for another cabinet, which now logs the hold: the start
// entry logged here is withdrawn.
void CabinetManager::handleHaccpTimerNfcTransfer(int bin)
{
    if (!get_iAmMaster() || !get_haccpEnabled() || !binInCabinet(bin))
        return;
    bin = pairedBin(uchar(bin));
    removeHaccpLogTimerStartInfo(bin, getProductIDfromBinNumber(uchar(bin)), m_trayInfoList.value(bin).expectedTime);
}

void CabinetManager::logHaccpTimerStopInfo(QString /*timestamp*/, QString productType, QString /*panID*/,
                                           int zone, QString /*method*/, int timeRemaining)
{
    const int bin = zone;
    if (!binInCabinet(bin) || !m_haccpController)
        return;
    TrayBarSc *tray = getTrayPtr(uchar(bin));
    const int productId = tray ? tray->get_productId() : getProductIDfromBinNumber(uchar(bin));
    int elapsed = int(getProductHoldTime(productId)) - timeRemaining;
    bool expired = timeRemaining < 0;
    // A hold ended by the pan's away time: the bar zeroed its remaining time
    // there, so the row counts from the start logged for the hold instead.
    // The pan went to discard: the hold counts as expired.
    const bool cutShort = m_haccpHoldCutShort.remove(bin);
    const qint64 startSecs = m_haccpStartSecs.take(bin);
    if (cutShort && startSecs > 0) {
        elapsed = int(qBound<qint64>(0, KivClock::secsSinceEpoch() - startSecs, INT_MAX));
        expired = true;
    }
    HaccpData entry = haccpEntry(bin, productType, elapsed);
    const int held = qMax(elapsed, 0);
    entry.duration = QStringLiteral("%1:%2:%3")
                         .arg(held / 3600, 2, 10, QLatin1Char('0'))
                         .arg(held / 60 % 60, 2, 10, QLatin1Char('0'))
                         .arg(held % 60, 2, 10, QLatin1Char('0'));
    entry.expired = expired;
    m_haccpController->removeStartDataLogEntry(entry);
    m_haccpController->logDataEntry(entry);
}

void CabinetManager::logHaccpTimerStartInfo(QString /*timestamp*/, QString productType, QString /*panID*/,
                                            int zone, QString /*method*/)
{
    const int bin = zone;
    if (!binInCabinet(bin) || !m_haccpController)
        return;
    TrayBarSc *tray = getTrayPtr(uchar(bin));
    const int productId = tray ? tray->get_productId() : getProductIDfromBinNumber(uchar(bin));
    const int holdTime = int(getProductHoldTime(productId));
    int remaining = 0;
    if (tray) {
        remaining = tray->get_remainingTime();
    } else {
        // A bin of another display has no bar here, and that display sends
        // the start before the bin's new record: the record still tells of
        // the time before the hold. The pan in the bin, known to this
        // display's tag registry, carries the hold's end (a pan moved there
        // keeps its own); without one, a bin with no hold on record has just
        // begun a full one.
        const trayInfo record = m_trayInfoList.value(bin);
        const bool holdOnRecord = record.holdActivity >= 2 && record.holdActivity <= 5;
        remaining = holdOnRecord ? record.remainingTime : holdTime;
        const quint64 uid = m_nfcManager ? m_nfcManager->getBinTagUid(bin) : 0;
        if (const NfcTagItem2 *tag = uid ? m_nfcManager->viewTagInfo2(uid) : nullptr)
            remaining = tag->remainingSecs(KivClock::msecsSinceEpoch());
    }
    const int elapsed = holdTime - remaining;
    HaccpData entry = haccpEntry(bin, productType, elapsed);
    m_haccpStartSecs.insert(bin, KivClock::secsSinceEpoch() - elapsed);
    m_haccpHoldCutShort.remove(bin);
    entry.duration = QStringLiteral("----");
    entry.expired = false;
    m_haccpController->logDataEntry(entry);
}

void CabinetManager::removeHaccpLogTimerStartInfo(int binNumber, int productId, qlonglong expectedTime)
{
    if (!binInCabinet(binNumber) || !m_haccpController)
        return;
    // The start entry was dated when the hold began: its end less the
    // product's hold time, in whole seconds.
    const qint64 startSecs = expectedTime / 1000 - qint64(getProductHoldTime(productId));
    QDateTime start = QDateTime::fromSecsSinceEpoch(startSecs, Qt::UTC);
    start = adjustToLocalDateTime(start);
    HaccpData entry;
    entry.name = productMenuName(productId);
    entry.date = start.toString(QStringLiteral("yyyy/MM/dd"));
    entry.time = start.toString(QStringLiteral("HH:mm:ss"));
    entry.duration = QStringLiteral("----");
    entry.expired = false;
    entry.binNumber = binNumber;
    m_haccpController->removeStartDataLogEntry(entry);
}

// The primary display drives the bars' heat; the others only follow the
// mode. The flag is set before anyone hears of the change, so listeners
// read the new mode.
void CabinetManager::startCleaningMode()
{
    if (get_iAmMaster())
        for (ZoneManager *zone : qAsConst(m_zoneList))
            zone->enterCleaningMode();
    m_cleaningInProgress = true;
    emit cleaningStarted();
}

void CabinetManager::exitCleaningMode()
{
    if (get_iAmMaster())
        for (ZoneManager *zone : qAsConst(m_zoneList))
            zone->exitCleaningMode();
    m_cleaningInProgress = false;
    emit cleaningStopped();
}

// The cleaning screen waits until no zone is hotter than the cleaning
// temperature.
bool CabinetManager::isCoolingDownDone()
{
    return getCoolingDownTemp() <= ZONE_CLEANING_MODE_TEMP;
}

int CabinetManager::getCoolingDownTemp()
{
    int hottest = 0;
    for (const ZoneManager *zone : qAsConst(m_zoneList))
        for (int reading : zone->get_actualTempsList())
            hottest = qMax(hottest, reading);
    return hottest;
}

void CabinetManager::processSlaveErrorsSlot()
{
    if (m_errorController)
        emit m_errorController->callProcessSlaveErrors();
    enqueueSingle(CanMessageCodec::single(CanbusManager::KIVMSGSINGLE_CLEAR_ERRORS_BUFF));
}


// Screens and inactivity

void CabinetManager::userInteractionTimerTO()
{
    if (m_eolTesting && m_eolTesting->getEolTestStarted())
        return;
    emit noUserInteraction();
}

int CabinetManager::getUiTrayHeight()
{
    const int rows = qMax(get_numberOfRows(), 1);
    const bool portrait = get_orientationPortrait();
    const bool banner = get_pressGoBannerEnable();
    const bool twoAcross = get_zonesPerRow() > 1;

    // Layouts whose bars are sized by hand rather than by the formula.
    switch (rows) {
    case 5:
        if (!banner)
            return portrait ? 135 : 90;
        break;
    case 4:
        if (!banner)
            return portrait ? 140 : 113;
        if (portrait && !twoAcross)
            return 140;
        break;
    case 3:
        if (portrait && !banner)
            return twoAcross ? 107 : 153;
        break;
    case 2:
        if (!banner)
            return portrait ? 150 : 140;
        break;
    default:
        break;
    }

    if (portrait && twoAcross)
        return ((banner ? 590 : 710) - 10 * rows) / (2 * rows);
    int height = portrait ? (banner ? 580 : 700) : (banner ? 360 : 480);
    if (rows <= 2)
        height = 2 * height / 3;
    return (height - 5 * rows) / rows;
}

int CabinetManager::get_numberOfTraysOnThisUI()
{
    if (!get_hasSecondaryDisplay() && get_uiRole() != 2)
        return get_traysPerCabinet();
    return get_traysPerCabinet() / 2;
}

void CabinetManager::autoScreenCleanScan()
{
    const int timeout = configValue("screenCleanTimeout").toInt();
    const int mode = configValue("screenCleanActive").toInt();
    if (m_screenCleanCountdown < 0 || mode == 0) {
        m_screenCleanCountdown = timeout * 60;
        return;
    }
    if (mode != 1)
        return;
    const bool validTimeout = timeout >= 5 && timeout <= 1439;
    if (m_screenCleanCountdown != 0 || !validTimeout) {
        --m_screenCleanCountdown;
        return;
    }
    // Stays at 0: the suggestion repeats until the screen reloads the count.
    emit screenCleaningTimeOutChanged();
}

// A dismissed or finished suggestion comes back one full timeout later.
void CabinetManager::cancelSuggetCleanMode()
{
    m_screenCleanCountdown = configValue("screenCleanTimeout").toInt() * 60;
}

void CabinetManager::stopAmbientTempAlarmSlot()
{
    if (m_soundManager)
        emit m_soundManager->prodChangeAlarmStop();
    if (m_masterIoManager)
        m_masterIoManager->resetAmbientTempAlarm();
}

// Temperatures are held in whole degrees Fahrenheit; the screens convert.
// Halves round upward (2.5 -> 3, -2.5 -> -2), in single precision as the
// stored tables were computed.
int CabinetManager::convertToCelsius(int valueF)
{
    const float c = float(valueF - 32) * 5.0f / 9.0f;
    return int(std::floor(c + 0.5f));
}

int CabinetManager::convertToFahrenheit(int valueC)
{
    const float f = float(valueC) * 9.0f / 5.0f;
    return int(std::floor(f + 0.5f)) + 32;
}


// Date, time and NTP

void CabinetManager::requestSysTimeUpdate(bool request)
{
    if (!get_iAmMaster() || !request)
        return;
    m_clockTick.startNtpCycle();
}

void CabinetManager::sysTimeUpdate()
{
    if (!m_configManager)
        return;
    const bool primary = get_iAmMaster();
    const ClockTick::Actions tick =
        m_clockTick.tick(KivClock::secsSinceEpoch(), configuredTimeZoneId(), m_configManager->get_dstEnabled(),
                         primary && m_configManager->get_ntpOn(), primary);
    set_sysTime(tick.timeOfDay);
    if (tick.ntpRead)
        emit ntpServerTimeRead();
    if (tick.ntpGaveUp)
        qDebug() << "NTP server read failed. Max tries reached";
    if (tick.countMinutes) {
        set_pluggedInMinutes(get_pluggedInMinutes() + 10);
        SystemMaintenance::writePluggedInMinutes(get_pluggedInMinutes());
    }
}

void CabinetManager::setSysTimeFromString(QString time, QString tformat, QString date, QString dformat)
{
    const QDateTime utc = ClockFileCodec::enteredTimeToUtc(time, tformat, date, dformat, configuredTimeZone(),
                                                           configValue("dstEnabled").toBool());
    qDebug() << "New time = " << utc;
    setSystemDateTime(utc);
    emit timeFormatAMPM(tformat.startsWith(QLatin1String("AP")));
}

void CabinetManager::setSystemDateTime(QDateTime dateTime)
{
    if (!dateTime.isValid()) {
        qDebug() << "setSystemDateTime: no valid date and time; the clock is not set";
        return;
    }
    emit userChangedDateTime(KivClock::nowUtc().msecsTo(dateTime));
    // The hardware clock copies the system clock (in UTC), so it runs once
    // the date command has ended; nobody waits for either.
    QProcess *date =
        ToolRunner::start(QStringLiteral("date"), {ClockFileCodec::dateCommandArgument(dateTime)}, this);
    connect(date, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), date, [date] {
        date->deleteLater();
        ToolRunner::startDetached(QStringLiteral("hwclock"), {QStringLiteral("--utc"), QStringLiteral("--systohc")});
    });
}

QString CabinetManager::getSystemDateString()
{
    const QDateTime utc = KivClock::nowUtc();
    int offset = configuredTimeZone().offsetFromUtc(utc);
    if (configValue("dstEnabled").toBool())
        offset += 3600;
    return utc.addSecs(offset).date().toString(QStringLiteral("yyyy-MM-dd"));
}

void CabinetManager::ntpServerTimeRequest()
{
    if (m_ntpServerName.isEmpty())
        return;
    QHostInfo::lookupHost(m_ntpServerName, this, SLOT(lookedUpNtpHost(QHostInfo)));
}

void CabinetManager::lookedUpNtpHost(QHostInfo info)
{
    if (info.error() != QHostInfo::NoError || !m_ntpSocket)
        return;
    if (!m_ntpSocketConnected) {
        connect(m_ntpSocket, SIGNAL(readyRead()), this, SLOT(ntpReadReceivedDatagrams()));
        connect(m_ntpSocket, SIGNAL(connected()), this, SLOT(ntpConnectSuccess()));
        m_ntpSocketConnected = true;
    }
    m_ntpSocket->abort();
    m_ntpSocket->connectToHost(m_ntpServerName, m_ntpPort, QIODevice::ReadWrite);
}

void CabinetManager::ntpConnectSuccess()
{
    if (!m_ntpSocket)
        return;
    m_ntpSocket->flush();
    m_ntpSocket->write(ClockFileCodec::ntpRequest());
}

void CabinetManager::setNtpServer(const QString &hostName, quint16 port)
{
    m_ntpServerName = hostName;
    m_ntpPort = port;
}

void CabinetManager::ntpReadReceivedDatagrams()
{
    if (!m_ntpSocket)
        return;
    // Only the first 48 bytes count; the rest is only measured.
    QByteArray reply;
    int length = 0;
    while (m_ntpSocket->hasPendingDatagrams()) {
        const QByteArray datagram = m_ntpSocket->receiveDatagram().data();
        length += datagram.size();
        if (reply.size() < ClockFileCodec::NtpPacketSize)
            reply += datagram;
    }
    m_ntpSocket->close();

    const ClockFileCodec::NtpReply ntp = ClockFileCodec::decodeNtpReply(reply);
    if (ntp.status == ClockFileCodec::NtpReply::Short) {
        qDebug() << "NTP read data length is not complete. Length =" << length;
        return;
    }
    if (ntp.status == ClockFileCodec::NtpReply::NoTime) {
        qDebug() << "NTP reply carries no time (transmit seconds 0); ignored";
        return;
    }
    const QDateTime utc = ntp.utc;
    setSystemDateTime(utc);
    if (get_iAmMaster() && (get_hasMirrorDisplay() || get_hasSecondaryDisplay()))
        sendCurrentDateTimeDataChangeRequest(ushort(utc.date().year()), uchar(utc.date().month()),
                                             uchar(utc.date().day()), uchar(utc.time().hour()),
                                             uchar(utc.time().minute()), uchar(utc.time().second()));
    m_clockTick.endNtpCycle();
    emit dateTimeUpdated();
}

QDateTime CabinetManager::adjustToLocalDateTime(QDateTime &dt)
{
    QDateTime local = dt;
    if (configValue("dstEnabled").toBool())
        local = local.addSecs(3600);
    return local.toTimeZone(configuredTimeZone());
}

QString CabinetManager::getTimeStampStringSecs()
{
    return QString::number(KivClock::secsSinceEpoch());
}


// USB, diagnostics, watchdog and performance data

namespace {
// The error report of a missing CAN bus supply: main code and first
// sub-code; the second sub-code names the display (0 primary, 1 other).
constexpr int kSystemErrorMain = 4;
constexpr int kCommBusVoltageMissing = 4;
} // namespace

void CabinetManager::removeOldBackups()
{
    SystemMaintenance::removeOldBackups();
}

void CabinetManager::exportMenuFiles()
{
    SystemMaintenance::exportMenuFiles();
}

void CabinetManager::importMenuFiles()
{
    const bool copied = SystemMaintenance::importMenuFiles();
    emit mcUpdateReloadFiles();
    if (!copied)
        return;
    sendFileViaCanbus(CanbusManager::KIV_MULTI_FILE_TRANSFER_PRODS);
    sendFileViaCanbus(CanbusManager::KIV_MULTI_FILE_TRANSFER_DPS_M);
    sendMcUpdate();
}

void CabinetManager::performanceData()
{
    const QString timeStamp = QString::number(KivClock::secsSinceEpoch());
    for (const TrayBarSc *tray : qAsConst(m_trayList))
        emit performanceDataSignal(timeStamp, tray->get_binNumber(), tray->get_holdTemperature(),
                                   tray->get_actualTemperature(), QString());
}

void CabinetManager::setPerformanceDataInterval(int value)
{
    if (!m_performanceDataTimer)
        return;
    m_performanceDataTimer->stop();
    if (value < 1)
        return;
    // Beyond about 24 days the milliseconds overflow an int: a longer
    // interval gets the longest timer the framework takes.
    m_performanceDataTimer->setInterval(int(qMin<qint64>(qint64(value) * 1000, INT_MAX)));
    m_performanceDataTimer->start();
}

void CabinetManager::screenShot()
{
    auto *window = qobject_cast<QQuickWindow *>(m_engine ? m_engine->rootObjects().value(0) : nullptr);
    const QString none;
    const SystemMaintenance::Screenshot result = SystemMaintenance::saveScreenshot(
        window, m_configManager ? m_configManager->get_serialNumber() : none,
        m_configManager ? m_configManager->get_modelNumber() : none,
        m_configManager ? m_configManager->get_storeNumber() : none);
    // The shutter flash follows every attempt on a window.
    if (result != SystemMaintenance::Screenshot::NoWindow)
        emit screenshotTaken();
}

void CabinetManager::exportScreenShots()
{
    switch (SystemMaintenance::exportScreenShots()) {
    case SystemMaintenance::ScreenshotExport::NoDirectory:
        break;
    case SystemMaintenance::ScreenshotExport::NoScreenshots:
        emit noScreenShotsToExport();
        break;
    case SystemMaintenance::ScreenshotExport::Exported:
        emit screenshotsExported();
        break;
    }
}

bool CabinetManager::isFlashDriveMounted()
{
    return SystemMaintenance::flashDriveMounted();
}

QString CabinetManager::readFlashDrivePath()
{
    const QString path = SystemMaintenance::flashDrivePath();
    qDebug().noquote() << "flashDrivePath" << path;
    return path;
}

void CabinetManager::exportKernelLog()
{
    QProcess *process = ToolRunner::start(QStringLiteral("/bin/dmesg"), {}, this,
                                          QStringLiteral("kernelLogExportProcess"));
    connect(process, SIGNAL(finished(int,QProcess::ExitStatus)), this,
            SLOT(exportKernelLogProcessWrapUp(int,QProcess::ExitStatus)));
    qDebug().noquote() << "CabinetManager::exportKernelLog() starting process /bin/dmesg ";
}

void CabinetManager::exportKernelLogProcessWrapUp(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug().nospace() << "CabinetManager::exportKernelLogProcessWrapUp exitCode = " << exitCode
                       << " ; exitStatus = " << exitStatus;
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process)
        return;
    disconnect(process, SIGNAL(finished(int,QProcess::ExitStatus)), this,
               SLOT(exportKernelLogProcessWrapUp(int,QProcess::ExitStatus)));
    process->deleteLater();
    if (exitStatus != QProcess::NormalExit || process->objectName() != QLatin1String("kernelLogExportProcess"))
        return;
    SystemMaintenance::exportKernelLog(process->readAllStandardOutput());
}

void CabinetManager::exportIotLog()
{
    SystemMaintenance::exportIotLog();
}

void CabinetManager::checkNotoSansCjkFont()
{
    SystemMaintenance::installCjkFont();
}

void CabinetManager::kickWdtTimerTO()
{
    if (!m_watchdogFile.isOpen()) {
        m_watchdogFile.setFileName(KivRoot::path(QStringLiteral("/dev/watchdog")));
        if (m_watchdogFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            // A status file left behind means the board restarted without an
            // orderly stop.
            QFile rebootStatus(KivRoot::appFile(QStringLiteral("rebootStatus.txt")));
            if (rebootStatus.exists()) {
                rebootStatus.remove();
                if (m_errorController)
                    m_errorController->errorCodesDataProcess(4, 3, get_iAmMaster() ? 0 : 1, 0);
                emit unexpectedRebootDetected();
            }
        } else {
            qDebug() << "Unable to Open File !!!" << m_watchdogFile.fileName();
        }
    }
    if (m_watchdogFile.isOpen())
        m_watchdogFile.write("60");
}

void CabinetManager::checkSystemErrors()
{
    QProcess *process = ToolRunner::start(QStringLiteral("/bin/dmesg"), {}, this,
                                          QStringLiteral("checkSystemErrorsProcess"));
    connect(process, SIGNAL(finished(int,QProcess::ExitStatus)), this,
            SLOT(checkSystemErrorsProcessWrapUp(int,QProcess::ExitStatus)));
}

void CabinetManager::checkSystemErrorsProcessWrapUp(int /*exitCode*/, QProcess::ExitStatus exitStatus)
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process)
        return;
    disconnect(process, SIGNAL(finished(int,QProcess::ExitStatus)), this,
               SLOT(checkSystemErrorsProcessWrapUp(int,QProcess::ExitStatus)));
    process->deleteLater();
    if (exitStatus != QProcess::NormalExit || process->objectName() != QLatin1String("checkSystemErrorsProcess")
        || !SystemMaintenance::showsCanControllerFault(process->readAllStandardOutput()))
        return;
    qDebug().noquote() << "Communication bus voltage not detected!";
    if (m_errorController)
        m_errorController->errorCodesDataProcess(kSystemErrorMain, kCommBusVoltageMissing, get_iAmMaster() ? 0 : 1, 0);
    emit commBusVoltageMissing();
}

void CabinetManager::updateUseMap2()
{
    m_holdingExchange->updateUseMap();
}

void CabinetManager::updateAllUseMap2()
{
    m_holdingExchange->updateAllUseMap();
}


// Helpers of the holding operations

// With NFC, a two-bin pan is addressed by its even bin.
uchar CabinetManager::pairedBin(uchar bin)
{
    if (get_nfcEnabled() && getProductPanSizeFromBinNumber(bin) == 2)
        return uchar(bin & ~1u);
    return bin;
}

QString CabinetManager::productMenuName(int productId) const
{
    return m_menuManager ? m_menuManager->getProductName(productId).toString() : QString();
}

// An unknown zone id reads as UTC.
QString CabinetManager::configuredTimeZoneId() const
{
    return m_configManager ? m_configManager->getCurrentTimeZoneId() : QString();
}

QTimeZone CabinetManager::configuredTimeZone() const
{
    const QTimeZone zone(configuredTimeZoneId().toLatin1());
    return zone.isValid() ? zone : QTimeZone::utc();
}

void CabinetManager::sendNfcTagIndication(uchar bin, bool on)
{
    if (!m_canbusManager)
        return;
    QByteArray payload(2, '\0');
    payload[0] = char(on ? CanbusManager::KIVMSGSINGLE_INDICATE_NFC_TAG
                         : CanbusManager::KIVMSGSINGLE_CANCEL_NFC_TAG_INDICATOR);
    payload[1] = char(bin);
    auto *request = new CanSendRequest;
    request->set_frameId(3);
    request->set_data(payload);
    m_canbusManager->enqueueSendRequest(request);
}

// A HACCP row for a hold that began elapsedSecs ago, dated in the cabinet's
// local time.
HaccpData CabinetManager::haccpEntry(int bin, const QString &productName, int elapsedSecs)
{
    QDateTime start = KivClock::nowUtc().addSecs(-qint64(elapsedSecs));
    start = adjustToLocalDateTime(start);
    HaccpData entry;
    entry.name = productName;
    entry.date = start.toString(QStringLiteral("yyyy/MM/dd"));
    entry.time = start.toString(QStringLiteral("HH:mm:ss"));
    entry.binNumber = bin;
    return entry;
}
