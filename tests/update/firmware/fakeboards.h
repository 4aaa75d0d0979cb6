#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class PtyPair;
class ScriptedSlave;

// The cabinet's boards on the far end of the update utility's RS-485 line:
// the bootloaders of the I/O board (node 1) and of NFC boards 2 and 3, and
// the I/O board's Modbus registers 12, 13 and 74 for the follow-up of its
// secondary heater boards.
//
// Every frame the utility sends is checked (a bad CRC is counted), logged
// in a short form ("V1", "W2@128", "U1", "R13", "W12=8") and answered as
// the policy says. Write frames land in the node's flash unless the board
// stays silent (it is taken not to have heard them).
class FakeBoards : public QObject
{
    Q_OBJECT

public:
    enum class Reply {
        Ack,        // node, 'X', CRC
        Silent,     // nothing: the frame was lost
        Split,      // the acknowledgement in two pieces, 5 ms apart
        OtherNode,  // a good acknowledgement with the next node's number
        BadCrc,     // the acknowledgement with its CRC spoilt
        NotAnAck,   // 'Y' instead of 'X'
    };

    struct Frame {
        quint8 node = 0;
        char command = 0;
        int offset = 0;  // byte offset of a write frame's data in the image
        int attempt = 0; // earlier frames with the same node, command and offset
    };
    using Policy = std::function<Reply(const Frame &frame)>;

    explicit FakeBoards(PtyPair *pty, QObject *parent = nullptr);

    // Write frames carry no length: the boards cut them by the size of the
    // image they expect.
    void expectImage(quint8 node, int bytes) { m_imageSize[node] = bytes; }
    void setPolicy(Policy policy) { m_policy = std::move(policy); }

    // Register 13 and 74 reads take their values in turn; the last one
    // repeats. An I/O board with no values for a register does not answer.
    void setOperationModes(const QList<quint16> &values) { m_operationModes = values; }
    void setUpdateStatuses(const QList<quint16> &values) { m_updateStatuses = values; }
    // The I/O board answers that many Modbus requests, then falls silent.
    void setModbusAnswers(int count) { m_modbusAnswers = count; }

    const QStringList &log() const { return m_log; }
    int count(const QString &entry) const { return m_log.count(entry); }
    int badFrames() const { return m_badFrames; }
    QByteArray flash(quint8 node) const { return m_flash.value(node); }
    // What a node runs before the update: write frames overwrite it.
    void setFlash(quint8 node, const QByteArray &image) { m_flash[node] = image; }

private:
    int frameLength(const QByteArray &buffer) const;
    void onFrame(const QByteArray &frame);
    void answerModbus(const QByteArray &frame);
    static quint16 next(QList<quint16> &values);

    ScriptedSlave *m_slave;
    Policy m_policy;
    QHash<quint8, int> m_imageSize;
    QHash<quint8, QByteArray> m_flash;
    QHash<QString, int> m_attempts;
    QList<quint16> m_operationModes;
    QList<quint16> m_updateStatuses;
    int m_modbusAnswers = -1; // no limit
    QStringList m_log;
    int m_badFrames = 0;
};
