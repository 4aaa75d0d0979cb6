#pragma once

#include <QString>

class QSerialPort;

// The RS-485 line of the boards. The device is "/dev/ttyO1" on the target;
// KIV_SERIAL_PORT names another one (a test's pseudo-terminal), so both
// programs find the line through here.
class ModbusSerialPort
{
public:
    static const char kDefaultPortName[];  // "/dev/ttyO1"
    static const char kPortObjectName[];   // "ModbusSerialPort"

    static QString portName();
    // A port on portName(), not yet open, without a parent (it lives until
    // the process ends).
    static QSerialPort *create();
    // Opens for reading and writing and sets 115200 baud 8N1, no flow
    // control, RTS on, DTR off, text mode off. A setting the device refuses
    // (a pseudo-terminal has no modem lines) is logged and skipped; only a
    // failed open returns false.
    static bool open(QSerialPort *port);
};
