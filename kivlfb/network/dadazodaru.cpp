#include "dadazodaru.h"

#include "core/holdingexchangecodec.h"
#include "menus/roleitemmodel.h"
#include "network/networkhost.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/networkinterfaces.h"
#include "property/assignifchanged.h"

#include <algorithm>

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

namespace {

const QString kWirelessTable = QStringLiteral("/proc/net/wireless");
const QString kWifiInterface = QStringLiteral("wlan0");
// The MAC text of a transfer request is a short string; anything longer is
// not a request of ours and is not waited for.
constexpr quint32 kMaxRequestMacBytes = 256;

quint16 messageId(const QByteArray &bytes)
{
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar *>(bytes.constData()));
}

QByteArray zeroFilled(const QByteArray &bytes, int size)
{
    QByteArray field = bytes.left(size);
    field.append(QByteArray(size - field.size(), '\0'));
    return field;
}

} // namespace

// --- wire formats ---------------------------------------------------------

QByteArray DADazodaru::CabinetInfo::cutUtf8(const QByteArray &utf8, int maxBytes)
{
    if (utf8.size() <= maxBytes)
        return utf8;
    int end = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the
    // character that the cut would split, and drop that character too.
    while (end > 0 && (static_cast<uchar>(utf8.at(end)) & 0xC0) == 0x80)
        --end;
    return utf8.left(end);
}

QByteArray DADazodaru::CabinetInfo::encode(const QString &name, const QByteArray &mac)
{
    QByteArray bytes;
    bytes.reserve(Size);
    bytes.append(char(CabinetInfoId >> 8)).append(char(CabinetInfoId & 0xFF));
    bytes.append(zeroFilled(cutUtf8(name.toUtf8(), FieldSize - 1), FieldSize));
    bytes.append(zeroFilled(mac, FieldSize));
    return bytes;
}

std::optional<DADazodaru::CabinetInfo> DADazodaru::CabinetInfo::decode(const QByteArray &datagram)
{
    if (datagram.size() != Size || messageId(datagram) != CabinetInfoId)
        return std::nullopt;
    CabinetInfo info;
    info.name = datagram.mid(2, FieldSize);
    info.mac = datagram.mid(2 + FieldSize, FieldSize);
    return info;
}

QByteArray DADazodaru::CabinetInfo::fieldText(const QByteArray &field)
{
    const int zero = field.indexOf('\0');
    return zero < 0 ? field : field.left(zero);
}

int DADazodaru::transferRequestLength(const QByteArray &bytes)
{
    constexpr int idBytes = 2;
    constexpr int countBytes = 4;
    constexpr int tailBytes = 1 + 4 + 4 + 8; // bin, product, further value, end time
    if (bytes.size() < idBytes)
        return RequestIncomplete;
    if (messageId(bytes) != HoldingExchangeCodec::TransferRequestId)
        return RequestInvalid;
    if (bytes.size() < idBytes + countBytes)
        return RequestIncomplete;
    quint32 macBytes = qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData() + idBytes));
    if (macBytes == 0xFFFFFFFFu) // a null string
        macBytes = 0;
    if (macBytes > kMaxRequestMacBytes || macBytes % 2 != 0)
        return RequestInvalid;
    const int length = idBytes + countBytes + int(macBytes) + tailBytes;
    return bytes.size() >= length ? length : RequestIncomplete;
}

