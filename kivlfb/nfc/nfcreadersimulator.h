#pragma once

#include "modbus/modbusfakeslave.h"

#include <QTimer>

// An NFC reader board as a simulated Modbus slave (slaves 2 and 3). It
// answers the reader polls from its registers; pans are placed and taken
// by writing a bin's tag words into them.
class NfcReaderSimulator : public ModbusFakeSlave
{
    Q_OBJECT

public:
    static constexpr int kUpdateIntervalMs = 1000;
    static constexpr int kTagSlots = 10;

    NfcReaderSimulator(int slaveId, int registerCount, QObject *parent = nullptr);

public slots:
    // The reader's registers change only when a pan is placed or taken.
    void simulationUpdate() override {}

protected:
    QStringList registerDescriptions() const override;

private:
    QTimer simulationTimer;
};
