// The display-to-display messages of the cabinet core: the senders, the
// single-packet dispatcher, the multi-packet reader and the remote-display
// property and action handlers. Payload bytes are built and read by
// CanMessageCodec; this file decides who sends what and what a received
// message does here.

#include "cabinetmanager.h"

#include "alarms/kiverrorcontrollert.h"
#include "alarms/soundmanager.h"
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "config/configurationmanager.h"
#include "core/canmessagecodec.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "modbus/qmodbusmaster.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "ui/translator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

using Codec = CanMessageCodec;

namespace {

// Single message ids (CanbusManager::kivMsgSingle_enum).
using M = CanbusManager;

// Property codes of the remote-display property message.
enum PropertyCode {
    PropTrayState = 1,
    PropProductId = 2,
    PropHolding = 3,
    PropHoldTime = 4,
    PropHoldTemp = 5,
    PropRemainingTime = 6,
    PropActualTemp = 7,
    PropUseBin = 8,
    PropGroupIndex = 9,
    PropTempError = 10,
    PropTempStatus = 11,
    PropDisabledFlag = 12,
    PropErrorFlags = 13,
    PropGroupId = 14,
    PropTargetFanSpeed = 15,
    PropActualFanSpeed = 16,
    PropZoneCurrentDayPart = 17,
    PropBinActualFanSpeed = 18,
    PropBinTargetFanSpeed = 19,
    PropAmbientTemp = 20,
    PropHoldTimePreSet = 21,
    PropUpperTemp = 22,
    PropLowerTemp = 23,
};

// Action codes of the remote-display action message.
enum ActionCode {
    ActKeyClick = 1,
    ActCancelHolding = 2,
    ActSelectSubProduct = 3,
    ActLoadProduct = 4,
    ActCloseCancelPanel = 5,
    ActDisableGroupSelection = 6,
    ActAmbientTempAlarm = 7,
    ActClearAmbientTempAlarm = 8,
    ActHeaterHighTempAlarm = 9,
};

constexpr int kRoleSecondary = 2;
constexpr int kRoleMirror = 3;
constexpr uint kZoneIoCommLoss = 16;
constexpr int kMaxDayPart = 9;
constexpr int kBinsInUseFlags = 20;

QString nowSecs()
{
    return QString::number(KivClock::secsSinceEpoch());
}

QString hex(quint64 value)
{
    return QString::number(value, 16);
}

int clampOr(int value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}

} // namespace

// --- Helpers ---

void CabinetManager::enqueueSingle(const QByteArray &payload)
{
    if (!m_canbusManager || payload.isEmpty())
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(Codec::frameIdFor(quint8(payload.at(0)), get_iAmMaster()));
    request->set_multi(false);
    request->set_data(payload);
    m_canbusManager->enqueueSendRequest(request);
}

void CabinetManager::enqueueMulti(int multiId, const QByteArray &payload)
{
    if (!m_canbusManager)
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(get_iAmMaster() ? 1 : 2);
    request->set_multi(true);
    request->set_multiId(multiId);
    request->set_data(payload);
    m_canbusManager->enqueueSendRequest(request);
}

TrayBarSc *CabinetManager::trayOnThisDisplay(int bin) const
{
    TrayBarSc *found = nullptr;
    for (TrayBarSc *tray : m_trayList)
        if (tray->get_binNumber() == bin)
            found = tray;
    return found;
}

TrayBarSc *CabinetManager::senderTray() const
{
    return qobject_cast<TrayBarSc *>(sender());
}

ZoneManager *CabinetManager::senderZone() const
{
    return qobject_cast<ZoneManager *>(sender());
}

ZoneManager *CabinetManager::zoneByNumber(int zoneNumber) const
{
    for (ZoneManager *zone : m_zoneList)
        if (zone->get_zoneNumber() == zoneNumber)
            return zone;
    return nullptr;
}

QVariant CabinetManager::configValue(const char *name) const
{
    return m_configManager ? m_configManager->property(name) : QVariant();
}

void CabinetManager::setConfigValue(const char *name, const QVariant &value)
{
    // Every persisted setting is a writable property of the store.
    if (m_configManager)
        m_configManager->setProperty(name, value);
}

QString CabinetManager::productNameOfBin(int bin)
{
    if (!m_menuManager)
        return QString();
    return m_menuManager->getProductName(getProductIDfromBinNumber(uchar(bin))).toString();
}

// --- Single-packet dispatcher ---