std::optional<DADazodaru::WirelessFigures> DADazodaru::parseWireless(const QByteArray &table)
{
    // The kernel marks an updated figure with a trailing "." (and may print
    // decimals): only the integer part counts.
    static const QRegularExpression fraction(QStringLiteral("\\.\\d*"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList lines = QString::fromUtf8(table).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (!line.startsWith(QStringLiteral(" wlan0:")))
            continue;
        const QStringList fields = line.split(space);
        auto field = [&fields](int i) {
            QString text = fields.value(i);
            return text.remove(fraction).toInt(); // 0 when not a number
        };
        WirelessFigures figures;
        figures.status = field(2);
        figures.link = field(3);
        figures.level = field(4);
        figures.noise = field(5);
        return figures;
    }
    return std::nullopt;
}

// --- the object -------------------------------------------------------------

DADazodaru::DADazodaru(ConfigurationManager *config, QObject *parent, std::unique_ptr<NetworkHost> host)
    : QObject(parent)
    , m_host(host ? std::move(host) : std::make_unique<NetworkHost>())
    , m_config(config)
{
    // Displays other than the primary one take no part in the cabinet
    // network: they get neither sockets nor the table of cabinets.
    if (!m_host->iAmMaster())
        return;

    m_sendSocket = new QUdpSocket(this);
    m_sendSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_sendSocket->setSocketOption(QAbstractSocket::TypeOfServiceOption, 32);
    connect(m_sendSocket, &QAbstractSocket::errorOccurred, this, &DADazodaru::networkErrorHandler);

    m_receiveSocket = new QUdpSocket(this);
    connect(m_receiveSocket, &QUdpSocket::readyRead, this, &DADazodaru::processUDPdatagrams);
    connect(m_receiveSocket, &QAbstractSocket::errorOccurred, this, &DADazodaru::networkErrorHandler);
    if (!m_receiveSocket->bind(QHostAddress::AnyIPv4, Port, QUdpSocket::ShareAddress))
        qWarning().noquote() << "Cabinet network: cannot receive on port" << Port << '-'
                             << m_receiveSocket->errorString();

    m_client = new QTcpSocket(this);
    connect(m_client, &QTcpSocket::connected, this, &DADazodaru::processTCPmessageOut);
    connect(m_client, &QAbstractSocket::errorOccurred, this, &DADazodaru::networkErrorHandler);
    connect(m_client, &QTcpSocket::readyRead, this, &DADazodaru::verifyTransferConfirmation);

    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::Any, Port))
        qWarning().noquote() << "Cabinet network: cannot listen on port" << Port << '-' << m_server->errorString();
    connect(m_server, &QTcpServer::newConnection, this, &DADazodaru::acceptIncomingConnection);
    connect(m_server, &QTcpServer::acceptError, this, &DADazodaru::networkErrorHandler);

    m_beaconTimer = new QTimer(this);
    connect(m_beaconTimer, &QTimer::timeout, this, &DADazodaru::broadcastName);
    m_beaconTimer->start(BeaconIntervalMs);

    m_namesModel = new RoleItemModel({{NameRole, "name"}, {MacAddrRole, "mcaddr"}, {AgeMsRole, "agems"}, {WarnRole, "warn"}},
                                     this);
    m_namesModel->setObjectName(QStringLiteral("kivnm_namesModel"));
    getMacAddress();
    m_connected = false;
}

DADazodaru::~DADazodaru() = default;

QStandardItemModel *DADazodaru::get_namesModel() const { return m_namesModel; }

void DADazodaru::set_broadcastAddr(const QString &value)
{
    if (assignIfChanged(m_broadcastAddr, value))
        emit broadcastAddrChanged(m_broadcastAddr);
}

void DADazodaru::set_wifiLevel(int value)
{
    if (assignIfChanged(m_wifiLevel, value))
        emit wifiLevelChanged(m_wifiLevel);
}

void DADazodaru::set_wifiLink(int value)
{
    if (assignIfChanged(m_wifiLink, value))
        emit wifiLinkChanged(m_wifiLink);
}

void DADazodaru::set_wifiStatus(int value)
{
    if (assignIfChanged(m_wifiStatus, value))
        emit wifiStatusChanged(m_wifiStatus);
}

void DADazodaru::set_wifiNoise(int value)
{
    if (assignIfChanged(m_wifiNoise, value))
        emit wifiNoiseChanged(m_wifiNoise);
}

void DADazodaru::set_wifiGateway(const QString &value)
{
    m_wifiGateway = QHostAddress(value);
    emit wifiGatewayChanged(value);
}

void DADazodaru::set_wifiApConnected(bool value)
{
    if (assignIfChanged(m_wifiApConnected, value))
        emit wifiApConnectedChanged(m_wifiApConnected);
}

bool DADazodaru::getMacAddress()
{
    if (m_ownMacFound)
        return true;
    const QList<NetworkInterfaces::Interface> interfaces = NetworkInterfaces::all();
    for (const NetworkInterfaces::Interface &i : interfaces) {
        if (i.name != kWifiInterface)
            continue;
        m_ownMac = zeroFilled(i.hardwareAddress.toUtf8(), CabinetInfo::FieldSize);
        m_ownMacFound = true;
        return true;
    }
    return false;
}

bool DADazodaru::ownMacEquals(const QByteArray &macField) const
{
    return m_ownMacFound && macField == m_ownMac;
}

void DADazodaru::broadcastMessage(char *data, qint64 size)
{
    if (!m_sendSocket || !data || size <= 0)
        return;
    if (m_broadcastAddr.isEmpty() || m_broadcastAddr == QStringLiteral("255.255.255.255"))
        return;
    m_sendSocket->writeDatagram(data, size, QHostAddress(m_broadcastAddr), Port);
}

void DADazodaru::tcpConnectToOtherCabinet(QByteArray data, QHostAddress host)
{
    if (!m_client)
        return;
    m_pendingRequest = data;
    m_client->abort();
    m_client->connectToHost(host, Port, QIODevice::ReadWrite);
}

int DADazodaru::getNumCabsConnected() const { return m_cabinets.size(); }

