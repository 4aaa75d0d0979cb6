#include "nfcreadersimulator.h"


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
