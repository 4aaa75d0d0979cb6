#pragma once

#include "menus/tavolenrecords.h"

#include "statemachine/tarnstatemachine.h"

#include <QFileDevice>
#include <QHostAddress>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class CanbusManager;
class QFileSystemWatcher;
class QModbusMaster;
class QModbusPollInfo;
class QProcess;
class QStandardItemModel;

// The cabinet's one configuration store. Every user and service setting is a
// property (get_/set_/Changed); "config.txt" is read by setting each key as a
// property by name, so a setter carries the side effects of its setting.
// Defaults depend on the customer of the personality file.
//
// It is also the machine that, on the primary display, reads the stored
// settings, checks that the I/O board answers, writes the cabinet layout into
// it, reads its firmware versions, and then sends the power settings. Besides
// the machine it shares firmware and identity texts with the other displays.
//
// It also applies the network settings to the system (its network files and
// tools, every 20 s a read-back of the interfaces) and installs the
// cabinet's personality file from the preloaded sets or a USB flash drive;
// those parts live in configurationmanagernetwork.cpp and
// configurationmanagersetup.cpp.
//
// The parent is the cabinet core; the store reads the cabinet's facts
// (customer, layout, displays, power values) through its published
// properties.
class ConfigurationManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString serialNumber READ get_serialNumber WRITE set_serialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString modelNumber READ get_modelNumber WRITE set_modelNumber NOTIFY modelNumberChanged)
    Q_PROPERTY(QString storeNumber READ get_storeNumber WRITE set_storeNumber NOTIFY storeNumberChanged)
    Q_PROPERTY(QString uuidNumber READ get_uuidNumber WRITE set_uuidNumber)
    Q_PROPERTY(bool systemConfigured READ get_systemConfigured WRITE set_systemConfigured NOTIFY systemConfiguredChanged)
    Q_PROPERTY(QString theOtherUiFwVersion READ get_theOtherUiFwVersion WRITE set_theOtherUiFwVersion NOTIFY theOtherUiFwVersionChanged)
    Q_PROPERTY(QString ioBoardFirmwareVersion0 READ get_ioBoardFirmwareVersion0 WRITE set_ioBoardFirmwareVersion0 NOTIFY ioBoardFirmwareVersion0Changed)
    Q_PROPERTY(QString ioBoardFirmwareVersion1 READ get_ioBoardFirmwareVersion1 WRITE set_ioBoardFirmwareVersion1 NOTIFY ioBoardFirmwareVersion1Changed)
    Q_PROPERTY(QString ioBoardFirmwareVersion2 READ get_ioBoardFirmwareVersion2 WRITE set_ioBoardFirmwareVersion2 NOTIFY ioBoardFirmwareVersion2Changed)
    Q_PROPERTY(QString ioBoardFirmwareVersion3 READ get_ioBoardFirmwareVersion3 WRITE set_ioBoardFirmwareVersion3 NOTIFY ioBoardFirmwareVersion3Changed)
    Q_PROPERTY(QString ioBoardFirmwareVersion4 READ get_ioBoardFirmwareVersion4 WRITE set_ioBoardFirmwareVersion4 NOTIFY ioBoardFirmwareVersion4Changed)
    Q_PROPERTY(QString readerFirmwareVersion1 READ get_readerFirmwareVersion1 WRITE set_readerFirmwareVersion1 NOTIFY readerFirmwareVersion1Changed)
    Q_PROPERTY(QString readerFirmwareVersion2 READ get_readerFirmwareVersion2 WRITE set_readerFirmwareVersion2 NOTIFY readerFirmwareVersion2Changed)
    Q_PROPERTY(int cabinetConfiguration READ get_cabinetConfiguration WRITE set_cabinetConfiguration NOTIFY cabinetConfigurationChanged)
    Q_PROPERTY(QString iotSoftwareVersion READ get_iotSoftwareVersion WRITE set_iotSoftwareVersion NOTIFY iotSoftwareVersionChanged)
    Q_PROPERTY(QString iotSdkVersion READ get_iotSdkVersion WRITE set_iotSdkVersion NOTIFY iotSdkVersionChanged)
    Q_PROPERTY(bool staticIPEnabled READ get_staticIPEnabled WRITE set_staticIPEnabled NOTIFY staticIPEnabledChanged)
    Q_PROPERTY(int networkMode READ get_networkMode WRITE set_networkMode NOTIFY networkModeChanged)
    Q_PROPERTY(QString ipAddress READ get_ipAddress WRITE set_ipAddress NOTIFY ipAddressChanged)
    Q_PROPERTY(QString netmask READ get_netmask WRITE set_netmask NOTIFY netmaskChanged)
    Q_PROPERTY(QString gateway READ get_gateway WRITE set_gateway NOTIFY gatewayChanged)
    Q_PROPERTY(QString interfaceName READ get_interfaceName WRITE set_interfaceName NOTIFY interfaceNameChanged)
    Q_PROPERTY(QString macAddress READ get_macAddress WRITE set_macAddress NOTIFY macAddressChanged)
    Q_PROPERTY(QString wifiSSID READ get_wifiSSID WRITE set_wifiSSID NOTIFY wifiSSIDChanged)
    Q_PROPERTY(QString wifiPassword READ get_wifiPassword WRITE set_wifiPassword NOTIFY wifiPasswordChanged)
    Q_PROPERTY(QString wifiSSIDRestore READ get_wifiSSIDRestore WRITE set_wifiSSIDRestore NOTIFY wifiSSIDRestoreChanged)
    Q_PROPERTY(QString wifiPasswordRestore READ get_wifiPasswordRestore WRITE set_wifiPasswordRestore NOTIFY wifiPasswordRestoreChanged)
    Q_PROPERTY(QString wifiIdentity READ get_wifiIdentity WRITE set_wifiIdentity NOTIFY wifiIdentityChanged)
    Q_PROPERTY(bool wpaEnabled READ get_wpaEnabled WRITE set_wpaEnabled NOTIFY wpaEnabledChanged)
    Q_PROPERTY(bool wifiStaticIp READ get_wifiStaticIp WRITE set_wifiStaticIp NOTIFY wifiStaticIpChanged)
    Q_PROPERTY(QString wifiIpAddr READ get_wifiIpAddr WRITE set_wifiIpAddr NOTIFY wifiIpAddrChanged)
    Q_PROPERTY(QString wifiNetmask READ get_wifiNetmask WRITE set_wifiNetmask NOTIFY wifiNetmaskChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)
    Q_PROPERTY(QString wifiInterfaceName READ get_wifiInterfaceName WRITE set_wifiInterfaceName NOTIFY wifiInterfaceNameChanged)
    Q_PROPERTY(QString wifiBroadcast READ get_wifiBroadcast WRITE set_wifiBroadcast NOTIFY wifiBroadcastChanged)
    Q_PROPERTY(QString ethBroadcast READ get_ethBroadcast WRITE set_ethBroadcast NOTIFY ethBroadcastChanged)
    Q_PROPERTY(bool wifiEnabled READ get_wifiEnabled WRITE set_wifiEnabled NOTIFY wifiEnabledChanged)
    Q_PROPERTY(bool ethEnabled READ get_ethEnabled WRITE set_ethEnabled NOTIFY ethEnabledChanged)
    Q_PROPERTY(bool productsEditEnabled READ get_productsEditEnabled WRITE set_productsEditEnabled NOTIFY productsEditEnabledChanged)
    Q_PROPERTY(QString iotType READ get_iotType WRITE set_iotType NOTIFY iotTypeChanged)
    Q_PROPERTY(bool iotConnected READ get_iotConnected WRITE set_iotConnected NOTIFY iotConnectedChanged)
    Q_PROPERTY(int screenOrientation READ get_screenOrientation WRITE set_screenOrientation NOTIFY screenOrientationChanged)
    Q_PROPERTY(bool useFirstEnabled READ get_useFirstEnabled WRITE set_useFirstEnabled NOTIFY useFirstEnabledChanged)
    Q_PROPERTY(int tempUnit READ get_tempUnit WRITE set_tempUnit NOTIFY tempUnitChanged)
    Q_PROPERTY(bool splitViewEnabled READ get_splitViewEnabled WRITE set_splitViewEnabled NOTIFY splitViewEnabledChanged)
    Q_PROPERTY(bool groupDotsEnabled READ get_groupDotsEnabled WRITE set_groupDotsEnabled NOTIFY groupDotsEnabledChanged)
    Q_PROPERTY(int prodNameLength READ get_prodNameLength WRITE set_prodNameLength NOTIFY prodNameLengthChanged)
    Q_PROPERTY(QString usbPath READ get_usbPath WRITE set_usbPath NOTIFY usbPathChanged)
    Q_PROPERTY(QString localPath READ get_localPath WRITE set_localPath NOTIFY localPathChanged)
    Q_PROPERTY(int labelFontSize READ get_labelFontSize WRITE set_labelFontSize NOTIFY labelFontSizeChanged)
    Q_PROPERTY(bool individualDPEnabled READ get_individualDPEnabled WRITE set_individualDPEnabled NOTIFY individualDPEnabledChanged)
    Q_PROPERTY(QString passwdL1 READ get_passwdL1 WRITE set_passwdL1 NOTIFY passwdL1Changed)
    Q_PROPERTY(QString passwdL2 READ get_passwdL2 WRITE set_passwdL2 NOTIFY passwdL2Changed)
    Q_PROPERTY(QString passwdL3 READ get_passwdL3 WRITE set_passwdL3 NOTIFY passwdL3Changed)
    Q_PROPERTY(QString passwdL4 READ get_passwdL4 WRITE set_passwdL4 NOTIFY passwdL4Changed)
    Q_PROPERTY(QString languageId READ get_languageId WRITE set_languageId NOTIFY languageIdChanged)
    Q_PROPERTY(bool demoModeFlag READ get_demoModeFlag WRITE set_demoModeFlag NOTIFY demoModeFlagChanged)
    Q_PROPERTY(bool timeFormatAMPM READ get_timeFormatAMPM WRITE set_timeFormatAMPM NOTIFY timeFormatAMPMChanged)
    Q_PROPERTY(bool dstEnabled READ get_dstEnabled WRITE set_dstEnabled NOTIFY dstEnabledChanged)
    Q_PROPERTY(bool ntpOn READ get_ntpOn WRITE set_ntpOn NOTIFY ntpOnChanged)
    Q_PROPERTY(int timeZoneIndex READ get_timeZoneIndex WRITE set_timeZoneIndex NOTIFY timeZoneIndexChanged)
    Q_PROPERTY(QString wifiScanString READ get_wifiScanString WRITE set_wifiScanString NOTIFY wifiScanStringChanged)
    Q_PROPERTY(int cabinetIndex READ getCabinetIndex WRITE setCabinetIndex NOTIFY cabinetIndexChanged)
    Q_PROPERTY(int cabinetNameIndex READ getCabinetNameIndex WRITE setCabinetNameIndex NOTIFY cabinetNameIndexChanged)
    Q_PROPERTY(QString productsHashCode READ get_productsHashCode WRITE set_productsHashCode NOTIFY productsHashCodeChanged)
    Q_PROPERTY(QString productsHashCodeTs READ get_productsHashCodeTs WRITE set_productsHashCodeTs NOTIFY productsHashCodeTsChanged)
    Q_PROPERTY(QString importedMenu READ get_importedMenu WRITE set_importedMenu NOTIFY importedMenuChanged)
    Q_PROPERTY(int soundLevel READ get_soundLevel WRITE set_soundLevel NOTIFY soundLevelChanged)
    Q_PROPERTY(int powerSource READ get_powerSource WRITE set_powerSource NOTIFY powerSourceChanged)
    Q_PROPERTY(QString menuBarColor READ get_menuBarColor WRITE set_menuBarColor NOTIFY menuBarColorChanged)
    Q_PROPERTY(int performanceDataInterval READ get_performanceDataInterval WRITE set_performanceDataInterval NOTIFY performanceDataIntervalChanged)
    Q_PROPERTY(QString firmwareVersion READ get_firmwareVersion WRITE set_firmwareVersion NOTIFY firmwareVersionChanged)
    Q_PROPERTY(bool productDiscardFlash READ get_productDiscardFlash WRITE set_productDiscardFlash NOTIFY productDiscardFlashChanged)
    Q_PROPERTY(uint usedLanguages READ get_usedLanguages WRITE set_usedLanguages NOTIFY usedLanguagesChanged)
    Q_PROPERTY(int ecoShelfHeatMode READ get_ecoShelfHeatMode WRITE set_ecoShelfHeatMode NOTIFY ecoShelfHeatModeChanged)
    Q_PROPERTY(int ecoShelfHeatTemp READ get_ecoShelfHeatTemp WRITE set_ecoShelfHeatTemp NOTIFY ecoShelfHeatTempChanged)
    Q_PROPERTY(int ecoActivateMode READ get_ecoActivateMode WRITE set_ecoActivateMode NOTIFY ecoActivateModeChanged)
    Q_PROPERTY(int ecoActivateTimeout READ get_ecoActivateTimeout WRITE set_ecoActivateTimeout NOTIFY ecoActivateTimeoutChanged)
    Q_PROPERTY(int screenCleanActive READ get_screenCleanActive WRITE set_screenCleanActive NOTIFY screenCleanActiveChanged)
    Q_PROPERTY(int screenCleanTimeout READ get_screenCleanTimeout WRITE set_screenCleanTimeout NOTIFY screenCleanTimeoutChanged)
    Q_PROPERTY(bool timerColorStatus READ get_timerColorStatus WRITE set_timerColorStatus NOTIFY timerColorStatusChanged)
    Q_PROPERTY(bool advancedZoneOptionsEnable READ get_advancedZoneOptionsEnable WRITE set_advancedZoneOptionsEnable NOTIFY advancedZoneOptionsEnableChanged)
    Q_PROPERTY(bool networkSettingsUpdated READ get_networkSettingsUpdated WRITE set_networkSettingsUpdated NOTIFY networkSettingsUpdatedChanged)
    Q_PROPERTY(bool panMessagesEnable READ get_panMessagesEnable WRITE set_panMessagesEnable NOTIFY panMessagesEnableChanged)
    Q_PROPERTY(bool universalPanSoundEnable READ get_universalPanSoundEnable WRITE set_universalPanSoundEnable NOTIFY universalPanSoundEnableChanged)
    Q_PROPERTY(QString customerIdStr READ get_customerIdStr WRITE set_customerIdStr NOTIFY customerIdStrChanged)
    Q_PROPERTY(QString selectedCustomConfig READ get_selectedCustomConfig WRITE set_selectedCustomConfig NOTIFY selectedCustomConfigChanged)
    Q_PROPERTY(int discardDurationEnabled READ get_discardDurationEnabled WRITE set_discardDurationEnabled NOTIFY discardDurationEnabledChanged)
    Q_PROPERTY(int discardSoundDuration READ get_discardSoundDuration WRITE set_discardSoundDuration NOTIFY discardSoundDurationChanged)
    Q_PROPERTY(QString menuVersion READ get_menuVersion WRITE set_menuVersion NOTIFY menuVersionChanged)
    Q_PROPERTY(QString menuDescription READ get_menuDescription WRITE set_menuDescription NOTIFY menuDescriptionChanged)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip WRITE set_verticalFlip NOTIFY verticalFlipChanged)
