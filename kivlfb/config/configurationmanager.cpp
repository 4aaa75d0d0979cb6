#include "configurationmanager.h"

#include "core/cabinetmanager.h"

ConfigurationManager::ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager,
                                           bool iAmMaster, int orientationId, CabinetManager *parent)
    : TarnStateMachine(parent)
    , m_modbusMaster(modbusMaster)
    , m_canbusManager(canbusManager)
    , m_iAmMaster(iAmMaster)
    , m_orientationId(orientationId)
{
}
