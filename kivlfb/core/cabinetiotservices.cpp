#include "cabinetiotservices.h"

#include "alarms/kiverrorcontrollert.h"
#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "network/dadazodaru.h"
#include "network/wifimonitor.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfctagitem2.h"
#include "ui/translator.h"

CabinetIotServices::CabinetIotServices(const Components &components, QObject *parent)
    : QObject(parent)
    , m_cabinet(components.cabinet)
    , m_config(components.config)
    , m_menus(components.menus)
    , m_dayParts(components.dayParts)
    , m_nfc(components.nfc)
    , m_io(components.io)
    , m_errors(components.errors)
    , m_wifi(components.wifi)
    , m_network(components.network)
{
}

QString CabinetIotServices::iotType() const { return m_config ? m_config->get_iotType() : QString(); }
QString CabinetIotServices::modelNumber() const { return m_config ? m_config->get_modelNumber() : QString(); }
QString CabinetIotServices::serialNumber() const { return m_config ? m_config->get_serialNumber() : QString(); }
QString CabinetIotServices::storeNumber() const { return m_config ? m_config->get_storeNumber() : QString(); }
QString CabinetIotServices::uuidNumber() const { return m_config ? m_config->get_uuidNumber() : QString(); }
QString CabinetIotServices::macAddress() const { return m_config ? m_config->get_macAddress() : QString(); }
QString CabinetIotServices::languageId() const { return m_config ? m_config->get_languageId() : QString(); }
QString CabinetIotServices::prevLanguageId() const { return m_config ? m_config->get_prevLanguageId() : QString(); }
QString CabinetIotServices::passwdL1() const { return m_config ? m_config->get_passwdL1() : QString(); }
QString CabinetIotServices::prevPasswdL1() const { return m_config ? m_config->get_prevPasswdL1() : QString(); }
int CabinetIotServices::tempUnit() const { return m_config ? m_config->get_tempUnit() : 0; }
QString CabinetIotServices::iotSdkVersion() const { return m_config ? m_config->get_iotSdkVersion() : QString(); }

QString CabinetIotServices::iotSoftwareVersion() const
{
    return m_config ? m_config->get_iotSoftwareVersion() : QString();
}

QString CabinetIotServices::ioBoardFirmwareVersion() const
{
    return m_config ? m_config->get_ioBoardFirmwareVersion0() : QString();
}

QString CabinetIotServices::readerFirmwareVersion() const
{
    return m_config ? m_config->get_readerFirmwareVersion1() : QString();
}

QString CabinetIotServices::importedMenu() const { return m_config ? m_config->get_importedMenu() : QString(); }
bool CabinetIotServices::panMessagesEnable() const { return m_config && m_config->get_panMessagesEnable(); }

IotServices::EcoSettings CabinetIotServices::ecoSettings() const
{
    EcoSettings eco;
    if (m_config) {
        eco.shelfHeatMode = m_config->get_ecoShelfHeatMode();
        eco.shelfHeatTemp = m_config->get_ecoShelfHeatTemp();
        eco.activateMode = m_config->get_ecoActivateMode();
        eco.activateTimeout = m_config->get_ecoActivateTimeout();
    }
    return eco;
}

IotServices::NetworkSettings CabinetIotServices::networkSettings() const
{
    NetworkSettings settings;
    if (!m_config)
        return settings;
    settings.mode = m_config->get_networkMode();
    settings.wifiSSID = m_config->get_wifiSSID();
    settings.wifiPassword = m_config->get_wifiPassword();
    settings.wifiIdentity = m_config->get_wifiIdentity();
    settings.wpaEnabled = m_config->get_wpaEnabled();
    settings.wifiStaticIp = m_config->get_wifiStaticIp();
    settings.wifiIpAddr = m_config->get_wifiIpAddr();
    settings.wifiGateway = m_config->get_wifiGateway();
    settings.wifiBroadcast = m_config->get_wifiBroadcast();
    settings.wifiNetmask = m_config->get_wifiNetmask();
    settings.staticIPEnabled = m_config->get_staticIPEnabled();
    settings.ipAddress = m_config->get_ipAddress();
    settings.gateway = m_config->get_gateway();
    settings.ethBroadcast = m_config->get_ethBroadcast();
    settings.netmask = m_config->get_netmask();
    return settings;
}

bool CabinetIotServices::networkSettingsUpdated() const { return m_config && m_config->get_networkSettingsUpdated(); }

void CabinetIotServices::setNetworkSettingsUpdated(bool updated)
{
    if (m_config)
        m_config->set_networkSettingsUpdated(updated);
}

void CabinetIotServices::setStaticIPEnabled(bool enabled)
{
    if (m_config)
        m_config->set_staticIPEnabled(enabled);
}