public:
    // The cabinet layout the I/O board is told to drive.
    enum CabinetConf_enum {
        KIV_CONF_2X2 = 0,
        KIV_CONF_2X3 = 1,
        KIV_CONF_2X4 = 2,
        KIV_CONF_3X4 = 3,
        KIV_CONF_4X4 = 4,
        KIV_CONF_5X2 = 5,
        KIV_CONF_5X4 = 6,
        KIV_CONF_MAX = 7,
        KIV_CONF_INVALID = -1,
    };
    Q_ENUM(CabinetConf_enum)

    enum NetworkMode_enum {
        NETWORK_MODE_ETH = 0,
        NETWORK_MODE_WIFI = 1,
        NETWORK_MODE_MAX = 2,
    };
    Q_ENUM(NetworkMode_enum)

    // The application's own firmware version.
    static const char kFirmwareVersion[];
    // The keys of "config.txt", in the order they are written.
    static const QList<QByteArray> &configFileKeys();
    // A board firmware version: bits 16-23, 8-15 and 0-7 as "a.b.c".
    static QString getVersionString(uint version);

    // orientationId is kept as given and not used further. parent is the
    // cabinet core.
    ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager, bool iAmMaster,
                         int orientationId, QObject *parent);

    int get_orientationId() const { return m_orientationId; }
    QString get_prevPasswdL1() const { return m_prevPasswdL1; }
    QString get_prevLanguageId() const { return m_prevLanguageId; }
    QStandardItemModel *get_timeZonesModel() const { return m_timeZonesModel; }

    QString get_serialNumber() const { return m_serialNumber; }
    QString get_modelNumber() const { return m_modelNumber; }
    QString get_storeNumber() const { return m_storeNumber; }
    QString get_uuidNumber() const { return m_uuidNumber; }
    bool get_systemConfigured() const { return m_systemConfigured; }
    QString get_theOtherUiFwVersion() const { return m_theOtherUiFwVersion; }
    QString get_ioBoardFirmwareVersion0() const { return m_ioBoardFirmwareVersion0; }
    QString get_ioBoardFirmwareVersion1() const { return m_ioBoardFirmwareVersion1; }
    QString get_ioBoardFirmwareVersion2() const { return m_ioBoardFirmwareVersion2; }
    QString get_ioBoardFirmwareVersion3() const { return m_ioBoardFirmwareVersion3; }
    QString get_ioBoardFirmwareVersion4() const { return m_ioBoardFirmwareVersion4; }
    QString get_readerFirmwareVersion1() const { return m_readerFirmwareVersion1; }
    QString get_readerFirmwareVersion2() const { return m_readerFirmwareVersion2; }
    int get_cabinetConfiguration() const { return m_cabinetConfiguration; }
    QString get_iotSoftwareVersion() const { return m_iotSoftwareVersion; }
    QString get_iotSdkVersion() const { return m_iotSdkVersion; }
    bool get_staticIPEnabled() const { return m_staticIPEnabled; }
    int get_networkMode() const { return m_networkMode; }
    QString get_ipAddress() const { return addressText(m_ipAddress); }
    QString get_netmask() const { return addressText(m_netmask); }
    QString get_gateway() const { return addressText(m_gateway); }
    QString get_interfaceName() const { return m_interfaceName; }
    QString get_macAddress() const { return m_macAddress; }
    QString get_wifiSSID() const { return m_wifiSSID; }
    QString get_wifiPassword() const { return m_wifiPassword; }
    QString get_wifiSSIDRestore() const { return m_wifiSSIDRestore; }
    QString get_wifiPasswordRestore() const { return m_wifiPasswordRestore; }
    QString get_wifiIdentity() const { return m_wifiIdentity; }
    bool get_wpaEnabled() const { return m_wpaEnabled; }
    bool get_wifiStaticIp() const { return m_wifiStaticIp; }
    QString get_wifiIpAddr() const { return addressText(m_wifiIpAddr); }
    QString get_wifiNetmask() const { return addressText(m_wifiNetmask); }
    QString get_wifiGateway() const { return addressText(m_wifiGateway); }
    QString get_wifiInterfaceName() const { return m_wifiInterfaceName; }
    QString get_wifiBroadcast() const { return m_wifiBroadcast; }
    QString get_ethBroadcast() const { return m_ethBroadcast; }
    bool get_wifiEnabled() const { return m_wifiEnabled; }
    bool get_ethEnabled() const { return m_ethEnabled; }
    bool get_productsEditEnabled() const { return m_productsEditEnabled; }
    QString get_iotType() const { return m_iotType; }
    bool get_iotConnected() const { return m_iotConnected; }
    int get_screenOrientation() const { return m_screenOrientation; }
    bool get_useFirstEnabled() const { return m_useFirstEnabled; }
    int get_tempUnit() const { return m_tempUnit; }
    bool get_splitViewEnabled() const { return m_splitViewEnabled; }
    bool get_groupDotsEnabled() const { return m_groupDotsEnabled; }
    int get_prodNameLength() const { return m_prodNameLength; }
    QString get_usbPath() const { return m_usbPath; }
    QString get_localPath() const { return m_localPath; }
    int get_labelFontSize() const { return m_labelFontSize; }
    bool get_individualDPEnabled() const { return m_individualDPEnabled; }
    QString get_passwdL1() const { return m_passwdL1; }
    QString get_passwdL2() const { return m_passwdL2; }
    QString get_passwdL3() const { return m_passwdL3; }
    QString get_passwdL4() const { return m_passwdL4; }
    // The screens call it.
    Q_INVOKABLE QString get_languageId() const { return m_languageId; }
    bool get_demoModeFlag() const { return m_demoModeFlag; }
    bool get_timeFormatAMPM() const { return m_timeFormatAMPM; }
    bool get_dstEnabled() const { return m_dstEnabled; }
    bool get_ntpOn() const { return m_ntpOn; }
    int get_timeZoneIndex() const { return m_timeZoneIndex; }
    QString get_wifiScanString() const { return m_wifiScanString; }
    int getCabinetIndex() const { return m_cabinetIndex; }
    int getCabinetNameIndex() const { return m_cabinetNameIndex; }
    QString get_productsHashCode() const { return m_productsHashCode; }
    QString get_productsHashCodeTs() const { return m_productsHashCodeTs; }
    QString get_importedMenu() const { return m_importedMenu; }
    int get_soundLevel() const { return m_soundLevel; }
    int get_powerSource() const { return m_powerSource; }
    QString get_menuBarColor() const { return m_menuBarColor; }
    int get_performanceDataInterval() const { return m_performanceDataInterval; }
    QString get_firmwareVersion() const { return m_firmwareVersion; }
    bool get_productDiscardFlash() const;
    uint get_usedLanguages() const { return m_usedLanguages; }
    int get_ecoShelfHeatMode() const { return m_ecoShelfHeatMode; }
    int get_ecoShelfHeatTemp() const { return m_ecoShelfHeatTemp; }
    int get_ecoActivateMode() const { return m_ecoActivateMode; }
    int get_ecoActivateTimeout() const { return m_ecoActivateTimeout; }
    int get_screenCleanActive() const { return m_screenCleanActive; }
    int get_screenCleanTimeout() const { return m_screenCleanTimeout; }
    bool get_timerColorStatus() const { return m_timerColorStatus; }
    bool get_advancedZoneOptionsEnable() const { return m_advancedZoneOptionsEnable; }
    bool get_networkSettingsUpdated() const { return m_networkSettingsUpdated; }
    bool get_panMessagesEnable() const { return m_panMessagesEnable; }
    bool get_universalPanSoundEnable() const { return m_universalPanSoundEnable; }
    QString get_customerIdStr() const { return m_customerIdStr; }
    QString get_selectedCustomConfig() const { return m_selectedCustomConfig; }
    int get_discardDurationEnabled() const { return m_discardDurationEnabled; }
    int get_discardSoundDuration() const { return m_discardSoundDuration; }
    QString get_menuVersion() const { return m_menuVersion; }
    QString get_menuDescription() const { return m_menuDescription; }
    bool get_verticalFlip() const { return m_verticalFlip; }

    // The subnet the cabinet talks on: Ethernet's while Ethernet is enabled,
    // else Wi-Fi's while Wi-Fi is; none while both are off.
    struct Subnet {
        QString broadcast;
        QString ownAddress;
    };
    std::optional<Subnet> activeSubnet() const;