void CabinetManager::processSinglePacket(QByteArray *msg)
{
    if (!msg)
        return;
    const QByteArray m = *msg;
    delete msg; // the receiver owns the payload on every path
    if (m.isEmpty())
        return;

    const int id = quint8(m.at(0));
    auto b = [&m](int pos) { return int(Codec::byteAt(m, pos)); };
    const int len = m.size();

    switch (id) {
    case M::KIVMSGSINGLE_MASTER:
    case M::KIVMSGSINGLE_MODE_PREHEAT:
    case M::KIVMSGSINGLE_MODE_REGULAR:
    case M::KIVMSGSINGLE_UPDATE_USE_MAP:
    case M::KIVMSGSINGLE_APP_INSTALL_STATUS:
    case M::KIVMSGSINGLE_NFC_DEREGISTER:
        break;
    case M::KIVMSGSINGLE_DAYPART_REQUEST:
        if (len < 2)
            break;
        if (m_dayPartManager && m_dayPartManager->getDayPartIsUsed(b(1)))
            emit slaveUIRequestsDayPart(b(1));
        else
            qDebug() << "KIVMSGSINGLE_DAYPART_REQUEST - Unused daypart" << b(1);
        break;
    case M::KIVMSGSINGLE_NAME_TO_USE:
        if (len >= 2)
            setConfigValue("prodNameLength", b(1));
        break;
    case M::KIVMSGSINGLE_EXIT_PREHEAT_REQUEST:
        if (m_masterIoManager)
            m_masterIoManager->requestExitPreheat();
        break;
    case M::KIVMSGSINGLE_ALARM_REQUEST:
        if (len >= 3 && m_soundManager)
            m_soundManager->processAlarmReq(b(1), b(2) != 0);
        break;
    case M::KIVMSGSINGLE_BIN_REMAIN_TIME:
        if (TrayBarSc *tray = trayOnThisDisplay(b(1)))
            tray->set_remainingTime(Codec::int32At(m, 2));
        break;
    case M::KIVMSGSINGLE_BIN_USE:
        if (b(1) < get_traysPerCabinet()) {
            if (TrayBarSc *tray = trayOnThisDisplay(b(1)))
                tray->set_useBin(b(2) != 0);
        } else {
            qDebug() << "KIVMSGSINGLE_BIN_USE - Invalid bin index" << b(1);
        }
        break;
    case M::KIVMSGSINGLE_MC_UPDATE_PROCESS:
        emit mcUpdateReloadFiles();
        emit configSettingsUpdated();
        break;
    case M::KIVMSGSINGLE_MC_CANCEL_ALL_HOLDING:
        qWarning().noquote() << "Cancel all holding requested by CAN sender"
                             << (m_canbusManager ? m_canbusManager->get_receivedFrameSenderId() : -1);
        cancelAllHolding();
        break;
    case M::KIVMSGSINGLE_MC_CONFIG_SETTINGS_CHANGE_REQUEST:
    case M::KIVMSGSINGLE_MC_CONFIG_SETTINGS_DATA:
    {
        QByteArray copy(m);
        processConfigSettingsChangeRequest(&copy);
        break;
    }
    case M::KIVMSGSINGLE_MC_DATETIME_CHANGE_REQUEST: {
        QByteArray copy(m);
        processCurrentDateTimeChangeRequest(&copy);
        break;
    }
    case M::KIVMSGSINGLE_MC_TIME_ZONE_CHANGE_REQUEST: {
        const bool ntp = (b(1) & 0x80) != 0;
        emit ntpOnChanged(ntp);
        emit timeZoneIndexChanged(b(1) & 0x7F);
        if (get_iAmMaster() && ntp)
            requestSysTimeUpdate(true);
        break;
    }
    case M::KIVMSGSINGLE_FW_INFO_REQUEST:
        if (m_configManager)
            QMetaObject::invokeMethod(m_configManager, "sendFwInfoViaCanbus");
        break;
    case M::KIVMSGSINGLE_ROLLCALL_REQUEST:
        if (get_slaveReadyForMaster())
            processRollCallRequest();
        break;
    case M::KIVMSGSINGLE_SLAVE_REPORTING:
        if (len >= 2)
            processSlaveReporting(b(1));
        break;
    case M::KIVMSGSINGLE_ACTIVELY_HOLDING_DATA:
        if (len >= 2)
            set_activelyHolding(b(1) != 0);
        break;
    case M::KIVMSGSINGLE_MB_LINK_BROKEN:
        if (len >= 2 && m_modbusMaster)
            m_modbusMaster->set_brokenLink(b(1) != 0);
        break;
    case M::KIVMSGSINGLE_ZONE_GEN_STATUS: {
        const int zone = b(2);
        if (len < 4 || zone < get_zones2handleStart() || zone >= get_zones2handleStart() + get_zones2handle())
            break;
        ZoneManager *z = zoneByNumber(zone);
        if (b(3) != 2 || !z)
            break;
        if (b(1) != 0)
            z->setErrorFlags(kZoneIoCommLoss);
        else
            z->clearErrorFlags(kZoneIoCommLoss);
        break;
    }
    case M::KIVMSGSINGLE_NFC_START_BIN_TIMER: {
        QByteArray copy(m);
        processStartBinTimer(&copy);
        break;
    }
    case M::KIVMSGSINGLE_NFC_STOP_BIN_TIMER: {
        QByteArray copy(m);
        processStopBinTimer(&copy);
        break;
    }
    case M::KIVMSGSINGLE_NFC_BIN_TIMER_EXPIRED: {
        QByteArray copy(m);
        processBinTimerExpired(&copy);
        break;
    }
    case M::KIVMSGSINGLE_NFC_SHOW_PRODUCT_MISMATCH: {
        QByteArray copy(m);
        processShowProductMismatch(&copy);
        break;
    }
    case M::KIVMSGSINGLE_NFC_UPDATE_EXP: {
        QByteArray copy(m);
        processUserRequestsManualTimerStart(&copy);
        break;
    }
    case M::KIVMSGSINGLE_NFC_SHOW_READER_ERROR: {
        bool clean = true;
        for (int i = 1; i < len; ++i)
            clean = clean && m.at(i) == 0;
        if (get_nfcEnabled() && clean)
            processSendShowReaderError();
        else
            qDebug() << "Invalid KIVMSGSINGLE_NFC_SHOW_READER_ERROR received";
        break;
    }
    case M::KIVMSGSINGLE_OBJ_PROP: {
        QByteArray copy(m);
        processObjectPropertySetting(&copy);
        break;
    }
    case M::KIVMSGSINGLE_OBJ_ACTION: {
        QByteArray copy(m);
        processObjectAction(&copy);
        break;
    }
    case M::KIVMSGSINGLE_BIN_TARGET_TEMP:
        if (b(1) < get_traysPerCabinet()) {
            if (m_masterIoManager)
                m_masterIoManager->setBinTargetTemp(b(1), Codec::int32At(m, 2));
        } else {
            qDebug() << "KIVMSGSINGLE_BIN_TARGET_TEMP invalid binNum" << b(1);
        }
        break;
    case M::KIVMSGSINGLE_ZONE_STATE:
        if (ZoneManager *z = zoneByNumber(b(1)))
            if (b(2) <= 2)
                z->set_zState(b(2));
        break;
    case M::KIVMSGSINGLE_DAYPART_INFO: {
        QByteArray copy(m);
        processDayPartInfo(&copy);
        break;
    }
    case M::KIVMSGSINGLE_BINS_2_USE: {
        const quint32 flags = quint32(Codec::int32At(m, 1));
        for (int bin = 0; bin < kBinsInUseFlags && bin < get_traysPerCabinet(); ++bin)
            if (TrayBarSc *tray = trayOnThisDisplay(bin))
                tray->set_useBin((flags >> bin) & 1u);
        break;
    }
    case M::KIVMSGSINGLE_RESTATE_TRAYS_HOLD_TEMP:
        reStateTraysHoldTemps();
        break;
    case M::KIVMSGSINGLE_NTP_CHANGED:
        if (len >= 2)
            setConfigValue("ntpOn", b(1) != 0);
        break;
    case M::KIVMSGSINGLE_INDICATE_NFC_TAG:
        if (TrayBarSc *tray = trayOnThisDisplay(b(1)))
            emit tray->flashBackground();
        break;
    case M::KIVMSGSINGLE_CANCEL_NFC_TAG_INDICATOR:
        if (TrayBarSc *tray = trayOnThisDisplay(b(1)))
            emit tray->cancelFlashBackground();
        break;
    case M::KIVMSGSINGLE_RESTORATION_DIALOG_BLOCK:
        emit holdRestorationDialogBlockEnabled(b(1) != 0);
        break;
    case M::KIVMSGSINGLE_REQUEST_RESYNC:
        emit resyncSignal();
        break;
    case M::KIVMSGSINGLE_ZONE_EXIT_PREHEAT_INFO:
        if (b(1) < get_traysPerCabinet())
            emit zonePreheatExited(nowSecs(), b(1), Codec::int32At(m, 2));
        else
            qDebug() << "KIVMSGSINGLE_ZONE_EXIT_PREHEAT_INFO - Invalid bin index" << b(1);
        break;
    case M::KIVMSGSINGLE_ZONE_DAYPART_CHANGED: {
        const int dayParts = m_dayPartManager ? m_dayPartManager->getDayPartsCount() : 0;
        if (b(1) >= get_numberOfZones())
            qDebug() << "KIVMSGSINGLE_ZONE_DAYPART_CHANGED - Invalid zone index" << b(1);
        else if (b(2) >= dayParts)
            qDebug() << "KIVMSGSINGLE_ZONE_DAYPART_CHANGED - Invalid new daypart index" << b(2);
        else if (b(3) >= dayParts)
            qDebug() << "KIVMSGSINGLE_ZONE_DAYPART_CHANGED - Invalid prev daypart index" << b(3);
        else
            emit zoneDaypartChanged(nowSecs(), b(1), b(2), b(3));
        break;
    }
    case M::KIVMSGSINGLE_FILE_RECORD_SUCCESS:
        if (m_canbusManager)
            emit m_canbusManager->canFileRecordSuccess();
        break;
    case M::KIVMSGSINGLE_SCREEN_TEST_START:
        emit displayTestStart();
        break;
    case M::KIVMSGSINGLE_SCREEN_TEST_STOP:
        emit displayTestStop();
        break;
    case M::KIVMSGSINGLE_RFID_TEST_START:
        emit nfcTestStart();
        break;
    case M::KIVMSGSINGLE_SYS_INFO_TEST_START:
        emit systemInfoTestStart();
        break;
    case M::KIVMSGSINGLE_ERROR_INFO:
        if (m_errorController)
            m_errorController->errorCodesDataProcess(b(1), b(2), b(3), b(4));
        break;
    case M::KIVMSGSINGLE_DELETE_ERROR_INFO:
        if (m_errorController) {
            m_errorController->deleteAllErrorLogs();
            m_errorController->clearErrorLogList();
        }
        break;
    case M::KIVMSGSINGLE_CLEANING_MODE_STATUS:
        if (b(1) != 0)
            startCleaningMode();
        else
            exitCleaningMode();
        break;
    case M::KIVMSGSINGLE_ZONE_ECO_MODE_STATUS:
        if (b(1) < m_zoneList.size())
            m_zoneList.at(b(1))->set_ecoModeEnabled(b(2) != 0);
        else
            qDebug() << "KIVMSGSINGLE_ZONE_ECO_MODE_STATUS invalid zoneIndex value" << b(1);
        break;
    case M::KIVMSGSINGLE_ZONE_OFF_MODE_STATUS:
        if (b(1) < m_zoneList.size())
            m_zoneList.at(b(1))->set_heatOffEnabled(b(2) != 0);
        else
            qDebug() << "KIVMSGSINGLE_ZONE_OFF_MODE_STATUS invalid zoneIndex value" << b(1);
        break;
    case M::KIVMSGSINGLE_SUGGEST_ECO_MODE_START:
        if (b(1) < m_zoneList.size())
            m_zoneList.at(b(1))->set_suggestEcoModeEnable(b(2) != 0);
        else
            qDebug() << "KIVMSGSINGLE_SUGGEST_ECO_MODE_START invalid zoneIndex value" << b(1);
        break;
    case M::KIVMSGSINGLE_ZONE_DAYPART_INFO: {
        QByteArray copy(m);
        processZoneDayPartInfo(&copy);
        break;
    }
    case M::KIVMSGSINGLE_ZONE_DAYPART_REQUEST: {
        QByteArray copy(m);
        processZoneDayPartRequest(&copy);
        break;
    }
    case M::KIVMSGSINGLE_MC_UPDATE_PRODUCTS:
    case M::KIVMSGSINGLE_MC_UPDATE_DAYPARTS:
        emit mcUpdateReloadFiles();
        break;
    case M::KIVMSGSINGLE_MC_LANG_SETTINGS_DATA: {
        QByteArray copy(m);
        processLanguageSettingsData(&copy);
        break;
    }
    case M::KIVMSGSINGLE_ZONE_ECO_MODE_CONFIG:
        setConfigValue("ecoActivateMode", b(1));
        setConfigValue("ecoActivateTimeout", int(Codec::uint16At(m, 2)));
        setConfigValue("ecoShelfHeatMode", b(4));
        setConfigValue("ecoShelfHeatTemp", int(Codec::uint16At(m, 5)));
        if (m_configManager)
            m_configManager->saveConfigFile();
        emit ecoModeSettingsUpdate();
        break;
    case M::KIVMSGSINGLE_ERROR_CLEAR_INFO:
        if (m_errorController)
            m_errorController->errorCodesClearDataProcess(b(1), b(2), b(3), b(4));
        break;
    case M::KIVMSGSINGLE_ZONE_ENTER_PREHEAT_INFO:
        if (b(1) < get_traysPerCabinet())
            emit zonePreheatEntered(nowSecs(), b(1));
        else
            qDebug() << "KIVMSGSINGLE_ZONE_ENTER_PREHEAT_INFO - Invalid bin index" << b(1);
        break;
    case M::KIVMSGSINGLE_HEATERS_TEST_ENABLED:
        set_heatersTestEnabled(b(1) != 0);
        break;
    case M::KIVMSGSINGLE_CLEAR_ERRORS_BUFF: {
        QFile buffer(KivRoot::appFile(QStringLiteral("errorsBuff.txt")));
        if (buffer.exists()) {
            buffer.remove();
            ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
        }
        break;
    }
    default: // 4 and everything above 65
        qWarning() << "Unkown can message received;" << id;
        break;
    }
}

