#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QGenericArgument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>

class QTcpSocket;

// The cabinet side of the factory's end-of-line test. A test station on the
// factory network connects to TCP port 10000, opens a test run with
// "EndOfLineTest" / "Start" and then sends JSON requests (serial and model
// number, software versions, heaters, speaker, screen, NFC tags, customer
// set-up); each is answered in indented JSON. During a run the cabinet also
// reports the tags it sees and, once configured, its link status and heater
// temperatures every second. After the Wi-Fi icon has been held, it
// announces its Wi-Fi address to UDP port 10003 twice a second so that the
// station can find it.
//
// It keeps no pointers to the rest of the cabinet: the parent is the cabinet
// core, whose properties give the layout and whose named members (the
// configuration store, the I/O board link, the sound manager, the error
// controller and the display synchroniser) it calls by name when a request
// needs them. It serves one station at a time and, as the station expects,
// asks it for no credentials.
class EolTesting : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool eolTestStarted READ getEolTestStarted WRITE setEolTestStarted NOTIFY eolTestStartedChanged)

public:
    static constexpr quint16 TcpPort = 10000;
    static constexpr quint16 UdpPort = 10003;
    // The longest request the server assembles: a station never sends
    // more, and a stranger must not make the buffer grow without end.
    static constexpr int MaxRequestBytes = 64 * 1024;

    explicit EolTesting(QObject *parent = nullptr);
    ~EolTesting() override;

signals:
    void eolTestStartedChanged(bool value);
    void udpBroadCastStartReq();
    void udpBroadcastStarted();
    void tcpClientConnected();
    void tcpClientDisconnected();
    void eolClientConnected();
    void eolClientDisconnected();
    void tcpClientDataReceived();
    void eolClientRequestReceived();
    void systemInfoTestStart();
    void displayTestStart();
    void soundTestStart();
    void heatingTestCommand();
    void nfcTestStart();

public slots:
    bool getEolTestStarted() const { return m_eolTestStarted; }
    void setEolTestStarted(bool value);
    // Asks the chart to start announcing the cabinet on the network.
    void startUdpbroadcast();
    void sendUdpbroadcast();

    // The station's connection.
    void acceptIncomingConnection();
    void tcpSocketDisconnected();
    void networkErrorHandler(QAbstractSocket::SocketError error);
    void tcpClientConnectionHandler();
    void getRceivedData();
    void tcpRequestIsIncomplete();

    // Requests outside a test run and during one.
    void tcpClientProcessRequest();
    void eolClientProcessRequest();
    QString getSoftwareVersions();
    QJsonObject zonesHeatingTest(const QJsonObject &request);
    void nfcTestResponse();
    void sendStatusResponse();
    QString getActualTemps();

    void idle_onEntry();
    void idle_onExit() {}
    void udpBroadCast_onEntry();
    void udpBroadCast_onExit();
    void tcpClientConnected_onEntry() {}
    void tcpClientConnected_onExit();
    void eolDisconnected_onEntry() {}
    void eolDisconnected_onExit() {}
    void eolClientConnected_onEntry();
    void eolClientConnected_onExit();

private:
    void buildMachine();
    void listenForStation();
    void writeReply(const QJsonObject &reply);
    bool configureSerialAndModel(const QJsonObject &request);
    bool singleHeaterTest(const QJsonObject &request, QJsonObject *reply);

    // The cabinet core and its members, found by name when needed.
    QObject *member(const char *objectName) const;
    QVariant cabinetProperty(const char *name) const;
    QVariant storeProperty(const char *name) const;
    bool cabinetIsConfigured() const;
    // Calls a method of the cabinet core (member null) or of one of its
    // named members; a member or method that is missing is logged.
    bool invoke(const char *member, const char *method,
                QGenericReturnArgument result = QGenericReturnArgument(),
                QGenericArgument a0 = QGenericArgument(), QGenericArgument a1 = QGenericArgument()) const;

    QUdpSocket m_udpSocket;
    QTcpServer m_tcpServer;
    QPointer<QTcpSocket> m_client;
    QByteArray m_rxBuffer;
    bool m_udpFailureLogged = false;

    QTimer m_timerUdpBroadcast;
    QTimer m_timerTcpReqTimeout;
    QTimer m_timerNfcTest;
    QTimer m_timerErrorStatus;

    bool m_eolTestStarted = false;
};
