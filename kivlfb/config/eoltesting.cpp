#include "eoltesting.h"

#include "eoltestcodec.h"

#include "config/configurationmanager.h"
#include "property/assignifchanged.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QMetaEnum>
#include <QTcpSocket>

namespace {

const int kUdpBroadcastMs = 500;
const int kTcpRequestTimeoutMs = 2500;
const int kTagReportMs = 1000;
const int kStatusReportMs = 1000;
const int kTypeOfService = 32;
const int kHeatersPerZone = 2;

const char kStart[] = "Start";
const char kStop[] = "Stop";
const char kNoError[] = "NO ERROR";

// Members of the cabinet core, by the names the composition root gives them.
const char kStore[] = "configManager";
const char kIoLink[] = "masterIoManager";
const char kSound[] = "soundManager";
const char kErrors[] = "kivErrorController";
const char kSync[] = "syncMgr";

QJsonObject response(const char *event, bool pass)
{
    return QJsonObject{{QLatin1String("event"), QLatin1String(event)},
                       {QLatin1String("response"), QLatin1String(pass ? "pass" : "fail")}};
}

QString socketErrorName(int error)
{
    const char *name = QMetaEnum::fromType<QAbstractSocket::SocketError>().valueToKey(error);
    return QLatin1String(name && error >= 0 ? name : "UnknownSocketError");
}

} // namespace

EolTesting::EolTesting(QObject *parent)
    : TarnStateMachine(parent)
    , m_timerUdpBroadcast(this)
    , m_timerTcpReqTimeout(this)
    , m_timerNfcTest(this)
    , m_timerErrorStatus(this)
{
    // The timers are children by the names the chart gives them, so that
    // they can be found and watched.
    m_timerUdpBroadcast.setObjectName(QStringLiteral("m_timerUdpBroadcast"));
    m_timerUdpBroadcast.setInterval(kUdpBroadcastMs);
    m_timerTcpReqTimeout.setObjectName(QStringLiteral("m_timerTcpReqTimeout"));
    m_timerTcpReqTimeout.setInterval(kTcpRequestTimeoutMs);
    m_timerTcpReqTimeout.setSingleShot(true);
    // The tag report keeps its one-second pace on a cabinet that is not yet
    // configured as well: the station tests the readers before set-up.
    m_timerNfcTest.setObjectName(QStringLiteral("m_timerNfcTest"));
    m_timerNfcTest.setInterval(kTagReportMs);
    m_timerErrorStatus.setObjectName(QStringLiteral("m_timerErrorStatus"));
    m_timerErrorStatus.setInterval(kStatusReportMs);

    connect(&m_tcpServer, &QTcpServer::newConnection, this, &EolTesting::acceptIncomingConnection);
    connect(&m_tcpServer, &QTcpServer::acceptError, this, &EolTesting::networkErrorHandler);
    // Only a display whose test machine runs takes the port: a client that
    // nobody would answer must not be able to connect.
    connect(this, &QStateMachine::started, this, &EolTesting::listenForStation);
    buildMachine();
}

EolTesting::~EolTesting()
{
    m_tcpServer.disconnect(this);
    if (m_client) {
        m_client->disconnect(this);
        m_client->abort();
    }
}

