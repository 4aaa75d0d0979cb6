#include "modbusfakeslave.h"

#include "fakemodbuswidget.h"
#include "modbusrtu.h"

#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QState>
#include <QTimer>

namespace {

constexpr quint8 kIllegalDataAddress = 0x02;

quint16 wordAt(const QByteArray &bytes, int index)
{
    return quint16((quint8(bytes.at(index)) << 8) | quint8(bytes.at(index + 1)));
}

void appendWord(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value >> 8));
    bytes.append(char(value & 0xFF));
}

} // namespace

ModbusFakeSlave::ModbusFakeSlave(int slaveId, int numRegisters, QObject *parent)
    : TarnStateMachine(parent)
    , m_slaveId(slaveId)
    , m_registers(qMax(numRegisters, 0), 0)
{
    // Register values travel by name in signals, also queued and to spies.
    qRegisterMetaType<uint16_t>("uint16_t");
    m_scTimer = new QTimer(this);
    m_scTimer->setSingleShot(true);
    m_scTimer->setInterval(kRespondDelayMs);

    StateMachineBuilder b(this);
    const QString self = QStringLiteral("this");
    QState *disabledState = b.state(this, "disabledState");
    QState *idleState = b.state(this, "idleState");
    QState *receivedState = b.state(this, "receivedState");
    setInitialState(idleState);

    b.transition(disabledState, idleState, "t_enable", self, this, SIGNAL(enable()));
    b.transition(idleState, disabledState, "t_disable", self, this, SIGNAL(disable()));
    b.transition(idleState, receivedState, "t_msgRcv", self, this, SIGNAL(serialFrameReceived()));
    auto *t = b.transition(receivedState, idleState, "t_respondTimer", QStringLiteral("scTimer"),
                           m_scTimer, SIGNAL(timeout()));
    b.action(t, "processSerialFrame");
}

ModbusFakeSlave::ModbusFakeSlave(int slaveId, QObject *parent)
    : ModbusFakeSlave(slaveId, FakeModbusWidget::kPlainRows, parent)
{
    m_plainForm = true;
    auto *simulationTimer = new QTimer(this);
    simulationTimer->setObjectName(QStringLiteral("simulationTimer"));
    connect(simulationTimer, &QTimer::timeout, this, &ModbusFakeSlave::simulationUpdate);
    simulationTimer->start(kSimulationIntervalMs);
}

void ModbusFakeSlave::set_slaveId(int value)
{
    m_slaveId = value;
    emit slaveIdChanged(value);
}

void ModbusFakeSlave::set_startAddr(int value)
{
    m_startAddr = value;
    emit startAddrChanged(value);
}

void ModbusFakeSlave::set_numOfRegs(int value)
{
    m_numOfRegs = value;
    emit numOfRegsChanged(value);
}

void ModbusFakeSlave::set_mbOperation(int value)
{
    m_mbOperation = value;
    emit mbOperationChanged(value);
}

void ModbusFakeSlave::receiveSerialFrame(QByteArray serialMsg)
{
    m_frame = serialMsg;
    m_frameLength = serialMsg.size();
    emit serialFrameReceived();
}

void ModbusFakeSlave::receivedState_onEntry()
{
    m_scTimer->start(kRespondDelayMs);
}

void ModbusFakeSlave::processSerialFrame()
{
    if (m_frameLength <= 4) {
        qDebug() << "Message too short! Only " << m_frameLength << " bytes.";
        return;
    }
    if (quint8(m_frame.at(0)) != quint8(m_slaveId))
        return;
    const quint16 computed = ModbusRtu::crc(m_frame.constData(), m_frameLength - 2);
    const quint16 received = quint16(quint8(m_frame.at(m_frameLength - 2))
                                     | (quint8(m_frame.at(m_frameLength - 1)) << 8));
    if (computed != received) {
        qDebug().noquote() << QStringLiteral("Modbus Fake Slave: *failed CRC ")
                + QString::asprintf("calculated %4.4X, msg %4.4X", computed, received);
        return;
    }

    const QByteArray message = m_frame.mid(1, m_frameLength - 3);
    switch (quint8(message.at(0))) {
    case 6:
        processWriteHoldingRegister(message);
        break;
    case 16:
        processMultiWriteHoldingRegisters(message);
        break;
    case 3:
        processReadHoldingRegisters(message);
        break;
    default:
        break;
    }
}

