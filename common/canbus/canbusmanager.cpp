#include "canbusmanager.h"

#include "property/assignifchanged.h"

#include "canframe.h"
#include "cansendrequest.h"
#include "canthread.h"
#include "crc/crc32.h"
#include "multipacketmsg.h"
#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QState>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

quint32 crc32Of(const QByteArray &bytes)
{
    return Crc32::update(0, bytes.constData(), bytes.size());
}

const quint8 *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

} // namespace

CanbusManager::CanbusManager(QObject *parent)
    : TarnStateMachine(parent)
{
}

CanbusManager::CanbusManager(CanThread *canThread, int nodeId, QObject *parent)
    : TarnStateMachine(parent)
    , m_canThread(canThread)
    , m_nodeId(nodeId)
    , m_byteArrayFrames(canThread && canThread->frameForm() == CanFrameForm::ByteArray)
{
    qRegisterMetaType<QByteArray *>("QByteArray*");
    qRegisterMetaType<CanFrame *>("CanFrame*");

    recoverLockupTimer.setSingleShot(true);
    recoverLockupTimer.setInterval(LockupMs);
    silenceTimer.setSingleShot(true);
    silenceTimer.setTimerType(Qt::PreciseTimer);
    secondsTimer.setInterval(1000);

    buildMachine();
    computeIdMasks();

    if (m_byteArrayFrames) {
        // Nothing received yet.
        m_receivedFrameSenderId = -1;
        m_receivedFrameMsgId = -1;
        connect(this, qOverload<quint32, QByteArray>(&CanbusManager::sendCanPacket), m_canThread,
                qOverload<uint, QByteArray>(&CanThread::sendAMsg), Qt::QueuedConnection);
        connect(m_canThread, &CanThread::msgData, this, &CanbusManager::receiveMsgSlot,
                Qt::QueuedConnection);
        connect(this, qOverload<QByteArray>(&CanbusManager::receivedSinglePacket), this,
                &CanbusManager::processCanMsg);
        return;
    }
    // Direct both ways: the thread already batches frames through the event
    // loop (a write queue flushed on the next pass, a receive queue handed
    // over once per read), so another hop per frame would only cost a
    // wake-up each.
    connect(this, SIGNAL(sendCanPacket(quint32,QByteArray*)), m_canThread,
            SLOT(sendAMsg(quint32,QByteArray*)), Qt::DirectConnection);
    connect(m_canThread, SIGNAL(dequeuedCanFrame(CanFrame*)), this,
            SLOT(receiveCanFrameSlot(CanFrame*)), Qt::DirectConnection);
    connect(&secondsTimer, SIGNAL(timeout()), this, SLOT(incSecsSinceLastPktRcvd()));
}

CanbusManager::CanbusManager(CanThread *canThread, QObject *parent)
    : CanbusManager(canThread, 0, parent)
{
}

CanbusManager::~CanbusManager() = default;

void CanbusManager::registerQmlTypes()
{
    qmlRegisterType<CanbusManager>("CanbusDefs", 1, 0, "CanbusDefines");
}

