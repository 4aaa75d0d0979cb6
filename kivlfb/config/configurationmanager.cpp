#include "configurationmanager.h"

#include "core/cabinetmanager.h"

#include "statemachine/statemachinebuilder.h"

ConfigurationManager::ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager,
                                           bool iAmMaster, int orientationId, CabinetManager *parent)
    : TarnStateMachine(parent)
    , m_modbusMaster(modbusMaster)
    , m_canbusManager(canbusManager)
    , m_iAmMaster(iAmMaster)
    , m_orientationId(orientationId)
{
    StateMachineBuilder builder(this);
    QState *disabled = builder.state(this, "disabled");
    setInitialState(disabled);
}


void ConfigurationManager::set_languageId(const QString &value)
{
    if (m_languageId == value)
        return;
    m_languageId = value;
    emit languageIdChanged(m_languageId);
}

void ConfigurationManager::set_verticalFlip(bool value)
{
    if (m_verticalFlip == value)
        return;
    m_verticalFlip = value;
    emit verticalFlipChanged(m_verticalFlip);
}

void ConfigurationManager::set_screenCleanTimeout(int value)
{
    if (m_screenCleanTimeout == value)
        return;
    m_screenCleanTimeout = value;
    emit screenCleanTimeoutChanged(m_screenCleanTimeout);
}

void ConfigurationManager::set_soundLevel(int value)
{
    if (m_soundLevel == value)
        return;
    m_soundLevel = value;
    emit soundLevelChanged(m_soundLevel);
}

void ConfigurationManager::set_ntpOn(bool value)
{
    if (m_ntpOn == value)
        return;
    m_ntpOn = value;
    emit ntpOnChanged(m_ntpOn);
}

void ConfigurationManager::set_timeFormatAMPM(bool value)
{
    if (m_timeFormatAMPM == value)
        return;
    m_timeFormatAMPM = value;
    emit timeFormatAMPMChanged(m_timeFormatAMPM);
}

void ConfigurationManager::set_dstEnabled(bool value)
{
    if (m_dstEnabled == value)
        return;
    m_dstEnabled = value;
    emit dstEnabledChanged(m_dstEnabled);
}

void ConfigurationManager::set_timeZoneIndex(int value)
{
    if (m_timeZoneIndex == value)
        return;
    m_timeZoneIndex = value;
    emit timeZoneIndexChanged(m_timeZoneIndex);
}

void ConfigurationManager::set_wifiScanString(const QString &value)
{
    if (m_wifiScanString == value)
        return;
    m_wifiScanString = value;
    emit wifiScanStringChanged(m_wifiScanString);
}

void ConfigurationManager::set_wifiSSID(const QString &value)
{
    if (m_wifiSSID == value)
        return;
    m_wifiSSID = value;
    emit wifiSSIDChanged(m_wifiSSID);
}

void ConfigurationManager::set_wifiPassword(const QString &value)
{
    if (m_wifiPassword == value)
        return;
    m_wifiPassword = value;
    emit wifiPasswordChanged(m_wifiPassword);
}

void ConfigurationManager::set_wifiInterfaceName(const QString &value)
{
    if (m_wifiInterfaceName == value)
        return;
    m_wifiInterfaceName = value;
    emit wifiInterfaceNameChanged(m_wifiInterfaceName);
}

void ConfigurationManager::set_wifiIpAddr(const QString &value)
{
    if (m_wifiIpAddr == value)
        return;
    m_wifiIpAddr = value;
    emit wifiIpAddrChanged(m_wifiIpAddr);
}

void ConfigurationManager::set_wifiNetmask(const QString &value)
{
    if (m_wifiNetmask == value)
        return;
    m_wifiNetmask = value;
    emit wifiNetmaskChanged(m_wifiNetmask);
}

void ConfigurationManager::set_wifiBroadcast(const QString &value)
{
    if (m_wifiBroadcast == value)
        return;
    m_wifiBroadcast = value;
    emit wifiBroadcastChanged(m_wifiBroadcast);
}

void ConfigurationManager::set_wifiGateway(const QString &value)
{
    if (m_wifiGateway == value)
        return;
    m_wifiGateway = value;
    emit wifiGatewayChanged(m_wifiGateway);
}

void ConfigurationManager::set_productsHashCode(const QString &value)
{
    if (m_productsHashCode == value)
        return;
    m_productsHashCode = value;
    emit productsHashCodeChanged(m_productsHashCode);
}

void ConfigurationManager::set_demoModeFlag(bool value)
{
    if (m_demoModeFlag == value)
        return;
    m_demoModeFlag = value;
    emit demoModeFlagChanged(m_demoModeFlag);
}

void ConfigurationManager::set_performanceDataInterval(int value)
{
    if (m_performanceDataInterval == value)
        return;
    m_performanceDataInterval = value;
    emit performanceDataIntervalChanged(m_performanceDataInterval);
}

void ConfigurationManager::set_ioBoardFirmwareVersion0(const QString &value)
{
    if (m_ioBoardFirmwareVersion0 == value)
        return;
    m_ioBoardFirmwareVersion0 = value;
    emit ioBoardFirmwareVersion0Changed(m_ioBoardFirmwareVersion0);
}

void ConfigurationManager::set_readerFirmwareVersion1(const QString &value)
{
    if (m_readerFirmwareVersion1 == value)
        return;
    m_readerFirmwareVersion1 = value;
    emit readerFirmwareVersion1Changed(m_readerFirmwareVersion1);
}

void ConfigurationManager::set_storeNumber(const QString &value)
{
    if (m_storeNumber == value)
        return;
    const QString previous = m_storeNumber;
    m_storeNumber = value;
    emit storeNumberChanged(m_storeNumber, previous);
}

void ConfigurationManager::set_serialNumber(const QString &value)
{
    if (m_serialNumber == value)
        return;
    m_serialNumber = value;
    emit serialNumberChanged(m_serialNumber);
}

void ConfigurationManager::set_discardDurationEnabled(bool value)
{
    if (m_discardDurationEnabled == value)
        return;
    m_discardDurationEnabled = value;
    emit discardDurationEnabledChanged(m_discardDurationEnabled);
}

void ConfigurationManager::set_discardSoundDuration(int value)
{
    if (m_discardSoundDuration == value)
        return;
    m_discardSoundDuration = value;
    emit discardSoundDurationChanged(m_discardSoundDuration);
}

void ConfigurationManager::set_universalPanSoundEnable(bool value)
{
    if (m_universalPanSoundEnable == value)
        return;
    m_universalPanSoundEnable = value;
    emit universalPanSoundEnableChanged(m_universalPanSoundEnable);
}

void ConfigurationManager::set_powerSource(int value)
{
    if (m_powerSource == value)
        return;
    m_powerSource = value;
    emit powerSourceChanged(m_powerSource);
}

// The bodies below come with the configuration store itself.
void ConfigurationManager::saveConfigFile() {}
void ConfigurationManager::readConfigFile() {}
void ConfigurationManager::readIotConfigFile() {}
void ConfigurationManager::loadCabinetSerialModelNumbers() {}
void ConfigurationManager::reconfigureNetworkDevices() {}
void ConfigurationManager::saveProductsHashCodeTs(const QString &) {}
void ConfigurationManager::processImportedMenu(const QString &, const QString &, const QString &) {}
