#include "cabinetholdingexchangehost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/traybarsc.h"
#include "menus/menumanager.h"

CabinetHoldingExchangeHost::CabinetHoldingExchangeHost(CabinetManager *cabinet, ConfigurationManager *config,
                                                       MenuManager *menus)
    : m_cabinet(cabinet)
    , m_config(config)
    , m_menus(menus)
{
}

QString CabinetHoldingExchangeHost::macAddress() const { return m_config ? m_config->get_macAddress() : QString(); }

QString CabinetHoldingExchangeHost::productsHashCode() const
{
    return m_config ? m_config->get_productsHashCode() : QString();
}

int CabinetHoldingExchangeHost::traysPerCabinet() const { return m_cabinet->get_traysPerCabinet(); }
bool CabinetHoldingExchangeHost::useFirstEnabled() const { return m_config && m_config->get_useFirstEnabled(); }
bool CabinetHoldingExchangeHost::linkedUseFirst() const { return m_cabinet->get_linkedUseFirst(); }
bool CabinetHoldingExchangeHost::touchBasedTransfer() const { return m_cabinet->get_touchBasedTransfer(); }
bool CabinetHoldingExchangeHost::haccpEnabled() const { return m_cabinet->get_haccpEnabled(); }

bool CabinetHoldingExchangeHost::hasOtherDisplay() const
{
    return m_cabinet->get_hasMirrorDisplay() || m_cabinet->get_hasSecondaryDisplay();
}

QList<trayInfo> CabinetHoldingExchangeHost::binRecords() const
{
    QList<trayInfo> records;
    const int trays = m_cabinet->get_traysPerCabinet();
    records.reserve(trays);
    for (int bin = 0; bin < trays; ++bin)
        records.append(m_cabinet->getTrayInfo(bin));
    return records;
}

int CabinetHoldingExchangeHost::productIdAtBin(quint8 bin) const { return m_cabinet->getProductIDfromBinNumber(bin); }

void CabinetHoldingExchangeHost::setUseBin(int bin, bool use)
{
    for (QObject *object : m_cabinet->get_traysModelList()) {
        auto *tray = qobject_cast<TrayBarSc *>(object);
        if (tray && tray->get_binNumber() == bin)
            tray->set_useBin(use);
    }
}

void CabinetHoldingExchangeHost::sendBinsToUse(quint32 mask) { m_cabinet->sendBinsToUse(mask); }
void CabinetHoldingExchangeHost::startBinTimer(quint8 bin, qint32 seconds) { m_cabinet->startBinTimer(bin, seconds, 0); }
void CabinetHoldingExchangeHost::stopBinTimer(quint8 bin) { m_cabinet->stopBinTimer(bin); }

void CabinetHoldingExchangeHost::removeHaccpLogTimerStartInfo(int bin, int productId, qint64 expectedTime)
{
    m_cabinet->removeHaccpLogTimerStartInfo(bin, productId, expectedTime);
}

QVariant CabinetHoldingExchangeHost::productName(int productId) const
{
    return m_menus ? m_menus->getProductName(productId) : QVariant();
}

QVariant CabinetHoldingExchangeHost::productHoldTime(int productId) const
{
    return m_menus ? m_menus->getProductHoldTime(m_menus->getProductIndex(productId)) : QVariant();
}

QVariant CabinetHoldingExchangeHost::productWarningTime(int productId) const
{
    return m_menus ? m_menus->getProductWarningTime(m_menus->getProductIndex(productId)) : QVariant();
}