// The chart, top to bottom: states, initial states, then the transitions in
// the order a request moves through them.
void CanbusManager::buildMachine()
{
    StateMachineBuilder b(this);

    QState *disabled = b.state(this, "disabled");
    QState *enabled = b.state(this, "enabled");
    QState *idle = b.state(enabled, "idle");
    QState *sending = b.state(enabled, "sending");
    QState *sendingN = b.state(sending, "sendingN");
    QState *sendingRecordStart = b.state(sending, "sendingRecordStart");
    QState *sendingOne = b.state(sending, "sendingOne");
    QState *sendingGap = b.state(sending, "sendingGap");
    QState *sendingRecordEnd = b.state(sending, "sendingRecordEnd");
    QState *lastPacket = b.state(enabled, "lastPacket");
    QState *silenceGap = b.state(enabled, "silenceGap");
    Q_UNUSED(disabled) // kept in the chart; nothing leads into or out of it

    setInitialState(enabled);
    enabled->setInitialState(idle);
    sending->setInitialState(sendingN);

    const QString self = QStringLiteral("this");
    const QString thread = QStringLiteral("m_canThread");
    const QString silence = QStringLiteral("&silenceTimer");
    const char *readyWrite = SIGNAL(readyWrite(int));
    const char *silenceTo = SIGNAL(timeout());

    b.transition(idle, sending, "t_msgEnqueued", self, this, SIGNAL(canRequestEnqueued()));
    b.transition(sendingN, silenceGap, "t_singleMsgSent", thread, m_canThread, readyWrite,
                 "currentSendNotMulti");
    b.transition(sendingN, sendingRecordStart, "t_multiMsgSent", thread, m_canThread, readyWrite,
                 "currentSendMulti");
    b.transition(sendingN, idle, "t_nothingToSend", self, this, SIGNAL(sendQueueEmpty()));
    b.transition(sendingRecordStart, sendingGap, "t_startRecordSending", thread, m_canThread,
                 readyWrite);
    b.transition(sendingGap, sendingOne, "t_gap2sendOne", silence, &silenceTimer, silenceTo,
                 "isNotRecordSendComplete");
    b.transition(sendingGap, sendingRecordEnd, "t_gap2RecordEnd", silence, &silenceTimer,
                 silenceTo, "isRecordSendComplete");
    b.transition(sendingOne, sendingGap, "t_sendOne2gap", thread, m_canThread, readyWrite);
    QSignalTransition *ackMore = b.transition(sendingRecordEnd, sendingRecordStart,
                                              "t_recordResRcvd", self, this,
                                              SIGNAL(canFileRecordSuccess()), "isNotLastPacket");
    b.action(ackMore, "initRecordSendData");
    b.transition(sendingRecordEnd, lastPacket, "t_recordResRcvdMsgEnd", self, this,
                 SIGNAL(canFileRecordSuccess()), "isLastPacket");
    QSignalTransition *retry = b.transition(sendingRecordEnd, sendingRecordStart,
                                            "t_recordResNotRcvd", silence, &silenceTimer,
                                            silenceTo, "isRecordRetryAllowed");
    b.action(retry, "incRecordRetryCount");
    b.transition(sendingRecordEnd, lastPacket, "t_recordResNotRcvdNoRetry", silence,
                 &silenceTimer, silenceTo, "isNotRecordRetryAllowed");
    b.transition(lastPacket, silenceGap, "t_multiMsgLast", thread, m_canThread, readyWrite);
    b.transition(lastPacket, idle, "t_multiMsgLast_tooLong", QStringLiteral("&recoverLockupTimer"),
                 &recoverLockupTimer, SIGNAL(timeout()));
    b.transition(silenceGap, idle, "t_silenceTo", silence, &silenceTimer, silenceTo);
}

// ---- identifiers and frame layouts ----

void CanbusManager::computeIdMasks()
{
    const int total = m_effEnabled ? 29 : 11;
    if (m_senderIdBits <= 0 || m_msgIdPrioBits <= 0 || m_senderIdBits + m_msgIdPrioBits != total) {
        qWarning("CANbus Manager: id fields mis-match, setting to defaults. %s, sender bits:%d; msgId bits:%d",
                 m_effEnabled ? "EFF" : "SFF", m_senderIdBits, m_msgIdPrioBits);
        set_senderIdBits(m_effEnabled ? 5 : 4);
        set_msgIdPrioBits(m_effEnabled ? 24 : 7);
    }
    m_senderMask = (1u << m_senderIdBits) - 1;
    m_typeMask = ((1u << m_msgIdPrioBits) - 1) << m_senderIdBits;
    m_typeShift = m_senderIdBits;
}

quint32 CanbusManager::getSenderId(quint32 identifier) const
{
    return identifier & m_senderMask;
}

quint32 CanbusManager::getMsgId(quint32 identifier) const
{
    return (identifier & m_typeMask) >> m_typeShift;
}

quint32 CanbusManager::composeId(int frameId, int msgType) const
{
    if (msgType == KIVMSGTYPE_SINGLE)
        return quint32(frameId);
    return (quint32(frameId) & m_senderMask) | ((quint32(msgType) << m_typeShift) & m_typeMask);
}