QByteArray DADazodaru::getConnectedCabinetName(int index) const
{
    if (index < 0 || index >= m_cabinets.size())
        return QByteArray();
    return CabinetInfo::fieldText(std::next(m_cabinets.cbegin(), index)->info.name);
}

void DADazodaru::updateHostOnNetwork(QString macAddress)
{
    const auto it = m_cabinets.find(macAddress.toUtf8());
    if (it != m_cabinets.end())
        it->lastHeardMs = KivClock::msecsSinceEpoch();
}

void DADazodaru::broadcastName()
{
    const qint64 now = KivClock::msecsSinceEpoch();

    const QList<NetworkInterfaces::Interface> interfaces = NetworkInterfaces::all();
    const bool hasWifi = std::any_of(interfaces.cbegin(), interfaces.cend(),
                                     [](const NetworkInterfaces::Interface &i) { return i.name == kWifiInterface; });
    if (hasWifi) {
        QByteArray beacon = CabinetInfo::encode(m_host->cabinetName(), getMacAddress() ? m_ownMac : QByteArray());
        broadcastMessage(beacon.data(), beacon.size());
    }

    bool changed = false;
    for (auto it = m_cabinets.begin(); it != m_cabinets.end();) {
        CabinetTracker &entry = it.value();
        entry.ageMs = now - entry.lastHeardMs;
        if (entry.ageMs > RemoveAfterMs) {
            if (ownMacEquals(entry.info.mac)) {
                m_connected = false;
                emit networkConnectionChanged(false);
            }
            const CabinetInfo info = entry.info;
            it = m_cabinets.erase(it);
            logCabinetAddRemove(false, CabinetInfo::fieldText(info.name), CabinetInfo::fieldText(info.mac));
            emit numCabinetsOnNetworkChanged(static_cast<unsigned char>(m_cabinets.size()));
            changed = true;
            continue;
        }
        if (entry.ageMs > WarnAfterMs && !entry.warn) {
            entry.warn = true;
            changed = true;
        }
        ++it;
    }
    if (changed)
        updateNameModel();
}

void DADazodaru::processUDPdatagrams()
{
    while (m_receiveSocket->hasPendingDatagrams()) {
        QByteArray datagram(int(qMax<qint64>(0, m_receiveSocket->pendingDatagramSize())), '\0');
        QHostAddress sender;
        const qint64 read = m_receiveSocket->readDatagram(datagram.data(), datagram.size(), &sender);
        if (read < 0)
            continue;
        datagram.truncate(int(read));

        const quint16 id = datagram.size() >= 2 ? messageId(datagram) : 0;
        if (id == CabinetInfoId) {
            const std::optional<CabinetInfo> info = CabinetInfo::decode(datagram);
            if (!info)
                continue;
            logNetworkRcvdMsg(QStringLiteral("CabinetInfo msg: %1, %2")
                                  .arg(QString::fromUtf8(CabinetInfo::fieldText(info->mac)),
                                       QString::fromUtf8(CabinetInfo::fieldText(info->name))));
            processNameMessages(datagram);
        } else if (id == HoldingExchangeCodec::HoldingInfoId) {
            m_host->processReceivedHoldingInfo(datagram, sender);
        } else {
            logNetworkRcvdMsg(QStringLiteral("Unknown message!") + QString::fromLatin1(datagram.toHex()));
        }
    }
}

void DADazodaru::processNameMessages(QByteArray message)
{
    const std::optional<CabinetInfo> info = CabinetInfo::decode(message);
    if (!info)
        return;

    if (!m_connected && ownMacEquals(info->mac)) {
        m_connected = true;
        emit networkConnectionChanged(true);
    }

    bool changed = false;
    const QByteArray mac = CabinetInfo::fieldText(info->mac);
    auto it = m_cabinets.find(mac);
    if (it != m_cabinets.end()) {
        if (it->info.name != info->name) {
            it->info = *info;
            changed = true;
        }
    } else {
        CabinetTracker entry;
        entry.info = *info;
        it = m_cabinets.insert(mac, entry);
        emit numCabinetsOnNetworkChanged(static_cast<unsigned char>(m_cabinets.size()));
        logCabinetAddRemove(true, CabinetInfo::fieldText(info->name), mac);
        changed = true;
    }

    it->lastHeardMs = KivClock::msecsSinceEpoch();
    it->ageMs = 0;
    if (it->warn) {
        it->warn = false;
        changed = true;
    }
    if (changed)
        updateNameModel();
}

void DADazodaru::updateNameModel()
{
    if (!m_namesModel)
        return;
    const qint64 now = KivClock::msecsSinceEpoch();
    m_namesModel->removeRows(0, m_namesModel->rowCount());
    for (CabinetTracker &entry : m_cabinets) {
        const qint64 age = now - entry.lastHeardMs;
        entry.warn = age > WarnAfterMs;
        auto *item = new QStandardItem;
        item->setData(QString::fromUtf8(CabinetInfo::fieldText(entry.info.name)), NameRole);
        item->setData(QString::fromUtf8(CabinetInfo::fieldText(entry.info.mac)), MacAddrRole);
        item->setData(age, AgeMsRole);
        item->setData(entry.warn, WarnRole);
        m_namesModel->appendRow(item);
    }
}

