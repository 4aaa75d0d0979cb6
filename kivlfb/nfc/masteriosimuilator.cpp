#include "masteriosimuilator.h"

MasterIOSimuilator::MasterIOSimuilator(int slaveId, int registerCount, QObject *parent)
    : ModbusFakeSlave(slaveId, registerCount, parent)
{
}

void MasterIOSimuilator::set_perChanelTemps(bool value)
{
    if (m_perChanelTemps == value)
        return;
    m_perChanelTemps = value;
    emit perChanelTempsChanged(value);
}

void MasterIOSimuilator::simulationUpdate()
{
    if (!get_simulationOnOff())
        return;
}