void EolTesting::buildMachine()
{
    StateMachineBuilder b(this);
    QState *idle = b.state(this, "idle");
    QState *udpBroadCast = b.state(this, "udpBroadCast");
    QState *tcpClientConnected = b.state(this, "tcpClientConnected");
    QState *eolDisconnected = b.state(tcpClientConnected, "eolDisconnected");
    QState *eolClientConnected = b.state(tcpClientConnected, "eolClientConnected");
    setInitialState(idle);
    tcpClientConnected->setInitialState(eolDisconnected);

    const QString self = QStringLiteral("this");
    const char *timeout = SIGNAL(timeout());
    QSignalTransition *t = nullptr;

    b.transition(idle, udpBroadCast, "t_udpBroadCastStart", self, this, SIGNAL(udpBroadCastStartReq()));
    b.transition(idle, tcpClientConnected, "t_tcpClientConnected", self, this, SIGNAL(tcpClientConnected()));
    t = b.transition(udpBroadCast, nullptr, "t_udpBroadCastTimeOut", QStringLiteral("&m_timerUdpBroadcast"),
                     &m_timerUdpBroadcast, timeout);
    b.action(t, "sendUdpbroadcast");
    b.transition(udpBroadCast, tcpClientConnected, "t_tcpClientConnected2", self, this,
                 SIGNAL(tcpClientConnected()));
    b.transition(tcpClientConnected, idle, "t_tcpClientDisconnected", self, this, SIGNAL(tcpClientDisconnected()));
    b.transition(tcpClientConnected, eolClientConnected, "t_eolClientConnected", self, this,
                 SIGNAL(eolClientConnected()));
    t = b.transition(tcpClientConnected, nullptr, "t_tcpDataReceived", self, this, SIGNAL(tcpClientDataReceived()));
    b.action(t, "getRceivedData");
    t = b.transition(tcpClientConnected, nullptr, "t_tcpRequestTimeOut", QStringLiteral("&m_timerTcpReqTimeout"),
                     &m_timerTcpReqTimeout, timeout);
    b.action(t, "tcpRequestIsIncomplete");
    t = b.transition(tcpClientConnected, nullptr, "t_tcpClientRequestReceived", self, this,
                     SIGNAL(eolClientRequestReceived()));
    b.action(t, "tcpClientProcessRequest");
    t = b.transition(eolClientConnected, nullptr, "t_nfcTestTimeOut", QStringLiteral("&m_timerNfcTest"),
                     &m_timerNfcTest, timeout);
    b.action(t, "nfcTestResponse");
    // During a run the child's transition is chosen over its parent's on the
    // same signal, so a request is processed once, as a test-run request.
    t = b.transition(eolClientConnected, nullptr, "t_eolClientRequestReceived", self, this,
                     SIGNAL(eolClientRequestReceived()));
    b.action(t, "eolClientProcessRequest");
    // Targeting the parent leaves and re-enters it: the run ends in
    // eolDisconnected with the client still connected.
    b.transition(eolClientConnected, tcpClientConnected, "t_eolClientDisconnected", self, this,
                 SIGNAL(eolClientDisconnected()));
    t = b.transition(eolClientConnected, nullptr, "t_commErrorsStatus", QStringLiteral("&m_timerErrorStatus"),
                     &m_timerErrorStatus, timeout);
    b.action(t, "sendStatusResponse");
}

void EolTesting::setEolTestStarted(bool value)
{
    if (assignIfChanged(m_eolTestStarted, value))
        emit eolTestStartedChanged(m_eolTestStarted);
}

void EolTesting::startUdpbroadcast()
{
    emit udpBroadCastStartReq();
}

// ---------------------------------------------------------------------------
// Neighbours

QObject *EolTesting::member(const char *objectName) const
{
    return parent() ? parent()->findChild<QObject *>(QLatin1String(objectName), Qt::FindDirectChildrenOnly)
                    : nullptr;
}

QVariant EolTesting::cabinetProperty(const char *name) const
{
    return parent() ? parent()->property(name) : QVariant();
}

QVariant EolTesting::storeProperty(const char *name) const
{
    QObject *store = member(kStore);
    return store ? store->property(name) : QVariant();
}

bool EolTesting::cabinetIsConfigured() const
{
    bool configured = false;
    invoke(nullptr, "get_isConfigured", Q_RETURN_ARG(bool, configured));
    return configured;
}

bool EolTesting::invoke(const char *memberName, const char *method, QGenericReturnArgument result,
                        QGenericArgument a0, QGenericArgument a1) const
{
    QObject *target = memberName ? member(memberName) : parent();
    if (target && QMetaObject::invokeMethod(target, method, Qt::DirectConnection, result, a0, a1))
        return true;
    qWarning().noquote() << "EolTesting: cannot call" << (memberName ? memberName : "the cabinet") << method;
    return false;
}