// --- Remote object properties and actions ---

void CabinetManager::processObjectPropertySetting(QByteArray *msg)
{
    if (!msg)
        return;
    const Codec::ObjectMessage p = Codec::decodeProperty(*msg);
    TrayBarSc *bar = p.code == PropAmbientTemp ? nullptr : trayOnThisDisplay(p.object);
    ZoneManager *zone = p.code == PropAmbientTemp ? nullptr : zoneByNumber(p.object);
    const bool on = p.value != 0;

    switch (p.code) {
    case PropTrayState:
        if (p.object >= get_traysPerCabinet()) {
            qDebug() << "KIV_TRAY_STATE invalid binNum" << p.object;
            break;
        }
        if (get_uiRole() == kRoleMirror && bar) {
            bar->set_trayStateFromMaster(p.value);
            bar->set_holdTimePreSet(0);
        } else if (get_iAmMaster()) {
            storeTrayState(p.object, p.value);
        }
        break;
    case PropProductId: if (bar) bar->set_productIdFromMaster(p.value); break;
    case PropHolding: if (bar) bar->set_holdingFromMaster(on); break;
    case PropHoldTime: if (bar) bar->set_holdTime(p.value); break;
    case PropHoldTemp: if (bar) bar->set_holdTemperature(p.value); break;
    case PropRemainingTime: if (bar) bar->set_remainingTimeFromMaster(p.value); break;
    case PropActualTemp: if (bar) bar->set_actualTemperatureFromMaster(p.value); break;
    case PropUseBin: if (bar) bar->set_useBin(on); break;
    case PropGroupIndex: if (bar) bar->set_groupIndexFromMaster(p.value); break;
    case PropTempError: if (zone) zone->set_tempError(on); break;
    case PropTempStatus: if (zone) zone->set_tempStatus(p.value); break;
    case PropDisabledFlag: if (zone) zone->set_disabledFlag(on); break;
    case PropErrorFlags: if (zone) zone->set_errorFlags(uint(p.value)); break;
    case PropGroupId: if (bar) bar->set_groupID(p.value); break;
    case PropTargetFanSpeed: if (bar) bar->set_targetFanSpeed(p.value); break;
    case PropActualFanSpeed: if (bar) bar->set_actualFanSpeed(p.value); break;
    case PropZoneCurrentDayPart: if (zone) zone->set_currentDayPart(p.value); break;
    case PropBinActualFanSpeed:
    case PropBinTargetFanSpeed: {
        const QList<BinInfo *> bins = m_masterIoManager ? m_masterIoManager->get_binInfoList() : QList<BinInfo *>();
        if (p.object >= bins.size()) {
            qDebug() << (p.code == PropBinActualFanSpeed ? "KIV_BIN_ACTUAL_FANSPEED invalid binNum"
                                                         : "KIV_BIN_TARGET_FANSPEED invalid binNum")
                     << p.object;
            break;
        }
        bins.at(p.object)->setProperty(p.code == PropBinActualFanSpeed ? "actualFanSpeed" : "targetFanSpeed", p.value);
        break;
    }
    case PropAmbientTemp:
        if (m_masterIoManager)
            m_masterIoManager->set_ambientTemperature(p.value);
        break;
    case PropHoldTimePreSet: if (bar) bar->set_holdTimePreSet(p.value); break;
    case PropUpperTemp: if (bar) bar->set_upperTemperature(p.value); break;
    case PropLowerTemp: if (bar) bar->set_lowerTemperature(p.value); break;
    default:
        break;
    }
}

void CabinetManager::processObjectAction(QByteArray *msg)
{
    if (!msg)
        return;
    const Codec::ObjectMessage a = Codec::decodeAction(*msg);
    TrayBarSc *bar = trayOnThisDisplay(a.object);

    switch (a.code) {
    case ActKeyClick:
        if (bar)
            emit bar->userClicked();
        else
            qDebug() << "KIV_ACTION_KEYCLICK invalid binNum";
        break;
    case ActCancelHolding:
        if (bar)
            emit bar->cancelHolding();
        else
            qDebug() << "KIV_ACTION_CANCELHOLDING invalid binNum";
        break;
    case ActSelectSubProduct:
        if (bar) {
            bar->loadSubProduct(a.value);
            QMetaObject::invokeMethod(bar, "holdingActivityUpdate", Q_ARG(int, 1));
        } else {
            qDebug() << "KIV_ACTION_SELECTSUBPRODUCT invalid binNum" << a.object;
        }
        break;
    case ActLoadProduct:
        if (bar) {
            const int index = m_menuManager ? m_menuManager->getProductIndex(a.value) : -1;
            QMetaObject::invokeMethod(bar, "loadProductFromMenuManager", Q_ARG(bool, a.flag),
                                      Q_ARG(int, a.value), Q_ARG(int, index));
            QMetaObject::invokeMethod(bar, "holdingActivityUpdate", Q_ARG(int, 1));
        } else if (a.object < m_trayInfoList.size()) {
            // The bar lives on another display; the record still learns the
            // product, so events and use maps name it.
            m_trayInfoList[a.object].groupId = quint32(a.value);
        }
        break;
    case ActCloseCancelPanel:
        if (bar)
            emit bar->closeCancelPanel();
        break;
    case ActDisableGroupSelection:
        if (bar)
            emit bar->disableGroupSelectionSignal();
        break;
    case ActAmbientTempAlarm:
        if (m_masterIoManager)
            emit m_masterIoManager->ambientTemperatureAlarm();
        break;
    case ActClearAmbientTempAlarm:
        emit stopAmbientTempAlarm();
        break;
    case ActHeaterHighTempAlarm:
        if (m_masterIoManager)
            emit m_masterIoManager->heaterHighTempAlarm();
        break;
    default:
        break;
    }
}

