#include "cabinetnfcreaderhost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "menus/menumanager.h"

CabinetNfcReaderHost::CabinetNfcReaderHost(CabinetManager *cabinet, MenuManager *menus,
                                           ConfigurationManager *config)
    : m_cabinet(cabinet)
    , m_menus(menus)
    , m_config(config)
{
}

bool CabinetNfcReaderHost::nfcEnabled() const { return m_cabinet->get_nfcEnabled(); }
const NfcPollInfo *CabinetNfcReaderHost::pollingInfo() const { return m_cabinet->get_nfcPollingInfo(); }
QList<int> CabinetNfcReaderHost::slotToBinList() const { return m_cabinet->get_nfcSlotToBinList(); }
int CabinetNfcReaderHost::traysPerCabinet() const { return m_cabinet->get_traysPerCabinet(); }
int CabinetNfcReaderHost::customerId() const { return m_cabinet->get_customerId(); }
bool CabinetNfcReaderHost::hasSecondaryDisplay() const { return m_cabinet->get_hasSecondaryDisplay(); }
QString CabinetNfcReaderHost::iotType() const { return m_config ? m_config->get_iotType() : QString(); }

void CabinetNfcReaderHost::setReaderFirmwareVersion(int reader, const QString &version)
{
    if (!m_config)
        return;
    if (reader == 1)
        m_config->set_readerFirmwareVersion1(version);
    else
        m_config->set_readerFirmwareVersion2(version);
}

int CabinetNfcReaderHost::productIdAtBin(quint8 bin) const { return m_cabinet->getProductIDfromBinNumber(bin); }
int CabinetNfcReaderHost::productPanSizeAtBin(quint8 bin) const { return m_cabinet->getProductPanSizeFromBinNumber(bin); }
int CabinetNfcReaderHost::trayState(int bin) const { return m_cabinet->get_trayState(bin); }
bool CabinetNfcReaderHost::trayAlertStatus(quint8 bin) const { return m_cabinet->getTrayAlertStatus(bin); }
bool CabinetNfcReaderHost::binsMatch(quint8 binA, quint8 binB) const { return m_cabinet->doTheseBinsMatch(binA, binB); }

int CabinetNfcReaderHost::productHoldTimeSec(int productId) const
{
    return int(m_cabinet->getProductHoldTime(productId));
}

quint32 CabinetNfcReaderHost::productCrc32(int productId) const
{
    return m_menus ? m_menus->getProductCrc32(productId) : 0;
}

int CabinetNfcReaderHost::productResetTimeSec(int productId) const
{
    return m_menus ? m_menus->getProductResetTime(m_menus->getProductIndex(productId)).toInt() : 0;
}

void CabinetNfcReaderHost::startBinTimer(quint8 bin, int seconds, quint64 uid) { m_cabinet->startBinTimer(bin, seconds, uid); }
void CabinetNfcReaderHost::stopBinTimer(quint8 bin) { m_cabinet->stopBinTimer(bin); }
void CabinetNfcReaderHost::setBinTimerExpired(quint8 bin) { m_cabinet->setBinTimerExpired(bin); }
void CabinetNfcReaderHost::handleHaccpTimerNfcTransfer(int bin) { m_cabinet->handleHaccpTimerNfcTransfer(bin); }
void CabinetNfcReaderHost::setMisMatchedPanId(int bin, quint64 uid) { m_cabinet->set_misMatchedPanId(bin, qlonglong(uid)); }

void CabinetNfcReaderHost::showProductMismatch(quint8 bin, bool show, int kind, bool flag)
{
    m_cabinet->showProductMismatch(bin, show, kind, flag);
}

void CabinetNfcReaderHost::soundNfcChime(bool universal) { m_cabinet->soundNfcChime(universal); }
void CabinetNfcReaderHost::showReaderErrorOnOtherDisplay() { m_cabinet->sendShowReaderError(); }

void CabinetNfcReaderHost::sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method)
{
    m_cabinet->sendHoldStartedEventToDbus(bin, uid, method);
}

void CabinetNfcReaderHost::sendHoldExpiredEvent(quint8 bin, quint64 uid)
{
    m_cabinet->sendHoldExpiredEventToDbus(bin, uid);
}

void CabinetNfcReaderHost::sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remainingSeconds)
{
    m_cabinet->sendHoldStoppedEventToDbus(bin, uid, method, remainingSeconds);
}

void CabinetNfcReaderHost::holdingListChanged(const QString &timeStamp) { emit m_cabinet->holdingListChanged(timeStamp); }
