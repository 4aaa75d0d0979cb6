#include "qmodbusmaster.h"

#include "property/assignifchanged.h"

#include "modbusrtu.h"

#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSerialPort>
#include <QState>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

QModbusMaster::QModbusMaster(QSerialPort *port, QObject *parent)
    : TarnStateMachine(parent)
    , m_port(port)
    , m_request(kBufferSize, '\0')
    , m_reply(kBufferSize, '\0')
{
    if (m_port) {
        m_port->setFlowControl(QSerialPort::NoFlowControl);
        m_port->setStopBits(QSerialPort::OneStop);
        m_port->setParity(QSerialPort::NoParity);
    }

    m_replyTimer = new QTimer(this);
    m_replyTimer->setObjectName(QStringLiteral("reply timer"));
    m_replyTimer->setSingleShot(true);
    m_finalDelayTimer = new QTimer(this);
    m_finalDelayTimer->setObjectName(QStringLiteral("final delay timer"));
    m_finalDelayTimer->setSingleShot(true);
    m_finalDelayTimer->setInterval(m_pollDelay);
    m_reopenTimer = new QTimer(this);
    m_reopenTimer->setObjectName(QStringLiteral("reopen timer"));
    m_reopenTimer->setInterval(kReopenIntervalMs);
    connect(m_reopenTimer, &QTimer::timeout, this, &QModbusMaster::reopenLine);

    if (m_port) {
        if (m_port->isOpen()) {
            const QSerialPort::PinoutSignals pins = m_port->pinoutSignals();
            // A line without modem lines (a pseudo-terminal) has none to keep.
            m_restorePins = m_port->error() == QSerialPort::NoError;
            m_requestToSend = pins & QSerialPort::RequestToSendSignal;
            m_dataTerminalReady = pins & QSerialPort::DataTerminalReadySignal;
            m_port->clearError();
        }
        connect(m_port, &QSerialPort::errorOccurred, this, &QModbusMaster::portErrorOccurred);
    }

    buildMachine();

    connect(this, &QModbusMaster::logData, this, &QModbusMaster::selfLog);
    // A request queued from another thread is announced here, in the
    // machine's thread, by the queued inThreadDequeuePollRequest().
    connect(this, &QModbusMaster::inThreadDequeuePollRequest, this,
            &QModbusMaster::dequeuePollRequest);
}

QModbusMaster::~QModbusMaster() = default;

void QModbusMaster::buildMachine()
{
    StateMachineBuilder b(this);
    const QString self = QStringLiteral("this");

    m_initialState = b.state(this, "initialState");
    m_idleState = b.state(this, "idleState");
    m_pollRequestProcess = b.state(this, "pollRequestProcess");
    m_finalDelayState = b.state(this, "finalDelayState");
    setInitialState(m_initialState);

    b.transition(m_initialState, m_idleState, "t_move_on", self, this, SIGNAL(moveOnSig()));
    b.transition(m_idleState, m_pollRequestProcess, "t_dequeueRequest", self, this,
                 SIGNAL(dequeuePollRequest()), "queuesNotEmpty");
    b.transition(m_pollRequestProcess, m_idleState, "t1acanceled", self, this,
                 SIGNAL(pollRequestWasCancelled()));

    auto *t = b.transition(m_pollRequestProcess, nullptr, "tTO_retries",
                           QStringLiteral("replyTimer"), m_replyTimer, SIGNAL(timeout()),
                           "attemptsRemainingNotZero");
    b.action(t, "pollRequestSend");
    b.action(t, "incBrokenPolls");

    t = b.transition(m_pollRequestProcess, m_idleState, "tTO_noRetries",
                     QStringLiteral("replyTimer"), m_replyTimer, SIGNAL(timeout()),
                     "attemptsRemainingIsZero");
    b.action(t, "pollStatusSetToTimedOut");
    b.action(t, "incBrokenPolls");

    if (m_port) {
        t = b.transition(m_pollRequestProcess, nullptr, "tSerialDataRcvd", QStringLiteral("port"),
                         m_port, SIGNAL(readyRead()));
        b.action(t, "pollResponseCompleteness");
    }

    t = b.transition(m_pollRequestProcess, nullptr, "t_fakeReceivedSig", self, this,
                     SIGNAL(fakeResponseReceivedSignal()));
    b.action(t, "pollResponseCompleteness");

    t = b.transition(m_pollRequestProcess, m_finalDelayState, "tPollComplete", self, this,
                     SIGNAL(sigProcessResponse()));
    b.action(t, "pollProcessResponse");
    b.action(t, "decBrokenPolls");

    b.transition(m_finalDelayState, m_idleState, "tFinalDelayTO",
                 QStringLiteral("finalDelayTimer"), m_finalDelayTimer, SIGNAL(timeout()));

    t = b.transition(m_pollRequestProcess, m_finalDelayState, "tPollNoHope", self, this,
                     SIGNAL(sigResponseNoHope()));
    b.action(t, "pollStatusSetToError");
    b.action(t, "incBrokenPolls");
}