// --- Multi-packet messages ---

void CabinetManager::processMpm(int mpmid, QByteArray *msg)
{
    if (!msg)
        return;
    const QByteArray payload = *msg;
    delete msg; // the receiver owns the payload on every path
    if (payload.isEmpty()) {
        qDebug() << "this shouldn't happen! " << mpmid;
        return;
    }

    switch (mpmid) {
    case M::KIV_MULTI_ZONEMONITORINFO:
        // The primary display's board readings; the I/O link owns the bins.
        if (m_masterIoManager && !get_iAmMaster())
            m_masterIoManager->processZoneMonitorMessage(payload);
        break;
    case M::KIV_MULTI_BINS_REMAINING_TIME: {
        const QList<qint32> times = Codec::decodeRemainingTimes(payload);
        for (int i = 0; i < times.size() && i < m_trayList.size(); ++i)
            m_trayList.at(i)->set_remainingTime(times.at(i));
        break;
    }
    case M::KIV_MULTI_DAYPART_INFO:
        if (m_dayPartManager)
            m_dayPartManager->set_nextDayPart(Codec::byteAt(payload, 0));
        break;
    case M::KIV_MULTI_FW_INFO:
        processFwInfo(Codec::text(payload));
        break;
    case M::KIV_MULTI_TRAY_INFO: {
        QByteArray copy(payload);
        processTrayBarHoldingInfo(&copy);
        break;
    }
    case M::KIV_MULTI_RESTORE_TRAY_INFO: {
        QByteArray copy(payload);
        processRestoreTrayBarHoldingInfo(&copy);
        break;
    }
    case M::KIV_MULTI_INSTALL_APP:
        install_applicationUpdate(Codec::text(payload));
        break;
    case M::KIV_MULTI_BIN_PANID:
    case M::KIV_MULTI_TRAY_PANID: {
        quint8 bin = 0;
        quint64 panId = 0;
        Codec::decodeBinPanId(payload, bin, panId);
        if (TrayBarSc *tray = trayOnThisDisplay(bin))
            tray->set_panId(panId);
        break;
    }
    case M::KIV_MULTI_OBJ_PROPERTY: {
        QString object, prop, value;
        if (!Codec::decodeObjectPropertyText(payload, object, prop, value))
            break;
        if (QObject *target = findChild<QObject *>(object, Qt::FindChildrenRecursively))
            target->setProperty(prop.toLatin1().constData(), value);
        break;
    }
    case M::KIV_MULTI_NFC_DEREGISTER_TAG: {
        QByteArray copy(payload);
        processSendDeregisterTag(&copy);
        break;
    }
    case M::KIV_MULTI_SERIAL_MODEL_INFO: {
        const QStringList parts = Codec::text(payload).split(QLatin1Char('\n'));
        if (parts.size() >= 2) {
            setConfigValue("serialNumber", parts.at(0));
            setConfigValue("modelNumber", parts.at(1));
        }
        break;
    }
    case M::KIV_MULTI_UI_FW_INFO:
        setConfigValue("theOtherUiFwVersion", Codec::text(payload));
        break;
    case M::KIV_MULTI_STORE_NUMBER_INFO:
        setConfigValue("storeNumber", Codec::text(payload));
        break;
    case M::KIV_MULTI_BINS_TARGET_TEMPS: {
        const QList<qint16> temps = Codec::decodeBinsTargetTemps(payload);
        for (int i = 0; i < temps.size() && m_masterIoManager; ++i)
            m_masterIoManager->setBinTargetTemp(i, temps.at(i));
        break;
    }
    case M::KIV_MULTI_HOLD_STOP_EVT: {
        const Codec::HoldEvent e = Codec::decodeHoldStopped(payload);
        emit event_holdStopped(nowSecs(), productNameOfBin(e.bin), hex(e.uid), e.bin, e.method, e.remaining);
        break;
    }
    case M::KIV_MULTI_HOLD_EXP_EVT: {
        // A secondary display's bins expire there; without this the primary
        // display would never report those expiries.
        const Codec::HoldEvent e = Codec::decodeHoldExpired(payload);
        emit event_holdExpired(nowSecs(), productNameOfBin(e.bin), hex(e.uid), e.bin);
        break;
    }
    case M::KIV_MULTI_NETWORK_CONFIG: {
        const Codec::NetworkConfig c = Codec::decodeNetworkConfig(payload);
        setConfigValue("networkMode", c.networkMode);
        setConfigValue("ethEnabled", c.ethEnabled);
        setConfigValue("staticIPEnabled", c.staticIPEnabled);
        setConfigValue("ipAddress", c.ipAddress);
        setConfigValue("netmask", c.netmask);
        setConfigValue("gateway", c.gateway);
        setConfigValue("wifiEnabled", c.wifiEnabled);
        setConfigValue("wifiSSID", c.wifiSSID);
        setConfigValue("wifiPassword", c.wifiPassword);
        setConfigValue("wifiStaticIp", c.wifiStaticIp);
        setConfigValue("wifiIpAddr", c.wifiIpAddr);
        setConfigValue("wifiNetmask", c.wifiNetmask);
        setConfigValue("wifiGateway", c.wifiGateway);
        break;
    }
    case M::KIV_MULTI_SEND_HACCP_TIMER_STOP: {
        const Codec::HaccpEntry e = Codec::decodeHaccpStop(payload);
        logHaccpTimerStopInfo(e.timestamp, e.productType, e.panId, e.bin, e.method, e.remaining);
        break;
    }
    case M::KIV_MULTI_SEND_HACCP_TIMER_START: {
        const Codec::HaccpEntry e = Codec::decodeHaccpStart(payload);
        logHaccpTimerStartInfo(e.timestamp, e.productType, e.panId, e.bin, e.method);
        break;
    }
    default: // 3, 4 and the file ids: nothing to do here
        break;
    }
}

void CabinetManager::processFwInfo(const QString &text)
{
    static const char *const names[] = {"ioBoardFirmwareVersion0", "ioBoardFirmwareVersion1",
                                        "ioBoardFirmwareVersion2", "ioBoardFirmwareVersion3",
                                        "ioBoardFirmwareVersion4", "readerFirmwareVersion1",
                                        "readerFirmwareVersion2", "iotSoftwareVersion"};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast(); // the empty part after the last line feed
    // A shorter text leaves the versions it does not carry unchanged.
    for (int i = 0; i < lines.size() && i < 8; ++i)
        setConfigValue(names[i], lines.at(i));
}

void CabinetManager::processTrayBarHoldingInfo(QByteArray *msg)
{
    trayInfo ti;
    if (!msg || !Codec::decodeTrayInfo(*msg, ti)) {
        qWarning() << "Holding record dropped: expected 30 bytes, received" << (msg ? msg->size() : 0);
        return;
    }
    ti.expectedTime = get_trayBarExpectedTime(ti.remainingTime);
    updateTrayBarHoldingInfo(ti);
}

