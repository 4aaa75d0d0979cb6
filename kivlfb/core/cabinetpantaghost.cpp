#include "cabinetpantaghost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/traybarsc.h"
#include "menus/menumanager.h"

CabinetPanTagHost::CabinetPanTagHost(CabinetManager *cabinet, MenuManager *menus, ConfigurationManager *config)
    : QObject(cabinet)
    , m_cabinet(cabinet)
    , m_menus(menus)
    , m_config(config)
{
}

bool CabinetPanTagHost::isPrimary() const { return m_cabinet->get_iAmMaster(); }
bool CabinetPanTagHost::nfcEnabled() const { return m_cabinet->get_nfcEnabled(); }
const NfcPollInfo *CabinetPanTagHost::pollingInfo() const { return m_cabinet->get_nfcPollingInfo(); }
QList<int> CabinetPanTagHost::slotToBinList() const { return m_cabinet->get_nfcSlotToBinList(); }
int CabinetPanTagHost::traysPerCabinet() const { return m_cabinet->get_traysPerCabinet(); }
bool CabinetPanTagHost::timerDecrementEnabled() const { return m_cabinet->get_timerDecrementEnable(); }
int CabinetPanTagHost::orientationId() const { return m_cabinet->get_orientationId(); }
int CabinetPanTagHost::customerId() const { return m_cabinet->get_customerId(); }
bool CabinetPanTagHost::hasSecondaryDisplay() const { return m_cabinet->get_hasSecondaryDisplay(); }
QString CabinetPanTagHost::macAddress() const { return m_config ? m_config->get_macAddress() : QString(); }
QString CabinetPanTagHost::iotType() const { return m_config ? m_config->get_iotType() : QString(); }
bool CabinetPanTagHost::systemBackupInProgress() const { return m_cabinet->getSystemBackupInProgress(); }

void CabinetPanTagHost::setReaderFirmwareVersion(int reader, const QString &version)
{
    if (!m_config)
        return;
    if (reader == 1)
        m_config->set_readerFirmwareVersion1(version);
    else
        m_config->set_readerFirmwareVersion2(version);
}

quint64 CabinetPanTagHost::tagUidAtBin(quint8 bin) const { return m_cabinet->getTagUidAtBin(bin); }
void CabinetPanTagHost::setTagUidAtTrayTimer(quint8 bin, quint64 uid) { m_cabinet->setTagUidAtTrayTimer(bin, uid); }
int CabinetPanTagHost::productIdAtBin(quint8 bin) const { return m_cabinet->getProductIDfromBinNumber(bin); }
int CabinetPanTagHost::productPanSizeAtBin(quint8 bin) const { return m_cabinet->getProductPanSizeFromBinNumber(bin); }

int CabinetPanTagHost::trayHoldTimePreSet(quint8 bin) const
{
    const TrayBarSc *tray = m_cabinet->getTrayPtr(bin);
    return tray ? tray->get_holdTimePreSet() : 0;
}

int CabinetPanTagHost::trayState(int bin) const { return m_cabinet->get_trayState(bin); }
bool CabinetPanTagHost::trayAlertStatus(quint8 bin) const { return m_cabinet->getTrayAlertStatus(bin); }
bool CabinetPanTagHost::binsMatch(quint8 binA, quint8 binB) const { return m_cabinet->doTheseBinsMatch(binA, binB); }

int CabinetPanTagHost::productHoldTimeSec(int productId) const
{
    return m_menus ? m_menus->getProductHoldTime(m_menus->getProductIndex(productId)).toInt() : 0;
}

quint32 CabinetPanTagHost::productCrc32(int productId) const
{
    return m_menus ? m_menus->getProductCrc32(productId) : 0;
}

QByteArray CabinetPanTagHost::productMd5(int productId) const
{
    return m_menus ? m_menus->getProductMd5(productId) : QByteArray();
}

QString CabinetPanTagHost::productName(int productId) const
{
    return m_menus ? m_menus->getProductName(productId).toString() : QString();
}

int CabinetPanTagHost::productResetTimeSec(int productId) const
{
    return m_menus ? m_menus->getProductResetTime(m_menus->getProductIndex(productId)).toInt() : 0;
}

void CabinetPanTagHost::startBinTimer(quint8 bin, qint32 seconds, quint64 uid) { m_cabinet->startBinTimer(bin, seconds, uid); }
void CabinetPanTagHost::stopBinTimer(quint8 bin) { m_cabinet->stopBinTimer(bin); }
void CabinetPanTagHost::setBinTimerExpired(quint8 bin) { m_cabinet->setBinTimerExpired(bin); }
void CabinetPanTagHost::handleHaccpTimerNfcTransfer(int bin) { m_cabinet->handleHaccpTimerNfcTransfer(bin); }
void CabinetPanTagHost::setMisMatchedPanId(int bin, quint64 uid) { m_cabinet->set_misMatchedPanId(bin, qlonglong(uid)); }

void CabinetPanTagHost::showProductMismatch(quint8 bin, bool show, int kind, bool flag)
{
    m_cabinet->showProductMismatch(bin, show, kind, flag);
}

void CabinetPanTagHost::soundNfcChime(bool universal) { m_cabinet->soundNfcChime(universal); }
void CabinetPanTagHost::showReaderErrorOnOtherDisplay() { m_cabinet->sendShowReaderError(); }

void CabinetPanTagHost::sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method)
{
    m_cabinet->sendHoldStartedEventToDbus(bin, uid, method);
}

void CabinetPanTagHost::sendHoldExpiredEvent(quint8 bin, quint64 uid)
{
    m_cabinet->sendHoldExpiredEventToDbus(bin, uid);
}

void CabinetPanTagHost::sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remainingSeconds)
{
    m_cabinet->sendHoldStoppedEventToDbus(bin, uid, method, remainingSeconds);
}

void CabinetPanTagHost::holdingListChanged(const QString &timeStamp) { emit m_cabinet->holdingListChanged(timeStamp); }
