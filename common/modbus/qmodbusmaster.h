#pragma once

#include "modbusslavestatus_struct.h"
#include "qmodbuspolldesc_struct.h"
#include "qmodbuspollinfo.h"

#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QSerialPort>
#include <QString>

#include <deque>
#include <optional>

class QState;
class QTimer;

// The one Modbus RTU master of a display. Request operations may be called
// from any thread: they queue a record and return at once. The machine, in
// the master's own (main) thread, takes one request at a time, sends its
// frame, waits for the reply, retries time-outs, checks and decodes the
// reply and reports through the caller's QModbusPollInfo. A link watch per
// slave declares a link broken after 30 final time-outs in a row. In fake
// mode frames go to simulated slaves instead of the serial line.
class QModbusMaster : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int timeoutsCount READ get_timeoutsCount WRITE set_timeoutsCount NOTIFY timeoutsCountChanged)
    Q_PROPERTY(int errorsCount READ get_errorsCount WRITE set_errorsCount NOTIFY errorsCountChanged)
    Q_PROPERTY(bool brokenLink READ get_brokenLink WRITE set_brokenLink NOTIFY brokenLinkChanged)
    Q_PROPERTY(int brokenPolls READ get_brokenPolls WRITE set_brokenPolls NOTIFY brokenPollsChanged)
    Q_PROPERTY(bool fakeModeOn READ get_fakeModeOn WRITE set_fakeModeOn NOTIFY fakeModeOnChanged)
    Q_PROPERTY(QString lastErrorInfo READ get_lastErrorInfo WRITE set_lastErrorInfo NOTIFY lastErrorInfoChanged)
    Q_PROPERTY(int queueDepth READ get_queueDepth WRITE set_queueDepth NOTIFY queueDepthChanged)

public:
    static constexpr int kBufferSize = 256;
    static constexpr quint16 kDefaultPollDelayMs = 20;
    static constexpr quint16 kDefaultPollTimeOutMs = 1000;
    static constexpr qint64 kNormalQueueTurnMs = 1100;
    static constexpr int kBrokenLinkLimit = 30;
    // After the device went away, how often opening it again is tried.
    static constexpr int kReopenIntervalMs = 2000;

    // port may be null (a display without a line); it is not owned.
    explicit QModbusMaster(QSerialPort *port, QObject *parent = nullptr);
    QSerialPort *port() const { return m_port; }
    ~QModbusMaster() override;

    int get_timeoutsCount() const { return m_timeoutsCount; }
    int get_errorsCount() const { return m_errorsCount; }
    bool get_brokenLink() const { return m_brokenLink; }
    int get_brokenPolls() const { return m_brokenPolls; }
    bool get_fakeModeOn() const { return m_fakeModeOn; }
    QString get_lastErrorInfo() const { return m_lastErrorInfo; }
    int get_queueDepth() const { return m_queueDepth; }

    // The link record of a slave, or null when it has none.
    const ModbusSlaveStatus_struct *slaveStatus(int node) const;

public slots:
    void set_timeoutsCount(int value);
    void set_errorsCount(int value);
    void set_brokenLink(bool value);
    void set_brokenPolls(int value);
    void set_fakeModeOn(bool value);
    void set_lastErrorInfo(const QString &value);
    void set_queueDepth(int value);

    // Request operations: 0 = queued, -1 = refused (nothing queued).
    qint8 holdingRegistersRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                               quint8 retryCount, QModbusPollInfo *retInfoPtr,
                               bool l_overrideFakeMode = false);
    qint8 holdingRegistersWrite(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                quint8 retryCount, QModbusPollInfo *retInfoPtr,
                                bool l_overrideFakeMode = false);
    // The update utility's write: it queues on the normal queue whatever the
    // record's priority, at the front when front is true, so that it goes
    // out before every request already waiting there.
    qint8 holdingRegistersWrite(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                quint8 retryCount, QModbusPollInfo *retInfoPtr,
                                bool l_overrideFakeMode, bool front);
    qint8 inputRegistersRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                             quint8 retryCount, QModbusPollInfo *retInfoPtr);
    qint8 discreteInputsRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                             quint8 retryCount, QModbusPollInfo *retInfoPtr);
    qint8 coilsRead(quint8 nodeId, quint16 startingCoil, quint16 quantity, quint8 retryCount,
                    QModbusPollInfo *retInfoPtr);
    qint8 coilsWrite(quint8 nodeId, quint16 start, quint16 num, quint8 retryCount,
                     QModbusPollInfo *retInfoPtr);
    qint8 fileRecordWrite(quint8 nodeId, quint16 fileNumber, quint8 dataLength,
                          quint16 recordNumber, quint16 recordLength, quint8 retryCount,
                          QModbusPollInfo *retInfoPtr);

    void slaveStatusDataInit(int node, bool errorReportEnable = false);
    void setPollDelay(quint16 msec);
    void setPollTimeOut(quint16 msec);
    int init();
    void startModbusStateMachine();

    void logDataEnable() { m_trace = true; }
    void logDataDisable() { m_trace = false; }
    bool isLogDataEnabled() const { return m_trace; }
    // Kept for callers of the older interface: the trace is switched with
    // the enable and disable slots only.
    void logDataToggle() {}

    void fakeResponseReceive(QByteArray msg);
    void selfLog(QString msg);

    // Entry and exit actions of the states.
    void initialState_onEntry();
    void initialState_onExit() {}
    void idleState_onEntry();
    void idleState_onExit() {}
    void pollRequestProcess_onEntry();
    void pollRequestProcess_onExit() {}
    void finalDelayState_onEntry();
    void finalDelayState_onExit() {}

    // Actions.
    void pollRequestProcessNext();
    void pollRequestSend();
    void pollResponseCompleteness();
    void pollProcessResponse();
    void pollStatusSetToTimedOut();
    void pollStatusSetToError();
    void incBrokenPolls();
    void decBrokenPolls();

    // The serial device went away (a resource error): see lineLost().
    void portErrorOccurred(QSerialPort::SerialPortError error);
    void reopenLine();

    // Guards.
    bool queuesNotEmpty();
    bool attemptsRemainingNotZero();
    bool attemptsRemainingIsZero();
    bool requestInQueue();
    bool pollResponseComplete();
    bool pollResponseNoHope();