QByteArray CanbusManager::fileStartData(int multiId, quint32 totalSize)
{
    QByteArray d(8, '\0');
    d[0] = char(multiId);
    qToBigEndian(totalSize, d.data() + 4);
    return d;
}

QByteArray CanbusManager::recordStartData(quint32 recordIndex, quint16 packetCount)
{
    QByteArray d(8, '\0');
    qToBigEndian(recordIndex, d.data());
    qToBigEndian(packetCount, d.data() + 6);
    return d;
}

QByteArray CanbusManager::crcData(int multiId, quint32 crc)
{
    QByteArray d(8, '\0');
    d[0] = char(multiId);
    qToBigEndian(crc, d.data() + 4);
    return d;
}

// ---- queue ----

void CanbusManager::enqueueSendRequest(CanSendRequest *request)
{
    if (!request)
        return;
    std::unique_ptr<CanSendRequest> owned(request);
    if (!owned->get_multi() && owned->get_dataSize() > PacketBytes) {
        qWarning() << "CAN send request refused:" << owned->get_dataSize()
                   << "bytes for a single frame";
        return;
    }
    if (int(m_sendQueue.size()) >= SendQueueLimit)
        m_sendQueue.pop_front();
    m_sendQueue.push_back(std::move(owned));
    const int depth = int(m_sendQueue.size());
    set_sendQDepth(depth);
    if (depth > m_sendQWaterMark)
        set_sendQWaterMark(depth);
    emit canRequestEnqueued();
}

void CanbusManager::clearQueue()
{
    m_sendQueue.clear();
    set_sendQDepth(0);
}

QByteArray CanbusManager::getMpm(int id) const
{
    const auto it = m_rxMsgs.find(id);
    return it == m_rxMsgs.end() ? QByteArray() : it->second->get_data();
}

qint64 CanbusManager::heldTransferBytes() const
{
    qint64 held = 0;
    for (const auto &entry : m_rxMsgs)
        held += entry.second->get_size();
    return held;
}

void CanbusManager::acceptSendersOnly(const QSet<quint32> &senders)
{
    m_everySenderAccepted = false;
    m_acceptedSenders = senders;
}

void CanbusManager::hearOnlySinglePacketsFrom(const QSet<quint32> &senders)
{
    m_singlePacketSenders = senders;
}

// ---- guards ----

bool CanbusManager::currentSendMulti()
{
    return m_current && m_current->get_multi();
}

bool CanbusManager::currentSendNotMulti()
{
    return !currentSendMulti();
}

int CanbusManager::recordPacketCount() const
{
    return (m_txRecord.size() + PacketBytes - 1) / PacketBytes;
}

bool CanbusManager::isRecordSendComplete()
{
    return m_txPacketInRecord >= recordPacketCount();
}

bool CanbusManager::isNotRecordSendComplete()
{
    return !isRecordSendComplete();
}

bool CanbusManager::isNotLastPacket()
{
    return m_current && m_current->get_currentPacketNum() < m_current->numOfPackets();
}

bool CanbusManager::isLastPacket()
{
    return !isNotLastPacket();
}

bool CanbusManager::isRecordRetryAllowed()
{
    // The zone monitor and the remaining times are sent again every cycle
    // anyway, so their records are never repeated.
    if (!m_current)
        return false;
    const int id = m_current->get_multiId();
    return id != KIV_MULTI_ZONEMONITORINFO && id != KIV_MULTI_BINS_REMAINING_TIME
        && m_txRetryCount < RecordRetries;
}

bool CanbusManager::isNotRecordRetryAllowed()
{
    return !isRecordRetryAllowed();
}

// ---- send actions ----

void CanbusManager::emitFrame(int frameId, int msgType, const QByteArray &data)
{
    const quint32 id = composeId(frameId, msgType);
    if (m_byteArrayFrames) {
        emit sendCanPacket(id, data);
        return;
    }
    // The receiver owns the payload; with nobody listening it would leak.
    static const QMetaMethod pointerForm =
        QMetaMethod::fromSignal(qOverload<quint32, QByteArray *>(&CanbusManager::sendCanPacket));
    if (isSignalConnected(pointerForm))
        emit sendCanPacket(id, new QByteArray(data));
}

