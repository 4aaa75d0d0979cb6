#include "displayenvironment.h"

bool DisplayEnvironment::start()
{
    if (!m_bus.start() || !m_pty.open())
        return false;
    qputenv("KIV_SERIAL_PORT", m_pty.devicePath().toLocal8Bit());
    qputenv("KIV_CAN", "virtual");
    return true;
}