// ---------------------------------------------------------------------------
// The address broadcast

void EolTesting::sendUdpbroadcast()
{
    if (!storeProperty("wifiEnabled").toBool())
        return;
    if (m_udpSocket.state() != QAbstractSocket::BoundState && m_udpSocket.bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        m_udpSocket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_udpSocket.setSocketOption(QAbstractSocket::TypeOfServiceOption, kTypeOfService);
    }
    EolTestCodec::Layout layout;
    layout.rows = cabinetProperty("numberOfRows").toInt();
    layout.zonesPerRow = cabinetProperty("zonesPerRow").toInt();
    layout.binsPerZone = cabinetProperty("traysPerZone").toInt();
    layout.singleColumn = cabinetProperty("singleColumnUnit").toBool();
    const QByteArray datagram = EolTestCodec::addressDatagram(storeProperty("wifiIpAddr").toString(), layout);
    const QString to = storeProperty("wifiBroadcast").toString();
    if (m_udpSocket.writeDatagram(datagram, QHostAddress(to), UdpPort) == datagram.size()) {
        m_udpFailureLogged = false;
    } else if (!m_udpFailureLogged) {
        // Twice a second: say it once, until a datagram goes out again.
        qWarning().noquote() << "EolTesting: cannot send the address datagram to" << to << ":"
                             << m_udpSocket.errorString();
        m_udpFailureLogged = true;
    }
}

// ---------------------------------------------------------------------------
// The station's connection

void EolTesting::listenForStation()
{
    if (m_tcpServer.isListening())
        return;
    if (!m_tcpServer.listen(QHostAddress::Any, TcpPort))
        qWarning().noquote() << QStringLiteral("EolTesting: cannot listen on TCP port %1: %2 (%3)")
                                    .arg(TcpPort)
                                    .arg(socketErrorName(m_tcpServer.serverError()), m_tcpServer.errorString());
}

void EolTesting::acceptIncomingConnection()
{
    while (QTcpSocket *socket = m_tcpServer.nextPendingConnection()) {
        if (m_client) {
            qDebug().noquote() << "EolTesting: a test client is already connected; refused"
                               << socket->peerAddress().toString();
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        m_rxBuffer.clear();
        // Bounds what the socket itself keeps before it is read.
        socket->setReadBufferSize(MaxRequestBytes);
        connect(socket, &QTcpSocket::readyRead, this, &EolTesting::tcpClientConnectionHandler);
        connect(socket, &QTcpSocket::disconnected, this, &EolTesting::tcpSocketDisconnected);
        connect(socket, &QTcpSocket::errorOccurred, this, &EolTesting::networkErrorHandler);
        emit tcpClientConnected();
    }
}

void EolTesting::tcpSocketDisconnected()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || socket != m_client)
        return;
    socket->disconnect(this);
    m_client = nullptr;
    m_rxBuffer.clear();
    emit tcpClientDisconnected();
    socket->deleteLater();
}

void EolTesting::networkErrorHandler(QAbstractSocket::SocketError error)
{
    qDebug().noquote() << "EolTesting: network error" << socketErrorName(error);
    if (error == QAbstractSocket::SocketTimeoutError && m_client && sender() == m_client)
        m_client->abort();
}

void EolTesting::tcpClientConnectionHandler()
{
    if (m_client && m_client->bytesAvailable() > 0)
        emit tcpClientDataReceived();
}

void EolTesting::getRceivedData()
{
    m_timerTcpReqTimeout.stop();
    if (!m_client)
        return;
    m_rxBuffer += m_client->readAll();
    if (m_rxBuffer.size() > MaxRequestBytes) {
        qWarning().noquote() << QStringLiteral("EolTesting: request longer than %1 bytes; %2 bytes dropped")
                                    .arg(MaxRequestBytes)
                                    .arg(m_rxBuffer.size());
        m_rxBuffer.clear();
        writeReply(response("EndOfLineTestResponse", false));
        return;
    }
    if (EolTestCodec::parseRequest(m_rxBuffer))
        emit eolClientRequestReceived();
    else
        m_timerTcpReqTimeout.start();
}