void CanbusManager::initRecordSendData()
{
    if (!m_current)
        return;
    ++m_txRecordIndex;
    m_txRetryCount = 0;
    m_txRecord.clear();
    int packet = m_current->get_currentPacketNum();
    const int packets = m_current->numOfPackets();
    for (int i = 0; i < PacketsPerRecord && packet < packets; ++i, ++packet)
        m_txRecord.append(m_current->get_data(packet * PacketBytes, PacketBytes));
    m_current->set_currentPacketNum(packet);
}

void CanbusManager::incRecordRetryCount()
{
    ++m_txRetryCount;
}

void CanbusManager::sendStartMpm()
{
    emitFrame(m_current->get_frameId(), KIVMSGTYPE_FILE_START,
              fileStartData(m_current->get_multiId(), quint32(m_current->get_dataSize())));
}

void CanbusManager::sendRecordStartMpm()
{
    emitFrame(m_current->get_frameId(), KIVMSGTYPE_FILE_RECORD_START,
              recordStartData(quint32(m_txRecordIndex), quint16(recordPacketCount())));
}

void CanbusManager::sendPacket()
{
    emitFrame(m_current->get_frameId(), KIVMSGTYPE_FILE_PACKET,
              m_txRecord.mid(m_txPacketInRecord * PacketBytes, PacketBytes));
    ++m_txPacketInRecord;
    const qint64 sent = m_current->get_currentPacketNum() + 1;
    const qint64 total = qMax(1, m_current->numOfPackets());
    // The counter already stands at the end of the record, so the formula
    // overshoots on short transfers: a percentage stops at 100.
    set_canFileProgress(int(qMin<qint64>(100, sent * 100 / total)));
}

void CanbusManager::sendRecordEndMpm()
{
    emitFrame(m_current->get_frameId(), KIVMSGTYPE_FILE_RECORD_END,
              crcData(m_current->get_multiId(), crc32Of(m_txRecord)));
}

void CanbusManager::sendFinishMpm()
{
    emitFrame(m_current->get_frameId(), KIVMSGTYPE_FILE_END,
              crcData(m_current->get_multiId(), crc32Of(m_current->get_data())));
}

void CanbusManager::sendFileRecordSuccess()
{
    emitFrame(int(m_canId), KIVMSGTYPE_SINGLE, QByteArray(1, char(KIVMSGSINGLE_FILE_RECORD_SUCCESS)));
}

// ---- states ----

void CanbusManager::enabled_onEntry()
{
    if (!m_byteArrayFrames)
        secondsTimer.start();
}

void CanbusManager::enabled_onExit()
{
    secondsTimer.stop();
}

void CanbusManager::idle_onEntry()
{
    m_current.reset();
    if (!m_sendQueue.empty())
        emit canRequestEnqueued();
}

void CanbusManager::sending_onEntry()
{
    if (!m_sendQueue.empty()) {
        m_current = std::move(m_sendQueue.front());
        m_sendQueue.pop_front();
    }
    set_sendQDepth(int(m_sendQueue.size()));
}

void CanbusManager::sending_onExit()
{
    set_canFileProgress(0);
    if (m_current)
        emit requestServed(m_current->get_requestNumber());
}

void CanbusManager::sendingN_onEntry()
{
    if (!m_current) {
        emit sendQueueEmpty();
        return;
    }
    if (m_current->get_multi()) {
        m_txRecordIndex = -1;
        initRecordSendData();
        sendStartMpm();
    } else {
        emitFrame(m_current->get_frameId(), KIVMSGTYPE_SINGLE, m_current->get_data());
    }
}

void CanbusManager::sendingRecordStart_onEntry()
{
    m_txPacketInRecord = 0;
    sendRecordStartMpm();
}

void CanbusManager::sendingGap_onEntry()
{
    silenceTimer.setInterval(0);
    silenceTimer.start();
}

void CanbusManager::sendingOne_onEntry()
{
    sendPacket();
}

void CanbusManager::sendingRecordEnd_onEntry()
{
    sendRecordEndMpm();
    silenceTimer.setInterval(RecordAckWindowMs);
    silenceTimer.start();
}

