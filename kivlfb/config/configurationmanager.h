#pragma once

#include "statemachine/tarnstatemachine.h"

class CabinetManager;
class CanbusManager;
class QModbusMaster;

// The cabinet's configuration store and, on the primary display, the machine
// that sets up the I/O board.
class ConfigurationManager : public TarnStateMachine
{
    Q_OBJECT

public:
    // The cabinet layout the I/O board is told to drive.
    enum CabinetConf_enum {
        KIV_CONF_2X2 = 0,
        KIV_CONF_2X3 = 1,
        KIV_CONF_2X4 = 2,
        KIV_CONF_3X4 = 3,
        KIV_CONF_4X4 = 4,
        KIV_CONF_5X2 = 5,
        KIV_CONF_5X4 = 6,
        KIV_CONF_MAX = 7,
        KIV_CONF_INVALID = -1,
    };
    Q_ENUM(CabinetConf_enum)

    // orientationId is kept as given and not used further.
    ConfigurationManager(QModbusMaster *modbusMaster, CanbusManager *canbusManager, bool iAmMaster,
                         int orientationId, CabinetManager *parent);

private:
    QModbusMaster *m_modbusMaster;
    CanbusManager *m_canbusManager;
    bool m_iAmMaster;
    int m_orientationId;
};
