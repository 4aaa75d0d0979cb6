#include "nfcreadersimulator.h"

NfcReaderSimulator::NfcReaderSimulator(int slaveId, int registerCount, QObject *parent)
    : ModbusFakeSlave(slaveId, registerCount, parent)
{
}