// --- properties ------------------------------------------------------------

void QModbusMaster::set_timeoutsCount(int value)
{
    if (assignIfChanged(m_timeoutsCount, value))
        emit timeoutsCountChanged(value);
}

void QModbusMaster::set_errorsCount(int value)
{
    m_errorsCount = value;
    emit errorsCountChanged(value);
}

void QModbusMaster::set_brokenLink(bool value)
{
    if (assignIfChanged(m_brokenLink, value))
        emit brokenLinkChanged(value);
}

void QModbusMaster::set_brokenPolls(int value)
{
    m_brokenPolls = value;
    emit brokenPollsChanged(value);
}

void QModbusMaster::set_fakeModeOn(bool value)
{
    m_fakeModeOn = value;
    emit fakeModeOnChanged(value);
}

void QModbusMaster::set_lastErrorInfo(const QString &value)
{
    m_lastErrorInfo = value;
    emit lastErrorInfoChanged(value);
}

void QModbusMaster::set_queueDepth(int value)
{
    if (assignIfChanged(m_queueDepth, value))
        emit queueDepthChanged(value);
}

const ModbusSlaveStatus_struct *QModbusMaster::slaveStatus(int node) const
{
    const auto it = m_slaves.constFind(node);
    return it == m_slaves.constEnd() ? nullptr : &it.value();
}

// --- request operations ----------------------------------------------------

qint8 QModbusMaster::enqueue(QModbusPollDesc_struct request, bool highPriority)
{
    return enqueue(std::move(request), highPriority ? QueuePlace::HighBack : QueuePlace::NormalBack);
}

qint8 QModbusMaster::enqueue(QModbusPollDesc_struct request, QueuePlace place)
{
    QModbusPollInfo *info = request.pollInfo.data();
    // The state is set before the record becomes visible to the machine:
    // from a worker thread the main thread could otherwise issue the request
    // (state 4) before this thread writes state 3 over it.
    info->pollResolved(QModbusPollInfo::QMBS_WAITING_IN_QUEUE);
    {
        QMutexLocker lock(&m_queueMutex);
        if (place == QueuePlace::HighBack)
            m_highQueue.push_back(std::move(request));
        else if (place == QueuePlace::NormalFront)
            m_normalQueue.push_front(std::move(request));
        else
            m_normalQueue.push_back(std::move(request));
    }
    // Only a caller in another thread pays for a posted event; the machine
    // never runs outside its own thread.
    if (QThread::currentThread() == thread())
        emit dequeuePollRequest();
    else
        QMetaObject::invokeMethod(this, "inThreadDequeuePollRequest", Qt::QueuedConnection);
    return 0;
}

bool QModbusMaster::refuseOversizedWrite(const QModbusPollDesc_struct &r,
                                         const QModbusPollInfo *info)
{
    const int frameLength = ModbusRtu::requestLength(r.functionCode, r.quantity, r.recordLength);
    const int needed = ModbusRtu::valuesNeeded(r.functionCode, r.quantity, r.recordLength);
    if (frameLength > kBufferSize) {
        qWarning().nospace() << "Modbus request refused: function " << r.functionCode
                             << " to node " << r.slaveId << " needs a frame of " << frameLength
                             << " bytes, more than " << kBufferSize;
        return true;
    }
    if (needed > info->values().size()) {
        qWarning().nospace() << "Modbus request refused: function " << r.functionCode
                             << " to node " << r.slaveId << " writes " << needed
                             << " values, the poll record holds " << info->values().size();
        return true;
    }
    return false;
}

