#pragma once

#include "canbackend.h"

// A raw SocketCAN socket on one interface, local loopback off, so a node
// never reads back its own frames.
class SocketCanBackend : public CanBackend
{
public:
    SocketCanBackend() = default;
    ~SocketCanBackend() override;

    int open(const QString &interfaceName) override;
    void close() override;
    int descriptor() const override { return m_fd; }
    qint64 writeRecord(const QByteArray &record) override;
    QString kind() const override { return QStringLiteral("socketcan"); }
    // The interface index the last open looked up (0 when the name is
    // unknown or no open got that far).
    int interfaceIndex() const { return m_ifIndex; }

private:
    int m_fd = -1;
    int m_ifIndex = 0;
};