public slots:
    void set_serialNumber(const QString &value);
    void set_modelNumber(const QString &value);
    void set_storeNumber(const QString &value);
    void set_uuidNumber(const QString &value);
    void set_systemConfigured(bool value);
    void set_theOtherUiFwVersion(const QString &value);
    void set_ioBoardFirmwareVersion0(const QString &value);
    void set_ioBoardFirmwareVersion1(const QString &value);
    void set_ioBoardFirmwareVersion2(const QString &value);
    void set_ioBoardFirmwareVersion3(const QString &value);
    void set_ioBoardFirmwareVersion4(const QString &value);
    void set_readerFirmwareVersion1(const QString &value);
    void set_readerFirmwareVersion2(const QString &value);
    void set_cabinetConfiguration(int value);
    void set_iotSoftwareVersion(const QString &value);
    void set_iotSdkVersion(const QString &value);
    void set_staticIPEnabled(bool value);
    void set_networkMode(int value);
    void set_ipAddress(const QString &value);
    void set_netmask(const QString &value);
    void set_gateway(const QString &value);
    void set_interfaceName(const QString &value);
    void set_macAddress(const QString &value);
    void set_wifiSSID(const QString &value);
    void set_wifiPassword(const QString &value);
    void set_wifiSSIDRestore(const QString &value);
    void set_wifiPasswordRestore(const QString &value);
    void set_wifiIdentity(const QString &value);
    void set_wpaEnabled(bool value);
    void set_wifiStaticIp(bool value);
    void set_wifiIpAddr(const QString &value);
    void set_wifiNetmask(const QString &value);
    void set_wifiGateway(const QString &value);
    void set_wifiInterfaceName(const QString &value);
    void set_wifiBroadcast(const QString &value);
    void set_ethBroadcast(const QString &value);
    void set_wifiEnabled(bool value);
    void set_ethEnabled(bool value);
    void set_productsEditEnabled(bool value);
    void set_iotType(const QString &value);
    void set_iotConnected(bool value);
    void set_screenOrientation(int value);
    void set_useFirstEnabled(bool value);
    void set_tempUnit(int value);
    void set_splitViewEnabled(bool value);
    void set_groupDotsEnabled(bool value);
    void set_prodNameLength(int value);
    void set_usbPath(const QString &value);
    void set_localPath(const QString &value);
    void set_labelFontSize(int value);
    void set_individualDPEnabled(bool value);
    void set_passwdL1(const QString &value);
    void set_passwdL2(const QString &value);
    void set_passwdL3(const QString &value);
    void set_passwdL4(const QString &value);
    void set_languageId(const QString &value);
    void set_demoModeFlag(bool value);
    void set_timeFormatAMPM(bool value);
    void set_dstEnabled(bool value);
    void set_ntpOn(bool value);
    void set_timeZoneIndex(int value);
    void set_wifiScanString(const QString &value);
    void setCabinetIndex(int value);
    void setCabinetNameIndex(int value);
    void set_productsHashCode(const QString &value);
    void set_productsHashCodeTs(const QString &value);
    void set_importedMenu(const QString &value);
    void set_soundLevel(int value);
    void set_powerSource(int value);
    void set_menuBarColor(const QString &value);
    void set_performanceDataInterval(int value);
    void set_firmwareVersion(const QString &value);
    void set_productDiscardFlash(bool value);
    void set_usedLanguages(uint value);
    void set_ecoShelfHeatMode(int value);
    void set_ecoShelfHeatTemp(int value);
    void set_ecoActivateMode(int value);
    void set_ecoActivateTimeout(int value);
    void set_screenCleanActive(int value);
    void set_screenCleanTimeout(int value);
    void set_timerColorStatus(bool value);
    void set_advancedZoneOptionsEnable(bool value);
    void set_networkSettingsUpdated(bool value);
    void set_panMessagesEnable(bool value);
    void set_universalPanSoundEnable(bool value);
    void set_customerIdStr(const QString &value);
    void set_selectedCustomConfig(const QString &value);
    void set_discardDurationEnabled(int value);
    void set_discardSoundDuration(int value);
    void set_menuVersion(const QString &value);
    void set_menuDescription(const QString &value);
    void set_verticalFlip(bool value);
    // "config.txt" and the framework's settings store.
    void saveConfigFile();
    void readConfigFile();
    void setValue(const QString &key, const QVariant &value);
    QVariant value(const QString &key, const QVariant &defaultValue) const;
    QVariant value(const QString &key) const;

    QString getCabinetName() const;
    void setCabinetName(const QString &name);
    int get_doubleSided() const { return m_doubleSided; }
    void set_doubleSided(int value) { m_doubleSided = value; }
    int get_selectedDisplaySide() const { return m_selectedDisplaySide; }
    void set_selectedDisplaySide(int value) { m_selectedDisplaySide = value; }

    // The configuration block of an imported binary menu file: language,
    // options and the products hash; saved and sent to the other displays.
    void processTavolenConfigData(Configuration_t data);
    void processImportedMenu(const QString &name, const QString &version, const QString &description);
    void saveProductsHashCodeTs(const QString &ignored);

    // I/O board set-up and what the displays share over CAN.
    void sendPowerSource();
    void sendPowerControlInfo();
    void writeIoBoardConfiguration();
    void readIoBoardsFirmwareVersions();
    void sendFwInfoViaCanbus();
    void sendFwInfoToSlaves(const QString &ignored);
    void sendSerialModelNumbersViaCanbus(const QString &ignored);
    void sendStoreNumberViaCanbus(const QString &ignored, const QString &ignoredPrevious);
    void sendSerialModelNumbersToSlave();
    void sendFirmwareVersionViaCanbus();

    // Access codes, colours, languages and time zones for the settings screens.
    QString encryptString(const QString &text) const;
    // Puts the manager's PIN back to the customer's default, saves it and
    // reports it with passcodeChanged.
    void resetPasswdL1();
    double colorGetHueF(const QString &colorName) const;
    double colorGetSatF(const QString &colorName) const;
    double colorGetLumF(const QString &colorName) const;
    QString colorFromHsv(double h, double s, double v) const;
    bool getIsLanguageUsed(int id) const;
    void setLanguageIsUsed(int id, bool used);
    int getNextLanguageId() const;
    int getNextLanguageId(int id) const;
    void loadTimeZonesInfo();
    QString getTimeZoneName(int index) const;
    QString getCurrentTimeZoneId() const;

    // Network set-up files and commands.
    void reLoadNetworkDeviceConfig();
    void loadNetworkDeviceConfig(int netMode);
    void loadSystemNetworkConfig();
    void reconfigureNetworkDevices();
    void wpaSupplicantUpdate();
    void reconfigureNetwork(bool staticIp);
    void processIPConfigChange(bool staticIp);
    void restartWifiNetwork();
    void restartWifiNetworkRIoT();
    void ifdownWifi();
    void ifupWifi();
    void ifdownEth0();
    void ifupEth0();
    void wpaSupplicantReconfigure();
    void scanWifi();
    void initializeRiotWifiConnection();
    void resetToDefaultNetwork();
    void deleteNetworkCertificate();

    // Identity, IoT and update drop files.
    void saveCabinetSerialModelNumbers();
    void loadCabinetSerialModelNumbers();
    void readIotConfigFile();
    void watchForIotSerialModelNumberFile();
    void processIotSerialModelNumber(const QString &dirPath);
    void checkFirmwareUpdateDone();

    // Preloaded configurations and USB set-up.
    QStringList get_customConfigs() const;
    QStringList get_customConfigModels() const;
    int get_configDisplaysCount(const QString &model) const;
    bool get_configDisplaysLeftRight(const QString &model) const;
    bool validateModelNumber(const QString &model) const;
    QString getConfigFileName(const QString &model) const;
    void setConfigurationFile();
    void resetConfiguration();
    QString getConfigCustomerName(const QString &customerNumber) const;
    bool setConfigFromUsb(const QJsonObject &request);

    // States.
    void disabled_onEntry();
    void disabled_onExit() {}
    void enabled_onEntry() {}
    void enabled_onExit() {}
    void unconfigured_onEntry() {}
    void unconfigured_onExit() {}
    void readConfiguration_onEntry();
    void readConfiguration_onExit() {}
    void detectConfiguration_onEntry();
    void detectConfiguration_onExit() {}
    void configured_onEntry();
    void configured_onExit() {}