void CanbusManager::sendingRecordEnd_onExit()
{
    silenceTimer.stop();
}

void CanbusManager::lastPacket_onEntry()
{
    sendFinishMpm();
    recoverLockupTimer.start();
}

void CanbusManager::lastPacket_onExit()
{
    recoverLockupTimer.stop();
}

void CanbusManager::silenceGap_onEntry()
{
    silenceTimer.setInterval(0);
    silenceTimer.start();
}

// ---- receiving ----

void CanbusManager::incSecsSinceLastPktRcvd()
{
    set_secsSinceLastRcvPkt(m_secsSinceLastRcvPkt + 1);
}

void CanbusManager::receiveCanFrameSlot(CanFrame *frame)
{
    const std::unique_ptr<CanFrame> owned(frame);
    secondsTimer.start();
    set_secsSinceLastRcvPkt(0);
    if (!frame)
        return;

    if (frame->isExtended()) {
        qDebug() << "CAN Extended Header Received!!!!!!!!";
        if (frame->isError())
            qDebug() << "CAN Extended Header Error Received!!!!!!!!";
        return;
    }
    if (frame->isError()) {
        qDebug() << "CAN Error Received!!!!!!!!";
        return;
    }
    if (frame->isRemoteRequest()) {
        qDebug() << "CAN Remote Transmit Request Received!!!!!!!!";
        return;
    }
    const quint32 sender = getSenderId(frame->identifier());
    const quint32 type = getMsgId(frame->identifier());
    if (sender == m_canId) {
        // Another node is sending under this display's id.
        set_canIdRecError(true);
        return;
    }
    if (!m_everySenderAccepted && !m_acceptedSenders.contains(sender)) {
        // No display of this cabinet sends under that id.
        if (!m_refusedSendersLogged.contains(sender)) {
            m_refusedSendersLogged.insert(sender);
            qWarning() << "CAN frames of sender" << sender << "ignored: no such display in this cabinet";
        }
        return;
    }
    if (type != KIVMSGTYPE_SINGLE && m_singlePacketSenders.contains(sender))
        return;
    set_receivedFrameSenderId(int(sender));
    set_receivedFrameMsgId(int(type));
    set_receivedFrameData(frame->dataBytes());
    processFrame();
}

void CanbusManager::receiveMsgSlot(QByteArray frame)
{
    if (frame.size() != CanFrame::ArrayFormSize) {
        qDebug() << "CAN frame of" << frame.size() << "bytes ignored";
        return;
    }
    const quint32 identifier = qFromBigEndian<quint32>(bytesOf(frame));
    if (identifier & CAN_EFF_FLAG) {
        // The identifier fields are laid out for 11-bit frames only.
        qDebug() << "CAN Extended Header Received!!!!!!!!";
        return;
    }
    set_receivedFrameSenderId(int(getSenderId(identifier)));
    set_receivedFrameMsgId(int(getMsgId(identifier)));
    set_receivedFrameData(frame.mid(4, PacketBytes));
    processFrame();
}

void CanbusManager::processCanMsg(QByteArray msg)
{
    if (!msg.isEmpty() && quint8(msg.at(0)) == KIVMSGSINGLE_FILE_RECORD_SUCCESS)
        emit canFileRecordSuccess();
}

void CanbusManager::processFrame()
{
    if (m_byteArrayFrames && m_receivedFrameMsgId != KIVMSGTYPE_SINGLE) {
        // The utility takes no transfers from the displays: of their frame
        // types it knows the single packet only.
        if (m_receivedFrameMsgId > KIVMSGTYPE_MULTI_END)
            qDebug() << "CAN frame - Unkown message Id" << m_receivedFrameMsgId << "!!!!";
        return;
    }
    switch (m_receivedFrameMsgId) {
    case KIVMSGTYPE_SINGLE: {
        static const QMetaMethod pointerForm = QMetaMethod::fromSignal(
            static_cast<void (CanbusManager::*)(QByteArray *)>(&CanbusManager::receivedSinglePacket));
        if (isSignalConnected(pointerForm))
            emit receivedSinglePacket(new QByteArray(m_receivedFrameData));
        emit receivedSinglePacket(m_receivedFrameData);
        break;
    }
    case KIVMSGTYPE_FILE_START:
        rxStart();
        break;
    case KIVMSGTYPE_FILE_RECORD_START:
        rxRecordStart();
        break;
    case KIVMSGTYPE_FILE_PACKET:
        rxPacket();
        break;
    case KIVMSGTYPE_FILE_RECORD_END:
        rxRecordEnd();
        break;
    case KIVMSGTYPE_FILE_END:
        rxEnd();
        break;
    default:
        qDebug() << "CAN frame - Unkown message Id" << m_receivedFrameMsgId << "!!!!";
        break;
    }
}

