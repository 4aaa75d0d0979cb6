#pragma once

#include "alarms/haccpdata.h"
#include "core/clocktick.h"
#include "core/holdingexchangecodec.h"
#include "core/trayinfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <QTimer>
#include <QVariant>

#include "config/ioboardtozone.h"
#include "core/holdingfile.h"
#include "platform/kivclocktimer.h"
#include "platform/safefilewriter.h"

#include <QVector>

class QWidget;
class QQmlApplicationEngine;
class QQmlContext;
class QSerialPort;
class QUdpSocket;
class CanThread;
class CanbusManager;
class CommandLine;
class ConfigurationManager;
class DADazodaru;
class DayPartManager;
class EolTesting;
class FileID;
class HaccpController;
class HoldingExchange;
class KivDbusAdapter;
class KivErrorControllerT;
class KivIotAgentAdapter;
class KivRiot;
class LanguageModel;
class MasterIOSimuilator;
class MasterIoManager;
class MasterSync;
class MenuManager;
class NFCmanager;
class NfcReaderSimulator;
class PlatformInfo;
class QModbusMaster;
class SoundManager;
class StateTracer;
class SystemNetworkManager;
class TavolenProxy;
class TempProbeStateManager;
class Translator;
class TrayBarSc;
class VirtualKeyInput;
class WifiMonitor;
class ZoneManager;
struct NfcPollInfo;