void CabinetManager::processRestoreTrayBarHoldingInfo(QByteArray *msg)
{
    trayInfo ti;
    if (!msg || !Codec::decodeTrayInfo(*msg, ti)) {
        qWarning() << "Holding record to restore dropped: expected 30 bytes, received" << (msg ? msg->size() : 0);
        return;
    }
    ti.expectedTime = get_trayBarExpectedTime(ti.remainingTime);
    if (TrayBarSc *tray = trayOnThisDisplay(ti.binNumber))
        tray->restoreTrayBarHoldingInfo(ti);
}

// --- Handlers named in the catalogue ---

void CabinetManager::processConfigSettingsChangeRequest(QByteArray *msg)
{
    if (!msg)
        return;
    const Codec::Settings s = Codec::decodeSettings(*msg);
    using B = CanbusManager;
    setConfigValue("useFirstEnabled", bool(s.bits & B::KIV_CFG_STNG_BITS_USEFIRST_ENABLED));
    setConfigValue("advancedZoneOptionsEnable", bool(s.bits & B::KIV_CFG_STNG_BITS_ADVANCED_OPTIONS_ENABLED));
    setConfigValue("groupDotsEnabled", bool(s.bits & B::KIV_CFG_STNG_BITS_GROUPDOTS_ENABLED));
    setConfigValue("individualDPEnabled", bool(s.bits & B::KIV_CFG_STNG_BITS_INDIVIDUALDP_ENABLED));
    setConfigValue("demoModeFlag", bool(s.bits & B::KIV_CFG_STNG_BITS_DEMOMODE_ENABLED));
    setConfigValue("productDiscardFlash", bool(s.bits & B::KIV_CFG_STNG_BITS_DISCARD_FLASH_ENABLED));
    setConfigValue("screenCleanActive", (s.bits & B::KIV_CFG_STNG_BITS_CLEAN_MODE_ENABLED) ? 1 : 0);
    setConfigValue("timerColorStatus", bool(s.bits & B::KIV_CFG_STNG_BITS_TIMER_COLOR_STATUS));
    setConfigValue("labelFontSize", clampOr(s.fontSize, 24, 48, 24));
    if (m_translator) {
        m_translator->setLanguage(s.languageId);
        setConfigValue("languageId", m_translator->get_languageIdString());
    }
    setConfigValue("soundLevel", clampOr(s.soundLevel, 10, 100, 100));
    setConfigValue("tempUnit", int(s.tempUnit));
    setConfigValue("screenCleanTimeout", clampOr(s.cleanTimeout, 5, 1440, 5));
    if (m_configManager)
        m_configManager->saveConfigFile();
    emit configSettingsUpdated();
    if (get_iAmMaster())
        sendConfigSettingsData();
}

void CabinetManager::processLanguageSettingsData(QByteArray *msg)
{
    if (!msg)
        return;
    const int languageId = Codec::byteAt(*msg, 1);
    const quint32 mask = quint32(Codec::int32At(*msg, 2));
    if (m_translator) {
        m_translator->setLanguage(languageId);
        setConfigValue("languageId", m_translator->get_languageIdString());
    }
    setConfigValue("usedLanguages", mask);
    if (m_configManager)
        m_configManager->saveConfigFile();
}

void CabinetManager::processDayPartInfo(QByteArray *msg)
{
    if (!msg)
        return;
    const int dayPart = Codec::byteAt(*msg, 1);
    if (dayPart <= kMaxDayPart && m_dayPartManager && m_dayPartManager->getDayPartIsUsed(dayPart))
        m_dayPartManager->set_nextDayPart(dayPart);
    else
        qDebug() << "KIVMSGSINGLE_DAYPART_INFO invalid daypart" << dayPart;
}

void CabinetManager::processZoneDayPartMessage(const QByteArray &msg, const char *zoneLine,
                                               const char *dayPartLine)
{
    const int zone = Codec::byteAt(msg, 1);
    const int dayPart = Codec::byteAt(msg, 2);
    if (zone >= m_zoneList.size()) {
        qDebug() << zoneLine << zone;
        return;
    }
    if (dayPart > kMaxDayPart)
        return;
    if (!m_dayPartManager || !m_dayPartManager->getDayPartIsUsed(dayPart)) {
        qDebug() << dayPartLine << dayPart;
        return;
    }
    m_zoneList.at(zone)->set_nextDayPart(dayPart);
}

void CabinetManager::processZoneDayPartInfo(QByteArray *msg)
{
    if (msg)
        processZoneDayPartMessage(*msg, "KIVMSGSINGLE_ZONE_DAYPART_INFO invalid Zone Number value",
                                  "KIVMSGSINGLE_ZONE_DAYPART_INFO invalid daypart");
}

void CabinetManager::processZoneDayPartRequest(QByteArray *msg)
{
    if (msg)
        processZoneDayPartMessage(*msg, "KIVMSGSINGLE_ZONE_DAYPART_REQUEST invalid Zone Number value",
                                  "KIVMSGSINGLE_ZONE_DAYPART_REQUEST invalid daypart");
}

void CabinetManager::processUserRequestsManualTimerStart(QByteArray *msg)
{
    if (!msg)
        return;
    const int bin = Codec::byteAt(*msg, 1);
    if (bin >= get_traysPerCabinet()) {
        qDebug() << "processUserRequestsManualTimerStart - Invalid bin index " << bin;
        return;
    }
    if (m_nfcManager)
        m_nfcManager->userRequestsManualTimerStart(quint8(bin));
}

void CabinetManager::processSendShowReaderError()
{
    if (get_uiRole() != kRoleSecondary || !m_masterIoManager)
        return;
    m_masterIoManager->invokeSimpleDialogSignalEmiter(
        QCoreApplication::translate("CabinetManager", "<b>NFC ERROR!</b><br>Auto tray detection disabled!"), true);
}

void CabinetManager::processSendDeregisterTag(QByteArray *msg)
{
    if (!msg)
        return;
    const quint64 uid = Codec::decodeTagUid(*msg);
    qDebug().noquote() << "rcvd de-register tag:  " + hex(uid);
    if (m_nfcManager)
        m_nfcManager->deregisterTag2(uid);
}

void CabinetManager::processRollCallRequest()
{
    emit masterUiWasFound();
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_SLAVE_REPORTING, {quint8(get_orientationId())}));
}

void CabinetManager::processSlaveReporting(int /*id*/)
{
    set_slaveUiFound(true);
    // Every answer counts for the synchroniser, also one after the first.
    emit slaveUiWasFound();
}

void CabinetManager::reStateTraysHoldTemps()
{
    for (TrayBarSc *tray : m_trayList)
        tray->holdTempEmit();
    // The id alone, one byte like every single message.
    if (get_hasSecondaryDisplay())
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_RESTATE_TRAYS_HOLD_TEMP));
}

// --- Senders: single messages ---

void CabinetManager::sendDayPartInfo(int value)
{
    if (get_iAmMaster())
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_DAYPART_INFO, {quint8(value)}));
}

void CabinetManager::sendZoneDayPartInfo(int dayPart)
{
    ZoneManager *zone = senderZone();
    if (!zone || !get_iAmMaster() || !get_hasMirrorDisplay())
        return;
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_DAYPART_INFO, {quint8(zone->get_zoneNumber()), quint8(dayPart)}));
}

void CabinetManager::sendZoneDayPartRequest(int zoneNumber, int dayPart)
{
    if (get_iAmMaster() || !get_mirrorDisplay())
        return;
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_DAYPART_REQUEST, {quint8(zoneNumber), quint8(dayPart)}));
}

void CabinetManager::sendNtpOn(bool ntp)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NTP_CHANGED, {quint8(ntp ? 1 : 0)}));
    emit dateTimeUpdated();
}

void CabinetManager::sendNameToUse()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NAME_TO_USE, {quint8(configValue("prodNameLength").toInt())}));
}

