#pragma once

#include <QObject>
#include <QVector>

// A caller's handle on one Modbus request: the register values in both
// directions, the poll state and one signal per outcome. Callers create one
// per kind of poll and reuse it; it must outlive every request it is given.
class QModbusPollInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int state READ state WRITE set_state NOTIFY stateChanged)
    Q_PROPERTY(int timeoutMs READ timeoutMs WRITE set_timeoutMs NOTIFY timeoutMsChanged)
    Q_PROPERTY(bool highPriority READ highPriority WRITE setHighPriority NOTIFY highPriorityChanged)

public:
    enum QModbusPollStateEnum {
        QMBS_INITIAL_STATE = 0,
        QMBS_UNUSED = 1,
        QMBS_QUEUE_FULL = 2,
        QMBS_WAITING_IN_QUEUE = 3,
        QMBS_REQUEST_ISSUED = 4,
        QMBS_REPLY_TIMEDOUT = 5,
        QMBS_ERROR_RETURNED = 6,
        QMBS_GOOD_REPLY_FOUND = 7,
        QMBS_REQUEST_CANCELED = 8,
    };
    Q_ENUM(QModbusPollStateEnum)

    static constexpr int kMinTimeoutMs = 3;
    static constexpr int kMaxTimeoutMs = 1000;

    explicit QModbusPollInfo(int numValues, QObject *parent = nullptr);

    // Writes take their data from here and reads store into it; the master
    // never changes the length.
    QVector<quint16> &values() { return m_values; }
    const QVector<quint16> &values() const { return m_values; }

    int state() const { return m_state; }
    int timeoutMs() const { return m_timeoutMs; }
    bool highPriority() const { return m_highPriority; }

public slots:
    // Emits on every call: a reused poll reports each outcome afresh.
    void set_state(int state);
    void set_timeoutMs(int msec);
    void setHighPriority(bool high);
    // Sets the state and emits the signal of that outcome.
    void pollResolved(QModbusPollInfo::QModbusPollStateEnum theState);

signals:
    void stateChanged(int state);
    void timeoutMsChanged(int msec);
    void highPriorityChanged(bool high);
    void pollRequestIssued();
    void pollReplyTimedOut();
    void pollReplyError();
    void pollReplyGood();
    void pollRequestCanceled();

private:
    QVector<quint16> m_values;
    int m_state = QMBS_INITIAL_STATE;
    int m_timeoutMs = kMaxTimeoutMs;
    bool m_highPriority = false;
};