void EolTesting::tcpRequestIsIncomplete()
{
    // Quoted, so that whatever arrived cannot break the log's lines.
    qDebug().nospace() << "Request is incomplete. Data received = " << m_rxBuffer;
    m_rxBuffer.clear();
    writeReply(response("EndOfLineTestResponse", false));
}

void EolTesting::writeReply(const QJsonObject &reply)
{
    if (m_client && reply.contains(QLatin1String("event")))
        m_client->write(EolTestCodec::replyText(reply));
}

// ---------------------------------------------------------------------------
// Requests

void EolTesting::tcpClientProcessRequest()
{
    QJsonObject request;
    const bool isObject = EolTestCodec::parseRequest(m_rxBuffer, &request);
    m_rxBuffer.clear();
    bool open = false;
    if (isObject && request.value(QLatin1String("event")).toString() == QLatin1String("EndOfLineTest"))
        open = request.value(QLatin1String("command")).toString() == QLatin1String(kStart);
    writeReply(response("EndOfLineTestResponse", open));
    if (open)
        emit eolClientConnected();
}

void EolTesting::eolClientProcessRequest()
{
    QJsonObject request;
    const bool isObject = EolTestCodec::parseRequest(m_rxBuffer, &request);
    m_rxBuffer.clear();
    if (!isObject)
        return;
    const QString event = request.value(QLatin1String("event")).toString();
    const QString command = request.value(QLatin1String("command")).toString();
    const bool start = command == QLatin1String(kStart);
    QJsonObject reply;

    if (event == QLatin1String("EndOfLineTest")) {
        const bool stop = command == QLatin1String(kStop);
        reply = response("EndOfLineTestResponse", stop);
        if (stop)
            emit eolClientDisconnected();
    } else if (event == QLatin1String("ConfigureSerialAndModel")) {
        reply = response("ConfigureSerialAndModelResponse", start && configureSerialAndModel(request));
    } else if (event == QLatin1String("SoftwareVersionTest")) {
        reply = QJsonObject{{QLatin1String("event"), QLatin1String("SoftwareVersionTestResponse")},
                            {QLatin1String("response"), getSoftwareVersions()}};
    } else if (event == QLatin1String("SpeakerTest")) {
        if (start) {
            emit soundTestStart();
            invoke(kSound, "playWarningAlarm");
            invoke(nullptr, "sendScreenTestStop");
        }
    } else if (event == QLatin1String("ScreenTest")) {
        if (start) {
            emit displayTestStart();
            invoke(nullptr, "sendScreenTestStart");
        }
    } else if (event == QLatin1String("TurnOffAllZones") || event == QLatin1String("TurnOnAllZones")
               || event == QLatin1String("HeaterTest")) {
        reply = zonesHeatingTest(request);
    } else if (event == QLatin1String("TagReadTest")) {
        if (start) {
            emit nfcTestStart();
            m_timerNfcTest.start();
            invoke(nullptr, "sendRfIdTestStart");
        }
    } else if (event == QLatin1String("StopTagTest")) {
        if (start) {
            const bool wasRunning = m_timerNfcTest.isActive();
            m_timerNfcTest.stop();
            reply = response("StopTagTestResponse", wasRunning);
        }
    } else if (event == QLatin1String("ConfigureCustomerMenu")) {
        if (start) {
            bool configured = false;
            invoke(kStore, "setConfigFromUsb", Q_RETURN_ARG(bool, configured), Q_ARG(QJsonObject, request));
            reply = response("ConfigureCustomerMenuResponse", configured);
        }
    } else {
        reply = response("EndOfLineTestResponse", false);
    }
    writeReply(reply);
}

