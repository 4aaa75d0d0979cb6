#pragma once

#include <QList>

class ModbusFakeSlave;
class QModbusMaster;

// Wiring of the Modbus master as the composition root does it, in one
// place: the boards on the line (slave 1, the I/O board, reports a broken
// link; the NFC readers 2 and 3 do not), fake mode in simulation, the
// traffic trace ("-logmodbus"), the simulated slaves and the queued start.
// Starting is left to the caller: startModbusStateMachine() on the primary
// display only.
class ModbusSetup
{
public:
    static constexpr int kIoBoardNode = 1;
    static constexpr int kFirstNfcNode = 2;
    static constexpr int kSecondNfcNode = 3;

    static void wire(QModbusMaster *master, const QList<ModbusFakeSlave *> &fakeSlaves,
                     bool fakeMode, bool logTraffic);
};
