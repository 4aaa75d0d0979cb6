#include "cabinetiotservices.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "menus/menumanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfctagitem2.h"

CabinetIotServices::CabinetIotServices(CabinetManager *cabinet, ConfigurationManager *config,
                                       MenuManager *menus, NFCmanager *nfc, QObject *parent)
    : QObject(parent)
    , m_cabinet(cabinet)
    , m_config(config)
    , m_menus(menus)
    , m_nfc(nfc)
{
}

QString CabinetIotServices::iotType() const { return m_config ? m_config->get_iotType() : QString(); }
QString CabinetIotServices::modelNumber() const { return m_config ? m_config->get_modelNumber() : QString(); }
QString CabinetIotServices::serialNumber() const { return m_config ? m_config->get_serialNumber() : QString(); }
QString CabinetIotServices::storeNumber() const { return m_config ? m_config->get_storeNumber() : QString(); }
QString CabinetIotServices::uuidNumber() const { return m_config ? m_config->get_uuidNumber() : QString(); }

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

bool CabinetIotServices::nfcEnabled() const { return m_cabinet && m_cabinet->get_nfcEnabled(); }

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
        tag->position = item->getPosition();
        tag->seenInCabinet = item->getSeenInCabinet();
        tag->expTime = item->getExpTime();
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
