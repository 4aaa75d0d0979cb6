#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

// A connection of its own to the private system bus, subscribed to the
// controller's cloud events the way the outside IoT process is.
class RiotListener : public QObject
{
    Q_OBJECT

public:
    explicit RiotListener(const QString &busAddress);
    ~RiotListener() override;

    bool isListening() const { return m_listening; }
    // The events heard so far with the given "event" member, oldest first.
    QList<QJsonObject> events(const QString &name) const;

private slots:
    void heard(const QString &json);

private:
    bool m_listening = false;
    QList<QJsonObject> m_events;
};