void CabinetManager::sendDayPartRequest(int theDayPart)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_DAYPART_REQUEST, {quint8(theDayPart)}));
}

void CabinetManager::sendExitPreheatRequest()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_EXIT_PREHEAT_REQUEST));
}

void CabinetManager::sendZoneEnterPreheatInfo()
{
    QObject *tray = sender();
    if (!tray)
        return;
    const int bin = tray->property("binNumber").toInt();
    if (get_uiRole() == kRoleSecondary)
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_ENTER_PREHEAT_INFO, {quint8(bin)}));
    else
        emit zonePreheatEntered(nowSecs(), bin);
}

void CabinetManager::sendZoneExitPreheatInfo()
{
    QObject *tray = sender();
    if (!tray)
        return;
    const int bin = tray->property("binNumber").toInt();
    const int heatTime = tray->property("heatTime").toInt();
    if (get_uiRole() == kRoleSecondary)
        enqueueSingle(Codec::singleByteInt(M::KIVMSGSINGLE_ZONE_EXIT_PREHEAT_INFO, quint8(bin), heatTime));
    else
        emit zonePreheatExited(nowSecs(), bin, heatTime);
}

void CabinetManager::sendZoneDaypartChanged(int newDaypart)
{
    ZoneManager *zone = senderZone();
    if (!zone)
        return;
    const int number = zone->get_zoneNumber();
    const int previous = zone->get_prevDayPart();
    if (get_uiRole() == kRoleSecondary)
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_DAYPART_CHANGED,
                                    {quint8(number), quint8(newDaypart), quint8(previous)}));
    else
        emit zoneDaypartChanged(nowSecs(), number, newDaypart, previous);
}

void CabinetManager::sendRequestAlarm(int alarmId, bool play)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ALARM_REQUEST, {quint8(alarmId), quint8(play ? 1 : 0)}));
}

void CabinetManager::sendBinRemainingTime(int binNum, int remainT)
{
    enqueueSingle(Codec::singleByteInt(M::KIVMSGSINGLE_BIN_REMAIN_TIME, quint8(binNum), remainT));
}

void CabinetManager::sendBinsToUse(uint binFlags)
{
    enqueueSingle(Codec::singleInt(M::KIVMSGSINGLE_BINS_2_USE, binFlags));
}

void CabinetManager::sendUseBin(int binNum, bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_BIN_USE, {quint8(binNum), quint8(value ? 1 : 0)}));
}

void CabinetManager::sendBinTargetTemp(int binNum, int value)
{
    if (isBinOnThisUI(uchar(binNum)))
        enqueueSingle(Codec::singleByteInt(M::KIVMSGSINGLE_BIN_TARGET_TEMP, quint8(binNum), value));
}

void CabinetManager::sendBinActualFanSpeed(int binNum, int value)
{
    enqueueSingle(Codec::property32(PropBinActualFanSpeed, quint8(binNum), value));
}

void CabinetManager::sendBinTargetFanSpeed(int binNum, int value)
{
    enqueueSingle(Codec::property32(PropBinTargetFanSpeed, quint8(binNum), value));
}

void CabinetManager::sendZoneState(int theState)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_STATE, {quint8(zone->get_zoneNumber()), quint8(theState)}));
}

void CabinetManager::sendMcUpdate()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_MC_UPDATE_PROCESS));
}

void CabinetManager::sendMcUpdateProducts()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_MC_UPDATE_PRODUCTS));
}

void CabinetManager::sendMcUpdateDayparts()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_MC_UPDATE_DAYPARTS));
}

void CabinetManager::sendSystemTimeCanbus()
{
    if (!get_iAmMaster() || !hasRemoteDisplay())
        return;
    const QDateTime utc = KivClock::nowUtc();
    enqueueSingle(Codec::dateTime(quint16(utc.date().year()), quint8(utc.date().month()), quint8(utc.date().day()),
                                  quint8(utc.time().hour()), quint8(utc.time().minute()),
                                  quint8(utc.time().second()), configValue("timeFormatAMPM").toBool(),
                                  configValue("dstEnabled").toBool()));
    enqueueSingle(Codec::timeZone(configValue("ntpOn").toBool(), configValue("timeZoneIndex").toInt()));
    qDebug() << "Sync local time with other UI !!!";
}

void CabinetManager::sendCancelAllHolding()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_MC_CANCEL_ALL_HOLDING));
}

void CabinetManager::sendConfigSettingsChangeRequest(bool useFirst, bool advancedZoneOptions, bool groupDots,
                                                     bool individualDp, signed char fontSize, bool demoMode,
                                                     int soundLevel, int tempUnit, int cleanActiveMode,
                                                     int cleanActiveTimout, bool timerColorStatus)
{
    using B = CanbusManager;
    Codec::Settings s;
    s.bits = quint8((useFirst ? B::KIV_CFG_STNG_BITS_USEFIRST_ENABLED : 0)
                    | (advancedZoneOptions ? B::KIV_CFG_STNG_BITS_ADVANCED_OPTIONS_ENABLED : 0)
                    | (groupDots ? B::KIV_CFG_STNG_BITS_GROUPDOTS_ENABLED : 0)
                    | (individualDp ? B::KIV_CFG_STNG_BITS_INDIVIDUALDP_ENABLED : 0)
                    | (demoMode ? B::KIV_CFG_STNG_BITS_DEMOMODE_ENABLED : 0)
                    | (configValue("productDiscardFlash").toBool() ? B::KIV_CFG_STNG_BITS_DISCARD_FLASH_ENABLED : 0)
                    | (cleanActiveMode != 0 ? B::KIV_CFG_STNG_BITS_CLEAN_MODE_ENABLED : 0)
                    | (timerColorStatus ? B::KIV_CFG_STNG_BITS_TIMER_COLOR_STATUS : 0));
    s.fontSize = quint8(clampOr(fontSize, 24, 48, 24));
    s.languageId = quint8(m_translator ? m_translator->getLanguageId(configValue("languageId").toString()) : 0);
    s.soundLevel = quint8(soundLevel);
    s.tempUnit = quint8(tempUnit);
    s.cleanTimeout = quint16(clampOr(cleanActiveTimout, 5, 1440, 5));
    enqueueSingle(Codec::settings(M::KIVMSGSINGLE_MC_CONFIG_SETTINGS_CHANGE_REQUEST, s));
}

void CabinetManager::sendConfigSettingsData()
{
    using B = CanbusManager;
    auto bit = [this](const char *name, int mask) { return configValue(name).toBool() ? mask : 0; };
    Codec::Settings s;
    s.bits = quint8(bit("useFirstEnabled", B::KIV_CFG_STNG_BITS_USEFIRST_ENABLED)
                    | bit("advancedZoneOptionsEnable", B::KIV_CFG_STNG_BITS_ADVANCED_OPTIONS_ENABLED)
                    | bit("groupDotsEnabled", B::KIV_CFG_STNG_BITS_GROUPDOTS_ENABLED)
                    | bit("individualDPEnabled", B::KIV_CFG_STNG_BITS_INDIVIDUALDP_ENABLED)
                    | bit("demoModeFlag", B::KIV_CFG_STNG_BITS_DEMOMODE_ENABLED)
                    | bit("productDiscardFlash", B::KIV_CFG_STNG_BITS_DISCARD_FLASH_ENABLED)
                    | bit("screenCleanActive", B::KIV_CFG_STNG_BITS_CLEAN_MODE_ENABLED)
                    | bit("timerColorStatus", B::KIV_CFG_STNG_BITS_TIMER_COLOR_STATUS));
    s.fontSize = quint8(configValue("labelFontSize").toInt());
    s.languageId = quint8(m_translator ? m_translator->getLanguageId(configValue("languageId").toString()) : 0);
    s.soundLevel = quint8(configValue("soundLevel").toInt());
    s.tempUnit = quint8(configValue("tempUnit").toInt());
    s.cleanTimeout = quint16(configValue("screenCleanTimeout").toInt());
    enqueueSingle(Codec::settings(M::KIVMSGSINGLE_MC_CONFIG_SETTINGS_DATA, s));
}