// Held transfers other than the one under id (which a start replaces) that
// are finished or have stalled go, least recently active first, until size
// fits beside the rest.
bool CanbusManager::makeRoomForTransfer(int id, qint64 size)
{
    qint64 held = heldTransferBytes();
    const auto same = m_rxMsgs.find(id);
    if (same != m_rxMsgs.end())
        held -= same->second->get_size();
    if (held + size <= MaxHeldTransferBytes)
        return true;

    const qint64 now = KivClock::msecsSinceEpoch();
    std::vector<std::pair<qint64, int>> idle; // last frame, id
    for (const auto &entry : m_rxMsgs) {
        const MultiPacketMsg *msg = entry.second.get();
        if (entry.first != id
            && (msg->get_status() == MultiPacketMsg::StatusFinished
                || now - msg->get_lastFrameMs() >= StalledTransferMs))
            idle.emplace_back(msg->get_lastFrameMs(), entry.first);
    }
    std::sort(idle.begin(), idle.end());
    for (const auto &entry : idle) {
        if (held + size <= MaxHeldTransferBytes)
            break;
        held -= m_rxMsgs[entry.second]->get_size();
        if (entry.second == m_rxCurrentId)
            m_rxCurrentId = -1;
        m_rxMsgs.erase(entry.second);
    }
    return held + size <= MaxHeldTransferBytes;
}

MultiPacketMsg *CanbusManager::currentRxMsg() const
{
    const auto it = m_rxMsgs.find(m_rxCurrentId);
    return it == m_rxMsgs.end() ? nullptr : it->second.get();
}

void CanbusManager::rxStart()
{
    const quint8 *d = bytesOf(m_receivedFrameData);
    const int id = d[0];
    const qint32 total = qFromBigEndian<qint32>(d + 4);
    if (total < 0 || total > MaxTransferSize) {
        // Refused before anything is allocated; a transfer already held
        // under this id stays as it is.
        qWarning() << "CAN transfer start refused: id" << id << "announces" << total << "bytes";
        m_rxCurrentId = -1;
        return;
    }
    if (!makeRoomForTransfer(id, total)) {
        qWarning() << "CAN transfer start refused: id" << id << "announces" << total << "bytes,"
                   << heldTransferBytes() << "bytes already held";
        m_rxCurrentId = -1;
        return;
    }

    m_rxCurrentId = id;
    auto msg = std::make_unique<MultiPacketMsg>();
    msg->set_id(id);
    msg->initToSize(total);
    msg->set_status(MultiPacketMsg::StatusStarted);
    m_rxMsgs[id] = std::move(msg);

    m_rxExpectedRecord = 0;
    m_rxRecordPackets = 0;
    m_rxRecordAnnounced = 0;
    m_rxRecord.clear();
    m_rxTotalSize = total;
    if (isFileId(id)) {
        set_fileTxfrActive(true);
        set_fileTxfrSize(total);
        set_fileTxfrRcvd(0);
        set_fileTxfrName(QString());
    }
}