bool ModbusFakeSlave::inFile(int first, int count) const
{
    return first >= 0 && count >= 0 && first + count <= m_registers.size();
}

void ModbusFakeSlave::processReadHoldingRegisters(QByteArray message)
{
    if (message.size() < 5) {
        qDebug() << "Modbus Fake Slave: read request too short:" << message.size() << "bytes";
        return;
    }
    const int start = wordAt(message, 1);
    const int count = wordAt(message, 3);
    set_startAddr(start);
    set_numOfRegs(count);
    set_mbOperation(0);

    // A read is capped at the protocol's 125 registers, which also keeps
    // the byte count within 8 bits and the reply within one frame.
    const int served = qMin(count, kMaxReadRegisters);
    if (served > 0 && !inFile(start, served)) {
        sendException(3, kIllegalDataAddress);
        return;
    }
    QByteArray reply;
    reply.reserve(kReplyBufferSize);
    reply.append(char(m_slaveId));
    reply.append(char(3));
    reply.append(char(2 * served));
    for (int i = 0; i < served; ++i)
        appendWord(reply, m_registers.at(start + i));
    sendReply(reply);
}

void ModbusFakeSlave::processWriteHoldingRegister(QByteArray message)
{
    if (message.size() < 5) {
        qDebug() << "Modbus Fake Slave: write request too short:" << message.size() << "bytes";
        return;
    }
    const int address = wordAt(message, 1);
    const quint16 value = wordAt(message, 3);
    set_startAddr(address);
    set_numOfRegs(1);
    set_mbOperation(1);
    if (!inFile(address, 1)) {
        sendException(6, kIllegalDataAddress);
        return;
    }
    m_registers[address] = value;
    emit holdingRegisterUpdated(address, value);

    QByteArray reply;
    reply.append(char(m_slaveId));
    reply.append(message.left(5));
    sendReply(reply);
}

void ModbusFakeSlave::processMultiWriteHoldingRegisters(QByteArray message)
{
    if (message.size() < 6) {
        qDebug() << "Modbus Fake Slave: write request too short:" << message.size() << "bytes";
        return;
    }
    const int start = wordAt(message, 1);
    const int count = wordAt(message, 3);
    if (message.size() < 6 + 2 * count) {
        qDebug() << "Modbus Fake Slave: write request of" << count << "registers carries only"
                 << message.size() - 6 << "data bytes";
        return;
    }
    set_startAddr(start);
    set_numOfRegs(count);
    set_mbOperation(1);
    if (!inFile(start, count)) {
        sendException(16, kIllegalDataAddress);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const quint16 value = wordAt(message, 6 + 2 * i);
        m_registers[start + i] = value;
        emit holdingRegisterUpdated(start + i, value);
    }

    QByteArray reply;
    reply.append(char(m_slaveId));
    reply.append(message.left(5));
    sendReply(reply);
}

void ModbusFakeSlave::sendException(quint8 function, quint8 code)
{
    QByteArray reply;
    reply.append(char(m_slaveId));
    reply.append(char(function | 0x80));
    reply.append(char(code));
    sendReply(reply);
}