signals:
    void serialNumberChanged(QString value);
    void modelNumberChanged(QString value);
    void storeNumberChanged(QString value, QString previous);
    void systemConfiguredChanged(bool value);
    void theOtherUiFwVersionChanged(QString value);
    void ioBoardFirmwareVersion0Changed(QString value);
    void ioBoardFirmwareVersion1Changed(QString value);
    void ioBoardFirmwareVersion2Changed(QString value);
    void ioBoardFirmwareVersion3Changed(QString value);
    void ioBoardFirmwareVersion4Changed(QString value);
    void readerFirmwareVersion1Changed(QString value);
    void readerFirmwareVersion2Changed(QString value);
    void cabinetConfigurationChanged(int value);
    void iotSoftwareVersionChanged(QString value);
    void iotSdkVersionChanged(QString value);
    void staticIPEnabledChanged(bool value);
    void networkModeChanged(int value);
    void ipAddressChanged(QString value);
    void netmaskChanged(QString value);
    void gatewayChanged(QString value);
    void interfaceNameChanged(QString value);
    void macAddressChanged(QString value);
    void wifiSSIDChanged(QString value);
    void wifiPasswordChanged(QString value);
    void wifiSSIDRestoreChanged(QString value);
    void wifiPasswordRestoreChanged(QString value);
    void wifiIdentityChanged(QString value);
    void wpaEnabledChanged(bool value);
    void wifiStaticIpChanged(bool value);
    void wifiIpAddrChanged(QString value);
    void wifiNetmaskChanged(QString value);
    void wifiGatewayChanged(QString value);
    void wifiInterfaceNameChanged(QString value);
    void wifiBroadcastChanged(QString value);
    void ethBroadcastChanged(QString value);
    void wifiEnabledChanged(bool value);
    void ethEnabledChanged(bool value);
    void productsEditEnabledChanged(bool value);
    void iotTypeChanged(QString value);
    void iotConnectedChanged(bool value);
    void screenOrientationChanged(bool rotated);
    void useFirstEnabledChanged(bool value);
    void tempUnitChanged(int value);
    void splitViewEnabledChanged(bool value);
    void groupDotsEnabledChanged(bool value);
    void prodNameLengthChanged(int value);
    void usbPathChanged(QString value);
    void localPathChanged(QString value);
    void labelFontSizeChanged(int value);
    void individualDPEnabledChanged(bool value);
    void passwdL1Changed(QString value);
    void passwdL2Changed(QString value);
    void passwdL3Changed(QString value);
    void passwdL4Changed(QString value);
    void languageIdChanged(QString value);
    void demoModeFlagChanged(bool value);
    void timeFormatAMPMChanged(bool value);
    void dstEnabledChanged(bool value);
    void ntpOnChanged(bool value);
    void timeZoneIndexChanged(int value);
    void wifiScanStringChanged(QString value);
    void cabinetIndexChanged(int value);
    void cabinetNameIndexChanged(int value);
    void productsHashCodeChanged(QString value);
    void productsHashCodeTsChanged(QString value);
    void importedMenuChanged(QString value);
    void soundLevelChanged(int value);
    void powerSourceChanged(int value);
    void menuBarColorChanged(QString value);
    void performanceDataIntervalChanged(int value);
    void firmwareVersionChanged(QString value);
    void productDiscardFlashChanged(bool value);
    void usedLanguagesChanged(uint value);
    void ecoShelfHeatModeChanged(int value);
    void ecoShelfHeatTempChanged(int value);
    void ecoActivateModeChanged(int value);
    void ecoActivateTimeoutChanged(int value);
    void screenCleanActiveChanged(int value);
    void screenCleanTimeoutChanged(int value);
    void timerColorStatusChanged(bool value);
    void advancedZoneOptionsEnableChanged(bool value);
    void networkSettingsUpdatedChanged(bool value);
    void panMessagesEnableChanged(bool value);
    void universalPanSoundEnableChanged(bool value);
    void customerIdStrChanged(QString value);
    void selectedCustomConfigChanged(QString value);
    void discardDurationEnabledChanged(int value);
    void discardSoundDurationChanged(int value);
    void menuVersionChanged(QString value);
    void menuDescriptionChanged(QString value);
    void verticalFlipChanged(bool value);
    // Carried for listeners that take an address; nothing emits these forms.
    void netmaskChanged(QHostAddress value);
    void gatewayChanged(QHostAddress value);

    void invokeSimpleDialog(QString text, bool showClose);
    void requestNmReconfigure();
    void requestNmScanWifi();
    void notifyIotTypeChanged(QString iotType);
    void passcodeChanged(QString passcode);
    void passcodeEntered(QString screen, int userLevel, bool authenticated);
    void programModeExited(QString screen, int userLevel);
    void demoModeEnabled();
    void demoModeDisabled();
    void configFileRead();
    void newConfigImported();
    void networkInfoRefreshed();
    void disable();
    void configurationRead();
    void sendConfigurationFileViaCanbus(QString filePath, int fileTxfrId);
    void showSerialModelNumbersDialog();
    void hideSerialModelNumbersDialog();
    void cabinetNameChanged(QString name);
    void requestReconfigureNetworkDevices();
    void copyConfigurationFileCompleted();
    void resetConfigurationFileCompleted();
    void eolUsbConfigComplete(QString message);
    void eolUsbConfigFailed(QString message);
    void notifyFirmwareUpdateDone(QString timeStamp, QString newVersion, QString prevVersion,
                                  int method, bool result);

