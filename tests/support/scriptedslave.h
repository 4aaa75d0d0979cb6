#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QVector>

#include <functional>

class PtyPair;

// A slave on the far end of a PtyPair that follows a script. Incoming bytes
// are cut into request frames (Modbus RTU request lengths by default; other
// protocols set their own rule), each frame is recorded and answered by the
// next script step, or by the responder once the script is used up.
// Replies are given without their CRC unless the step says otherwise; the
// slave appends the CRC-16/MODBUS, low byte first.
class ScriptedSlave : public QObject
{
    Q_OBJECT

public:
    // Returns the reply body for a request frame, or an empty array to stay
    // silent.
    using Responder = std::function<QByteArray(const QByteArray &request)>;
    // Returns the length of the frame at the head of buffer, or 0 while too
    // few bytes are in to tell.
    using FrameLength = std::function<int(const QByteArray &buffer)>;

    explicit ScriptedSlave(PtyPair *pty, QObject *parent = nullptr);

    // Script steps, used one per request in the order given.
    void answer(const QByteArray &body);
    void answerRaw(const QByteArray &bytes);            // sent exactly as given
    void answerBadCrc(const QByteArray &body);          // CRC with its high byte inverted
    void answerInPieces(const QByteArray &body, int firstPieceLength, int gapMs);
    void staySilent(int requests = 1);

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    void setFrameLength(FrameLength rule) { m_frameLength = std::move(rule); }

    const QList<QByteArray> &requests() const { return m_requests; }
    // Runs the event loop until count requests have come in in all.
    bool waitForRequests(int count, int timeoutMs = 2000);

    // A responder serving function 3 (read) and 6 and 16 (write) from a
    // register table of one slave id; other ids and functions stay silent.
    static Responder holdingRegisters(quint8 slaveId, QVector<quint16> *registers);
    static int modbusRequestLength(const QByteArray &buffer);
    static QByteArray withCrc(const QByteArray &body);

signals:
    void requestReceived(const QByteArray &frame);

private:
    struct Step {
        enum Kind { Answer, Raw, BadCrc, Pieces, Silent } kind;
        QByteArray bytes;
        int split = 0;
        int gapMs = 0;
    };

    void onBytes(const QByteArray &bytes);
    void serve(const QByteArray &frame);

    PtyPair *m_pty;
    QByteArray m_buffer;
    QList<Step> m_script;
    QList<QByteArray> m_requests;
    Responder m_responder;
    FrameLength m_frameLength;
};
