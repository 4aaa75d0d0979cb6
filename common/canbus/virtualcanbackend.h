#pragma once

#include "canbackend.h"

#include <QString>

#include <memory>
#include <vector>

class VcanDirectoryWatch;

// The project's own CAN bus for machines without SocketCAN. The bus is a
// directory; every node binds one Unix datagram socket "<name>.sock" in it
// and a frame is one 16-byte datagram (the kernel's can_frame record) sent
// to every other socket of the directory, never back to its sender.
//
// The node keeps its list of peers and reads the directory again only when
// an entry was created, removed or renamed (VcanDirectoryWatch), which it
// asks before every frame: a node that has bound its socket gets the very
// next frame.
//
// Linux queues only a few datagrams per receiving socket, and poll() on an
// unconnected datagram socket reports writable even when a peer's queue is
// full. Each peer therefore gets its own connected sending socket, on which
// poll() does follow the peer's queue: a send to a full peer waits for it
// to drain, up to PeerWaitMs, after which the frame is lost for that peer
// (as on a bus error). A peer whose socket is gone is skipped until the
// directory changes.
class VirtualCanBackend : public CanBackend
{
public:
    static constexpr int PeerWaitMs = 100;

    VirtualCanBackend();
    ~VirtualCanBackend() override;

    // The bus directory for an interface: KIV_VCAN_DIR, else
    // <root>/run/vcan/<interface>.
    static QString busDirectory(const QString &interfaceName);

    int open(const QString &interfaceName) override;
    void close() override;
    int descriptor() const override { return m_fd; }
    // 16 once the frame has been offered to every live peer (also when some
    // peer lost it), -1 when this node is not open, the record is not 16
    // bytes or the bus directory cannot be read.
    qint64 writeRecord(const QByteArray &record) override;
    QString kind() const override { return QStringLiteral("virtual"); }

    QString directory() const { return m_dir; }
    QString socketPath() const { return m_path; }
    // Frames that some peer did not get because its queue stayed full.
    quint64 framesLost() const { return m_framesLost; }

private:
    struct Peer
    {
        QByteArray path;
        int fd = -1;       // connected sending socket, -1 until connected
        bool gone = false; // nobody listens: skipped until the directory changes
    };
    enum class SendResult { Sent, Lost, Gone };

    bool readPeers();
    SendResult sendToPeer(Peer &peer, const QByteArray &record);
    void closePeers();

    int m_fd = -1;
    QString m_dir;
    QString m_path;
    QByteArray m_ownName;
    std::unique_ptr<VcanDirectoryWatch> m_watch;
    std::vector<Peer> m_peers;
    quint64 m_framesLost = 0;
};
