// MasterIoManager, NFC reader polling: the reader region of the chart, the
// scan commands and tag reads of the reader boards, and the current UID seen
// in each bin. What the UIDs mean for the holds is decided in
// masteriomanagertags.cpp; the board link itself is masteriomanager.cpp.

#include "masteriomanager.h"

#include "property/assignifchanged.h"

#include "config/nfcpollinfo.h"
#include "crc/etccrc.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/pantaghost.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QSignalTransition>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {
const int kErrNfcReader = 5;
const quint8 kRetriesTagInfo = 1;
const quint8 kRetriesTagScan = 0;
const int kTagScanIntervalMode1Ms = 500;
const int kTagScanIntervalMode2Ms = 250;
const char kReaderErrorText[] = "<b>NFC ERROR!</b><br>Auto tray detection disabled!";
} // namespace

MasterIoManager::~MasterIoManager() = default;

void MasterIoManager::setNfcHost(PanTagHost *host)
{
    if (m_nfcHost)
        return;
    m_nfcHost = host;
    if (!m_nfcHost || !m_nfcHost->nfcEnabled() || !m_nfcHost->pollingInfo())
        return;
    m_nfcPollingMode = qBound(0, int(m_nfcHost->pollingInfo()->numAddresses), 2);
    if (m_nfcPollingMode == 0)
        return;

    m_tagInfo1 = newPollInfo("tagInfo1", kTagInfoRegisters);
    m_tagInfo2 = newPollInfo("tagInfo2", kTagInfoRegisters);
    m_tagScanInfo1 = newPollInfo("m_TagScanInfo1", kTagScanValues);
    m_tagScanInfo2 = newPollInfo("m_TagScanInfo2", kTagScanValues);
    QList<QModbusPollInfo *> fast = {m_tagInfo1, m_tagScanInfo1, m_tagScanInfo2};
    if (m_nfcPollingMode == 2)
        fast << m_tagInfo2;
    for (QModbusPollInfo *info : qAsConst(fast)) {
        info->set_timeoutMs(kNfcPollTimeoutMs);
        info->setHighPriority(true);
    }
    m_tagScanTimer.setObjectName(QStringLiteral("tagScanTimer"));
    m_tagScanTimer.setSingleShot(true);
    m_tagScanTimer.setInterval(m_nfcPollingMode == 1 ? kTagScanIntervalMode1Ms : kTagScanIntervalMode2Ms);
    buildNfcRegion();
}

void MasterIoManager::buildNfcRegion()
{
    StateMachineBuilder b(this);
    QState *reading = b.state(m_s1, "nfcTagReading");
    QState *idle = b.state(reading, "nfcIdleState");
    QState *scan0 = b.state(reading, "nfcScanReaderPoll0");
    QState *wait0 = b.state(reading, "nfcScanWaitPoll0");
    QState *scan1 = b.state(reading, "nfcScanReaderPoll1");
    QState *wait1 = b.state(reading, "nfcScanWaitPoll1");
    QState *poll1 = b.state(reading, "nfcPollReader1");
    QState *poll2 = b.state(reading, "nfcPollReader2");
    reading->setInitialState(idle);

    const QString me = QStringLiteral("this");
    const QString timer = QStringLiteral("&m_tagScanTimer");
    const QString info1 = QStringLiteral("m_tagInfo1");
    const QString info2 = QStringLiteral("m_tagInfo2");
    b.transition(idle, scan0, "t_nfcStart", me, this, SIGNAL(nfcReadingStart()));
    b.transition(scan0, wait0, "t_scan2wait", me, this, SIGNAL(gotoScanWait()));

    QSignalTransition *t;
    if (m_nfcPollingMode == 1) {
        // One reader: scan, wait, read, analyse.
        b.transition(wait0, poll1, "t_ScanWait2PollReader1", timer, &m_tagScanTimer, SIGNAL(timeout()));
        t = b.transition(poll1, scan0, "t_tagInfo1PollGood", info1, m_tagInfo1, SIGNAL(pollReplyGood()));
        b.action(t, "processRequestTagInfo1");
        b.action(t, "analyzeTagInfo2");
        t = b.transition(poll1, scan0, "t_tagInfo1PollError", info1, m_tagInfo1, SIGNAL(pollReplyError()));
        b.action(t, "analyzeTagInfo2");
        t = b.transition(poll1, scan0, "t_tagInfo1PollReplyTimeout", info1, m_tagInfo1, SIGNAL(pollReplyTimedOut()));
        b.action(t, "analyzeTagInfo2");
        b.action(t, "reportReaderCommError1");
        return;
    }

    // Two readers: one or two scan rounds, then both readers, then analyse.
    b.transition(wait0, poll1, "t_NumPollsEqualToOne", timer, &m_tagScanTimer, SIGNAL(timeout()),
                 "isNumPollsEqualToOne");
    b.transition(wait0, scan1, "t_NumPollsNotEqualToOne", timer, &m_tagScanTimer, SIGNAL(timeout()),
                 "isNumPollsNotEqualToOne");
    b.transition(scan1, wait1, "t_scan2wait", me, this, SIGNAL(gotoScanWait()));
    b.transition(wait1, poll1, "t_ScanWait2PollReader1", timer, &m_tagScanTimer, SIGNAL(timeout()));
    t = b.transition(poll1, poll2, "t_tagInfo1PollGood", info1, m_tagInfo1, SIGNAL(pollReplyGood()));
    b.action(t, "processRequestTagInfo1");
    b.transition(poll1, poll2, "t_tagInfo1PollError", info1, m_tagInfo1, SIGNAL(pollReplyError()));
    t = b.transition(poll1, poll2, "t_tagInfo1PollReplyTimeout", info1, m_tagInfo1, SIGNAL(pollReplyTimedOut()));
    b.action(t, "reportReaderCommError1");
    t = b.transition(poll2, scan0, "t_tagInfo2PollGood", info2, m_tagInfo2, SIGNAL(pollReplyGood()));
    b.action(t, "processRequestTagInfo2");
    b.action(t, "analyzeTagInfo2");
    t = b.transition(poll2, scan0, "t_tagInfo2PollError", info2, m_tagInfo2, SIGNAL(pollReplyError()));
    b.action(t, "analyzeTagInfo2");
    t = b.transition(poll2, scan0, "t_tagInfo2PollReplyTimeout", info2, m_tagInfo2, SIGNAL(pollReplyTimedOut()));
    b.action(t, "reportReaderCommError2");
    b.action(t, "analyzeTagInfo2");
}

