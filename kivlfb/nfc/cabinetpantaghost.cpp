#include "cabinetpantaghost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/traybarsc.h"
#include "menus/menumanager.h"

CabinetPanTagHost::CabinetPanTagHost(CabinetManager *cabinet, MenuManager *menus)
    : m_cabinet(cabinet)
    , m_menus(menus)
{
}

bool CabinetPanTagHost::isPrimary() const { return m_cabinet->get_iAmMaster(); }
bool CabinetPanTagHost::nfcEnabled() const { return m_cabinet->get_nfcEnabled(); }
int CabinetPanTagHost::traysPerCabinet() const { return m_cabinet->get_traysPerCabinet(); }
bool CabinetPanTagHost::timerDecrementEnabled() const { return m_cabinet->get_timerDecrementEnable(); }
int CabinetPanTagHost::orientationId() const { return m_cabinet->get_orientationId(); }
int CabinetPanTagHost::customerId() const { return m_cabinet->get_customerId(); }
QString CabinetPanTagHost::macAddress() const { return m_config ? m_config->get_macAddress() : QString(); }
QString CabinetPanTagHost::iotType() const { return m_config ? m_config->get_iotType() : QString(); }
bool CabinetPanTagHost::systemBackupInProgress() const { return m_cabinet->getSystemBackupInProgress(); }

quint64 CabinetPanTagHost::tagUidAtBin(quint8 bin) const { return m_cabinet->getTagUidAtBin(bin); }
void CabinetPanTagHost::setTagUidAtTrayTimer(quint8 bin, quint64 uid) { m_cabinet->setTagUidAtTrayTimer(bin, uid); }
int CabinetPanTagHost::productIdAtBin(quint8 bin) const { return m_cabinet->getProductIDfromBinNumber(bin); }
int CabinetPanTagHost::productPanSizeAtBin(quint8 bin) const { return m_cabinet->getProductPanSizeFromBinNumber(bin); }

int CabinetPanTagHost::trayHoldTimePreSet(quint8 bin) const
{
    const TrayBarSc *tray = m_cabinet->getTrayPtr(bin);
    return tray ? tray->get_holdTimePreSet() : 0;
}

bool CabinetPanTagHost::trayAlertStatus(quint8 bin) const { return m_cabinet->getTrayAlertStatus(bin); }

void CabinetPanTagHost::showProductMismatch(quint8 bin, bool show, int kind)
{
    m_cabinet->showProductMismatch(bin, show, kind, false);
}

void CabinetPanTagHost::startBinTimer(quint8 bin, qint32 seconds, quint64 uid)
{
    m_cabinet->startBinTimer(bin, seconds, uid);
}

void CabinetPanTagHost::sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method)
{
    m_cabinet->sendHoldStartedEventToDbus(bin, uid, method);
}

void CabinetPanTagHost::sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remainingSeconds)
{
    m_cabinet->sendHoldStoppedEventToDbus(bin, uid, method, remainingSeconds);
}

void CabinetPanTagHost::handleHaccpTimerNfcTransfer(int bin) { m_cabinet->handleHaccpTimerNfcTransfer(bin); }

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
