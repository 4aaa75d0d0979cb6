#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A raw node on a virtual CAN bus directory: it sees every datagram other
// nodes send, exactly as it travels (16-byte can_frame records), and can put
// any bytes on the bus itself. Tests pin the wire format with it and play
// misbehaving nodes.
class VcanTap : public QObject
{
    Q_OBJECT

public:
    explicit VcanTap(const QString &busDir, bool reading = true, QObject *parent = nullptr);
    ~VcanTap() override;

    bool isOpen() const { return m_fd >= 0; }
    QString socketPath() const { return m_path; }

    // Every datagram received so far, in order.
    QList<QByteArray> datagrams;
    // Records whose identifier equals id (sender and type bits included).
    QList<QByteArray> recordsWithId(quint32 id) const;
    // The data bytes of the single frames one sender put on the bus (type 0:
    // the identifier is the sender id).
    QList<QByteArray> singleFrames(quint32 senderId) const;

    // Sends raw bytes to every other "*.sock" in the bus directory.
    int sendToAll(const QByteArray &bytes) const;
    // One frame record built from identifier and payload.
    int sendFrame(quint32 identifier, const QByteArray &payload) const;

    static quint32 identifierOf(const QByteArray &record);

signals:
    void received(QByteArray datagram);

private:
    void drain();

    int m_fd = -1;
    QString m_dir;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
};