QModbusPollDesc_struct QModbusMaster::request(quint8 nodeId, quint8 functionCode,
                                              quint16 start, quint16 quantity,
                                              quint8 retryCount, QModbusPollInfo *info)
{
    QModbusPollDesc_struct r;
    r.slaveId = nodeId;
    r.functionCode = functionCode;
    r.startAddress = start;
    r.quantity = quantity;
    r.attemptsRemaining = retryCount + 1;
    r.pollInfo = info;
    return r;
}

qint8 QModbusMaster::holdingRegistersRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                          quint8 retryCount, QModbusPollInfo *retInfoPtr,
                                          bool l_overrideFakeMode)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    QModbusPollDesc_struct r = request(nodeId, 3, startingReg, quantity, retryCount, retInfoPtr);
    r.overrideFakeMode = l_overrideFakeMode;
    return enqueue(std::move(r), retInfoPtr->highPriority());
}

qint8 QModbusMaster::holdingRegistersWrite(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                           quint8 retryCount, QModbusPollInfo *retInfoPtr,
                                           bool l_overrideFakeMode)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    QModbusPollDesc_struct r = request(nodeId, quantity == 1 ? 6 : 16, startingReg, quantity,
                                       retryCount, retInfoPtr);
    r.overrideFakeMode = l_overrideFakeMode;
    if (refuseOversizedWrite(r, retInfoPtr))
        return -1;
    return enqueue(std::move(r), retInfoPtr->highPriority());
}

qint8 QModbusMaster::holdingRegistersWrite(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                           quint8 retryCount, QModbusPollInfo *retInfoPtr,
                                           bool l_overrideFakeMode, bool front)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    QModbusPollDesc_struct r = request(nodeId, quantity == 1 ? 6 : 16, startingReg, quantity,
                                       retryCount, retInfoPtr);
    r.overrideFakeMode = l_overrideFakeMode;
    if (refuseOversizedWrite(r, retInfoPtr))
        return -1;
    return enqueue(std::move(r), front ? QueuePlace::NormalFront : QueuePlace::NormalBack);
}

qint8 QModbusMaster::inputRegistersRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                        quint8 retryCount, QModbusPollInfo *retInfoPtr)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    return enqueue(request(nodeId, 4, startingReg, quantity, retryCount, retInfoPtr), false);
}

qint8 QModbusMaster::discreteInputsRead(quint8 nodeId, quint16 startingReg, quint8 quantity,
                                        quint8 retryCount, QModbusPollInfo *retInfoPtr)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    return enqueue(request(nodeId, 2, startingReg, quantity, retryCount, retInfoPtr), false);
}

qint8 QModbusMaster::coilsRead(quint8 nodeId, quint16 startingCoil, quint16 quantity,
                               quint8 retryCount, QModbusPollInfo *retInfoPtr)
{
    if (!retInfoPtr || quantity == 0)
        return -1;
    return enqueue(request(nodeId, 1, startingCoil, quantity, retryCount, retInfoPtr), false);
}

qint8 QModbusMaster::coilsWrite(quint8 nodeId, quint16 start, quint16 num, quint8 retryCount,
                                QModbusPollInfo *retInfoPtr)
{
    if (!retInfoPtr || num == 0)
        return -1;
    QModbusPollDesc_struct r = request(nodeId, num == 1 ? 5 : 15, start, num, retryCount,
                                       retInfoPtr);
    if (refuseOversizedWrite(r, retInfoPtr))
        return -1;
    return enqueue(std::move(r), false);
}

qint8 QModbusMaster::fileRecordWrite(quint8 nodeId, quint16 fileNumber, quint8 dataLength,
                                     quint16 recordNumber, quint16 recordLength,
                                     quint8 retryCount, QModbusPollInfo *retInfoPtr)
{
    if (!retInfoPtr || dataLength == 0)
        return -1;
    QModbusPollDesc_struct r = request(nodeId, 21, 0, 0, retryCount, retInfoPtr);
    r.dataLength = dataLength;
    r.referenceType = 6;
    r.fileNumber = fileNumber;
    r.recordNumber = recordNumber;
    r.recordLength = recordLength;
    if (refuseOversizedWrite(r, retInfoPtr))
        return -1;
    return enqueue(std::move(r), false);
}