void CanbusManager::rxRecordStart()
{
    MultiPacketMsg *msg = currentRxMsg();
    if (!msg || (msg->get_status() != MultiPacketMsg::StatusStarted
                 && msg->get_status() != MultiPacketMsg::StatusReceiving))
        return;
    const quint8 *d = bytesOf(m_receivedFrameData);
    if (d[4] != 0 || d[5] != 0) {
        qDebug() << "File record start simple checksum failed !!!!!";
        return;
    }
    const qint64 index = qFromBigEndian<quint32>(d);
    if (index == m_rxExpectedRecord || index == m_rxExpectedRecord + 1) {
        m_rxExpectedRecord = index;
        msg->set_status(MultiPacketMsg::StatusReceiving);
        msg->set_lastFrameMs(KivClock::msecsSinceEpoch());
        m_rxRecordPackets = 0;
        m_rxRecordAnnounced = qFromBigEndian<quint16>(d + 6);
        m_rxRecord.clear();
    } else {
        qDebug().noquote() << QStringLiteral(
                                  "File record start index is not expected. Expecting %1 or %2. Received %3 !!!!!")
                                  .arg(m_rxExpectedRecord)
                                  .arg(m_rxExpectedRecord + 1)
                                  .arg(index);
    }
}

void CanbusManager::rxPacket()
{
    MultiPacketMsg *msg = currentRxMsg();
    if (!msg || (msg->get_status() != MultiPacketMsg::StatusStarted
                 && msg->get_status() != MultiPacketMsg::StatusReceiving))
        return;
    msg->set_status(MultiPacketMsg::StatusReceiving);
    if (m_rxRecordPackets >= m_rxRecordAnnounced)
        return;

    const qint64 packet = m_rxRecordPackets + qint64(PacketsPerRecord) * m_rxExpectedRecord;
    const qint64 offset = packet * PacketBytes;
    if (offset < msg->get_size()) {
        msg->setDataAt(int(offset), m_receivedFrameData.constData(), PacketBytes);
        msg->setPacketReceived(int(packet));
    }
    ++m_rxRecordPackets;
    m_rxRecord.append(m_receivedFrameData.constData(), PacketBytes);

    if (isFileId(m_rxCurrentId)) {
        set_fileTxfrRcvd(int(qMin<qint64>(offset + PacketBytes, INT_MAX)));
        if (m_fileTxfrName.isEmpty() && m_fileTxfrRcvd >= 65) {
            const QByteArray field = msg->data().left(64);
            const int end = field.indexOf('\0');
            set_fileTxfrName(QString::fromUtf8(end < 0 ? field : field.left(end)));
        }
    }
}

void CanbusManager::rxRecordEnd()
{
    MultiPacketMsg *msg = currentRxMsg();
    if (!msg || msg->get_status() != MultiPacketMsg::StatusReceiving)
        return;
    const quint8 *d = bytesOf(m_receivedFrameData);

    // A record holds at most what is left of the message after the records
    // before it; the last packet's zero fill is not part of it.
    const qint64 left = m_rxTotalSize - qint64(RecordBytes) * m_rxExpectedRecord;
    const int length = int(qBound<qint64>(0, left, m_rxRecord.size()));
    if (length < m_rxRecord.size()) {
        m_rxRecord.truncate(length);
        if (isFileId(m_rxCurrentId))
            qDebug() << "New record size =" << length;
    }
    const quint32 crc = crc32Of(m_rxRecord);

    if (m_rxRecordPackets != m_rxRecordAnnounced) {
        qDebug() << "Missing Packets Error. File record index =" << m_rxExpectedRecord
                 << ". RecordIndex =" << m_rxRecordPackets << "- RecordPacketsCount ="
                 << m_rxRecordAnnounced;
    } else if (crc == qFromBigEndian<quint32>(d + 4)) {
        sendFileRecordSuccess();
    } else {
        qDebug() << "CRC Error. " << "File record index =" << m_rxExpectedRecord
                 << ". RecordIndex =" << m_rxRecordPackets << "- RecordPacketsCount ="
                 << m_rxRecordAnnounced;
    }
}

