#include "displayenvironment.h"

#include <QDir>

bool DisplayEnvironment::start()
{
    if (!m_bus.start() || !m_pty.open())
        return false;
    qputenv("KIV_SERIAL_PORT", m_pty.devicePath().toLocal8Bit());
    qputenv("KIV_CAN", "virtual");
    return true;
}

QString DisplayEnvironment::newCanBus()
{
    const QString dir = m_canBuses.filePath(QStringLiteral("bus%1").arg(++m_canBusCount));
    QDir().mkpath(dir);
    return dir;
}