// --- other slots -------------------------------------------------------------

void QModbusMaster::slaveStatusDataInit(int node, bool errorReportEnable)
{
    ModbusSlaveStatus_struct entry;
    entry.report = errorReportEnable;
    m_slaves.insert(node, entry);
}

void QModbusMaster::setPollDelay(quint16 msec)
{
    m_pollDelay = msec;
}

void QModbusMaster::setPollTimeOut(quint16 msec)
{
    m_pollTimeOut = msec;
}

int QModbusMaster::init()
{
    m_pollDelay = kDefaultPollDelayMs;
    m_pollTimeOut = kDefaultPollTimeOutMs;
    m_received = 0;
    m_inFlight.reset();
    return 1;
}

void QModbusMaster::startModbusStateMachine()
{
    emit startStateMachineSignal();
}

void QModbusMaster::fakeResponseReceive(QByteArray msg)
{
    // A reply longer than one frame is cut to the buffer: the completeness
    // test then judges what fits.
    const int n = qMin(msg.size(), kBufferSize);
    memcpy(m_reply.data(), msg.constData(), size_t(n));
    m_received = n;
    emit fakeResponseReceivedSignal();
}

void QModbusMaster::selfLog(QString msg)
{
    qDebug().noquote() << msg;
}

// --- states ----------------------------------------------------------------

void QModbusMaster::initialState_onEntry()
{
    emit moveOnSig();
}

void QModbusMaster::idleState_onEntry()
{
    m_inFlight.reset();
    m_received = 0;
    emit dequeuePollRequest();
}

void QModbusMaster::pollRequestProcess_onEntry()
{
    pollRequestProcessNext();
}

void QModbusMaster::finalDelayState_onEntry()
{
    m_finalDelayTimer->start(m_pollDelay);
}

// --- actions -----------------------------------------------------------------

QString QModbusMaster::timeText()
{
    return KivClock::now().toString(QStringLiteral("hh:mm:ss:zzz"));
}

bool QModbusMaster::usesLine() const
{
    return !(m_fakeModeOn && !(m_inFlight && m_inFlight->overrideFakeMode));
}

void QModbusMaster::pollRequestProcessNext()
{
    m_received = 0;
    m_inFlight.reset();
    int normalDepth = -1; // set when the request comes from the normal queue
    {
        QMutexLocker lock(&m_queueMutex);
        if (m_normalQueue.empty() && m_highQueue.empty())
            return;

        bool takeNormal = m_highQueue.empty();
        if (!takeNormal) {
            // High priority goes first, but while both queues are busy a
            // normal request gets its turn once per 1100 ms since the mark.
            const qint64 sinceMark = m_timeMark < 0 ? 0 : KivClock::msecsSinceEpoch() - m_timeMark;
            takeNormal = sinceMark >= kNormalQueueTurnMs && !m_normalQueue.empty();
        }

        if (takeNormal) {
            normalDepth = int(m_normalQueue.size());
            m_inFlight = std::move(m_normalQueue.front());
            m_normalQueue.pop_front();
            m_timeMark = KivClock::msecsSinceEpoch();
        } else {
            m_inFlight = std::move(m_highQueue.front());
            m_highQueue.pop_front();
            if (m_normalQueue.empty())
                m_timeMark = KivClock::msecsSinceEpoch();
        }
    }
    // Emitted outside the lock: a listener may queue the next request.
    if (normalDepth >= 0)
        set_queueDepth(normalDepth);

    const QModbusPollInfo *info = m_inFlight->pollInfo.data();
    if (!info || info->state() == QModbusPollInfo::QMBS_REQUEST_CANCELED)
        emit pollRequestWasCancelled();
    else
        pollRequestSend();
}

