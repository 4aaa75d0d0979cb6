#include "cabinetnetworkhost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"

CabinetNetworkHost::CabinetNetworkHost(CabinetManager *cabinet, ConfigurationManager *config)
    : m_cabinet(cabinet)
    , m_config(config)
{
}

bool CabinetNetworkHost::iAmMaster() const { return m_cabinet->get_iAmMaster(); }
QString CabinetNetworkHost::cabinetName() const { return m_config ? m_config->getCabinetName() : QString(); }

void CabinetNetworkHost::processReceivedHoldingInfo(const QByteArray &datagram, const QHostAddress &sender)
{
    m_cabinet->processReceivedHoldingInfo(datagram, sender);
}

bool CabinetNetworkHost::handleTimerResetRequest(const QByteArray &request)
{
    return m_cabinet->handleTimerResetRequest(request);
}

void CabinetNetworkHost::productTransferConfirmed() { m_cabinet->productTransferConfirmed(); }
bool CabinetNetworkHost::systemBackupInProgress() const { return m_cabinet->getSystemBackupInProgress(); }
DADazodaru *CabinetNetworkHost::cabinetNetwork() const { return m_cabinet->get_cabinetNetwork(); }