void CanbusManager::rxEnd()
{
    const quint8 *d = bytesOf(m_receivedFrameData);
    const int id = d[0];
    const auto it = m_rxMsgs.find(id);
    if (it == m_rxMsgs.end() || it->second->get_status() != MultiPacketMsg::StatusReceiving)
        return;
    MultiPacketMsg *msg = it->second.get();
    msg->set_status(MultiPacketMsg::StatusFinished);
    set_fileTxfrActive(false);

    const int missing = msg->countMissingPackets();
    if (missing > 0) {
        qDebug() << "CBM - MPM:" << id << ", # of packets missed = " << missing;
        set_totalMissedPackets(m_totalMissedPackets + uint(missing));
        if (isFileId(id))
            emit fileTxFailed(QStringLiteral("File transfer failed:<br>") + m_fileTxfrName
                              + QStringLiteral("<br>Missing packets error!"));
        emit receivedFileFailedMpm(id);
        return;
    }

    const bool good = crc32Of(msg->data()) == qFromBigEndian<quint32>(d + 4);
    if (isMessageId(id)) {
        if (!good) {
            qDebug() << "Multi packet transfer CRC32 error!!!!";
            return;
        }
        static const QMetaMethod pointerForm = QMetaMethod::fromSignal(
            static_cast<void (CanbusManager::*)(int, QByteArray *)>(&CanbusManager::receivedMpm));
        if (isSignalConnected(pointerForm))
            emit receivedMpm(id, new QByteArray(msg->data()));
        emit receivedMpm(id, msg->get_data());
    } else if (isFileId(id)) {
        if (good) {
            emit receivedFileMpm(id);
        } else {
            emit fileTxFailed(QStringLiteral("File transfer failed:<br>") + m_fileTxfrName
                              + QStringLiteral("<br>File CRC error!"));
            emit receivedFileFailedMpm(id);
        }
    }
}

// ---- properties ----

void CanbusManager::set_canId(uint value)
{
    if (assignIfChanged(m_canId, value))
        emit canIdChanged(value);
}

void CanbusManager::set_canIdRecError(bool value)
{
    if (assignIfChanged(m_canIdRecError, value))
        emit canIdRecErrorChanged(value);
}

void CanbusManager::set_senderIdBits(int value)
{
    m_senderIdBits = value;
    emit senderIdBitsChanged(value);
}

void CanbusManager::set_msgIdPrioBits(int value)
{
    m_msgIdPrioBits = value;
    emit msgIdPrioBitsChanged(value);
}

void CanbusManager::set_effEnabled(bool value)
{
    m_effEnabled = value;
    emit effEnabledChanged(value);
}

void CanbusManager::set_receivedFrameSenderId(int value)
{
    m_receivedFrameSenderId = value;
    emit receivedFrameSenderIdChanged(value);
}

void CanbusManager::set_receivedFrameMsgId(int value)
{
    m_receivedFrameMsgId = value;
    emit receivedFrameMsgIdChanged(value);
}

void CanbusManager::set_receivedFrameData(const QByteArray &value)
{
    m_receivedFrameData = value;
    emit receivedFrameDataChanged(value);
}

void CanbusManager::set_totalMissedPackets(uint value)
{
    if (assignIfChanged(m_totalMissedPackets, value))
        emit totalMissedPacketsChanged(value);
}

void CanbusManager::set_fileTxfrActive(bool value)
{
    m_fileTxfrActive = value;
    emit fileTxfrActiveChanged(value);
}

void CanbusManager::set_fileTxfrName(const QString &value)
{
    m_fileTxfrName = value;
    emit fileTxfrNameChanged(value);
}

void CanbusManager::set_fileTxfrSize(int value)
{
    m_fileTxfrSize = value;
    emit fileTxfrSizeChanged(value);
}

void CanbusManager::set_fileTxfrRcvd(int value)
{
    m_fileTxfrRcvd = value;
    emit fileTxfrRcvdChanged(value);
}

void CanbusManager::set_canFileProgress(int value)
{
    if (assignIfChanged(m_canFileProgress, value))
        emit canFileProgressChanged(value);
}

void CanbusManager::set_secsSinceLastRcvPkt(uint value)
{
    if (assignIfChanged(m_secsSinceLastRcvPkt, value))
        emit secsSinceLastRcvPktChanged(value);
}

void CanbusManager::set_sendQDepth(int value)
{
    if (assignIfChanged(m_sendQDepth, value))
        emit sendQDepthChanged(value);
}

void CanbusManager::set_sendQWaterMark(int value)
{
    if (assignIfChanged(m_sendQWaterMark, value))
        emit sendQWaterMarkChanged(value);
}
