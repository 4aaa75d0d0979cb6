#include "cabineterrorcontrolhost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"

CabinetErrorControlHost::CabinetErrorControlHost(CabinetManager *cabinet)
    : QObject(cabinet)
    , m_cabinet(cabinet)
{
}

int CabinetErrorControlHost::uiRole() const { return m_cabinet->get_uiRole(); }
bool CabinetErrorControlHost::iAmMaster() const { return m_cabinet->get_iAmMaster(); }
bool CabinetErrorControlHost::hasMirrorDisplay() const { return m_cabinet->get_hasMirrorDisplay(); }
bool CabinetErrorControlHost::hasSecondaryDisplay() const { return m_cabinet->get_hasSecondaryDisplay(); }
int CabinetErrorControlHost::numberOfZones() const { return m_cabinet->get_numberOfZones(); }

QString CabinetErrorControlHost::serialNumber() const
{
    const auto *config = qobject_cast<const ConfigurationManager *>(m_cabinet->get_configManager());
    return config ? config->get_serialNumber() : QString();
}

void CabinetErrorControlHost::sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    m_cabinet->sendErrorInfo(mainCode, subCode1, subCode2, subCode3);
}

void CabinetErrorControlHost::sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    m_cabinet->sendErrorClearInfo(mainCode, subCode1, subCode2, subCode3);
}

void CabinetErrorControlHost::sendClearAllErrorInfo()
{
    m_cabinet->sendClearAllErrorInfo();
}