void CabinetIotServices::setPerformanceDataInterval(int seconds)
{
    if (m_config)
        m_config->set_performanceDataInterval(seconds);
}

void CabinetIotServices::setPanMessagesEnable(bool enable)
{
    if (m_config)
        m_config->set_panMessagesEnable(enable);
}

void CabinetIotServices::setIotConnected(bool connected)
{
    if (m_config)
        m_config->set_iotConnected(connected);
}

void CabinetIotServices::setIotSoftwareVersion(const QString &version)
{
    if (m_config)
        m_config->set_iotSoftwareVersion(version);
}

void CabinetIotServices::setStoreNumber(const QString &storeNumber)
{
    if (m_config)
        m_config->set_storeNumber(storeNumber);
}

void CabinetIotServices::saveConfigFile()
{
    if (m_config)
        m_config->saveConfigFile();
}

void CabinetIotServices::restartWifiNetwork()
{
    if (m_config)
        m_config->restartWifiNetwork();
}

void CabinetIotServices::restartWifiNetworkRIoT()
{
    if (m_config)
        m_config->restartWifiNetworkRIoT();
}

void CabinetIotServices::checkFirmwareUpdateDone()
{
    if (m_config)
        m_config->checkFirmwareUpdateDone();
}

int CabinetIotServices::customerId() const { return m_cabinet ? m_cabinet->get_customerId() : 0; }
bool CabinetIotServices::nfcEnabled() const { return m_cabinet && m_cabinet->get_nfcEnabled(); }
bool CabinetIotServices::systemBackupInProgress() const { return m_cabinet && m_cabinet->getSystemBackupInProgress(); }
int CabinetIotServices::traysPerCabinet() const { return m_cabinet ? m_cabinet->get_traysPerCabinet() : 0; }
int CabinetIotServices::traysPerZone() const { return m_cabinet ? m_cabinet->get_traysPerZone() : 0; }
int CabinetIotServices::pluggedInMinutes() const { return m_cabinet ? m_cabinet->get_pluggedInMinutes() : 0; }
int CabinetIotServices::trayState(int bin) const { return m_cabinet ? m_cabinet->get_trayState(bin) : 0; }

quint64 CabinetIotServices::misMatchedPanId(int bin) const
{
    return m_cabinet ? quint64(m_cabinet->get_misMatchedPanId(bin)) : 0;
}

QString CabinetIotServices::misMatchId(int bin) const { return m_cabinet ? m_cabinet->get_misMatchId(bin) : QString(); }

trayInfo CabinetIotServices::getTrayInfo(int bin) const
{
    return m_cabinet ? m_cabinet->getTrayInfo(bin) : trayInfo();
}

int CabinetIotServices::productIdFromBin(int bin) const
{
    if (!m_cabinet || bin < 0 || bin > 0xff)
        return 0;
    return m_cabinet->getProductIDfromBinNumber(uchar(bin));
}

int CabinetIotServices::productPanSizeFromBin(int bin) const
{
    if (!m_cabinet || bin < 0 || bin > 0xff)
        return 0;
    return m_cabinet->getProductPanSizeFromBinNumber(uchar(bin));
}

int CabinetIotServices::productHoldTime(int productId) const
{
    if (!m_menus)
        return 0;
    return m_menus->getProductHoldTime(m_menus->getProductIndex(productId)).toInt();
}

void CabinetIotServices::startBinTimer(int bin, int holdSeconds, quint64 panId)
{
    if (m_cabinet && bin >= 0 && bin <= 0xff)
        m_cabinet->startBinTimer(uchar(bin), holdSeconds, panId);
}

void CabinetIotServices::sendHoldStartedEvent(int bin, quint64 panId, const QString &method)
{
    if (m_cabinet && bin >= 0 && bin <= 0xff)
        m_cabinet->sendHoldStartedEventToDbus(uchar(bin), panId, method);
}

QVector<IotServices::BinTemperatures> CabinetIotServices::binInfos() const
{
    QVector<BinTemperatures> bins;
    if (!m_io)
        return bins;
    const QList<BinInfo *> list = m_io->get_binInfoList();
    bins.reserve(list.size());
    for (const BinInfo *info : list) {
        BinTemperatures bin;
        bin.binNumber = info->get_binNumber();
        bin.actualTemp = info->get_actualTemp();
        bin.targetTemp = info->get_targetTemp();
        bins.append(bin);
    }
    return bins;
}

bool CabinetIotServices::zoneTemperatures(int zone, QList<int> *targets, QList<int> *actuals) const
{
    if (!m_cabinet || zone < 0 || zone > 0xff)
        return false;
    const ZoneManager *manager = m_cabinet->getZonePtr(uchar(zone));
    if (!manager)
        return false;
    *targets = manager->get_targetTempsList();
    *actuals = manager->get_actualTempsList();
    return true;
}

