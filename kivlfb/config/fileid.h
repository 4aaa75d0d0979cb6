#pragma once

#include "config/ioboardtozone.h"
#include "config/nfcmap.h"
#include "config/nfcpollinfo.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The display's personality: the "*.hcc" file in the application directory
// that fixes this display's role, the cabinet layout, the hardware options
// and the feature switches. Every value is a property with its default until
// a file is read; the composition root copies what it needs from here.
class FileID : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int uiRole READ get_uiRole WRITE set_uiRole NOTIFY uiRoleChanged)
    Q_PROPERTY(int binsPerZone READ get_traysPerZone WRITE set_traysPerZone NOTIFY binsPerZoneChanged)
    Q_PROPERTY(int zonesPerRow READ get_zonesPerRow WRITE set_zonesPerRow NOTIFY zonesPerRowChanged)
    Q_PROPERTY(int numberOfRows READ get_numberOfRows WRITE set_numberOfRows NOTIFY numberOfRowsChanged)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones WRITE set_numberOfZones NOTIFY numberOfZonesChanged)
    Q_PROPERTY(bool hasMirrorDisplay READ get_hasMirrorDisplay WRITE set_hasMirrorDisplay NOTIFY hasMirrorDisplayChanged)
    Q_PROPERTY(bool hasSecondaryDisplay READ get_hasSecondaryDisplay WRITE set_hasSecondaryDisplay NOTIFY hasSecondaryDisplayChanged)
    Q_PROPERTY(int tempHandling READ get_tempHandling WRITE set_tempHandling NOTIFY tempHandlingChanged)
    Q_PROPERTY(int tempLayout READ get_tempLayout WRITE set_tempLayout NOTIFY tempLayoutChanged)
    Q_PROPERTY(bool isIndividualDpSelectable READ get_isIndividualDpSelectable WRITE set_isIndividualDpSelectable NOTIFY isIndividualDpSelectableChanged)
    Q_PROPERTY(bool singleColumnUnit READ get_singleColumnUnit WRITE set_singleColumnUnit NOTIFY singleColumnUnitChanged)
    Q_PROPERTY(bool nfcEnabled READ get_nfcEnabled WRITE set_nfcEnabled NOTIFY nfcEnabledChanged)
    Q_PROPERTY(bool iAmMaster READ get_iAmMaster WRITE set_iAmMaster NOTIFY iAmMasterChanged)
    Q_PROPERTY(bool mirrorDisplay READ get_mirrorDisplay WRITE set_mirrorDisplay NOTIFY mirrorDisplayChanged)
    Q_PROPERTY(bool orientationPortrait READ get_orientationPortrait WRITE set_orientationPortrait NOTIFY orientationPortraitChanged)
    Q_PROPERTY(int pressGoDockPosition READ get_pressGoDockPosition WRITE set_pressGoDockPosition NOTIFY pressGoDockPositionChanged)
    Q_PROPERTY(bool syncNeeded READ get_syncNeeded WRITE set_syncNeeded NOTIFY syncNeededChanged)
    Q_PROPERTY(int iosystemcfg READ get_iosystemcfg WRITE set_iosystemcfg NOTIFY iosystemcfgChanged)
    Q_PROPERTY(int zones2handle READ get_zones2handle WRITE set_zones2handle NOTIFY zones2handleChanged)
    Q_PROPERTY(int zones2handleStart READ get_zones2handleStart WRITE set_zones2handleStart NOTIFY zones2handleStartChanged)
    Q_PROPERTY(bool powerSourceChoice READ get_powerSourceChoice WRITE set_powerSourceChoice NOTIFY powerSourceChoiceChanged)
    Q_PROPERTY(int powerSource READ get_powerSource WRITE set_powerSource NOTIFY powerSourceChanged)
    Q_PROPERTY(bool hasFan READ get_hasFan WRITE set_hasFan NOTIFY hasFanChanged)
    Q_PROPERTY(int numOfTempProbes READ get_numOfTempProbes WRITE set_numOfTempProbes NOTIFY numOfTempProbesChanged)
    Q_PROPERTY(int zoneViewType READ get_zoneViewType WRITE set_zoneViewType NOTIFY zoneViewTypeChanged)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip WRITE set_verticalFlip NOTIFY verticalFlipChanged)
    Q_PROPERTY(int traysPerCabinet READ get_traysPerCabinet WRITE set_traysPerCabinet NOTIFY traysPerCabinetChanged)
    Q_PROPERTY(bool perBinTemps READ get_perBinTemps WRITE set_perBinTemps NOTIFY perBinTempsChanged)
    Q_PROPERTY(bool pressGoBannerEnable READ get_pressGoBannerEnable WRITE set_pressGoBannerEnable NOTIFY pressGoBannerEnableChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(bool tempRangeErrorDisable READ get_tempRangeErrorDisable WRITE set_tempRangeErrorDisable NOTIFY tempRangeErrorDisableChanged)
    Q_PROPERTY(int importedFileVersion READ get_importedFileVersion WRITE set_importedFileVersion NOTIFY versionChanged)
    Q_PROPERTY(int cabinetConfiguration READ get_cabinetConfiguration WRITE set_cabinetConfiguration NOTIFY cabinetConfigurationChanged)
    Q_PROPERTY(bool linkedUseFirst READ get_linkedUseFirst WRITE set_linkedUseFirst NOTIFY linkedUseFirstChanged)
    Q_PROPERTY(bool discardOption READ get_discardOption WRITE set_discardOption NOTIFY discardOptionChanged)
    Q_PROPERTY(int numIOBoards READ get_numIOBoards WRITE set_numIOBoards NOTIFY numIOBoardsChanged)
    Q_PROPERTY(int discardOptionType READ get_discardOptionType WRITE set_discardOptionType NOTIFY discardOptionTypeChanged)
    Q_PROPERTY(bool riotEnabled READ get_riotEnabled WRITE set_riotEnabled NOTIFY riotEnabledChanged)
    Q_PROPERTY(bool productIDDisplayEnable READ get_productIDDisplayEnable WRITE set_productIDDisplayEnable NOTIFY productIDDisplayEnableChanged)
    Q_PROPERTY(int topHeaterCurrent READ get_topHeaterCurrent WRITE set_topHeaterCurrent NOTIFY topHeaterCurrentChanged)
    Q_PROPERTY(int bottomHeaterCurrent READ get_bottomHeaterCurrent WRITE set_bottomHeaterCurrent NOTIFY bottomHeaterCurrentChanged)
    Q_PROPERTY(bool shelfNumbersEnable READ get_shelfNumbersEnable WRITE set_shelfNumbersEnable NOTIFY shelfNumbersEnableChanged)
    Q_PROPERTY(bool haccpDataCollection READ get_haccpDataCollection WRITE set_haccpDataCollection NOTIFY haccpDataCollectionChanged)
    Q_PROPERTY(int temperatureUnit READ get_temperatureUnit WRITE set_temperatureUnit NOTIFY temperatureUnitChanged)
    Q_PROPERTY(bool touchBasedTransfer READ get_touchBasedTransfer WRITE set_touchBasedTransfer NOTIFY touchBasedTransferChanged)
    Q_PROPERTY(int shelfNumberingOrder READ get_shelfNumberingOrder WRITE set_shelfNumberingOrder NOTIFY shelfNumberingOrderChanged)
    Q_PROPERTY(bool cleaningModeEnable READ get_cleaningModeEnable WRITE set_cleaningModeEnable NOTIFY cleaningModeEnableChanged)
    Q_PROPERTY(bool advancedZoneOptionsEnable READ get_advancedZoneOptionsEnable WRITE set_advancedZoneOptionsEnable NOTIFY advancedZoneOptionsEnableChanged)
    Q_PROPERTY(bool viewZoneTemperatureEnable READ get_viewZoneTemperatureEnable WRITE set_viewZoneTemperatureEnable NOTIFY viewZoneTemperatureEnableChanged)
    Q_PROPERTY(int topTempOffset READ get_topTempOffset WRITE set_topTempOffset NOTIFY topTempOffsetChanged)
    Q_PROPERTY(int bottomTempOffset READ get_bottomTempOffset WRITE set_bottomTempOffset NOTIFY bottomTempOffsetChanged)
    Q_PROPERTY(int topHeaterResistance READ get_topHeaterResistance WRITE set_topHeaterResistance NOTIFY topHeaterResistanceChanged)
    Q_PROPERTY(int bottomHeaterResistance READ get_bottomHeaterResistance WRITE set_bottomHeaterResistance NOTIFY bottomHeaterResistanceChanged)
    Q_PROPERTY(int maxCurrent READ get_maxCurrent WRITE set_maxCurrent NOTIFY maxCurrentChanged)
    Q_PROPERTY(int controlBoardType READ get_controlBoardType WRITE set_controlBoardType NOTIFY controlBoardTypeChanged)
    Q_PROPERTY(int startingShelfNumber READ get_startingShelfNumber WRITE set_startingShelfNumber NOTIFY startingShelfNumberChanged)
    Q_PROPERTY(int singleBinZone READ get_singleBinZone WRITE set_singleBinZone NOTIFY singleBinZoneChanged)
    Q_PROPERTY(int zoneNumberingOrder READ get_zoneNumberingOrder WRITE set_zoneNumberingOrder NOTIFY zoneNumberingOrderChanged)
    Q_PROPERTY(bool screenCleanModeEnable READ get_screenCleanModeEnable WRITE set_screenCleanModeEnable NOTIFY screenCleanModeEnableChanged)
    Q_PROPERTY(bool timerColorEnable READ get_timerColorEnable WRITE set_timerColorEnable NOTIFY timerColorEnableChanged)
    Q_PROPERTY(bool timerDecrementEnable READ get_timerDecrementEnable WRITE set_timerDecrementEnable NOTIFY timerDecrementEnableChanged)
    Q_PROPERTY(bool preferencesPageLock READ get_preferencesPageLock WRITE set_preferencesPageLock NOTIFY preferencesPageLockChanged)
    Q_PROPERTY(int customerId READ get_customerId WRITE set_customerId NOTIFY customerIdChanged)
    Q_PROPERTY(int exportFileVersion READ get_exportFileVersion CONSTANT)

public:
    // Files above this version carry keys this program does not know.
    static constexpr int HighestFileVersion = 9;

    explicit FileID(QObject *parent = nullptr);

    // Reads the personality file (a bare name is taken from the application
    // directory) and applies it. True when every step succeeded.
    bool readFileID(const QString &fileName);
    // The same over the file's bytes, with no file access: applies every key
    // it can and returns true only when nothing was missing.
    bool readFileIDData(const QByteArray &data);

    void setDefaultData();

    int get_uiRole() const { return m_uiRole; }
    int get_traysPerZone() const { return m_binsPerZone; }
    int get_zonesPerRow() const { return m_zonesPerRow; }
    int get_numberOfRows() const { return m_numberOfRows; }
    int get_numberOfZones() const { return m_numberOfZones; }
    bool get_hasMirrorDisplay() const { return m_hasMirrorDisplay; }
    bool get_hasSecondaryDisplay() const { return m_hasSecondaryDisplay; }
    int get_tempHandling() const { return m_tempHandling; }
    int get_tempLayout() const { return m_tempLayout; }
    bool get_isIndividualDpSelectable() const { return m_isIndividualDpSelectable; }
    bool get_singleColumnUnit() const { return m_singleColumnUnit; }
    bool get_nfcEnabled() const { return m_nfcEnabled; }
    bool get_iAmMaster() const { return m_iAmMaster; }
    bool get_mirrorDisplay() const { return m_mirrorDisplay; }
    bool get_orientationPortrait() const { return m_orientationPortrait; }
    int get_pressGoDockPosition() const { return m_pressGoDockPosition; }
    bool get_syncNeeded() const { return m_syncNeeded; }
    int get_iosystemcfg() const { return m_iosystemcfg; }
    int get_zones2handle() const { return m_zones2handle; }
    int get_zones2handleStart() const { return m_zones2handleStart; }
    bool get_powerSourceChoice() const { return m_powerSourceChoice; }
    int get_powerSource() const { return m_powerSource; }
    bool get_hasFan() const { return m_hasFan; }
    int get_numOfTempProbes() const { return m_numOfTempProbes; }
    int get_zoneViewType() const { return m_zoneViewType; }
    bool get_verticalFlip() const { return m_verticalFlip; }
    int get_traysPerCabinet() const { return m_traysPerCabinet; }
    bool get_perBinTemps() const { return m_perBinTemps; }
    bool get_pressGoBannerEnable() const { return m_pressGoBannerEnable; }
    int get_orientationId() const { return m_orientationId; }
    bool get_tempRangeErrorDisable() const { return m_tempRangeErrorDisable; }
    int get_importedFileVersion() const { return m_importedFileVersion; }
    int get_cabinetConfiguration() const { return m_cabinetConfiguration; }
    bool get_linkedUseFirst() const { return m_linkedUseFirst; }
    bool get_discardOption() const { return m_discardOption; }
    int get_numIOBoards() const { return m_numIOBoards; }
    int get_discardOptionType() const { return m_discardOptionType; }
    bool get_riotEnabled() const { return m_riotEnabled; }
    bool get_productIDDisplayEnable() const { return m_productIDDisplayEnable; }
    int get_topHeaterCurrent() const { return m_topHeaterCurrent; }
    int get_bottomHeaterCurrent() const { return m_bottomHeaterCurrent; }
    bool get_shelfNumbersEnable() const { return m_shelfNumbersEnable; }
    bool get_haccpDataCollection() const { return m_haccpDataCollection; }
    int get_temperatureUnit() const { return m_temperatureUnit; }
    bool get_touchBasedTransfer() const { return m_touchBasedTransfer; }
    int get_shelfNumberingOrder() const { return m_shelfNumberingOrder; }
    bool get_cleaningModeEnable() const { return m_cleaningModeEnable; }
    bool get_advancedZoneOptionsEnable() const { return m_advancedZoneOptionsEnable; }
    bool get_viewZoneTemperatureEnable() const { return m_viewZoneTemperatureEnable; }
    int get_topTempOffset() const { return m_topTempOffset; }
    int get_bottomTempOffset() const { return m_bottomTempOffset; }
    int get_topHeaterResistance() const { return m_topHeaterResistance; }
    int get_bottomHeaterResistance() const { return m_bottomHeaterResistance; }
    int get_maxCurrent() const { return m_maxCurrent; }
    int get_controlBoardType() const { return m_controlBoardType; }
    int get_startingShelfNumber() const { return m_startingShelfNumber; }
    int get_singleBinZone() const { return m_singleBinZone; }
    int get_zoneNumberingOrder() const { return m_zoneNumberingOrder; }
    bool get_screenCleanModeEnable() const { return m_screenCleanModeEnable; }
    bool get_timerColorEnable() const { return m_timerColorEnable; }
    bool get_timerDecrementEnable() const { return m_timerDecrementEnable; }
    bool get_preferencesPageLock() const { return m_preferencesPageLock; }
    int get_customerId() const { return m_customerId; }
    int get_exportFileVersion() const { return 2; }

    QList<int> *get_mio2uitMap() { return &m_mio2uitmap; }
    QList<int> *get_ui2mioZoneMap() { return &m_ui2mioZoneMap; }
    QList<int> *get_productLocationMap() { return &m_productLocationMap; }
    QList<int> *get_zoneMap() { return &m_zoneMap; }
    QList<int> *get_binTestTemps() { return &m_binTestTemps; }
    QList<IoBoardToZone> *get_ioBoardToZoneMap() { return &m_ioBoardToZoneMap; }

    NfcMap *get_nfcMap() { return &m_nfcMap; }
    // Fills the NFC map from the built-in layout of a UI id; an id without
    // one leaves the map as it is.
    void initNfcMap(int id);
    // Rebuilds the polling plan from the map; null while NFC is disabled.
    NfcPollInfo *get_nfcPollingInfo();

public slots:
    bool set_uiRole(int value);
    bool set_traysPerZone(int value);
    bool set_zonesPerRow(int value);
    bool set_numberOfRows(int value);
    bool set_numberOfZones(int value);
    bool set_hasMirrorDisplay(bool value);
    bool set_hasSecondaryDisplay(bool value);
    bool set_tempHandling(int value);
    bool set_tempLayout(int value);
    bool set_isIndividualDpSelectable(bool value);
    bool set_singleColumnUnit(bool value);
    bool set_nfcEnabled(bool value);
    bool set_iAmMaster(bool value);
    bool set_mirrorDisplay(bool value);
    bool set_orientationPortrait(bool value);
    bool set_pressGoDockPosition(int value);
    bool set_syncNeeded(bool value);
    bool set_iosystemcfg(int value);
    bool set_zones2handle(int value);
    bool set_zones2handleStart(int value);
    bool set_powerSourceChoice(bool value);
    bool set_powerSource(int value);
    bool set_hasFan(bool value);
    bool set_numOfTempProbes(int value);
    bool set_zoneViewType(int value);
    bool set_verticalFlip(bool value);
    bool set_traysPerCabinet(int value);
    bool set_perBinTemps(bool value);
    bool set_pressGoBannerEnable(bool value);
    bool set_orientationId(int value);
    bool set_tempRangeErrorDisable(bool value);
    bool set_importedFileVersion(int value);
    bool set_cabinetConfiguration(int value);
    bool set_linkedUseFirst(bool value);
    bool set_discardOption(bool value);
    bool set_numIOBoards(int value);
    bool set_discardOptionType(int value);
    bool set_riotEnabled(bool value);
    bool set_productIDDisplayEnable(bool value);
    bool set_topHeaterCurrent(int value);
    bool set_bottomHeaterCurrent(int value);
    bool set_shelfNumbersEnable(bool value);
    bool set_haccpDataCollection(bool value);
    bool set_temperatureUnit(int value);
    bool set_touchBasedTransfer(bool value);
    bool set_shelfNumberingOrder(int value);
    bool set_cleaningModeEnable(bool value);
    bool set_advancedZoneOptionsEnable(bool value);
    bool set_viewZoneTemperatureEnable(bool value);
    bool set_topTempOffset(int value);
    bool set_bottomTempOffset(int value);
    bool set_topHeaterResistance(int value);
    bool set_bottomHeaterResistance(int value);
    bool set_maxCurrent(int value);
    bool set_controlBoardType(int value);
    bool set_startingShelfNumber(int value);
    bool set_singleBinZone(int value);
    bool set_zoneNumberingOrder(int value);
    bool set_screenCleanModeEnable(bool value);
    bool set_timerColorEnable(bool value);
    bool set_timerDecrementEnable(bool value);
    bool set_preferencesPageLock(bool value);
    bool set_customerId(int value);

signals:
    void uiRoleChanged(int value);
    void binsPerZoneChanged(int value);
    void zonesPerRowChanged(int value);
    void numberOfRowsChanged(int value);
    void numberOfZonesChanged(int value);
    void hasMirrorDisplayChanged(bool value);
    void hasSecondaryDisplayChanged(bool value);
    void tempHandlingChanged(int value);
    void tempLayoutChanged(int value);
    void isIndividualDpSelectableChanged(bool value);
    void singleColumnUnitChanged(bool value);
    void nfcEnabledChanged(bool value);
    void iAmMasterChanged(bool value);
    void mirrorDisplayChanged(bool value);
    void orientationPortraitChanged(bool value);
    void pressGoDockPositionChanged(int value);
    void syncNeededChanged(bool value);
    void iosystemcfgChanged(int value);
    void zones2handleChanged(int value);
    void zones2handleStartChanged(int value);
    void powerSourceChoiceChanged(bool value);
    void powerSourceChanged(int value);
    void hasFanChanged(bool value);
    void numOfTempProbesChanged(int value);
    void zoneViewTypeChanged(int value);
    void verticalFlipChanged(bool value);
    void traysPerCabinetChanged(int value);
    void perBinTempsChanged(bool value);
    void pressGoBannerEnableChanged(bool value);
    void orientationIdChanged(int value);
    void tempRangeErrorDisableChanged(bool value);
    void versionChanged(int value);
    void cabinetConfigurationChanged(int value);
    void linkedUseFirstChanged(bool value);
    void discardOptionChanged(bool value);
    void numIOBoardsChanged(bool hasBoards);
    void discardOptionTypeChanged(int value);
    void riotEnabledChanged(bool value);
    void productIDDisplayEnableChanged(bool value);
    void topHeaterCurrentChanged(int value);
    void bottomHeaterCurrentChanged(int value);
    void shelfNumbersEnableChanged(bool value);
    void haccpDataCollectionChanged(bool value);
    void temperatureUnitChanged(int value);
    void touchBasedTransferChanged(bool value);
    void shelfNumberingOrderChanged(int value);
    void cleaningModeEnableChanged(bool value);
    void advancedZoneOptionsEnableChanged(bool value);
    void viewZoneTemperatureEnableChanged(bool value);
    void topTempOffsetChanged(int value);
    void bottomTempOffsetChanged(int value);
    void topHeaterResistanceChanged(int value);
    void bottomHeaterResistanceChanged(int value);
    void maxCurrentChanged(int value);
    void controlBoardTypeChanged(int value);
    void startingShelfNumberChanged(int value);
    void singleBinZoneChanged(int value);
    void zoneNumberingOrderChanged(int value);
    void screenCleanModeEnableChanged();
    void timerColorEnableChanged();
    void timerDecrementEnableChanged(bool value);
    void preferencesPageLockChanged(bool value);
    void customerIdChanged(int value);
    void mio2uitmapChanged();
    void ui2mioZoneMapChanged();
    void productLocationMapChanged();
    void zoneMapChanged();
    void binTestTempsChanged();
    void ioBoardToZoneMapChanged();

private:
    class KeyReader;
    void readIntList(KeyReader &reader, const char *key, QList<int> &list, void (FileID::*changed)(),
                     const char *logName = nullptr);
    void readIoBoardToZoneMap(KeyReader &reader);
    void readNfcMap(KeyReader &reader);
    void updateDerivedZoneCount(bool countUiRole);

    int m_uiRole = 0;
    int m_binsPerZone = 2;
    int m_zonesPerRow = 1;
    int m_numberOfRows = 5;
    int m_numberOfZones = 5;
    bool m_hasMirrorDisplay = false;
    bool m_hasSecondaryDisplay = false;
    int m_tempHandling = 0;
    int m_tempLayout = 0;
    bool m_isIndividualDpSelectable = true;
    bool m_singleColumnUnit = false;
    bool m_nfcEnabled = true;
    bool m_iAmMaster = false;
    bool m_mirrorDisplay = false;
    bool m_orientationPortrait = false;
    int m_pressGoDockPosition = 0;
    bool m_syncNeeded = false;
    int m_iosystemcfg = 6;
    int m_zones2handle = 0;
    int m_zones2handleStart = 0;
    bool m_powerSourceChoice = false;
    int m_powerSource = 120;
    bool m_hasFan = false;
    int m_numOfTempProbes = 0;
    int m_zoneViewType = 0;
    bool m_verticalFlip = false;
    int m_traysPerCabinet = 10;
    bool m_perBinTemps = false;
    bool m_pressGoBannerEnable = false;
    int m_orientationId = 0;
    bool m_tempRangeErrorDisable = false;
    int m_importedFileVersion = 0;
    int m_cabinetConfiguration = 10;
    bool m_linkedUseFirst = false;
    bool m_discardOption = false;
    int m_numIOBoards = 1;
    int m_discardOptionType = 0;
    bool m_riotEnabled = false;
    bool m_productIDDisplayEnable = false;
    int m_topHeaterCurrent = 0;
    int m_bottomHeaterCurrent = 0;
    bool m_shelfNumbersEnable = true;
    bool m_haccpDataCollection = false;
    int m_temperatureUnit = 0;
    bool m_touchBasedTransfer = false;
    int m_shelfNumberingOrder = 0;
    bool m_cleaningModeEnable = false;
    bool m_advancedZoneOptionsEnable = false;
    bool m_viewZoneTemperatureEnable = false;
    int m_topTempOffset = 0;
    int m_bottomTempOffset = 0;
    int m_topHeaterResistance = 0;
    int m_bottomHeaterResistance = 0;
    int m_maxCurrent = 0;
    int m_controlBoardType = 1;
    int m_startingShelfNumber = 1;
    int m_singleBinZone = 0;
    int m_zoneNumberingOrder = 0;
    bool m_screenCleanModeEnable = false;
    bool m_timerColorEnable = false;
    bool m_timerDecrementEnable = false;
    bool m_preferencesPageLock = false;
    int m_customerId = 0;

    QList<int> m_mio2uitmap;
    QList<int> m_ui2mioZoneMap;
    QList<int> m_productLocationMap;
    QList<int> m_zoneMap;
    QList<int> m_binTestTemps;
    QList<IoBoardToZone> m_ioBoardToZoneMap;
    NfcMap m_nfcMap;
    NfcPollInfo m_nfcPollInfo;
};
