#include "modbussetup.h"

#include "modbusfakeslave.h"
#include "qmodbusmaster.h"

void ModbusSetup::wire(QModbusMaster *master, const QList<ModbusFakeSlave *> &fakeSlaves,
                       bool fakeMode, bool logTraffic)
{
    master->slaveStatusDataInit(kIoBoardNode, true);
    master->slaveStatusDataInit(kFirstNfcNode);
    master->slaveStatusDataInit(kSecondNfcNode);
    if (fakeMode)
        master->set_fakeModeOn(true);
    if (logTraffic)
        master->logDataEnable();
    for (ModbusFakeSlave *slave : fakeSlaves) {
        // Queued both ways: a reply never re-enters the master inside the
        // send that caused it.
        QObject::connect(master, &QModbusMaster::pollRequestMessage, slave,
                         &ModbusFakeSlave::receiveSerialFrame, Qt::QueuedConnection);
        QObject::connect(slave, &ModbusFakeSlave::pollResponse, master,
                         &QModbusMaster::fakeResponseReceive, Qt::QueuedConnection);
    }
    QObject::connect(master, &QModbusMaster::startStateMachineSignal, master,
                     &QStateMachine::start, Qt::QueuedConnection);
}
