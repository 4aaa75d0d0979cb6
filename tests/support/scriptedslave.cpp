#include "scriptedslave.h"

#include "ptypair.h"

#include "modbus/modbusrtu.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

ScriptedSlave::ScriptedSlave(PtyPair *pty, QObject *parent)
    : QObject(parent)
    , m_pty(pty)
    , m_frameLength(&ScriptedSlave::modbusRequestLength)
{
    connect(m_pty, &PtyPair::received, this, &ScriptedSlave::onBytes);
}

void ScriptedSlave::answer(const QByteArray &body)
{
    m_script.append({Step::Answer, body});
}

void ScriptedSlave::answerRaw(const QByteArray &bytes)
{
    m_script.append({Step::Raw, bytes});
}

void ScriptedSlave::answerBadCrc(const QByteArray &body)
{
    m_script.append({Step::BadCrc, body});
}

void ScriptedSlave::answerInPieces(const QByteArray &body, int firstPieceLength, int gapMs)
{
    m_script.append({Step::Pieces, body, firstPieceLength, gapMs});
}

void ScriptedSlave::staySilent(int requests)
{
    for (int i = 0; i < requests; ++i)
        m_script.append({Step::Silent, QByteArray()});
}

bool ScriptedSlave::waitForRequests(int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_requests.size() < count && timer.elapsed() < timeoutMs)
        QTest::qWait(1);
    return m_requests.size() >= count;
}

QByteArray ScriptedSlave::withCrc(const QByteArray &body)
{
    return ModbusRtu::withCrc(body);
}

int ScriptedSlave::modbusRequestLength(const QByteArray &b)
{
    if (b.size() < 2)
        return 0;
    switch (quint8(b.at(1))) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        return 8;
    case 15: case 16:
        return b.size() < 7 ? 0 : 9 + quint8(b.at(6));
    case 21:
        return b.size() < 10 ? 0 : 12 + 2 * ((quint8(b.at(8)) << 8) | quint8(b.at(9)));
    default:
        return b.size(); // unknown: take what is there as one frame
    }
}

ScriptedSlave::Responder ScriptedSlave::holdingRegisters(quint8 slaveId, QVector<quint16> *regs)
{
    return [slaveId, regs](const QByteArray &f) -> QByteArray {
        if (f.size() < 8 || quint8(f.at(0)) != slaveId)
            return QByteArray();
        const auto word = [&f](int i) { return int((quint8(f.at(i)) << 8) | quint8(f.at(i + 1))); };
        const quint8 function = quint8(f.at(1));
        const int start = word(2);
        QByteArray reply = f.left(2);
        if (function == 3) {
            const int count = word(4);
            if (start + count > regs->size())
                return QByteArray();
            reply.append(char(2 * count));
            for (int i = 0; i < count; ++i) {
                reply.append(char(regs->at(start + i) >> 8));
                reply.append(char(regs->at(start + i) & 0xFF));
            }
            return reply;
        }
        if (function == 6 && start < regs->size()) {
            (*regs)[start] = quint16(word(4));
            return f.left(6);
        }
        if (function == 16) {
            const int count = word(4);
            if (start + count > regs->size() || f.size() < 9 + 2 * count)
                return QByteArray();
            for (int i = 0; i < count; ++i)
                (*regs)[start + i] = quint16(word(7 + 2 * i));
            return f.left(6);
        }
        return QByteArray();
    };
}

void ScriptedSlave::onBytes(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    for (;;) {
        const int length = m_frameLength(m_buffer);
        if (length <= 0 || length > m_buffer.size())
            return;
        const QByteArray frame = m_buffer.left(length);
        m_buffer.remove(0, length);
        m_requests.append(frame);
        emit requestReceived(frame);
        serve(frame);
    }
}

void ScriptedSlave::serve(const QByteArray &frame)
{
    Step step{Step::Silent, QByteArray()};
    if (!m_script.isEmpty()) {
        step = m_script.takeFirst();
    } else if (m_responder) {
        const QByteArray body = m_responder(frame);
        if (!body.isEmpty())
            step = {Step::Answer, body};
    }

    switch (step.kind) {
    case Step::Silent:
        return;
    case Step::Answer:
        m_pty->write(withCrc(step.bytes));
        return;
    case Step::Raw:
        m_pty->write(step.bytes);
        return;
    case Step::BadCrc: {
        QByteArray reply = withCrc(step.bytes);
        reply[reply.size() - 1] = char(~quint8(reply.at(reply.size() - 1)));
        m_pty->write(reply);
        return;
    }
    case Step::Pieces: {
        const QByteArray reply = withCrc(step.bytes);
        m_pty->write(reply.left(step.split));
        const QByteArray rest = reply.mid(step.split);
        QTimer::singleShot(step.gapMs, this, [this, rest]() { m_pty->write(rest); });
        return;
    }
    }
}