void QModbusMaster::pollRequestSend()
{
    const QString time = m_trace ? timeText() : QString();
    if (!m_inFlight)
        return;
    QModbusPollInfo *info = m_inFlight->pollInfo.data();
    if (!info || info->state() == QModbusPollInfo::QMBS_REQUEST_CANCELED) {
        emit pollRequestWasCancelled();
        return;
    }

    const bool line = usesLine();
    const bool portOpen = m_port && m_port->isOpen();
    if (line && portOpen && m_port->bytesAvailable() > 0)
        m_port->readAll(); // stale bytes of an earlier exchange

    m_received = 0;
    m_reply.fill('\0');
    m_request = ModbusRtu::requestFrame(*m_inFlight, info->values());
    m_expectedSlave = m_inFlight->slaveId;

    if (!m_request.isEmpty()) {
        if (!line) {
            emit pollRequestMessage(m_request);
        } else if (portOpen) {
            writeFrame(m_request);
        }
    }

    if (m_inFlight->attemptsRemaining > 0)
        --m_inFlight->attemptsRemaining;

    if (m_trace)
        emit logData(time + ModbusRtu::requestTrace(m_request, m_inFlight->slaveId,
                                                    m_inFlight->functionCode));

    info->pollResolved(QModbusPollInfo::QMBS_REQUEST_ISSUED);
    m_replyTimer->start(info->timeoutMs());
    emit pollRequestSent();
}

void QModbusMaster::writeFrame(const QByteArray &frame)
{
    // Straight to the descriptor while nothing else waits to go out: the
    // port's own write path switches its write notifier on and off for every
    // frame, and under the GLib event loop each switch costs another wake-up
    // of the loop. Whatever the device does not take at once goes the port's
    // buffered way.
    qint64 written = 0;
    const int fd = int(m_port->handle());
    if (fd >= 0 && m_port->bytesToWrite() == 0) {
        const ssize_t n = ::write(fd, frame.constData(), size_t(frame.size()));
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            // Handing the frame to the port would only have it retried for
            // ever on a device that is gone.
            lineLossFound(qt_error_string(errno));
            return;
        }
        written = n > 0 ? n : 0;
    }
    if (written < frame.size())
        m_port->write(frame.constData() + written, frame.size() - written);
}

void QModbusMaster::portErrorOccurred(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::ResourceError)
        lineLossFound(m_port->errorString());
}

// Handled from the event loop: not inside the port's own notification, and
// not in the middle of sending a frame, which would set the request up
// again (its reply timer and attempts) after lineLost() had ended it.
void QModbusMaster::lineLossFound(const QString &reason)
{
    if (m_lineLossPending)
        return;
    m_lineLossPending = true;
    QMetaObject::invokeMethod(this, [this, reason] { lineLost(reason); }, Qt::QueuedConnection);
}

// The device went away (unplugged, its driver reset): a port left open
// would retry its output for ever. Close it, which drops what waits to go
// out, end the request in flight as a time-out, and open the device again
// every kReopenIntervalMs until it is back; polling then goes on by itself.
// Requests meanwhile wait out their time-outs with nothing sent, so the
// link watch still sees them.
void QModbusMaster::lineLost(const QString &reason)
{
    m_lineLossPending = false;
    if (!m_port || !m_port->isOpen())
        return;
    qWarning().noquote() << QStringLiteral("Modbus serial port %1 lost (%2); reopening it every %3 s")
                                .arg(m_port->portName(), reason).arg(kReopenIntervalMs / 1000);
    m_port->close();
    m_port->clearError();
    if (m_inFlight && m_replyTimer->isActive()) {
        m_inFlight->attemptsRemaining = 0;
        m_replyTimer->start(0);
    }
    m_reopenTimer->start();
}

void QModbusMaster::reopenLine()
{
    if (m_port->isOpen() || !m_port->open(QIODevice::ReadWrite)) {
        m_port->clearError();
        if (m_port->isOpen())
            m_reopenTimer->stop();
        return;
    }
    m_reopenTimer->stop();
    if (m_restorePins) {
        m_port->setRequestToSend(m_requestToSend);
        m_port->setDataTerminalReady(m_dataTerminalReady);
    }
    m_port->clearError();
    qWarning().noquote() << QStringLiteral("Modbus serial port %1 reopened").arg(m_port->portName());
}

