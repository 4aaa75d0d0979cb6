#pragma once

#include "canframe.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class CanBackend;
class QSocketNotifier;

// The CAN socket of a display: writes and reads the kernel's 16-byte frame
// records and turns each received one into a CanFrame. The back-end is
// chosen when the socket opens: KIV_CAN=socketcan or KIV_CAN=virtual, and by
// default SocketCAN where it opens, else the virtual bus.
class QSocketCAN : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString portName READ get_portName WRITE set_portName NOTIFY portNameChanged)

public:
    explicit QSocketCAN(QObject *parent = nullptr);
    ~QSocketCAN() override;

    // 0 open, bound and watched; -1 no socket; -2 bind failed; -3 / -4 the
    // read / write notifier could not be created.
    int open(QString interfaceName);
    // Writes one frame; takes the array and frees it on every path. 0 when
    // the array is null or longer than 8 bytes (nothing written), else the
    // write's result (16 on success, -1 on failure).
    int sendMsg(uint id, QByteArray *data);

    QString get_portName() const { return m_portName; }
    void set_portName(const QString &name);

    // "socketcan", "virtual", or empty while closed.
    QString backendKind() const;
    CanBackend *backend() const { return m_backend.get(); }

public slots:
    void readMsgFromSocket(int theSocket);
    void writeWrapUp(int theSocket);
    void baToRcvdCanFrame(QByteArray bytes);

signals:
    void portNameChanged(QString portName);
    void canSocketRcvdByteArray(QByteArray bytes);
    void rcvdCanFrame(CanFrame *frame);
    void readyWrite(int theSocket);
    void canSend2Dbus(uint id, QByteArray data);

private:
    void closeSocket();
    int watch();

    QString m_portName;
    std::unique_ptr<CanBackend> m_backend;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};
