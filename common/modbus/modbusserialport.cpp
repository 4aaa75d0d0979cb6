#include "modbusserialport.h"

#include <QDebug>
#include <QSerialPort>

const char ModbusSerialPort::kDefaultPortName[] = "/dev/ttyO1";
const char ModbusSerialPort::kPortObjectName[] = "ModbusSerialPort";

namespace {

void checkSetting(QSerialPort *port, bool ok, const char *setting)
{
    if (ok)
        return;
    qDebug().nospace().noquote() << "Modbus serial port " << port->portName() << ": " << setting
                       << " not applied (" << port->errorString() << "), carrying on";
    port->clearError();
}

} // namespace

QString ModbusSerialPort::portName()
{
    const QString overridden = qEnvironmentVariable("KIV_SERIAL_PORT");
    return overridden.isEmpty() ? QString::fromLatin1(kDefaultPortName) : overridden;
}

QSerialPort *ModbusSerialPort::create()
{
    auto *port = new QSerialPort(portName());
    port->setObjectName(QLatin1String(kPortObjectName));
    return port;
}

bool ModbusSerialPort::open(QSerialPort *port)
{
    if (!port->open(QIODevice::ReadWrite)) {
        qDebug().nospace().noquote() << "Modbus serial port " << port->portName()
                           << " not opened: " << port->errorString();
        return false;
    }
    checkSetting(port, port->setBaudRate(QSerialPort::Baud115200), "baud rate 115200");
    checkSetting(port, port->setParity(QSerialPort::NoParity), "no parity");
    checkSetting(port, port->setDataBits(QSerialPort::Data8), "8 data bits");
    checkSetting(port, port->setStopBits(QSerialPort::OneStop), "1 stop bit");
    checkSetting(port, port->setFlowControl(QSerialPort::NoFlowControl), "no flow control");
    checkSetting(port, port->setRequestToSend(true), "RTS on");
    checkSetting(port, port->setDataTerminalReady(false), "DTR off");
    port->setTextModeEnabled(false);
    // The line's 20 ms read time-out has no counterpart here: the port is
    // event-driven and the master times each reply itself.
    return true;
}
