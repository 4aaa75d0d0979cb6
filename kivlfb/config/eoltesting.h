#pragma once

#include "statemachine/tarnstatemachine.h"

// The cabinet side of the factory's end-of-line test: a TCP server for the
// test station's JSON requests and a UDP broadcast that announces the
// cabinet's Wi-Fi address. The sockets come with the factory-test work.
class EolTesting : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool eolTestStarted READ getEolTestStarted WRITE setEolTestStarted NOTIFY eolTestStartedChanged)

public:
    explicit EolTesting(QObject *parent = nullptr);

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

    void idle_onEntry();
    void idle_onExit();

private:
    void buildMachine();

    bool m_eolTestStarted = false;
};
