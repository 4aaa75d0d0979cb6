#pragma once

#include "modbus/modbusfakeslave.h"

// An NFC reader board as a simulated Modbus slave (slaves 2 and 3).
class NfcReaderSimulator : public ModbusFakeSlave
{
    Q_OBJECT

public:
    NfcReaderSimulator(int slaveId, int registerCount, QObject *parent = nullptr);

public slots:
    // The reader's registers change only when a pan is placed or taken.
    void simulationUpdate() {}
};
