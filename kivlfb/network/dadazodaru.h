#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class ConfigurationManager;
class NetworkHost;
class QStandardItemModel;
class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;
class RoleItemModel;

// Lets the cabinets of one site find each other and hand holding timers from
// one cabinet to another (UDP beacons and TCP transfers on one port). Only
// the primary display keeps the table of cabinets it hears.
class DADazodaru : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString broadcastAddr READ get_broadcastAddr WRITE set_broadcastAddr NOTIFY broadcastAddrChanged)
    Q_PROPERTY(int wifiLevel READ get_wifiLevel WRITE set_wifiLevel NOTIFY wifiLevelChanged)
    Q_PROPERTY(int wifiLink READ get_wifiLink WRITE set_wifiLink NOTIFY wifiLinkChanged)
    Q_PROPERTY(int wifiStatus READ get_wifiStatus WRITE set_wifiStatus NOTIFY wifiStatusChanged)
    Q_PROPERTY(int wifiNoise READ get_wifiNoise WRITE set_wifiNoise NOTIFY wifiNoiseChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)
    Q_PROPERTY(bool wifiApConnected READ get_wifiApConnected WRITE set_wifiApConnected NOTIFY wifiApConnectedChanged)

public:
    // All traffic, UDP and TCP.
    static constexpr quint16 Port = 25252;
    static constexpr int BeaconIntervalMs = 500;
    static constexpr qint64 WarnAfterMs = 3000;
    static constexpr qint64 RemoveAfterMs = 6000;
    static constexpr quint16 CabinetInfoId = 0xBEAD;
    // Written low byte first: ED AC on the wire.
    static constexpr quint16 TransferAck = 0xACED;

    // Row roles of the names model.
    enum NameRoles {
        NameRole = 257,
        MacAddrRole = 258,
        AgeMsRole = 259,
        WarnRole = 260
    };

    // The name beacon: id, then the name and the MAC text, each zero-filled
    // to 32 bytes. The name keeps a closing zero, so it is cut to 31 bytes
    // at the last whole UTF-8 character.
    struct CabinetInfo
    {
        static constexpr int FieldSize = 32;
        static constexpr int Size = 2 + 2 * FieldSize;

        QByteArray name; // FieldSize bytes, zero-filled
        QByteArray mac;  // FieldSize bytes, zero-filled

        static QByteArray encode(const QString &name, const QByteArray &mac);
        // Only a datagram of exactly Size bytes with the beacon's id.
        static std::optional<CabinetInfo> decode(const QByteArray &datagram);
        // The text of a zero-filled field: up to its first zero byte.
        static QByteArray fieldText(const QByteArray &field);
        static QByteArray cutUtf8(const QByteArray &utf8, int maxBytes);
    };

    // One cabinet heard.
    struct CabinetTracker
    {
        CabinetInfo info;
        qint64 lastHeardMs = 0;
        qint64 ageMs = 0;
        bool warn = false;
    };

    // The length of the transfer request at the front of bytes, which the
    // stream itself gives: id, MAC string (32-bit byte count, UTF-16), bin,
    // product, a further value and the end time.
    enum RequestLength { RequestIncomplete = -1, RequestInvalid = -2 };
    static int transferRequestLength(const QByteArray &bytes);

    // The figures of the " wlan0:" line of the kernel's wireless table.
    struct WirelessFigures
    {
        int status = 0;
        int link = 0;
        int level = 0;
        int noise = 0;
    };
    static std::optional<WirelessFigures> parseWireless(const QByteArray &table);

    // Without a host the object stands alone: it is no primary display, so
    // it opens no socket.
    DADazodaru(ConfigurationManager *config, QObject *parent, std::unique_ptr<NetworkHost> host = nullptr);
    ~DADazodaru() override;

    QString get_broadcastAddr() const { return m_broadcastAddr; }
    int get_wifiLevel() const { return m_wifiLevel; }
    int get_wifiLink() const { return m_wifiLink; }
    int get_wifiStatus() const { return m_wifiStatus; }
    int get_wifiNoise() const { return m_wifiNoise; }
    QString get_wifiGateway() const { return m_wifiGateway.toString(); }
    bool get_wifiApConnected() const { return m_wifiApConnected; }
    // Null on a display that is not the primary one.
    QStandardItemModel *get_namesModel() const;
    ConfigurationManager *configManager() const { return m_config; }

signals:
    void broadcastAddrChanged(QString value);
    void wifiLevelChanged(int value);
    void wifiLinkChanged(int value);
    void wifiStatusChanged(int value);
    void wifiNoiseChanged(int value);
    void wifiGatewayChanged(QString value);
    void wifiApConnectedChanged(bool value);

    void networkConnectionChanged(bool isConnected);
    void numCabinetsOnNetworkChanged(unsigned char numCabinets);
    void wifiState(int link, int level);
    void newWifiStats();
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);

public slots:
    void set_broadcastAddr(const QString &value);
    void set_wifiLevel(int value);
    void set_wifiLink(int value);
    void set_wifiStatus(int value);
    void set_wifiNoise(int value);
    // Announced on every call, equal or not: listeners re-aim their pings.
    void set_wifiGateway(const QString &value);
    void set_wifiApConnected(bool value);

    bool getMacAddress();
    void broadcastMessage(char *data, qint64 size);
    void tcpConnectToOtherCabinet(QByteArray data, QHostAddress host);
    int getNumCabsConnected() const;
    QByteArray getConnectedCabinetName(int index) const;
    bool getIsConnected() const { return m_connected; }
    void setIsConnected(bool value) { m_connected = value; }
    void updateHostOnNetwork(QString macAddress);
    void getSysWlan0Info();
    void updateNameModel();
    void logCabinetAddRemove(bool add, QByteArray name, QByteArray macAddress);
    void logNetworkRcvdMsg(QString text);

    // Socket and timer handlers.
    void processUDPdatagrams();
    void broadcastName();
    void processNameMessages(QByteArray message);
    void acceptIncomingConnection();
    void processTCPmessageIn();
    void processTCPmessageOut();
    void deleteTcpServerConnection();
    void verifyTransferConfirmation();
    void networkErrorHandler();

private:
    bool ownMacEquals(const QByteArray &macField) const;

    std::unique_ptr<NetworkHost> m_host;
    ConfigurationManager *m_config;
    RoleItemModel *m_namesModel = nullptr;

    QString m_broadcastAddr;
    int m_wifiLevel = 0;
    int m_wifiLink = 0;
    int m_wifiStatus = 0;
    int m_wifiNoise = 0;
    QHostAddress m_wifiGateway;
    bool m_wifiApConnected = false;

    QUdpSocket *m_sendSocket = nullptr;
    QUdpSocket *m_receiveSocket = nullptr;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_serverConnection = nullptr;
    QTcpSocket *m_client = nullptr;
    QByteArray m_pendingRequest;
    // What each accepted connection has sent so far, until its request is whole.
    QHash<QTcpSocket *, QByteArray> m_incoming;

    bool m_ownMacFound = false;
    QByteArray m_ownMac; // CabinetInfo::FieldSize bytes, zero-filled
    bool m_connected = false;
    QMap<QByteArray, CabinetTracker> m_cabinets;
    QTimer *m_beaconTimer = nullptr;
};