void CabinetManager::sendLanguageSettingsData()
{
    const int languageId = m_translator ? m_translator->getLanguageId(configValue("languageId").toString()) : 0;
    enqueueSingle(Codec::languageSettings(quint8(languageId), configValue("usedLanguages").toUInt()));
}

void CabinetManager::sendCurrentDateTimeDataChangeRequest(ushort year, uchar month, uchar day, uchar hour,
                                                          uchar min, uchar sec)
{
    enqueueSingle(Codec::dateTime(year, month, day, hour, min, sec, configValue("timeFormatAMPM").toBool(),
                                  configValue("dstEnabled").toBool()));
}

void CabinetManager::sendCurrentDateTimeData(bool ampm, bool dst, bool ntpOn, int zoneIndex)
{
    const QDateTime now = KivClock::now();
    enqueueSingle(Codec::dateTime(quint16(now.date().year()), quint8(now.date().month()), quint8(now.date().day()),
                                  quint8(now.time().hour()), quint8(now.time().minute()),
                                  quint8(now.time().second()), ampm, dst));
    enqueueSingle(Codec::timeZone(ntpOn, zoneIndex));
}

void CabinetManager::sendTimeZoneChangeRequest(bool ntpOn, int zi)
{
    enqueueSingle(Codec::timeZone(ntpOn, zi));
    if (get_iAmMaster() && ntpOn)
        requestSysTimeUpdate(true);
}

void CabinetManager::sendFwInfoRequest()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_FW_INFO_REQUEST));
}

void CabinetManager::sendShowProductMismatch(uchar whichBin, bool onOff, int reason, bool isUniveralTag)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NFC_SHOW_PRODUCT_MISMATCH,
                                {whichBin, quint8(onOff ? 1 : 0), quint8(reason), quint8(isUniveralTag ? 1 : 0)}));
}

void CabinetManager::sendStartBinTimer(uchar whichBin, int timeVal)
{
    enqueueSingle(Codec::singleByteInt(M::KIVMSGSINGLE_NFC_START_BIN_TIMER, whichBin, timeVal));
}

void CabinetManager::sendStopBinTimer(uchar whichBin)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NFC_STOP_BIN_TIMER, {whichBin}));
}

void CabinetManager::sendBinTimerExpired(uchar whichBin)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NFC_BIN_TIMER_EXPIRED, {whichBin}));
}

void CabinetManager::sendShowReaderError()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NFC_SHOW_READER_ERROR));
}

void CabinetManager::sendUserRequestsManualTimerStart(uchar whichBin)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_NFC_UPDATE_EXP, {whichBin}));
}

void CabinetManager::sendResyncRequest()
{
    if (get_uiRole() != 0)
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_REQUEST_RESYNC));
}

void CabinetManager::sendRequestRollCallMsg()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ROLLCALL_REQUEST));
}

void CabinetManager::sendNewAppInstallSucess(bool successFlag)
{
    qDebug() << "**************** sending app installation success/failure flag " << successFlag;
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_APP_INSTALL_STATUS, {quint8(successFlag ? 1 : 0)}));
}

void CabinetManager::sendActivelyHoldingProperty(bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ACTIVELY_HOLDING_DATA, {quint8(value ? 1 : 0)}));
}

void CabinetManager::sendModbusBrokenLinkProperty(bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_MB_LINK_BROKEN, {quint8(value ? 1 : 0)}));
}

void CabinetManager::sendZoneDisabledInfo(bool value, uchar zone, uchar reason)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_GEN_STATUS, {quint8(value ? 1 : 0), zone, reason}));
}

void CabinetManager::sendRestorationDialogBlockEnable(bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_RESTORATION_DIALOG_BLOCK, {quint8(value ? 1 : 0)}));
}

void CabinetManager::sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ERROR_INFO,
                                {quint8(mainCode), quint8(subCode1), quint8(subCode2), quint8(subCode3)}));
}

void CabinetManager::sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ERROR_CLEAR_INFO,
                                {quint8(mainCode), quint8(subCode1), quint8(subCode2), quint8(subCode3)}));
}

void CabinetManager::sendClearAllErrorInfo()
{
    qDebug() << "Sending clear all error information";
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_DELETE_ERROR_INFO));
}

void CabinetManager::sendScreenTestStart()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_SCREEN_TEST_START));
}

void CabinetManager::sendScreenTestStop()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_SCREEN_TEST_STOP));
}

void CabinetManager::sendRfIdTestStart()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_RFID_TEST_START));
}

void CabinetManager::sendSystemInfoTestStart()
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_SYS_INFO_TEST_START));
}

void CabinetManager::sendCleaningModeToRemoteDisplay(bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_CLEANING_MODE_STATUS, {quint8(value ? 1 : 0)}));
}

void CabinetManager::sendZoneEcoModeToRemoteDisplay(int zoneIndex, bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_ECO_MODE_STATUS, {quint8(zoneIndex), quint8(value ? 1 : 0)}));
}

void CabinetManager::sendZoneOffModeToRemoteDisplay(int zoneIndex, bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_ZONE_OFF_MODE_STATUS, {quint8(zoneIndex), quint8(value ? 1 : 0)}));
}

void CabinetManager::sendEcoModeConfigToRemoteDisplay()
{
    enqueueSingle(Codec::ecoConfig(quint8(configValue("ecoActivateMode").toInt()),
                                   quint16(configValue("ecoActivateTimeout").toInt()),
                                   quint8(configValue("ecoShelfHeatMode").toInt()),
                                   quint16(configValue("ecoShelfHeatTemp").toInt())));
}

void CabinetManager::sendSuggestEcoModeToRemoteDisplay(int zoneIndex, bool value)
{
    enqueueSingle(Codec::single(M::KIVMSGSINGLE_SUGGEST_ECO_MODE_START, {quint8(zoneIndex), quint8(value ? 1 : 0)}));
}

void CabinetManager::sendHeatersTestEnabled(bool value)
{
    if (get_uiRole() == 1)
        enqueueSingle(Codec::single(M::KIVMSGSINGLE_HEATERS_TEST_ENABLED, {quint8(value ? 1 : 0)}));
}

// --- Senders: remote-display properties and actions ---

void CabinetManager::sendTrayStateToRemoteDisplay(int trayState)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property8(PropTrayState, quint8(tray->get_binNumber()), quint8(trayState)));
}

void CabinetManager::sendProductIdToRemoteDisplay(int productId)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropProductId, quint8(tray->get_binNumber()), productId));
}

void CabinetManager::sendHoldingToRemoteDisplay(bool holding)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property8(PropHolding, quint8(tray->get_binNumber()), holding ? 1 : 0));
}

void CabinetManager::sendHoldTimeToRemoteDisplay(int holdTime)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropHoldTime, quint8(tray->get_binNumber()), holdTime));
}

void CabinetManager::sendHoldTempToRemoteDisplay(int htemp)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropHoldTemp, quint8(tray->get_binNumber()), htemp));
}

void CabinetManager::sendRemainingTimeToRemoteDisplay(int remainingTime)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropRemainingTime, quint8(tray->get_binNumber()), remainingTime));
}

void CabinetManager::sendActualTemperatureToRemoteDisplay(int temperature)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropActualTemp, quint8(tray->get_binNumber()), temperature));
}

void CabinetManager::sendUseBinToRemoteDisplay(bool useBin)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property8(PropUseBin, quint8(tray->get_binNumber()), useBin ? 1 : 0));
}

void CabinetManager::sendGroupIndexToRemoteDisplay(int groupIndex)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropGroupIndex, quint8(tray->get_binNumber()), groupIndex));
}

