#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// An outside listener on a display's system bus: a dbus-monitor process
// that prints every signal of the controller's path, read back here as
// member and arguments. It hears what any other client of the bus (the IoT
// process among them) would hear, from its own connection.
class BusMonitor : public QObject
{
    Q_OBJECT

public:
    struct Signal
    {
        QString member;
        QStringList args; // basic arguments as text, strings without their quotes
    };

    explicit BusMonitor(QObject *parent = nullptr);
    ~BusMonitor() override;

    // Starts dbus-monitor on the bus and waits until it reports itself
    // connected (its own NameAcquired), so nothing sent afterwards is missed.
    bool start(const QString &busAddress, const QString &path, int timeoutMs = 10000);

    QList<Signal> signalsNamed(const QString &member) const;
    // The controller's cloud events ("riotEvent") whose "event" member is
    // name, oldest first.
    QList<QJsonObject> cloudEvents(const QString &name) const;

private:
    void readOutput();
    void takeLine(const QString &line);

    QProcess m_process;
    QByteArray m_partial;
    QList<Signal> m_signals;
    bool m_inSignal = false;
};