// The cabinet core: it builds the whole controller in its constructor and is
// the object the screens know as "cabinetManager". It carries the cabinet-wide
// facts (this display's role, the layout, the feature switches) as
// properties, and is the hub of holding, display-to-display messaging and the
// system services.
class CabinetManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool iAmMaster READ get_iAmMaster WRITE set_iAmMaster NOTIFY iAmMasterChanged)
    // Components created by the cabinet core find the configuration store
    // through their parent.
    Q_PROPERTY(QObject *configManager READ get_configManager CONSTANT)
    Q_PROPERTY(int uiRole READ get_uiRole WRITE set_uiRole NOTIFY uiRoleChanged)
    Q_PROPERTY(bool mirrorDisplay READ get_mirrorDisplay WRITE set_mirrorDisplay NOTIFY mirrorDisplayChanged)
    Q_PROPERTY(bool orientationPortrait READ get_orientationPortrait WRITE set_orientationPortrait NOTIFY orientationPortraitChanged)
    Q_PROPERTY(bool singleColumnUnit READ get_singleColumnUnit WRITE set_singleColumnUnit NOTIFY singleColumnUnitChanged)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip WRITE set_verticalFlip NOTIFY verticalFlipChanged)
    Q_PROPERTY(int cabinetConfiguration READ get_cabinetConfiguration WRITE set_cabinetConfiguration NOTIFY cabinetConfigurationChanged)
    Q_PROPERTY(bool hasMirrorDisplay READ get_hasMirrorDisplay WRITE set_hasMirrorDisplay NOTIFY hasMirrorDisplayChanged)
    Q_PROPERTY(bool hasSecondaryDisplay READ get_hasSecondaryDisplay WRITE set_hasSecondaryDisplay NOTIFY hasSecondaryDisplayChanged)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones WRITE set_numberOfZones NOTIFY numberOfZonesChanged)
    Q_PROPERTY(int zonesPerRow READ get_zonesPerRow WRITE set_zonesPerRow NOTIFY zonesPerRowChanged)
    Q_PROPERTY(int traysPerZone READ get_traysPerZone WRITE set_traysPerZone NOTIFY traysPerZoneChanged)
    Q_PROPERTY(int traysPerCabinet READ get_traysPerCabinet WRITE set_traysPerCabinet NOTIFY traysPerCabinetChanged)
    Q_PROPERTY(int numOfTempProbes READ get_numOfTempProbes WRITE set_numOfTempProbes NOTIFY numOfTempProbesChanged)
    Q_PROPERTY(int tempHandling READ get_tempHandling WRITE set_tempHandling NOTIFY tempHandlingChanged)
    Q_PROPERTY(int tempLayout READ get_tempLayout WRITE set_tempLayout NOTIFY tempLayoutChanged)
    Q_PROPERTY(bool isIndividualDpSelectable READ get_isIndividualDpSelectable WRITE set_isIndividualDpSelectable NOTIFY isIndividualDpSelectableChanged)
    Q_PROPERTY(bool hasFan READ get_hasFan WRITE set_hasFan NOTIFY hasFanChanged)
    Q_PROPERTY(int temperatureUnit READ get_temperatureUnit WRITE set_temperatureUnit NOTIFY temperatureUnitChanged)
    Q_PROPERTY(bool discardFlash READ get_discardFlash WRITE set_discardFlash NOTIFY discardFlashChanged)
    Q_PROPERTY(bool discardText READ get_discardText WRITE set_discardText NOTIFY discardTextChanged)
    Q_PROPERTY(bool shelfNumbersEnable READ get_shelfNumbersEnable WRITE set_shelfNumbersEnable NOTIFY shelfNumbersEnableChanged)
    Q_PROPERTY(int shelfNumberingOrder READ get_shelfNumberingOrder WRITE set_shelfNumberingOrder NOTIFY shelfNumberingOrderChanged)
    Q_PROPERTY(int startingShelfNumber READ get_startingShelfNumber WRITE set_startingShelfNumber NOTIFY startingShelfNumberChanged)
    Q_PROPERTY(bool haccpEnabled READ get_haccpEnabled WRITE set_haccpEnabled NOTIFY haccpEnabledChanged)
    Q_PROPERTY(bool touchBasedTransfer READ get_touchBasedTransfer WRITE set_touchBasedTransfer NOTIFY touchBasedTransferChanged)
    Q_PROPERTY(bool productIdDisplayEnable READ get_productIdDisplayEnable WRITE set_productIdDisplayEnable NOTIFY productIdDisplayEnableChanged)
    Q_PROPERTY(bool advancedZoneOptionsEnable READ get_advancedZoneOptionsEnable WRITE set_advancedZoneOptionsEnable NOTIFY advancedZoneOptionsEnableChanged)
    Q_PROPERTY(bool viewZoneTemperatureEnable READ get_viewZoneTemperatureEnable WRITE set_viewZoneTemperatureEnable NOTIFY viewZoneTemperatureEnableChanged)
    Q_PROPERTY(bool cleaningModeEnable READ get_cleaningModeEnable WRITE set_cleaningModeEnable NOTIFY cleaningModeEnableChanged)
    Q_PROPERTY(QTime sysTime READ get_sysTime WRITE set_sysTime NOTIFY sysTimeChanged)
    Q_PROPERTY(bool restoreHoldingFlag READ get_restoreHoldingFlag WRITE set_restoreHoldingFlag NOTIFY restoreHoldingFlagChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(bool slaveUiFound READ get_slaveUiFound WRITE set_slaveUiFound NOTIFY slaveUiFoundChanged)
    Q_PROPERTY(bool slaveReadyForMaster READ get_slaveReadyForMaster WRITE set_slaveReadyForMaster NOTIFY slaveReadyForMasterChanged)
    Q_PROPERTY(bool holdRestoreReady READ get_holdRestoreReady WRITE set_holdRestoreReady NOTIFY holdRestoreReadyChanged)
    Q_PROPERTY(bool activelyHolding READ get_activelyHolding WRITE set_activelyHolding NOTIFY activelyHoldingChanged)
    Q_PROPERTY(int numberOfRows READ get_numberOfRows WRITE set_numberOfRows NOTIFY numberOfRowsChanged)
    Q_PROPERTY(bool nfcEnabled READ get_nfcEnabled WRITE set_nfcEnabled NOTIFY nfcEnabledChanged)
    Q_PROPERTY(int zoneViewType READ get_zoneViewType WRITE set_zoneViewType NOTIFY zoneViewTypeChanged)
    Q_PROPERTY(bool perBinTemps READ get_perBinTemps WRITE set_perBinTemps NOTIFY perBinTempsChanged)
    Q_PROPERTY(bool powerSourceChoice READ get_powerSourceChoice WRITE set_powerSourceChoice NOTIFY powerSourceChoiceChanged)
    Q_PROPERTY(bool uiDebug READ get_uiDebug WRITE set_uiDebug NOTIFY uiDebugChanged)
    Q_PROPERTY(QList<QObject *> zonesModelList READ get_zonesModelList NOTIFY zonesModelListChanged)
    Q_PROPERTY(QList<QObject *> traysModelList READ get_traysModelList NOTIFY traysModelListChanged)
    Q_PROPERTY(int zones2handle READ get_zones2handle WRITE set_zones2handle NOTIFY zones2handleChanged)
    Q_PROPERTY(int zones2handleStart READ get_zones2handleStart WRITE set_zones2handleStart NOTIFY zones2handleStartChanged)
    Q_PROPERTY(bool tempRangeErrorDisable READ get_tempRangeErrorDisable WRITE set_tempRangeErrorDisable NOTIFY tempRangeErrorDisableChanged)
    Q_PROPERTY(bool pressGoBannerEnable READ get_pressGoBannerEnable WRITE set_pressGoBannerEnable NOTIFY pressGoBannerEnableChanged)
    Q_PROPERTY(int pressGoDockPosition READ get_pressGoDockPosition WRITE set_pressGoDockPosition NOTIFY pressGoDockPositionChanged)
    Q_PROPERTY(bool flashDriveMounted READ get_flashDriveMounted WRITE set_flashDriveMounted NOTIFY flashDriveMountedChanged)
    Q_PROPERTY(bool linkedUseFirst READ get_linkedUseFirst WRITE set_linkedUseFirst NOTIFY linkedUseFirstChanged)
    Q_PROPERTY(int maxCurrent READ get_maxCurrent WRITE set_maxCurrent NOTIFY maxCurrentChanged)
    Q_PROPERTY(int controlBoardType READ get_controlBoardType WRITE set_controlBoardType NOTIFY controlBoardTypeChanged)
    Q_PROPERTY(int numIOBoards READ get_numIOBoards WRITE set_numIOBoards NOTIFY numIOBoardsChanged)
    Q_PROPERTY(int topTempOffset READ get_topTempOffset WRITE set_topTempOffset NOTIFY topTempOffsetChanged)
    Q_PROPERTY(int topHeaterResistance READ get_topHeaterResistance WRITE set_topHeaterResistance NOTIFY topHeaterResistanceChanged)
    Q_PROPERTY(int bottomTempOffset READ get_bottomTempOffset WRITE set_bottomTempOffset NOTIFY bottomTempOffsetChanged)
    Q_PROPERTY(int bottomHeaterResistance READ get_bottomHeaterResistance WRITE set_bottomHeaterResistance NOTIFY bottomHeaterResistanceChanged)
    Q_PROPERTY(int singleBinZone READ get_singleBinZone WRITE set_singleBinZone NOTIFY singleBinZoneChanged)
    Q_PROPERTY(int zoneNumberingOrder READ get_zoneNumberingOrder WRITE set_zoneNumberingOrder NOTIFY zoneNumberingOrderChanged)
    Q_PROPERTY(bool screenCleanModeEnable READ get_screenCleanModeEnable WRITE set_screenCleanModeEnable NOTIFY screenCleanModeEnableChanged)
    Q_PROPERTY(bool timerColorEnable READ get_timerColorEnable WRITE set_timerColorEnable NOTIFY timerColorEnableChanged)
    Q_PROPERTY(bool timerDecrementEnable READ get_timerDecrementEnable WRITE set_timerDecrementEnable NOTIFY timerDecrementEnableChanged)
    Q_PROPERTY(bool preferencesPageLock READ get_preferencesPageLock WRITE set_preferencesPageLock NOTIFY preferencesPageLockChanged)
    Q_PROPERTY(int customerId READ get_customerId WRITE set_customerId NOTIFY customerIdChanged)
    Q_PROPERTY(int powerSource READ get_powerSource WRITE set_powerSource NOTIFY powerSourceChanged)
    Q_PROPERTY(int pluggedInMinutes READ get_pluggedInMinutes WRITE set_pluggedInMinutes NOTIFY pluggedInMinutesChanged)
    Q_PROPERTY(bool heatersTestEnabled READ get_heatersTestEnabled WRITE set_heatersTestEnabled NOTIFY heatersTestEnabledChanged)
    // Cleaning runs between startCleaningMode() and exitCleaningMode(); the
    // zones hold back their temperature checks meanwhile.
    Q_PROPERTY(bool cleaningInProgress READ get_cleaningInProgress)

public:
    // The display's UI id: one per cabinet layout and display role.
    enum UiId_enum {
        UIID_5x4_PRIMARY = 1,
        UIID_5x4_SECOND = 2,
        UIID_2x4_PRIMARY = 9,
        UIID_2x4_MIRROR = 10,
        UIID_2x2_PRIMARY = 17,
        UIID_2x2_MIRROR = 18,
        UIID_3x2_PRIMARY = 20,
        UIID_3x2_MIRROR = 24,
        UIID_FILE_ID = 25, // the layout comes from the personality file
        UIID_5x2_PRIMARY = 32,
        UIID_4x2_PRIMARY = 33,
        UIID_4x2_MIRROR = 34,
        UIID_5x4ZUZ_PRIMARY = 36,
        UIID_5x4ZUZ_MIRROR = 40,
        UIID_BAD_ID = -1,
    };
    Q_ENUM(UiId_enum)

    enum SystemConfigurationsTag {
        SYSTEM_CONFIG_22 = 0,
        SYSTEM_CONFIG_23 = 1,
        SYSTEM_CONFIG_24 = 2,
        SYSTEM_CONFIG_34 = 3,
        SYSTEM_CONFIG_44 = 4,
        SYSTEM_CONFIG_52 = 5,
        SYSTEM_CONFIG_54 = 6,
        SYSTEM_CONFIG_42 = 7,
        SYSTEM_CONFIG_KIV_22 = 8,
        SYSTEM_CONFIG_KIV_24 = 9,
        SYSTEM_CONFIG_LINEAR20 = 10,
        SYSTEM_CONFIG_MAX = 11,
        SYSTEM_CONFIG_INVALID = 255,
    };
    Q_ENUM(SystemConfigurationsTag)

    enum ZoneViewTypesTag {
        ZONE_VIEW_TYPE_NORMAL = 0,
        ZONE_VIEW_TYPE_VSTACK = 1,
        ZONE_VIEW_TYPE_TABBED = 2,
        ZONE_VIEW_TYPE_MAX = 3,
    };
    Q_ENUM(ZoneViewTypesTag)

    enum ZoneViewQuadrantsTag {
        ZONE_VIEW_QUADRANT_UPLEFT = 0,
        ZONE_VIEW_QUADRANT_UPRIGHT = 1,
        ZONE_VIEW_QUADRANT_LOWLEFT = 2,
        ZONE_VIEW_QUADRANT_LOWRIGHT = 3,
        ZONE_VIEW_QUADRANT_MAX = 4,
    };
    Q_ENUM(ZoneViewQuadrantsTag)

    enum PgDockPositionTag {
        PG_DOCK_POSITION_LEFT = 0,
        PG_DOCK_POSITION_BOTTOM = 1,
        PG_DOCK_POSITION_TOP = 2,
        PG_DOCK_POSITION_RIGHT = 3,
    };
    Q_ENUM(PgDockPositionTag)

    // Zone temperatures while heating is held back; cleaning and eco mode
    // share one value.
    enum ZoneHeatOffTempTag {
        ZONE_CLEANING_MODE_TEMP = 125,
        ZONE_ECO_MODE_TEMP = 125,
        ZONE_OFF_MODE_TEMP = 0,
    };
    Q_ENUM(ZoneHeatOffTempTag)

    enum ZoneEcoTempModeTag {
        ECO_TEMP_MODE_OFF = 0,
        ECO_TEMP_MODE_USER = 1,
    };
    Q_ENUM(ZoneEcoTempModeTag)

    enum ZoneEcoEnableModeTag {
        ECO_ENABLE_MODE_OFF = 0,
        ECO_ENABLE_MODE_AUTO = 1,
    };
    Q_ENUM(ZoneEcoEnableModeTag)

    enum ZoneCleanEnableModeTag {
        CLEAN_ENABLE_MODE_OFF = 0,
        CLEAN_ENABLE_MODE_AUTO = 1,
    };
    Q_ENUM(ZoneCleanEnableModeTag)

    // One candidate hold for a product transfer, in this cabinet or another.
    using TimerTransferInfo = ::TimerTransferInfo;

    CabinetManager(int simulationFlags, int idConnector, QWidget *parent);

    QObject *get_configManager() const;
    // The cabinet network; on every display, speaking only for the primary one.
    DADazodaru *get_cabinetNetwork() const { return m_cabinetNetwork; }
    ~CabinetManager() override;

    int simulationFlags() const { return m_simulationFlags; }
    int idConnector() const { return m_idConnector; }

    // Registers the type for the screens' enumerations as
    // CabinetManagerDefs 1.0 / CabmgrDefs.
    static void registerQmlTypes();

    // Orders transfer candidates so that the hold ending first comes first.
    static bool transferTimersLessThan(const TimerTransferInfo &a, const TimerTransferInfo &b);

    // The time server asked for the clock (primary display).
    void setNtpServer(const QString &hostName, quint16 port);

public slots:
    // Property readers and writers: a writer emits only when the value changes.
    bool get_iAmMaster() const { return m_iAmMaster; }
    int get_uiRole() const { return m_uiRole; }
    bool get_mirrorDisplay() const { return m_mirrorDisplay; }
    bool get_orientationPortrait() const { return m_orientationPortrait; }
    bool get_singleColumnUnit() const { return m_singleColumnUnit; }
    bool get_verticalFlip() const { return m_verticalFlip; }
    int get_cabinetConfiguration() const { return m_cabinetConfiguration; }
    bool get_hasMirrorDisplay() const { return m_hasMirrorDisplay; }
    bool get_hasSecondaryDisplay() const { return m_hasSecondaryDisplay; }
    int get_numberOfZones() const { return m_numberOfZones; }
    int get_zonesPerRow() const { return m_zonesPerRow; }
    int get_traysPerZone() const { return m_traysPerZone; }
    int get_traysPerCabinet() const { return m_traysPerCabinet; }
    int get_numOfTempProbes() const { return m_numOfTempProbes; }
    int get_tempHandling() const { return m_tempHandling; }
    int get_tempLayout() const { return m_tempLayout; }
    bool get_isIndividualDpSelectable() const { return m_isIndividualDpSelectable; }
    bool get_hasFan() const { return m_hasFan; }
    int get_temperatureUnit() const { return m_temperatureUnit; }
    bool get_discardFlash() const { return m_discardFlash; }
    // Inside it is the discard option type; the screens only ask whether
    // there is one.
    bool get_discardText() const { return m_discardText != 0; }
    bool get_shelfNumbersEnable() const { return m_shelfNumbersEnable; }
    int get_shelfNumberingOrder() const { return m_shelfNumberingOrder; }
    int get_startingShelfNumber() const { return m_startingShelfNumber; }
    bool get_haccpEnabled() const { return m_haccpEnabled; }
    bool get_touchBasedTransfer() const { return m_touchBasedTransfer; }
    bool get_productIdDisplayEnable() const { return m_productIdDisplayEnable; }
    bool get_advancedZoneOptionsEnable() const { return m_advancedZoneOptionsEnable; }
    bool get_viewZoneTemperatureEnable() const { return m_viewZoneTemperatureEnable; }
    bool get_cleaningModeEnable() const { return m_cleaningModeEnable; }
    QTime get_sysTime() const { return m_sysTime; }
    bool get_restoreHoldingFlag() const { return m_restoreHoldingFlag; }
    int get_orientationId() const { return m_orientationId; }
    bool get_slaveUiFound() const { return m_slaveUiFound; }
    bool get_slaveReadyForMaster() const { return m_slaveReadyForMaster; }
    bool get_holdRestoreReady() const { return m_holdRestoreReady; }
    bool get_activelyHolding() const { return m_activelyHolding; }
    int get_numberOfRows() const { return m_numberOfRows; }
    bool get_nfcEnabled() const { return m_nfcEnabled; }
    int get_zoneViewType() const { return m_zoneViewType; }
    bool get_perBinTemps() const { return m_perBinTemps; }
    bool get_powerSourceChoice() const { return m_powerSourceChoice; }
    bool get_uiDebug() const { return m_uiDebug; }
    QList<QObject *> get_zonesModelList() const { return m_zonesModelList; }
    QList<QObject *> get_traysModelList() const { return m_traysModelList; }
    int get_zones2handle() const { return m_zones2handle; }
    int get_zones2handleStart() const { return m_zones2handleStart; }
    bool get_tempRangeErrorDisable() const { return m_tempRangeErrorDisable; }
    bool get_pressGoBannerEnable() const { return m_pressGoBannerEnable; }
    int get_pressGoDockPosition() const { return m_pressGoDockPosition; }
    bool get_flashDriveMounted() const { return m_flashDriveMounted; }
    bool get_linkedUseFirst() const { return m_linkedUseFirst; }
    int get_maxCurrent() const { return m_maxCurrent; }
    int get_controlBoardType() const { return m_controlBoardType; }
    int get_numIOBoards() const { return m_numIOBoards; }
    int get_topTempOffset() const { return m_topTempOffset; }
    int get_topHeaterResistance() const { return m_topHeaterResistance; }
    int get_bottomTempOffset() const { return m_bottomTempOffset; }
    int get_bottomHeaterResistance() const { return m_bottomHeaterResistance; }
    int get_singleBinZone() const { return m_singleBinZone; }
    int get_zoneNumberingOrder() const { return m_zoneNumberingOrder; }
    bool get_screenCleanModeEnable() const { return m_screenCleanModeEnable; }
    bool get_timerColorEnable() const { return m_timerColorEnable; }
    bool get_timerDecrementEnable() const { return m_timerDecrementEnable; }
    bool get_preferencesPageLock() const { return m_preferencesPageLock; }
    int get_customerId() const { return m_customerId; }
    int get_powerSource() const { return m_powerSource; }
    int get_pluggedInMinutes() const { return m_pluggedInMinutes; }
    bool get_heatersTestEnabled() const { return m_heatersTestEnabled; }
    bool get_cleaningInProgress() const { return m_cleaningInProgress; }

    void set_iAmMaster(bool value);
    void set_uiRole(int value);
    void set_mirrorDisplay(bool value);
    void set_orientationPortrait(bool value);
    void set_singleColumnUnit(bool value);
    void set_verticalFlip(bool value);
    void set_cabinetConfiguration(int value);
    void set_hasMirrorDisplay(bool value);
    void set_hasSecondaryDisplay(bool value);
    void set_numberOfZones(int value);
    void set_zonesPerRow(int value);
    void set_traysPerZone(int value);
    void set_traysPerCabinet(int value);
    void set_numOfTempProbes(int value);
    void set_tempHandling(int value);
    void set_tempLayout(int value);
    void set_isIndividualDpSelectable(bool value);
    void set_hasFan(bool value);
    void set_temperatureUnit(int value);
    void set_discardFlash(bool value);
    void set_discardText(int value);
    void set_shelfNumbersEnable(bool value);
    void set_shelfNumberingOrder(int value);
    void set_startingShelfNumber(int value);
    void set_haccpEnabled(bool value);
    void set_touchBasedTransfer(bool value);
    void set_productIdDisplayEnable(bool value);
    void set_advancedZoneOptionsEnable(bool value);
    void set_viewZoneTemperatureEnable(bool value);
    void set_cleaningModeEnable(bool value);
    void set_sysTime(const QTime &value);
    void set_restoreHoldingFlag(bool value);
    void set_orientationId(int value);
    void set_slaveUiFound(bool value);
    void set_slaveReadyForMaster(bool value);
    void set_holdRestoreReady(bool value);
    void set_activelyHolding(bool value);
    void set_numberOfRows(int value);
    void set_nfcEnabled(bool value);
    void set_zoneViewType(int value);
    void set_perBinTemps(bool value);
    void set_powerSourceChoice(bool value);
    void set_uiDebug(bool value);
    void set_zones2handle(int value);
    void set_zones2handleStart(int value);
    void set_tempRangeErrorDisable(bool value);
    void set_pressGoBannerEnable(bool value);
    void set_pressGoDockPosition(int value);
    void set_flashDriveMounted(bool value);
    void set_linkedUseFirst(bool value);
    void set_maxCurrent(int value);
    void set_controlBoardType(int value);
    void set_numIOBoards(int value);
    void set_topTempOffset(int value);
    void set_topHeaterResistance(int value);
    void set_bottomTempOffset(int value);
    void set_bottomHeaterResistance(int value);
    void set_singleBinZone(int value);
    void set_zoneNumberingOrder(int value);
    void set_screenCleanModeEnable(bool value);
    void set_timerColorEnable(bool value);
    void set_timerDecrementEnable(bool value);
    void set_preferencesPageLock(bool value);
    void set_customerId(int value);
    void set_powerSource(int value);
    void set_pluggedInMinutes(int value);
    void set_heatersTestEnabled(bool value);
    void set_holdRestoreReadyTrue();
    // Identity
    QString get_idErrorMsg() const { return m_idErrorMsg; }
    bool get_isConfigured() const { return m_isConfigured; }
    bool uiidIsValid();
    NfcPollInfo *get_nfcPollingInfo() { return m_nfcPollingInfo; }
    // One bin per NFC reader slot, reader 1's slots first.
    QList<int> get_nfcSlotToBinList() const { return m_nfcMap; }
    // A clash of CAN node ids needs no action here.
    void canIdConflictDetected(bool) {}
    // No system backup runs on this cabinet.
    bool getSystemBackupInProgress() { return false; }
    int getSystemBackupPercentComplete() { return 0; }

    // Identity and network addresses
    void updateBroadcastAddr();
    void updateMacAddress(QString value);
    void processWifiState(int link, int level);

    // Display-to-display messages, file transfer, application install and remote displays
    void processFileMpm(int mpmid);
    void processMpm(int mpmid, QByteArray *msg);
    void processSinglePacket(QByteArray *msg);
    void processDayPartChange(int value);
    void sendDayPartInfo(int value);
    void processDayPartInfo(QByteArray *msg);
    void sendZoneDayPartInfo(int dayPart);
    void processZoneDayPartInfo(QByteArray *msg);
    void sendZoneDayPartRequest(int zoneNumber, int dayPart);
    void processZoneDayPartRequest(QByteArray *msg);
    void sendNtpOn(bool ntp);
    void sendNameToUse();
    void sendDayPartRequest(int theDayPart);
    void sendExitPreheatRequest();
    void sendZoneEnterPreheatInfo();
    void sendZoneExitPreheatInfo();
    void sendZoneDaypartChanged(int newDaypart);
    void sendRequestAlarm(int alarmId, bool play);
    void sendBinRemainingTime(int binNum, int remainT);
    void sendBinsToUse(uint binFlags);
    void sendUseBin(int binNum, bool value);
    void sendBinTargetTemp(int binNum, int value);
    void sendBinActualFanSpeed(int binNum, int value);
    void sendBinTargetFanSpeed(int binNum, int value);
    void sendZoneState(int theState);
    void sendMcUpdate();
    void sendMcUpdateProducts();
    void sendMcUpdateDayparts();
    void sendFileViaCanbus(QString filename, int fileTxfId);
    void sendFileViaCanbus(int filetxfid);
    void sendSystemTimeCanbus();
    void sendTrayBarHoldingInfo(trayInfo ti);
    void sendRestoreTrayBarHoldingInfo(trayInfo ti);
    void processTrayBarHoldingInfo(QByteArray *msg);
    void processRestoreTrayBarHoldingInfo(QByteArray *msg);
    void processSlaveUIDayPartRequest(int tdayPart);
    void sendCancelAllHolding();
    void sendConfigSettingsChangeRequest(bool useFirst, bool advancedZoneOptions, bool groupDots, bool individualDp, signed char fontSize, bool demoMode, int soundLevel, int tempUnit, int cleanActiveMode, int cleanActiveTimout, bool timerColorStatus);
    void processConfigSettingsChangeRequest(QByteArray *msg);
    void sendConfigSettingsData();
    void sendLanguageSettingsData();
    void processLanguageSettingsData(QByteArray *msg);
    void sendCurrentDateTimeDataChangeRequest(ushort year, uchar month, uchar day, uchar hour, uchar min, uchar sec);
    void sendCurrentDateTimeData(bool ampm, bool dst, bool ntpOn, int zoneIndex);
    void sendTimeZoneChangeRequest(bool ntpOn, int zi);
    void processCurrentDateTimeChangeRequest(QByteArray *msg);
    void sendFwInfoRequest();
    void sendShowProductMismatch(uchar whichBin, bool onOff, int reason, bool isUniveralTag);
    void sendHoldExpiredEventToMaster(uchar whichBin, qulonglong uid);
    void sendHoldStoppedEventToMaster(uchar whichBin, qulonglong uid, QString method, int timeRemaining);
    void sendStartBinTimer(uchar whichBin, int timeVal);
    void processStartBinTimer(QByteArray *msg);
    void sendBinPanId(uchar whichBin, qulonglong panId);
    void sendStopBinTimer(uchar whichBin);
    void sendBinTimerExpired(uchar whichBin);
    void sendShowReaderError();
    void processShowProductMismatch(QByteArray *msg);
    void processStopBinTimer(QByteArray *msg);
    void processBinTimerExpired(QByteArray *msg);
    void processSendShowReaderError();
    void sendDeregisterTag(qulonglong whichUid);
    void processSendDeregisterTag(QByteArray *msg);
    void sendHoldTimePreSetToRemoteDisplay(int holdPreSetTime);
    void sendUserRequestsManualTimerStart(uchar whichBin);
    void processUserRequestsManualTimerStart(QByteArray *msg);
    void processRollCallRequest();
    void sendResyncRequest();
    void sendRequestRollCallMsg();
    void processSlaveReporting(int id);
    void install_applicationUpdate(QString newAppName);
    void sendNewAppInstallSucess(bool successFlag);
    void sendActivelyHoldingProperty(bool value);
    void sendModbusBrokenLinkProperty(bool value);
    void sendZoneDisabledInfo(bool value, uchar zone, uchar reason);
    void passCan2Dbus(uint id, QByteArray data);
    void passDbus2Can(int node, uint id, QByteArray data);
    void sendProductIdToRemoteDisplay(int productId);
    void sendHoldingToRemoteDisplay(bool holding);
    void sendDisableGroupSelection(int binNum);
    void sendHoldTimeToRemoteDisplay(int holdTime);
    void sendHoldTempToRemoteDisplay(int htemp);
    void sendUpperTempToRemoteDisplay(int htemp);
    void sendLowerTempToRemoteDisplay(int htemp);
    void sendTargetFanSpeedRemoteDisplay(int tfs);
    void sendActualFanSpeedRemoteDisplay(int afs);
    void sendPanIdToRemoteDisplay(qulonglong panId);
    void sendRemainingTimeToRemoteDisplay(int remainingTime);
    void sendRemainingTimesToRemoteDisplay();
    void sendActualTemperatureToRemoteDisplay(int temperature);
    void sendUseBinToRemoteDisplay(bool useBin);
    void sendGroupIndexToRemoteDisplay(int groupIndex);
    void sendGroupIdToMirror(int grpid);
    void sendTrayStateToRemoteDisplay(int trayState);
    void sendCloseCancelPanel();
    void sendMirrorClick();
    void sendMirrorCancelHolding();
    void sendMirrorSelectSubProduct(int index);
    void sendActionTrayLoadProduct(int pn, bool defaultProd);
    void sendDisabledFlagToRemoteDisplay(bool disabled);
    void sendZoneCurrentDayPartToMirror(int dp);
    void sendTempStatusToRemoteDisplay(int tempStatus);
    void sendTempErrorToRemoteDisplay(bool tempError);
    void sendErrorFlagsToRemoteDisplay(uint errorFlags);
    void sendTrayHoldTime(int ht);
    void sendObjPropertyViaCanbus(QString theSender, QString prop, QString value);
    void processObjectPropertySetting(QByteArray *msg);
    void processObjectAction(QByteArray *msg);
    void sendRestorationDialogBlockEnable(bool value);
    void sendAmbientTempAlarm();
    void sendAmbientTempValue(int value);
    void sendClearAmbientTempAlarm();
    void sendHeaterHighTempAlarm();
    void sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void sendClearAllErrorInfo();
    void sendNetworkConfiguration();
    void sendScreenTestStart();
    void sendScreenTestStop();
    void sendRfIdTestStart();
    void sendSystemInfoTestStart();
    void sendHaccpLogToRemoteDisplay(QString timestamp, QString productType, QString panID, int binNumber, QString method);
    void sendHaccpLogToRemoteDisplay(QString timestamp, QString productType, QString panID, int binNumber, QString method, int timeRemaining);
    void sendCleaningModeToRemoteDisplay(bool value);
    void sendZoneEcoModeToRemoteDisplay(int zoneIndex, bool value);
    void sendZoneOffModeToRemoteDisplay(int zoneIndex, bool value);
    void sendEcoModeConfigToRemoteDisplay();
    void sendSuggestEcoModeToRemoteDisplay(int zoneIndex, bool value);
    void sendMenuFilesUpdate();
    void sendHeatersTestEnabled(bool value);
    void sendSlaveErrorsFile();

    // Holding, bin timers, transfer, use maps, persistence, HACCP feed, cleaning and link faults
    int binRemainingTime(int bin);
    void updateTrayBarHoldingInfo(trayInfo ti);
    void writeTrayBarHoldingInfo();
    // The safe-write chain runs in the holding file's writer; this is its end.
    void writeTrayBarHoldingInfoWrapUp(SafeFileWriter::Result result);
    void writeNewDaypartRestoreInfo();
    qint64 get_trayBarExpectedTime(int trayBarRemainingTime);
    void readTrayBarHoldingInfoTxt();
    void readTrayBarHoldingInfo();
    void restoreNewDaypartIfo();
    void calculateRemainingTimeForHoldingRestore(bool expireAll);
    void cancelAllHolding();
    bool nothingBeingHeld();
    bool isBinOnThisUI(uchar whichBin);
    void indicateNfcTagDetected(uchar whichBin, bool showHide);
    void soundNfcChime(bool isUniversalTag);
    void showProductMismatch(uchar bin, bool show, int reason, bool sound);
    void sendHoldStartedEventToDbus(uchar bin, qulonglong panId, QString method);
    void sendHoldExpiredEventToDbus(uchar bin, qulonglong panId);
    void sendHoldStoppedEventToDbus(uchar bin, qulonglong panId, QString method, int timeRemaining);
    void emitHoldStoppedEvent(QString timestamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void startBinTimer(uchar bin, int seconds, qulonglong panId);
    void stopBinTimer(uchar bin);
    void setBinTimerExpired(uchar bin);
    TrayBarSc *getTrayPtr(uchar bin);
    ZoneManager *getZonePtr(uchar zone);
    uint getProductHoldTime(int prodId);
    int getProductIDfromBinNumber(uchar bin);
    int getProductPanSizeFromBinNumber(uchar bin);
    bool doTheseBinsMatch(uchar binA, uchar binB);
    void recordErrorModbusBrokenLink(bool value);
    void recordErrorTpOpen();
    void recordErrorTpShorted();
    void notifyZonesOfBrokenLinkStatus(bool value);
    void notifyZonesOfBrokenCanLinkStatus(bool broken);
    void canRestoreActions();
    void processIobStatusChange(int board, int status);
    void setBinToTray(int binNum, int pid, int tid);
    bool getTrayAlertStatus(uchar whichBin);
    void clearHoldingHistory();
    void updateTiListProdId(int prodId);
    void registerTagAtTimerUsingBin(qulonglong uid, int bin);
    void reStateTraysHoldTemps();
    quint64 getTagUidAtBin(uchar binNum);
    void setTagUidAtTrayTimer(uchar bin, qulonglong uid);
    void refreshMirror();
    trayInfo getTrayInfo(int binIndex);
    qlonglong get_misMatchedPanId(int binIndex);
    void set_misMatchedPanId(int binIndex, qlonglong panId);
    QString get_misMatchId(int binIndex);
    void updateTrayStates(int trayState);
    void updateUseMap2();
    void updateAllUseMap2();
    int get_trayState(int binNum);
    void broadCastHodlingInfo();
    void processReceivedHoldingInfo(QByteArray data, QHostAddress sender);
    void showProductTransferWindow(int bin, int groupIndex, int productId);
    int getTransferTimersCount();
    QVariant getTransferTimerValue(int index, int role);
    void doProductTransfer(int index);
    void productTransferConfirmed();
    // True when it stopped a bin: only then does the asking cabinet hear so.
    bool handleTimerResetRequest(QByteArray data);
    void handleHaccpTimerNfcTransfer(int bin);
    void logHaccpTimerStopInfo(QString timestamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void logHaccpTimerStartInfo(QString timestamp, QString productType, QString panID, int zone, QString method);
    void removeHaccpLogTimerStartInfo(int binNumber, int productId, qlonglong expectedTime);
    void startCleaningMode();
    void exitCleaningMode();
    bool isCoolingDownDone();
    int getCoolingDownTemp();
    void processSlaveErrorsSlot();

    // Screens and inactivity
    void userInteractionTimerTO();
    int getUiTrayHeight();
    int get_numberOfTraysOnThisUI();
    void autoScreenCleanScan();
    void cancelSuggetCleanMode();
    void stopAmbientTempAlarmSlot();
    int convertToCelsius(int valueF);
    int convertToFahrenheit(int valueC);

    // Date, time and NTP
    void requestSysTimeUpdate(bool request);
    void sysTimeUpdate();
    void setSysTimeFromString(QString time, QString tformat, QString date, QString dformat);
    void setSystemDateTime(QDateTime dateTime);
    QString getSystemDateString();
    void ntpServerTimeRequest();
    void lookedUpNtpHost(QHostInfo info);
    void ntpConnectSuccess();
    void ntpReadReceivedDatagrams();
    QDateTime adjustToLocalDateTime(QDateTime &dt);
    QString getTimeStampStringSecs();

    // USB, diagnostics, watchdog and performance data
    void removeOldBackups();
    void exportMenuFiles();
    void importMenuFiles();
    void performanceData();
    void setPerformanceDataInterval(int value);
    void screenShot();
    void exportScreenShots();
    bool isFlashDriveMounted();
    QString readFlashDrivePath();
    void exportKernelLog();
    void exportKernelLogProcessWrapUp(int exitCode, QProcess::ExitStatus exitStatus);
    void exportIotLog();
    void checkNotoSansCjkFont();
    void kickWdtTimerTO();
    void checkSystemErrors();
    void checkSystemErrorsProcessWrapUp(int exitCode, QProcess::ExitStatus exitStatus);

signals:
    void iAmMasterChanged(bool value);
    void uiRoleChanged(int value);
    void mirrorDisplayChanged(bool value);
    void orientationPortraitChanged(bool value);
    void singleColumnUnitChanged(bool value);
    void verticalFlipChanged(bool value);
    void cabinetConfigurationChanged(int value);
    void hasMirrorDisplayChanged(bool value);
    void hasSecondaryDisplayChanged(bool value);
    void numberOfZonesChanged(int value);
    void zonesPerRowChanged(int value);
    void traysPerZoneChanged(int value);
    void traysPerCabinetChanged(int value);
    void numOfTempProbesChanged(int value);
    void tempHandlingChanged(int value);
    void tempLayoutChanged(int value);
    void isIndividualDpSelectableChanged(bool value);
    void hasFanChanged(bool value);
    void temperatureUnitChanged(int value);
    void discardFlashChanged(bool value);
    void discardTextChanged(bool value);
    void shelfNumbersEnableChanged(bool value);
    void shelfNumberingOrderChanged(int value);
    void startingShelfNumberChanged(int value);
    void haccpEnabledChanged(bool);
    void touchBasedTransferChanged(bool value);
    void productIdDisplayEnableChanged(bool value);
    void advancedZoneOptionsEnableChanged(bool value);
    void viewZoneTemperatureEnableChanged(bool value);
    void cleaningModeEnableChanged(bool value);
    void sysTimeChanged(QTime value);
    void restoreHoldingFlagChanged(bool value);
    void orientationIdChanged(int value);
    void slaveUiFoundChanged(bool value);
    void slaveReadyForMasterChanged(bool value);
    void holdRestoreReadyChanged(bool value);
    void activelyHoldingChanged(bool value);
    void numberOfRowsChanged(int value);
    void nfcEnabledChanged(bool value);
    void zoneViewTypeChanged(int value);
    void perBinTempsChanged(bool value);
    void powerSourceChoiceChanged(bool value);
    void uiDebugChanged(bool value);
    void zonesModelListChanged();
    void traysModelListChanged();
    void zones2handleChanged(int value);
    void zones2handleStartChanged(int value);
    void tempRangeErrorDisableChanged(bool value);
    void pressGoBannerEnableChanged(bool value);
    void pressGoDockPositionChanged(int value);
    void flashDriveMountedChanged(bool value);
    void linkedUseFirstChanged(bool value);
    void maxCurrentChanged(int value);
    void controlBoardTypeChanged(int value);
    void numIOBoardsChanged(int value);
    void topTempOffsetChanged(int);
    void topHeaterResistanceChanged(int);
    void bottomTempOffsetChanged(int);
    void bottomHeaterResistanceChanged(int);
    void singleBinZoneChanged(int value);
    void zoneNumberingOrderChanged(int);
    void screenCleanModeEnableChanged();
    void timerColorEnableChanged();
    void timerDecrementEnableChanged(bool);
    void preferencesPageLockChanged(bool);
    void customerIdChanged(int);
    void powerSourceChanged(int);
    void pluggedInMinutesChanged(int);
    void heatersTestEnabledChanged(bool);

    // Cabinet events towards the IoT back-end and the screens
    void powerOn();
    void event_holdStarted(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStopped(QString timeStamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void event_holdExpired(QString timeStamp, QString productType, QString panID, int zone);
    void notifyBinMismatchAlert(QString timeStamp, QString productType, QString panID, int binID, QString binProductType);
    void notifyBinMismatchClear(QString timeStamp, QString productType, QString panID, int binID, QString binProductType);
    void holdingListChanged(QString timeStamp);
    void zonePreheatEntered(QString timeStamp, int zoneIndex);
    void zonePreheatExited(QString timeStamp, int zoneIndex, int heatTime);
    void zoneDaypartChanged(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void performanceDataSignal(QString timeStamp, int zone, int setPoint, int temperature, QString operatingMode);
    void wifiPerformanceData(QString timeStamp, int zone, int setPoint, int temperature, QString operatingMode);
    void appHoldingStartedSignal(trayInfo ti);
    void appHoldingStoppedSignal(trayInfo ti);
    void appObjectPropertyChange(QString objName, QString propName, QString value);
    void firmwareUpdateStarted();
    void unexpectedRebootDetected();
    void commBusVoltageMissing();

    // Holding and synchronisation
    void restoreTrayInfoSignal(trayInfo tempTrayInfo);
    void holdingUpdateSignal(trayInfo ti);
    void zoneRestoreDayPartSignal(int zoneNumber, int theDayPart);
    void slaveUIRequestsDayPart(int dayPart);
    void resyncSignal();
    void slaveUiWasFound();
    void masterUiWasFound();
    void holdRestorationDialogBlockEnabled(bool value);
    void showProductTransferList();
    void cleaningStarted();
    void cleaningStopped();
    void ecoModeSettingsUpdate();
    void stopAmbientTempAlarm();
    void processSlaveErrors();

    // Configuration, time and files
    void mcUpdateReloadFiles();
    void configSettingsUpdated();
    void dateTimeUpdated();
    void timeFormatAMPM(bool value);
    void dstEnabled(bool value);
    void ntpOnChanged(bool value);
    void timeZoneIndexChanged(int value);
    void ntpServerTimeRead();
    void userChangedDateTime(qlonglong offsetMS);
    void screenCleaningTimeOutChanged();

    // Screens
    void noUserInteraction();
    void screenshotTaken();
    void screenshotsExported();
    void noScreenShotsToExport();
    void displayTestStart();
    void displayTestStop();
    void nfcTestStart();
    void systemInfoTestStart();

    // CAN and D-Bus bridge
    void sendCan2Dbus(int node, uint id, QByteArray data);
    void dbusCanRcvd(QByteArray data);

protected:
    // Application-wide filter: user activity restarts the inactivity timer.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_simulationFlags;
    int m_idConnector;

    bool m_iAmMaster = false;
    int m_uiRole = 0;
    bool m_mirrorDisplay = false;
    bool m_orientationPortrait = false;
    bool m_singleColumnUnit = false;
    bool m_verticalFlip = false;
    int m_cabinetConfiguration = 10;
    bool m_hasMirrorDisplay = false;
    bool m_hasSecondaryDisplay = false;
    int m_numberOfZones = 5;
    int m_zonesPerRow = 1;
    int m_traysPerZone = 2;
    int m_traysPerCabinet = 10;
    int m_numOfTempProbes = 0;
    int m_tempHandling = 0;
    int m_tempLayout = 0;
    bool m_isIndividualDpSelectable = true;
    bool m_hasFan = false;
    int m_temperatureUnit = 0;
    bool m_discardFlash = false;
    int m_discardText = 0;
    bool m_shelfNumbersEnable = true;
    int m_shelfNumberingOrder = 0;
    int m_startingShelfNumber = 0;
    bool m_haccpEnabled = false;
    bool m_touchBasedTransfer = false;
    bool m_productIdDisplayEnable = false;
    bool m_advancedZoneOptionsEnable = false;
    bool m_viewZoneTemperatureEnable = false;
    bool m_cleaningModeEnable = false;
    QTime m_sysTime;
    bool m_restoreHoldingFlag = false;
    int m_orientationId = 0;
    bool m_slaveUiFound = false;
    bool m_slaveReadyForMaster = false;
    bool m_holdRestoreReady = false;
    bool m_activelyHolding = false;
    int m_numberOfRows = 5;
    bool m_nfcEnabled = true;
    int m_zoneViewType = 0;
    bool m_perBinTemps = false;
    bool m_powerSourceChoice = false;
    bool m_uiDebug = false;
    QList<QObject *> m_zonesModelList;
    QList<QObject *> m_traysModelList;
    int m_zones2handle = 0;
    int m_zones2handleStart = 0;
    bool m_tempRangeErrorDisable = false;
    bool m_pressGoBannerEnable = false;
    int m_pressGoDockPosition = 0;
    bool m_flashDriveMounted = false;
    bool m_linkedUseFirst = false;
    int m_maxCurrent = 0;
    int m_controlBoardType = 0;
    int m_numIOBoards = 1;
    int m_topTempOffset = 0;
    int m_topHeaterResistance = 0;
    int m_bottomTempOffset = 0;
    int m_bottomHeaterResistance = 0;
    int m_singleBinZone = 0;
    int m_zoneNumberingOrder = 0;
    bool m_screenCleanModeEnable = false;
    bool m_timerColorEnable = false;
    bool m_timerDecrementEnable = false;
    bool m_preferencesPageLock = false;
    int m_customerId = 1;
    int m_powerSource = 240;
    int m_pluggedInMinutes = 0;
    bool m_heatersTestEnabled = false;
    bool m_cleaningInProgress = false;

    bool m_isConfigured = true;
    QString m_idErrorMsg;
    NfcPollInfo *m_nfcPollingInfo = nullptr;

    QTimer *m_userInteractionTimer;

    // --- Display-to-display messages (see cabinetmanagermessages.cpp) ---
    void enqueueSingle(const QByteArray &payload);
    void enqueueMulti(int multiId, const QByteArray &payload);
    TrayBarSc *trayOnThisDisplay(int bin) const;
    TrayBarSc *senderTray() const;
    ZoneManager *senderZone() const;
    ZoneManager *zoneByNumber(int zoneNumber) const;
    QVariant configValue(const char *name) const;
    void setConfigValue(const char *name, const QVariant &value);
    QString productNameOfBin(int bin);
    void processZoneDayPartMessage(const QByteArray &msg, const char *zoneLine, const char *dayPartLine);
    void processFwInfo(const QString &text);

    // --- The composition root (see cabinetmanagerroot.cpp) ---
    void enterApplicationDirectory();
    int identifyDisplay();
    void applyLayout(int uiId);
    void buildNfcMap();
    void createHoldingRecords();
    void createComponents(const CommandLine &commandLine);
    void createAlarmAndProbeComponents(const CommandLine &commandLine);
    void createSoundManager();
    void createModbusComponents();
    void createHaccpController();
    void createPerformanceDataTimer();
    void enterSimulation();
    void loadConfiguration();
    void muteAlarmsUntilSynchronised();
    void registerOnDbus();
    void publishComponents(const CommandLine &commandLine);
    void startMachines(const CommandLine &commandLine);
    void startHardwareMachines();
    void enableModbusTrace();
    void showNfcSimulator();
    bool hasRemoteDisplay() const;
    HoldingFile::State holdingState() const;
    bool applyHoldingRestore(const HoldingFile::State &restored, bool stale);
    void restoreHoldingFromPanTags();
    void wireComponents();
    void wireCabinetCore();
    void wireCanbus();
    void wireModbus();
    void wireConfiguration();
    void wireLanguages();
    void wireErrors();
    void wireSynchronisation();
    void wireSyncSound();
    void wireMenus();
    void wireZone(ZoneManager *zone);
    void wireTray(TrayBarSc *tray);
    void wireTrayAlarm(TrayBarSc *tray);
    void wireTrayNfcForwarding(TrayBarSc *tray);
    void wireTrayToMirror(TrayBarSc *tray);
    void wireNfc();
    void wireIoBoard();
    void wireIoBoardAlarms();
    void wireNetworkAndCloud();

    // Timers of the cabinet core.
    QTimer m_watchdogTimer;
    QFile m_watchdogFile;
    // Holding saves run on the system's clock, like the holds they save.
    KivClockTimer m_holdingSaveDelayTimer;
    KivClockTimer m_holdingSavePeriodTimer;
    SafeFileWriter *m_holdingWriter = nullptr;
    // The stored holds are turned back into holds once per start: a later
    // resynchronisation must not bring back holds stopped since.
    bool m_holdingRestoreDone = false;
    QTimer m_useMapTimer;
    QTimer m_restoreActionsTimer;
    QTimer m_sysTimeTimer;
    QTimer m_holdingBroadcastTimer;
    QTimer m_remoteTimesTimer;
    QTimer *m_screenCleanTimer = nullptr;
    QTimer *m_performanceDataTimer = nullptr;
    int m_screenCleanCountdown = -1;

    // Layout tables of this display.
    bool m_syncNeeded = false;
    int m_iosyscfg = -1;
    int m_traysOnThisUi = 0;
    QList<int> m_mio2uitMap;
    QList<int> m_ui2mioZoneMap;
    QList<int> m_zoneMap;
    QList<int> m_nfcMap;
    QList<int> m_binTestTemps;
    QList<int> m_productLocationMap;
    QList<IoBoardToZone> m_ioBoardToZoneMap;

    // Holding records and per-bin tables, one entry per bin of the cabinet.
    QList<trayInfo> m_trayInfoList;
    QVector<quint64> m_mismatchPanIds;
    QVector<QString> m_mismatchTexts;
    QVector<bool> m_binMismatch; // product-mismatch (alert) flag per bin
    QVector<bool> m_binFlagB;
    // Each bin's tray state, whichever display shows the bin.
    QVector<int> m_trayStates;
    // Each zone's day part as the holding restore found it.
    QVector<int> m_restoredZoneDayParts;

    // The per-bin tables hold at most this many bins, whatever the
    // personality file says about the cabinet.
    static constexpr int kBinTableSize = 20;
    bool binInCabinet(int bin) const { return bin >= 0 && bin < m_traysPerCabinet; }
    bool binInTables(int bin) const { return binInCabinet(bin) && bin < m_binMismatch.size(); }
    uchar pairedBin(uchar bin);
    void storeTrayState(int bin, int trayState);
    QString productMenuName(int productId) const;
    QString configuredTimeZoneId() const;
    QTimeZone configuredTimeZone() const;
    void sendNfcTagIndication(uchar bin, bool on);
    HaccpData haccpEntry(int bin, const QString &productName, int elapsedSecs);

    // The clock tick's schedules: the NTP read cycle and the plugged-in
    // minutes (primary display).
    ClockTick m_clockTick;
    // NTP requests (primary display).
    bool m_ntpSocketConnected = false;
    QString m_ntpServerName = QStringLiteral("pool.ntp.org");
    quint16 m_ntpPort = 123;

    // The components, created in this order.
    FileID *m_fileId = nullptr;
    QQmlApplicationEngine *m_engine = nullptr;
    Translator *m_translator = nullptr;
    LanguageModel *m_languageModel = nullptr;
    VirtualKeyInput *m_vki = nullptr;
    CanThread *m_canThread = nullptr;
    CanbusManager *m_canbusManager = nullptr;
    SoundManager *m_soundManager = nullptr;
    QList<TempProbeStateManager *> m_tpsmList;
    QSerialPort *m_serialPort = nullptr;
    MasterIOSimuilator *m_ioSimulator = nullptr;
    NfcReaderSimulator *m_nfcSimulator1 = nullptr;
    NfcReaderSimulator *m_nfcSimulator2 = nullptr;
    QModbusMaster *m_modbusMaster = nullptr;
    KivErrorControllerT *m_errorController = nullptr;
    HaccpController *m_haccpController = nullptr;
    // The start this display logged for each bin's open hold (epoch
    // seconds), and the bins whose hold was cut short by a pan's away time:
    // their bar's remaining time was zeroed and no longer dates the hold.
    QHash<int, qint64> m_haccpStartSecs;
    QSet<int> m_haccpHoldCutShort;
    ConfigurationManager *m_configManager = nullptr;
    WifiMonitor *m_wifiMonitor = nullptr;
    SystemNetworkManager *m_systemNetworkManager = nullptr;
    MenuManager *m_menuManager = nullptr;
    DayPartManager *m_dayPartManager = nullptr;
    MasterSync *m_masterSync = nullptr;
    QList<ZoneManager *> m_zoneList;
    QList<TrayBarSc *> m_trayList;
    NFCmanager *m_nfcManager = nullptr;
    DADazodaru *m_cabinetNetwork = nullptr;
    HoldingExchange *m_holdingExchange = nullptr;
    MasterIoManager *m_masterIoManager = nullptr;
    QUdpSocket *m_ntpSocket = nullptr;
    TavolenProxy *m_menuImport = nullptr;
    PlatformInfo *m_platformInfo = nullptr;
    EolTesting *m_eolTesting = nullptr;
    KivDbusAdapter *m_dbusAdapter = nullptr;
    KivRiot *m_riot = nullptr;
    KivIotAgentAdapter *m_iotAgent = nullptr;
    QQmlApplicationEngine *m_nfcSimulatorView = nullptr;
    QList<StateTracer *> m_stateTracers; // only for machines named by "-trace(...)"
};

// The one cabinet core of the process, set by main before the event loop.
extern CabinetManager *cabinetManager;
