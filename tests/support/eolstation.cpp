#include "eolstation.h"

#include <QJsonDocument>
#include <QTest>

namespace {
const quint16 kTestPort = 10000;
}

bool EolStation::connect()
{
    socket.connectToHost(QHostAddress::LocalHost, kTestPort);
    return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
}

void EolStation::send(const QJsonObject &request)
{
    sendRaw(QJsonDocument(request).toJson(QJsonDocument::Compact));
}

void EolStation::sendRaw(const QByteArray &bytes)
{
    socket.write(bytes);
    socket.flush();
}

QJsonObject EolStation::nextReply(int timeoutMs)
{
    QJsonObject reply;
    (void)QTest::qWaitFor([&] {
        m_pending += socket.readAll();
        while (takeReply(&reply)) {
            if (keepStatusReports || reply.value("event") != QLatin1String("StatusResponse"))
                return true;
        }
        reply = QJsonObject();
        return false;
    }, timeoutMs);
    return reply;
}

// Replies follow one another without framing: a parse that stops at
// "garbage" after the first object has found where the next one begins.
bool EolStation::takeReply(QJsonObject *reply)
{
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(m_pending, &error);
    int end = m_pending.size();
    if (error.error == QJsonParseError::GarbageAtEnd) {
        end = error.offset;
        doc = QJsonDocument::fromJson(m_pending.left(end), &error);
    }
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    lastReplyText = m_pending.left(end);
    m_pending.remove(0, end);
    *reply = doc.object();
    return true;
}

QJsonObject eolRequest(const char *event, const char *command)
{
    return QJsonObject{{"event", event}, {"command", command}};
}

QJsonObject eolReply(const char *event, const QString &response)
{
    return QJsonObject{{"event", event}, {"response", response}};
}