bool EolTesting::configureSerialAndModel(const QJsonObject &request)
{
    QObject *store = member(kStore);
    if (!store)
        return false;
    // The store refuses a text that would break its files (a line break or
    // another control character); a refused number is a failure.
    auto setNumber = [store](const char *property, const QString &value) {
        store->setProperty(property, value);
        return store->property(property).toString() == value;
    };
    bool pass = false;
    const QJsonValue serial = request.value(QLatin1String("serial number"));
    if (serial.isString() && !serial.toString().isEmpty())
        pass = setNumber("serialNumber", serial.toString());
    const QJsonValue model = request.value(QLatin1String("model number"));
    if (!model.isString())
        pass = false;
    else if (!model.toString().isEmpty())
        pass = setNumber("modelNumber", model.toString());

    invoke(kStore, "saveCabinetSerialModelNumbers");
    invoke(nullptr, "sendSystemInfoTestStart");
    emit systemInfoTestStart();
    return pass;
}

QString EolTesting::getSoftwareVersions()
{
    EolTestCodec::Versions v;
    v.ui = QLatin1String(ConfigurationManager::kFirmwareVersion);
    v.hasSecondaryDisplay = cabinetProperty("hasSecondaryDisplay").toBool();
    v.otherUi = storeProperty("theOtherUiFwVersion").toString();
    v.iot = storeProperty("iotSoftwareVersion").toString();
    for (const char *name : {"ioBoardFirmwareVersion0", "ioBoardFirmwareVersion1", "ioBoardFirmwareVersion2",
                             "ioBoardFirmwareVersion3", "ioBoardFirmwareVersion4"})
        v.ioBoards << storeProperty(name).toString();
    v.nfcEnabled = cabinetProperty("nfcEnabled").toBool();
    v.nfcReader1 = storeProperty("readerFirmwareVersion1").toString();
    v.nfcReader2 = storeProperty("readerFirmwareVersion2").toString();
    v.orientationId = cabinetProperty("orientationId").toInt();
    v.ioBoardCount = cabinetProperty("numIOBoards").toInt();
    invoke(kIoLink, "get_numOfNfcBoards", Q_RETURN_ARG(int, v.nfcBoardCount));
    return EolTestCodec::softwareVersions(v);
}

QJsonObject EolTesting::zonesHeatingTest(const QJsonObject &request)
{
    const QString event = request.value(QLatin1String("event")).toString();
    const bool start = request.value(QLatin1String("command")).toString() == QLatin1String(kStart);
    QJsonObject reply{{QLatin1String("event"), event + QLatin1String("Response")}};
    bool pass = false;
    if (start && event == QLatin1String("HeaterTest")) {
        pass = singleHeaterTest(request, &reply);
    } else if (start) {
        const bool on = event == QLatin1String("TurnOnAllZones");
        pass = invoke(kIoLink, "eolTempTestAllHeaters", QGenericReturnArgument(), Q_ARG(bool, on));
    }
    reply.insert(QLatin1String("response"), QLatin1String(pass ? "pass" : "fail"));
    if (pass)
        emit heatingTestCommand();
    return reply;
}

bool EolTesting::singleHeaterTest(const QJsonObject &request, QJsonObject *reply)
{
    const QString zoneText = request.value(QLatin1String("zone")).toString();
    bool ok = false;
    const int zone = zoneText.toInt(&ok, 10);
    if (!ok)
        return false;
    reply->insert(QLatin1String("zone"), zoneText);
    const QString heaterText = request.value(QLatin1String("heaterIndex")).toString();
    const int heater = heaterText.toInt(&ok, 10);
    if (!ok || zone > cabinetProperty("numberOfZones").toInt())
        return false;
    reply->insert(QLatin1String("heaterIndex"), heaterText);
    // Zones count from 1 on the wire, heaters are 0 and 1. Only a heater the
    // cabinet has is asked about or switched on.
    if (zone < 1 || heater < 0 || heater >= kHeatersPerZone) {
        reply->insert(QLatin1String("error"), QLatin1String(kNoError));
        return false;
    }
    const int zoneIndex = zone - 1;
    QString error = QLatin1String(kNoError);
    invoke(kIoLink, "eolGetTempErrorDescription", Q_RETURN_ARG(QString, error), Q_ARG(int, zoneIndex),
           Q_ARG(int, heater));
    reply->insert(QLatin1String("error"), error);
    bool started = false;
    invoke(kIoLink, "eolTempTestSingleHeater", Q_RETURN_ARG(bool, started), Q_ARG(int, zoneIndex),
           Q_ARG(int, heater));
    return started;
}