int MasterIoManager::get_numOfNfcBoards() const
{
    return m_nfcPollingMode;
}

bool MasterIoManager::getNfcErrorDetected() const
{
    return m_readerError[0] || m_readerError[1];
}

bool MasterIoManager::isNumPollsEqualToOne() const
{
    const NfcPollInfo *plan = m_nfcHost ? m_nfcHost->pollingInfo() : nullptr;
    return plan && plan->numPollOrders == 1;
}

bool MasterIoManager::isUidValid(quint64 uid)
{
    uchar bytes[8];
    qToBigEndian<quint64>(uid, bytes);
    return etcCrc(bytes + 2, 6) == quint16(uid >> 48);
}

qulonglong MasterIoManager::get_currentUID(int bin) const
{
    return bin >= 0 && bin < kBinCount ? m_currentUIDs[bin] : 0;
}

QString MasterIoManager::currentUidText(int bin) const
{
    return QString::number(get_currentUID(bin), 16);
}

quint64 MasterIoManager::get_previousUID(int bin) const
{
    return bin >= 0 && bin < kBinCount ? m_previousUIDs[bin] : 0;
}

void MasterIoManager::set_currentUID(int bin, qulonglong uid)
{
    if (bin < 0 || bin >= kBinCount) {
        qDebug() << "masteriomanager... set_currentUID() whichBin out of range!";
        return;
    }
    if (m_currentUIDs[bin] == uid)
        return;
    m_currentUIDs[bin] = uid;
    emit currentUIDsChanged(uchar(bin));
}

void MasterIoManager::set_nfcAccsTestEnabled(bool value)
{
    if (assignIfChanged(m_nfcAccsTestEnabled, value))
        emit nfcAccsTestEnabledChanged(value);
}

bool MasterIoManager::isTagADuplicate(qulonglong uid) const
{
    return std::find(std::begin(m_currentUIDs), std::end(m_currentUIDs), uid) != std::end(m_currentUIDs);
}

void MasterIoManager::nfcScanReader(int poll)
{
    QString line = QStringLiteral("Poll %1 - ").arg(poll);
    const NfcPollInfo *plan = m_nfcHost ? m_nfcHost->pollingInfo() : nullptr;
    if (plan && poll >= 0 && poll < NfcPollInfo::MaxPollOrders) {
        for (int r = 0; r < m_nfcPollingMode; ++r) {
            const NfcPollGroup &group = plan->groups[r][poll];
            const int n = qBound(0, int(group.count), NfcPollGroup::MaxEntries);
            // The second reader gets a scan only when it has channels in this poll.
            if (r == 1 && n == 0)
                continue;
            QModbusPollInfo *info = r == 0 ? m_tagScanInfo1 : m_tagScanInfo2;
            QVector<quint16> &values = info->values();
            values.fill(0);
            values[0] = quint16(n);
            for (int k = 0; k < n; ++k) {
                values[1 + k] = quint16(group.entries[k].channel);
                line += QStringLiteral("%1-%2, ").arg(r + 1).arg(group.entries[k].channel);
            }
            values[kTagScanValues - 1] = 1;
            if (m_modbus && m_layout.iAmMaster)
                m_modbus->holdingRegistersWrite(quint8(group.address), kRegTagScan, kTagScanValues,
                                                kRetriesTagScan, info, m_layout.readerTrafficOnLine());
        }
    }
    qDebug().noquote() << line;
    emit gotoScanWait();
}

