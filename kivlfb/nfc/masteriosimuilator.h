#pragma once

#include "modbus/modbusfakeslave.h"

// The I/O board as a simulated Modbus slave: the register file the primary
// display polls when it runs in simulation.
class MasterIOSimuilator : public ModbusFakeSlave
{
    Q_OBJECT
    Q_PROPERTY(bool perChanelTemps READ get_perChanelTemps WRITE set_perChanelTemps NOTIFY perChanelTempsChanged)

public:
    MasterIOSimuilator(int slaveId, int registerCount, QObject *parent = nullptr);

    bool get_perChanelTemps() const { return m_perChanelTemps; }

public slots:
    void set_perChanelTemps(bool value);
    // Periodic update of the simulated readings; nothing while the
    // simulation is switched off.
    void simulationUpdate();

signals:
    void perChanelTempsChanged(bool value);

private:
    bool m_perChanelTemps = false;
};