ModbusSlaveStatus_struct &QModbusMaster::slaveEntry(int node)
{
    auto it = m_slaves.find(node);
    if (it == m_slaves.end())
        it = m_slaves.insert(node, ModbusSlaveStatus_struct());
    return it.value();
}

void QModbusMaster::setErrorText(const QString &text)
{
    set_lastErrorInfo(text);
    set_errorsCount(m_errorsCount + 1);
}

QString QModbusMaster::errorTrace(const QString &time) const
{
    QString s = QStringLiteral("Modbus Error:\n") + m_lastErrorInfo + QStringLiteral(";  ") + time
        + QStringLiteral(" < ") + ModbusRtu::hex(m_reply.constData(), m_received)
        + QStringLiteral("\nPoll Request Info:");
    s += QStringLiteral("\nFunction: ") + QString::number(m_inFlight->functionCode);
    s += QStringLiteral("\nAddress: ") + QString::number(m_inFlight->startAddress);
    s += QStringLiteral("\nQuantity Regs: ") + QString::number(m_inFlight->quantity);
    s += QStringLiteral("\nData : ");
    if (const QModbusPollInfo *info = m_inFlight->pollInfo.data()) {
        QStringList bytes;
        for (quint16 v : info->values())
            bytes << QString::asprintf("%2.2X", v & 0xFF);
        s += bytes.join(QStringLiteral(", "));
    }
    return s;
}

void QModbusMaster::pollResponseCompleteness()
{
    if (!m_inFlight)
        return;
    if (usesLine() && m_port && m_port->isOpen() && m_port->bytesAvailable() > 0) {
        const qint64 n = m_port->read(m_reply.data() + m_received, kBufferSize - m_received);
        if (n > 0)
            m_received += int(n);
    }

    quint16 computed = 0;
    const ModbusRtu::ReplyCheck check =
        ModbusRtu::checkReply(m_reply.constData(), m_received, m_expectedSlave, &computed);
    const quint8 function = m_received >= 2 ? quint8(m_reply.at(1)) : 0;
    // Built only when an error text needs it: this runs for every reply.
    const auto request = [this]() {
        return QString::number(m_inFlight->slaveId) + QStringLiteral(", ")
            + QString::number(m_inFlight->functionCode) + QStringLiteral(", ")
            + QString::number(m_inFlight->startAddress);
    };

    switch (check) {
    case ModbusRtu::Incomplete:
        // An exception reply is named as soon as its function byte is in.
        if (m_received >= 4 && (function & 0x80))
            setErrorText(QCoreApplication::translate("QModbusMaster", "Nack: ") + request());
        m_completeness = Completeness::Incomplete;
        return;
    case ModbusRtu::WrongSlave:
        setErrorText(QCoreApplication::translate("QModbusMaster", "IC: ")
                     + QString::number(quint8(m_reply.at(0))));
        m_completeness = Completeness::Failed;
        break;
    case ModbusRtu::BadCrc:
        if (function & 0x80)
            setErrorText(QCoreApplication::translate("QModbusMaster", "Nack: ") + request());
        setErrorText(QCoreApplication::translate("QModbusMaster", "Bad CRC: ") + request()
                     + QLatin1Char(',') + QString::number(computed, 16));
        m_completeness = Completeness::Failed;
        break;
    case ModbusRtu::Complete:
        if (function & 0x80)
            setErrorText(QCoreApplication::translate("QModbusMaster", "Nack: ") + request());
        m_completeness = Completeness::Complete;
        break;
    }

    m_replyTimer->stop();
    if (m_completeness == Completeness::Complete) {
        ModbusSlaveStatus_struct &entry = slaveEntry(m_expectedSlave);
        entry.failedRequests = 0;
        entry.armed = true;
        if (m_trace)
            emit logData(QStringLiteral("GOOD! ") + timeText() + QStringLiteral(" < ")
                         + ModbusRtu::hex(m_reply.constData(), m_received));
        emit sigProcessResponse();
    } else {
        const QString text = m_trace ? errorTrace(timeText()) : QString();
        if (m_trace)
            emit logData(text);
        emit modbusErrorInfoStr(text);
        emit sigResponseNoHope();
    }
}