signals:
    void dequeuePollRequest();
    void inThreadDequeuePollRequest();
    void pollRequestSent();
    void pollRequestMessage(QByteArray msg);
    void fakeResponseReceivedSignal();
    void sigProcessResponse();
    void sigResponseNoHope();
    void pollRequestWasCancelled();
    void moveOnSig();
    void startStateMachineSignal();
    void linkIsBroken(int node);
    void modbusErrorInfoStr(QString infoStr);
    void logData(QString data);

    void timeoutsCountChanged(int value);
    void errorsCountChanged(int value);
    void brokenLinkChanged(bool value);
    void brokenPollsChanged(int value);
    void fakeModeOnChanged(bool value);
    void lastErrorInfoChanged(QString value);
    void queueDepthChanged(int value);

private:
    enum class Completeness { Incomplete, Complete, Failed };

    void buildMachine();
    static QModbusPollDesc_struct request(quint8 nodeId, quint8 functionCode, quint16 start,
                                          quint16 quantity, quint8 retryCount,
                                          QModbusPollInfo *info);
    enum class QueuePlace { NormalBack, HighBack, NormalFront };
    qint8 enqueue(QModbusPollDesc_struct request, bool highPriority);
    qint8 enqueue(QModbusPollDesc_struct request, QueuePlace place);
    bool refuseOversizedWrite(const QModbusPollDesc_struct &request, const QModbusPollInfo *info);
    bool usesLine() const;
    void writeFrame(const QByteArray &frame);
    void lineLossFound(const QString &reason);
    void lineLost(const QString &reason);
    ModbusSlaveStatus_struct &slaveEntry(int node);
    void setErrorText(const QString &text);
    QString errorTrace(const QString &time) const;
    static QString timeText();

    QSerialPort *m_port;
    QTimer *m_replyTimer = nullptr;
    QTimer *m_finalDelayTimer = nullptr;
    QTimer *m_reopenTimer = nullptr;
    bool m_lineLossPending = false;
    // The modem lines the port was opened with, set again after a reopen
    // (the other line settings the port keeps by itself).
    bool m_restorePins = false;
    bool m_requestToSend = false;
    bool m_dataTerminalReady = false;
    QState *m_initialState = nullptr;
    QState *m_idleState = nullptr;
    QState *m_pollRequestProcess = nullptr;
    QState *m_finalDelayState = nullptr;

    QByteArray m_request;
    QByteArray m_reply;
    int m_received = 0;
    quint8 m_expectedSlave = 0;
    std::optional<QModbusPollDesc_struct> m_inFlight;
    Completeness m_completeness = Completeness::Incomplete;

    // Appended from any thread, taken in the master's thread.
    mutable QMutex m_queueMutex;
    std::deque<QModbusPollDesc_struct> m_normalQueue;
    std::deque<QModbusPollDesc_struct> m_highQueue;

    qint64 m_timeMark = -1; // ms since the epoch; -1 while unset
    quint16 m_pollDelay = kDefaultPollDelayMs;
    quint16 m_pollTimeOut = kDefaultPollTimeOutMs;
    bool m_trace = false;

    int m_timeoutsCount = 0;
    int m_errorsCount = 0;
    bool m_brokenLink = false;
    int m_brokenPolls = 0;
    bool m_fakeModeOn = false;
    QString m_lastErrorInfo;
    int m_queueDepth = 0;

    QHash<int, ModbusSlaveStatus_struct> m_slaves;
};
