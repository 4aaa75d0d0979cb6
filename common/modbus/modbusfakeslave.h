#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QVector>

class QTimer;
class FakeModbusWidget;

// A simulated Modbus RTU slave for the master's fake mode: a file of holding
// registers that answers functions 3, 6 and 16 addressed to its id 5 ms
// after a frame arrives, and can be told to spoil its next reply (bad CRC,
// exception, wrong slave id) or to stay silent until told otherwise.
class ModbusFakeSlave : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int slaveId READ get_slaveId WRITE set_slaveId NOTIFY slaveIdChanged)
    Q_PROPERTY(int startAddr READ get_startAddr WRITE set_startAddr NOTIFY startAddrChanged)
    Q_PROPERTY(int numOfRegs READ get_numOfRegs WRITE set_numOfRegs NOTIFY numOfRegsChanged)
    Q_PROPERTY(int mbOperation READ get_mbOperation WRITE set_mbOperation NOTIFY mbOperationChanged)

public:
    static constexpr int kRespondDelayMs = 5;
    static constexpr int kReplyBufferSize = 256;
    static constexpr int kMaxReadRegisters = 125; // the protocol's limit per read
    static constexpr int kSimulationIntervalMs = 2000; // plain form only

    ModbusFakeSlave(int slaveId, int numRegisters, QObject *parent = nullptr);
    // The plain form: as many registers as the plain window has rows, so
    // that every row it shows can be edited, and simulationUpdate() called
    // every 2 s by the timer "simulationTimer".
    ModbusFakeSlave(int slaveId, QObject *parent);

    int get_slaveId() const { return m_slaveId; }
    int get_startAddr() const { return m_startAddr; }
    int get_numOfRegs() const { return m_numOfRegs; }
    int get_mbOperation() const { return m_mbOperation; }
    bool get_simulationOnOff() const { return m_simulationOn; }
    int registerCount() const { return m_registers.size(); }

public slots:
    void set_slaveId(int value);
    void set_startAddr(int value);
    void set_numOfRegs(int value);
    void set_mbOperation(int value);

    void receiveSerialFrame(QByteArray serialMsg);
    void processSerialFrame();
    void processReadHoldingRegisters(QByteArray message);
    void processWriteHoldingRegister(QByteArray message);
    void processMultiWriteHoldingRegisters(QByteArray message);

    // Register numbers outside the file are ignored (and read as 0).
    void setHoldingRegister(int regNum, uint16_t value);
    void userSetHoldingRegister(int regNum, uint16_t value);
    uint16_t getHoldingRegister(int regNum) const;

    void enableSm(bool value);
    void fakeCrcErrorSetTrue() { m_fakeCrcError = true; }
    void fakeNackErrorSetTrue() { m_fakeNackError = true; }
    void fakeWrongNodeErrorSetTrue() { m_fakeWrongNodeError = true; }
    void fakeTimeoutErrorSetTrue() { m_fakeTimeoutError = true; }
    void fakeTimeoutErrorToggle() { m_fakeTimeoutError = !m_fakeTimeoutError; }
    void setSimulationOnOff(bool onOff) { m_simulationOn = onOff; }

    void showView();
    // Periodic change of the registers; the plain slave changes nothing.
    virtual void simulationUpdate() {}

    void disabledState_onEntry() {}
    void disabledState_onExit() {}
    void idleState_onEntry() {}
    void idleState_onExit() {}
    void receivedState_onEntry();
    void receivedState_onExit() {}

signals:
    void pollResponse(QByteArray response);
    void frameAcked();
    void holdingRegisterUpdated(int regNum, uint16_t value);
    void serialFrameReceived();
    void enable();
    void disable();
    void slaveIdChanged(int value);
    void startAddrChanged(int value);
    void numOfRegsChanged(int value);
    void mbOperationChanged(int value);

protected:
    // Row labels of the register window; simulators name their own maps.
    virtual QStringList registerDescriptions() const;
    // Whether the window's time-out button switches the silence on and off
    // (true) or silences one reply (false).
    virtual bool timeoutButtonToggles() const { return false; }

private:
    void sendReply(QByteArray reply);
    void sendException(quint8 function, quint8 code);
    bool inFile(int first, int count) const;

    int m_slaveId;
    int m_startAddr = 0;
    int m_numOfRegs = 0;
    int m_mbOperation = 0;
    bool m_plainForm = false;
    bool m_simulationOn = true;
    QVector<quint16> m_registers;
    QByteArray m_frame;
    int m_frameLength = 0;
    bool m_fakeCrcError = false;
    bool m_fakeNackError = false;
    bool m_fakeWrongNodeError = false;
    bool m_fakeTimeoutError = false;
    QTimer *m_scTimer = nullptr;
};