void CabinetManager::sendTempErrorToRemoteDisplay(bool tempError)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::property8(PropTempError, quint8(zone->get_zoneNumber()), tempError ? 1 : 0));
}

void CabinetManager::sendTempStatusToRemoteDisplay(int tempStatus)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::property32(PropTempStatus, quint8(zone->get_zoneNumber()), tempStatus));
}

void CabinetManager::sendDisabledFlagToRemoteDisplay(bool disabled)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::property8(PropDisabledFlag, quint8(zone->get_zoneNumber()), disabled ? 1 : 0));
}

void CabinetManager::sendErrorFlagsToRemoteDisplay(uint errorFlags)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::property32(PropErrorFlags, quint8(zone->get_zoneNumber()), qint32(errorFlags)));
}

void CabinetManager::sendGroupIdToMirror(int grpid)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropGroupId, quint8(tray->get_binNumber()), grpid));
}

void CabinetManager::sendTargetFanSpeedRemoteDisplay(int tfs)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropTargetFanSpeed, quint8(tray->get_binNumber()), tfs));
}

void CabinetManager::sendActualFanSpeedRemoteDisplay(int afs)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropActualFanSpeed, quint8(tray->get_binNumber()), afs));
}

void CabinetManager::sendZoneCurrentDayPartToMirror(int dp)
{
    if (ZoneManager *zone = senderZone())
        enqueueSingle(Codec::property8(PropZoneCurrentDayPart, quint8(zone->get_zoneNumber()), quint8(dp)));
}

void CabinetManager::sendAmbientTempValue(int value)
{
    enqueueSingle(Codec::propertyValueOnly(PropAmbientTemp, value));
}

void CabinetManager::sendHoldTimePreSetToRemoteDisplay(int holdPreSetTime)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropHoldTimePreSet, quint8(tray->get_binNumber()), holdPreSetTime));
}

void CabinetManager::sendUpperTempToRemoteDisplay(int htemp)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropUpperTemp, quint8(tray->get_binNumber()), htemp));
}

void CabinetManager::sendLowerTempToRemoteDisplay(int htemp)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::property32(PropLowerTemp, quint8(tray->get_binNumber()), htemp));
}

void CabinetManager::sendMirrorClick()
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::action(ActKeyClick, quint8(tray->get_binNumber())));
}

void CabinetManager::sendMirrorCancelHolding()
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::action(ActCancelHolding, quint8(tray->get_binNumber())));
}

void CabinetManager::sendMirrorSelectSubProduct(int index)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::actionIndex(ActSelectSubProduct, quint8(tray->get_binNumber()), index));
}

void CabinetManager::sendActionTrayLoadProduct(int pn, bool defaultProd)
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::actionLoadProduct(quint8(tray->get_binNumber()), pn, defaultProd));
}

void CabinetManager::sendCloseCancelPanel()
{
    if (TrayBarSc *tray = senderTray())
        enqueueSingle(Codec::action(ActCloseCancelPanel, quint8(tray->get_binNumber())));
}

void CabinetManager::sendDisableGroupSelection(int binNum)
{
    enqueueSingle(Codec::action(ActDisableGroupSelection, quint8(binNum)));
}

void CabinetManager::sendAmbientTempAlarm()
{
    enqueueSingle(Codec::action(ActAmbientTempAlarm));
}

void CabinetManager::sendClearAmbientTempAlarm()
{
    enqueueSingle(Codec::action(ActClearAmbientTempAlarm));
}

void CabinetManager::sendHeaterHighTempAlarm()
{
    enqueueSingle(Codec::action(ActHeaterHighTempAlarm));
}

// --- Senders: multi-packet messages ---

void CabinetManager::sendTrayBarHoldingInfo(trayInfo ti)
{
    enqueueMulti(M::KIV_MULTI_TRAY_INFO, Codec::encodeTrayInfo(ti));
}

void CabinetManager::sendRestoreTrayBarHoldingInfo(trayInfo ti)
{
    enqueueMulti(M::KIV_MULTI_RESTORE_TRAY_INFO, Codec::encodeTrayInfo(ti));
}

void CabinetManager::sendBinPanId(uchar whichBin, qulonglong panId)
{
    qDebug().noquote() << "sending bin-panid: " << whichBin << hex(panId);
    enqueueMulti(M::KIV_MULTI_BIN_PANID, Codec::binPanId(whichBin, panId));
}

void CabinetManager::sendDeregisterTag(qulonglong whichUid)
{
    enqueueMulti(M::KIV_MULTI_NFC_DEREGISTER_TAG, Codec::tagUid(whichUid));
}

void CabinetManager::sendPanIdToRemoteDisplay(qulonglong panId)
{
    if (TrayBarSc *tray = senderTray())
        enqueueMulti(M::KIV_MULTI_TRAY_PANID, Codec::binPanId(quint8(tray->get_binNumber()), panId));
}

void CabinetManager::sendRemainingTimesToRemoteDisplay()
{
    QList<qint32> times;
    for (TrayBarSc *tray : m_trayList)
        times << tray->get_remainingTime();
    enqueueMulti(M::KIV_MULTI_BINS_REMAINING_TIME, Codec::remainingTimes(times));
}

void CabinetManager::sendObjPropertyViaCanbus(QString theSender, QString prop, QString value)
{
    enqueueMulti(M::KIV_MULTI_OBJ_PROPERTY, Codec::objectPropertyText(theSender, prop, value));
}

void CabinetManager::sendTrayHoldTime(int ht)
{
    QObject *tray = sender();
    if (!tray)
        return;
    sendObjPropertyViaCanbus(tray->objectName(), QStringLiteral("holdTime"), QString::number(ht));
}

void CabinetManager::sendHoldStoppedEventToMaster(uchar whichBin, qulonglong uid, QString method, int timeRemaining)
{
    enqueueMulti(M::KIV_MULTI_HOLD_STOP_EVT, Codec::holdStopped(whichBin, uid, method, timeRemaining));
}

void CabinetManager::sendHoldExpiredEventToMaster(uchar whichBin, qulonglong uid)
{
    enqueueMulti(M::KIV_MULTI_HOLD_EXP_EVT, Codec::holdExpired(whichBin, uid));
}

void CabinetManager::sendNetworkConfiguration()
{
    Codec::NetworkConfig c;
    c.networkMode = configValue("networkMode").toInt();
    c.ethEnabled = configValue("ethEnabled").toBool();
    c.staticIPEnabled = configValue("staticIPEnabled").toBool();
    c.ipAddress = configValue("ipAddress").toString();
    c.netmask = configValue("netmask").toString();
    c.gateway = configValue("gateway").toString();
    c.wifiEnabled = configValue("wifiEnabled").toBool();
    c.wifiSSID = configValue("wifiSSID").toString();
    c.wifiPassword = configValue("wifiPassword").toString();
    c.wifiStaticIp = configValue("wifiStaticIp").toBool();
    c.wifiIpAddr = configValue("wifiIpAddr").toString();
    c.wifiNetmask = configValue("wifiNetmask").toString();
    c.wifiGateway = configValue("wifiGateway").toString();
    enqueueMulti(M::KIV_MULTI_NETWORK_CONFIG, Codec::networkConfig(c));
}

void CabinetManager::sendHaccpLogToRemoteDisplay(QString timestamp, QString productType, QString panID,
                                                 int binNumber, QString method)
{
    if (!sender())
        return;
    enqueueMulti(M::KIV_MULTI_SEND_HACCP_TIMER_START,
                 Codec::haccpStart({timestamp, productType, panID, binNumber, method, 0}));
}

void CabinetManager::sendHaccpLogToRemoteDisplay(QString timestamp, QString productType, QString panID,
                                                 int binNumber, QString method, int timeRemaining)
{
    if (!sender())
        return;
    enqueueMulti(M::KIV_MULTI_SEND_HACCP_TIMER_STOP,
                 Codec::haccpStop({timestamp, productType, panID, binNumber, method, timeRemaining}));
}