void DADazodaru::logCabinetAddRemove(bool, QByteArray, QByteArray) {}
void DADazodaru::logNetworkRcvdMsg(QString) {}

// --- bin-timer transfer -------------------------------------------------------

void DADazodaru::processTCPmessageOut()
{
    m_client->write(m_pendingRequest);
    qDebug().noquote() << "processTCPmessageOut -" << m_pendingRequest.toHex(' ');
}

void DADazodaru::acceptIncomingConnection()
{
    while (QTcpSocket *connection = m_server->nextPendingConnection()) {
        m_serverConnection = connection;
        m_incoming.insert(connection, QByteArray());
        connect(connection, &QTcpSocket::readyRead, this, &DADazodaru::processTCPmessageIn);
        connect(connection, &QAbstractSocket::errorOccurred, this, &DADazodaru::networkErrorHandler);
        connect(connection, &QTcpSocket::disconnected, this, &DADazodaru::deleteTcpServerConnection);
        qDebug() << "TCP Incoming connection made";
    }
}

void DADazodaru::processTCPmessageIn()
{
    auto *connection = qobject_cast<QTcpSocket *>(sender());
    if (!connection || !m_incoming.contains(connection))
        return;
    const QByteArray arrived = connection->readAll();
    qDebug().noquote() << "Received TCP Message!" << arrived.toHex(' ');
    QByteArray &bytes = m_incoming[connection];
    bytes.append(arrived);
    if (bytes.size() < 2)
        return;

    // A request may arrive in pieces: it is handed on only when whole.
    const int length = transferRequestLength(bytes);
    if (length == RequestIncomplete)
        return;

    const quint16 id = messageId(bytes);
    if (id != HoldingExchangeCodec::TransferRequestId) {
        qDebug().noquote() << "Unknown message! messageID =" << id;
    } else if (length == RequestInvalid) {
        qDebug().noquote() << "Malformed transfer request dropped:" << bytes.toHex(' ');
    } else {
        qDebug() << "KIV_NETWORK_BIN_TRANSFER_REQ is received";
        // Acknowledged only when a timer really stopped here: otherwise the
        // requester would start a hold that keeps running at the holder.
        if (m_host->handleTimerResetRequest(bytes.left(length))) {
            const char ack[2] = {char(TransferAck & 0xFF), char(TransferAck >> 8)};
            connection->write(ack, sizeof ack);
        } else {
            qDebug() << "Transfer request stopped no timer: not acknowledged";
        }
    }
    // One request per connection: later bytes are not read.
    disconnect(connection, &QTcpSocket::readyRead, this, &DADazodaru::processTCPmessageIn);
    m_incoming.remove(connection);
    connection->disconnectFromHost();
}

void DADazodaru::deleteTcpServerConnection()
{
    auto *connection = qobject_cast<QTcpSocket *>(sender());
    if (!connection)
        return;
    qDebug() << "Delete TCP client connection after disconnected from host";
    m_incoming.remove(connection);
    if (connection == m_serverConnection)
        m_serverConnection = nullptr;
    connection->deleteLater();
}

void DADazodaru::verifyTransferConfirmation()
{
    if (m_client->bytesAvailable() != 2)
        return;
    const QByteArray bytes = m_client->read(2);
    const quint16 confirmation = qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(bytes.constData()));
    if (confirmation == TransferAck) {
        qDebug() << "KIV_NETWORK_BIN_TRANSFER_ACK received!";
        m_host->productTransferConfirmed();
    } else {
        qDebug().noquote() << "Unknown Ack message! confirmation =" << confirmation;
    }
}

void DADazodaru::networkErrorHandler()
{
    if (!m_serverConnection || sender() != m_serverConnection)
        return;
    qDebug().noquote() << "Abort the TCP client connection after socket error is detected"
                       << m_serverConnection->localAddress().toString();
    m_serverConnection->abort();
}

// --- Wi-Fi figures --------------------------------------------------------------

void DADazodaru::getSysWlan0Info()
{
    QFile file(KivRoot::path(kWirelessTable));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Failed to read" << kWirelessTable;
    } else if (const std::optional<WirelessFigures> figures = parseWireless(file.readAll())) {
        set_wifiStatus(figures->status);
        set_wifiLink(figures->link);
        set_wifiLevel(figures->level);
        set_wifiNoise(figures->noise);
    }
    emit wifiState(m_wifiLink, m_wifiLevel);
    emit newWifiStats();
}
