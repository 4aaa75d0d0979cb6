#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QTcpSocket>

// Plays the factory's test station: a client of the cabinet's test server
// on port 10000 that sends JSON requests and reads the replies one JSON
// object at a time. Every wait spins the event loop, so a server in the
// same process goes on working.
class EolStation
{
public:
    bool connect();
    void send(const QJsonObject &request);
    void sendRaw(const QByteArray &bytes);

    // The next whole reply; empty when none comes within the time. The
    // status a configured cabinet reports every second is passed over
    // unless keepStatusReports is set.
    QJsonObject nextReply(int timeoutMs = 5000);

    bool keepStatusReports = false;
    QByteArray lastReplyText; // the bytes of the last reply taken
    QTcpSocket socket;

private:
    bool takeReply(QJsonObject *reply);
    QByteArray m_pending;
};

// {"event": event, "command": command}
QJsonObject eolRequest(const char *event, const char *command = "Start");
// {"event": event, "response": response}
QJsonObject eolReply(const char *event, const QString &response);
