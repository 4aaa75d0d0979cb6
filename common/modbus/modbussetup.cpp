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
        QObject::connect(master, &QModbusMaster::pollRequestMessage, slave,
                         &ModbusFakeSlave::receiveSerialFrame);
        QObject::connect(slave, &ModbusFakeSlave::pollResponse, master,
                         &QModbusMaster::fakeResponseReceive);
    }
    QObject::connect(master, &QModbusMaster::startStateMachineSignal, master,
                     &QStateMachine::start, Qt::QueuedConnection);
}