void MasterIoManager::requestTagInfo1()
{
    if (m_modbus && m_layout.iAmMaster && m_tagInfo1)
        m_modbus->holdingRegistersRead(kNfcReader1Slave, 0, kTagInfoRegisters, kRetriesTagInfo, m_tagInfo1,
                                       m_layout.readerTrafficOnLine());
}

void MasterIoManager::requestTagInfo2()
{
    if (m_modbus && m_layout.iAmMaster && m_tagInfo2)
        m_modbus->holdingRegistersRead(kNfcReader2Slave, 0, kTagInfoRegisters, kRetriesTagInfo, m_tagInfo2,
                                       m_layout.readerTrafficOnLine());
}

void MasterIoManager::processRequestTagInfo1()
{
    if (m_readerError[0]) {
        m_readerError[0] = false;
        emit errorClearInfo(kErrNfcReader, 1, 0, 0);
    }
    processTagInfo(1);
}

void MasterIoManager::processRequestTagInfo2()
{
    if (m_readerError[1]) {
        m_readerError[1] = false;
        emit errorClearInfo(kErrNfcReader, 2, 0, 0);
    }
    processTagInfo(2);
}

void MasterIoManager::processTagInfo(int reader)
{
    QModbusPollInfo *info = reader == 1 ? m_tagInfo1 : reader == 2 ? m_tagInfo2 : nullptr;
    if (!info || !m_nfcHost)
        return;
    const QVector<quint16> &r = info->values();
    const int trays = m_nfcHost->traysPerCabinet();
    const int perReader = trays <= 12 ? trays : trays / 2;
    const int offset = reader == 1 ? 0 : perReader;

    m_nfcHost->setReaderFirmwareVersion(reader, QStringLiteral("%1.%2.%3").arg(r.at(0)).arg(r.at(1) >> 8).arg(r.at(1) & 0xFF));

    // A reply carries ten slots, however many bins the reader covers.
    const int slotCount = qMin(perReader, kTagSlotsPerReply);
    const QList<int> slotToBin = m_nfcHost->slotToBinList();
    for (int k = 0; k < slotCount && offset + k < slotToBin.size(); ++k) {
        const int bin = slotToBin.at(offset + k);
        if (bin < 0 || bin >= kBinCount) {
            qDebug() << "masteriomanager: channel out of range!";
            continue;
        }
        const quint64 uid = (quint64(r.at(3 + 4 * k)) << 48) | (quint64(r.at(4 + 4 * k)) << 32)
                            | (quint64(r.at(5 + 4 * k)) << 16) | quint64(r.at(6 + 4 * k));
        if (uid == m_currentUIDs[bin])
            continue;
        if (uid == 0)
            set_currentUID(bin, 0);
        else if (isUidValid(uid) && !isTagADuplicate(uid))
            set_currentUID(bin, uid);
    }
}

void MasterIoManager::reportReaderCommError1()
{
    reportReaderCommError(1);
}

void MasterIoManager::reportReaderCommError2()
{
    reportReaderCommError(2);
}

void MasterIoManager::reportReaderCommError(int reader)
{
    if (m_readerError[reader - 1])
        return;
    if (reader == 2 && m_nfcHost && m_nfcHost->hasSecondaryDisplay())
        m_nfcHost->showReaderErrorOnOtherDisplay();
    else
        emit invokeSimpleDialog(QLatin1String(kReaderErrorText), true);
    m_readerError[reader - 1] = true;
    emit errorInfo(kErrNfcReader, reader, 0, 0);
    if (!m_nfcHost)
        return;
    m_nfcHost->setReaderFirmwareVersion(reader, QStringLiteral("?.?.?"));
    const int first = reader == 1 ? 0 : 10;
    for (int bin = first; bin < first + 10; ++bin) {
        if (m_nfcHost->trayAlertStatus(quint8(bin)))
            set_currentUID(bin, 0);
        m_nfcHost->showProductMismatch(quint8(bin), false, 0, false);
    }
}