void ModbusFakeSlave::sendReply(QByteArray reply)
{
    if (m_fakeNackError) {
        reply[1] = char(quint8(reply.at(1)) | 0x80);
        m_fakeNackError = false;
    }
    reply = ModbusRtu::withCrc(reply);
    if (m_fakeCrcError) {
        reply[reply.size() - 1] = char(~quint8(reply.at(reply.size() - 1)));
        m_fakeCrcError = false;
    } else if (m_fakeWrongNodeError) {
        reply[0] = char(quint8(reply.at(0)) ^ 0x7F);
        m_fakeWrongNodeError = false;
    } else if (m_fakeTimeoutError) {
        return; // stays silent until the flag is toggled off
    }
    emit pollResponse(reply);
    emit frameAcked();
}

void ModbusFakeSlave::setHoldingRegister(int regNum, uint16_t value)
{
    if (!inFile(regNum, 1))
        return;
    m_registers[regNum] = value;
    emit holdingRegisterUpdated(regNum, value);
}

void ModbusFakeSlave::userSetHoldingRegister(int regNum, uint16_t value)
{
    if (inFile(regNum, 1))
        m_registers[regNum] = value;
}

uint16_t ModbusFakeSlave::getHoldingRegister(int regNum) const
{
    return inFile(regNum, 1) ? m_registers.at(regNum) : 0;
}

void ModbusFakeSlave::enableSm(bool value)
{
    if (value)
        emit enable();
    else
        emit disable();
}

QStringList ModbusFakeSlave::registerDescriptions() const
{
    QStringList names;
    names << QStringLiteral("detectedconfiguration") << QStringLiteral("selectedConfiguration");
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("zoneSetPoints[%1]").arg(i);
    names << QStringLiteral("operationModeCommand") << QStringLiteral("operationMode");
    for (int zone = 0; zone < 10; ++zone)
        for (int tc = 0; tc < 2; ++tc)
            names << QStringLiteral("actualTemp[%1][%2]").arg(zone).arg(tc);
    for (int zone = 0; zone < 10; ++zone)
        for (int tc = 0; tc < 2; ++tc)
            names << QStringLiteral("zoneErrStatus[%1][%2]").arg(zone).arg(tc);
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("tcRefErrorStatus[%1]").arg(i);
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("coldJunctionErrorStatus[%1]").arg(i);
    for (int board = 0; board < 5; ++board)
        for (int part = 0; part < 2; ++part)
            names << QStringLiteral("firmwareVersion[%1][%2]").arg(board).arg(part);
    names << QStringLiteral("firmwareUpdateStatus");
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("generalStatus[%1]").arg(i);
    return names;
}

void ModbusFakeSlave::showView()
{
    auto *view = m_plainForm ? new FakeModbusWidget()
                             : new FakeModbusWidget(m_registers.size(), registerDescriptions());
    view->setAttribute(Qt::WA_DeleteOnClose);
    if (!objectName().isEmpty()) // an unnamed slave keeps the window's own title
        view->setWindowTitle(objectName());
    connect(view, &FakeModbusWidget::newRegisterValue, this, &ModbusFakeSlave::setHoldingRegister);
    connect(this, &ModbusFakeSlave::holdingRegisterUpdated, view, &FakeModbusWidget::updateRegister);
    connect(view, &FakeModbusWidget::requestBadCrc, this, &ModbusFakeSlave::fakeCrcErrorSetTrue);
    connect(view, &FakeModbusWidget::requestNack, this, &ModbusFakeSlave::fakeNackErrorSetTrue);
    connect(view, &FakeModbusWidget::requestWrongNode, this,
            &ModbusFakeSlave::fakeWrongNodeErrorSetTrue);
    connect(view, &FakeModbusWidget::requestTimeout, this,
            timeoutButtonToggles() ? &ModbusFakeSlave::fakeTimeoutErrorToggle
                                   : &ModbusFakeSlave::fakeTimeoutErrorSetTrue);
    connect(view, &FakeModbusWidget::simulationOnOff, this, &ModbusFakeSlave::setSimulationOnOff);
    // The window closes with the program if the user never closes it.
    connect(this, &QObject::destroyed, view, &QObject::deleteLater);
    view->show();
}