void QModbusMaster::pollProcessResponse()
{
    if (!m_inFlight)
        return;
    QModbusPollInfo *info = m_inFlight->pollInfo.data();
    if (!info || info->state() == QModbusPollInfo::QMBS_REQUEST_CANCELED)
        return;

    const auto *reply = reinterpret_cast<const quint8 *>(m_reply.constData());
    const quint8 function = reply[1];
    if (function & 0x80) {
        info->pollResolved(QModbusPollInfo::QMBS_ERROR_RETURNED);
        set_lastErrorInfo(QStringLiteral("NACK; Func: ") + QString::number(m_inFlight->functionCode)
                          + QStringLiteral(", StartReg#: ")
                          + QString::number(m_inFlight->startAddress));
        set_errorsCount(m_errorsCount + 1);
        return;
    }

    QVector<quint16> &values = info->values();
    const int byteCount = reply[2];
    if (function == 1 || function == 2) {
        for (int j = 0; j < byteCount; ++j) {
            for (int b = 0; b < 8; ++b) {
                const int index = j * 8 + b;
                if (index >= m_inFlight->quantity || index >= values.size())
                    break;
                values[index] = (reply[3 + j] >> b) & 1u;
            }
        }
    } else if (function == 3 || function == 4) {
        const int n = byteCount / 2;
        for (int i = 0; i < n && i < values.size(); ++i)
            values[i] = quint16((reply[3 + 2 * i] << 8) | reply[4 + 2 * i]);
        if (n != m_inFlight->quantity) {
            qDebug() << "********Read Request\n****************\n*********************"
                        " Received qty != Requested qty: "
                     << n << " vs. " << m_inFlight->quantity;
            qDebug() << "********\n Address: " << m_inFlight->startAddress;
        }
    }
    info->pollResolved(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND);
}

void QModbusMaster::pollStatusSetToTimedOut()
{
    if (!m_inFlight)
        return;
    QModbusPollInfo *info = m_inFlight->pollInfo.data();
    if (!info || info->state() == QModbusPollInfo::QMBS_REQUEST_CANCELED)
        return;
    info->pollResolved(QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
    ModbusSlaveStatus_struct &entry = slaveEntry(m_inFlight->slaveId);
    if (entry.failedRequests < entry.limit)
        ++entry.failedRequests;
}

void QModbusMaster::pollStatusSetToError()
{
    if (!m_inFlight)
        return;
    QModbusPollInfo *info = m_inFlight->pollInfo.data();
    if (!info || info->state() == QModbusPollInfo::QMBS_REQUEST_CANCELED)
        return;
    info->pollResolved(QModbusPollInfo::QMBS_ERROR_RETURNED);
}

void QModbusMaster::incBrokenPolls()
{
    if (!m_inFlight)
        return;
    const int node = m_inFlight->slaveId;
    auto it = m_slaves.find(node);
    if (it == m_slaves.end())
        return;
    if (it->failedRequests >= it->limit && it->armed) {
        it->armed = false;
        if (it->report) {
            set_brokenLink(true);
            emit linkIsBroken(node);
        }
    }
}

void QModbusMaster::decBrokenPolls()
{
    if (!m_inFlight)
        return;
    auto it = m_slaves.find(m_inFlight->slaveId);
    if (it == m_slaves.end())
        return;
    it->failedRequests = 0;
    it->armed = true;
    if (it->report)
        set_brokenLink(false);
}

// --- guards ------------------------------------------------------------------

bool QModbusMaster::queuesNotEmpty()
{
    QMutexLocker lock(&m_queueMutex);
    return !m_normalQueue.empty() || !m_highQueue.empty();
}

bool QModbusMaster::attemptsRemainingNotZero()
{
    return m_inFlight && m_inFlight->attemptsRemaining != 0;
}

bool QModbusMaster::attemptsRemainingIsZero()
{
    return m_inFlight && m_inFlight->attemptsRemaining == 0;
}

bool QModbusMaster::requestInQueue()
{
    QMutexLocker lock(&m_queueMutex);
    return !m_normalQueue.empty();
}

bool QModbusMaster::pollResponseComplete()
{
    return m_completeness == Completeness::Complete;
}

bool QModbusMaster::pollResponseNoHope()
{
    return m_completeness == Completeness::Failed;
}