private slots:
    void countAttempt();
    void retryAfterReplyError();

private:
    // One watched request of the machine: what to ask again after a reply
    // error, and how many sends it may still use.
    struct BoardRequest {
        bool write = false;
        quint16 startReg = 0;
        quint8 quantity = 0;
        int attempts = 0;
        int sent = 0;
        bool overrideFakeMode = false;
    };

    static QString addressText(const QHostAddress &address);
    // Parses text into address when it differs from the current text;
    // returns whether it did.
    static bool setAddress(QHostAddress &address, const QString &text);
    // Text settings end up in key=value files ("config.txt",
    // "serialModelNums.txt"): a text no such line can hold is refused with a
    // log line, and the setting keeps its value.
    static bool refusesText(const char *key, const QString &value);

    QVariant cabinetFact(const char *name) const;
    bool cabinetIsConfigured() const;
    void setCustomerDefaults();
    void buildMachine();
    void connectDisplaySharing();
    bool applyProperty(const QString &key, const QString &value);
    void applyKeyValueFile(const QByteArray &content);
    QByteArray configFileContent() const;
    void queueBoardRequest(QModbusPollInfo *info, const BoardRequest &request);
    void sendMultiPacket(int multiId, const QString &text);
    void moveSplashImage();

    // Network set-up (configurationmanagernetwork.cpp).
    struct InterfaceReading {
        QString name;
        QString address;
        QString netmask;
        QString broadcast;
        QString gateway;
    };
    InterfaceReading readInterface(int netMode);
    void createNetworkRefresh();
    // Starts a tool whose end is handled by done(process, exitedNormally);
    // the process is released after done.
    QProcess *startTool(const QString &name, const QString &program, const QStringList &arguments,
                        const std::function<void(QProcess *, bool)> &done);
    void runWifiRestartStep(int step);
    // Keeps a backup of the file, then replaces it whole; a file made new
    // gets freshPermissions, a replaced one keeps its own.
    bool replaceSystemFile(const QString &platformPath, const QString &backupPath,
                           const QByteArray &content, QFileDevice::Permissions freshPermissions);
    void applyWifiCredentialFile(const QString &name);

    // Preloaded configurations and USB set-up (configurationmanagersetup.cpp).
    QString preloadedSetDir() const;
    QStringList preloadedSetFiles() const;
    QString flashDrivePath() const;
    void becomePrimaryDisplay();
    void sendPersonalityToOtherDisplay(const QString &path);

    QModbusMaster *m_modbusMaster;
    CanbusManager *m_canbusManager;
    bool m_iAmMaster;
    int m_orientationId;

    QString m_serialNumber;
    QString m_modelNumber;
    QString m_storeNumber = QStringLiteral("N.A.");
    QString m_uuidNumber;
    bool m_systemConfigured = false;
    QString m_theOtherUiFwVersion;
    QString m_ioBoardFirmwareVersion0 = QStringLiteral("?.?.?");
    QString m_ioBoardFirmwareVersion1 = QStringLiteral("?.?.?");
    QString m_ioBoardFirmwareVersion2 = QStringLiteral("?.?.?");
    QString m_ioBoardFirmwareVersion3 = QStringLiteral("?.?.?");
    QString m_ioBoardFirmwareVersion4 = QStringLiteral("?.?.?");
    QString m_readerFirmwareVersion1 = QStringLiteral("0.0.0");
    QString m_readerFirmwareVersion2 = QStringLiteral("0.0.0");
    int m_cabinetConfiguration = KIV_CONF_INVALID;
    QString m_iotSoftwareVersion = QStringLiteral("?.?.?");
    QString m_iotSdkVersion = QStringLiteral("?.?.?");
    bool m_staticIPEnabled = true;
    int m_networkMode = NETWORK_MODE_WIFI;
    QHostAddress m_ipAddress;
    QHostAddress m_netmask;
    QHostAddress m_gateway;
    QString m_interfaceName;
    QString m_macAddress;
    QString m_wifiSSID;
    QString m_wifiPassword;
    QString m_wifiSSIDRestore;
    QString m_wifiPasswordRestore;
    QString m_wifiIdentity;
    bool m_wpaEnabled = false;
    bool m_wifiStaticIp = false;
    QHostAddress m_wifiIpAddr;
    QHostAddress m_wifiNetmask;
    QHostAddress m_wifiGateway;
    QString m_wifiInterfaceName;
    QString m_wifiBroadcast;
    QString m_ethBroadcast;
    bool m_wifiEnabled = true;
    bool m_ethEnabled = false;
    bool m_productsEditEnabled = false;
    QString m_iotType;
    bool m_iotConnected = false;
    int m_screenOrientation = 0;
    bool m_useFirstEnabled = true;
    int m_tempUnit = 0;
    bool m_splitViewEnabled = false;
    bool m_groupDotsEnabled = true;
    int m_prodNameLength = 8;
    QString m_usbPath = QStringLiteral("/media/");
    QString m_localPath = QStringLiteral("/root/fwupdate/");
    int m_labelFontSize = 24;
    bool m_individualDPEnabled = false;
    QString m_passwdL1;
    QString m_passwdL2;
    QString m_passwdL3;
    QString m_passwdL4;
    QString m_languageId = QStringLiteral("eng_USA");
    bool m_demoModeFlag = false;
    bool m_timeFormatAMPM = true;
    bool m_dstEnabled = true;
    bool m_ntpOn = true;
    int m_timeZoneIndex = 0;
    QString m_wifiScanString = QStringLiteral("No networks detected");
    int m_cabinetIndex = 0;
    int m_cabinetNameIndex = 0;
    QString m_productsHashCode;
    QString m_productsHashCodeTs;
    QString m_importedMenu;
    int m_soundLevel = 100;
    int m_powerSource = 240;
    QString m_menuBarColor = QStringLiteral("#003673");
    int m_performanceDataInterval = 120;
    QString m_firmwareVersion;
    bool m_productDiscardFlash = false;
    uint m_usedLanguages = 0;
    int m_ecoShelfHeatMode = 0;
    int m_ecoShelfHeatTemp = 125;
    int m_ecoActivateMode = 0;
    int m_ecoActivateTimeout = 60;
    int m_screenCleanActive = 0;
    int m_screenCleanTimeout = 30;
    bool m_timerColorStatus = false;
    bool m_advancedZoneOptionsEnable = false;
    bool m_networkSettingsUpdated = false;
    bool m_panMessagesEnable = true;
    bool m_universalPanSoundEnable = false;
    QString m_customerIdStr;
    QString m_selectedCustomConfig;
    int m_discardDurationEnabled = 1;
    int m_discardSoundDuration = 10;
    QString m_menuVersion;
    QString m_menuDescription;
    bool m_verticalFlip = false;
    QString m_prevPasswdL1;
    QString m_prevLanguageId;
    QString m_cabinetName = QStringLiteral("Name Not Set");
    int m_doubleSided = 0;
    int m_selectedDisplaySide = 0;
    QStandardItemModel *m_timeZonesModel = nullptr;
    QFileSystemWatcher *m_iotFolderWatcher = nullptr;
    // Refreshes that found Wi-Fi enabled without an address; above 10 the
    // refresh restarts Wi-Fi, so starting at 10 restarts it at the first.
    int m_wifiRestartCount = 10;

    QModbusPollInfo *m_iobfwvInfo = nullptr;
    QModbusPollInfo *m_cabinetConfInfo = nullptr;
    QModbusPollInfo *m_powerSourceInfo = nullptr;
    QModbusPollInfo *m_powerControlInfo = nullptr;
    BoardRequest m_iobfwvRequest;
    BoardRequest m_cabinetConfRequest;
    QMetaObject::Connection m_masterFoundConnection;
};
