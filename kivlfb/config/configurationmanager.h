#pragma once

#include "statemachine/tarnstatemachine.h"

class CabinetManager;
class CanbusManager;
class QModbusMaster;

// The cabinet's configuration store and, on the primary display, the machine
// that sets up the I/O board.
class ConfigurationManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString languageId READ get_languageId WRITE set_languageId NOTIFY languageIdChanged)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip WRITE set_verticalFlip NOTIFY verticalFlipChanged)
    Q_PROPERTY(int screenCleanTimeout READ get_screenCleanTimeout WRITE set_screenCleanTimeout NOTIFY screenCleanTimeoutChanged)
    Q_PROPERTY(int soundLevel READ get_soundLevel WRITE set_soundLevel NOTIFY soundLevelChanged)
    Q_PROPERTY(bool ntpOn READ get_ntpOn WRITE set_ntpOn NOTIFY ntpOnChanged)
    Q_PROPERTY(bool timeFormatAMPM READ get_timeFormatAMPM WRITE set_timeFormatAMPM NOTIFY timeFormatAMPMChanged)
    Q_PROPERTY(bool dstEnabled READ get_dstEnabled WRITE set_dstEnabled NOTIFY dstEnabledChanged)
    Q_PROPERTY(int timeZoneIndex READ get_timeZoneIndex WRITE set_timeZoneIndex NOTIFY timeZoneIndexChanged)
    Q_PROPERTY(QString wifiScanString READ get_wifiScanString WRITE set_wifiScanString NOTIFY wifiScanStringChanged)
    Q_PROPERTY(QString wifiSSID READ get_wifiSSID WRITE set_wifiSSID NOTIFY wifiSSIDChanged)
    Q_PROPERTY(QString wifiPassword READ get_wifiPassword WRITE set_wifiPassword NOTIFY wifiPasswordChanged)
    Q_PROPERTY(QString wifiInterfaceName READ get_wifiInterfaceName WRITE set_wifiInterfaceName NOTIFY wifiInterfaceNameChanged)
    Q_PROPERTY(QString wifiIpAddr READ get_wifiIpAddr WRITE set_wifiIpAddr NOTIFY wifiIpAddrChanged)
    Q_PROPERTY(QString wifiNetmask READ get_wifiNetmask WRITE set_wifiNetmask NOTIFY wifiNetmaskChanged)
    Q_PROPERTY(QString wifiBroadcast READ get_wifiBroadcast WRITE set_wifiBroadcast NOTIFY wifiBroadcastChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)
    Q_PROPERTY(QString productsHashCode READ get_productsHashCode WRITE set_productsHashCode NOTIFY productsHashCodeChanged)
    Q_PROPERTY(bool demoModeFlag READ get_demoModeFlag WRITE set_demoModeFlag NOTIFY demoModeFlagChanged)
    Q_PROPERTY(int performanceDataInterval READ get_performanceDataInterval WRITE set_performanceDataInterval NOTIFY performanceDataIntervalChanged)
    Q_PROPERTY(QString ioBoardFirmwareVersion0 READ get_ioBoardFirmwareVersion0 WRITE set_ioBoardFirmwareVersion0 NOTIFY ioBoardFirmwareVersion0Changed)
    Q_PROPERTY(QString readerFirmwareVersion1 READ get_readerFirmwareVersion1 WRITE set_readerFirmwareVersion1 NOTIFY readerFirmwareVersion1Changed)
    Q_PROPERTY(QString storeNumber READ get_storeNumber WRITE set_storeNumber NOTIFY storeNumberChanged)
    Q_PROPERTY(QString serialNumber READ get_serialNumber WRITE set_serialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(bool discardDurationEnabled READ get_discardDurationEnabled WRITE set_discardDurationEnabled NOTIFY discardDurationEnabledChanged)
    Q_PROPERTY(int discardSoundDuration READ get_discardSoundDuration WRITE set_discardSoundDuration NOTIFY discardSoundDurationChanged)
    Q_PROPERTY(bool universalPanSoundEnable READ get_universalPanSoundEnable WRITE set_universalPanSoundEnable NOTIFY universalPanSoundEnableChanged)
    Q_PROPERTY(int powerSource READ get_powerSource WRITE set_powerSource NOTIFY powerSourceChanged)

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

    // orientationId is kept as given and not used further.
    ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager, bool iAmMaster,
                         int orientationId, CabinetManager *parent);


    QString get_languageId() const { return m_languageId; }
    bool get_verticalFlip() const { return m_verticalFlip; }
    int get_screenCleanTimeout() const { return m_screenCleanTimeout; }
    int get_soundLevel() const { return m_soundLevel; }
    bool get_ntpOn() const { return m_ntpOn; }
    bool get_timeFormatAMPM() const { return m_timeFormatAMPM; }
    bool get_dstEnabled() const { return m_dstEnabled; }
    int get_timeZoneIndex() const { return m_timeZoneIndex; }
    QString get_wifiScanString() const { return m_wifiScanString; }
    QString get_wifiSSID() const { return m_wifiSSID; }
    QString get_wifiPassword() const { return m_wifiPassword; }
    QString get_wifiInterfaceName() const { return m_wifiInterfaceName; }
    QString get_wifiIpAddr() const { return m_wifiIpAddr; }
    QString get_wifiNetmask() const { return m_wifiNetmask; }
    QString get_wifiBroadcast() const { return m_wifiBroadcast; }
    QString get_wifiGateway() const { return m_wifiGateway; }
    QString get_productsHashCode() const { return m_productsHashCode; }
    bool get_demoModeFlag() const { return m_demoModeFlag; }
    int get_performanceDataInterval() const { return m_performanceDataInterval; }
    QString get_ioBoardFirmwareVersion0() const { return m_ioBoardFirmwareVersion0; }
    QString get_readerFirmwareVersion1() const { return m_readerFirmwareVersion1; }
    QString get_storeNumber() const { return m_storeNumber; }
    QString get_serialNumber() const { return m_serialNumber; }
    bool get_discardDurationEnabled() const { return m_discardDurationEnabled; }
    int get_discardSoundDuration() const { return m_discardSoundDuration; }
    bool get_universalPanSoundEnable() const { return m_universalPanSoundEnable; }
    int get_powerSource() const { return m_powerSource; }

