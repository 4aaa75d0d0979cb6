#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal pair in raw mode. The code under test opens
// devicePath() as its serial port; the test plays the far end through
// write() and the received() signal. The fixture keeps its own handle on the
// device open, so the line stays up while the code under test closes and
// reopens its port.
class PtyPair : public QObject
{
    Q_OBJECT

public:
    explicit PtyPair(QObject *parent = nullptr);
    ~PtyPair() override;

    // Opens the pair; call it in the thread whose event loop will serve it.
    bool open();
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_devicePath; }

    // Sends bytes to the code under test; returns false if not all went.
    bool write(const QByteArray &bytes);

signals:
    // Bytes the code under test wrote, in the chunks they arrived in.
    void received(const QByteArray &bytes);

private:
    void readMaster();
    void close();

    int m_master = -1;
    int m_keepAlive = -1;
    QString m_devicePath;
    QSocketNotifier *m_notifier = nullptr;
};