// The error log's length is read as the property the error controller
// publishes to the screens; until it publishes it, it reads as 0.
int CabinetIotServices::errorLogCount() const
{
    return m_errors ? m_errors->property("errorsLogListCount").toInt() : 0;
}

double CabinetIotServices::wifiSignalLevel() const
{
    return m_wifi ? m_wifi->get_signalLevel() : 0;
}

double CabinetIotServices::wifiSignalLevelDecibel() const
{
    return m_wifi ? m_wifi->get_signalLevelDecibel() : 0;
}

int CabinetIotServices::menuRowCount() const { return m_menus ? m_menus->getRowCount() : 0; }

IotServices::MenuRowValues CabinetIotServices::menuRowValues(int row) const
{
    MenuRowValues values;
    if (!m_menus)
        return values;
    values.id = m_menus->getProductId(row);
    values.groupId = m_menus->getProductGroupId(row);
    values.holdTime = m_menus->getProductHoldTime(row);
    values.warningTime = m_menus->getProductWarningTime(row);
    values.lowerTemp = m_menus->getProductLowerTemp(row);
    values.upperTemp = m_menus->getProductUpperTemp(row);
    values.panSize = m_menus->getProductPanSize(row);
    values.panSizeX = m_menus->getProductPanSizeX(row);
    values.lidType = m_menus->getProductLidType(row);
    values.bottomType = m_menus->getProductBottomType(row);
    return values;
}

IotServices::MenuRow CabinetIotServices::menuRow(int row) const
{
    const MenuRowValues values = menuRowValues(row);
    MenuRow result;
    result.id = values.id.toInt();
    result.groupId = values.groupId.toInt();
    result.holdTime = values.holdTime.toInt();
    result.warningTime = values.warningTime.toInt();
    result.lowerTemp = values.lowerTemp.toInt();
    result.upperTemp = values.upperTemp.toInt();
    result.panSize = values.panSize.toInt();
    result.panSizeX = values.panSizeX.toString();
    result.lidType = values.lidType.toString();
    result.bottomType = values.bottomType.toString();
    return result;
}

int CabinetIotServices::productIndex(int productId) const { return m_menus ? m_menus->getProductIndex(productId) : 0; }

QString CabinetIotServices::productName(int productId) const
{
    return m_menus ? m_menus->getProductName(productId).toString() : QString();
}

QString CabinetIotServices::productName(int language, int productId) const
{
    return m_menus ? m_menus->getProductName(language, productId).toString() : QString();
}

QList<int> CabinetIotServices::groupProducts(int groupId) const
{
    QList<int> products;
    if (m_menus) {
        const QVariantList list = m_menus->getProductGroupPList(groupId).toList();
        for (const QVariant &entry : list)
            products.append(entry.toInt());
    }
    return products;
}

int CabinetIotServices::dayPartsCount() const { return m_dayParts ? m_dayParts->getDayPartsCount() : 0; }
int CabinetIotServices::currentDayPart() const { return m_dayParts ? m_dayParts->get_partOfDay() : -1; }

QString CabinetIotServices::dayPartName(int dayPart) const
{
    return m_dayParts ? m_dayParts->getDayPartName(dayPart) : QString();
}

QString CabinetIotServices::dayPartName(int language, int dayPart) const
{
    return m_dayParts ? m_dayParts->getDayPartName(language, dayPart) : QString();
}

int CabinetIotServices::productIdOnBin(int dayPart, int bin) const
{
    return m_dayParts ? m_dayParts->getProdIdOnBin(dayPart, bin) : 0;
}

QString CabinetIotServices::languageCode(int language) const { return Translator::languageCode(language); }

QList<quint64> CabinetIotServices::registeredPanIds() const { return m_nfc ? m_nfc->registeredUids() : QList<quint64>(); }

quint64 CabinetIotServices::uidInBin(int bin) const
{
    return m_nfc && bin >= 0 && bin <= 0xff ? m_nfc->getUidInBin(quint8(bin)) : 0;
}

// The pan-tag registry of this cabinet; every setter acts only on a pan it
// knows.
NfcTagItem2 *CabinetIotServices::panTag(quint64 uid) const
{
    return m_nfc ? m_nfc->viewTagInfo2(uid) : nullptr;
}

