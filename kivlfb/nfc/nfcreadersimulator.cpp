#include "nfcreadersimulator.h"

#include "modbus/fakemodbuswidget.h"

NfcReaderSimulator::NfcReaderSimulator(int slaveId, int registerCount, QObject *parent)
    : ModbusFakeSlave(slaveId, registerCount, parent)
    , simulationTimer(this)
{
    connect(&simulationTimer, &QTimer::timeout, this, &NfcReaderSimulator::simulationUpdate);
    simulationTimer.start(kUpdateIntervalMs);
}

QStringList NfcReaderSimulator::registerDescriptions() const
{
    // The second reader's slots carry the cabinet's bins 10 to 19.
    const int first = get_slaveId() == 3 ? kTagSlots : 0;
    QStringList names = {QStringLiteral("rev.major"), QStringLiteral("rev minor.build"), QStringLiteral("?")};
    for (int i = first; i < first + kTagSlots; ++i)
        names << QStringLiteral("tag[%1]HW").arg(i) << QStringLiteral("tag[%1]UW").arg(i)
              << QStringLiteral("tag[%1]MW").arg(i) << QStringLiteral("tag[%1]LW").arg(i);
    return names;
}

void NfcReaderSimulator::showView()
{
    auto *view = new FakeModbusWidget(registerCount(), registerDescriptions());
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setWindowTitle(objectName());
    connect(view, &FakeModbusWidget::newRegisterValue, this, &ModbusFakeSlave::setHoldingRegister);
    connect(this, &ModbusFakeSlave::holdingRegisterUpdated, view, &FakeModbusWidget::updateRegister);
    connect(view, &FakeModbusWidget::requestBadCrc, this, &ModbusFakeSlave::fakeCrcErrorSetTrue);
    connect(view, &FakeModbusWidget::requestNack, this, &ModbusFakeSlave::fakeNackErrorSetTrue);
    connect(view, &FakeModbusWidget::requestWrongNode, this, &ModbusFakeSlave::fakeWrongNodeErrorSetTrue);
    // A reader's time-out button silences it once; it answers again after that.
    connect(view, &FakeModbusWidget::requestTimeout, this, &ModbusFakeSlave::fakeTimeoutErrorSetTrue);
    connect(view, &FakeModbusWidget::simulationOnOff, this, &ModbusFakeSlave::setSimulationOnOff);
    connect(this, &QObject::destroyed, view, &QObject::deleteLater);
    view->show();
}
