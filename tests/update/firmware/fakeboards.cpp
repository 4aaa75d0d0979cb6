#include "fakeboards.h"

#include "ptypair.h"
#include "scriptedslave.h"

#include "crc/etccrc.h"

namespace {

constexpr int kControlFrameLength = 136;
constexpr int kMaxWrite = 128;

quint32 littleEndian32(const QByteArray &b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

bool crcGood(const QByteArray &frame)
{
    const int n = frame.size();
    if (n < 4)
        return false;
    const quint16 crc = etcCrc(reinterpret_cast<const uint8_t *>(frame.constData()), uint32_t(n - 2));
    return quint8(frame.at(n - 2)) == (crc & 0xFF) && quint8(frame.at(n - 1)) == (crc >> 8);
}

} // namespace

FakeBoards::FakeBoards(PtyPair *pty, QObject *parent)
    : QObject(parent)
    , m_slave(new ScriptedSlave(pty, this))
    , m_policy([](const Frame &) { return Reply::Ack; })
{
    m_slave->setFrameLength([this](const QByteArray &b) { return frameLength(b); });
    // Announced before the slave serves the frame, so the one script step
    // added here is the frame's answer.
    connect(m_slave, &ScriptedSlave::requestReceived, this, &FakeBoards::onFrame);
}

int FakeBoards::frameLength(const QByteArray &b) const
{
    if (b.size() < 2)
        return 0;
    switch (b.at(1)) {
    case 'V':
    case 'U':
        return kControlFrameLength;
    case 'W': {
        if (b.size() < 6)
            return 0;
        const int offset = int(littleEndian32(b, 2) * 2);
        const int data = qMin(kMaxWrite, m_imageSize.value(quint8(b.at(0))) - offset);
        return data > 0 ? data + 8 : b.size();
    }
    default:
        return ScriptedSlave::modbusRequestLength(b);
    }
}

quint16 FakeBoards::next(QList<quint16> &values)
{
    return values.size() > 1 ? values.takeFirst() : values.first();
}

void FakeBoards::answerModbus(const QByteArray &f)
{
    const int reg = (quint8(f.at(2)) << 8) | quint8(f.at(3));
    const quint8 function = quint8(f.at(1));
    QList<quint16> *values = reg == 13 ? &m_operationModes : reg == 74 ? &m_updateStatuses : nullptr;
    if (function == 6) {
        m_log << QStringLiteral("W%1=%2").arg(reg).arg((quint8(f.at(4)) << 8) | quint8(f.at(5)));
    } else {
        m_log << QStringLiteral("R%1").arg(reg);
    }
    if (m_modbusAnswers == 0 || (function == 3 && (!values || values->isEmpty()))) {
        m_slave->staySilent();
        return;
    }
    if (m_modbusAnswers > 0)
        --m_modbusAnswers;
    if (function == 6) {
        m_slave->answer(f.left(6));
        return;
    }
    const quint16 v = next(*values);
    m_slave->answer(f.left(2) + QByteArray(1, 2) + char(v >> 8) + char(v & 0xFF));
}

void FakeBoards::onFrame(const QByteArray &frame)
{
    if (!crcGood(frame)) {
        ++m_badFrames;
        m_log << QStringLiteral("bad frame");
        m_slave->staySilent();
        return;
    }
    const char command = frame.at(1);
    if (command != 'V' && command != 'U' && command != 'W') {
        answerModbus(frame);
        return;
    }
    Frame f;
    f.node = quint8(frame.at(0));
    f.command = command;
    f.offset = command == 'W' ? int(littleEndian32(frame, 2) * 2) : 0;
    const QString entry = command == 'W' ? QStringLiteral("W%1@%2").arg(f.node).arg(f.offset)
                                         : QStringLiteral("%1%2").arg(QLatin1Char(command)).arg(f.node);
    f.attempt = m_attempts[entry]++;
    m_log << entry;

    const Reply reply = m_policy(f);
    if (reply == Reply::Silent) {
        m_slave->staySilent();
        return;
    }
    if (command == 'W') {
        QByteArray &flash = m_flash[f.node];
        const QByteArray data = frame.mid(6, frame.size() - 8);
        if (flash.size() < f.offset + data.size())
            flash.resize(f.offset + data.size());
        flash.replace(f.offset, data.size(), data);
    }
    QByteArray ack;
    ack.append(char(f.node));
    ack.append('X');
    switch (reply) {
    case Reply::Ack:
        m_slave->answer(ack);
        break;
    case Reply::Split:
        m_slave->answerInPieces(ack, 3, 5);
        break;
    case Reply::OtherNode:
        ack[0] = char(f.node + 1);
        m_slave->answer(ack);
        break;
    case Reply::BadCrc:
        m_slave->answerBadCrc(ack);
        break;
    case Reply::NotAnAck:
        ack[1] = 'Y';
        m_slave->answer(ack);
        break;
    case Reply::Silent:
        break;
    }
}
