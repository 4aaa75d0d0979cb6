#pragma once

#include "privatebus.h"
#include "ptypair.h"

#include <QString>
#include <QTemporaryDir>

// What a whole display built inside a test process needs around it: a
// private system bus, a serial line that leads nowhere (one end of a
// pseudo-terminal pair, so nothing opens the machine's own port) and the
// virtual CAN bus. start() sets KIV_SERIAL_PORT and KIV_CAN for the displays
// the test builds afterwards; each test still picks its own root, and a bus
// directory (newCanBus) for the displays that are to hear each other.
class DisplayEnvironment
{
public:
    bool start();
    QString busAddress() const { return m_bus.address(); }
    // A fresh, empty virtual CAN bus directory.
    QString newCanBus();

private:
    PrivateBus m_bus;
    PtyPair m_pty;
    QTemporaryDir m_canBuses;
    int m_canBusCount = 0;
};