bool CabinetIotServices::findPanTag(quint64 uid, PanTag *tag) const
{
    const NfcTagItem2 *item = panTag(uid);
    if (!item)
        return false;
    if (tag) {
        tag->uid = item->getUid();
        tag->holdStatus = item->getHoldStatus();
        tag->position = item->getPosition();
        tag->seenInCabinet = item->getSeenInCabinet();
        tag->expTime = item->getExpTime();
        tag->activationTimeStamp = item->getActivationTimeStamp();
        tag->crc32 = item->getCrc32();
        tag->batchId = item->getBatchId();
        tag->restartRequested = item->getRestartRequested();
    }
    return true;
}

void CabinetIotServices::setPanBatchId(quint64 uid, const QString &batchId)
{
    if (NfcTagItem2 *item = panTag(uid))
        item->setBatchId(batchId);
}

void CabinetIotServices::setPanExpTime(quint64 uid, qint64 ms)
{
    if (NfcTagItem2 *item = panTag(uid))
        item->setExpTime(ms);
}

void CabinetIotServices::setPanHoldStatus(quint64 uid, int status)
{
    if (NfcTagItem2 *item = panTag(uid))
        item->setHoldStatus(quint8(status));
}

void CabinetIotServices::setPanActivationTimeStamp(quint64 uid, qint64 ms)
{
    if (NfcTagItem2 *item = panTag(uid))
        item->setActivationTimeStamp(ms);
}

void CabinetIotServices::setPanRestartRequested(quint64 uid, bool requested)
{
    if (NfcTagItem2 *item = panTag(uid))
        item->setRestartRequested(requested);
}

void CabinetIotServices::savePanTags()
{
    if (m_nfc)
        m_nfc->saveNFC2();
}

quint64 CabinetIotServices::binTagUid(int bin) const { return m_nfc ? m_nfc->getBinTagUid(bin) : 0; }

void CabinetIotServices::deregisterPanTag(quint64 uid)
{
    if (m_nfc)
        m_nfc->deregisterTag2(uid);
}

void CabinetIotServices::removePanTagAndStopTimer(quint64 uid)
{
    if (m_nfc)
        m_nfc->removeTagAndStopTimer(uid);
}

void CabinetIotServices::stopBinTimer(int bin)
{
    if (m_cabinet && bin >= 0 && bin <= 0xff)
        m_cabinet->stopBinTimer(uchar(bin));
}

void CabinetIotServices::emitHoldStopped(const QString &timeStamp, const QString &productName, const QString &panId,
                                         int bin, const QString &method, int timeRemaining)
{
    if (m_cabinet)
        emit m_cabinet->event_holdStopped(timeStamp, productName, panId, bin, method, timeRemaining);
}

void CabinetIotServices::replaceRemoteHoldingList(const QString &cabinet, const QList<PanTag> &records)
{
    if (!m_nfc)
        return;
    QList<NfcTagItem2 *> items;
    items.reserve(records.size());
    for (const PanTag &record : records) {
        auto *item = new NfcTagItem2;
        item->setUid(record.uid);
        item->setProductId(quint8(record.uid >> 40));
        item->setHoldStatus(quint8(record.holdStatus));
        item->setPosition(quint8(record.position));
        item->setSeenInCabinet(record.seenInCabinet);
        item->setCrc32(record.crc32);
        item->setBatchId(record.batchId);
        item->setExpTime(record.expTime);
        item->setActivationTimeStamp(record.activationTimeStamp);
        items.append(item);
    }
    m_nfc->replaceOthersList(cabinet, items);
}

QString CabinetIotServices::wifiSSID() const { return m_config ? m_config->get_wifiSSID() : QString(); }
QString CabinetIotServices::wifiPassword() const { return m_config ? m_config->get_wifiPassword() : QString(); }

// Read as the property the cabinet network publishes; until it publishes it,
// the access point reads as not connected.
bool CabinetIotServices::wifiApConnected() const
{
    return m_network && m_network->property("wifiApConnected").toBool();
}

void CabinetIotServices::setWifiSSID(const QString &ssid)
{
    if (m_config)
        m_config->set_wifiSSID(ssid);
}

void CabinetIotServices::setWifiPassword(const QString &password)
{
    if (m_config)
        m_config->set_wifiPassword(password);
}

void CabinetIotServices::setWifiStaticIp(bool enabled)
{
    if (m_config)
        m_config->set_wifiStaticIp(enabled);
}

void CabinetIotServices::reconfigureNetworkDevices()
{
    if (m_config)
        m_config->reconfigureNetworkDevices();
}

void CabinetIotServices::setModelNumber(const QString &modelNumber)
{
    if (m_config)
        m_config->set_modelNumber(modelNumber);
}

void CabinetIotServices::setSerialNumber(const QString &serialNumber)
{
    if (m_config)
        m_config->set_serialNumber(serialNumber);
}

void CabinetIotServices::saveCabinetSerialModelNumbers()
{
    if (m_config)
        m_config->saveCabinetSerialModelNumbers();
}