public slots:
    void set_languageId(const QString &value);
    void set_verticalFlip(bool value);
    void set_screenCleanTimeout(int value);
    void set_soundLevel(int value);
    void set_ntpOn(bool value);
    void set_timeFormatAMPM(bool value);
    void set_dstEnabled(bool value);
    void set_timeZoneIndex(int value);
    void set_wifiScanString(const QString &value);
    void set_wifiSSID(const QString &value);
    void set_wifiPassword(const QString &value);
    void set_wifiInterfaceName(const QString &value);
    void set_wifiIpAddr(const QString &value);
    void set_wifiNetmask(const QString &value);
    void set_wifiBroadcast(const QString &value);
    void set_wifiGateway(const QString &value);
    void set_productsHashCode(const QString &value);
    void set_demoModeFlag(bool value);
    void set_performanceDataInterval(int value);
    void set_ioBoardFirmwareVersion0(const QString &value);
    void set_readerFirmwareVersion1(const QString &value);
    void set_storeNumber(const QString &value);
    void set_serialNumber(const QString &value);
    void set_discardDurationEnabled(bool value);
    void set_discardSoundDuration(int value);
    void set_universalPanSoundEnable(bool value);
    void set_powerSource(int value);

    // Settings files. The stored values replace the defaults at start-up.
    void saveConfigFile();
    void readConfigFile();
    void readIotConfigFile();
    void loadCabinetSerialModelNumbers();
    void reconfigureNetworkDevices();
    void saveProductsHashCodeTs(const QString &hash);
    void processImportedMenu(const QString &fileName, const QString &version, const QString &checksum);

    void disabled_onEntry() {}
    void disabled_onExit() {}

signals:
    void languageIdChanged(QString value);
    void verticalFlipChanged(bool value);
    void screenCleanTimeoutChanged(int value);
    void soundLevelChanged(int value);
    void ntpOnChanged(bool value);
    void timeFormatAMPMChanged(bool value);
    void dstEnabledChanged(bool value);
    void timeZoneIndexChanged(int value);
    void wifiScanStringChanged(QString value);
    void wifiSSIDChanged(QString value);
    void wifiPasswordChanged(QString value);
    void wifiInterfaceNameChanged(QString value);
    void wifiIpAddrChanged(QString value);
    void wifiNetmaskChanged(QString value);
    void wifiBroadcastChanged(QString value);
    void wifiGatewayChanged(QString value);
    void productsHashCodeChanged(QString value);
    void demoModeFlagChanged(bool value);
    void performanceDataIntervalChanged(int value);
    void ioBoardFirmwareVersion0Changed(QString value);
    void readerFirmwareVersion1Changed(QString value);
    void serialNumberChanged(QString value);
    void discardDurationEnabledChanged(bool value);
    void discardSoundDurationChanged(int value);
    void universalPanSoundEnableChanged(bool value);
    void powerSourceChanged(int value);
    void requestNmScanWifi();
    void requestReconfigureNetworkDevices();
    void networkInfoRefreshed();
    void demoModeEnabled();
    void demoModeDisabled();
    void passcodeChanged(QString passcode);
    void passcodeEntered(QString screen, int userLevel, bool authenticated);
    void programModeExited(QString screen, int userLevel);
    void storeNumberChanged(QString storeNumber, QString previous);
    void notifyFirmwareUpdateDone(QString timeStamp, QString newVersion, QString prevVersion, int method, bool result);
    void notifyIotTypeChanged(QString iotType);

private:
    QString m_languageId = QString();
    bool m_verticalFlip = false;
    int m_screenCleanTimeout = 0;
    int m_soundLevel = 0;
    bool m_ntpOn = false;
    bool m_timeFormatAMPM = false;
    bool m_dstEnabled = false;
    int m_timeZoneIndex = 0;
    QString m_wifiScanString = QString();
    QString m_wifiSSID = QString();
    QString m_wifiPassword = QString();
    QString m_wifiInterfaceName = QString();
    QString m_wifiIpAddr = QString();
    QString m_wifiNetmask = QString();
    QString m_wifiBroadcast = QString();
    QString m_wifiGateway = QString();
    QString m_productsHashCode = QString();
    bool m_demoModeFlag = false;
    int m_performanceDataInterval = 0;
    QString m_ioBoardFirmwareVersion0 = QStringLiteral("?.?.?");
    QString m_readerFirmwareVersion1 = QStringLiteral("0.0.0");
    QString m_storeNumber = QStringLiteral("N.A.");
    QString m_serialNumber = QString();
    bool m_discardDurationEnabled = false;
    int m_discardSoundDuration = 0;
    bool m_universalPanSoundEnable = false;
    int m_powerSource = 240;
    QModbusMaster *m_modbusMaster;
    CanbusManager *m_canbusManager;
    bool m_iAmMaster;
    int m_orientationId;
};