// ---------------------------------------------------------------------------
// Reports during a test run

void EolTesting::nfcTestResponse()
{
    const int bins = qBound(0, cabinetProperty("traysPerCabinet").toInt(), 256);
    QList<bool> seen;
    for (int bin = 0; bin < bins; ++bin) {
        quint64 uid = 0;
        invoke(nullptr, "getTagUidAtBin", Q_RETURN_ARG(quint64, uid), Q_ARG(uchar, uchar(bin)));
        seen << (uid != 0);
    }
    writeReply(QJsonObject{{QLatin1String("event"), QLatin1String("TagReadTestResponse")},
                           {QLatin1String("response"), EolTestCodec::tagReport(seen)}});
}

void EolTesting::sendStatusResponse()
{
    QObject *errors = member(kErrors);
    QObject *sync = member(kSync);
    bool ioFault = false;
    bool nfcFault = false;
    invoke(kIoLink, "getIoCommErrorDetected", Q_RETURN_ARG(bool, ioFault));
    invoke(kIoLink, "getNfcErrorDetected", Q_RETURN_ARG(bool, nfcFault));
    const bool boardsFail = (errors && errors->property("sibLinkBroken").toBool()) || ioFault || nfcFault;
    const bool canFail = sync && sync->property("canLinkBroken").toBool();
    const QString communication = QLatin1String(boardsFail ? "fail" : "pass") + QLatin1Char(',')
        + QLatin1String(canFail ? "fail" : "pass");
    writeReply(QJsonObject{{QLatin1String("event"), QLatin1String("StatusResponse")},
                           {QLatin1String("communicationResponse"), communication},
                           {QLatin1String("temperature"), getActualTemps()}});
}

QString EolTesting::getActualTemps()
{
    const int zones = cabinetProperty("numberOfZones").toInt();
    QList<int> temps;
    for (int zone = 0; zone < zones; ++zone) {
        for (int heater = 0; heater < kHeatersPerZone; ++heater) {
            int temp = 0;
            invoke(kIoLink, "eolGetActualTemp", Q_RETURN_ARG(int, temp), Q_ARG(int, zone), Q_ARG(int, heater));
            temps << temp;
        }
    }
    return EolTestCodec::temperatureList(temps);
}

// ---------------------------------------------------------------------------
// States

void EolTesting::idle_onEntry()
{
    setEolTestStarted(false);
}

void EolTesting::udpBroadCast_onEntry()
{
    m_timerUdpBroadcast.start();
    emit udpBroadcastStarted();
}

void EolTesting::udpBroadCast_onExit()
{
    m_timerUdpBroadcast.stop();
}

void EolTesting::tcpClientConnected_onExit()
{
    m_timerTcpReqTimeout.stop();
}

void EolTesting::eolClientConnected_onEntry()
{
    if (cabinetIsConfigured()) {
        // A run starts from cold heaters; the station switches them itself.
        invoke(kIoLink, "eolTempTestAllHeaters", QGenericReturnArgument(), Q_ARG(bool, false));
        m_timerErrorStatus.start();
    }
    setEolTestStarted(true);
}

void EolTesting::eolClientConnected_onExit()
{
    m_timerNfcTest.stop();
    m_timerErrorStatus.stop();
    // Hand the heaters and fans back to normal holding.
    invoke(kIoLink, "ttSendRequestSignal");
    if (cabinetProperty("hasFan").toBool())
        invoke(kIoLink, "sendAllFanTargetsRequest");
    invoke(nullptr, "reStateTraysHoldTemps");
}
