#pragma once

#include "canbackend.h"

#include <QHash>
#include <QString>

// The project's own CAN bus for machines without SocketCAN. The bus is a
// directory; every node binds one Unix datagram socket "<name>.sock" in it
// and a frame is one 16-byte datagram (the kernel's can_frame record) sent
// to every other socket of the directory, never back to its sender.
//
// Linux queues only a few datagrams per receiving socket, and poll() on an
// unconnected datagram socket reports writable even when a peer's queue is
// full. Each peer therefore gets its own connected sending socket, on which
// poll() does follow the peer's queue: a send to a full peer waits for it
// to drain, up to PeerWaitMs, after which the frame is lost for that peer
// (as on a bus error). A peer whose socket is gone is skipped.
class VirtualCanBackend : public CanBackend
{
public:
    static constexpr int PeerWaitMs = 100;

    VirtualCanBackend() = default;
    ~VirtualCanBackend() override;

    // The bus directory for an interface: KIV_VCAN_DIR, else
    // <root>/run/vcan/<interface>.
    static QString busDirectory(const QString &interfaceName);

    int open(const QString &interfaceName) override;
    void close() override;
    int descriptor() const override { return m_fd; }
    // 16 once the frame has been offered to every live peer (also when some
    // peer lost it), -1 when this node is not open or the record is not 16
    // bytes.
    qint64 writeRecord(const QByteArray &record) override;
    // Datagrams of any size but 16 are skipped.
    qint64 readRecord(QByteArray *record) override;
    QString kind() const override { return QStringLiteral("virtual"); }

    QString directory() const { return m_dir; }
    QString socketPath() const { return m_path; }
    // Frames that some peer did not get because its queue stayed full.
    quint64 framesLost() const { return m_framesLost; }

private:
    enum class SendResult { Sent, Lost, Gone };
    SendResult sendToPeer(const QByteArray &path, const QByteArray &record);
    int connectPeer(const QByteArray &path);
    void closePeers();

    int m_fd = -1;
    QString m_dir;
    QString m_path;
    QByteArray m_ownName;
    QHash<QByteArray, int> m_peers; // socket path -> connected sending socket
    quint64 m_framesLost = 0;
};
